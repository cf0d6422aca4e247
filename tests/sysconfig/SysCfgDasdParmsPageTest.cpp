// SysCfgDasdParmsPageTest.cpp: the Dasd Parameters page in the real dialog:
// "Use default values:" with the user's values kept aside, the ranges as
// balloons, the compression radio buttons and the two track bars.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "config/ConfigLimits.h"
#include "tests/support/TextFits.h"
#include "tests/sysconfig/SysCfgTestSupport.h"

using namespace vorntest;

namespace {

struct SysCfgDasdParms : SysCfgDialogFixture {
    SysCfgDasdParms() { dlg->m_nStartPage = kSysCfgDasdParmsPage; }
    HWND Page() const { return dlg->m_DasdParmsPage.m_hWnd; }
    bool Enabled(int nId) const { return ::IsWindowEnabled(::GetDlgItem(Page(), nId)) != FALSE; }
    bool Checked(int nId) const { return ::IsDlgButtonChecked(Page(), nId) == BST_CHECKED; }
};

// A track bar moved to nPos as the user drags it.
void MoveTrackBar(HWND hPage, int nId, int nPos)
{
    HWND hBar = ::GetDlgItem(hPage, nId);
    ::SendMessageA(hBar, TBM_SETPOS, TRUE, nPos);
    ::SendMessageA(hPage, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, nPos), (LPARAM)hBar);
}

}  // namespace

TEST_F(SysCfgDasdParms, NoCckdStatementOpensWithTheDefaults)
{
    Run([&](HWND) {
        EXPECT_TRUE(Checked(IDC_DASD_USE_DEFAULTS));
        for (int nId : {IDC_DASD_RA, IDC_DASD_COMP_ZLIB, IDC_DASD_COMPPARM, IDC_DASD_GCPARM, IDC_DASD_GCMSGS})
            EXPECT_FALSE(Enabled(nId)) << nId;
        EXPECT_TRUE(Checked(IDC_DASD_COMP_DEFAULT));
        EXPECT_EQ(ItemText(Page(), IDC_DASD_FREEPEND), "-1");
        EXPECT_EQ(ItemText(Page(), IDC_DASD_RA), "2");
        EXPECT_EQ(::SendDlgItemMessageA(Page(), IDC_DASD_COMPPARM, TBM_GETRANGEMIN, 0, 0), -1);
        EXPECT_EQ(::SendDlgItemMessageA(Page(), IDC_DASD_COMPPARM, TBM_GETPOS, 0, 0), -1);
        EXPECT_EQ(::SendDlgItemMessageA(Page(), IDC_DASD_GCPARM, TBM_GETRANGEMIN, 0, 0), -8);
        EXPECT_EQ(FirstModifiedPage(*dlg), -1);
    });
}

TEST_F(SysCfgDasdParms, TheUsersValuesComeBackWhenTheDefaultsAreCleared)
{
    dlg->m_config.m_cckd.m_nRA = 4;
    dlg->m_config.m_cckd.m_nCOMP = 2;
    dlg->m_config.m_cckd.m_bFSYNC = true;
    dlg->m_config.m_bCCKDGiven = true;
    Run([&](HWND hDlg) {
        EXPECT_FALSE(Checked(IDC_DASD_USE_DEFAULTS));
        EXPECT_TRUE(Enabled(IDC_DASD_RA));
        EXPECT_TRUE(Checked(IDC_DASD_COMP_BZIP2));
        ClickCheck(Page(), IDC_DASD_USE_DEFAULTS, true);
        EXPECT_EQ(ItemText(Page(), IDC_DASD_RA), "2");
        EXPECT_FALSE(Enabled(IDC_DASD_RA));
        EXPECT_FALSE(dlg->m_config.m_bCCKDGiven);
        EXPECT_NE(FirstModifiedPage(*dlg), -1);
        ClickCheck(Page(), IDC_DASD_USE_DEFAULTS, false);
        EXPECT_EQ(ItemText(Page(), IDC_DASD_RA), "4");
        EXPECT_TRUE(Checked(IDC_DASD_COMP_BZIP2));
        EXPECT_TRUE(Checked(IDC_DASD_FSYNC));
        EXPECT_TRUE(dlg->m_config.m_bCCKDGiven);
        EXPECT_EQ(FirstModifiedPage(*dlg), -1);
        // Back to the defaults by hand: applying sets the box and disables the group.
        TypeText(Page(), IDC_DASD_RA, "2");
        ClickCheck(Page(), IDC_DASD_COMP_BZIP2, false);
        ClickCheck(Page(), IDC_DASD_COMP_DEFAULT, true);
        ClickCheck(Page(), IDC_DASD_FSYNC, false);
        EXPECT_EQ(Apply(hDlg), "");
        EXPECT_TRUE(Checked(IDC_DASD_USE_DEFAULTS));
        EXPECT_FALSE(Enabled(IDC_DASD_RA));
    });
    ASSERT_FALSE(view.m_received.empty());
    EXPECT_FALSE(view.m_received.back().m_bCCKDGiven);
    EXPECT_EQ(view.m_received.back().m_cckd, CCKDParms());
}

