// DisplayDlgTest.cpp: the display terminal's window under Wine: group and
// addresses shown and written back, "*" for none, the network address
// refused under its mask, the second SYSG refused with the first one's
// number, and the balloons.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/DevClass.h"
#include "devices/AddDisplayDlg.h"
#include "framework/HelpKeys.h"
#include "tests/devices/TerminalDlgTestSupport.h"

using namespace devtest;

namespace {

class CSysgRouter : public CSetRouter {
public:
    DWORD dwSysgKey = 0;
    bool bSysg = false;
    bool IsSysgDefined(DWORD* pdwKey) override
    {
        if (bSysg && pdwKey)
            *pdwKey = dwSysgKey;
        return bSysg;
    }
};

// A new display at 0700 (adding), type 0 "3270" or 1 "SYSG".
SOkResult AddDisplay(CAddDisplayDlg& dlg, CSetRouter& router, int nType, const std::function<void(HWND)>& fill)
{
    dlg.m_bAdd = true;
    dlg.m_pRouter = &router;
    dlg.m_Device = ParsedDevice("003F 3270");
    return PressOk(dlg, [&](HWND h) {
        SetText(h, IDC_DEVDLG_DEVNUM, "0700");
        ChooseListEntry(h, nType);
        fill(h);
    });
}

}  // namespace

TEST(DisplayDlg, ArgumentsShownAndWrittenBack)
{
    const struct {
        const char* pszStmt;
        const char* pszGroup;
        const char* pszIP;
        const char* pszMask;
        const char* pszCommand;
    } rows[] = {
        {"0700 3270", "", "", "", "devinit 0700 *"},
        {"0700 3270 *", "", "", "", "devinit 0700 *"},
        {"0701 3270 TSO", "TSO", "", "", "devinit 0701 TSO"},
        {"0702 3270 GRP1 192.168.0.5 255.255.0.0", "GRP1", "192.168.0.5", "255.255.0.0",
         "devinit 0702 GRP1 192.168.0.5 255.255.0.0"},
        {"0703 3270 * 10.1.1.1", "", "10.1.1.1", "", "devinit 0703 * 10.1.1.1"},
    };
    for (const auto& r : rows) {
        CAddDisplayDlg dlg;
        dlg.m_Device = ParsedDevice(r.pszStmt);
        std::string caption, group, ip, mask;
        SOkResult res = PressOk(dlg, nullptr, [&](HWND h) {
            caption = Caption(h);
            group = Text(h, IDC_TERM_GROUP);
            ip = Address(h, IDC_TERM_IP);
            mask = Address(h, IDC_TERM_MASK);
        });
        EXPECT_EQ(IDOK, res.nResult) << r.pszStmt << ": " << res.strBalloon;
        EXPECT_EQ("Reinitialize Display Terminal", caption);
        EXPECT_EQ(r.pszGroup, group) << r.pszStmt;
        EXPECT_EQ(r.pszIP, ip) << r.pszStmt;
        EXPECT_EQ(r.pszMask, mask) << r.pszStmt;
        EXPECT_STREQ(r.pszCommand, dlg.m_strCommand) << r.pszStmt;
        EXPECT_EQ(DEVCLASS_3270, dlg.m_Device.m_wClass);
    }
}

TEST(DisplayDlg, ANewTerminalWithNothingOptional)
{
    CAddDisplayDlg dlg;
    CSetRouter router;
    std::string caption;
    SOkResult r = AddDisplay(dlg, router, 0, [&](HWND h) { caption = Caption(h); });
    EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ("Add New Display Terminal", caption);
    EXPECT_STREQ("attach 0700 3270 *", dlg.m_strCommand);
    EXPECT_STREQ("*", dlg.m_Device.m_strOtherArgs);
    EXPECT_EQ(0x0700, dlg.m_Device.m_wDevnum);
}

TEST(DisplayDlg, TheNetworkAddressIsRefusedUnderItsMask)
{
    CAddDisplayDlg dlg;
    dlg.m_Device = ParsedDevice("0702 3270 GRP1 192.168.0.0 255.255.0.0");
    SOkResult r = PressOk(dlg, nullptr);
    EXPECT_EQ(IDCANCEL, r.nResult);
    EXPECT_EQ("IP Address: Invalid IP address", r.strBalloon);
    EXPECT_STREQ("", dlg.m_strCommand);
}

TEST(DisplayDlg, GroupAndMaskChecks)
{
    CAddDisplayDlg dlg;
    CSetRouter router;
    SOkResult r = AddDisplay(dlg, router, 0, [](HWND h) { SetText(h, IDC_TERM_GROUP, "GRP-1"); });
    EXPECT_EQ("Terminal Group: A terminal group must be 8 characters or less in length, must start with an "
              "alphabetic character, contain only alphanumeric characters, and must not be a hexadecimal number.",
              r.strBalloon);
    CAddDisplayDlg dlg2;
    r = AddDisplay(dlg2, router, 0, [](HWND h) {
        SetText(h, IDC_TERM_GROUP, "GRP1");
        SetAddress(h, IDC_TERM_MASK, 255, 255, 255, 0);
    });
    EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_STREQ("attach 0700 3270 GRP1", dlg2.m_strCommand);
}

