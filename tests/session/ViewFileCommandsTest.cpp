// ViewFileCommandsTest.cpp: the configuration's File commands in the real
// view under Wine: opening (missing file, the parse-errors dialog loop with
// Retry, Ignore and Cancel, the ignore option), saving (a refused save
// keeps the configuration modified and the file as it was), the save
// prompt (asked also for a configuration with parse errors), New cancelled
// in the prompt, the main window's title, Manual edit's reminder, and
// device rows of any length through Open, the Devices page and Save.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "config/ParseErrorsText.h"
#include "devices/DefineDeviceWithDialog.h"
#include "sysconfig/SysCfgDevicesPage.h"
#include "sysconfig/SysCfgDialog.h"
#include "config/StartupObjects.h"
#include "platform/PathFunctions.h"
#include "platform/ProfileStore.h"
#include "resources/resource.h"
#include "session/ViewSettings.h"
#include "session/ConsoleCommands.h"
#include "session/VornGUIDoc.h"
#include "session/VornGUIView.h"
#include "tests/session/ViewTestFrame.h"
#include "tests/support/DcPixels.h"
#include "tests/support/ListBoxRows.h"
#include "tests/support/WinTestUtil.h"

using vorntest::ClickControl;
using vorntest::ClickTask;
using vorntest::DialogSequence;

namespace {

const char kGoodConfig[] = "# Description: test system\n0120 3390 disk.img\n";
const char kBadConfig[] = "0120 3390 disk.img\nARCHLVL\n";

std::string ReadFile(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

struct FileCommands : ::testing::Test {
    TempDir dir;
    std::unique_ptr<vorntest::ViewHost> host;
    CVornGUIView* pView = nullptr;

    void SetUp() override
    {
        g_strStartupConfigFile.Empty();
        g_bIgnoreConfigFileParseErrors = false;
        host = std::make_unique<vorntest::ViewHost>(dir);
        pView = host->View();
        ASSERT_NE(pView, nullptr);
        vorntest::ViewHost::Pump(50);  // the start-up's folder check
    }
    void TearDown() override
    {
        host.reset();
        g_bIgnoreConfigFileParseErrors = false;
    }
    // A copy of the current configuration with another description.
    void Modify(const char* pszDescription = "changed")
    {
        CVornConfigFile cfg = pView->GetConfig();
        cfg.m_strDescription = pszDescription;
        pView->ApplyEditedConfiguration(cfg);
    }
};

}  // namespace

TEST_F(FileCommands, TitleOfNewOpenedAndModifiedConfiguration)
{
    pView->UpdateTitle();  // as the start-up's folder check does
    EXPECT_EQ(host->Doc()->GetTitle(), " VornGUI -  [  ]  ");
    std::string strPath = dir.Write("my sys.cnf", kGoodConfig);
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strPath));
    EXPECT_EQ(host->Doc()->GetTitle(), " VornGUI -  [ my sys.cnf ]  ");
    EXPECT_NE(host->FrameText().find(" VornGUI -  [ my sys.cnf ]  "), std::string::npos) << host->FrameText();
    Modify();
    EXPECT_TRUE(pView->IsConfigModified());
    EXPECT_EQ(host->Doc()->GetTitle(), " *VornGUI -  [ my sys.cnf ]  ");
    // Taking back a copy equal to the saved one clears the mark.
    Modify("test system");
    EXPECT_FALSE(pView->IsConfigModified());
    EXPECT_EQ(host->Doc()->GetTitle(), " VornGUI -  [ my sys.cnf ]  ");
}

TEST_F(FileCommands, MissingFileIsReportedAndNothingChanges)
{
    std::string strGood = dir.Write("a.cnf", kGoodConfig);
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strGood));
    DialogSequence seq({ClickTask(IDOK)});
    EXPECT_FALSE(pView->OpenConfiguration(dir.Path("absent.cnf").c_str()));
    ASSERT_EQ(seq.Seen().size(), 1u);
    EXPECT_NE(seq.Seen()[0].strTexts.find("File not found."), std::string::npos) << seq.Seen()[0].strTexts;
    EXPECT_NE(seq.Seen()[0].strTexts.find("\"" + dir.Path("absent.cnf") + "\""), std::string::npos);
    EXPECT_EQ(pView->GetConfig().GetFullPath(), CString(strGood.c_str()));
}

