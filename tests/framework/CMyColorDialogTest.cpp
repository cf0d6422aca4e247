// CMyColorDialogTest.cpp: the titled colour dialog under Wine: its title, its
// place on the desktop, the pre-selected and the chosen colour, and no GDI
// objects left behind.
#include <gtest/gtest.h>

#include <string>

#include "framework/CMyColorDialog.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/GdiObjectCount.h"

namespace {

struct Seen {
    std::string strTitle;
    POINT ptWindow = {-1, -1};
    POINT ptExpected = {-2, -2};
};

// Runs the dialog, records its title and place, and presses nButton.
INT_PTR RunAndPress(CMyColorDialog& dlg, int nButton, Seen* pSeen = nullptr)
{
    return vorntest::RunModal(dlg, [&](HWND h) {
        if (pSeen) {
            char sz[256] = {};
            ::GetWindowTextA(h, sz, sizeof sz);
            pSeen->strTitle = sz;
            RECT rcDesk, rc;
            ::GetWindowRect(::GetDesktopWindow(), &rcDesk);
            ::GetWindowRect(h, &rc);
            pSeen->ptWindow = POINT{rc.left, rc.top};
            int x = (rcDesk.right - rcDesk.left) / 3 - (rc.right - rc.left) / 3;
            int y = (rcDesk.bottom - rcDesk.top) / 3 - (rc.bottom - rc.top) / 3;
            pSeen->ptExpected = POINT{x > 0 ? x : 0, y > 0 ? y : 0};
        }
        if (vorntest::KeepOpenForScreenshot()) {
            ::Sleep(100);
            return ::GetAsyncKeyState(VK_ESCAPE) == 0;  // tools/screenshot closes the program
        }
        ::PostMessageA(h, WM_COMMAND, nButton, 0);
        return false;
    });
}

}  // namespace

TEST(CMyColorDialog, AnEmptyOrMissingTitleIsChooseColor)
{
    EXPECT_STREQ("Choose Color", CMyColorDialog().GetTitle().GetString());
    CMyColorDialog dlg("");
    Seen seen;
    EXPECT_EQ(IDCANCEL, RunAndPress(dlg, IDCANCEL, &seen));
    EXPECT_EQ("Choose Color", seen.strTitle);
}

TEST(CMyColorDialog, ShowsItsTitleAndPlacesItselfOnTheDesktop)
{
    CMyColorDialog dlg("Console Background Color");
    Seen seen;
    RunAndPress(dlg, IDCANCEL, &seen);
    EXPECT_EQ("Console Background Color", seen.strTitle);
    EXPECT_EQ(seen.ptExpected.x, seen.ptWindow.x);
    EXPECT_EQ(seen.ptExpected.y, seen.ptWindow.y);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(CMyColorDialog, StartsBlackWithNoOptionsAndNoParent)
{
    CMyColorDialog dlg("x");
    EXPECT_EQ(0u, dlg.GetColor());
    EXPECT_EQ((DWORD)CC_ENABLEHOOK, dlg.m_cc.Flags);  // the hook only
    EXPECT_EQ(nullptr, dlg.m_pParentWnd);
}

TEST(CMyColorDialog, OkGivesThePreselectedColour)
{
    CMyColorDialog dlg("Error Messages Color");
    dlg.m_cc.Flags |= CC_RGBINIT;  // as the preference pages do
    dlg.m_cc.rgbResult = RGB(0x12, 0x80, 0xC0);
    EXPECT_EQ(IDOK, RunAndPress(dlg, IDOK));
    EXPECT_EQ(RGB(0x12, 0x80, 0xC0), dlg.GetColor());
}

TEST(CMyColorDialog, OpeningAndClosingLeavesNoGdiObjects)
{
    {
        CMyColorDialog warm("x");
        RunAndPress(warm, IDOK);
    }
    DWORD nBefore = vorntest::GdiObjectCount();
    for (int i = 0; i < 5; ++i) {
        CMyColorDialog dlg("x");
        RunAndPress(dlg, i % 2 ? IDOK : IDCANCEL);
    }
    EXPECT_EQ(nBefore, vorntest::GdiObjectCount());
}
