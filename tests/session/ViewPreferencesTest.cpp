// ViewPreferencesTest.cpp: the view's side of the preferences dialog in a
// real frame: a page applied with no dialog is refused; each page's own
// Apply puts its values into effect and into the settings; OK takes every
// page, Cancel keeps what earlier applies delivered; the page last shown is
// where Edit > Preferences... opens next; a bad executables folder at
// start-up opens the Directories page, whose OK lets start-up go on; the
// status-bar page's order stored at once; the console page's font
// descriptions made into the view's own fonts; OK (never Cancel) checks
// the log numbering, each question once for the same numbers; the logging pages apply while the last numbered file is
// the current one and after the maximum was lowered below it, and say why
// when refused; the parse-error and TXF options take effect at once.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "framework/FindRepSettings.h"
#include "platform/PathFunctions.h"
#include "platform/ProfileStore.h"
#include "preferences/PreferencesDlg.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIDoc.h"
#include "session/VornGUIView.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"
#include "tests/session/ViewTestFrame.h"

namespace {

void Press(HWND hDlg, int nId)
{
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, nId));
}

// Ticks or clears a check box of a page as a click does.
void Click(CWnd& page, int nId, bool bChecked)
{
    ::CheckDlgButton(page.m_hWnd, nId, bChecked ? BST_CHECKED : BST_UNCHECKED);
    Press(page.m_hWnd, nId);
}

LRESULT ApplyPage(CVornGUIView* pView, int nPage)
{
    return ::SendMessageA(pView->m_hWnd, WM_PREFS_APPLY_PAGE, (WPARAM)nPage, 0);
}

struct ViewPrefsTest : ::testing::Test {
    TempDir dir;
    std::unique_ptr<vorntest::ViewHost> host;
    CVornGUIDoc* pDoc = nullptr;
    CVornGUIView* pView = nullptr;

    void Start(const std::function<void()>& presets = nullptr)
    {
        host = std::make_unique<vorntest::ViewHost>(dir, presets);
        pDoc = host->Doc();
        pView = host->View();
        ASSERT_NE(pView, nullptr);
        vorntest::ViewHost::Pump(200);
    }
    void TearDown() override { host.reset(); }

    // Runs the command; step(dialog window, dialog) acts once the
    // preferences dialog has opened and must close it.
    void RunCommand(UINT nCmd, const std::function<void(HWND, CPreferencesDlg&)>& step)
    {
        Run([&] { ::SendMessageA(pView->m_hWnd, WM_COMMAND, nCmd, 0); }, step);
    }
    void Run(const std::function<void()>& open, const std::function<void(HWND, CPreferencesDlg&)>& step)
    {
        bool bDone = false;
        vorntest::DialogDriver driver([&](HWND h) {
            CPreferencesDlg* pDlg = pView->GetPreferencesDlg();
            if (bDone || !pDlg || pDlg->m_hWnd != h)
                return !bDone;
            bDone = true;
            step(h, *pDlg);
            return false;
        });
        open();
        EXPECT_TRUE(bDone);
        EXPECT_EQ(pView->GetPreferencesDlg(), nullptr);
    }
};

}  // namespace

TEST_F(ViewPrefsTest, ApplyIsRefusedWhileNoDialogRuns)
{
    Start();
    for (int nPage : {0, 2, 13, 15, 16})
        EXPECT_EQ(ApplyPage(pView, nPage), 0) << nPage;
}

