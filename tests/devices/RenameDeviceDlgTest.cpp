// RenameDeviceDlgTest.cpp: the rename dialog under Wine: the focus on
// "To:", the old number locked, each refusal, and the command with the new
// number as typed.
#include <gtest/gtest.h>

#include "devices/RenameDeviceDlg.h"
#include "tests/devices/DeviceDlgTestSupport.h"

using namespace devtest;

TEST(CRenameDeviceDlg, FocusOnToAndTheCommandAsTyped)
{
    CSetRouter router;
    router.keys = {0x0120, 0x0121};
    CRenameDeviceDlg dlg;
    dlg.m_dwOldKey = 0x0120;
    dlg.m_dwNewKey = 0x0122;
    dlg.m_pRouter = &router;
    bool bFocusOnTo = false, bFromEnabled = true;
    std::string from, to, caption;
    SOkResult r = PressOk(dlg, [&](HWND h) { SetText(h, IDC_RENAME_TO, "01a0"); },
                          [&](HWND h) {
                              bFocusOnTo = ::GetFocus() == ::GetDlgItem(h, IDC_RENAME_TO);
                              bFromEnabled = Enabled(h, IDC_RENAME_FROM);
                              from = Text(h, IDC_RENAME_FROM);
                              to = Text(h, IDC_RENAME_TO);
                              caption = Caption(h);
                          });
    EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_TRUE(bFocusOnTo);
    EXPECT_FALSE(bFromEnabled);
    EXPECT_EQ("0120", from);
    EXPECT_EQ("0122", to);
    EXPECT_EQ("Rename Device", caption);
    EXPECT_STREQ("define 0120 01a0", dlg.m_strCommand);
    EXPECT_EQ(0x01A0u, dlg.m_dwNewKey);
}

TEST(CRenameDeviceDlg, Refusals)
{
    CSetRouter router;
    router.keys = {0x0120, 0x0121};
    const struct { const char* pszTo; const char* pszBalloon; } rows[] = {
        {"", "Device Number: You must enter a device number"},
        {"12345", "Device Number: Value is not a valid device number"},
        {"0121", "Device Number: Device already defined"},
        {"0120", "Device Number: Device already defined"},  // itself
    };
    for (const auto& row : rows) {
        CRenameDeviceDlg dlg;
        dlg.m_dwOldKey = 0x0120;
        dlg.m_dwNewKey = 0x0122;
        dlg.m_pRouter = &router;
        SOkResult r = PressOk(dlg, [&](HWND h) { SetText(h, IDC_RENAME_TO, row.pszTo); });
        EXPECT_EQ(IDCANCEL, r.nResult);
        EXPECT_EQ(row.pszBalloon, r.strBalloon);
        EXPECT_STREQ("", dlg.m_strCommand);
        EXPECT_EQ(0x0122u, dlg.m_dwNewKey);
    }
}
