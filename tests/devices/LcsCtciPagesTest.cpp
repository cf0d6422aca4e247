// LcsCtciPagesTest.cpp: the LCS and CTCI pages of the communication
// adapter sheet under Wine: their arguments shown and rebuilt ("-d" kept),
// the OAT file and guest addresses, the host adapters by IP and by MAC, the
// buffer sizes typed and stepped at their limits, the checks of OK, the two
// questions answered, and the addresses carried to and from the other
// pages.
#include <gtest/gtest.h>

#include "tests/support/FakeHostAdapters.h"  // winsock2.h before windows.h

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/CHostAdapterArray.h"
#include "config/DevClass.h"
#include "devices/AddCOMMSheet.h"
#include "framework/HelpKeys.h"
#include "tests/devices/CommSheetTestSupport.h"
#include "tests/devices/DeviceDlgTestSupport.h"

using namespace devtest;

namespace {

// What an LCS or CTCI page shows: "guest IP|guest MAC|NIC IP|NIC MAC|
// driver|DLL".
std::string NetValues(HWND p)
{
    return IPAddressText(p, IDC_COMM_GUEST_IP) + "|" + Text(p, IDC_NET_GUEST_MAC) + "|" +
           IPAddressText(p, IDC_COMM_NIC_IP) + "|" + Text(p, IDC_COMM_NIC_MAC) + "|" + Text(p, IDC_NET_DRIVER) + "|" +
           Text(p, IDC_NET_DLL);
}

// The edit loses the focus, as a click elsewhere would make it.
void LeaveField(HWND hPage, int nID)
{
    ::SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(nID, EN_KILLFOCUS), (LPARAM)::GetDlgItem(hPage, nID));
}

// The arrow key in a spin's buddy: the spin steps by one.
void StepWithArrow(HWND hPage, int nEdit, bool bUp)
{
    ::SendMessageA(::GetDlgItem(hPage, nEdit), WM_KEYDOWN, bUp ? VK_UP : VK_DOWN, 0);
    ::SendMessageA(::GetDlgItem(hPage, nEdit), WM_KEYUP, bUp ? VK_UP : VK_DOWN, 0);
}

// Answers the LCS page's questions: each one seen is recorded by its title
// with its texts, and the button its default would give.
struct SQuestionAnswers {
    std::vector<int> buttons;  // the answers, in order; No when they run out
    std::vector<std::string> titles;
    std::string strTexts;
    std::vector<int> defaults;
};

std::unique_ptr<vorntest::DialogDriver> AnswerQuestions(SQuestionAnswers& a)
{
    return std::make_unique<vorntest::DialogDriver>([&a](HWND h) {
        std::string strTitle = Caption(h);
        if (strTitle != "Guest interface undefined" && strTitle != "Host adapter unspecified")
            return true;  // the sheet itself
        a.titles.push_back(strTitle);
        a.strTexts += vorntest::DialogTexts(h) + "\n";
        a.defaults.push_back(LOWORD(::SendMessageA(h, DM_GETDEFID, 0, 0)));
        size_t n = a.titles.size() - 1;
        int nButton = n < a.buttons.size() ? a.buttons[n] : IDNO;
        ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED), 0);
        return true;
    });
}

// The sheet fixture with the LCS page's adapter count at 1 (no host adapter
// question) unless a test says otherwise; a question no test expects is
// answered No (and fails the test) instead of waiting for ever.
struct LcsCtciTest : CommSheetFixture {
    SQuestionAnswers unexpected;
    std::unique_ptr<vorntest::DialogDriver> answerer;

    void SetUp() override
    {
        CommSheetFixture::SetUp();
        answerer = AnswerQuestions(unexpected);
    }
    void TearDown() override
    {
        answerer.reset();
        EXPECT_TRUE(unexpected.titles.empty()) << unexpected.strTexts;
        CommSheetFixture::TearDown();
    }
    void Open(CAddCOMMSheet& sheet, bool bAdd, const char* pszStmt)
    {
        CommSheetFixture::Open(sheet, bAdd, pszStmt);
        sheet.m_LCSPage.m_countHostAdapters = [] { return 1; };
    }
};

}  // namespace

// ---- LCS ----