TEST_F(ViewPrefsTest, EachPageAppliedByItsOwnApplyTakesEffect)
{
    Start();
    g_bAggregateStats = true;
    TempDir tapes;
    LRESULT nBeyond = -1, nDisk = -1;
    RunCommand(ID_EDIT_PREFERENCES, [&](HWND h, CPreferencesDlg& dlg) {
        dlg.SetActivePage(&dlg.m_ExtsPage);
        ::SetDlgItemTextA(dlg.m_ExtsPage.m_hWnd, IDC_PREF_EXT_DISK, "*.cckd64");
        Press(h, ID_APPLY_NOW);
        dlg.SetActivePage(&dlg.m_LogFmtPage);
        Click(dlg.m_LogFmtPage, IDC_PREF_LOG_DATES, true);
        Press(h, ID_APPLY_NOW);
        dlg.SetActivePage(&dlg.m_MiscPage);
        Click(dlg.m_MiscPage, IDC_PREF_AGGREGATE, false);
        Press(h, ID_APPLY_NOW);
        dlg.SetActivePage(&dlg.m_Misc2Page);
        Click(dlg.m_Misc2Page, IDC_PREF_AUTOHIDE, true);
        Press(h, ID_APPLY_NOW);
        // The tape folder applied without the Apply button, as a page does.
        dlg.m_DirsPage.m_History[kDirTapeFiles].InsertAt(0, tapes.Folder().c_str());
        nDisk = ApplyPage(pView, kPrefsDirs);
        nBeyond = ApplyPage(pView, 16);
        // Cancel keeps what the applies delivered.
        Press(h, IDCANCEL);
    });
    EXPECT_EQ(nDisk, 1);
    EXPECT_EQ(nBeyond, 1);
    EXPECT_EQ(pView->Settings().m_strFilters[kFilterDisk], "*.cckd64");
    EXPECT_TRUE(pDoc->GetSettings().m_bLogDates);
    EXPECT_EQ(ProfileGetInt("Logging", "LogDates", 0), 1u);
    EXPECT_FALSE(g_bAggregateStats);
    EXPECT_EQ(ProfileGetInt(kFindRepSection, "AutoHide", 0), 1u);
    EXPECT_EQ(pView->GetTapeFilesDir(), WindowsizedDirectory(tapes.Folder().c_str(), true));
    // Only after the dialog: the view refuses again.
    EXPECT_EQ(ApplyPage(pView, kPrefsMisc), 0);
    g_bAggregateStats = true;
}

TEST_F(ViewPrefsTest, OkTakesEveryPageWithoutApply)
{
    Start();
    bool bOk = false;
    Run([&] { bOk = pView->ShowPreferences(kPrefsDirs, false); }, [&](HWND h, CPreferencesDlg& dlg) {
        // Pages never shown, changed without Apply.
        Click(dlg.m_Misc3Page, IDC_PREF_SESSDESC, true);
        ::SetDlgItemTextA(dlg.m_Misc2Page.m_hWnd, IDC_PREF_EXTRA_ARGS, "EXTERNALGUI -v");
        ::SetDlgItemTextA(dlg.m_MemLogPage.m_hWnd, IDC_PREF_MEMLOG_LINES, "2500");
        Press(h, IDOK);
    });
    EXPECT_TRUE(bOk);
    EXPECT_TRUE(pView->Settings().m_bEnableSessDescDlg);
    EXPECT_EQ(pView->Settings().m_strExtraCmdLineArgs, "EXTERNALGUI -v");
    EXPECT_EQ(pDoc->GetSettings().m_nMemLogLinesLimit, 2500u);
}

TEST_F(ViewPrefsTest, LastPageIsKeptAfterCancelAndOkAndPreferencesReopenThere)
{
    Start();
    g_nPrevPrefPage = 0;
    RunCommand(ID_EDIT_PREFERENCES, [&](HWND h, CPreferencesDlg& dlg) {
        dlg.SetActivePage(&dlg.m_Misc2Page);
        Press(h, IDCANCEL);
    });
    EXPECT_EQ(g_nPrevPrefPage, kPrefsMisc2);
    bool bMisc2Shown = false;
    RunCommand(ID_EDIT_PREFERENCES, [&](HWND h, CPreferencesDlg& dlg) {
        bMisc2Shown = dlg.m_Misc2Page.IsWindowVisible() != FALSE;
        dlg.SetActivePage(&dlg.m_LogNumPage);
        Press(h, IDOK);
    });
    EXPECT_TRUE(bMisc2Shown);
    EXPECT_EQ(g_nPrevPrefPage, kPrefsNumbering);
    // Stored with the view's settings when the view goes.
    host.reset();
    EXPECT_EQ(::GetPrivateProfileIntA("Settings", "PrevPrefPage", -1, dir.Path("view.ini").c_str()),
              (UINT)kPrefsNumbering);
}

