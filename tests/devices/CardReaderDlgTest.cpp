// CardReaderDlgTest.cpp: the card reader's and the socket dialog's windows
// under Wine: reinitialising keeps the statement's files and options, the
// type list's choice, files added (typed or browsed) and refused, a typed
// file taken by OK, the multifile automatic, the ascii/ebcdic rules, socket
// mode and back, decks of any length, and the socket dialog's fields and
// refusals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/DevClass.h"
#include "devices/AddCardReaderDlg.h"
#include "devices/SockdevDlg.h"
#include "tests/config/TempFile.h"
#include "tests/devices/DeviceDlgTestSupport.h"
#include "tests/support/ListBoxRows.h"

using namespace devtest;

namespace {

CVornDevice Reader(WORD wDevnum, const char* pszType, const char* pszFirst, const char* pszOther)
{
    CVornDevice dev;
    dev.m_wClass = DEVCLASS_RDR;
    dev.m_wDevnum = wDevnum;
    dev.m_strTypeWord = pszType;
    dev.m_wDevType = 0x3505;
    dev.m_strFirstArg = pszFirst;
    dev.m_strOtherArgs = pszOther;
    return dev;
}

std::vector<std::string> ListItems(HWND hDlg)
{
    std::vector<std::string> items;
    HWND hList = ::GetDlgItem(hDlg, IDC_RDR_FILE_LIST);
    int n = (int)::SendMessageA(hList, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < n; ++i) {
        char sz[MAX_PATH + 32] = "";
        ::SendMessageA(hList, LB_GETTEXT, (WPARAM)i, (LPARAM)sz);
        items.push_back(sz);
    }
    return items;
}

// Types a file name and presses "Add".
void AddFile(HWND hDlg, const std::string& strPath)
{
    SetText(hDlg, IDC_RDR_FILE, strPath.c_str());
    Click(hDlg, IDC_RDR_ADD);
}

std::string TypeText(HWND hDlg)
{
    HWND hCombo = ::GetDlgItem(hDlg, IDC_DEVDLG_DEVTYPE);
    char sz[32] = "";
    ::SendMessageA(hCombo, CB_GETLBTEXT, (WPARAM)::SendMessageA(hCombo, CB_GETCURSEL, 0, 0), (LPARAM)sz);
    return sz;
}

}  // namespace

TEST(CAddCardReaderDlg, ReinitialisingKeepsTheFilesAndOptionsOfTheStatement)
{
    CAddCardReaderDlg dlg;
    dlg.m_Device = Reader(0x000C, "3505", "deck1.txt", "deck2.txt ascii eof");
    std::vector<std::string> items;
    std::string caption, type;
    bool bAscii = false, bEof = false, bTrunc = true, bNumber = true, bType = true, bAdd = true;
    SOkResult r = PressOk(dlg, nullptr, [&](HWND h) {
        items = ListItems(h);
        caption = Caption(h);
        type = TypeText(h);
        bAscii = Checked(h, IDC_DEVDLG_ASCII);
        bEof = Checked(h, IDC_RDR_EOF);
        bTrunc = Checked(h, IDC_RDR_TRUNC);
        bNumber = Enabled(h, IDC_DEVDLG_DEVNUM);
        bType = Enabled(h, IDC_DEVDLG_DEVTYPE);
        bAdd = Enabled(h, IDC_RDR_ADD);
    });
    EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ((std::vector<std::string>{"deck1.txt", "deck2.txt"}), items);
    EXPECT_EQ("Reinitialize Card Reader", caption);
    EXPECT_EQ("3505", type);
    EXPECT_TRUE(bAscii);
    EXPECT_TRUE(bEof);
    EXPECT_FALSE(bTrunc);
    EXPECT_FALSE(bNumber);
    EXPECT_FALSE(bType);
    EXPECT_FALSE(bAdd);
    EXPECT_STREQ("devinit 000C deck1.txt deck2.txt ascii eof", dlg.m_strCommand);
    EXPECT_STREQ("deck1.txt", dlg.m_Device.m_strFirstArg);
    EXPECT_STREQ("deck2.txt ascii eof", dlg.m_Device.m_strOtherArgs);
}