TEST_F(LcsCtciTest, LcsArgumentsAreShown)
{
    struct Row {
        const char* pszArgs;
        const char* pszShown;  // guest IP | OAT | guest MAC | NIC IP | NIC MAC | driver | DLL
        const char* pszEnabled;  // guest IP, OAT, ">", Edit OAT, guest MAC, NIC IP, NIC MAC as 0/1
    };
    const Row rows[] = {
        {"-o C:\\cfg\\lcs.oat -m 02:00:00:00:00:01", "|C:\\cfg\\lcs.oat||||0|0", "0111011"},
        {"-n 00-11-22-33-44-55 10.1.1.1", "10.1.1.1||||00-11-22-33-44-55|0|0", "1000101"},
        {"-k abc", "|||||0|0", "1110111"},
        {"-n 192.168.1.10 -k 1024 -i 64 -m 02:00:00:00:00:01", "||02:00:00:00:00:01|192.168.1.10||1024|64", "1000110"},
    };
    for (const Row& r : rows) {
        CAddCOMMSheet sheet;
        Open(sheet, false, (std::string("0E20 LCS ") + r.pszArgs).c_str());
        std::string strShown, strEnabled;
        InspectSheet(sheet, [&](HWND, HWND p) {
            strShown = IPAddressText(p, IDC_COMM_GUEST_IP) + "|" + Text(p, IDC_LCS_OAT) + "|" +
                       Text(p, IDC_NET_GUEST_MAC) + "|" + IPAddressText(p, IDC_COMM_NIC_IP) + "|" +
                       Text(p, IDC_COMM_NIC_MAC) + "|" + Text(p, IDC_NET_DRIVER) + "|" + Text(p, IDC_NET_DLL);
            for (int nID : {IDC_COMM_GUEST_IP, IDC_LCS_OAT, IDC_LCS_OAT_BROWSE, IDC_LCS_EDIT_OAT, IDC_NET_GUEST_MAC,
                            IDC_COMM_NIC_IP, IDC_COMM_NIC_MAC})
                strEnabled += Enabled(p, nID) ? "1" : "0";
        });
        EXPECT_EQ(r.pszShown, strShown) << r.pszArgs;
        EXPECT_EQ(r.pszEnabled, strEnabled) << r.pszArgs;
    }
}

// Editing an adapter keeps "-d": OK on an unchanged device gives the same
// arguments, and the command carries them with two blanks around the words.
TEST_F(LcsCtciTest, LcsOkOnAnUnchangedDeviceGivesTheSameArguments)
{
    for (const char* pszArgs : {"-d -n 192.168.1.10 -k 1024 192.168.1.80",
                                "-d -n 02:00:5E:00:01:02 -k 2048 -i 1024 -m 02:00:00:00:00:01 10.1.1.1"}) {
        CAddCOMMSheet sheet;
        Open(sheet, false, (std::string("0E20 LCS ") + pszArgs).c_str());
        SSheetRun run = RunSheet(sheet, nullptr);
        ASSERT_EQ(IDOK, run.nResult) << run.strBalloon;
        EXPECT_STREQ(pszArgs, sheet.m_Device.m_strOtherArgs);
        EXPECT_EQ(std::string("devinit  0E20  ") + pszArgs, sheet.m_strCommand.GetString());
        EXPECT_EQ(COMM_SUBTYPE_LCS, sheet.m_Device.m_nSubtype);
        EXPECT_STREQ("LCS", sheet.m_Device.m_strFirstArg);
    }
    CAddCOMMSheet sheet;
    Open(sheet, true, "0E20 LCS -n 192.168.1.10 -k 1024 192.168.1.80");
    SSheetRun run = RunSheet(sheet, nullptr);
    ASSERT_EQ(IDOK, run.nResult) << run.strBalloon;
    EXPECT_STREQ("attach  0E20  LCS  -n 192.168.1.10 -k 1024 192.168.1.80", sheet.m_strCommand);
    EXPECT_EQ(DEVCLASS_COMM, sheet.m_Device.m_wClass);
    EXPECT_EQ(0x3088, sheet.m_Device.m_wDevType);
}