TEST_F(FileCommands, ParseErrorsRetryThenIgnoreTakesTheFile)
{
    std::string strPath = dir.Write("bad.cnf", kBadConfig);
    DialogSequence seq({ClickTask(IDOK), ClickControl(IDC_PARSE_ERRORS_RETRY), ClickTask(IDOK),
                        ClickControl(IDC_PARSE_ERRORS_IGNORE)});
    EXPECT_TRUE(vorntest::OpenAsAtStartup(pView, strPath));
    ASSERT_EQ(seq.Seen().size(), 4u);
    EXPECT_NE(seq.Seen()[0].strTexts.find("Invalid configuration file."), std::string::npos);
    EXPECT_EQ(seq.Seen()[1].strCaption, "Configuration File Error(s)...");
    EXPECT_EQ(seq.Seen()[3].strCaption, "Configuration File Error(s)...");
    EXPECT_EQ(pView->GetConfig().GetFullPath(), CString(strPath.c_str()));
    EXPECT_FALSE(pView->GetConfig().m_bHasErrors);
    EXPECT_FALSE(pView->IsConfigModified());
}

// A megabyte of binary garbage opened as a configuration: the errors
// dialog comes with a bounded text (a rich edit lays out a megabyte for
// half a minute under Wine) that ends saying what it left out.
TEST_F(FileCommands, AMegabyteOfGarbageShowsABoundedErrorsText)
{
    std::string strGarbage(1 << 20, '\0');
    unsigned n = 12345;
    for (char& c : strGarbage)
        c = (char)((n = n * 1103515245 + 12345) >> 16);
    std::string strPath = dir.Write("garbage.cnf", strGarbage);
    std::string strText;
    DialogSequence seq({ClickTask(IDOK), [&](HWND h) {
                            HWND hText = ::GetDlgItem(h, IDC_PARSE_ERRORS_TEXT);
                            strText.resize((size_t)::GetWindowTextLengthA(hText) + 1);
                            strText.resize((size_t)::GetWindowTextA(hText, &strText[0], (int)strText.size()));
                            ClickControl(IDC_PARSE_ERRORS_CANCEL)(h);
                        }});
    vorntest::OpenAsAtStartup(pView, strPath);
    ASSERT_EQ(seq.Seen().size(), 2u);
    EXPECT_EQ(seq.Seen()[1].strCaption, "Configuration File Error(s)...");
    EXPECT_LE(strText.size(), (size_t)(kParseErrorsTextChars + 2 * kParseErrorsLineChars));
    EXPECT_NE(strText.find("more messages not shown."), std::string::npos);
    EXPECT_NE(strText.find("more lines not shown: Edit opens the whole file."), std::string::npos);
}

TEST_F(FileCommands, RetryReadsTheCorrectedFile)
{
    std::string strPath = dir.Write("bad.cnf", kBadConfig);
    DialogSequence seq({ClickTask(IDOK), [&](HWND h) {
                            dir.Write("bad.cnf", kGoodConfig);  // corrected meanwhile
                            ClickControl(IDC_PARSE_ERRORS_RETRY)(h);
                        }});
    EXPECT_TRUE(vorntest::OpenAsAtStartup(pView, strPath));
    EXPECT_EQ(seq.Seen().size(), 2u);
    EXPECT_EQ(pView->GetConfig().m_strDescription, "test system");
}