TEST_F(ViewPrefsTest, MissingExecutablesFolderAtStartOpensDirectoriesWhoseOkGoesOn)
{
    TempDir logs;
    char szProgram[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szProgram, MAX_PATH);
    std::string strProgramDir(szProgram);
    strProgramDir.erase(strProgramDir.find_last_of('\\') + 1);
    std::vector<std::string> seen;
    bool bAutoClose = false, bDirsShown = false;
    vorntest::DialogSequence answers({
        vorntest::ClickTask(IDOK),  // "Bad Executable Files directory"
        [&](HWND h) {
            CPreferencesDlg* pDlg = g_pView ? g_pView->GetPreferencesDlg() : nullptr;
            if (!pDlg)
                return;
            bAutoClose = pDlg->m_bAutoClose;
            bDirsShown = pDlg->m_DirsPage.IsWindowVisible() != FALSE;
            HWND hCombo = ::GetDlgItem(pDlg->m_DirsPage.m_hWnd, IDC_PREF_DIR_EXE);
            ::SetWindowTextA(hCombo, strProgramDir.c_str());
            ::SendMessageA(pDlg->m_DirsPage.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_PREF_DIR_EXE, CBN_EDITCHANGE),
                           (LPARAM)hCombo);
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        },
    });
    Start([&] { ProfileWriteInt("ExecutablesFilesDirectories", "NumEntries", 0); });
    vorntest::ViewHost::Pump(3000, [&] { return !pView->GetExecutablesDir().IsEmpty(); });
    vorntest::ViewHost::Pump(300);
    ASSERT_GE(answers.Seen().size(), 2u);
    EXPECT_EQ(answers.Seen()[0].strCaption, "VornGUI");
    EXPECT_TRUE(bAutoClose);
    EXPECT_TRUE(bDirsShown);
    EXPECT_EQ(pView->GetExecutablesDir(), WindowsizedDirectory(strProgramDir.c_str(), true));
    // Start-up went on: the document logs into the log folder.
    EXPECT_EQ(pDoc->GetLogFolder(), pView->GetLogFilesDir());
    EXPECT_EQ(answers.Seen().size(), 2u);
}

// "-e NoSuch.exe" with an executables folder that holds the emulator: the
// question names the program that was not found, "-e" and the folder; the
// Directories page refuses the folder until it holds that program.
TEST_F(ViewPrefsTest, MissingEmulatorProgramAtStartIsNamed)
{
    std::string strQuestion;
    CString strExeDir;
    bool bRefused = false;
    vorntest::DialogSequence answers({
        [&](HWND h) {
            strQuestion = vorntest::DialogTexts(h);
            vorntest::ClickTask(IDOK)(h);
        },
        [&](HWND h) {
            CPreferencesDlg* pDlg = g_pView ? g_pView->GetPreferencesDlg() : nullptr;
            if (!pDlg)
                return;
            Press(h, IDOK);
            bRefused = ::IsWindow(h) && pDlg->m_DirsPage.IsWindowVisible();
            g_strEmulatorExeName = "vornemu.exe";
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        },
    });
    Start([&] { g_strEmulatorExeName = "NoSuch.exe"; });
    vorntest::ViewHost::Pump(3000, [&] { return answers.Seen().size() >= 2 && !pView->GetPreferencesDlg(); });
    ASSERT_GE(answers.Seen().size(), 2u);
    strExeDir = pView->GetExecutablesDir();
    EXPECT_EQ(strQuestion, answers.Seen()[0].strTexts);
    EXPECT_NE(strQuestion.find("Vornamic program not found"), std::string::npos) << strQuestion;
    EXPECT_NE(strQuestion.find("The Vornamic program \"NoSuch.exe\" (named with -e) was not found in the "
                               "Executable Files directory \"" + std::string(strExeDir) + "\"."),
              std::string::npos)
        << strQuestion;
    EXPECT_TRUE(bRefused);
    EXPECT_EQ(pDoc->GetLogFolder(), pView->GetLogFilesDir());
}