TEST_F(LcsCtciTest, LcsOatFileAndGuestAddressesExcludeEachOther)
{
    CAddCOMMSheet sheet;
    Open(sheet, true, "0E20 LCS");
    sheet.m_Device.m_nSubtype = COMM_SUBTYPE_LCS;
    std::string strOatAfterMac = "x";
    bool bGuestIPWithOat = true, bEditWithOat = false, bOatWithMac = true, bBrowseWithMac = true, bOatAfter = false;
    InspectSheet(sheet, [&](HWND h, HWND p) {
        SetText(p, IDC_LCS_OAT, "C:\\cfg\\lcs.oat");
        bGuestIPWithOat = Enabled(p, IDC_COMM_GUEST_IP) || Enabled(p, IDC_NET_GUEST_MAC);
        bEditWithOat = Enabled(p, IDC_LCS_EDIT_OAT);
        SetText(p, IDC_LCS_OAT, "  ");
        ::EnableWindow(::GetDlgItem(p, IDC_NET_GUEST_MAC), TRUE);
        SetText(p, IDC_NET_GUEST_MAC, "02:00:00:00:00:01");
        strOatAfterMac = Text(p, IDC_LCS_OAT);
        bOatWithMac = Enabled(p, IDC_LCS_OAT);
        bBrowseWithMac = Enabled(p, IDC_LCS_OAT_BROWSE) || Enabled(p, IDC_LCS_EDIT_OAT);
        SetText(p, IDC_NET_GUEST_MAC, "");
        bOatAfter = Enabled(p, IDC_LCS_OAT) && Enabled(p, IDC_LCS_OAT_BROWSE);
    });
    EXPECT_FALSE(bGuestIPWithOat);
    EXPECT_TRUE(bEditWithOat);
    EXPECT_EQ("", strOatAfterMac);
    EXPECT_FALSE(bOatWithMac);
    EXPECT_FALSE(bBrowseWithMac);
    EXPECT_TRUE(bOatAfter);
}

TEST_F(LcsCtciTest, LcsChecksInTheirOrder)
{
    std::string strOat = dir.Write("lcs.oat", "* address table\n");
    struct Row {
        const char* pszArgs;
        const char* pszBalloon;
    };
    const std::string strWithOat = "-o " + strOat;
    const Row rows[] = {
        {"-n 192.0.2.1 10.1.1.1", "Host NIC IP Address: Invalid Host Adapter IP address"},
        {"-n 02:00:5E:00:01:99 10.1.1.1", "Host NIC MAC Address: Invalid Host Adapter MAC address"},
        {"-n 192.168.1.10 10.0.0.0", "Guest IP Address: Invalid Guest IP address"},
        {"-n 192.168.1.10 -o Z:\\no\\such.oat", "OAT Filename: "},
        {"-n 192.168.1.10 -k 63 10.1.1.1", "Driver Buffer Size: The minimum Driver buffer size is 64K"},
        {"-n 192.168.1.10 -k 64 -i 15 10.1.1.1", "DLL Buffer Size: The minimum DLL buffer size is 16K"},
        {"-n 192.168.1.10 -i 32 10.1.1.1", "DLL Buffer Size: The DLL buffer size cannot be greater than the Driver "
                                           "buffer size"},
        {"-n 192.168.1.10 -k 99999 10.1.1.1", "Driver Buffer Size: The maximum Driver buffer size is 16384K"},
    };
    for (const Row& r : rows) {
        CAddCOMMSheet sheet;
        Open(sheet, false, (std::string("0E20 LCS ") + r.pszArgs).c_str());
        SSheetRun run = RunSheet(sheet, nullptr);
        EXPECT_EQ(IDCANCEL, run.nResult) << r.pszArgs;
        EXPECT_EQ(0u, run.strBalloon.rfind(r.pszBalloon, 0)) << r.pszArgs << ": " << run.strBalloon;
        EXPECT_STREQ("", sheet.m_strCommand);
    }
    CAddCOMMSheet sheet;
    Open(sheet, false, ("0E20 LCS -n 192.168.1.10 " + strWithOat).c_str());
    SSheetRun run = RunSheet(sheet, nullptr);
    ASSERT_EQ(IDOK, run.nResult) << run.strBalloon;
    EXPECT_STREQ(("-n 192.168.1.10 -o " + strOat).c_str(), sheet.m_Device.m_strOtherArgs);

    // A guest address typed only in part is refused, not taken for none.
    CAddCOMMSheet partly;
    Open(partly, false, "0E20 LCS -n 192.168.1.10 10.1.1.1");
    run = RunSheet(partly, [&](HWND, HWND p) {
        HWND hIP = ::GetDlgItem(p, IDC_COMM_GUEST_IP);
        ClearIPAddress(p, IDC_COMM_GUEST_IP);
        ::SetWindowTextA(::GetWindow(hIP, GW_CHILD), "10");
    });
    EXPECT_EQ("Guest IP Address: Invalid Guest IP address", run.strBalloon);
}