// A deck name of 100 KB from the statement: listed, moved up, set aside
// for socket mode and brought back, and in the command and the device
// whole.
TEST(CAddCardReaderDlg, DecksOfAnyLengthComeBackWhole)
{
    const std::string strLong = "C:\\decks\\" + std::string(100 * 1024, 'k') + ".txt";
    CAddCardReaderDlg dlg;
    dlg.m_Device = Reader(0x000C, "3505", "deck1.txt", (strLong + " ascii").c_str());
    std::vector<std::string> listed, moved, afterSocket;
    SOkResult r = PressOk(dlg, nullptr, [&](HWND h) {
        listed = vorntest::ListBoxRows(::GetDlgItem(h, IDC_RDR_FILE_LIST));
        ::SendDlgItemMessageA(h, IDC_RDR_FILE_LIST, LB_SETCURSEL, 1, 0);
        Click(h, IDC_RDR_MOVE_UP);
        moved = vorntest::ListBoxRows(::GetDlgItem(h, IDC_RDR_FILE_LIST));
        vorntest::DialogDriver socket([](HWND hSocket) {
            if (Caption(hSocket) != "Define Listening Socket")
                return true;
            ::PostMessageA(hSocket, WM_COMMAND, IDOK, 0);
            return false;
        });
        Click(h, IDC_RDR_SOCKDEV);
        Click(h, IDC_RDR_SOCKDEV);
        afterSocket = vorntest::ListBoxRows(::GetDlgItem(h, IDC_RDR_FILE_LIST));
    });
    EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ((std::vector<std::string>{"deck1.txt", strLong}), listed);
    EXPECT_EQ((std::vector<std::string>{strLong, "deck1.txt"}), moved);
    EXPECT_EQ(moved, afterSocket);
    EXPECT_EQ(0u, std::string(dlg.m_strCommand).rfind("devinit 000C " + strLong + " deck1.txt ascii", 0));
    EXPECT_EQ(strLong, std::string(dlg.m_Device.m_strFirstArg));
}

TEST(CAddCardReaderDlg, TypeChoiceWhenAdding)
{
    const struct { const char* pszTypeWord; WORD wDevType; const char* pszShown; } rows[] = {
        {"", 0x3505, "3505"},      // an empty name: the device type's digits
        {"1442", 0x1442, "1442"},
        {"35", 0x3505, "3505"},    // by prefix
        {"3525", 0x3525, "2501"},  // not a reader: the fallback
    };
    for (const auto& row : rows) {
        CAddCardReaderDlg dlg;
        CSetRouter router;
        dlg.m_bAdd = true;
        dlg.m_pRouter = &router;
        dlg.m_Device.m_strTypeWord = row.pszTypeWord;
        dlg.m_Device.m_wDevType = row.wDevType;
        std::string shown, caption;
        PressOk(dlg, [&](HWND h) { ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0); },
                [&](HWND h) {
                    shown = TypeText(h);
                    caption = Caption(h);
                });
        EXPECT_EQ(row.pszShown, shown) << row.pszTypeWord;
        EXPECT_EQ("Add New Card Reader", caption);
    }
}

