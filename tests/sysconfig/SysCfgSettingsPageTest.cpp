// SysCfgSettingsPageTest.cpp: the Settings page under Wine: the code page
// shown with spaced slashes and stored without blanks, entries deleted from
// its history as the user does it (Delete in the opened list) and the
// history written back, the trace modes, the port spins, the three-state
// shell-command box, each check's balloon, and the values an Apply hands
// over and a Save writes.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "config/CodePageHistory.h"
#include "platform/CString.h"
#include "platform/ProfileStore.h"
#include "sysconfig/SysCfgDialog.h"
#include "tests/support/PumpMessages.h"
#include "tests/sysconfig/SysCfgTestSupport.h"

using namespace vorntest;

namespace {

struct SettingsPage : SysCfgDialogFixture {
    SettingsPage()
    {
        m_pShowFirst = &dlg->m_SettingsPage;
        dlg->m_config.m_strCodePage = "819/037";
    }
    HWND Page() const { return dlg->m_SettingsPage.m_hWnd; }
    int Selected(int nId) const { return (int)::SendDlgItemMessageA(Page(), nId, CB_GETCURSEL, 0, 0); }
    // Deletes the selected history entry as the user does: the list opened,
    // Delete pressed in the combo box's edit field, the list closed.
    void DeleteSelectedEntry()
    {
        HWND hCombo = ::GetDlgItem(Page(), IDC_SET_CODEPAGE);
        ::SendMessageA(hCombo, CB_SHOWDROPDOWN, TRUE, 0);
        COMBOBOXINFO cbi = {sizeof cbi};
        ::GetComboBoxInfo(hCombo, &cbi);
        ::SendMessageA(cbi.hwndItem, WM_KEYDOWN, VK_DELETE, 0);
        ::SendMessageA(hCombo, CB_SHOWDROPDOWN, FALSE, 0);
        PumpMessages();
    }
    std::string StoredHistory() const { return ProfileGetString("Settings", "CodePages", "(none)").GetString(); }
};

}  // namespace

TEST_F(SettingsPage, DefaultHistoryIsTheStringResource)
{
    CString str;
    ASSERT_TRUE(str.LoadString(IDS_CODEPAGE_HISTORY));
    EXPECT_EQ(std::string(str), kDefaultCodePageHistory);
    ASSERT_TRUE(str.LoadString(IDS_TRACE_MODES));
    EXPECT_EQ(std::string(str), "TRADITIONAL;REGSFIRST;NOREGS;");
}

TEST_F(SettingsPage, CodePageShownWithSpacedSlashAndStoredWithout)
{
    Run([&](HWND hDlg) {
        EXPECT_EQ(::SendDlgItemMessageA(Page(), IDC_SET_CODEPAGE, CB_GETCOUNT, 0, 0), 22);
        EXPECT_EQ(Selected(IDC_SET_CODEPAGE), 3);
        EXPECT_EQ(ItemText(Page(), IDC_SET_CODEPAGE), "819 / 037");
        EXPECT_EQ(FirstModifiedPage(*dlg), -1);
        PickItem(Page(), IDC_SET_CODEPAGE, 19);
        EXPECT_EQ(dlg->m_config.m_strCodePage, "1252/1140");
        EXPECT_NE(FirstModifiedPage(*dlg), -1);
        // Typed: the edit field's text, also where an entry begins with it.
        HWND hCombo = ::GetDlgItem(Page(), IDC_SET_CODEPAGE);
        ::SetWindowTextA(hCombo, " 437 /  500 ");
        ::SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(IDC_SET_CODEPAGE, CBN_EDITCHANGE), (LPARAM)hCombo);
        EXPECT_EQ(dlg->m_config.m_strCodePage, "437/500");
        ::SetWindowTextA(hCombo, "819");
        ::SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(IDC_SET_CODEPAGE, CBN_EDITCHANGE), (LPARAM)hCombo);
        EXPECT_EQ(dlg->m_config.m_strCodePage, "819");
        // Back to the applied value: no longer modified.
        PickItem(Page(), IDC_SET_CODEPAGE, 3);
        EXPECT_EQ(FirstModifiedPage(*dlg), -1);
        ::SetWindowTextA(hCombo, "1252/037v2");
        EXPECT_EQ(Apply(hDlg), "");
    });
    ASSERT_FALSE(view.m_received.empty());
    EXPECT_EQ(view.m_received.back().m_strCodePage, "1252/037v2");
    // Only a deletion writes the history.
    EXPECT_EQ(StoredHistory(), "(none)");
}

