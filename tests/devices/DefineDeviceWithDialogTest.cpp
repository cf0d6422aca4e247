// DefineDeviceWithDialogTest.cpp: the one way the callers open a device
// dialog, under Wine: the dialog of each class, the manual edit's editor,
// the starting folder, the load values in and out, and OK as the only way
// anything comes back.
#include <gtest/gtest.h>

#include <string>

#include "config/DevClass.h"
#include "devices/AddCardPunchDlg.h"
#include "devices/AddConsoleDlg.h"
#include "devices/AddDisplayDlg.h"
#include "devices/AddCOMMSheet.h"
#include "devices/AddCardReaderDlg.h"
#include "devices/AddPrinterDlg.h"
#include "devices/AddDasdDlg.h"
#include "devices/AddTapeDlg.h"
#include "devices/CVornDeviceStmtEditDlg.h"
#include "devices/DefineDeviceWithDialog.h"
#include "tests/config/TempFile.h"
#include "tests/devices/DeviceDlgTestSupport.h"

using namespace devtest;

namespace {

CVornDevice Reader(const std::string& strFirst, const char* pszOther)
{
    CVornDevice dev;
    dev.m_wClass = DEVCLASS_RDR;
    dev.m_wDevnum = 0x000C;
    dev.m_wDevType = 0x3505;
    dev.m_strTypeWord = "3505";
    dev.m_strFirstArg = strFirst.c_str();
    dev.m_strOtherArgs = pszOther;
    return dev;
}

std::string CurrentDirectory()
{
    char sz[MAX_PATH] = "";
    ::GetCurrentDirectoryA(sizeof sz, sz);
    std::string s = sz;
    if (!s.empty() && s.back() != '\\')
        s += '\\';
    return s;
}

}  // namespace

TEST(CreateDeviceDialog, EachKindItsDialog)
{
    EXPECT_TRUE(dynamic_cast<CAddCardReaderDlg*>(CreateDeviceDialog(kDeviceDlgCardReader, nullptr).get()));
    EXPECT_TRUE(dynamic_cast<CAddCardPunchDlg*>(CreateDeviceDialog(kDeviceDlgCardPunch, nullptr).get()));
    EXPECT_TRUE(dynamic_cast<CAddPrinterDlg*>(CreateDeviceDialog(kDeviceDlgPrinter, nullptr).get()));
    EXPECT_TRUE(dynamic_cast<CAddConsoleDlg*>(CreateDeviceDialog(kDeviceDlgConsole, nullptr).get()));
    EXPECT_TRUE(dynamic_cast<CAddDisplayDlg*>(CreateDeviceDialog(kDeviceDlgDisplay, nullptr).get()));
    EXPECT_TRUE(dynamic_cast<CVornDeviceStmtEditDlg*>(CreateDeviceDialog(kDeviceDlgStmtEdit, nullptr).get()));
    EXPECT_TRUE(dynamic_cast<CAddTapeDlg*>(CreateDeviceDialog(kDeviceDlgTape, nullptr).get()));
    EXPECT_TRUE(dynamic_cast<CAddDasdDlg*>(CreateDeviceDialog(kDeviceDlgDasd, nullptr).get()));
    EXPECT_TRUE(dynamic_cast<CAddCOMMSheet*>(CreateDeviceDialog(kDeviceDlgComm, nullptr).get()));
}

TEST(DefineDeviceWithDialog, OkCopiesTheDeviceBackAndTheBarStartsInTheFilesFolder)
{
    TempDir dir;
    std::string strDeck = dir.Write("deck1.txt", "1");
    CVornDevice dev = Reader(strDeck, "ascii");
    CSetRouter router;
    SDeviceDialogRun run;
    run.eCaller = kDeviceCallerDevListBar;
    run.pRouter = &router;
    std::string strShownIn, strCaption;
    vorntest::DialogDriver driver([&](HWND h) {
        strShownIn = CurrentDirectory();
        strCaption = Caption(h);
        Click(h, IDC_RDR_EOF);
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    CString strCommand = "old";
    EXPECT_TRUE(DefineDeviceWithDialog(dev, strCommand, run));
    EXPECT_EQ(dir.Folder(), strShownIn);
    EXPECT_EQ("Reinitialize Card Reader", strCaption);
    EXPECT_EQ("devinit 000C " + strDeck + " ascii eof", std::string(strCommand));
    EXPECT_STREQ("ascii eof", dev.m_strOtherArgs);
}

TEST(DefineDeviceWithDialog, CancelChangesNothing)
{
    CVornDevice dev = Reader("deck1.txt", "ascii");
    CVornDevice before = dev;
    vorntest::DialogDriver driver([&](HWND h) {
        Click(h, IDC_RDR_EOF);
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    CString strCommand = "old";
    EXPECT_FALSE(DefineDeviceWithDialog(dev, strCommand, SDeviceDialogRun()));
    EXPECT_TRUE(driver.SawDialog());
    EXPECT_TRUE(before == dev);
    EXPECT_STREQ("", strCommand);
}

TEST(DefineDeviceWithDialog, TheManualEditOpensTheStatementEditorForAnyClass)
{
    CVornDevice dev = Reader("deck1.txt", "ascii");
    SDeviceDialogRun run;
    run.eCaller = kDeviceCallerDevicesPage;
    run.bManualEdit = true;
    std::string strCaption, strParms;
    vorntest::DialogDriver driver([&](HWND h) {
        strCaption = Caption(h);
        strParms = Text(h, IDC_STMT_PARMS);
        SetText(h, IDC_STMT_PARMS, "deck2.txt eof");
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    CString strCommand;
    EXPECT_TRUE(DefineDeviceWithDialog(dev, strCommand, run));
    EXPECT_EQ("Edit Device Configuration Statement", strCaption);
    EXPECT_EQ("deck1.txt ascii", strParms);
    EXPECT_STREQ("devinit 000C deck2.txt eof", strCommand);
    EXPECT_STREQ("deck2.txt", dev.m_strFirstArg);
}

TEST(DefineDeviceWithDialog, ALoadStartsFromTheLastLoadAndRemembersTheNewOne)
{
    CVornDevice dev = Reader("configured.txt", "");
    CString strFile = "last.txt", strArgs = "ebcdic eof";
    SDeviceDialogRun run;
    run.eCaller = kDeviceCallerView;
    run.pstrLoadFile = &strFile;
    run.pstrLoadArgs = &strArgs;
    std::string strShown;
    vorntest::DialogDriver driver([&](HWND h) {
        char sz[MAX_PATH] = "";
        ::SendDlgItemMessageA(h, IDC_RDR_FILE_LIST, LB_GETTEXT, 0, (LPARAM)sz);
        strShown = sz;
        Click(h, IDC_RDR_EOF);
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    CString strCommand;
    EXPECT_TRUE(DefineDeviceWithDialog(dev, strCommand, run));
    EXPECT_EQ("last.txt", strShown);
    EXPECT_STREQ("devinit 000C last.txt ebcdic intrq", strCommand);
    EXPECT_STREQ("last.txt", strFile);
    EXPECT_STREQ("ebcdic intrq", strArgs);
}
