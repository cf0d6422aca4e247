// StmtEditDlgTest.cpp: the device statement editor under Wine: its texts
// by class, read-only number and type when editing, the parser's message
// as the refusal, the number checks and the commands it builds.
#include <gtest/gtest.h>

#include "config/CVornConfigFile.h"
#include "config/DevClass.h"
#include "devices/CVornDeviceStmtEditDlg.h"
#include "tests/devices/DeviceDlgTestSupport.h"

using namespace devtest;

namespace {

CVornDevice Parsed(const char* pszStmt)
{
    CVornDevice dev;
    CString strError;
    EXPECT_TRUE(CVornConfigFile::ParseDeviceStatement(pszStmt, dev, strError)) << strError;
    return dev;
}

}  // namespace

TEST(CVornDeviceStmtEditDlg, EditingShowsTheStatementWithNumberAndTypeReadOnly)
{
    CVornDeviceStmtEditDlg dlg;
    dlg.m_Device = Parsed("0A00 2703 lport=3780 \"dial in\"");
    std::string caption, number, type, parms, font;
    bool bNumberEnabled = true, bTypeEnabled = true, bReadOnly = false;
    LRESULT nTypeLimit = 0;
    SOkResult r = PressOk(dlg, nullptr, [&](HWND h) {
        caption = Caption(h);
        number = Text(h, IDC_DEVDLG_DEVNUM);
        type = Text(h, IDC_STMT_TYPE);
        parms = Text(h, IDC_STMT_PARMS);
        bNumberEnabled = Enabled(h, IDC_DEVDLG_DEVNUM);
        bTypeEnabled = Enabled(h, IDC_STMT_TYPE);
        bReadOnly = (::GetWindowLongA(::GetDlgItem(h, IDC_STMT_TYPE), GWL_STYLE) & ES_READONLY) != 0;
        nTypeLimit = ::SendDlgItemMessageA(h, IDC_STMT_TYPE, EM_GETLIMITTEXT, 0, 0);
        LOGFONTA lf = {};
        HFONT hFont = (HFONT)::SendDlgItemMessageA(h, IDC_STMT_PARMS, WM_GETFONT, 0, 0);
        ::GetObjectA(hFont, sizeof lf, &lf);
        font = lf.lfFaceName;
        SetText(h, IDC_STMT_PARMS, "lport=3781");
    });
    EXPECT_EQ(IDOK, r.nResult);
    EXPECT_EQ("Edit Device Configuration Statement", caption);
    EXPECT_EQ("0A00", number);
    EXPECT_EQ("2703", type);
    EXPECT_EQ("lport=3780 \"dial in\"", parms);
    EXPECT_FALSE(bNumberEnabled);
    EXPECT_FALSE(bTypeEnabled);
    EXPECT_TRUE(bReadOnly);
    EXPECT_EQ(6, nTypeLimit);
    EXPECT_EQ("Courier New", font);
    EXPECT_STREQ("devinit 0A00 lport=3781", dlg.m_strCommand);
    EXPECT_STREQ("lport=3781", dlg.m_Device.m_strOtherArgs);
}

TEST(CVornDeviceStmtEditDlg, AddingBuildsTheAttachCommandOfTheParsedDevice)
{
    CSetRouter router;
    const struct { const char* pszNum; const char* pszType; const char* pszParms; const char* pszCommand; } rows[] = {
        {"0120", "3390", "\"C:\\my disks\\d.cckd\" ro", "attach 0120 3390 \"C:\\my disks\\d.cckd\" ro"},
        {"0a00", "2703", "", "attach 0A00 2703"},
        {"1:0E40", "CTCI", "192.168.1.1 192.168.1.2", "attach 1:0E40 CTCI 192.168.1.1 192.168.1.2"},
    };
    for (const auto& row : rows) {
        CVornDeviceStmtEditDlg dlg;
        dlg.m_bAdd = true;
        dlg.m_pRouter = &router;
        std::string caption;
        SOkResult r = PressOk(dlg, [&](HWND h) {
            caption = Caption(h);
            SetText(h, IDC_DEVDLG_DEVNUM, row.pszNum);
            SetText(h, IDC_STMT_TYPE, row.pszType);
            SetText(h, IDC_STMT_PARMS, row.pszParms);
        });
        EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
        EXPECT_EQ("Add Device Configuration Statement", caption);
        EXPECT_STREQ(row.pszCommand, dlg.m_strCommand);
    }
}

TEST(CVornDeviceStmtEditDlg, RefusalsKeepTheDialogOpenAndBuildNothing)
{
    CSetRouter router;
    router.keys = {0x0120};
    const struct { const char* pszNum; const char* pszType; const char* pszParms; const char* pszBalloon; } rows[] = {
        {"", "3390", "d.cckd", "Device Number: You must enter a device number"},
        {"12345", "3390", "d.cckd", "Device Number: Value is not a valid Device Number"},
        {"0120", "3390", "d.cckd", "Device Number: Device already defined"},
        {"0121", "XYZW", "", "Device Parameters: Invalid hex value or value out of range"},
    };
    for (const auto& row : rows) {
        CVornDeviceStmtEditDlg dlg;
        dlg.m_bAdd = true;
        dlg.m_pRouter = &router;
        dlg.m_Device.m_wDevnum = 0x0300;  // a free number handed in does not matter
        SOkResult r = PressOk(dlg, [&](HWND h) {
            SetText(h, IDC_DEVDLG_DEVNUM, row.pszNum);
            SetText(h, IDC_STMT_TYPE, row.pszType);
            SetText(h, IDC_STMT_PARMS, row.pszParms);
        });
        EXPECT_EQ(IDCANCEL, r.nResult);
        EXPECT_EQ(row.pszBalloon, r.strBalloon);
        EXPECT_STREQ("", dlg.m_strCommand);
        EXPECT_EQ(0x0300, dlg.m_Device.m_wDevnum);
    }
}

TEST(CVornDeviceStmtEditDlg, OnlyTheWidthChanges)
{
    CVornDeviceStmtEditDlg dlg;
    dlg.m_Device = Parsed("0A00 2703");
    RECT before = {}, after = {};
    PressOk(dlg, nullptr, [&](HWND h) {
        ::GetWindowRect(h, &before);
        ::SetWindowPos(h, nullptr, 0, 0, before.right - before.left + 100, before.bottom - before.top + 80,
                       SWP_NOMOVE | SWP_NOZORDER);
        ::GetWindowRect(h, &after);
    });
    EXPECT_EQ(before.right - before.left + 100, after.right - after.left);
    EXPECT_EQ(before.bottom - before.top, after.bottom - after.top);
}
