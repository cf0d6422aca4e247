// VornGUIViewTest.cpp: the console view and document in a real frame under
// the single-document template: adding lines, following the end, the memory
// limit, selection, find (with the "not found" box answered), the
// memory-only modified mark kept by a change of logging options, and a log
// file's failed trimming.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "framework/MyFindRepDlg.h"
#include "platform/ProfileStore.h"
#include "resources/resource.h"
#include "session/ConsoleCommands.h"
#include "session/VornGUIDoc.h"
#include "session/VornGUIView.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/HangWatch.h"
#include "tests/session/ViewTestFrame.h"

namespace {

struct ViewFixture : ::testing::Test {
    TempDir dir;
    std::unique_ptr<vorntest::ViewHost> host;
    CVornGUIDoc* pDoc = nullptr;
    CVornGUIView* pView = nullptr;

    void SetUp() override
    {
        host = std::make_unique<vorntest::ViewHost>(dir, [] { ProfileWriteInt("Logging", "MemLogLinesLimit", 100); });
        pDoc = host->Doc();
        ASSERT_NE(pDoc, nullptr);
        pView = host->View();
        ASSERT_NE(pView, nullptr);
    }
    void TearDown() override { host.reset(); }
    void Add(int n, const char* pszPrefix = "line")
    {
        for (int i = 0; i < n; ++i) {
            CString str;
            str.Format("%s %d", pszPrefix, i);
            pView->AddMessage(str, false);
            pView->RefreshAfterAppend(1);
        }
    }
};

}  // namespace

TEST_F(ViewFixture, AppendingFollowsTheEndAndKeepsTheLimit)
{
    Add(150);
    EXPECT_EQ(pDoc->GetLineCount(), 100);
    EXPECT_EQ(pDoc->GetLine(0), "line 50");
    EXPECT_TRUE(pView->IsFollowingEnd());
    EXPECT_GE(pView->GetTopLine() + pView->GetLinesFit(), 100);
    EXPECT_TRUE(pDoc->IsModified());
}