TEST(CAddCardReaderDlg, AddedFilesMakeTheCommandAndRefusedOnesStayInTheField)
{
    TempDir dir;
    std::string strDeck = dir.Write("a.txt", "//JOB\n");
    std::string strSpaced = dir.Write("my deck.txt", "//JOB\n");
    CAddCardReaderDlg dlg;
    CSetRouter router;
    dlg.m_bAdd = true;
    dlg.m_pRouter = &router;
    std::string balloon, field, items0;
    size_t nItemsAfterRefusal = 0;
    bool bMultifile = false;
    SOkResult r = PressOk(dlg, [&](HWND h) {
        SetText(h, IDC_DEVDLG_DEVNUM, "000C");
        ::SendDlgItemMessageA(h, IDC_DEVDLG_DEVTYPE, CB_SETCURSEL, 2, 0);
        AddFile(h, dir.Path("missing.txt"));
        CString strTitle, strText;
        if (ErrorBalloonWindow(&strTitle, &strText))
            balloon = std::string(strTitle) + ": " + std::string(strText);
        ErrorBalloonHide();
        field = Text(h, IDC_RDR_FILE);
        nItemsAfterRefusal = ListItems(h).size();
        AddFile(h, strDeck);
        AddFile(h, strSpaced);
        bMultifile = Checked(h, IDC_RDR_MULTIFILE);
    });
    EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ("Input File: File not found.", balloon);
    EXPECT_EQ(dir.Path("missing.txt"), field);
    EXPECT_EQ(0u, nItemsAfterRefusal);
    EXPECT_TRUE(bMultifile);
    EXPECT_EQ("attach 000C 3505 " + strDeck + " \"" + strSpaced + "\" intrq multifile",
              std::string(dlg.m_strCommand));
    EXPECT_EQ(0x3505, dlg.m_Device.m_wDevType);
    EXPECT_EQ(0x000C, dlg.m_Device.m_wDevnum);
}

// A file typed into "Input File" but not added is not lost when Enter (OK)
// is pressed there, as the program's loop hands the key over: it is added
// first, or the dialog stays open with the check's balloon and the text.
TEST(CAddCardReaderDlg, EnterInTheFileFieldAddsTheTypedFileOrSaysWhy)
{
    TempDir dir;
    std::string strDeck = dir.Write("a.txt", "//JOB\n");
    std::string strOther = dir.Write("b.txt", "//JOB\n");
    struct Case {
        const char* name;
        bool bAdd;
        std::string strTyped;
        INT_PTR nResult;
        std::string strCommand;  // after OK
        std::string strBalloon;  // while refused
    };
    const Case cases[] = {
        {"new reader, a deck typed", true, strDeck, IDOK, "attach 000C 3505 " + strDeck + " intrq", ""},
        {"reinitialised, a second deck typed", false, "  " + strOther, IDOK,
         "devinit 000C " + strDeck + " " + strOther + " intrq multifile", ""},
        {"new reader, a missing deck typed", true, dir.Path("missing.txt"), IDCANCEL, "",
         "Input File: File not found."},
        {"new reader, blanks typed", true, "   ", IDOK, "attach 000C 3505", ""},
    };
    for (const Case& c : cases) {
        CAddCardReaderDlg dlg;
        CSetRouter router;
        dlg.m_bAdd = c.bAdd;
        dlg.m_pRouter = c.bAdd ? &router : nullptr;
        dlg.m_Device = Reader(0x000C, "3505", c.bAdd ? "" : strDeck.c_str(), "");
        int nStep = 0;
        std::string strBalloon, strField;
        size_t nItems = 0;
        INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
            if (nStep++ == 0) {
                SetText(h, IDC_DEVDLG_DEVNUM, "000C");
                HWND hField = ::GetDlgItem(h, IDC_RDR_FILE);
                SetText(h, IDC_RDR_FILE, c.strTyped.c_str());
                ::SetFocus(hField);
                ::PostMessageA(hField, WM_KEYDOWN, VK_RETURN, 0x001C0001);
                ::PostMessageA(hField, WM_KEYUP, VK_RETURN, (LPARAM)0xC01C0001);
                return true;
            }
            // The keys have been handled and the dialog is still open.
            strBalloon = TakeBalloon();
            strField = Text(h, IDC_RDR_FILE);
            nItems = ListItems(h).size();
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        EXPECT_EQ(c.nResult, r) << c.name << ": " << strBalloon;
        EXPECT_EQ(c.strBalloon, strBalloon) << c.name;
        if (r == IDOK) {
            EXPECT_EQ(c.strCommand, std::string(dlg.m_strCommand)) << c.name;
            continue;
        }
        EXPECT_EQ(c.strTyped, strField) << c.name;
        EXPECT_EQ(0u, nItems) << c.name;
    }
}