// The host adapter by IP and by MAC: one of the host's (the test's adapter
// and Wine's own first one when it reports one); 192.0.2.1 is none.
TEST_F(LcsCtciTest, HostAdapterByIpOrByMacOnBothPages)
{
    CHostAdapterArray host;
    host.ReadHost();
    if (host.GetSize() > 0)
        HostAdapters().Add(host[0]);
    for (INT_PTR i = 0; i < HostAdapters().GetSize(); ++i) {
        const CHostAdapter& a = HostAdapters()[i];
        const BYTE* ip = (const BYTE*)&a.m_dwIPv4;  // network byte order
        char szIP[20], szMac[20];
        ::wsprintfA(szIP, "%d.%d.%d.%d", ip[0], ip[1], ip[2], ip[3]);
        ::wsprintfA(szMac, "%02X:%02X:%02X:%02X:%02X:%02X", a.m_abyMAC[0], a.m_abyMAC[1], a.m_abyMAC[2],
                    a.m_abyMAC[3], a.m_abyMAC[4], a.m_abyMAC[5]);
        for (const char* pszNic : {szIP, szMac}) {
            CAddCOMMSheet lcs;
            Open(lcs, false, (std::string("0E20 LCS -n ") + pszNic + " 10.1.1.1").c_str());
            SSheetRun run = RunSheet(lcs, nullptr);
            EXPECT_EQ(IDOK, run.nResult) << pszNic << " " << run.strBalloon;
            CAddCOMMSheet ctci;
            const std::string strArgs = pszNic == szMac ? std::string("-n ") + szMac + " 10.1.1.1 0.0.0.0"
                                                        : std::string("10.1.1.1 ") + szIP;
            Open(ctci, false, ("0E40 CTCI " + strArgs).c_str());
            run = RunSheet(ctci, nullptr);
            EXPECT_EQ(IDOK, run.nResult) << pszNic << " " << run.strBalloon;
        }
    }
    for (const char* pszStmt : {"0E20 LCS -n 192.0.2.1 10.1.1.1", "0E40 CTCI 10.1.1.1 192.0.2.1"}) {
        CAddCOMMSheet sheet;
        Open(sheet, false, pszStmt);
        SSheetRun run = RunSheet(sheet, nullptr);
        EXPECT_EQ("Host NIC IP Address: Invalid Host Adapter IP address", run.strBalloon) << pszStmt;
    }
}