TEST_F(FileCommands, ParseErrorsCancelResetsToANewConfiguration)
{
    std::string strGood = dir.Write("a.cnf", kGoodConfig);
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strGood));
    g_strStartupConfigFile = dir.Path("bad.cnf").c_str();
    std::string strPath = dir.Write("bad.cnf", kBadConfig);
    DialogSequence seq({ClickTask(IDOK), ClickControl(IDC_PARSE_ERRORS_CANCEL)});
    EXPECT_FALSE(pView->OpenConfiguration(strPath.c_str()));
    EXPECT_EQ(seq.Seen().size(), 2u);
    EXPECT_FALSE(pView->GetConfig().HasPath());
    EXPECT_TRUE(g_strStartupConfigFile.IsEmpty());
    EXPECT_EQ(host->Doc()->GetTitle(), " VornGUI -  [  ]  ");
}

TEST_F(FileCommands, IgnoreOptionTakesAFileWithErrorsWithoutAsking)
{
    g_bIgnoreConfigFileParseErrors = true;
    std::string strPath = dir.Write("bad.cnf", kBadConfig);
    DialogSequence seq({});
    EXPECT_TRUE(vorntest::OpenAsAtStartup(pView, strPath));
    EXPECT_TRUE(seq.Seen().empty());
    EXPECT_TRUE(pView->GetConfig().m_bHasErrors);
}

TEST_F(FileCommands, RefusedSaveKeepsTheConfigurationModifiedAndTheFileAsItWas)
{
    std::string strPath = dir.Write("ro.cnf", kGoodConfig);
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strPath));
    Modify();
    ASSERT_TRUE(::SetFileAttributesA(strPath.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string kRefused = "Cannot save the configuration file.";
    {
        // Access denied: the user is told, then Save As is offered, and
        // cancelled: nothing more is said.
        DialogSequence seq({ClickControl(IDOK), ClickControl(IDCANCEL)});
        EXPECT_FALSE(pView->SaveConfiguration());
        ASSERT_EQ(seq.Seen().size(), 2u);
        EXPECT_NE(seq.Seen()[0].strTexts.find(kRefused), std::string::npos) << seq.Seen()[0].strTexts;
        EXPECT_NE(seq.Seen()[0].strTexts.find("\"" + strPath + "\""), std::string::npos);
        EXPECT_EQ(seq.Seen()[1].strCaption, "Save Configuration As");
    }
    {
        // The same file chosen again in Save As (and its replacement
        // confirmed): refused once more, told once more, and Save As is not
        // offered again.
        DialogSequence seq({ClickControl(IDOK),
                            [&](HWND h) {
                                ::SetDlgItemTextA(h, 0x47C, strPath.c_str());  // the file-name box
                                ClickControl(IDOK)(h);
                            },
                            ClickControl(IDYES), ClickControl(IDOK)});
        EXPECT_FALSE(pView->SaveConfiguration());
        ASSERT_EQ(seq.Seen().size(), 4u);
        EXPECT_EQ(seq.Seen()[1].strCaption, "Save Configuration As");
        EXPECT_NE(seq.Seen()[3].strTexts.find(kRefused), std::string::npos) << seq.Seen()[3].strTexts;
    }
    EXPECT_TRUE(pView->IsConfigModified());
    EXPECT_EQ(pView->GetConfig().GetFullPath(), CString(strPath.c_str()));
    EXPECT_EQ(ReadFile(strPath), kGoodConfig);
    {
        // The same through the prompt: "Save", the refusal, then Save As
        // cancelled, is a cancel, so the operation that asked is abandoned.
        DialogSequence seq({ClickTask(IDYES), ClickControl(IDOK), ClickControl(IDCANCEL)});
        EXPECT_EQ(pView->PromptSaveModified(), CVornGUIView::kPromptCancel);
        EXPECT_EQ(seq.Seen().size(), 3u);
    }
    {
        DialogSequence seq({ClickTask(IDYES), ClickControl(IDOK), ClickControl(IDCANCEL)});
        pView->SendMessage(WM_COMMAND, ID_NEW_CONFIGURATION, 0);
        EXPECT_EQ(seq.Seen().size(), 3u);
    }
    EXPECT_TRUE(pView->IsConfigModified());
    EXPECT_EQ(pView->GetConfig().m_strDescription, "changed");
    EXPECT_EQ(ReadFile(strPath), kGoodConfig);
    EXPECT_EQ(host->Doc()->GetTitle(), " *VornGUI -  [ ro.cnf ]  ");
    // Another name in Save As is saved there.
    {
        std::string strOther = dir.Path("rw.cnf");
        DialogSequence seq({ClickControl(IDOK), [&](HWND h) {
                                ::SetDlgItemTextA(h, 0x47C, strOther.c_str());
                                ClickControl(IDOK)(h);
                            }});
        EXPECT_TRUE(pView->SaveConfiguration());
        EXPECT_EQ(seq.Seen().size(), 2u);
        EXPECT_EQ(pView->GetConfig().GetFullPath(), WindowsizedDirectory(dir.Folder().c_str(), true) + "rw.cnf");
        EXPECT_NE(ReadFile(strOther).find("changed"), std::string::npos);
    }
    EXPECT_EQ(ReadFile(strPath), kGoodConfig);
    ::SetFileAttributesA(strPath.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FileCommands, SaveWritesTheFileAndClearsTheMark)
{
    std::string strPath = dir.Write("rw.cnf", kGoodConfig);
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strPath));
    Modify("saved now");
    DialogSequence seq({});
    EXPECT_TRUE(pView->SaveConfiguration());
    EXPECT_TRUE(seq.Seen().empty());
    EXPECT_FALSE(pView->IsConfigModified());
    EXPECT_NE(ReadFile(strPath).find("saved now"), std::string::npos);
    EXPECT_EQ(host->Doc()->GetTitle(), " VornGUI -  [ rw.cnf ]  ");
    CVornConfigFile reread;
    reread.Load(CString(strPath.c_str()));
    EXPECT_EQ(reread.m_strDescription, "saved now");
}