TEST(DisplayDlg, ASecondSysgIsRefusedWithTheFirstOnesNumber)
{
    CSysgRouter router;
    router.bSysg = true;
    router.dwSysgKey = 0x0009;
    CAddDisplayDlg dlg;
    SOkResult r = AddDisplay(dlg, router, 1, [](HWND) {});
    EXPECT_EQ(IDCANCEL, r.nResult);
    EXPECT_EQ("Device Number: device 0009 is already defined as the SYSG device", r.strBalloon);
    EXPECT_STREQ("", dlg.m_strCommand);
    // A 3270 is not a SYSG; and without one a SYSG is taken.
    CAddDisplayDlg dlg3270;
    EXPECT_EQ(IDOK, AddDisplay(dlg3270, router, 0, [](HWND) {}).nResult);
    router.bSysg = false;
    CAddDisplayDlg dlgSysg;
    r = AddDisplay(dlgSysg, router, 1, [](HWND) {});
    EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_TRUE(dlgSysg.m_Device.m_bSysg);
    EXPECT_STREQ("SYSG", dlgSysg.m_Device.m_strTypeWord);
    // The statement parser keeps no number for the SYSG device.
    EXPECT_STREQ("attach 0000 SYSG *", dlgSysg.m_strCommand);
}

// The SYSG console's statement keeps no number: while SYSG is chosen the
// field shows the 0000 the console will have and cannot be edited; the
// number typed before comes back with 3270.
TEST(DisplayDlg, TheSysgConsoleShowsTheNumberItsStatementKeeps)
{
    CSysgRouter router;
    CAddDisplayDlg dlg;
    dlg.m_bAdd = true;
    dlg.m_pRouter = &router;
    dlg.m_Device = ParsedDevice("003F 3270");
    std::vector<std::string> seen;
    SOkResult r = PressOk(dlg, [&](HWND h) {
        auto look = [&] { seen.push_back(Text(h, IDC_DEVDLG_DEVNUM) + (Enabled(h, IDC_DEVDLG_DEVNUM) ? "" : " fixed")); };
        SetText(h, IDC_DEVDLG_DEVNUM, "0041");
        ChooseListEntry(h, 1);
        look();
        ChooseListEntry(h, 0);
        look();
        ChooseListEntry(h, 1);
        look();
    });
    EXPECT_EQ((std::vector<std::string>{"0000 fixed", "0041", "0000 fixed"}), seen);
    EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_STREQ("attach 0000 SYSG *", dlg.m_strCommand);
    EXPECT_EQ(0u, dlg.m_Device.GetKey());
    EXPECT_TRUE(dlg.m_Device.m_bSysg);

    // Another device at 0000: the SYSG console cannot have its number.
    router.keys = {0x0000};
    CAddDisplayDlg taken;
    r = AddDisplay(taken, router, 1, [](HWND) {});
    EXPECT_EQ("Device Number: Device already defined", r.strBalloon);
    // A 3270 is refused only for the number typed for it.
    CAddDisplayDlg display;
    EXPECT_EQ(IDOK, AddDisplay(display, router, 0, [](HWND) {}).nResult);
    EXPECT_STREQ("attach 0700 3270 *", display.m_strCommand);

    // Opened on a SYSG console, adding or reinitialising: 0000, fixed.
    for (bool bAdd : {true, false}) {
        CAddDisplayDlg sysg;
        sysg.m_bAdd = bAdd;
        sysg.m_pRouter = &router;
        sysg.m_Device = ParsedDevice("0000 SYSG");
        std::string shown;
        PressOk(sysg, nullptr, [&](HWND h) {
            shown = Text(h, IDC_DEVDLG_DEVNUM) + (Enabled(h, IDC_DEVDLG_DEVNUM) ? "" : " fixed");
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ("0000 fixed", shown) << bAdd;
    }
}

TEST(DisplayDlg, EveryControlHasItsBalloon)
{
    CAddDisplayDlg dlg;
    for (UINT nCtrl : {0u, (UINT)IDC_TERM_GROUP_LABEL, (UINT)IDC_TERM_GROUP, (UINT)IDC_TERM_IP_LABEL,
                       (UINT)IDC_TERM_IP, (UINT)IDC_TERM_MASK_LABEL, (UINT)IDC_TERM_MASK, (UINT)IDC_DEVDLG_DEVTYPE}) {
        CString strText = dlg.GetHelpString(MakeHelpKey(IDD_ADD_DISPLAY, nCtrl));
        EXPECT_NE(-1, strText.Find('\n')) << nCtrl;
    }
    EXPECT_NE(-1, dlg.GetHelpString(MakeHelpKey(IDD_ADD_DISPLAY, 0)).Find("Terminal Group"));
}