TEST_F(SysCfgDasdParms, RangesAndControls)
{
    Run([&](HWND hDlg) {
        ClickCheck(Page(), IDC_DASD_USE_DEFAULTS, false);
        EXPECT_TRUE(Enabled(IDC_DASD_RA));
        const struct {
            int nId;
            const char* pszText;
            std::string expected;
        } rows[] = {
            // Away from the defaults first: an apply of values equal to
            // them switches the defaults on.
            {IDC_DASD_RAQ, "0", ""},
            {IDC_DASD_FREEPEND, "-2", "Freespace Pending: Please enter a value between -1 and 4"},
            {IDC_DASD_FREEPEND, "-1", ""},
            {IDC_DASD_RA, "0", "Read-ahead Threads: Please enter a value between 1 and 9"},
            {IDC_DASD_RA, "3", ""},
            {IDC_DASD_TRACE, "", "Trace Table Size: Please enter a value between 0 and 200000"},
            {IDC_DASD_TRACE, "100", ""},
        };
        for (const auto& r : rows) {
            TypeText(Page(), r.nId, r.pszText);
            EXPECT_EQ(Apply(hDlg), r.expected) << r.nId << " " << r.pszText;
        }
        ClickCheck(Page(), IDC_DASD_COMP_DEFAULT, false);
        ClickCheck(Page(), IDC_DASD_COMP_NONE, true);
        MoveTrackBar(Page(), IDC_DASD_COMPPARM, 6);
        MoveTrackBar(Page(), IDC_DASD_GCPARM, -3);
        ClickCheck(Page(), IDC_DASD_GCMSGS, true);
        EXPECT_EQ(Apply(hDlg), "");
        EXPECT_FALSE(Checked(IDC_DASD_USE_DEFAULTS));
    });
    ASSERT_FALSE(view.m_received.empty());
    const CVornConfigFile& got = view.m_received.back();
    EXPECT_TRUE(got.m_bCCKDGiven);
    EXPECT_EQ(got.m_cckd.m_nRA, 3);
    EXPECT_EQ(got.m_cckd.m_nRAQ, 0);
    EXPECT_EQ(got.m_cckd.m_nTRACE, 100);
    EXPECT_EQ(got.m_cckd.m_nCOMP, 0);
    EXPECT_EQ(got.m_cckd.m_nCOMPPARM, 6);
    EXPECT_EQ(got.m_cckd.m_nGCPARM, -3);
    EXPECT_TRUE(got.m_cckd.m_bGCMSGS);
}

namespace {

BOOL CALLBACK CollectChild(HWND hWnd, LPARAM lp)
{
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hWnd);
    return TRUE;
}

}  // namespace

// Each numeric edit shows its longest valid value whole (the trace table's
// 200000 showed as "00"), no caption of the page is cut, and every control
// of the group lies inside it.
TEST_F(SysCfgDasdParms, EveryValueAndCaptionIsShownWhole)
{
    Run([&](HWND) {
        const struct {
            int nId;
            int nLongest;
        } edits[] = {
            {IDC_DASD_RA, LimitMaxCCKDra()},       {IDC_DASD_RAQ, LimitMaxCCKDraq()},
            {IDC_DASD_RAT, LimitMaxCCKDrat()},     {IDC_DASD_WR, LimitMaxCCKDwr()},
            {IDC_DASD_GCINT, LimitMaxCCKDgcint()}, {IDC_DASD_TRACE, LimitMaxCCKDtrace()},
            {IDC_DASD_FREEPEND, -1},
        };
        for (const auto& e : edits)
            EXPECT_EQ("", EditClips(::GetDlgItem(Page(), e.nId), std::to_string(e.nLongest).c_str()));
        std::vector<HWND> children;
        ::EnumChildWindows(Page(), CollectChild, (LPARAM)&children);
        HWND hGroup = ::GetDlgItem(Page(), IDC_DASD_CCKD_GROUP);
        for (HWND h : children) {
            EXPECT_EQ("", ClippedText(h));
            int nId = ::GetDlgCtrlID(h);
            if (h != hGroup && nId != IDC_DASD_USE_DEFAULTS) {
                EXPECT_EQ("", OutsideGroup(h, hGroup, 3));
            }
        }
    });
}