TEST_F(FileCommands, PromptAnswers)
{
    // Nothing modified: no question.
    {
        DialogSequence seq({});
        EXPECT_EQ(pView->PromptSaveModified(), CVornGUIView::kPromptSaved);
        EXPECT_TRUE(seq.Seen().empty());
    }
    std::string strPath = dir.Write("a.cnf", kGoodConfig);
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strPath));
    Modify();
    {
        DialogSequence seq({ClickTask(IDNO)});
        EXPECT_EQ(pView->PromptSaveModified(), CVornGUIView::kPromptNotSaved);
        ASSERT_EQ(seq.Seen().size(), 1u);
        EXPECT_NE(seq.Seen()[0].strTexts.find("Do you want to save your changes to the configuration?"),
                  std::string::npos);
    }
    {
        DialogSequence seq({ClickTask(IDCANCEL)});
        EXPECT_EQ(pView->PromptSaveModified(), CVornGUIView::kPromptCancel);
    }
    // New, cancelled in the prompt, leaves everything as it was.
    {
        DialogSequence seq({ClickTask(IDCANCEL)});
        pView->SendMessage(WM_COMMAND, ID_NEW_CONFIGURATION, 0);
        EXPECT_EQ(seq.Seen().size(), 1u);
    }
    EXPECT_TRUE(pView->IsConfigModified());
    EXPECT_EQ(pView->GetConfig().GetFullPath(), CString(strPath.c_str()));
    // Close with "Don't Save" drops the changes.
    {
        DialogSequence seq({ClickTask(IDNO)});
        pView->SendMessage(WM_COMMAND, ID_CLOSE_CONFIGURATION, 0);
    }
    EXPECT_FALSE(pView->IsConfigModified());
    EXPECT_FALSE(pView->GetConfig().HasPath());
}

TEST_F(FileCommands, ModifiedConfigurationWithParseErrorsIsAskedAbout)
{
    g_bIgnoreConfigFileParseErrors = true;
    std::string strPath = dir.Write("bad.cnf", kBadConfig);
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strPath));
    g_bIgnoreConfigFileParseErrors = false;
    Modify();
    DialogSequence seq({ClickTask(IDCANCEL)});
    EXPECT_EQ(pView->PromptSaveModified(), CVornGUIView::kPromptCancel);
    ASSERT_EQ(seq.Seen().size(), 1u);
    EXPECT_NE(seq.Seen()[0].strTexts.find("parse errors"), std::string::npos) << seq.Seen()[0].strTexts;
    EXPECT_TRUE(pView->IsConfigModified());
}