// Decks chosen in the file dialog are kept, and written, in Windows form,
// as typed ones are.
TEST(CAddCardReaderDlg, BrowsedDecksAreKeptInWindowsForm)
{
    SKeepFolders keep;
    TempDir dir;
    std::string strFirst = dir.Write("a.txt", "//JOB\n");
    std::string strSecond = dir.Write("b.txt", "//JOB\n");
    g_strWindowsizedDefaultInitialDir = dir.Folder().c_str();
    CAddCardReaderDlg dlg;
    CSetRouter router;
    dlg.m_bAdd = true;
    dlg.m_pRouter = &router;
    std::vector<std::string> items;
    std::string strTitle;
    SOkResult r = PressOk(dlg, [&](HWND h) {
        SetText(h, IDC_DEVDLG_DEVNUM, "000C");
        ::SendDlgItemMessageA(h, IDC_DEVDLG_DEVTYPE, CB_SETCURSEL, 2, 0);
        strTitle = PressAndAnswer(h, IDC_RDR_BROWSE, [](HWND hFile) { ChooseFile(hFile, "\"a.txt\" \"b.txt\""); });
        items = ListItems(h);
    });
    EXPECT_EQ("Reader Input", strTitle);
    EXPECT_EQ((std::vector<std::string>{strFirst, strSecond}), items);
    ASSERT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ(strFirst, std::string(dlg.m_Device.m_strFirstArg));
    EXPECT_EQ("attach 000C 3505 " + strFirst + " " + strSecond + " intrq multifile", std::string(dlg.m_strCommand));
}

TEST(CAddCardReaderDlg, MultifileSetByItselfOnlyUntilTheUserTouchesIt)
{
    TempDir dir;
    std::string a = dir.Write("a.txt", "1"), b = dir.Write("b.txt", "2"), c = dir.Write("c.txt", "3");
    CAddCardReaderDlg dlg;
    dlg.m_Device = Reader(0x000C, "3505", "", "");
    bool bAfterOne = true, bAfterTwo = false, bAfterThree = true, bOptionsEmpty = true;
    PressOk(dlg, [&](HWND h) {
        bOptionsEmpty = Enabled(h, IDC_DEVDLG_ASCII);
        AddFile(h, a);
        bAfterOne = Checked(h, IDC_RDR_MULTIFILE);
        AddFile(h, b);
        bAfterTwo = Checked(h, IDC_RDR_MULTIFILE);
        Click(h, IDC_RDR_MULTIFILE);
        AddFile(h, c);
        bAfterThree = Checked(h, IDC_RDR_MULTIFILE);
    });
    EXPECT_FALSE(bOptionsEmpty);  // no file: every option locked
    EXPECT_FALSE(bAfterOne);
    EXPECT_TRUE(bAfterTwo);
    EXPECT_FALSE(bAfterThree);
    EXPECT_STREQ(a.c_str(), dlg.m_Device.m_strFirstArg);
    EXPECT_EQ(b + " " + c + " intrq", std::string(dlg.m_Device.m_strOtherArgs));
}