TEST_F(SettingsPage, CodePageNotInTheHistoryIsShownAsText)
{
    dlg->m_config.m_strCodePage = "1047/500";
    Run([&](HWND hDlg) {
        EXPECT_EQ(Selected(IDC_SET_CODEPAGE), CB_ERR);
        EXPECT_EQ(ItemText(Page(), IDC_SET_CODEPAGE), "1047 / 500");
        EXPECT_EQ(FirstModifiedPage(*dlg), -1);
        EXPECT_EQ(Apply(hDlg), "");
    });
    ASSERT_FALSE(view.m_received.empty());
    EXPECT_EQ(view.m_received.back().m_strCodePage, "1047/500");
}

TEST_F(SettingsPage, DeletingHistoryEntriesRewritesTheStore)
{
    WriteCodePageHistory(";819 / 037;1252 / 1140;default;");
    dlg->m_config.m_strCodePage = "1252/1140";
    Run([&](HWND) {
        ASSERT_EQ(Selected(IDC_SET_CODEPAGE), 1);
        // The next entry is selected and stands first.
        DeleteSelectedEntry();
        EXPECT_EQ(ItemText(Page(), IDC_SET_CODEPAGE), "default");
        EXPECT_EQ(dlg->m_SettingsPage.CodePageText(), "default");
        EXPECT_EQ(dlg->m_config.m_strCodePage, "default");
        EXPECT_EQ(StoredHistory(), ";default;819 / 037;");
        // The last one deleted: the one before it.
        ASSERT_EQ(Selected(IDC_SET_CODEPAGE), 1);
        DeleteSelectedEntry();
        EXPECT_EQ(ItemText(Page(), IDC_SET_CODEPAGE), "819 / 037");
        EXPECT_EQ(dlg->m_config.m_strCodePage, "819/037");
        EXPECT_EQ(StoredHistory(), ";819 / 037;");
        // None left: an empty code page.
        DeleteSelectedEntry();
        EXPECT_EQ(::SendDlgItemMessageA(Page(), IDC_SET_CODEPAGE, CB_GETCOUNT, 0, 0), 0);
        EXPECT_EQ(ItemText(Page(), IDC_SET_CODEPAGE), "");
        EXPECT_EQ(dlg->m_config.m_strCodePage, "");
        EXPECT_EQ(StoredHistory(), ";");
    });
}

TEST_F(SettingsPage, TraceModesAndTheirBoxes)
{
    dlg->m_config.m_strTraceOpt = "REGSFIRST";
    Run([&](HWND hDlg) {
        EXPECT_EQ(::SendDlgItemMessageA(Page(), IDC_SET_TRACEOPT, CB_GETCOUNT, 0, 0), 3);
        EXPECT_EQ(ItemText(Page(), IDC_SET_TRACEOPT), "REGSFIRST");
        PickItem(Page(), IDC_SET_TRACEOPT, 2);
        EXPECT_EQ(dlg->m_config.m_strTraceOpt, "NOREGS");
        ClickCheck(Page(), IDC_SET_NOCH9OFLOW, true);
        ClickCheck(Page(), IDC_SET_NAMEONLY, true);
        EXPECT_TRUE(dlg->m_config.m_bNoCh9Oflow);
        EXPECT_TRUE(dlg->m_config.m_bPanNamesOnly);
        EXPECT_EQ(Apply(hDlg), "");
        EXPECT_EQ(FirstModifiedPage(*dlg), -1);
    });
    ASSERT_FALSE(view.m_received.empty());
    EXPECT_EQ(view.m_received.back().m_strTraceOpt, "NOREGS");
    EXPECT_TRUE(view.m_received.back().m_bNoCh9Oflow);
    EXPECT_TRUE(view.m_received.back().m_bPanNamesOnly);
}

TEST_F(SettingsPage, ConsolePortSpinAndItsCheck)
{
    dlg->m_config.m_nCnslPort = 1024;
    Run([&](HWND hDlg) {
        const struct {
            int nDelta;
            const char* pszShown;
        } steps[] = {{-1, "23"}, {-1, "0"}, {-1, "0"}, {1, "23"}, {1, "1024"}, {1, "1025"}, {-1, "1024"}, {-1, "23"},
                     {-1, "0"}};
        for (const auto& s : steps) {
            StepSpin(Page(), IDC_SET_CNSLPORT_SPIN, s.nDelta);
            EXPECT_EQ(ItemText(Page(), IDC_SET_CNSLPORT), s.pszShown) << s.nDelta;
        }
        EXPECT_EQ(dlg->m_config.m_nCnslPort, 0);
        EXPECT_EQ(Apply(hDlg), "Console Port: Invalid Console connection port");
        TypeText(Page(), IDC_SET_CNSLPORT, "1023");
        EXPECT_EQ(Apply(hDlg), "Console Port: Invalid Console connection port");
        // A small typed port stepped down lands on 0, it does not wrap.
        TypeText(Page(), IDC_SET_CNSLPORT, "3");
        StepSpin(Page(), IDC_SET_CNSLPORT_SPIN, -5);
        EXPECT_EQ(ItemText(Page(), IDC_SET_CNSLPORT), "0");
        TypeText(Page(), IDC_SET_CNSLPORT, "65530");
        StepSpin(Page(), IDC_SET_CNSLPORT_SPIN, 20);
        EXPECT_EQ(ItemText(Page(), IDC_SET_CNSLPORT), "65535");
        TypeText(Page(), IDC_SET_CNSLPORT, "x");
        EXPECT_EQ(Apply(hDlg), "Console Port: Invalid Console connection port");
        TypeText(Page(), IDC_SET_CNSLPORT, "3270");
        EXPECT_EQ(Apply(hDlg), "");
    });
}

