// PrinterDlgTest.cpp: the line printer's window and its two channel editors
// under Wine: socket mode putting the output fields back, a reinitialised
// printer's words, the checks in their order (no overwrite question before
// the in-use and channel checks, none for a socket or a kept own file), the
// editors' texts on OK and their refusals.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "config/DevClass.h"
#include "config/OverwriteConfirmation.h"
#include "devices/AddCardReaderDlg.h"
#include "devices/AddPrinterDlg.h"
#include "devices/CCTapeDlg.h"
#include "devices/CFCBDlg.h"
#include "devices/ChannelSettings.h"
#include "platform/PathFunctions.h"
#include "tests/config/TempFile.h"
#include "tests/devices/DeviceDlgTestSupport.h"
#include "tests/support/StalePixels.h"
#include "tests/utilities/UtilityTestSupport.h"

using namespace devtest;
using vorntest::COverwriteAnswerer;

namespace {

CVornDevice Printer(WORD wType, const std::string& strFile, const char* pszArgs)
{
    CVornDevice dev;
    dev.m_wClass = DEVCLASS_PRT;
    dev.m_wDevnum = 0x000E;
    dev.m_wDevType = wType;
    dev.m_strTypeWord = wType == 0x1403 ? "1403" : "3211";
    dev.m_strFirstArg = strFile.c_str();
    dev.m_strOtherArgs = pszArgs;
    return dev;
}

struct PrinterTest : ::testing::Test {
    TempDir dir;
    CSetRouter router;
    void SetUp() override
    {
        COverwriteAnswerer::s_nAsked = 0;
        ForgetOverwriteConfirmations();
    }
    void TearDown() override { ForgetOverwriteConfirmations(); }
    // An added 3211 at 000F.
    void Adding(CAddPrinterDlg& dlg, WORD wType, const std::string& strFile, const char* pszArgs)
    {
        dlg.m_bAdd = true;
        dlg.m_pRouter = &router;
        dlg.m_Device = Printer(wType, strFile, pszArgs);
    }
};

// Runs a channel editor from inside a step: finds it by caption, lets
// inspect read it, then presses nButton.
bool DriveEditor(const char* pszCaption, const std::function<void(HWND)>& inspect, int nButton)
{
    HWND h = ::FindWindowA(nullptr, pszCaption);
    if (!h || !::IsWindowVisible(h))
        return false;
    inspect(h);
    ::PostMessageA(h, WM_COMMAND, nButton, 0);
    return true;
}

}  // namespace