TEST(CAddCardReaderDlg, AsciiAndEbcdicExcludeEachOther)
{
    CAddCardReaderDlg dlg;
    dlg.m_Device = Reader(0x000C, "3505", "a.txt", "ebcdic autopad trunc eof");
    bool bTruncLocked = false, bAsciiAfter = false, bEbcdicAfter = true, bAutopadLocked = false;
    PressOk(dlg, [&](HWND h) {
        bTruncLocked = !Enabled(h, IDC_RDR_TRUNC) && !Checked(h, IDC_RDR_TRUNC);
        Click(h, IDC_DEVDLG_ASCII);
        bAsciiAfter = Checked(h, IDC_DEVDLG_ASCII);
        bEbcdicAfter = Checked(h, IDC_RDR_EBCDIC);
        bAutopadLocked = !Enabled(h, IDC_RDR_AUTOPAD) && !Checked(h, IDC_RDR_AUTOPAD);
        Click(h, IDC_RDR_EOF);
    });
    EXPECT_TRUE(bTruncLocked);
    EXPECT_TRUE(bAsciiAfter);
    EXPECT_FALSE(bEbcdicAfter);
    EXPECT_TRUE(bAutopadLocked);
    // trunc's state was kept while ebcdic locked it; eof cleared is intrq.
    EXPECT_STREQ("ascii trunc intrq", dlg.m_Device.m_strOtherArgs);
}

