// ConsoleDlgTest.cpp: the console's window under Wine: the arguments of
// each type shown and written back unchanged, the kind following the type
// list (title, label, default prefix, address controls), the command
// prefix's messages, the terminal group and address checks, and the
// commands of both modes.
#include <gtest/gtest.h>

#include <string>

#include "config/DevClass.h"
#include "devices/AddConsoleDlg.h"
#include "framework/HelpKeys.h"
#include "tests/devices/TerminalDlgTestSupport.h"
#include "tests/support/GdiObjectCount.h"

using namespace devtest;

namespace {

struct SShown {
    std::string caption, label, group, ip, mask;
    bool bNoprompt = false, bAddresses = false;
};

SShown Shown(HWND h)
{
    SShown s;
    s.caption = Caption(h);
    s.label = Text(h, IDC_TERM_GROUP_LABEL);
    s.group = Text(h, IDC_TERM_GROUP);
    s.ip = Address(h, IDC_TERM_IP);
    s.mask = Address(h, IDC_TERM_MASK);
    s.bNoprompt = Checked(h, IDC_CON_NOPROMPT);
    s.bAddresses = Enabled(h, IDC_TERM_IP) && Enabled(h, IDC_TERM_MASK) && Enabled(h, IDC_TERM_IP_LABEL);
    return s;
}

// A new console at 0009 (adding), its type chosen by index: 0 "1052",
// 1 "3215", 2 "1052-C", 3 "3215-C".
SOkResult AddConsole(CAddConsoleDlg& dlg, CSetRouter& router, int nType, const std::function<void(HWND)>& fill)
{
    dlg.m_bAdd = true;
    dlg.m_pRouter = &router;
    dlg.m_Device = ParsedDevice("001E 3215");
    return PressOk(dlg, [&](HWND h) {
        SetText(h, IDC_DEVDLG_DEVNUM, "0009");
        ChooseListEntry(h, nType);
        fill(h);
    });
}

}  // namespace

// Reinitialising shows the arguments and OK on an unchanged console writes
// them back as they were.
TEST(ConsoleDlg, ArgumentsOfEachTypeShownAndWrittenBack)
{
    const struct {
        const char* pszStmt;
        const char* pszCaption;
        const char* pszLabel;
        const char* pszGroup;
        const char* pszIP;
        const char* pszMask;
        bool bNoprompt;
        bool bAddresses;
        const char* pszCommand;
    } rows[] = {
        {"0009 1052-C /", "Reinitialize Integrated Console Printer", "Cmd Prefix:", "/", "", "", false, false,
         "devinit 0009 /"},
        {"0009 3215-C + noprompt", "Reinitialize Integrated Console Printer", "Cmd Prefix:", "+", "", "", true, false,
         "devinit 0009 + noprompt"},
        {"0009 3215-C noprompt", "Reinitialize Integrated Console Printer", "Cmd Prefix:", "", "", "", true, false,
         "devinit 0009 noprompt"},
        {"001F 3215 * 10.1.1.1 255.255.255.0", "Reinitialize Console Printer", "Terminal Group:", "", "10.1.1.1",
         "255.255.255.0", false, true, "devinit 001F * 10.1.1.1 255.255.255.0"},
        {"001F 1052 noprompt GRP1 192.168.0.10", "Reinitialize Console Printer", "Terminal Group:", "GRP1",
         "192.168.0.10", "", true, true, "devinit 001F noprompt GRP1 192.168.0.10"},
        {"001F 3215", "Reinitialize Console Printer", "Terminal Group:", "", "", "", false, true, "devinit 001F"},
    };
    for (const auto& r : rows) {
        CAddConsoleDlg dlg;
        dlg.m_Device = ParsedDevice(r.pszStmt);
        SShown s;
        bool bNumberLocked = false, bTypeLocked = false;
        SOkResult res = PressOk(dlg, nullptr, [&](HWND h) {
            s = Shown(h);
            bNumberLocked = !Enabled(h, IDC_DEVDLG_DEVNUM);
            bTypeLocked = !Enabled(h, IDC_DEVDLG_DEVTYPE);
        });
        EXPECT_EQ(IDOK, res.nResult) << r.pszStmt << ": " << res.strBalloon;
        EXPECT_EQ(r.pszCaption, s.caption) << r.pszStmt;
        EXPECT_EQ(r.pszLabel, s.label) << r.pszStmt;
        EXPECT_EQ(r.pszGroup, s.group) << r.pszStmt;
        EXPECT_EQ(r.pszIP, s.ip) << r.pszStmt;
        EXPECT_EQ(r.pszMask, s.mask) << r.pszStmt;
        EXPECT_EQ(r.bNoprompt, s.bNoprompt) << r.pszStmt;
        EXPECT_EQ(r.bAddresses, s.bAddresses) << r.pszStmt;
        EXPECT_TRUE(bNumberLocked && bTypeLocked) << r.pszStmt;
        EXPECT_STREQ(r.pszCommand, dlg.m_strCommand) << r.pszStmt;
        EXPECT_EQ(DEVCLASS_LOG, dlg.m_Device.m_wClass);
    }
}