namespace {

struct ControlSearch {
    int nId;
    const char* pszPage;
    HWND hFound;
};

BOOL CALLBACK MatchControl(HWND h, LPARAM lp)
{
    ControlSearch* p = (ControlSearch*)lp;
    char szPage[64] = "";
    ::GetWindowTextA(::GetParent(h), szPage, sizeof szPage);
    if (::GetDlgCtrlID(h) != p->nId || lstrcmpA(szPage, p->pszPage) != 0)
        return TRUE;
    p->hFound = h;
    return FALSE;
}

// The control with the id on the page of that caption inside the window
// (the pages of the system configuration dialog are its children; control
// ids are unique within a page only).
HWND FindPageControl(HWND hParent, const char* pszPage, int nId)
{
    ControlSearch search = {nId, pszPage, nullptr};
    ::EnumChildWindows(hParent, MatchControl, (LPARAM)&search);
    return search.hFound;
}

// The list's rows, the statements' columns collapsed to single blanks.
std::vector<std::string> ListRows(HWND hList)
{
    std::vector<std::string> rows;
    for (const std::string& strText : vorntest::ListBoxRows(hList)) {
        std::string strRow;
        for (char ch : strText)
            if (ch != ' ' || strRow.empty() || strRow.back() != ' ')
                strRow += ch;
        rows.push_back(strRow);
    }
    return rows;
}

size_t Occurrences(const std::string& str, const std::string& strPart)
{
    size_t n = 0;
    for (size_t i = str.find(strPart); i != std::string::npos; i = str.find(strPart, i + 1))
        ++n;
    return n;
}

// How many pixels of the right half of row nRow differ from the list's
// background: text that runs past the list's edge is drawn there too.
int DrawnPixelsInRightHalf(HWND hList, int nRow)
{
    RECT rc = {};
    ::SendMessageA(hList, LB_GETITEMRECT, (WPARAM)nRow, (LPARAM)&rc);
    int cx = (rc.right - rc.left) / 2;
    HDC hdc = ::GetDC(hList);
    std::vector<DWORD> pixels = vorntest::DcPixels(hdc, rc.left + cx, rc.top, cx, rc.bottom - rc.top);
    ::ReleaseDC(hList, hdc);
    COLORREF cr = ::GetSysColor(COLOR_WINDOW);
    DWORD dwBack = (DWORD)(GetRValue(cr) << 16 | GetGValue(cr) << 8 | GetBValue(cr));
    return (int)std::count_if(pixels.begin(), pixels.end(), [&](DWORD d) { return (d & 0xFFFFFF) != dwBack; });
}

}  // namespace

// File > Configure Settings, a change, OK: the view takes the edited
// configuration (modified, "*" in the title) and Save writes it.
TEST_F(FileCommands, ConfigureSettingsTakesTheEditedConfiguration)
{
    std::string strPath = dir.Write("sys.cnf", "CPUSERIAL 000611\nCPUMODEL 2827\nMAINSIZE 64\n0120 3390 disk.img\n");
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strPath));
    std::string strCaption;
    DialogSequence seq({[&](HWND h) {
        char sz[128] = "";
        ::GetWindowTextA(h, sz, sizeof sz);
        strCaption = sz;
        ::SetWindowTextA(FindPageControl(h, "Identification", IDC_IDENT_MANUFACTURER), "ZQCMAKER");
        ClickControl(IDOK)(h);
    }});
    pView->SendMessage(WM_COMMAND, ID_CONFIG_SETTINGS);
    ASSERT_EQ(seq.Seen().size(), 1u);
    EXPECT_EQ(strCaption, "Vornamic Configuration  -  sys.cnf");
    EXPECT_EQ(pView->GetConfig().m_strManufacturer, "ZQCMAKER");
    EXPECT_TRUE(pView->IsConfigModified());
    EXPECT_EQ(host->Doc()->GetTitle(), " *VornGUI -  [ sys.cnf ]  ");
    pView->SendMessage(WM_COMMAND, ID_SAVE_CONFIGURATION);
    EXPECT_FALSE(pView->IsConfigModified());
    EXPECT_NE(ReadFile(strPath).find("MANUFACTURER         ZQCMAKER\r\n"), std::string::npos) << ReadFile(strPath);
}