TEST_F(SettingsPage, SysgPortCountsOnlyWithItsBox)
{
    dlg->m_config.m_bSysgPortEnabled = false;
    dlg->m_config.m_nSysgPort = 3278;
    Run([&](HWND hDlg) {
        EXPECT_FALSE(IsEnabled(Page(), IDC_SET_SYSGPORT));
        EXPECT_FALSE(IsEnabled(Page(), IDC_SET_SYSGPORT_SPIN));
        ClickCheck(Page(), IDC_SET_SYSG_ENABLE, true);
        EXPECT_TRUE(IsEnabled(Page(), IDC_SET_SYSGPORT));
        TypeText(Page(), IDC_SET_SYSGPORT, "0");
        EXPECT_EQ(Apply(hDlg), "SYSG Port: Invalid SYSG console port");
        StepSpin(Page(), IDC_SET_SYSGPORT_SPIN, 1);
        EXPECT_EQ(ItemText(Page(), IDC_SET_SYSGPORT), "23");
        EXPECT_EQ(Apply(hDlg), "");
        TypeText(Page(), IDC_SET_SYSGPORT, "0");
        ClickCheck(Page(), IDC_SET_SYSG_ENABLE, false);
        EXPECT_FALSE(IsEnabled(Page(), IDC_SET_SYSGPORT));
        EXPECT_EQ(Apply(hDlg), "");
    });
    ASSERT_FALSE(view.m_received.empty());
    EXPECT_FALSE(view.m_received.back().m_bSysgPortEnabled);
    EXPECT_EQ(view.m_received.back().m_nSysgPort, 0);
}

TEST_F(SettingsPage, NumberBoundsAndFiles)
{
    std::string strRc = dir.Write("start.rc", "ipl 0120\n");
    Run([&](HWND hDlg) {
        // The third keepalive value is shown only.
        EXPECT_EQ(ItemText(Page(), IDC_SET_KPALV_COUNT), "10");
        EXPECT_FALSE(IsEnabled(Page(), IDC_SET_KPALV_COUNT));
        EXPECT_FALSE(IsEnabled(Page(), IDC_SET_KPALV_COUNT_SPIN));
        const struct {
            int nId;
            std::string text;
            std::string expected;
        } rows[] = {
            {IDC_SET_PANRATE, "9", "Refresh Rate: Please enter a value between 10 and 5000"},
            {IDC_SET_PANRATE, "5001", "Refresh Rate: Please enter a value between 10 and 5000"},
            {IDC_SET_PANRATE, "", "Refresh Rate: Please enter a value between 10 and 5000"},
            {IDC_SET_PANRATE, "10", ""},
            {IDC_SET_KPALV_IDLE, "0", "Idle Seconds: Please enter a value between 1 and 2147483647"},
            {IDC_SET_KPALV_IDLE, "2147483648", "Idle Seconds: Please enter a value between 1 and 2147483647"},
            {IDC_SET_KPALV_IDLE, "2147483647", ""},
            {IDC_SET_KPALV_TIMEOUT, "0", "Probe Timeout: Please enter a value between 1 and 2147483647"},
            {IDC_SET_KPALV_TIMEOUT, "5", ""},
            {IDC_SET_RCFILE, dir.Folder() + "missing.rc", ".RC File: File not found"},
            {IDC_SET_RCFILE, "", ""},
            {IDC_SET_RCFILE, strRc, ""},
            {IDC_SET_LOGOFILE, dir.Folder(), "Logo File: The specified path is not a file"},
            {IDC_SET_LOGOFILE, "", ""},
        };
        for (const auto& r : rows) {
            TypeText(Page(), r.nId, r.text.c_str());
            EXPECT_EQ(Apply(hDlg), r.expected) << r.nId << " " << r.text;
        }
    });
    ASSERT_FALSE(view.m_received.empty());
    const CVornConfigFile& got = view.m_received.back();
    EXPECT_EQ(got.m_nPanRate, 10);
    EXPECT_EQ(got.m_nKpAlvIdle, 2147483647);
    EXPECT_EQ(got.m_nKpAlvIntv, 5);
    EXPECT_EQ(got.m_strRCFile, strRc.c_str());
}