TEST(ConsoleDlg, AnIntegratedConsoleWithItsPrefix)
{
    CAddConsoleDlg dlg;
    CSetRouter router;
    SShown s;
    SOkResult r = AddConsole(dlg, router, 2, [&](HWND h) { s = Shown(h); });
    EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ("Add New Integrated Console Printer", s.caption);
    EXPECT_EQ("Cmd Prefix:", s.label);
    EXPECT_EQ("/", s.group);
    EXPECT_FALSE(s.bAddresses);
    EXPECT_STREQ("attach 0009 1052-C /", dlg.m_strCommand);
    EXPECT_EQ(0x0009, dlg.m_Device.m_wDevnum);
    EXPECT_EQ(0x1052, dlg.m_Device.m_wDevType);
    EXPECT_STREQ("1052-C", dlg.m_Device.m_strTypeWord);
    EXPECT_STREQ("/", dlg.m_Device.m_strOtherArgs);
}

// Each type chosen in turn switches the kind and resets the field.
TEST(ConsoleDlg, ChoosingATypeSwitchesTheKindAndResetsTheField)
{
    CAddConsoleDlg dlg;
    dlg.m_bAdd = true;
    dlg.m_Device = ParsedDevice("001F 3215 GRP1");
    SShown first, integrated, terminal;
    vorntest::RunModal(dlg, [&](HWND h) {
        first = Shown(h);
        ChooseListEntry(h, 3);
        integrated = Shown(h);
        ChooseListEntry(h, 0);
        terminal = Shown(h);
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ("Add New Console Printer", first.caption);
    EXPECT_EQ("GRP1", first.group);
    EXPECT_EQ("Add New Integrated Console Printer", integrated.caption);
    EXPECT_EQ("Cmd Prefix:", integrated.label);
    EXPECT_EQ("/", integrated.group);
    EXPECT_FALSE(integrated.bAddresses);
    EXPECT_EQ("Add New Console Printer", terminal.caption);
    EXPECT_EQ("Terminal Group:", terminal.label);
    EXPECT_EQ("", terminal.group);
    EXPECT_TRUE(terminal.bAddresses);
}

TEST(ConsoleDlg, ANewConsoleWithoutATypeNameIsA3215C)
{
    CAddConsoleDlg dlg;
    dlg.m_bAdd = true;
    dlg.m_Device.m_wClass = DEVCLASS_LOG;
    SShown s;
    std::string type;
    vorntest::RunModal(dlg, [&](HWND h) {
        s = Shown(h);
        char sz[32] = "";
        ::GetDlgItemTextA(h, IDC_DEVDLG_DEVTYPE, sz, sizeof sz);
        type = sz;
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ("3215-C", type);
    EXPECT_EQ("/", s.group);
    EXPECT_STREQ("", dlg.m_strCommand);
}

TEST(ConsoleDlg, CommandPrefixMessages)
{
    const struct {
        const char* pszPrefix;
        const char* pszBalloon;
    } rows[] = {
        {"ab", "Command Prefix: The command-prefix must not begin with an alphabetic character since that would make "
               "it impossible to enter any Vornamic command starting with the same character."},
        {"]", "Command Prefix: The command-prefix character ']' is reserved for use by VornGUI only. Please choose a "
              "different character."},
        {"++", "Command Prefix: Command-prefixes must only be one character."},
        {"+ +", "Command Prefix: A command-prefix cannot contain any spaces"},
        {"#", "Command Prefix: The command-prefix character '#' begins a comment in a device statement. Please "
              "choose a different character."},
    };
    for (const auto& row : rows) {
        CAddConsoleDlg dlg;
        CSetRouter router;
        SOkResult r = AddConsole(dlg, router, 3, [&](HWND h) { SetText(h, IDC_TERM_GROUP, row.pszPrefix); });
        EXPECT_EQ(IDCANCEL, r.nResult) << row.pszPrefix;
        EXPECT_EQ(row.pszBalloon, r.strBalloon) << row.pszPrefix;
        EXPECT_STREQ("", dlg.m_strCommand) << row.pszPrefix;
    }
    // Trimmed, "+ " is the one character "+".
    CAddConsoleDlg dlg;
    CSetRouter router;
    SOkResult r = AddConsole(dlg, router, 3, [&](HWND h) {
        SetText(h, IDC_TERM_GROUP, "+ ");
        Click(h, IDC_CON_NOPROMPT);
    });
    EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_STREQ("attach 0009 3215-C + noprompt", dlg.m_strCommand);
}

TEST(ConsoleDlg, NopromptAndAnAddressWithoutGroupOrMask)
{
    CAddConsoleDlg dlg;
    CSetRouter router;
    SOkResult r = AddConsole(dlg, router, 1, [&](HWND h) {
        Click(h, IDC_CON_NOPROMPT);
        SetAddress(h, IDC_TERM_IP, 192, 168, 0, 10);
    });
    EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_STREQ("attach 0009 3215 noprompt * 192.168.0.10", dlg.m_strCommand);
    EXPECT_STREQ("noprompt * 192.168.0.10", dlg.m_Device.m_strOtherArgs);
}

TEST(ConsoleDlg, AMaskWithoutAnAddressIsDropped)
{
    CAddConsoleDlg dlg;
    CSetRouter router;
    SOkResult r = AddConsole(dlg, router, 1, [&](HWND h) {
        SetText(h, IDC_TERM_GROUP, "GRP1");
        SetAddress(h, IDC_TERM_MASK, 255, 255, 0, 0);
    });
    EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_STREQ("attach 0009 3215 GRP1", dlg.m_strCommand);
    EXPECT_STREQ("", dlg.m_fields.strMask);
}

TEST(ConsoleDlg, GroupAndAddressChecks)
{
    const struct {
        const char* pszGroup;
        BYTE ip[4];   // all 0: blank
        BYTE mask[4];
        const char* pszHalf;  // a half-filled IP field, or nullptr
        const char* pszBalloon;  // "" accepted
        const char* pszCommand;
    } rows[] = {
        {"1GRP", {}, {}, nullptr,
         "Terminal Group: A terminal group must be 8 characters or less in length, must start with an alphabetic "
         "character, contain only alphanumeric characters, and must not be a hexadecimal number.", ""},
        {"ABC", {}, {}, nullptr,
         "Terminal Group: A terminal group must be 8 characters or less in length, must start with an alphabetic "
         "character, contain only alphanumeric characters, and must not be a hexadecimal number.", ""},
        {" TSO ", {10, 1, 1, 1}, {255, 255, 255, 0}, nullptr, "", "attach 0009 1052 TSO 10.1.1.1 255.255.255.0"},
        {"", {10, 1, 1, 0}, {255, 255, 255, 0}, nullptr, "IP Address: Invalid IP address", ""},
        {"", {10, 1, 1, 255}, {255, 255, 255, 0}, nullptr, "IP Address: Invalid IP address", ""},
        {"", {10, 1, 1, 1}, {255, 0, 255, 0}, nullptr, "Subnet Mask: Invalid subnet mask", ""},
        // Without a mask an address is held to 255.255.255.255: a network address passes.
        {"", {10, 1, 1, 0}, {}, nullptr, "", "attach 0009 1052 * 10.1.1.0"},
        {"", {}, {}, "10", "IP Address: Invalid IP address", ""},
    };
    for (const auto& row : rows) {
        CAddConsoleDlg dlg;
        CSetRouter router;
        SOkResult r = AddConsole(dlg, router, 0, [&](HWND h) {
            SetText(h, IDC_TERM_GROUP, row.pszGroup);
            if (row.ip[0])
                SetAddress(h, IDC_TERM_IP, row.ip[0], row.ip[1], row.ip[2], row.ip[3]);
            if (row.mask[0])
                SetAddress(h, IDC_TERM_MASK, row.mask[0], row.mask[1], row.mask[2], row.mask[3]);
            if (row.pszHalf)
                FillOneAddressField(h, IDC_TERM_IP, row.pszHalf);
        });
        EXPECT_EQ(row.pszBalloon, r.strBalloon) << row.pszGroup;
        EXPECT_STREQ(row.pszCommand, dlg.m_strCommand) << row.pszGroup;
    }
}

TEST(ConsoleDlg, TheNumberIsCheckedFirst)
{
    CAddConsoleDlg dlg;
    CSetRouter router;
    router.keys = {0x0009};
    SOkResult r = AddConsole(dlg, router, 3, [&](HWND h) { SetText(h, IDC_TERM_GROUP, "ab"); });
    EXPECT_EQ("Device Number: Device already defined", r.strBalloon);
}

TEST(ConsoleDlg, EveryControlHasItsBalloonAndTheDialogNone)
{
    CAddConsoleDlg dlg;
    for (UINT nCtrl : {(UINT)IDC_TERM_GROUP_LABEL, (UINT)IDC_TERM_GROUP, (UINT)IDC_TERM_IP_LABEL, (UINT)IDC_TERM_IP,
                       (UINT)IDC_TERM_MASK_LABEL, (UINT)IDC_TERM_MASK, (UINT)IDC_CON_NOPROMPT,
                       (UINT)IDC_CON_NOPROMPT_NOTE, (UINT)IDC_DEVDLG_DEVNUM, (UINT)IDC_DEVDLG_OPTIONS_GROUP}) {
        CString strText = dlg.GetHelpString(MakeHelpKey(IDD_ADD_CONSOLE, nCtrl));
        EXPECT_NE(-1, strText.Find('\n')) << nCtrl;
    }
    EXPECT_NE(-1, dlg.GetHelpString(MakeHelpKey(IDD_ADD_CONSOLE, IDC_TERM_GROUP)).Find("Command Prefix or Terminal Group"));
    EXPECT_STREQ("", dlg.GetHelpString(MakeHelpKey(IDD_ADD_CONSOLE, 0)));
}

// Wine's IP address control keeps a GDI object now and then (a bare one
// created and destroyed alone does the same), so the count may creep by
// less than one per opening; an object of the dialog's own left behind
// would add at least one every time.
TEST(ConsoleDlg, OpeningAndClosingKeepsNoObjectOfItsOwn)
{
    auto openClose = [] {
        CAddConsoleDlg dlg;
        dlg.m_Device = ParsedDevice("001F 3215 GRP1 10.1.1.1");
        vorntest::RunModal(dlg, [](HWND h) {
            ChooseListEntry(h, 0);
            ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
    };
    openClose();
    const long kOpenings = 20;
    long nBefore = (long)vorntest::GdiObjectCount();
    for (long i = 0; i < kOpenings; ++i)
        openClose();
    EXPECT_LT((long)vorntest::GdiObjectCount() - nBefore, kOpenings);
}