// Without an OAT file and guest addresses the page asks; No (the default)
// keeps the sheet open, Yes goes on to the host adapter's question, asked
// only while the host has two adapters or more and none is named.
TEST_F(LcsCtciTest, LcsQuestionsAnsweredNoKeepTheSheetOpen)
{
    vorntest::FakeAdapters two;
    two.Add(L"eth0", 6, 0xA0, "192.168.1.10");
    two.Add(L"eth1", 6, 0xA1, "10.0.0.3");
    struct Row {
        std::vector<int> answers;
        bool bTwoAdapters;
        const char* pszTitles;
        INT_PTR nResult;
    };
    const Row rows[] = {
        {{IDNO}, true, "Guest interface undefined|", IDCANCEL},
        {{IDYES, IDNO}, true, "Guest interface undefined|Host adapter unspecified|", IDCANCEL},
        {{IDYES, IDYES}, true, "Guest interface undefined|Host adapter unspecified|", IDOK},
        {{IDYES}, false, "Guest interface undefined|", IDOK},
    };
    for (const Row& r : rows) {
        CAddCOMMSheet sheet;
        Open(sheet, true, "0E20 LCS -k 1024");
        if (r.bTwoAdapters)
            sheet.m_LCSPage.m_countHostAdapters = [&two] { return CountHostAdapters(vorntest::QueryOf(two)); };
        SQuestionAnswers answers;
        answers.buttons = r.answers;
        auto driver = AnswerQuestions(answers);
        SSheetRun run = RunSheet(sheet, nullptr);
        std::string strTitles;
        for (const std::string& t : answers.titles)
            strTitles += t + "|";
        EXPECT_EQ(r.pszTitles, strTitles);
        EXPECT_EQ(r.nResult, run.nResult);
        EXPECT_EQ("", run.strBalloon);
        for (int nDefault : answers.defaults)
            EXPECT_EQ(IDNO, nDefault);
        EXPECT_STREQ(r.nResult == IDOK ? "attach  0E20  LCS  -k 1024" : "", sheet.m_strCommand);
        if (!answers.titles.empty()) {
            EXPECT_NE(std::string::npos, answers.strTexts.find("The Guest IP and MAC addresses are still undefined."));
            EXPECT_NE(std::string::npos, answers.strTexts.find("Are you SURE this is what you want to do?"));
        }
        if (answers.titles.size() > 1) {
            EXPECT_NE(std::string::npos,
                      answers.strTexts.find("You didn't specify which host network adapter to use."));
        }
    }
}

// A guest address or an OAT file, and a named adapter: nothing is asked.
TEST_F(LcsCtciTest, LcsAsksNothingWhenEverythingIsNamed)
{
    vorntest::FakeAdapters two;
    two.Add(L"eth0", 6, 0xA0, "192.168.1.10");
    two.Add(L"eth1", 6, 0xA1, "10.0.0.3");
    for (const char* pszArgs : {"-n 192.168.1.10 -m 02:00:00:00:00:01", "-n 192.168.1.10 10.1.1.1"}) {
        CAddCOMMSheet sheet;
        Open(sheet, false, (std::string("0E20 LCS ") + pszArgs).c_str());
        sheet.m_LCSPage.m_countHostAdapters = [&two] { return CountHostAdapters(vorntest::QueryOf(two)); };
        SQuestionAnswers answers;
        auto driver = AnswerQuestions(answers);
        SSheetRun run = RunSheet(sheet, nullptr);
        EXPECT_EQ(IDOK, run.nResult) << pszArgs << " " << run.strBalloon;
        EXPECT_TRUE(answers.titles.empty()) << pszArgs;
    }
}

TEST_F(LcsCtciTest, EditOatRefusesAFileThatIsNotThere)
{
    CAddCOMMSheet sheet;
    Open(sheet, false, "0E20 LCS -n 192.168.1.10 -o Z:\\no\\such.oat");
    std::string strBalloonTitle;
    DWORD dwSel = 0;
    int nTextLength = 0;
    HWND hFocus = nullptr, hOat = nullptr;
    InspectSheet(sheet, [&](HWND, HWND p) {
        Click(p, IDC_LCS_EDIT_OAT);
        CString strTitle, strText;
        if (ErrorBalloonWindow(&strTitle, &strText))
            strBalloonTitle = strTitle.GetString();
        ErrorBalloonHide();
        hOat = ::GetDlgItem(p, IDC_LCS_OAT);
        hFocus = ::GetFocus();
        dwSel = (DWORD)::SendMessageA(hOat, EM_GETSEL, 0, 0);
        nTextLength = ::GetWindowTextLengthA(hOat);
    });
    EXPECT_EQ("OAT Filename", strBalloonTitle);
    EXPECT_EQ(hOat, hFocus);
    EXPECT_EQ(0u, LOWORD(dwSel));
    EXPECT_EQ((UINT)nTextLength, HIWORD(dwSel));
}

// ---- the buffer sizes (both pages) ----