TEST_F(ViewPrefsTest, StatusBarPageWritesOrderAndVisibilityAtOnce)
{
    Start();
    struct Row {
        BYTE order[5];
        BYTE see[5];
        LRESULT nAnswer;
        const char* pszSeq;
        const char* pszSee;
    };
    const Row rows[] = {
        {{0, 1, 2, 3, 4}, {1, 1, 0, 1, 1}, 1, "01234", "11011"},
        {{4, 3, 2, 1, 0}, {0, 0, 0, 0, 0}, 1, "43210", "00000"},
        // Not one of each part: refused, the stored order stays.
        {{0, 0, 0, 0, 0}, {1, 1, 1, 1, 1}, 0, "43210", "00000"},
    };
    std::vector<LRESULT> answers;
    std::vector<std::string> stored;
    Run([&] { pView->ShowPreferences(kPrefsStatusBar, false); }, [&](HWND h, CPreferencesDlg& dlg) {
        for (const Row& r : rows) {
            SPrefStatLineFields& f = dlg.StatLineFields();
            memcpy(f.nOrder, r.order, 5);
            memcpy(f.bVisible, r.see, 5);
            answers.push_back(ApplyPage(pView, kPrefsStatusBar));
            stored.push_back(std::string(ProfileGetString("Settings", "StatLinePartSeq", "").GetString()) + "/" +
                             ProfileGetString("Settings", "StatLineSeePart", "").GetString());
        }
        Press(h, IDCANCEL);
    });
    ASSERT_EQ(answers.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(answers[i], rows[i].nAnswer) << i;
        EXPECT_EQ(stored[i], std::string(rows[i].pszSeq) + "/" + rows[i].pszSee) << i;
    }
    EXPECT_EQ(pView->Settings().m_nPartOrder[0], 4);
    EXPECT_FALSE(pView->Settings().m_bPartVisible[0]);
}

TEST_F(ViewPrefsTest, ConsolePageTakesDescriptionsAndTheViewKeepsItsOwnFonts)
{
    Start();
    HFONT hBefore = pView->GetPlainFont();
    int nHeightBefore = pView->GetLineHeight();
    int nHeightApplied = 0;
    Run([&] { pView->ShowPreferences(kPrefsConsole, false); }, [&](HWND h, CPreferencesDlg& dlg) {
        SPrefConsoleFields& cons = dlg.ConsoleFields();
        for (LOGFONTA& lf : cons.lfKind)
            strcpy(lf.lfFaceName, "Courier New");
        cons.nPointSize = 18;
        cons.lfKind[kMsgError].lfItalic = TRUE;
        cons.crKind[kMsgError] = RGB(200, 0, 0);
        cons.bBeepWarning = true;
        EXPECT_EQ(ApplyPage(pView, kPrefsConsole), 1);
        nHeightApplied = pView->GetLineHeight();
        Press(h, IDCANCEL);
    });
    EXPECT_GT(nHeightApplied, nHeightBefore);
    const CViewSettings& s = pView->Settings();
    EXPECT_EQ(s.m_nFontSize, 18);
    EXPECT_TRUE(s.m_styles[kMsgError].bItalic);
    EXPECT_FALSE(s.m_styles[kMsgError].bBold);
    EXPECT_EQ(s.m_styles[kMsgError].crColor, RGB(200, 0, 0));
    EXPECT_TRUE(s.m_bWarnMsgBeep);
    // New fonts of the view's own, whole after the dialog went.
    EXPECT_NE(pView->GetPlainFont(), hBefore);
    LOGFONTA lf = {};
    EXPECT_EQ(::GetObjectA(pView->GetPlainFont(), sizeof lf, &lf), (int)sizeof lf);
    HFONT hErrorFont = nullptr;
    COLORREF crError = 0;
    pView->GetSeverityStyle(kMsgError, crError, hErrorFont);
    ASSERT_EQ(::GetObjectA(hErrorFont, sizeof lf, &lf), (int)sizeof lf);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_EQ(crError, RGB(200, 0, 0));
}

