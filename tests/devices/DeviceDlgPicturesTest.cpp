// DeviceDlgPicturesTest.cpp: the device dialogs as the user sees them, for
// tools/screenshot (VORN_KEEP_OPEN keeps each open until Esc): the reader
// with files and in socket mode, the punch, the statement editor, the
// rename and socket dialogs. Without a picture each opens and closes.
#include <gtest/gtest.h>

#include "config/CVornConfigFile.h"
#include "devices/AddCOMMSheet.h"
#include "devices/AddCardPunchDlg.h"
#include "devices/AddCardReaderDlg.h"
#include "devices/AddConsoleDlg.h"
#include "devices/AddDisplayDlg.h"
#include "devices/AddDasdDlg.h"
#include "devices/AddTapeDlg.h"
#include "devices/RemoteDeviceDialog.h"
#include "tests/config/TempFile.h"
#include "devices/AddPrinterDlg.h"
#include "devices/CCTapeDlg.h"
#include "devices/CFCBDlg.h"
#include "devices/CVornDeviceStmtEditDlg.h"
#include "devices/RenameDeviceDlg.h"
#include "devices/SockdevDlg.h"
#include "tests/devices/DeviceDlgTestSupport.h"

namespace {

// Shows the dialog (or sheet) until Esc when a picture is wanted; then
// cancels.
template <class TDialog>
INT_PTR ShowForPicture(TDialog& dlg)
{
    return vorntest::RunModal(dlg, [](HWND h) {
        if (vorntest::KeepOpenForScreenshot()) {
            ::Sleep(100);
            return ::GetAsyncKeyState(VK_ESCAPE) == 0;
        }
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
}

CVornDevice Parsed(const char* pszStmt)
{
    CVornDevice dev;
    CString strError;
    CVornConfigFile::ParseDeviceStatement(pszStmt, dev, strError);
    return dev;
}

}  // namespace

TEST(DeviceDlgPictures, ReaderWithFiles)
{
    CAddCardReaderDlg dlg;
    dlg.m_Device = Parsed("000C 3505 C:/decks/payroll.jcl C:/decks/ledger.jcl \"C:/decks/month end.jcl\" ascii trunc eof multifile");
    EXPECT_EQ(IDCANCEL, ShowForPicture(dlg));
}

TEST(DeviceDlgPictures, ReaderInSocketMode)
{
    CAddCardReaderDlg dlg;
    dlg.m_Device = Parsed("000C 3505 vornhost:3505 sockdev ascii trunc eof");
    EXPECT_EQ(IDCANCEL, ShowForPicture(dlg));
}

TEST(DeviceDlgPictures, Punch)
{
    CAddCardPunchDlg dlg;
    dlg.m_Device = Parsed("000D 3525 C:/punch/out.pch ascii");
    EXPECT_EQ(IDCANCEL, ShowForPicture(dlg));
}

TEST(DeviceDlgPictures, StatementEditor)
{
    CVornDeviceStmtEditDlg dlg;
    dlg.m_Device = Parsed("0A00 2703 lport=3780 dial=in lnctl=tele2 uctrans=yes");
    EXPECT_EQ(IDCANCEL, ShowForPicture(dlg));
}

TEST(DeviceDlgPictures, Rename)
{
    CRenameDeviceDlg dlg;
    dlg.m_dwOldKey = 0x0120;
    dlg.m_dwNewKey = 0x0121;
    EXPECT_EQ(IDCANCEL, ShowForPicture(dlg));
}

TEST(DeviceDlgPictures, Socket)
{
    CSockdevDlg dlg;
    dlg.m_strSpec = "vornhost:3505";
    EXPECT_EQ(IDCANCEL, ShowForPicture(dlg));
}

TEST(DeviceDlgPictures, PrinterWithAFile)
{
    CAddPrinterDlg dlg;
    dlg.m_Device = Parsed("000E 3211 C:/prt/listing.txt crlf fcb=legacy");
    EXPECT_EQ(IDCANCEL, ShowForPicture(dlg));
}

TEST(DeviceDlgPictures, PrinterOnASocket)
{
    CAddPrinterDlg dlg;
    dlg.m_Device = Parsed("000E 1403 192.168.1.5:1403 sockdev cctape=legacy");
    EXPECT_EQ(IDCANCEL, ShowForPicture(dlg));
}

TEST(DeviceDlgPictures, FormsControlBuffer)
{
    CFCBDlg dlg;
    dlg.m_strFCB = "legacy";
    EXPECT_EQ(IDCANCEL, ShowForPicture(dlg));
}

TEST(DeviceDlgPictures, CarriageControlTape)
{
    CCTapeDlg dlg;
    dlg.m_strCCTape = "legacy";
    EXPECT_EQ(IDCANCEL, ShowForPicture(dlg));
}

TEST(DeviceDlgPictures, TapeDrive)
{
    CAddTapeDlg dlg;
    dlg.m_Device = Parsed("0580 3590 C:/tapes/backup.het compress=1 method=2 level=9 maxsizeM=300 eotmargin=131072");
    EXPECT_EQ(IDCANCEL, ShowForPicture(dlg));
}

namespace {

// A disk image of the model's kind in a folder of its own, for the pictures.
std::string PictureImage(const TempDir& dir, const char* pszName, const char* pszSignature, size_t nSize)
{
    std::string s(nSize, '\0');
    if (pszSignature)
        s.replace(0, 8, pszSignature);
    return dir.Write(pszName, s);
}

}  // namespace

TEST(DeviceDlgPictures, DasdOnACkdImage)
{
    TempDir dir;
    CAddDasdDlg dlg;
    std::string strImage = PictureImage(dir, "vol1.cckd", "CKD_C370", 1024);
    dlg.m_Device = Parsed(("0120 3390 " + strImage + " readonly fakewrite").c_str());
    EXPECT_EQ(IDCANCEL, ShowForPicture(dlg));
}

TEST(DeviceDlgPictures, DasdOnAPlainFbaImage)
{
    TempDir dir;
    CAddDasdDlg dlg;
    std::string strImage = PictureImage(dir, "minidisk.fba", nullptr, 512 * 2000);
    dlg.m_Device = Parsed(("0300 3370 " + strImage + " 100 *").c_str());
    EXPECT_EQ(IDCANCEL, ShowForPicture(dlg));
}

TEST(DeviceDlgPictures, RemoteDevice)
{
    CRemoteDeviceDialog dlg;
    dlg.m_strRemoteName = "10.1.2.3:3990:0120";
    dlg.ParseRemoteDasdName();
    EXPECT_EQ(IDCANCEL, ShowForPicture(dlg));
}

TEST(DeviceDlgPictures, IntegratedConsole)
{
    CAddConsoleDlg dlg;
    dlg.m_bAdd = true;
    dlg.m_Device = Parsed("0009 1052-C / noprompt");
    EXPECT_EQ(IDCANCEL, ShowForPicture(dlg));
}

TEST(DeviceDlgPictures, TerminalConsole)
{
    CAddConsoleDlg dlg;
    dlg.m_Device = Parsed("001F 3215 noprompt GRP1 192.168.0.10 255.255.255.0");
    EXPECT_EQ(IDCANCEL, ShowForPicture(dlg));
}

TEST(DeviceDlgPictures, DisplayTerminal)
{
    CAddDisplayDlg dlg;
    dlg.m_bAdd = true;
    dlg.m_Device = Parsed("0700 3270 TSO 10.1.1.0 255.255.255.0");
    EXPECT_EQ(IDCANCEL, ShowForPicture(dlg));
}

TEST(DeviceDlgPictures, SysgConsole)
{
    CAddDisplayDlg dlg;
    dlg.m_bAdd = true;
    dlg.m_Device = Parsed("0000 SYSG");
    EXPECT_EQ(IDCANCEL, ShowForPicture(dlg));
}

TEST(DeviceDlgPictures, CommSheetOsaPage)
{
    CAddCOMMSheet sheet;
    sheet.m_bAdd = true;
    sheet.m_Device = Parsed("0600 OSA iface 192.168.0.2 ipaddr 192.168.0.4 netmask 255.255.0.0 chpid F0 debug");
    sheet.PrepareToRun();
    EXPECT_EQ(IDCANCEL, ShowForPicture(sheet));
}

TEST(DeviceDlgPictures, CommSheetCtcePage)
{
    CAddCOMMSheet sheet;
    sheet.m_Device = Parsed("0400 CTCE 30880 192.168.1.20 30880 32768");
    sheet.PrepareToRun();
    EXPECT_EQ(IDCANCEL, ShowForPicture(sheet));
}

TEST(DeviceDlgPictures, CommSheetLcsPage)
{
    CAddCOMMSheet sheet;
    sheet.m_bAdd = true;
    sheet.m_Device = Parsed("0E20 LCS -n 192.168.1.10 -k 1024 -i 64 192.168.1.80");
    sheet.PrepareToRun();
    EXPECT_EQ(IDCANCEL, ShowForPicture(sheet));
}

TEST(DeviceDlgPictures, CommSheetCtciPage)
{
    CAddCOMMSheet sheet;
    sheet.m_Device = Parsed("0E40 CTCI -m 02:00:00:00:00:01 -n 00-11-22-33-44-55 -k 2048 192.168.2.2 0.0.0.0");
    sheet.PrepareToRun();
    EXPECT_EQ(IDCANCEL, ShowForPicture(sheet));
}
