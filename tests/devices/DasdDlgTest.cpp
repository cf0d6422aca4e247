// DasdDlgTest.cpp: the disk device's window and the remote disk dialog
// under Wine: small images of each kind written by the test, the control
// states and the model check for each, the minidisk limits, the serial from
// the image header, the shadow name, the remote form and the commands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/CVornConfigFile.h"
#include "config/DevClass.h"
#include "config/FileChecks.h"
#include "devices/AddDasdDlg.h"
#include "devices/RemoteDeviceDialog.h"
#include "platform/CIniSettingsStore.h"
#include "platform/CWindowPlacement.h"
#include "platform/ProfileStore.h"
#include "tests/config/TempFile.h"
#include "tests/devices/DeviceDlgTestSupport.h"

using namespace devtest;

namespace {

std::string Le32(unsigned n)
{
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i)
        s[i] = (char)((n >> (8 * i)) & 0xFF);
    return s;
}

// An image of at least two 512-byte blocks: the signature, for the plain
// CKD forms 15 heads of 56832-byte tracks, and the serial at offset 20.
std::string Image(const char* pszSignature, const std::string& strSerial = "", size_t nSize = 2048)
{
    std::string s(nSize, '\0');
    if (pszSignature)
        s.replace(0, 8, pszSignature);
    s.replace(8, 4, Le32(pszSignature && std::string(pszSignature).find("_P") != std::string::npos ? 15 : 0));
    s.replace(12, 4, Le32(pszSignature && std::string(pszSignature).find("_P") != std::string::npos ? 56832 : 0));
    s.replace(20, strSerial.size(), strSerial);
    return s;
}

CVornDevice Disk(const std::string& strFile, const char* pszModel, WORD wType, const char* pszArgs = "")
{
    CVornDevice dev;
    dev.Set(0, 0x0120, DEVCLASS_DISK, wType, pszModel, strFile.c_str(), pszArgs, nullptr, 0, false);
    return dev;
}

struct SDasdStates {
    bool bCu, bReadOnly, bShadowing, bRemote, bMinidisk, bOrigin;
};

SDasdStates StatesOf(HWND h)
{
    return {Enabled(h, IDC_DASDDEV_CU3990),  Enabled(h, IDC_DASDDEV_READONLY), Enabled(h, IDC_DASDDEV_SHADOWING),
            Enabled(h, IDC_DASDDEV_REMOTE),  Enabled(h, IDC_DASDDEV_MINIDISK), Enabled(h, IDC_DASDDEV_ORIGIN)};
}

std::string States(const SDasdStates& s)
{
    return std::string() + (s.bCu ? "C" : "-") + (s.bReadOnly ? "R" : "-") + (s.bShadowing ? "S" : "-") +
           (s.bRemote ? "T" : "-") + (s.bMinidisk ? "M" : "-") + (s.bOrigin ? "O" : "-");
}

}  // namespace