namespace {

// Numbered log files "vorn.NNN.log" in the log folder, up to number nMax,
// the current one nCur before start-up opens the next.
std::function<void()> NumberedLogging(UINT nCur, UINT nMax)
{
    return [=] {
        ProfileWriteInt("Logging", "LogOption", 2);
        ProfileWriteString("Logging", "BaseFilename", "vorn.log");
        ProfileWriteInt("Logging", "MaxFileNum", nMax);
        ProfileWriteInt("Logging", "CurFileNum", nCur);
    };
}

// A numbered log file written a minute after now, as another run leaves it.
void WriteNewerLogFile(const std::string& strPath)
{
    HANDLE h = ::CreateFileA(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD dw = 0;
    ::WriteFile(h, "ZQC00001I\r\n", 11, &dw, nullptr);
    FILETIME ft;
    ::GetSystemTimeAsFileTime(&ft);
    ULARGE_INTEGER t = {{ft.dwLowDateTime, ft.dwHighDateTime}};
    t.QuadPart += 60ull * 10000000ull;
    ft.dwLowDateTime = t.LowPart;
    ft.dwHighDateTime = t.HighPart;
    ::SetFileTime(h, nullptr, nullptr, &ft);
    ::CloseHandle(h);
}

}  // namespace

// Cancel asks nothing; OK checks the numbering, but not the start-up's
// auto-closing dialog. A question answered "keep" (or "do nothing") is not
// asked again for the same numbers: not at the next OK, not at the next start.
TEST_F(ViewPrefsTest, NumberingQuestionsAreAskedOnOkOnlyAndOnceForTheSameNumbers)
{
    Start(NumberedLogging(2, 9));
    ASSERT_EQ(pDoc->GetSettings().m_nCurFileNum, 3u);
    ASSERT_EQ(pDoc->GetPathName(), CString(dir.Path("vorn.003.log").c_str()));
    WriteNewerLogFile(dir.Path("vorn.007.log"));
    auto Captions = [&](std::vector<std::function<void(HWND)>> steps) {
        vorntest::DialogSequence seq(std::move(steps));
        ::SendMessageA(pView->m_hWnd, WM_COMMAND, ID_EDIT_PREFERENCES, 0);
        std::vector<std::string> captions;
        for (const auto& d : seq.Seen())
            captions.push_back(d.strCaption);
        return captions;
    };
    using Seen = std::vector<std::string>;
    Seen cancelled = Captions({vorntest::ClickControl(IDCANCEL)});
    ASSERT_EQ(cancelled.size(), 1u) << "Cancel asks nothing";
    const std::string strPrefs = cancelled[0];
    {
        vorntest::DialogSequence none({});
        pView->ShowPreferences(kPrefsDirs, true);
        EXPECT_TRUE(none.Seen().empty());
    }
    EXPECT_EQ(Captions({vorntest::ClickControl(IDOK), vorntest::ClickTask(IDNO)}),
              (Seen{strPrefs, " Logfile Numbering"}));
    EXPECT_EQ(pDoc->GetSettings().m_nCurFileNum, 3u);
    EXPECT_EQ(Captions({vorntest::ClickControl(IDOK)}), Seen{strPrefs});
    // Too many files: "do nothing" holds as well; the kept numbering too.
    WriteNewerLogFile(dir.Path("vorn.012.log"));
    EXPECT_EQ(Captions({vorntest::ClickControl(IDOK), vorntest::ClickTask(IDNO)}),
              (Seen{strPrefs, " Maximum logfiles exceeded"}));
    EXPECT_EQ(Captions({vorntest::ClickControl(IDOK)}), Seen{strPrefs});
    EXPECT_EQ(pDoc->GetSettings().m_nMaxFileNum, 9u);
    // The next start takes number 4 and asks nothing about the same files.
    host.reset();
    {
        vorntest::DialogSequence none({});
        Start([] { ProfileWriteInt("Logging", "LogOption", 2); });
        EXPECT_TRUE(none.Seen().empty());
    }
    EXPECT_EQ(pDoc->GetSettings().m_nCurFileNum, 4u);
    // Other numbers are asked about again, and "resynchronize" is taken.
    WriteNewerLogFile(dir.Path("vorn.008.log"));
    EXPECT_EQ(Captions({vorntest::ClickControl(IDOK), vorntest::ClickTask(IDYES)}),
              (Seen{strPrefs, " Logfile Numbering"}));
    EXPECT_EQ(pDoc->GetSettings().m_nCurFileNum, 8u);
}

// The last number is a current number like any other: while it is current,
// the memory, disk, format and numbering pages still apply.
TEST_F(ViewPrefsTest, LoggingPagesApplyWhileTheLastNumberedFileIsCurrent)
{
    Start(NumberedLogging(3, 4));
    ASSERT_EQ(pDoc->GetSettings().m_nCurFileNum, 4u);
    LRESULT nMemory = 0, nNumbering = 0;
    bool bApplyAfter = true;
    RunCommand(ID_EDIT_PREFERENCES, [&](HWND h, CPreferencesDlg& dlg) {
        dlg.SetActivePage(&dlg.m_MemLogPage);
        ::SetDlgItemTextA(dlg.m_MemLogPage.m_hWnd, IDC_PREF_MEMLOG_LINES, "2500");
        Press(h, ID_APPLY_NOW);
        bApplyAfter = ::IsWindowEnabled(::GetDlgItem(h, ID_APPLY_NOW)) != FALSE;
        nMemory = ApplyPage(pView, kPrefsMemory);
        dlg.m_LogNumPage.m_nCurFileNum = 4;
        nNumbering = ApplyPage(pView, kPrefsNumbering);
        Press(h, IDCANCEL);
    });
    EXPECT_EQ(nMemory, 1);
    EXPECT_EQ(nNumbering, 1);
    EXPECT_FALSE(bApplyAfter);
    EXPECT_EQ(pDoc->GetSettings().m_nMemLogLinesLimit, 2500u);
    EXPECT_EQ(ProfileGetInt("Logging", "MemLogLinesLimit", 0), 2500u);
    // Numbers against "MaxFileNum" 4: beyond it nothing changes.
    const struct {
        UINT nCur;
        bool bTaken;
    } rows[] = {{0, true}, {4, true}, {5, false}, {1000, false}};
    for (const auto& r : rows) {
        CLoggingSettings log = pDoc->GetSettings();
        log.m_nCurFileNum = r.nCur;
        log.m_bLogDates = !log.m_bLogDates;
        bool bDatesBefore = pDoc->GetSettings().m_bLogDates;
        UINT nCurBefore = pDoc->GetSettings().m_nCurFileNum;
        EXPECT_EQ(pDoc->SetLoggingOptions(log), r.bTaken) << r.nCur;
        EXPECT_EQ(pDoc->GetSettings().m_nCurFileNum, r.bTaken ? r.nCur : nCurBefore) << r.nCur;
        EXPECT_EQ(pDoc->GetSettings().m_bLogDates, r.bTaken ? !bDatesBefore : bDatesBefore) << r.nCur;
    }
}

// The options that the configuration code consults take effect as they are
// applied, not when the settings reach the store at exit: a configuration
// with parse errors is saved right after "Ignore parse errors" is ticked,
// and one read right after "Presume TXF" is ticked is read under it.
TEST_F(ViewPrefsTest, ParseErrorAndTxfOptionsReachTheConfigurationAtOnce)
{
    Start();
    g_bIgnoreConfigFileParseErrors = false;
    g_bPresumeTXF = false;
    RunCommand(ID_EDIT_PREFERENCES, [&](HWND h, CPreferencesDlg& dlg) {
        dlg.SetActivePage(&dlg.m_MiscPage);
        Click(dlg.m_MiscPage, IDC_PREF_IGNORE_PARSE, true);
        dlg.SetActivePage(&dlg.m_Misc3Page);
        Click(dlg.m_Misc3Page, IDC_PREF_TXF, true);
        Press(h, IDOK);
    });
    EXPECT_EQ(ProfileGetInt("Options", "IgnoreConfigFileParseErrors", 0), 0u);  // stored at exit
    std::string strPath = dir.Write("txf.cnf", "CPUMODEL 2096\nNUMCPU 1\n0120 3390 disk.img\n");
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strPath));
    ASSERT_TRUE(pView->GetConfig().m_bHasErrors);
    bool bTxfError = false;
    for (const CString& str : pView->GetConfig().m_parseErrors)
        bTxfError = bTxfError || str.Find("Specified CPU Model does not support TXF") >= 0;
    EXPECT_TRUE(bTxfError);
    CVornConfigFile cfg = pView->GetConfig();
    cfg.m_strDescription = "saved with its errors";
    pView->ApplyEditedConfiguration(cfg);
    vorntest::DialogSequence none({});
    EXPECT_TRUE(pView->SaveConfiguration());
    EXPECT_TRUE(none.Seen().empty());
    EXPECT_FALSE(pView->IsConfigModified());
    g_bIgnoreConfigFileParseErrors = false;
    g_bPresumeTXF = false;
}