// Device rows far longer than a list row can be asked for through a fixed
// buffer (a printer file name of 100 KB, an "Other" device with 659
// characters of parameters): File > Open shows them on the Devices page,
// drawn and read back whole; after an Apply, Add puts in another device
// (started from the long "Other" one); OK and Save keep every character.
// "-f" opens the same file without the dialog, as it always did.
TEST_F(FileCommands, DeviceRowsOfAnyLengthOpenApplyAddAndSaveWhole)
{
    const std::string strName = "prt" + std::string(100 * 1024 - 7, 'n') + ".txt";
    std::string strParms = "lport=3780 rhost=localhost rport=3781 dial=no zqc=";
    strParms += std::string(659 - strParms.size(), 'p');
    const std::string strPath = dir.Write("long.cnf", "CPUSERIAL 000611\nCPUMODEL 2827\nMAINSIZE 64\n000E 1403 " +
                                                           strName + "\n0500 2703 " + strParms + "\n");
    // The device definition dialogs, as the main frame gives them to the view.
    pView->m_defineDevice = [](CVornDevice& dev, CString& strCommand, const SysCfgDeviceDialogRun& page) {
        SDeviceDialogRun run;
        run.eCaller = kDeviceCallerDevicesPage;
        run.pParent = page.pParent;
        run.bAdd = page.bAdd;
        run.pRouter = page.pRouter;
        return DefineDeviceWithDialog(dev, strCommand, run);
    };
    std::vector<std::string> shown, afterAdd;
    int nDrawnPixels = -1;
    LRESULT nExtent = 0;
    HWND hList = nullptr;
    DialogSequence seq({[&](HWND h) {
                            // Shown as a click on its name in the tree shows it.
                            dynamic_cast<CSettingsDialog&>(*CWnd::FromHandlePermanent(h))
                                .SetActivePage(kSysCfgDevicesPage);
                            hList = FindPageControl(h, "Devices", IDC_DEVICES_LIST);
                            shown = ListRows(hList);
                            ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(ID_APPLY_NOW, BN_CLICKED),
                                           (LPARAM)::GetDlgItem(h, ID_APPLY_NOW));
                            HWND hAdd = FindPageControl(h, "Devices", IDC_DEVICES_OTHER);
                            ::PostMessageA(::GetParent(hAdd), WM_COMMAND, MAKEWPARAM(IDC_DEVICES_OTHER, BN_CLICKED),
                                           (LPARAM)hAdd);
                        },
                        ClickControl(IDOK),  // the statement editor, on the proposed device
                        [&](HWND h) {
                            afterAdd = ListRows(hList);
                            ::RedrawWindow(hList, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
                            nDrawnPixels = DrawnPixelsInRightHalf(hList, 0);
                            nExtent = ::SendMessageA(hList, LB_GETHORIZONTALEXTENT, 0, 0);
                            ClickControl(IDOK)(h);
                        }});
    ASSERT_TRUE(pView->OpenConfiguration(strPath.c_str()));
    // System Configuration follows in a message of its own.
    vorntest::ViewHost::Pump(30000, [&] { return seq.Seen().size() == 3u && !::FindWindowA("#32770", nullptr); });
    ASSERT_EQ(seq.Seen().size(), 3u);
    EXPECT_EQ(seq.Seen()[1].strCaption, "Add Device Configuration Statement");
    const std::string strPrinterRow = "000E 1403 " + strName;
    EXPECT_EQ(shown, (std::vector<std::string>{strPrinterRow, "0500 2703 " + strParms}));
    EXPECT_EQ(afterAdd, (std::vector<std::string>{strPrinterRow, "0500 2703 " + strParms, "0501 2703 " + strParms}));
    EXPECT_GT(nDrawnPixels, 50) << "the printer's row is drawn to the list's edge";
    EXPECT_GT(nExtent, 100000) << "the list scrolls across the long rows";
    pView->SendMessage(WM_COMMAND, ID_SAVE_CONFIGURATION);
    std::string strSaved = ReadFile(strPath);
    EXPECT_EQ(Occurrences(strSaved, " " + strName + "\r\n"), 1u);
    // Two like devices in a row are written as one statement for both.
    EXPECT_EQ(Occurrences(strSaved, " " + strParms + "\r\n"), 1u);
    EXPECT_NE(strSaved.find("\n0500.2 "), std::string::npos);
    // "-f": loaded, no dialog.
    DialogSequence none({});
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strPath));
    EXPECT_TRUE(none.Seen().empty());
    CVornDevice printer;
    ASSERT_TRUE(pView->GetConfig().m_devices.Lookup(0x000E, printer));
    EXPECT_EQ(printer.m_strFirstArg.GetString(), strName);
    EXPECT_EQ(pView->GetConfig().m_devices.GetCount(), 3);
}