TEST_F(PrinterTest, SocketModeOnAndOffPutsTheOutputFieldsBack)
{
    CAddPrinterDlg dlg;
    dlg.m_Device = Printer(0x3211, "C:\\prt\\out.txt", "crlf extra");
    std::string inSocket, back;
    bool bSocketEnabled = false, bCrlfBack = false, bFileLocked = false;
    PressOk(dlg, [&](HWND h) {
        Click(h, IDC_PRT_SOCKDEV);
        inSocket = Text(h, IDC_PCH_DIR) + "|" + Text(h, IDC_PCH_FILE) + "|" + Text(h, IDC_PRT_PIPE_ARGS) + "|" +
                   Text(h, IDC_PRT_PORT);
        bSocketEnabled = Enabled(h, IDC_PRT_IP) && Enabled(h, IDC_PRT_PORT) && !Checked(h, IDC_PCH_CRLF);
        bFileLocked = !Enabled(h, IDC_PCH_FILE) && !Enabled(h, IDC_PCH_CRLF) && !Enabled(h, IDC_PCH_FILE_BROWSE);
        Click(h, IDC_PRT_SOCKDEV);
        back = Text(h, IDC_PCH_DIR) + "|" + Text(h, IDC_PCH_FILE) + "|" + Text(h, IDC_PRT_PIPE_ARGS);
        bCrlfBack = Checked(h, IDC_PCH_CRLF) && Enabled(h, IDC_PCH_CRLF) && !Enabled(h, IDC_PRT_IP);
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ("|||1403", inSocket);
    EXPECT_TRUE(bSocketEnabled);
    EXPECT_TRUE(bFileLocked);
    EXPECT_EQ("C:\\prt\\|out.txt|extra", back);
    EXPECT_TRUE(bCrlfBack);
}

TEST_F(PrinterTest, ReinitialisingShowsItsWordsAndWritesThemBack)
{
    std::string strFile = dir.Write("out.txt", "page");
    COverwriteAnswerer answerer(IDCANCEL);
    CAddPrinterDlg dlg;
    dlg.m_Device = Printer(0x3211, strFile, "crlf fcb=legacy lp");
    bool bCrlf = false, bPipeEnabled = true;
    std::string channel, pipe, caption;
    SOkResult r = PressOk(dlg, nullptr, [&](HWND h) {
        bCrlf = Checked(h, IDC_PCH_CRLF);
        channel = Text(h, IDC_PRT_CHANNEL);
        pipe = Text(h, IDC_PRT_PIPE_ARGS);
        bPipeEnabled = Enabled(h, IDC_PRT_PIPE_ARGS);
        caption = Caption(h);
    });
    EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_TRUE(bCrlf);
    EXPECT_EQ("legacy", channel);
    EXPECT_EQ("lp", pipe);
    EXPECT_FALSE(bPipeEnabled) << "a file printer has no pipe";
    EXPECT_EQ("Reinitialize Line Printer", caption);
    EXPECT_EQ(0, COverwriteAnswerer::s_nAsked);
    // The word that is no option is not lost.
    EXPECT_EQ("devinit 000E " + strFile + " crlf fcb=legacy lp", std::string(dlg.m_strCommand));
    EXPECT_TRUE(FileExists(strFile.c_str()));
}

// An empty field is the default of the printer's form: written out only
// for a printer whose statement carried channel settings. One without gets
// none (the emulator's default is the same, and an emulator without the
// word refuses the device).
TEST_F(PrinterTest, AnEmptyChannelFieldWritesTheDefaultOnlyWhereTheStatementHadSettings)
{
    const struct { WORD wType; const char* pszArgs; std::string strSettings; } rows[] = {
        {0x3211, "", ""},
        {0x1403, "crlf", ""},
        {0x3211, "fcb=fcb2std2", std::string(" fcb=") + kLegacyFCB},
        {0x1403, "crlf cctape=fcb2id1", std::string(" cctape=") + kLegacyCCTape},
    };
    for (const auto& row : rows) {
        CAddPrinterDlg dlg;
        Adding(dlg, row.wType, dir.Path("new.txt"), row.pszArgs);
        SOkResult r = PressOk(dlg, [&](HWND h) {
            SetText(h, IDC_DEVDLG_DEVNUM, "000F");
            SetText(h, IDC_PRT_CHANNEL, "");
        });
        EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
        std::string strCrlf = std::string(row.pszArgs).find("crlf") == 0 ? " crlf" : "";
        std::string strWant = (row.wType == 0x1403 ? "1403 " : "3211 ") + dir.Path("new.txt") + strCrlf + row.strSettings;
        EXPECT_EQ("attach 000F " + strWant, std::string(dlg.m_strCommand)) << row.pszArgs;
    }
}

TEST_F(PrinterTest, InUseAndChannelChecksComeBeforeTheOverwriteQuestion)
{
    std::string strFile = dir.Write("old.txt", "page");
    COverwriteAnswerer answerer(IDCANCEL);
    {
        CAddPrinterDlg dlg;
        Adding(dlg, 0x3211, strFile, "fcb=66010713192531374370495561");
        SOkResult r = PressOk(dlg, [&](HWND h) { SetText(h, IDC_DEVDLG_DEVNUM, "000F"); });
        EXPECT_EQ("Channel Settings: Channel-9 line number 70 exceeds page length 66", r.strBalloon);
    }
    {
        router.files = {strFile};
        CAddPrinterDlg dlg;
        Adding(dlg, 0x3211, strFile, "");
        SOkResult r = PressOk(dlg, [&](HWND h) { SetText(h, IDC_DEVDLG_DEVNUM, "000F"); });
        EXPECT_EQ("Output File: Another device is already using this name.", r.strBalloon);
    }
    EXPECT_EQ(0, COverwriteAnswerer::s_nAsked);
    router.files.clear();
    CAddPrinterDlg dlg;
    Adding(dlg, 0x3211, strFile, "");
    SOkResult r = PressOk(dlg, [&](HWND h) { SetText(h, IDC_DEVDLG_DEVNUM, "000F"); });
    EXPECT_EQ("Output File: File already exists.", r.strBalloon);
    EXPECT_LE(1, COverwriteAnswerer::s_nAsked) << "only a file that passed the other checks is asked about";
    EXPECT_TRUE(FileExists(strFile.c_str()));
}

TEST_F(PrinterTest, ChannelSettingsRefusals)
{
    struct Case {
        WORD wType;
        const char* pszText;
        const char* pszBalloon;
    } cases[] = {
        {0x1403, "hardware", "Channel Settings: Unknown predefined channel settings name"},
        {0x3211, "660107", "Channel Settings: Old style must be exactly 26 digits long"},
        {0x3211, "00010713192531374363495561", "Channel Settings: Page length must be greater than zero lines"},
        {0x1403, "(1=1", "Channel Settings: Syntax error"},
    };
    for (const Case& c : cases) {
        CAddPrinterDlg dlg;
        Adding(dlg, c.wType, dir.Path("p.txt"), "");
        SOkResult r = PressOk(dlg, [&](HWND h) {
            SetText(h, IDC_DEVDLG_DEVNUM, "000F");
            SetText(h, IDC_PRT_CHANNEL, c.pszText);
        });
        EXPECT_EQ(c.pszBalloon, r.strBalloon) << c.pszText;
    }
}

TEST_F(PrinterTest, ASocketPrinterChecksAddressAndPortButNoFile)
{
    struct Case {
        const char* pszAddress;  // typed into the control's first field onwards
        const char* pszPort;
        const char* pszBalloon;
    } cases[] = {
        {nullptr, "1403", "IP Address: Invalid IP address"},
        {"0.0.0.0", "1403", "IP Address: Invalid IP address"},
        {"192.168.1.5", "80", "Port Number: Invalid printer port number.\nValid range is 1024 - 65535."},
        {"192.168.1.5", "65536", "Port Number: Invalid printer port number.\nValid range is 1024 - 65535."},
        {"192.168.1.5", "", "Port Number: Invalid printer port number.\nValid range is 1024 - 65535."},
    };
    for (const Case& c : cases) {
        CAddPrinterDlg dlg;
        Adding(dlg, 0x3211, "", "");
        SOkResult r = PressOk(dlg, [&](HWND h) {
            SetText(h, IDC_DEVDLG_DEVNUM, "000F");
            Click(h, IDC_PRT_SOCKDEV);
            if (c.pszAddress) {
                unsigned b[4] = {};
                std::sscanf(c.pszAddress, "%u.%u.%u.%u", &b[0], &b[1], &b[2], &b[3]);
                ::SendDlgItemMessageA(h, IDC_PRT_IP, IPM_SETADDRESS, 0, MAKEIPADDRESS(b[0], b[1], b[2], b[3]));
            }
            SetText(h, IDC_PRT_PORT, c.pszPort);
        });
        EXPECT_EQ(c.pszBalloon, r.strBalloon) << c.pszPort;
    }
    CAddPrinterDlg dlg;
    Adding(dlg, 0x3211, "", "");
    SOkResult r = PressOk(dlg, [&](HWND h) {
        SetText(h, IDC_DEVDLG_DEVNUM, "000F");
        Click(h, IDC_PRT_SOCKDEV);
        ::SendDlgItemMessageA(h, IDC_PRT_IP, IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 5));
        SetText(h, IDC_PRT_PORT, "1500");
    });
    EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ("attach 000F 3211 192.168.1.5:1500 sockdev", std::string(dlg.m_strCommand));
    EXPECT_EQ(0, router.nFileQuestions);
}

TEST_F(PrinterTest, APipeProgramMustExist)
{
    CAddPrinterDlg dlg;
    Adding(dlg, 0x3211, "|" + dir.Path("missing.exe"), "");
    SOkResult r = PressOk(dlg, [&](HWND h) { SetText(h, IDC_DEVDLG_DEVNUM, "000F"); });
    EXPECT_EQ("Print-to-pipe program: File not found.", r.strBalloon);
    EXPECT_EQ(0, router.nFileQuestions);
}

TEST_F(PrinterTest, TheChannelButtonOpensTheEditorOfTheForm)
{
    struct Case {
        WORD wType;
        const char* pszField;
        const char* pszCaption;
        int nEditor;           // the control read in the editor
        const char* pszShown;  // its text
        const char* pszAfter;  // the field after the editor's OK
    } cases[] = {
        {0x3211, "garbage", "Define Forms Control Buffer...", IDC_FCB_FIRST_EDIT + 8, "63", "legacy"},
        {0x3211, "66010713192531374363495561", "Define Forms Control Buffer...", IDC_FCB_LINES, "66",
         "66010713192531374363495561"},
        {0x1403, "hardware", "Define Carriage Control Tape...", IDC_CCT_FIRST_LINE + 8, "63", "legacy"},
        {0x1403, "(5=1,9=2)", "Define Carriage Control Tape...", IDC_CCT_FIRST_LINE + 1, "9", nullptr},
    };
    for (const Case& c : cases) {
        CAddPrinterDlg dlg;
        dlg.m_Device = Printer(c.wType, dir.Path("p.txt"), "");
        std::string shown, after;
        int nStep = 0;
        vorntest::RunModal(dlg, [&](HWND h) {
            if (nStep == 0) {
                SetText(h, IDC_PRT_CHANNEL, c.pszField);
                ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_PRT_CHANNEL_EDIT, BN_CLICKED),
                               (LPARAM)::GetDlgItem(h, IDC_PRT_CHANNEL_EDIT));
                nStep = 1;
                return true;
            }
            if (nStep == 1) {
                // A two-punch tape cannot be taken: cancel it.
                if (DriveEditor(c.pszCaption, [&](HWND e) { shown = Text(e, c.nEditor); },
                                c.pszAfter ? IDOK : IDCANCEL))
                    nStep = 2;
                return true;
            }
            if (::FindWindowA(nullptr, c.pszCaption))
                return true;
            after = Text(h, IDC_PRT_CHANNEL);
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        EXPECT_EQ(c.pszShown, shown) << c.pszField;
        EXPECT_EQ(c.pszAfter ? c.pszAfter : c.pszField, after) << c.pszField;
    }
}

TEST(FCBDlg, TextsOnOk)
{
    struct Case {
        const char* pszIn;
        std::function<void(HWND)> fill;
        const char* pszOut;
    } cases[] = {
        {"legacy", nullptr, "legacy"},
        {"66010713192531374363495561", nullptr, "66010713192531374363495561"},
        {"legacy",
         [](HWND h) {
             for (int n = 1; n < kChannels; ++n)
                 SetText(h, IDC_FCB_FIRST_EDIT + n, "0");
             SetText(h, IDC_FCB_FIRST_EDIT, "1");
         },
         "hardware"},
        {"66010713192531374363495561", [](HWND h) { SetText(h, IDC_FCB_LINES, "88"); },
         "88010713192531374363495561"},
        {"fcb2id1", nullptr, "fcb2id1"},
    };
    for (const Case& c : cases) {
        CFCBDlg dlg;
        dlg.m_strFCB = c.pszIn;
        SOkResult r = PressOk(dlg, c.fill);
        EXPECT_EQ(IDOK, r.nResult) << c.pszIn << ": " << r.strBalloon;
        EXPECT_STREQ(c.pszOut, dlg.m_strFCB) << c.pszIn;
    }
}

TEST(FCBDlg, RefusesLinesBeyondTwoDigits)
{
    struct Case {
        int nCtrl;
        const char* pszText;
        const char* pszBalloon;
    } cases[] = {
        {IDC_FCB_LINES, "100", "Lines Per Page: Invalid lines per page (valid range is 1 to 99)"},
        {IDC_FCB_LINES, "0", "Lines Per Page: Invalid lines per page (valid range is 1 to 99)"},
        {IDC_FCB_FIRST_EDIT + 3, "67", "Channel: Enter a number from 0 to 66."},
    };
    for (const Case& c : cases) {
        CFCBDlg dlg;
        dlg.m_strFCB = "legacy";
        SOkResult r = PressOk(dlg, [&](HWND h) { SetText(h, c.nCtrl, c.pszText); });
        EXPECT_EQ(IDCANCEL, r.nResult);
        EXPECT_EQ(c.pszBalloon, r.strBalloon) << c.pszText;
        EXPECT_STREQ("legacy", dlg.m_strFCB);
    }
}

TEST(CCTapeDlg, TextsOnOk)
{
    CCTapeDlg dlg;
    dlg.m_strCCTape = "legacy";
    std::string row9, row10;
    SOkResult r = PressOk(dlg, nullptr, [&](HWND h) {
        row9 = Text(h, IDC_CCT_FIRST_LINE + 8) + "=" + Text(h, IDC_CCT_FIRST_CHAN + 8);
        row10 = Text(h, IDC_CCT_FIRST_LINE + 9) + "=" + Text(h, IDC_CCT_FIRST_CHAN + 9);
    });
    EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ("63=9", row9);
    EXPECT_EQ("49=10", row10);
    EXPECT_STREQ("legacy", dlg.m_strCCTape);
    CCTapeDlg changed;
    changed.m_strCCTape = "legacy";
    r = PressOk(changed, [](HWND h) { SetText(h, IDC_CCT_FIRST_LINE + 11, "66"); });
    EXPECT_STREQ("(1=1,7=2,13=3,19=4,25=5,31=6,37=7,43=8,63=9,49=10,55=11,66=12)", changed.m_strCCTape);
}

TEST(CCTapeDlg, ATapeOfTwoPunchesIsRefusedOnRowThree)
{
    CCTapeDlg dlg;
    dlg.m_strCCTape = "(1=1,7=2)";
    int nFocus = 0;
    SOkResult r = PressOk(dlg, [&](HWND) {});
    EXPECT_EQ("Line: Invalid line number (valid range is 1 to 255)", r.strBalloon);
    EXPECT_STREQ("(1=1,7=2)", dlg.m_strCCTape);
    CCTapeDlg again;
    again.m_strCCTape = "(1=1,7=2)";
    vorntest::RunModal(again, [&](HWND h) {
        ::SendMessageA(h, WM_COMMAND, IDOK, 0);
        nFocus = ::GetDlgCtrlID(::GetFocus());
        ErrorBalloonHide();
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ(IDC_CCT_FIRST_LINE + 2, nFocus);
}

// Each field has one range and one text for it, checked row by row: a
// line of 0 is refused like one of 256, and the spins cannot reach 0.
TEST(CCTapeDlg, OneRangeCheckPerFieldRowByRow)
{
    const char kLine[] = "Line: Invalid line number (valid range is 1 to 255)";
    const char kChannel[] = "Channel: Invalid channel number (valid range is 1 to 12)";
    struct Case {
        std::vector<std::pair<int, const char*>> typed;
        const char* pszBalloon;
        int nFocus;
    } cases[] = {
        {{{IDC_CCT_FIRST_LINE, "0"}}, kLine, IDC_CCT_FIRST_LINE},
        {{{IDC_CCT_FIRST_LINE + 4, "256"}}, kLine, IDC_CCT_FIRST_LINE + 4},
        {{{IDC_CCT_FIRST_CHAN + 1, "0"}}, kChannel, IDC_CCT_FIRST_CHAN + 1},
        {{{IDC_CCT_FIRST_CHAN + 1, "13"}}, kChannel, IDC_CCT_FIRST_CHAN + 1},
        // The earlier row's fault is the one shown, whichever field it is in.
        {{{IDC_CCT_FIRST_LINE + 6, "0"}, {IDC_CCT_FIRST_CHAN + 2, "13"}}, kChannel, IDC_CCT_FIRST_CHAN + 2},
        {{{IDC_CCT_FIRST_LINE + 2, "0"}, {IDC_CCT_FIRST_CHAN + 6, "13"}}, kLine, IDC_CCT_FIRST_LINE + 2},
    };
    for (const Case& c : cases) {
        CCTapeDlg dlg;
        dlg.m_strCCTape = "legacy";
        std::string balloon;
        int nFocus = 0;
        vorntest::RunModal(dlg, [&](HWND h) {
            for (const auto& t : c.typed)
                SetText(h, t.first, t.second);
            ::SendMessageA(h, WM_COMMAND, IDOK, 0);
            nFocus = ::GetDlgCtrlID(::GetFocus());
            balloon = TakeBalloon();
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        EXPECT_EQ(c.pszBalloon, balloon) << c.typed[0].second;
        EXPECT_EQ(c.nFocus, nFocus) << c.typed[0].second;
        EXPECT_STREQ("legacy", dlg.m_strCCTape);
    }
    CCTapeDlg dlg;
    int nLow = -1, nHigh = -1;
    PressOk(dlg, nullptr, [&](HWND h) {
        ::SendDlgItemMessageA(h, IDC_CCT_FIRST_LINE_SPIN + 3, UDM_GETRANGE32, (WPARAM)&nLow, (LPARAM)&nHigh);
    });
    EXPECT_EQ(1, nLow);
    EXPECT_EQ(255, nHigh);
}

TEST(CCTapeDlg, ATapeOfFourteenPunchesIsReportedAndKept)
{
    const char kLong[] = "(1=1,2=2,3=3,4=4,5=5,6=6,7=7,8=8,9=9,10=10,11=11,12=12,13=1,14=2)";
    CCTapeDlg dlg;
    dlg.m_strCCTape = kLong;
    std::string note;
    bool bVisible = false, bLocked = false;
    SOkResult r = PressOk(dlg, nullptr, [&](HWND h) {
        note = Text(h, IDC_CCT_TOO_LONG);
        bVisible = ::IsWindowVisible(::GetDlgItem(h, IDC_CCT_TOO_LONG)) != FALSE;
        bLocked = !Enabled(h, IDC_CCT_FIRST_LINE) && !Enabled(h, IDC_CCT_FIRST_CHAN + 11);
    });
    EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_TRUE(bVisible);
    EXPECT_TRUE(bLocked);
    EXPECT_EQ("This tape has 14 punches, but the editor holds only twelve: the first twelve are shown, and OK "
              "leaves the tape unchanged.",
              note);
    EXPECT_STREQ(kLong, dlg.m_strCCTape);
}

// Widened as by keyboard sizing, a device dialog shows its group boxes as
// freshly painted: no old right edges left standing inside them.
TEST(DeviceDialogs, WideningRepaintsTheGroupBoxesWhole)
{
    CAddPrinterDlg printer;
    printer.m_Device = Printer(0x1403, "C:\\prt\\out.txt", "");
    CAddCardReaderDlg reader;
    reader.m_Device.m_wClass = DEVCLASS_RDR;
    reader.m_Device.m_wDevnum = 0x000C;
    reader.m_Device.m_strTypeWord = "3505";
    for (CDialog* pDlg : {(CDialog*)&printer, (CDialog*)&reader}) {
        std::vector<std::string> stale;
        vorntest::RunModal(*pDlg, [&](HWND h) {
            ::SetFocus(::GetDlgItem(h, IDCANCEL));  // no caret in the readings
            RECT rc;
            ::GetWindowRect(h, &rc);
            for (int cx : {(int)(rc.right - rc.left) + 40, (int)(rc.right - rc.left) + 80, 778}) {
                ::SetWindowPos(h, nullptr, 0, 0, cx, rc.bottom - rc.top, SWP_NOMOVE | SWP_NOZORDER);
                RECT rcNow;
                ::GetWindowRect(h, &rcNow);
                stale.push_back(vorntest::StalePixelsIn(h, rcNow));
            }
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        ASSERT_EQ(3u, stale.size());
        for (const std::string& s : stale)
            EXPECT_EQ("", s) << (pDlg == &printer ? "printer" : "card reader");
    }
}
