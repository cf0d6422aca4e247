// CWindowPlacementTest.cpp: window placements stored as text, restored,
// refused when missing or damaged, and brought back onto the screen.
#include <gtest/gtest.h>

#include <memory>

#include "platform/Afx.h"
#include "platform/CIniSettingsStore.h"
#include "platform/CWindowPlacement.h"
#include "platform/ProfileStore.h"

namespace {

class CPlacedWnd : public CWnd {
    DECLARE_DYNAMIC(CPlacedWnd)
};
IMPLEMENT_DYNAMIC(CPlacedWnd, CWnd)

class PlacementTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char dir[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, dir);
        m_path.Format("%splacement-%lu.ini", dir, ::GetCurrentProcessId());
        ::DeleteFileA(m_path);
        SetSettingsStore(std::make_unique<CIniSettingsStore>(m_path));
        ASSERT_TRUE(m_wnd.CreateEx(0, AfxRegisterWndClass(0), "placed", WS_OVERLAPPEDWINDOW,
                                   CRect(50, 60, 350, 260), nullptr, 0));
    }
    void TearDown() override
    {
        m_wnd.DestroyWindow();
        SetSettingsStore(nullptr);
        ::DeleteFileA(m_path);
    }
    CRect NormalRect()
    {
        WINDOWPLACEMENT wp = {};
        m_wnd.GetWindowPlacement(&wp);
        return wp.rcNormalPosition;
    }

    CString m_path;
    CPlacedWnd m_wnd;
};

}  // namespace

TEST(CWindowPlacementText, RoundTripsAndRejectsDamage)
{
    WINDOWPLACEMENT wp = {sizeof(wp), 0, SW_SHOWMAXIMIZED, {-1, -1}, {-8, -8}, {10, 20, 410, 320}};
    CString text = CWindowPlacement::Format(wp);
    EXPECT_EQ(text, "0,3,-1,-1,-8,-8,10,20,410,320");
    WINDOWPLACEMENT back;
    ASSERT_TRUE(CWindowPlacement::Parse(text, back));
    EXPECT_EQ(back.showCmd, (UINT)SW_SHOWMAXIMIZED);
    EXPECT_TRUE(::EqualRect(&back.rcNormalPosition, &wp.rcNormalPosition));
    for (const char* bad : {"", "1,2,3", "0,1,0,0,0,0,10,20,410,320,7", "0,1,0,0,0,0,10,20,410,320x",
                            "a,1,0,0,0,0,10,20,410,320", "0,1,0,0,0,0,10,20,10,320", "0,1,0,0,0,0,10,20,410,19"})
        EXPECT_FALSE(CWindowPlacement::Parse(bad, back)) << bad;
    EXPECT_FALSE(CWindowPlacement::Parse(nullptr, back));
}

TEST_F(PlacementTest, SaveThenRestoreMovesTheWindowBack)
{
    ASSERT_TRUE(CWindowPlacement::Save("CMainFrame", &m_wnd));
    EXPECT_FALSE(ProfileGetString("WindowPositions", "CMainFrame").IsEmpty());
    m_wnd.MoveWindow(200, 210, 100, 90);
    ASSERT_TRUE(CWindowPlacement::Restore("CMainFrame", &m_wnd));
    EXPECT_EQ(NormalRect(), CRect(50, 60, 350, 260));
    EXPECT_FALSE(m_wnd.IsWindowVisible());  // without bShow the visibility stays
    ASSERT_TRUE(CWindowPlacement::Restore("CMainFrame", &m_wnd, TRUE));
    EXPECT_TRUE(m_wnd.IsWindowVisible());
}

TEST_F(PlacementTest, MissingOrDamagedPlacementIsNotRestored)
{
    EXPECT_FALSE(CWindowPlacement::Restore("CNeverSaved", &m_wnd));
    ProfileWriteString("WindowPositions", "CDamaged", "0,1,2");
    EXPECT_FALSE(CWindowPlacement::Restore("CDamaged", &m_wnd));
    EXPECT_EQ(NormalRect(), CRect(50, 60, 350, 260));
}

TEST_F(PlacementTest, OffScreenPlacementComesBackOntoTheMonitor)
{
    ProfileWriteString("WindowPositions", "CLost", "0,1,0,0,0,0,5000,4000,5300,4200");
    ASSERT_TRUE(CWindowPlacement::Restore("CLost", &m_wnd));
    CRect rc = NormalRect();
    EXPECT_EQ(rc.Size(), CSize(300, 200));
    MONITORINFO mi = {sizeof(mi)};
    ::GetMonitorInfoA(::MonitorFromWindow(m_wnd.m_hWnd, MONITOR_DEFAULTTOPRIMARY), &mi);
    CRect inter;
    EXPECT_TRUE(inter.IntersectRect(&rc, &mi.rcWork));
    EXPECT_EQ(inter, rc);
}

TEST_F(PlacementTest, ExVariantsUseTheRunTimeClassName)
{
    ASSERT_TRUE(CWindowPlacement::SaveEx(&m_wnd));
    EXPECT_FALSE(ProfileGetString("WindowPositions", "CPlacedWnd").IsEmpty());
    m_wnd.MoveWindow(0, 0, 10, 10);
    ASSERT_TRUE(CWindowPlacement::RestoreEx(&m_wnd));
    EXPECT_EQ(NormalRect(), CRect(50, 60, 350, 260));
}