// Cancel takes nothing further; an interactive Open is followed by the
// dialog at the page last closed with OK.
TEST_F(FileCommands, CancelledSettingsChangeNothing)
{
    std::string strPath = dir.Write("sys.cnf", "CPUSERIAL 000611\nCPUMODEL 2827\n0120 3390 disk.img\n");
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strPath));
    DialogSequence seq({[&](HWND h) {
        ::SetWindowTextA(FindPageControl(h, "Identification", IDC_IDENT_MANUFACTURER), "ZQCMAKER");
        ClickControl(IDCANCEL)(h);
    }});
    EXPECT_TRUE(pView->OpenConfiguration(strPath.c_str()));
    vorntest::ViewHost::Pump(30000, [&] { return seq.Seen().size() == 1u && !::FindWindowA("#32770", nullptr); });
    EXPECT_EQ(seq.Seen().size(), 1u);
    EXPECT_FALSE(pView->IsConfigModified());
    EXPECT_NE(pView->GetConfig().m_strManufacturer, "ZQCMAKER");
}

// The Misc2 page's "Don't warn me about manually editing configuration
// files." leaves the reminder out: Manual edit opens the editor at once.
TEST(ManualEdit, NoWarnOptionOpensTheEditorWithoutTheReminder)
{
    for (bool bNoWarn : {false, true}) {
        TempDir dir;
        std::string strRecord = dir.Path("editor.txt");
        std::string strEditor = "\"" + vorntest::ProgramDir() + "vornutil.exe\" --record \"" + strRecord + "\"";
        vorntest::ViewHost host(dir, [&] {
            ProfileWriteString("Settings", "PreferredEditor", strEditor.c_str());
            ProfileWriteInt("Settings", "NoWarnExternalEdit", bNoWarn ? 1 : 0);
        });
        CVornGUIView* pView = host.View();
        ASSERT_NE(pView, nullptr);
        vorntest::ViewHost::Pump(50);
        std::string strPath = dir.Write("sys.cnf", kGoodConfig);
        ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strPath));
        DialogSequence seq({ClickTask(IDOK)});
        pView->SendMessage(WM_COMMAND, ID_MANUAL_EDIT, 0);
        ASSERT_EQ(seq.Seen().size(), bNoWarn ? 0u : 1u) << bNoWarn;
        if (!bNoWarn) {
            EXPECT_NE(seq.Seen()[0].strTexts.find("Remember to re-open the configuration file afterwards."),
                      std::string::npos);
        }
        // The editor (the stand-in) was started with the file either way.
        vorntest::ViewHost::Pump(20000, [&] { return ReadFile(strRecord).find("sys.cnf") != std::string::npos; });
        EXPECT_NE(ReadFile(strRecord).find("sys.cnf"), std::string::npos) << bNoWarn;
    }
}
