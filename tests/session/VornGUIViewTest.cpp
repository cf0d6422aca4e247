// VornGUIViewTest.cpp: the console view and document in a real frame under
// the single-document template: adding lines, following the end, the memory
// limit, selection, find (with the "not found" box answered), and the
// memory-only modified mark kept by a change of logging options.
#include <gtest/gtest.h>

#include "platform/CDocTemplate.h"
#include "platform/CFrameWnd.h"
#include "platform/CIniSettingsStore.h"
#include "platform/CWinApp.h"
#include "platform/ProfileStore.h"
#include "session/VornGUIDoc.h"
#include "session/VornGUIView.h"
#include "tests/config/TempFile.h"

namespace {

class CTestFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CTestFrame)
};
IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)

const UINT kIdrFrame = 128;

std::string g_strBoxText;

// Answers the next message box of this thread and records its text.
void CALLBACK CloseBoxTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND hBox = ::FindWindowA("#32770", nullptr);
    if (!hBox || ::GetWindowThreadProcessId(hBox, nullptr) != ::GetCurrentThreadId())
        return;
    char text[512] = {};
    ::GetDlgItemTextA(hBox, 0xFFFF, text, sizeof text);
    g_strBoxText = text;
    ::KillTimer(nullptr, id);
    ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
}

struct ViewFixture : ::testing::Test {
    TempDir dir;
    std::unique_ptr<CWinApp> app;
    CVornGUIDoc* pDoc = nullptr;
    CVornGUIView* pView = nullptr;

    void SetUp() override
    {
        SetSettingsStore(std::make_unique<CIniSettingsStore>(dir.Path("view.ini").c_str()));
        ProfileWriteInt("Logging", "LogOption", 1);  // memory only: no files
        ProfileWriteInt("Logging", "MemLogLinesLimit", 100);
        app = std::make_unique<CWinApp>("ViewTest");
        app->AddDocTemplate(new CSingleDocTemplate(kIdrFrame, RUNTIME_CLASS(CVornGUIDoc), RUNTIME_CLASS(CTestFrame),
                                                   RUNTIME_CLASS(CVornGUIView)));
        pDoc = (CVornGUIDoc*)app->OpenDocumentFile(nullptr);
        ASSERT_NE(pDoc, nullptr);
        pView = g_pView;
        ASSERT_NE(pView, nullptr);
        CWnd* pFrame = pView->GetParent();
        pFrame->MoveWindow(0, 0, 640, 400);
    }
    void TearDown() override
    {
        if (app && app->m_pMainWnd)
            app->m_pMainWnd->DestroyWindow();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message != WM_QUIT)
                ::DispatchMessageA(&msg);
        app.reset();
        SetSettingsStore(nullptr);
    }
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
    g_strBoxText.clear();
    ::SetTimer(nullptr, 0, 50, CloseBoxTimer);
    EXPECT_FALSE(pView->FindInConsole());
    EXPECT_EQ(g_strBoxText, "String \"absent\" not found.");
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
    EXPECT_EQ(s.find("VornGUI -- Version"), 0u);
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