TEST_F(LcsCtciTest, BufferSizesTypedAtTheirLimits)
{
    struct Row {
        const char* pszDriver;
        const char* pszDll;
        const char* pszShown;  // driver|DLL after both fields were left
    };
    const Row rows[] = {
        {"5", "0", "0|0"},          {"63", "16", "0|0"},        {"64", "15", "64|0"},
        {"99999", "2000", "16384|1024"}, {"64", "100", "64|64"}, {"abc", "", "0|0"},
        {"16384", "1024", "16384|1024"},
    };
    for (const char* pszStmt : {"0E20 LCS -n 192.168.1.10 10.1.1.1", "0E40 CTCI 10.1.1.1 192.168.1.10"}) {
        for (const Row& r : rows) {
            CAddCOMMSheet sheet;
            Open(sheet, false, pszStmt);
            std::string strShown;
            InspectSheet(sheet, [&](HWND, HWND p) {
                SetText(p, IDC_NET_DRIVER, r.pszDriver);
                LeaveField(p, IDC_NET_DRIVER);
                SetText(p, IDC_NET_DLL, r.pszDll);
                LeaveField(p, IDC_NET_DLL);
                strShown = Text(p, IDC_NET_DRIVER) + "|" + Text(p, IDC_NET_DLL);
            });
            EXPECT_EQ(r.pszShown, strShown) << pszStmt << " " << r.pszDriver << " " << r.pszDll;
        }
    }
}

TEST_F(LcsCtciTest, BufferSizesSteppedAtTheirLimits)
{
    for (const char* pszStmt : {"0E20 LCS -n 192.168.1.10 10.1.1.1", "0E40 CTCI 10.1.1.1 192.168.1.10"}) {
        CAddCOMMSheet sheet;
        Open(sheet, false, pszStmt);
        std::vector<std::string> seen;
        InspectSheet(sheet, [&](HWND, HWND p) {
            auto shown = [&] { seen.push_back(Text(p, IDC_NET_DRIVER) + "|" + Text(p, IDC_NET_DLL)); };
            StepWithArrow(p, IDC_NET_DLL, true);  // 0 up: the minimum
            shown();
            StepWithArrow(p, IDC_NET_DRIVER, true);  // 0 up: the minimum
            shown();
            StepWithArrow(p, IDC_NET_DLL, true);
            shown();
            for (int i = 0; i < 60; ++i)
                StepWithArrow(p, IDC_NET_DLL, true);  // held to the driver size
            shown();
            StepWithArrow(p, IDC_NET_DRIVER, false);  // below the minimum: 0, the DLL follows
            shown();
            SetText(p, IDC_NET_DRIVER, "16384");
            LeaveField(p, IDC_NET_DRIVER);
            StepWithArrow(p, IDC_NET_DRIVER, true);
            shown();
        });
        const std::vector<std::string> expected = {"0|16", "64|16", "64|17", "64|64", "0|0", "16384|0"};
        EXPECT_EQ(expected, seen) << pszStmt;
    }
}

// Typed and left, or typed and OK pressed with Enter at once: the checks
// of OK see the value either way.
TEST_F(LcsCtciTest, BufferSizesAreCheckedOnOk)
{
    CAddCOMMSheet sheet;
    Open(sheet, false, "0E40 CTCI 10.1.1.1 192.168.1.10");
    SSheetRun run = RunSheet(sheet, [&](HWND, HWND p) { SetText(p, IDC_NET_DLL, "32"); });
    EXPECT_EQ("DLL Buffer Size: The DLL buffer size cannot be greater than the Driver buffer size", run.strBalloon);

    CAddCOMMSheet typed;
    Open(typed, false, "0E40 CTCI 10.1.1.1 192.168.1.10");
    run = RunSheet(typed, [&](HWND, HWND p) {
        SetText(p, IDC_NET_DRIVER, "2048");
        SetText(p, IDC_NET_DLL, "64");
    });
    ASSERT_EQ(IDOK, run.nResult) << run.strBalloon;
    EXPECT_STREQ("devinit  0E40  -k 2048  -i 64  10.1.1.1  192.168.1.10", typed.m_strCommand);
}

// ---- CTCI ----