// Lowering "Max number of files" to the current file number or below: the
// numbering starts over with it, so the Memory, Disk and Format pages still
// apply and OK closes the dialog; with numbering off, the Numbering page
// (which cannot be edited then) follows too. A logging page the document
// refuses says why.
TEST_F(ViewPrefsTest, LoweredMaximumOfFilesKeepsTheLoggingPagesApplying)
{
    struct Row {
        int nOption;
        bool bVisitNumbering;
    };
    for (const Row& row : {Row{2, false}, Row{1, true}}) {
        Start([&] {
            NumberedLogging(4, 9)();  // start-up opens file 5
            ProfileWriteInt("Logging", "LogOption", row.nOption);
            if (row.nOption != 2)
                ProfileWriteInt("Logging", "CurFileNum", 5);
        });
        ASSERT_EQ(pDoc->GetSettings().m_nCurFileNum, 5u);
        bool bMemoryApplied = false, bOk = false;
        std::string strNumberShown;
        // With numbered files the check at OK finds file 5 beyond the new
        // maximum and asks to raise it: "Do nothing".
        vorntest::DialogSequence seq({[&](HWND h) {
            CPreferencesDlg& dlg = *pView->GetPreferencesDlg();
            ::SetDlgItemTextA(dlg.m_LogsPage.m_hWnd, IDC_PREF_LOG_MAXFILES, "3");
            Press(h, ID_APPLY_NOW);
            dlg.SetActivePage(&dlg.m_MemLogPage);
            Click(dlg.m_MemLogPage, IDC_PREF_MEMLOG_ENABLE, true);
            ::SetDlgItemTextA(dlg.m_MemLogPage.m_hWnd, IDC_PREF_MEMLOG_LINES, "2500");
            Press(h, ID_APPLY_NOW);
            bMemoryApplied = !::IsWindowEnabled(::GetDlgItem(h, ID_APPLY_NOW));
            if (row.bVisitNumbering) {
                dlg.SetActivePage(&dlg.m_LogNumPage);
                char sz[16] = "";
                ::GetDlgItemTextA(dlg.m_LogNumPage.m_hWnd, IDC_PREF_LOGNUM, sz, sizeof sz);
                strNumberShown = sz;
            }
            Press(h, IDOK);
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);  // ends a dialog that OK left open
        }, vorntest::ClickTask(5)});
        bOk = pView->ShowPreferences(kPrefsLogging, false);
        if (row.nOption == 2) {
            ASSERT_GE(seq.Seen().size(), 2u);
            EXPECT_EQ(seq.Seen()[1].strCaption, " Maximum logfiles exceeded");
        } else {
            EXPECT_EQ(seq.Seen().size(), 1u);
        }
        EXPECT_TRUE(bMemoryApplied) << row.nOption;
        EXPECT_TRUE(bOk) << row.nOption;
        EXPECT_EQ(pDoc->GetSettings().m_nMaxFileNum, 2u);
        EXPECT_EQ(pDoc->GetSettings().m_nCurFileNum, 0u);
        EXPECT_EQ(pDoc->GetSettings().m_nMemLogLinesLimit, 2500u);
        if (row.bVisitNumbering) {
            EXPECT_EQ(strNumberShown, "0");
        }
        host.reset();
    }
    Start();
    std::vector<vorntest::SeenDialog> seen;
    LRESULT nAnswer = -1;
    Run([&] { pView->ShowPreferences(kPrefsMemory, false); }, [&](HWND h, CPreferencesDlg& dlg) {
        dlg.m_MemLogPage.m_nLines = 50;  // past the page's own check
        vorntest::DialogSequence box({vorntest::ClickControl(IDOK)});
        nAnswer = ApplyPage(pView, kPrefsMemory);
        seen = box.Seen();
        Press(h, IDCANCEL);
    });
    EXPECT_EQ(nAnswer, 0);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_NE(seen[0].strTexts.find("The logging settings were not changed."), std::string::npos) << seen[0].strTexts;
    EXPECT_NE(seen[0].strTexts.find("The scrollback memory limit must be between 100 and"), std::string::npos);
}