// The view's window class carries the program's icon.
TEST_F(ViewFixture, WindowClassHasTheProgramIcon)
{
    HICON hIcon = (HICON)::GetClassLongPtrA(pView->m_hWnd, GCLP_HICON);
    EXPECT_NE(hIcon, nullptr);
    EXPECT_EQ(hIcon, ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
}

// Through a burst the state follows every line at once; the pane and its
// scroll bar are redrawn at most every 33 ms, the last time by a timer, and
// then show the newest state.
TEST_F(ViewFixture, BurstFollowingTheEndEndsWithTheScrollBarAtTheEnd)
{
    Add(150);
    EXPECT_GE(pView->GetTopLine() + pView->GetLinesFit(), 100);
    ASSERT_TRUE(vorntest::ViewHost::Pump(5000, [&] { return !pView->IsFollowRedrawDue(); }))
        << "the deferred redraw of the pane";
    SCROLLINFO si = {sizeof(si), SIF_ALL};
    ASSERT_TRUE(::GetScrollInfo(pView->m_hWnd, SB_VERT, &si));
    // The bar's position stops a page before its end.
    EXPECT_EQ(si.nMax, 99);
    EXPECT_EQ(si.nPos, std::min(pView->GetTopLine(), si.nMax - (int)si.nPage + 1));
    EXPECT_TRUE(pView->IsFollowingEnd());
}

TEST_F(ViewFixture, ScrolledUpPaneStaysWhereItIs)
{
    Add(100);
    pView->SendMessage(WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(pView->GetTopLine(), 0);
    EXPECT_FALSE(pView->IsFollowingEnd());
    pView->AddMessage("new", false);
    pView->RefreshAfterAppend(1);
    // The limit dropped the oldest line; the pane stays at the top.
    EXPECT_EQ(pView->GetTopLine(), 0);
}

TEST_F(ViewFixture, FindWithWrapAndNoMatchEndsWithMessage)
{
    Add(20);
    pView->SetFindText("absent");
    std::string strTitle, strTexts;
    {
        vorntest::DialogDriver driver([&](HWND h) {
            char sz[128] = {};
            ::GetWindowTextA(h, sz, sizeof sz);
            strTitle = sz;
            strTexts = vorntest::DialogTexts(h);
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
            return false;
        });
        EXPECT_FALSE(pView->FindInConsole());
    }
    EXPECT_NE(strTexts.find("String \"absent\" not found."), std::string::npos) << strTexts;
    EXPECT_EQ(strTitle, "Find Next");
}

TEST_F(ViewFixture, EditFindOpensTheFindDialogWhoseFindNextSearchesTheConsole)
{
    Add(20);
    pView->SetFindText("line 1");
    pView->SendMessage(WM_COMMAND, ID_EDIT_FIND_MESSAGE);
    HWND hDlg = pView->GetFindDialog();
    ASSERT_TRUE(::IsWindow(hDlg));
    char szTitle[64] = {};
    ::GetWindowTextA(hDlg, szTitle, sizeof szTitle);
    EXPECT_STREQ("Find Message", szTitle);
    // Find only, no hex or regular-expression search, no selection to search in.
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(hDlg, IDC_FINDREP_REPLACE)));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(hDlg, IDC_FINDREP_HEX)));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(hDlg, IDC_FINDREP_REGEX)));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(hDlg, IDC_FINDREP_SELONLY)));
    char szText[64] = {};
    ::GetDlgItemTextA(hDlg, IDC_FINDREP_FIND, szText, sizeof szText);
    EXPECT_STREQ("line 1", szText);
    // Opening again shows the same dialog.
    pView->SendMessage(WM_COMMAND, ID_EDIT_FIND_MESSAGE);
    EXPECT_EQ(hDlg, pView->GetFindDialog());

    // Find Next in the dialog: the view takes its text and searches; AutoHide
    // is off by default, so the dialog stays, unlocked again.
    ::SetDlgItemTextA(hDlg, IDC_FINDREP_FIND, "line 5");
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_FINDREP_FIND, CBN_EDITCHANGE),
                   (LPARAM)::GetDlgItem(hDlg, IDC_FINDREP_FIND));
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_FINDREP_FIND_NEXT, BN_CLICKED),
                   (LPARAM)::GetDlgItem(hDlg, IDC_FINDREP_FIND_NEXT));
    EXPECT_EQ(pView->GetSelection().GetFirst(), 5);
    EXPECT_EQ(pView->GetSelection().GetLast(), 5);
    EXPECT_TRUE(::IsWindow(hDlg));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(hDlg, IDC_FINDREP_FIND_NEXT)));
    EXPECT_STREQ("line 5", ProfileGetString("Settings\\FindRep", "Find-0"));

    // Up: the previous line holding the text, here by wrapping around.
    ::CheckRadioButton(hDlg, IDC_FINDREP_UP, IDC_FINDREP_DOWN, IDC_FINDREP_UP);
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_FINDREP_FIND_NEXT, BN_CLICKED),
                   (LPARAM)::GetDlgItem(hDlg, IDC_FINDREP_FIND_NEXT));
    EXPECT_EQ(pView->GetSelection().GetFirst(), 5) << "the only line 5";
    EXPECT_FALSE(pView->FindOptions().bForward);

    // Cancel closes it.
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_FINDREP_CANCEL, BN_CLICKED),
                   (LPARAM)::GetDlgItem(hDlg, IDC_FINDREP_CANCEL));
    EXPECT_EQ(nullptr, pView->GetFindDialog());
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
    EXPECT_FALSE(::IsWindow(hDlg));
}

TEST_F(ViewFixture, WithAutoHideTheFindDialogClosesAfterASearch)
{
    ProfileWriteInt("Settings\\FindRep", "AutoHide", 1);
    Add(20);
    pView->SetFindText("line 12");
    pView->SendMessage(WM_COMMAND, ID_EDIT_FIND_MESSAGE);
    HWND hDlg = pView->GetFindDialog();
    ASSERT_TRUE(::IsWindow(hDlg));
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_FINDREP_FIND_NEXT, BN_CLICKED),
                   (LPARAM)::GetDlgItem(hDlg, IDC_FINDREP_FIND_NEXT));
    EXPECT_EQ(pView->GetSelection().GetFirst(), 12);
    EXPECT_EQ(nullptr, pView->GetFindDialog());
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
    EXPECT_FALSE(::IsWindow(hDlg));
}