TEST_F(LcsCtciTest, CtciArgumentsAreShownAndRebuilt)
{
    struct Row {
        const char* pszArgs;
        const char* pszShown;  // NetValues
        const char* pszBalloon;
        const char* pszRebuilt;
    };
    const Row rows[] = {
        {"-n 192.168.1.10 10.0.0.2 0.0.0.0", "10.0.0.2||192.168.1.10||0|0", "", "10.0.0.2  192.168.1.10"},
        {"10.0.0.2 0.0.0.0", "10.0.0.2||||0|0", "Host NIC IP Address: Invalid Host Adapter IP address", ""},
        {"-m 02:00:00:00:00:0X -n 02:00:5E:00:01:02 10.0.0.2", "10.0.0.2|||02:00:5E:00:01:02|0|0", "",
         "-n 02:00:5E:00:01:02  10.0.0.2  0.0.0.0"},
        {"-d -k 2048 10.0.0.2 192.168.1.10", "10.0.0.2||192.168.1.10||2048|0", "", "-d  -k 2048  10.0.0.2  192.168.1.10"},
        {"-d  -m 02:00:00:00:00:01  -n 02:00:5E:00:01:02  -k 128  -i 64  10.0.0.2  0.0.0.0",
         "10.0.0.2|02:00:00:00:00:01||02:00:5E:00:01:02|128|64", "",
         "-d  -m 02:00:00:00:00:01  -n 02:00:5E:00:01:02  -k 128  -i 64  10.0.0.2  0.0.0.0"},
        {"-n 192.168.1.10", "||192.168.1.10||0|0", "Guest IP Address: Invalid Guest IP address", ""},
    };
    for (const Row& r : rows) {
        CAddCOMMSheet sheet;
        Open(sheet, false, (std::string("0E40 CTCI ") + r.pszArgs).c_str());
        std::string strShown;
        SSheetRun run = RunSheet(sheet, [&](HWND, HWND p) {
            strShown = NetValues(p);
        });
        EXPECT_EQ(r.pszShown, strShown) << r.pszArgs;
        EXPECT_EQ(r.pszBalloon, run.strBalloon) << r.pszArgs;
        EXPECT_STREQ(r.pszRebuilt, *r.pszBalloon ? "" : sheet.m_Device.m_strOtherArgs.GetString()) << r.pszArgs;
        if (!*r.pszBalloon) {
            EXPECT_EQ(std::string("devinit  0E40  ") + r.pszRebuilt, sheet.m_strCommand.GetString());
        }
    }
    CAddCOMMSheet sheet;
    Open(sheet, true, "0E40 CTCI -k 1024 192.168.2.2 192.168.1.10");
    SSheetRun run = RunSheet(sheet, nullptr);
    ASSERT_EQ(IDOK, run.nResult) << run.strBalloon;
    EXPECT_STREQ("attach  0E40  CTCI  -k 1024  192.168.2.2  192.168.1.10", sheet.m_strCommand);
    EXPECT_EQ(COMM_SUBTYPE_CTCI, sheet.m_Device.m_nSubtype);
    EXPECT_STREQ("CTCI", sheet.m_Device.m_strFirstArg);
}

// ---- the addresses carried to and from the LCS and CTCI pages ----