// Reinitialising: each kind of image with a model of its family; then the
// same image offered to a model of the other family when adding.
TEST(DasdDlg, EachKindOfImageItsControlsAndTheModelCheck)
{
    TempDir dir;
    bool bWas64Missing = g_bCKD64UtilitiesMissing;
    g_bCKD64UtilitiesMissing = false;  // 64-bit images are usable
    const struct {
        std::string strFile;
        const char* pszModel;
        WORD wType;
        const char* pszStates;
        const char* pszOtherModel;  // adding with a model of the other family
        bool bOtherRefused;         // ... is refused
    } rows[] = {
        {dir.Write("ckd.img", Image("CKD_P370")), "3390-3", 0x3390, "CRST--", "3370", true},
        {dir.Write("cckd.img", Image("CKD_C370")), "3390-3", 0x3390, "CRST--", "3370", true},
        {dir.Write("ckd64.img", Image("CKD_P064")), "3390-3", 0x3390, "CRST--", "3370", true},
        {dir.Write("fba.img", Image(nullptr, "", 512 * 1000)), "3370", 0x3370, "----M-", "3390-3", true},
        // A compressed FBA image is of the FBA family but takes the CKD options.
        {dir.Write("cfba.img", Image("FBA_C370")), "3370", 0x3370, "CRST--", "3390-3", true},
        // Too short to tell: any model goes.
        {dir.Write("short.img", Image("CKD_P370", "", 100)), "3390-3", 0x3390, "CRST--", "3370", false},
    };
    for (const auto& row : rows) {
        CAddDasdDlg dlg;
        dlg.m_Device = Disk(row.strFile, row.pszModel, row.wType);
        std::string strStates;
        PressOk(dlg, nullptr, [&](HWND h) {
            strStates = States(StatesOf(h));
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(row.pszStates, strStates) << row.strFile;

        CSetRouter router;
        CAddDasdDlg add;
        add.m_bAdd = true;
        add.m_pRouter = &router;
        add.m_Device = Disk(row.strFile, row.pszOtherModel, row.wType);
        SOkResult r = PressOk(add, [](HWND h) { SetText(h, IDC_DEVDLG_DEVNUM, "0121"); });
        if (row.bOtherRefused) {
            EXPECT_EQ("Device Type: Selected Device Type does not match image Filename's Device Type.", r.strBalloon)
                << row.strFile;
        } else {
            EXPECT_EQ(IDOK, r.nResult) << row.strFile << " " << r.strBalloon;
        }
    }
    g_bCKD64UtilitiesMissing = bWas64Missing;
}

TEST(DasdDlg, ReinitialisingAMismatchBlamesTheFile)
{
    TempDir dir;
    std::string strFba = dir.Write("fba.img", Image(nullptr, "", 512 * 1000));
    CAddDasdDlg dlg;
    dlg.m_Device = Disk(strFba, "3390-3", 0x3390);
    SOkResult r = PressOk(dlg, nullptr);
    EXPECT_EQ("Filename: File is not a CKD/CCKD type.", r.strBalloon);
}

TEST(DasdDlg, MinidiskLimitsAndWords)
{
    TempDir dir;
    std::string strFba = dir.Write("fba.img", Image(nullptr, "", 512 * 1000));
    const struct {
        const char* pszOrigin;
        const char* pszBlocks;
        std::string strResult;  // the argument text, or the balloon
    } rows[] = {
        {"100", "900", "100 *"},
        {"0", "1000", ""},
        {"10", "20", "10 20"},
        {"0", "0", "Number of Blocks: Ending block number exceeds maximum for device"},
        {"500", "0", "Number of Blocks: Ending block number exceeds maximum for device"},
    };
    for (const auto& row : rows) {
        CAddDasdDlg dlg;
        dlg.m_Device = Disk(strFba, "3370-A1", 0x3370);
        SOkResult r = PressOk(dlg, [&](HWND h) {
            Click(h, IDC_DASDDEV_MINIDISK);
            SetText(h, IDC_DASDDEV_ORIGIN, row.pszOrigin);
            SetText(h, IDC_DASDDEV_BLOCKS, row.pszBlocks);
        });
        std::string strGot = r.nResult == IDOK ? std::string(dlg.m_Device.m_strOtherArgs) : r.strBalloon;
        EXPECT_EQ(row.strResult, strGot) << row.pszOrigin << " " << row.pszBlocks;
    }
}

TEST(DasdDlg, AnOriginBeyondTheImageIsClamped)
{
    TempDir dir;
    std::string strFba = dir.Write("fba.img", Image(nullptr, "", 512 * 1000));
    CAddDasdDlg dlg;
    dlg.m_Device = Disk(strFba, "3370", 0x3370);
    std::string strOrigin, strBlocks;
    PressOk(dlg, [&](HWND h) {
        Click(h, IDC_DASDDEV_MINIDISK);
        SetText(h, IDC_DASDDEV_BLOCKS, "600");
        SetText(h, IDC_DASDDEV_ORIGIN, "5000");
        strOrigin = Text(h, IDC_DASDDEV_ORIGIN);
        strBlocks = Text(h, IDC_DASDDEV_BLOCKS);
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ("1000", strOrigin);
    EXPECT_EQ("0", strBlocks);
}

TEST(DasdDlg, TheSerialComesFromTheHeaderAndIsWrittenOnce)
{
    TempDir dir;
    std::string strCkd = dir.Write("ser.img", Image("CKD_P370", "123456789012"));
    CAddDasdDlg dlg;
    dlg.m_Device = Disk(dir.Path("none.img"), "3390-3", 0x3390);
    std::string strSerial;
    SOkResult r = PressOk(dlg, [&](HWND h) {
        SetText(h, IDC_DASDDEV_FILE, strCkd.c_str());
        strSerial = Text(h, IDC_DASDDEV_SERIAL);
    });
    ASSERT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ("123456789012", strSerial);
    EXPECT_EQ("devinit 0120 " + strCkd + " ser=123456789012", std::string(dlg.m_strCommand));
}

// Another image brings its own serial; one without a serial takes away the
// serial the previous image brought, but not one the user typed.
TEST(DasdDlg, TheSerialFollowsTheImage)
{
    TempDir dir;
    std::string strA = dir.Write("a.img", Image("CKD_P370", "111111111111"));
    std::string strB = dir.Write("b.img", Image("CKD_P370"));
    std::string strC = dir.Write("c.img", Image("CKD_P370", "222222222222"));
    std::string strD = dir.Write("d.img", Image("CKD_P370"));
    CAddDasdDlg dlg;
    dlg.m_bAdd = true;
    CSetRouter router;
    dlg.m_pRouter = &router;
    dlg.m_Device = Disk(strA, "3390-3", 0x3390);
    std::vector<std::string> shown;
    SOkResult r = PressOk(dlg, [&](HWND h) {
        shown.push_back(Text(h, IDC_DASDDEV_SERIAL));
        for (const std::string& strFile : {strB, strC, strB}) {
            SetText(h, IDC_DASDDEV_FILE, strFile.c_str());
            shown.push_back(Text(h, IDC_DASDDEV_SERIAL));
        }
        SetText(h, IDC_DASDDEV_SERIAL, "333333333333");
        SetText(h, IDC_DASDDEV_FILE, strD.c_str());
        shown.push_back(Text(h, IDC_DASDDEV_SERIAL));
    });
    ASSERT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ((std::vector<std::string>{"111111111111", "", "222222222222", "", "333333333333"}), shown);
    EXPECT_EQ("attach 0120 3390 " + strD + " ser=333333333333", std::string(dlg.m_strCommand));
}

// The header's serial fills the field; an emptied field is no serial: no
// "ser=" word is sent or kept, not even after the same image is read again
// (a cancelled browse), and the statement reads back without a fault. A
// header serial that is not twelve digits is refused until emptied.
TEST(DasdDlg, AnEmptiedSerialIsNoSerial)
{
    SKeepFolders keep;
    TempDir dir;
    const struct {
        const char* pszHeaderSerial;
        bool bAdd;
        const char* pszOkAsShown;  // the balloon of OK with the header's serial
    } rows[] = {
        {"123456789012", false, nullptr},
        {"123456789012", true, nullptr},
        {"VOL001", false, "Serial Number: Invalid serial number"},
        {"VOL001", true, "Serial Number: Invalid serial number"},
    };
    for (const auto& row : rows) {
        std::string strImage = dir.Write("ser.cckd", Image("CKD_C370", row.pszHeaderSerial));
        std::string strRow = std::string(row.pszHeaderSerial) + (row.bAdd ? " adding" : " reinitialising");
        CSetRouter router;
        CAddDasdDlg dlg;
        dlg.m_bAdd = row.bAdd;
        dlg.m_pRouter = &router;
        dlg.m_Device = Disk(strImage, "3390-3", 0x3390);
        std::string strShown, strOkAsShown, strAfterBrowse, strBalloon;
        INT_PTR nResult = vorntest::RunModal(dlg, [&](HWND h) {
            SetText(h, IDC_DEVDLG_DEVNUM, "0121");
            strShown = Text(h, IDC_DASDDEV_SERIAL);
            if (row.pszOkAsShown) {
                ::SendMessageA(h, WM_COMMAND, IDOK, 0);
                strOkAsShown = TakeBalloon();
            }
            SetText(h, IDC_DASDDEV_SERIAL, "");
            PressAndAnswer(h, IDC_DASDDEV_BROWSE, CancelDialog);
            strAfterBrowse = Text(h, IDC_DASDDEV_SERIAL);
            ::SendMessageA(h, WM_COMMAND, IDOK, 0);
            strBalloon = TakeBalloon();
            if (!strBalloon.empty())
                ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        EXPECT_EQ(row.pszHeaderSerial, strShown) << strRow;
        EXPECT_EQ(row.pszOkAsShown ? row.pszOkAsShown : "", strOkAsShown) << strRow;
        EXPECT_EQ("", strAfterBrowse) << strRow;
        ASSERT_EQ(IDOK, nResult) << strRow << ": " << strBalloon;
        EXPECT_EQ(std::string(row.bAdd ? "attach 0121 3390 " : "devinit 0120 ") + strImage,
                  std::string(dlg.m_strCommand))
            << strRow;
        EXPECT_EQ("", std::string(dlg.m_Device.m_strOtherArgs)) << strRow;
        CVornDevice back;
        CString strError;
        EXPECT_TRUE(CVornConfigFile::ParseDeviceStatement(FormatDeviceStatement(dlg.m_Device), back, strError))
            << strRow << ": " << strError.GetString();
    }
}

TEST(DasdDlg, SerialNumbersAreTwelveDigits)
{
    TempDir dir;
    std::string strCkd = dir.Write("c.img", Image("CKD_C370"));
    for (const char* pszSerial : {"12345678901", "12345678901A"}) {
        CAddDasdDlg dlg;
        dlg.m_Device = Disk(strCkd, "3390-3", 0x3390);
        SOkResult r = PressOk(dlg, [&](HWND h) { SetText(h, IDC_DASDDEV_SERIAL, pszSerial); });
        EXPECT_EQ("Serial Number: Invalid serial number", r.strBalloon) << pszSerial;
    }
}

TEST(DasdDlg, ShadowingProposesANameAndLocksReadOnly)
{
    TempDir dir;
    std::string strCkd = dir.Write("vol1.cckd", Image("CKD_C370"));
    CAddDasdDlg dlg;
    dlg.m_Device = Disk(strCkd, "3390-3", 0x3390, "readonly fakewrite");
    std::string strShadow;
    bool bReadOnly = true;
    SOkResult r = PressOk(dlg, [&](HWND h) {
        Click(h, IDC_DASDDEV_SHADOWING);
        strShadow = Text(h, IDC_DASDDEV_SHADOW);
        bReadOnly = Enabled(h, IDC_DASDDEV_READONLY) || Checked(h, IDC_DASDDEV_READONLY);
    });
    ASSERT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ(dir.Path("vol1_Shadow_0.cckd"), strShadow);
    EXPECT_FALSE(bReadOnly);
    EXPECT_EQ("sf=" + dir.Path("vol1_Shadow_0.cckd"), std::string(dlg.m_Device.m_strOtherArgs));
}

TEST(DasdDlg, ARemoteDiskIsNoFileAndLocksTheOptions)
{
    CSetRouter router;
    CAddDasdDlg dlg;
    dlg.m_bAdd = true;
    dlg.m_pRouter = &router;
    dlg.m_Device = Disk("10.1.2.3:3990:0120", "3390-3", 0x3390);
    bool bLocked = false, bRemote = false;
    SOkResult r = PressOk(dlg, [&](HWND h) {
        SetText(h, IDC_DEVDLG_DEVNUM, "0130");
        bLocked = !Enabled(h, IDC_DASDDEV_READONLY) && !Enabled(h, IDC_DASDDEV_SHADOWING) &&
                  !Enabled(h, IDC_DASDDEV_CU3990);
        bRemote = Checked(h, IDC_DASDDEV_REMOTE);
    });
    ASSERT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_TRUE(bLocked);
    EXPECT_TRUE(bRemote);
    EXPECT_EQ("attach 0130 3390 10.1.2.3:3990:0120", std::string(dlg.m_strCommand));
    EXPECT_EQ(0, router.nFileQuestions);
}

TEST(DasdDlg, AnImageInUseIsRefusedWhenAdding)
{
    TempDir dir;
    std::string strCkd = dir.Write("c.img", Image("CKD_C370"));
    CSetRouter router;
    router.files.insert(strCkd);
    CAddDasdDlg dlg;
    dlg.m_bAdd = true;
    dlg.m_pRouter = &router;
    dlg.m_Device = Disk(strCkd, "3390-3", 0x3390);
    SOkResult r = PressOk(dlg, [](HWND h) { SetText(h, IDC_DEVDLG_DEVNUM, "0130"); });
    EXPECT_EQ("Filename: Another device is already using this name.", r.strBalloon);
    // Reinitialising the device that uses it passes.
    CAddDasdDlg reinit;
    reinit.m_pRouter = &router;
    reinit.m_Device = Disk(strCkd, "3390-3", 0x3390);
    r = PressOk(reinit, nullptr);
    EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ("devinit 0120 " + strCkd, std::string(reinit.m_strCommand));
}

// ---- the remote disk dialog ----

TEST(RemoteDeviceDialog, OpensOnTheNameAndRemembersAnOk)
{
    CRemoteDeviceDialog::ForgetRemembered();
    CRemoteDeviceDialog dlg;
    dlg.m_strRemoteName = "10.1.2.3:3991:0120";
    dlg.ParseRemoteDasdName();
    std::string strPort, strDevNum;
    DWORD dwAddress = 0;
    SOkResult r = PressOk(dlg, nullptr, [&](HWND h) {
        strPort = Text(h, IDC_REMOTE_PORT);
        strDevNum = Text(h, IDC_DEVDLG_DEVNUM);
        ::SendDlgItemMessageA(h, IDC_REMOTE_HOST, IPM_GETADDRESS, 0, (LPARAM)&dwAddress);
    });
    ASSERT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ("3991", strPort);
    EXPECT_EQ("0120", strDevNum);
    EXPECT_EQ(MAKEIPADDRESS(10, 1, 2, 3), dwAddress);
    EXPECT_STREQ("10.1.2.3:3991:0120", dlg.m_strRemoteName);
    // The next dialog starts from the values of this OK.
    CRemoteDeviceDialog next;
    EXPECT_STREQ("10.1.2.3", next.m_strHost);
    EXPECT_EQ(3991u, next.m_nPort);
    EXPECT_STREQ("0120", next.m_strDevNum);
    CRemoteDeviceDialog::ForgetRemembered();
}

// A field erased with the keyboard leaves the address incomplete: the host
// text empties at once, though Wine sends no IPN_FIELDCHANGED for it.
TEST(RemoteDeviceDialog, AFieldErasedByKeyboardEmptiesTheHost)
{
    CRemoteDeviceDialog::ForgetRemembered();
    CRemoteDeviceDialog dlg;
    dlg.m_strRemoteName = "10.1.2.3:3991:0120";
    dlg.ParseRemoteDasdName();
    std::string strHostBefore, strHostAfter;
    vorntest::RunModal(dlg, [&](HWND h) {
        strHostBefore = dlg.m_strHost.GetString();
        HWND hField = ::FindWindowExA(::GetDlgItem(h, IDC_REMOTE_HOST), nullptr, "Edit", nullptr);
        ::SetFocus(hField);
        ::SendMessageA(hField, EM_SETSEL, 0, -1);
        ::SendMessageA(hField, WM_CHAR, VK_BACK, 0);
        strHostAfter = dlg.m_strHost.GetString();
        CancelDialog(h);
        return false;
    });
    EXPECT_EQ("10.1.2.3", strHostBefore);
    EXPECT_EQ("", strHostAfter);
    CRemoteDeviceDialog::ForgetRemembered();
}

TEST(RemoteDeviceDialog, ChecksInTheirOrder)
{
    CRemoteDeviceDialog::ForgetRemembered();
    const struct {
        const char* pszName;
        const char* pszPort;
        const char* pszDevNum;
        std::string strBalloon;
    } rows[] = {
        {"vornhost:3990:0120", "3990", "0120", "Remote Host: Invalid Remote IP address"},
        {"10.1.2.3:3990:0120", "80", "0120", "Remote Port: Please enter a port number from 1024 to 65535"},
        {"10.1.2.3:3990:0120", "3990", "", "Device Number: You must enter a device number"},
        {"10.1.2.3:3990:0120", "3990", "12G", "Device Number: Value is not a hexadecimal number"},
        {"10.1.2.3:3990:0120", "3990", "12345", ""},
    };
    for (const auto& row : rows) {
        CRemoteDeviceDialog dlg;
        dlg.m_strRemoteName = row.pszName;
        dlg.ParseRemoteDasdName();
        SOkResult r = PressOk(dlg, [&](HWND h) {
            SetText(h, IDC_REMOTE_PORT, row.pszPort);
            SetText(h, IDC_DEVDLG_DEVNUM, row.pszDevNum);
        });
        EXPECT_EQ(row.strBalloon, r.strBalloon) << row.pszPort << " " << row.pszDevNum;
        if (row.strBalloon.empty()) {
            EXPECT_STREQ("10.1.2.3:3990:12345", dlg.m_strRemoteName);
        }
    }
    CRemoteDeviceDialog::ForgetRemembered();
}

// A CKD image and "3370" chosen from the list while adding: the file is
// blamed at once; OK then blames the model and the dialog stays open.
TEST(DasdDlg, AnFbaModelChosenForACkdImageIsRefusedAtOnceAndOnOk)
{
    TempDir dir;
    std::string strCkd = dir.Write("vol1.cckd", Image("CKD_C370"));
    CSetRouter router;
    CAddDasdDlg dlg;
    dlg.m_bAdd = true;
    dlg.m_pRouter = &router;
    dlg.m_Device = Disk(strCkd, "3390-3", 0x3390);
    std::string strAtOpen = "?", strOnChoice, strOnOk;
    bool bStillOpen = false;
    vorntest::RunModal(dlg, [&](HWND h) {
        strAtOpen = TakeBalloon();
        SetText(h, IDC_DEVDLG_DEVNUM, "0121");
        ChooseListEntry(h, IDC_DEVDLG_DEVTYPE, "3370");
        strOnChoice = TakeBalloon();
        ::SendMessageA(h, WM_COMMAND, IDOK, 0);
        strOnOk = TakeBalloon();
        bStillOpen = ::IsWindowVisible(h) != FALSE;
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ("", strAtOpen);  // the image matches the device's own model
    EXPECT_EQ("Filename: File is not a FBA/CFBA type.", strOnChoice);
    EXPECT_EQ("Device Type: Selected Device Type does not match image Filename's Device Type.", strOnOk);
    EXPECT_TRUE(bStillOpen);
}

// ">" opens "Dasd File"; the chosen image is read at once: its serial fills
// the field and its kind is checked against the model, blamed on the list
// when adding and on the file when reinitialising.
TEST(DasdDlg, BrowsingChoosesTheImageAndChecksItAtOnce)
{
    SKeepFolders keep;
    TempDir dir;
    std::string strCkd = dir.Write("ser.cckd", Image("CKD_C370", "123456789012"));
    std::string strFba = dir.Write("plain.fba", Image(nullptr, "", 512 * 100));
    const struct {
        bool bAdd;
        std::string strChosen;
        std::string strBalloon;
        const char* pszSerial;
    } rows[] = {
        {false, strCkd, "", "123456789012"},
        {false, strFba, "Filename: File is not a CKD/CCKD type.", ""},
        {true, strFba, "Device Type: Selected Device Type does not match image Filename's Device Type.", ""},
    };
    for (const auto& row : rows) {
        CSetRouter router;
        CAddDasdDlg dlg;
        dlg.m_bAdd = row.bAdd;
        dlg.m_pRouter = &router;
        dlg.m_Device = Disk(dir.Path("none.cckd"), "3390-3", 0x3390);
        std::string strTitle, strFile, strSerial, strBalloon;
        vorntest::RunModal(dlg, [&](HWND h) {
            strTitle = PressAndAnswer(h, IDC_DASDDEV_BROWSE, [&](HWND hFile) { ChooseFile(hFile, row.strChosen); });
            strBalloon = TakeBalloon();
            strFile = Text(h, IDC_DASDDEV_FILE);
            strSerial = Text(h, IDC_DASDDEV_SERIAL);
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        EXPECT_EQ("Dasd File", strTitle);
        EXPECT_EQ(Standard(row.strChosen), strFile);
        EXPECT_EQ(row.strBalloon, strBalloon) << row.strChosen << " " << row.bAdd;
        EXPECT_EQ(row.pszSerial, strSerial) << row.strChosen;
    }
}

TEST(DasdDlg, ACancelledBrowseKeepsTheFileAndItsCommand)
{
    SKeepFolders keep;
    TempDir dir;
    std::string strCkd = dir.Write("vol1.cckd", Image("CKD_C370"));
    CAddDasdDlg dlg;
    dlg.m_Device = Disk(strCkd, "3390-3", 0x3390);
    std::string strTitle;
    SOkResult r = PressOk(dlg, [&](HWND h) {
        strTitle = PressAndAnswer(h, IDC_DASDDEV_BROWSE, CancelDialog);
    });
    ASSERT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ("Dasd File", strTitle);
    EXPECT_EQ("devinit 0120 " + strCkd, std::string(dlg.m_strCommand));
}

// ">" on a remote name edits it in the remote disk's dialog.
TEST(DasdDlg, BrowsingARemoteNameOpensTheRemoteDialog)
{
    CRemoteDeviceDialog::ForgetRemembered();
    CAddDasdDlg dlg;
    dlg.m_Device = Disk("10.1.2.3:3990:0120", "3390-3", 0x3390);
    std::string strTitle, strPortShown;
    SOkResult r = PressOk(dlg, [&](HWND h) {
        strTitle = PressAndAnswer(h, IDC_DASDDEV_BROWSE, [&](HWND hRemote) {
            strPortShown = Text(hRemote, IDC_REMOTE_PORT);
            SetText(hRemote, IDC_REMOTE_PORT, "3991");
            ::PostMessageA(hRemote, WM_COMMAND, IDOK, 0);
        });
    });
    ASSERT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ("Define remote device", strTitle);
    EXPECT_EQ("3990", strPortShown);
    EXPECT_EQ("devinit 0120 10.1.2.3:3991:0120", std::string(dlg.m_strCommand));
    CRemoteDeviceDialog::ForgetRemembered();
}

// "Remote" asks for the remote disk: Cancel clears the box and keeps the
// image; OK puts the remote name in the file field.
TEST(DasdDlg, TheRemoteBoxAsksForTheRemoteDisk)
{
    CRemoteDeviceDialog::ForgetRemembered();
    TempDir dir;
    std::string strCkd = dir.Write("vol1.cckd", Image("CKD_C370"));
    for (bool bOk : {false, true}) {
        CAddDasdDlg dlg;
        dlg.m_Device = Disk(strCkd, "3390-3", 0x3390);
        std::string strTitle;
        bool bChecked = !bOk, bReadOnly = bOk;
        SOkResult r = PressOk(dlg, [&](HWND h) {
            strTitle = PressAndAnswer(h, IDC_DASDDEV_REMOTE, [&](HWND hRemote) {
                if (!bOk)
                    return CancelDialog(hRemote);
                ::SendDlgItemMessageA(hRemote, IDC_REMOTE_HOST, IPM_SETADDRESS, 0, MAKEIPADDRESS(10, 9, 8, 7));
                SetText(hRemote, IDC_DEVDLG_DEVNUM, "0200");
                ::PostMessageA(hRemote, WM_COMMAND, IDOK, 0);
            });
            bChecked = Checked(h, IDC_DASDDEV_REMOTE);
            bReadOnly = Enabled(h, IDC_DASDDEV_READONLY);
        });
        ASSERT_EQ(IDOK, r.nResult) << r.strBalloon;
        EXPECT_EQ("Define remote device", strTitle);
        EXPECT_EQ(bOk, bChecked);
        EXPECT_EQ(!bOk, bReadOnly);
        EXPECT_EQ(bOk ? "devinit 0120 10.9.8.7:3990:0200" : "devinit 0120 " + strCkd, std::string(dlg.m_strCommand));
    }
    CRemoteDeviceDialog::ForgetRemembered();
}

// The shadow ">" opens "Shadow File"; the name need not exist.
TEST(DasdDlg, BrowsingForAShadowFileFillsItsField)
{
    SKeepFolders keep;
    TempDir dir;
    std::string strCkd = dir.Write("vol1.cckd", Image("CKD_C370"));
    std::string strShadow = dir.Path("other_1.cckd");
    CAddDasdDlg dlg;
    dlg.m_Device = Disk(strCkd, "3390-3", 0x3390);
    std::string strTitle, strField;
    SOkResult r = PressOk(dlg, [&](HWND h) {
        Click(h, IDC_DASDDEV_SHADOWING);
        strTitle = PressAndAnswer(h, IDC_DASDDEV_SHADOW_BROWSE, [&](HWND hFile) { ChooseFile(hFile, strShadow); });
        strField = Text(h, IDC_DASDDEV_SHADOW);
    });
    ASSERT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ("Shadow File", strTitle);
    EXPECT_EQ(Standard(strShadow), strField);
    EXPECT_EQ("sf=" + Standard(strShadow), std::string(dlg.m_Device.m_strOtherArgs));
}

// A serial typed over the image header's is the one written.
TEST(DasdDlg, ATypedSerialOverridesTheHeaders)
{
    TempDir dir;
    std::string strCkd = dir.Write("ser.img", Image("CKD_P370", "123456789012"));
    CAddDasdDlg dlg;
    dlg.m_Device = Disk(strCkd, "3390-3", 0x3390);
    std::string strShown;
    SOkResult r = PressOk(dlg, [&](HWND h) {
        strShown = Text(h, IDC_DASDDEV_SERIAL);
        SetText(h, IDC_DASDDEV_SERIAL, "210987654321");
    });
    ASSERT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ("123456789012", strShown);
    EXPECT_EQ("devinit 0120 " + strCkd + " ser=210987654321", std::string(dlg.m_strCommand));
}

// Where the user left the dialog is saved under "CRemoteDeviceDialog" when
// it closes and is where the next one opens.
TEST(RemoteDeviceDialog, OpensWhereTheLastOneWasLeft)
{
    TempDir dir;
    SetSettingsStore(std::make_unique<CIniSettingsStore>(dir.Path("remote.ini").c_str()));
    RECT rcFirst = {}, rcSecond = {};
    CRemoteDeviceDialog first;
    vorntest::RunModal(first, [&](HWND h) {
        ::GetWindowRect(h, &rcFirst);
        ::SetWindowPos(h, nullptr, rcFirst.left + 37, rcFirst.top + 23, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    WINDOWPLACEMENT wp = {};
    EXPECT_TRUE(CWindowPlacement::Parse(ProfileGetString(g_strWindowPlacementSubkey, "CRemoteDeviceDialog"), wp));
    CRemoteDeviceDialog second;
    vorntest::RunModal(second, [&](HWND h) {
        ::GetWindowRect(h, &rcSecond);
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    SetSettingsStore(nullptr);
    EXPECT_EQ(rcFirst.left + 37, rcSecond.left);
    EXPECT_EQ(rcFirst.top + 23, rcSecond.top);
    EXPECT_EQ(rcFirst.right - rcFirst.left, rcSecond.right - rcSecond.left);
}

// A device statement names the bare type ("3370"), which has no block count
// of its own: its minidisk is bounded by the image and can be reinitialised.
TEST(DasdDlg, AMinidiskOfABareTypeIsBoundedByTheImage)
{
    TempDir dir;
    std::string strFba = dir.Write("mini.fba", Image(nullptr, "", 512 * 1000));
    const struct {
        const char* pszArgs;
        const char* pszOrigin;  // typed over the stated one (null: none)
        std::string strResult;  // the command, or the balloon
    } rows[] = {
        {"100 *", nullptr, "devinit 0120 " + strFba + " 100 *"},
        {"100 200", nullptr, "devinit 0120 " + strFba + " 100 200"},
        {"100 200", "900", "devinit 0120 " + strFba + " 900 *"},  // the count clamped to the image
    };
    for (const auto& row : rows) {
        CAddDasdDlg dlg;
        dlg.m_Device = Disk(strFba, "3370", 0x3370, row.pszArgs);
        SOkResult r = PressOk(dlg, [&](HWND h) {
            if (row.pszOrigin)
                SetText(h, IDC_DASDDEV_ORIGIN, row.pszOrigin);
        });
        EXPECT_EQ(row.strResult, r.nResult == IDOK ? std::string(dlg.m_strCommand) : r.strBalloon) << row.pszArgs;
    }
}

namespace {

BOOL CALLBACK CollectChild(HWND h, LPARAM lp)
{
    ((std::vector<HWND>*)lp)->push_back(h);
    return TRUE;
}

}  // namespace

// Three of the address's four fields typed: the host is emptied and OK
// refuses the address.
TEST(RemoteDeviceDialog, AnIncompleteAddressIsNoHost)
{
    CRemoteDeviceDialog::ForgetRemembered();
    CRemoteDeviceDialog dlg;
    dlg.m_strRemoteName = "10.1.2.3:3990:0120";
    dlg.ParseRemoteDasdName();
    SOkResult r = PressOk(dlg, [&](HWND h) {
        HWND hAddress = ::GetDlgItem(h, IDC_REMOTE_HOST);
        ::SendMessageA(hAddress, IPM_CLEARADDRESS, 0, 0);
        std::vector<HWND> fields;
        ::EnumChildWindows(hAddress, CollectChild, (LPARAM)&fields);
        ASSERT_EQ(4u, fields.size());
        for (int i = 0; i < 3; ++i) {
            for (const char* p = "10"; *p; ++p)
                ::SendMessageA(fields[i], WM_CHAR, (WPARAM)*p, 1);
        }
    });
    EXPECT_EQ("Remote Host: Invalid Remote IP address", r.strBalloon);
    EXPECT_STREQ("", dlg.m_strHost);
    CRemoteDeviceDialog::ForgetRemembered();
}