TEST(CAddCardReaderDlg, SocketModeSetsTheFilesAsideAndBringsThemBack)
{
    CAddCardReaderDlg dlg;
    dlg.m_Device = Reader(0x000C, "3505", "deck1.txt", "deck2.txt deck3.txt multifile");
    std::vector<std::string> inSocket, afterSocket;
    bool bListLocked = false, bMultifileLocked = false;
    int nSelAfter = -2;
    std::string strSocketHost;
    // The socket dialog opened by the box: a name and a port, then OK.
    vorntest::DialogDriver socket([&](HWND h) {
        if (Caption(h) != "Define Listening Socket")
            return true;
        strSocketHost = Text(h, IDC_SOCK_HOST);
        SetText(h, IDC_SOCK_HOST, "vornhost");
        SetText(h, IDC_SOCK_PORT, "3506");
        ::SendMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    int nStep = 0;
    INT_PTR nResult = vorntest::RunModal(dlg, [&](HWND h) {
        switch (nStep++) {
        case 0:
            ::SendDlgItemMessageA(h, IDC_RDR_FILE_LIST, LB_SETCURSEL, 1, 0);
            ::PostMessageA(::GetDlgItem(h, IDC_RDR_SOCKDEV), BM_CLICK, 0, 0);
            return true;
        default:
            // The box is checked as it is clicked, before the socket dialog
            // opens: the step waits for that dialog to have gone.
            if (!Checked(h, IDC_RDR_SOCKDEV) || !socket.SawDialog() || vorntest::OtherDialog(h))
                return true;
            inSocket = ListItems(h);
            bListLocked = !Enabled(h, IDC_RDR_FILE_LIST) && !Enabled(h, IDC_RDR_FILE);
            bMultifileLocked = !Enabled(h, IDC_RDR_MULTIFILE) && !Checked(h, IDC_RDR_MULTIFILE);
            Click(h, IDC_RDR_SOCKDEV);
            afterSocket = ListItems(h);
            nSelAfter = (int)::SendDlgItemMessageA(h, IDC_RDR_FILE_LIST, LB_GETCURSEL, 0, 0);
            ::SendMessageA(h, WM_COMMAND, IDOK, 0);
            return false;
        }
    }, 50);
    EXPECT_TRUE(socket.SawDialog());
    EXPECT_FALSE(strSocketHost.empty());  // "deck1.txt" is no socket: the default host
    EXPECT_EQ(IDOK, nResult);
    ASSERT_EQ(1u, inSocket.size());
    EXPECT_EQ("vornhost:3506", inSocket[0]);
    EXPECT_TRUE(bListLocked);
    EXPECT_TRUE(bMultifileLocked);
    EXPECT_EQ((std::vector<std::string>{"deck1.txt", "deck2.txt", "deck3.txt"}), afterSocket);
    EXPECT_EQ(1, nSelAfter);
}

TEST(CSockdevDlg, AnAddressLocksTheHostNameAndANameTheAddress)
{
    std::string host;
    bool bHostEnabled = true, bIpEnabled = false;
    CSockdevDlg byAddress;
    byAddress.m_strSpec = "10.0.0.5:3505";
    PressOk(byAddress, nullptr, [&](HWND h) {
        host = Text(h, IDC_SOCK_HOST);
        bHostEnabled = Enabled(h, IDC_SOCK_HOST);
    });
    EXPECT_EQ("", host);
    EXPECT_FALSE(bHostEnabled);
    EXPECT_STREQ("10.0.0.5:3505", byAddress.m_strSpec);

    CSockdevDlg byName;
    byName.m_strSpec = "vornhost:3600";
    std::string port;
    PressOk(byName, nullptr, [&](HWND h) {
        host = Text(h, IDC_SOCK_HOST);
        port = Text(h, IDC_SOCK_PORT);
        bIpEnabled = Enabled(h, IDC_SOCK_IP);
    });
    EXPECT_EQ("vornhost", host);
    EXPECT_EQ("3600", port);
    EXPECT_FALSE(bIpEnabled);
    EXPECT_STREQ("vornhost:3600", byName.m_strSpec);
}

// An address erased field by field with the keyboard frees the host name
// once the last field is blank (no IPN_FIELDCHANGED comes for an emptied
// field under Wine), so the socket can change from an address to a name.
TEST(CSockdevDlg, AnAddressErasedByKeyboardFreesTheHostName)
{
    CSockdevDlg dlg;
    dlg.m_strSpec = "10.0.0.5:3505";
    std::vector<bool> hostEnabled;
    SOkResult r = PressOk(dlg, [&](HWND h) {
        HWND hIp = ::GetDlgItem(h, IDC_SOCK_IP);
        for (HWND hField = nullptr; (hField = ::FindWindowExA(hIp, hField, "Edit", nullptr)) != nullptr;) {
            ::SetFocus(hField);
            ::SendMessageA(hField, EM_SETSEL, 0, -1);
            ::SendMessageA(hField, WM_CHAR, VK_BACK, 0);
            hostEnabled.push_back(Enabled(h, IDC_SOCK_HOST));
        }
        SetText(h, IDC_SOCK_HOST, "vornhost");
    });
    EXPECT_EQ(std::vector<bool>({false, false, false, true}), hostEnabled);
    EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_STREQ("vornhost:3505", dlg.m_strSpec);
}

TEST(CSockdevDlg, DefaultsAreThisMachineAndPort3505)
{
    CSockdevDlg dlg;
    std::string host, port;
    PressOk(dlg, nullptr, [&](HWND h) {
        host = Text(h, IDC_SOCK_HOST);
        port = Text(h, IDC_SOCK_PORT);
    });
    EXPECT_FALSE(host.empty());
    EXPECT_EQ("3505", port);
    EXPECT_EQ(host + ":3505", std::string(dlg.m_strSpec));
}

TEST(CSockdevDlg, Refusals)
{
    const struct { const char* pszHost; DWORD dwAddress; const char* pszPort; const char* pszTitle; const char* pszText; } rows[] = {
        {"", 0, "3505", "Host Name", "You must specify either a host name or IP address."},
        {"", (DWORD)MAKEIPADDRESS(192, 168, 1, 255), "3505", "IP Address", "The IP address you entered is invalid."},
        {"", (DWORD)MAKEIPADDRESS(0, 0, 0, 0), "3505", "IP Address", "The IP address you entered is invalid."},
        {"vornhost", 0, "1023", "Port Number", nullptr},
        {"vornhost", 0, "65536", "Port Number", nullptr},
    };
    for (const auto& row : rows) {
        CSockdevDlg dlg;
        dlg.m_strSpec = "vornhost:3505";
        SOkResult r = PressOk(dlg, [&](HWND h) {
            SetText(h, IDC_SOCK_HOST, row.pszHost);
            if (row.dwAddress || !*row.pszHost)
                ::SendDlgItemMessageA(h, IDC_SOCK_IP, IPM_CLEARADDRESS, 0, 0);
            if (std::string(row.pszTitle) == "IP Address")
                ::SendDlgItemMessageA(h, IDC_SOCK_IP, IPM_SETADDRESS, 0, (LPARAM)row.dwAddress);
            SetText(h, IDC_SOCK_PORT, row.pszPort);
        });
        EXPECT_EQ(IDCANCEL, r.nResult) << row.pszPort;
        std::string expected = std::string(row.pszTitle) + ": ";
        EXPECT_EQ(expected, r.strBalloon.substr(0, expected.size())) << r.strBalloon;
        if (row.pszText) {
            EXPECT_EQ(expected + row.pszText, r.strBalloon);
        }
        EXPECT_STREQ("vornhost:3505", dlg.m_strSpec);
    }
}

// A button pressed from the keyboard that disables itself ("Add" once its
// file is in the list, "Remove" of the last file) hands the focus on to an
// enabled control of the dialog: Tab goes on from there and Escape closes
// the dialog.
TEST(CAddCardReaderDlg, AButtonThatDisablesItselfHandsTheFocusOn)
{
    TempDir dir;
    std::string strDeck = dir.Write("a.txt", "//JOB\n");
    struct Case {
        int nButton;
        size_t nItemsAfter;
    };
    const Case cases[] = {{IDC_RDR_ADD, 1}, {IDC_RDR_REMOVE, 0}};
    for (const Case& c : cases) {
        CAddCardReaderDlg dlg;
        CSetRouter router;
        dlg.m_bAdd = true;
        dlg.m_pRouter = &router;
        enum { kPress, kPressed, kTabbed } eStep = kPress;
        HWND hHandedTo = nullptr, hAfterTab = nullptr;
        bool bHandedToEnabledChild = false;
        INT_PTR nResult = vorntest::RunModal(dlg, [&](HWND h) {
            HWND hButton = ::GetDlgItem(h, c.nButton);
            switch (eStep) {
            case kPress:
                SetText(h, IDC_RDR_FILE, strDeck.c_str());
                if (c.nButton == IDC_RDR_REMOVE) {
                    Click(h, IDC_RDR_ADD);
                    ::SendDlgItemMessageA(h, IDC_RDR_FILE_LIST, LB_SETCURSEL, 0, 0);
                    ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_RDR_FILE_LIST, LBN_SELCHANGE),
                                   (LPARAM)::GetDlgItem(h, IDC_RDR_FILE_LIST));
                }
                EXPECT_TRUE(::IsWindowEnabled(hButton)) << c.nButton;
                ::SetFocus(hButton);
                EXPECT_EQ(::GetFocus(), hButton) << c.nButton;
                ::PostMessageA(hButton, WM_KEYDOWN, VK_SPACE, 0x00390001);
                ::PostMessageA(hButton, WM_KEYUP, VK_SPACE, 0xC0390001);
                eStep = kPressed;
                return true;
            case kPressed:
                if (ListItems(h).size() != c.nItemsAfter)
                    return true;  // the key is not through yet
                EXPECT_FALSE(::IsWindowEnabled(hButton)) << c.nButton;
                hHandedTo = ::GetFocus();
                if (!hHandedTo) {
                    ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
                    return false;
                }
                bHandedToEnabledChild = ::IsChild(h, hHandedTo) && ::IsWindowEnabled(hHandedTo);
                ::PostMessageA(hHandedTo, WM_KEYDOWN, VK_TAB, 0x000F0001);
                eStep = kTabbed;
                return true;
            case kTabbed:
                if (::GetFocus() == hHandedTo)
                    return true;  // Tab not through yet
                hAfterTab = ::GetFocus();
                ::PostMessageA(hAfterTab, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
                return false;
            }
            return false;
        });
        EXPECT_EQ(IDCANCEL, nResult) << c.nButton;
        ASSERT_NE(nullptr, hHandedTo) << c.nButton << ": the focus was lost";
        EXPECT_TRUE(bHandedToEnabledChild) << c.nButton;
        EXPECT_NE(nullptr, hAfterTab) << c.nButton;
    }
}