TEST_F(LcsCtciTest, CarryOverPairs)
{
    struct Row {
        const char* pszStmt;  // the device, of the kind whose page opens first
        const char* pszTo;    // the page switched to
        const char* pszShown;
    };
    // LCS, CTCI: guest IP | guest MAC | NIC IP | NIC MAC | driver | DLL;
    // OSA: guest IP | NIC IP | NIC MAC; CTCE: remote host.
    const Row rows[] = {
        {"0E20 OSA iface 192.168.1.10 ipaddr 10.0.0.5 netmask 255.0.0.0", "LCS", "10.0.0.5||192.168.1.10||0|0"},
        {"0E20 OSA iface 02:00:5E:00:01:02 ipaddr 10.0.0.5 netmask 255.0.0.0", "CTCI",
         "10.0.0.5|||02:00:5E:00:01:02|0|0"},
        {"0E20 CTCI -m 02:00:00:00:00:01 -k 2048 -i 64 10.0.0.2 192.168.1.10", "LCS",
         "10.0.0.2|02:00:00:00:00:01|192.168.1.10||2048|64"},
        {"0E20 LCS -n 02:00:5E:00:01:02 -k 128 -i 16 -m 02:00:00:00:00:01 10.1.1.1", "CTCI",
         "10.1.1.1|02:00:00:00:00:01||02:00:5E:00:01:02|128|16"},
        {"0E20 CTCE 30880 192.168.1.20 30880 32768", "LCS", "||192.168.1.20||0|0"},
        {"0E20 CTCE 30880 192.168.1.20 30880 32768", "CTCI", "||192.168.1.20||0|0"},
        {"0E20 LCS -n 192.168.1.10 -m 02:00:00:00:00:01 10.1.1.1", "OSA", "10.1.1.1|192.168.1.10|"},
        {"0E20 CTCI -n 02:00:5E:00:01:02 10.0.0.2 0.0.0.0", "OSA", "10.0.0.2||02:00:5E:00:01:02"},
        {"0E20 LCS -n 192.168.1.10 10.1.1.1", "CTCE", "192.168.1.10"},
        {"0E20 CTCI 10.0.0.2 192.168.1.10", "CTCE", "192.168.1.10"},
        // the LCS OAT file is not carried: the CTCI page gets no guest
        {"0E20 LCS -n 192.168.1.10 -o C:\\cfg\\lcs.oat", "CTCI", "||192.168.1.10||0|0"},
    };
    for (const Row& r : rows) {
        CAddCOMMSheet sheet;
        Open(sheet, true, r.pszStmt);
        std::string strShown, strTo = r.pszTo;
        InspectSheet(sheet, [&](HWND h, HWND) {
            HWND p = SelectPageByCaption(h, r.pszTo);
            if (strTo == "LCS" || strTo == "CTCI")
                strShown = NetValues(p);
            else if (strTo == "OSA")
                strShown = IPAddressText(p, IDC_COMM_GUEST_IP) + "|" + IPAddressText(p, IDC_COMM_NIC_IP) + "|" +
                           Text(p, IDC_COMM_NIC_MAC);
            else
                strShown = IPAddressText(p, IDC_CTCE_RHOST);
        });
        EXPECT_EQ(r.pszShown, strShown) << r.pszStmt << " -> " << r.pszTo;
    }
}

// A device switched to the LCS page and OK'd there becomes an LCS device.
TEST_F(LcsCtciTest, AddedOnTheLcsPageAfterASwitch)
{
    CAddCOMMSheet sheet;
    Open(sheet, true, "0E20 CTCE 30880 192.168.1.10 30880 32768");
    SSheetRun run = RunSheet(sheet, [&](HWND h, HWND) {
        HWND p = SelectPageByCaption(h, "LCS");
        SetIPAddress(p, IDC_COMM_GUEST_IP, 10, 1, 1, 1);
    });
    ASSERT_EQ(IDOK, run.nResult) << run.strBalloon;
    EXPECT_STREQ("attach  0E20  LCS  -n 192.168.1.10 10.1.1.1", sheet.m_strCommand);
    EXPECT_EQ(COMM_SUBTYPE_LCS, sheet.m_Device.m_nSubtype);
    EXPECT_STREQ("LCS", sheet.m_Device.m_strFirstArg);
}

TEST_F(LcsCtciTest, BalloonsOfThePagesControls)
{
    CAddCOMMSheet sheet;
    EXPECT_EQ("Click this button to manually edit an existing OAT file.\nEdit OAT File",
              std::string(sheet.m_LCSPage.GetHelpString(MakeHelpKey(IDD_ADD_LCS, IDC_LCS_EDIT_OAT))));
    EXPECT_EQ("Here you can override the default NetShim i/o buffer size.\nNetShim Buffer size",
              std::string(sheet.m_CTCIPage.GetHelpString(MakeHelpKey(IDD_ADD_CTCI, IDC_NET_DLL_SPIN))));
    EXPECT_EQ("Use this page to define values describing your Channel to Channel link to host system IP stack (CTCI) "
              "networking interface.\nCTCI",
              std::string(sheet.m_CTCIPage.GetHelpString(MakeHelpKey(IDD_ADD_CTCI, 0))));
    EXPECT_EQ((UINT)IDS_HELP_NET_DRIVER, sheet.m_LCSPage.GetHelpId(MakeHelpKey(IDD_ADD_LCS, IDC_NET_DRIVER_UNIT)));
    EXPECT_EQ((UINT)IDS_HELP_COMM_NIC_OR, sheet.m_CTCIPage.GetHelpId(MakeHelpKey(IDD_ADD_CTCI, IDC_COMM_NIC_OR)));
}