TEST_F(SettingsPage, ShellCommandBoxCyclesThroughThreeStates)
{
    Run([&](HWND) {
        EXPECT_EQ(ItemText(Page(), IDC_SET_SHCMD_STATUS), "(disabled)");
        HWND hBox = ::GetDlgItem(Page(), IDC_SET_SHCMD);
        const struct {
            int nMode;
            const char* pszStatus;
        } cycle[] = {{1, "(enabled)"}, {2, "(only from cmdline)"}, {0, "(disabled)"}};
        for (const auto& c : cycle) {
            ::SendMessageA(hBox, BM_CLICK, 0, 0);
            EXPECT_EQ(dlg->m_config.m_nShCmdOpt, c.nMode);
            EXPECT_EQ(ItemText(Page(), IDC_SET_SHCMD_STATUS), c.pszStatus);
        }
        // Back where it started: not modified.
        EXPECT_EQ(FirstModifiedPage(*dlg), -1);
    });
}

// The values applied, saved and read back from the file.
TEST_F(SettingsPage, ApplyHandsOverAndSaveWrites)
{
    std::string strLogo = dir.Write("logo.txt", "Vornamic\n");
    Run([&](HWND hDlg) {
        PickItem(Page(), IDC_SET_CODEPAGE, 13);  // "819 / 1047"
        PickItem(Page(), IDC_SET_TRACEOPT, 1);
        TypeText(Page(), IDC_SET_PANRATE, "100");
        TypeText(Page(), IDC_SET_CNSLPORT, "3271");
        ClickCheck(Page(), IDC_SET_SYSG_ENABLE, true);
        TypeText(Page(), IDC_SET_SYSGPORT, "3279");
        TypeText(Page(), IDC_SET_KPALV_IDLE, "7");
        TypeText(Page(), IDC_SET_KPALV_TIMEOUT, "2");
        ::SendDlgItemMessageA(Page(), IDC_SET_SHCMD, BM_CLICK, 0, 0);
        ::SendDlgItemMessageA(Page(), IDC_SET_SHCMD, BM_CLICK, 0, 0);
        TypeText(Page(), IDC_SET_LOGOFILE, strLogo.c_str());
        EXPECT_EQ(Apply(hDlg), "");
        EXPECT_EQ(FirstModifiedPage(*dlg), -1);
    });
    ASSERT_FALSE(view.m_received.empty());
    CVornConfigFile saved = view.m_received.back();
    ASSERT_EQ(saved.SaveAs(dir.Folder().c_str(), "saved.cnf"), 0u);
    CVornConfigFile read;
    ASSERT_TRUE(read.Load(dir.Folder().c_str(), "saved.cnf"));
    EXPECT_EQ(read.m_strCodePage, "819/1047");
    EXPECT_EQ(read.m_strTraceOpt, "REGSFIRST");
    EXPECT_EQ(read.m_nPanRate, 100);
    EXPECT_EQ(read.m_nCnslPort, 3271);
    EXPECT_TRUE(read.m_bSysgPortEnabled);
    EXPECT_EQ(read.m_nSysgPort, 3279);
    EXPECT_EQ(read.m_nKpAlvIdle, 7);
    EXPECT_EQ(read.m_nKpAlvIntv, 2);
    EXPECT_EQ(read.m_nKpAlvCount, 10);
    EXPECT_EQ(read.m_nShCmdOpt, 2);
    EXPECT_EQ(read.m_strLogoFile, strLogo.c_str());
}

TEST_F(SettingsPage, HelpTexts)
{
    Run([&](HWND) {
        CSysCfgSettingsPage& page = dlg->m_SettingsPage;
        auto Key = [](UINT nCtrl) { return (DWORD)(((DWORD)IDD_SYSCFG_SETTINGS << 16) | nCtrl); };
        EXPECT_STREQ(page.GetHelpString(Key(IDC_LABEL_OF(IDC_SET_SYSGPORT))),
                     page.GetHelpString(Key(IDC_SET_SYSG_ENABLE)));
        EXPECT_NE(std::string(page.GetHelpString(Key(IDC_SET_NAMEONLY))).find("\nName Only"), std::string::npos);
        EXPECT_NE(std::string(page.GetHelpString(Key(0))).find("\nSettings"), std::string::npos);
        EXPECT_EQ(page.GetHelpId(Key(IDC_SET_CNSLPORT)), Key(IDC_SET_CNSLPORT_SPIN));
        EXPECT_EQ(page.GetHelpId(Key(IDC_SET_KPALV_COUNT)), Key(IDC_SET_KPALV_COUNT_SPIN));
        EXPECT_EQ(page.GetHelpId(Key(IDC_SET_SYSGPORT_SPIN)), 1630u);
        EXPECT_EQ(page.GetHelpId(Key(IDC_SET_LOGOFILE)), 1222u);
    });
}
