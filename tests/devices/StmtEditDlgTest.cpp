// StmtEditDlgTest.cpp: the device statement editor under Wine: its texts
// by class, read-only number and type when editing, the parser's message
// as the refusal, the number checks and the commands it builds.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

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

// A statement longer than its field opens at its start, caret in front and
// nothing selected, in both modes (reinitialising gives the field the focus).
TEST(CVornDeviceStmtEditDlg, LongParametersOpenAtTheirStart)
{
    CSetRouter router;
    for (bool bAdd : {false, true}) {
        CVornDeviceStmtEditDlg dlg;
        dlg.m_bAdd = bAdd;
        dlg.m_pRouter = &router;
        dlg.m_Device = Parsed("0A00 2703 lport=3780 dial=in lnctl=bsc rhost=10.1.2.3 rport=3781 "
                              "tty=0 idle=60 retry=5 timeout=120 speed=9600 parity=even lines=24");
        DWORD dwStart = 1, dwEnd = 1;
        LRESULT nFirstVisible = -1;
        PressOk(dlg, nullptr, [&](HWND h) {
            ::SendDlgItemMessageA(h, IDC_STMT_PARMS, EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
            nFirstVisible = ::SendDlgItemMessageA(h, IDC_STMT_PARMS, EM_GETFIRSTVISIBLELINE, 0, 0);
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(0u, dwStart + dwEnd) << bAdd;
        EXPECT_EQ(0, nFirstVisible) << bAdd;
    }
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

// A SYSG statement keeps no number: with SYSG typed the number field shows
// the 0000 the console will have, the number typed comes back with another
// type, and the host's SYSG console or device 0000 refuses it.
TEST(CVornDeviceStmtEditDlg, ASysgStatementShowsTheNumberItKeeps)
{
    CSetRouter router;
    CVornDeviceStmtEditDlg dlg;
    dlg.m_bAdd = true;
    dlg.m_pRouter = &router;
    std::vector<std::string> seen;
    SOkResult r = PressOk(dlg, [&](HWND h) {
        auto look = [&] { seen.push_back(Text(h, IDC_DEVDLG_DEVNUM) + (Enabled(h, IDC_DEVDLG_DEVNUM) ? "" : " fixed")); };
        SetText(h, IDC_DEVDLG_DEVNUM, "0041");
        SetText(h, IDC_STMT_TYPE, "sysg");
        look();
        SetText(h, IDC_STMT_TYPE, "3270");
        look();
        SetText(h, IDC_STMT_TYPE, "SYSG");
        look();
        SetText(h, IDC_STMT_PARMS, "*");
    });
    EXPECT_EQ((std::vector<std::string>{"0000 fixed", "0041", "0000 fixed"}), seen);
    EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_STREQ("attach 0000 SYSG *", dlg.m_strCommand);
    EXPECT_EQ(0u, dlg.m_Device.GetKey());
    EXPECT_TRUE(dlg.m_Device.m_bSysg);

    struct CHostWithSysg : CSetRouter {
        bool IsSysgDefined(DWORD* pdwKey) override
        {
            if (pdwKey)
                *pdwKey = 0;
            return true;
        }
    } withSysg;
    withSysg.keys = {0x0000};
    router.keys = {0x0000};
    const std::pair<CSetRouter*, const char*> refusals[] = {
        {&withSysg, "Device Number: device 0000 is already defined as the SYSG device"},
        {&router, "Device Number: Device already defined"},
    };
    for (const auto& refusal : refusals) {
        CVornDeviceStmtEditDlg again;
        again.m_bAdd = true;
        again.m_pRouter = refusal.first;
        r = PressOk(again, [&](HWND h) {
            SetText(h, IDC_DEVDLG_DEVNUM, "0041");
            SetText(h, IDC_STMT_TYPE, "SYSG");
        });
        EXPECT_EQ(IDCANCEL, r.nResult);
        EXPECT_EQ(refusal.second, r.strBalloon);
        EXPECT_STREQ("", again.m_strCommand);
    }
}