TEST_F(ViewFixture, FindNextWithoutATextOpensTheDialogWhichSearchesTheSelectedLines)
{
    Add(20);
    pView->SendMessage(WM_VSCROLL, SB_TOP, 0);
    pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 2));
    pView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(10, 2));
    pView->ExtendSelection(4, true);  // lines 0 to 4
    pView->SendMessage(WM_COMMAND, ID_FIND_NEXT);
    HWND hDlg = pView->GetFindDialog();
    ASSERT_TRUE(::IsWindow(hDlg));
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(hDlg, IDC_FINDREP_SELONLY)));
    EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(hDlg, IDC_FINDREP_SELONLY));
    // "line 1" within lines 0-4 is line 1 (line 10 onwards lies outside).
    ::SetDlgItemTextA(hDlg, IDC_FINDREP_FIND, "line 1");
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_FINDREP_FIND, CBN_EDITCHANGE),
                   (LPARAM)::GetDlgItem(hDlg, IDC_FINDREP_FIND));
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_FINDREP_FIND_NEXT, BN_CLICKED),
                   (LPARAM)::GetDlgItem(hDlg, IDC_FINDREP_FIND_NEXT));
    EXPECT_EQ(pView->GetSelection().GetFirst(), 1);
    EXPECT_EQ(pView->GetSelection().GetLast(), 1);
    // The close box closes it.
    ::SendMessageA(hDlg, WM_CLOSE, 0, 0);
    EXPECT_EQ(nullptr, pView->GetFindDialog());
}

TEST_F(ViewFixture, FindSelectsTheFoundLine)
{
    Add(20);
    pView->SetFindText("7");
    EXPECT_TRUE(pView->FindInConsole());
    EXPECT_EQ(pView->GetSelection().GetFirst(), 7);
    EXPECT_EQ(pView->GetSelection().GetLast(), 7);
    EXPECT_TRUE(pView->FindInConsole());  // the next line holding a 7
    EXPECT_EQ(pView->GetSelection().GetFirst(), 17);
}

TEST_F(ViewFixture, ClickThenExtendSelectsLinesAndCopyTakesThem)
{
    Add(10);
    pView->SendMessage(WM_VSCROLL, SB_TOP, 0);
    pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 2));
    pView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(10, 2));
    EXPECT_FALSE(pView->GetSelection().HasSelection());
    EXPECT_EQ(pView->LineFromPoint(10, 2), 0);
    pView->ExtendSelection(3, true);
    EXPECT_EQ(pView->GetSelectedText(), "line 0\r\nline 1\r\nline 2\r\nline 3\r\n");
    pView->ClearSelection(true);
    EXPECT_EQ(pView->GetSelectedText(), "");
}

TEST_F(ViewFixture, LoggingOptionsKeepUnsavedMarkInMemoryMode)
{
    Add(3);
    EXPECT_TRUE(pDoc->IsModified());
    EXPECT_TRUE(pDoc->SetLogOption(1, 10, "console.log"));
    EXPECT_TRUE(pDoc->IsModified());
}

// Save Messages proposes the log files' name in the log folder, not where a
// file dialog was used last; Enter saves every line there.
TEST_F(ViewFixture, SaveMessagesProposesTheLogFilesNameInTheLogFolder)
{
    Add(2);
    ASSERT_TRUE(::CreateDirectoryA(dir.Path("other").c_str(), nullptr));
    ASSERT_TRUE(vorntest::ViewHost::Pump(10000, [&] { return pDoc->GetLogFolder().str() == dir.Folder(); }))
        << "the view's start makes the test's folder the log folder";
    std::string strUsed, strProposed;
    CString strPath;
    vorntest::DialogDriver open([&](HWND h) { return (strUsed = vorntest::TakeProposedFile(h)).empty(); });
    AfxPromptFileName(strPath, dir.Write("other\\vorn.cnf", "").c_str(), nullptr, TRUE);
    ASSERT_EQ(strUsed, dir.Path("other") + "|vorn.cnf") << "a file dialog used in another folder first";
    vorntest::DialogDriver save([&](HWND h) { return (strProposed = vorntest::TakeProposedFile(h)).empty(); });
    vorntest::WaitingFor waiting("Save Messages' file dialog to save");
    pView->SendMessage(WM_COMMAND, ID_VIEW_SAVE_MESSAGES);
    EXPECT_EQ(strProposed, dir.Folder().substr(0, dir.Folder().size() - 1) + "|Vornamic Logfile.txt");
    EXPECT_EQ(ReadBytes(dir.Path("Vornamic Logfile.txt")), pDoc->GetHeaderText().str() + "\r\nline 0\r\nline 1\r\n");
    EXPECT_FALSE(pDoc->IsModified());
}