// Folders typed on the Directories page without their trailing "\", or with
// "/", enter in the one form the start-up loader gives them, the Windows form
// (so the program and the log files are joined to them as they should be,
// and the user sees them as typed), and each folder is kept once however it
// was spelled.
TEST_F(ViewPrefsTest, TypedFoldersAreTakenInWindowsFormAndOnce)
{
    Start();
    char szProgram[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szProgram, MAX_PATH);
    std::string strProgramDir(szProgram);
    strProgramDir.erase(strProgramDir.find_last_of('\\'));  // no separator
    TempDir logs;
    std::string strLogs = logs.Folder();
    strLogs.erase(strLogs.find_last_not_of("\\/") + 1);
    for (char& c : strLogs)
        c = c == '\\' ? '/' : c;
    bool bOk = false;
    Run([&] { bOk = pView->ShowPreferences(kPrefsDirs, false); }, [&](HWND h, CPreferencesDlg& dlg) {
        for (auto typed : {std::make_pair(IDC_PREF_DIR_EXE, strProgramDir), std::make_pair(IDC_PREF_DIR_LOG, strLogs)}) {
            HWND hCombo = ::GetDlgItem(dlg.m_DirsPage.m_hWnd, typed.first);
            ::SetWindowTextA(hCombo, typed.second.c_str());
            ::SendMessageA(dlg.m_DirsPage.m_hWnd, WM_COMMAND, MAKEWPARAM(typed.first, CBN_EDITCHANGE), (LPARAM)hCombo);
        }
        Press(h, IDOK);
    });
    ASSERT_TRUE(bOk);
    CString strExe = CString(strProgramDir.c_str()) + "\\";
    CString strLog = WindowsizedDirectory(strLogs.c_str(), true);
    EXPECT_EQ(strLog.Find('/'), -1);
    EXPECT_EQ(pView->GetExecutablesDir(), strExe);
    EXPECT_EQ(pView->GetLogFilesDir(), strLog);
    EXPECT_EQ(pDoc->GetLogFolder(), strLog);
    // The executables folder was in force already in the loader's form: one entry.
    int nSame = 0;
    const CStringArray& exes = pView->Settings().m_dirs[kDirExecutables];
    for (INT_PTR i = 0; i < exes.GetSize(); ++i)
        nSame += exes[i].CompareNoCase(strExe) == 0 ? 1 : 0;
    EXPECT_EQ(nSame, 1);
    EXPECT_EQ(exes.GetSize(), 1);
}