TEST_F(ViewFixture, NumberedModeStartsFileWithHeaderAndAppends)
{
    Add(2);
    pDoc->SetLogFolder(CString(dir.Folder().c_str()));
    ASSERT_TRUE(pDoc->SetLogOption(2, 10, "console.log"));
    Add(1, "after");
    std::string strPath = dir.Path("console.001.log");
    FILE* f = fopen(strPath.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    char buf[4096] = {};
    size_t n = fread(buf, 1, sizeof buf - 1, f);
    fclose(f);
    std::string s(buf, n);
    // The header: the copyright line and the default addresses the About box
    // and the crash report show too.
    EXPECT_EQ(s.find("VornGUI -- Version 1.21.0.6211\r\n"
                     "Copyright (C) 2026 Quadrelle. All rights reserved.\r\n\r\n"
                     "VornGUI URL:      https://www.quadrelle.example/vorngui/\r\n"
                     "VornGUI support:  vorngui-support@quadrelle.example\r\n\r\n"
                     "Vornamic URL:     https://www.vornamic.example/\r\n"
                     "Vornamic support: vornamic-users@groups.vornamic.example\r\n"),
              0u)
        << s;
    EXPECT_NE(s.find("line 0\r\nline 1\r\nafter 0\r\n"), std::string::npos);
    EXPECT_NE(s.find("(last line of logfile above)"), std::string::npos);
}

TEST_F(ViewFixture, FindWrapsBackToTheFirstMatch)
{
    Add(20);
    pView->SetFindText("line 7");
    EXPECT_TRUE(pView->FindInConsole());
    EXPECT_TRUE(pView->FindInConsole());
    EXPECT_EQ(pView->GetSelection().GetFirst(), 7);
}

TEST_F(ViewFixture, DestroyReleasesPausedReaders)
{
    HANDLE hResume = pView->GetReaderResumeEvent();
    HANDLE hCopy = nullptr;
    ASSERT_TRUE(::DuplicateHandle(::GetCurrentProcess(), hResume, ::GetCurrentProcess(), &hCopy, 0, FALSE,
                                  DUPLICATE_SAME_ACCESS));
    ::ResetEvent(hCopy);  // flow control paused the readers
    pView->GetParent()->DestroyWindow();
    EXPECT_EQ(::WaitForSingleObject(hCopy, 0), WAIT_OBJECT_0);
    ::CloseHandle(hCopy);
}

// A log file whose ring cannot be cut when its pass is full (a mapped view
// keeps the system from shrinking it): the message names the trimming, and
// the line stays in memory.
TEST(ViewLogFile, FailedTrimmingIsReportedAsSuch)
{
    TempDir dir;
    vorntest::ViewHost host(dir, [] {
        ProfileWriteInt("Logging", "LogOption", 2);
        ProfileWriteString("Logging", "BaseFilename", "vorn.log");
        ProfileWriteInt("Logging", "CurFileNum", 0);
        ProfileWriteInt("Logging", "EnableDiskLogLimit", 1);
        ProfileWriteInt("Logging", "DiskLogLinesLimit", 1000);
    });
    CVornGUIView* pView = host.View();
    ASSERT_NE(pView, nullptr);
    vorntest::ViewHost::Pump(3000, [&] { return !host.Doc()->GetPathName().IsEmpty(); });
    std::string strLog = dir.Path("vorn.001.log");
    ASSERT_EQ(host.Doc()->GetPathName(), CString(strLog.c_str()));
    for (int i = 0; i < 1000; ++i)
        pView->AddMessage("ZQC00001I a line of the first pass", false);
    HANDLE hFile = ::CreateFileA(strLog.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    HANDLE hMapping = ::CreateFileMappingA(hFile, nullptr, PAGE_READONLY, 0, 0, nullptr);
    void* pMapped = hMapping ? ::MapViewOfFile(hMapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
    ASSERT_NE(pMapped, nullptr);
    vorntest::DialogSequence seq({vorntest::ClickControl(IDOK)});  // the error box
    pView->AddMessage("ZQC00002I the first line of the second pass", false);
    ASSERT_EQ(seq.Seen().size(), 1u);
    EXPECT_NE(seq.Seen()[0].strTexts.find("Error trimming logfile."), std::string::npos) << seq.Seen()[0].strTexts;
    EXPECT_NE(seq.Seen()[0].strTexts.find("\"" + strLog + "\""), std::string::npos) << seq.Seen()[0].strTexts;
    // The line, then the note that logging stopped.
    EXPECT_EQ(host.Doc()->GetLine(host.Doc()->GetLineCount() - 2), "ZQC00002I the first line of the second pass");
    ::UnmapViewOfFile(pMapped);
    ::CloseHandle(hMapping);
    ::CloseHandle(hFile);
}
