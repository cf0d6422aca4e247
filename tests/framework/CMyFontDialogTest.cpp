// CMyFontDialogTest.cpp: the titled font dialog under Wine: its title, its
// place on the desktop, the portable and the detailed font description, the
// effects section, and no GDI objects left behind.
#include <gtest/gtest.h>

#include <windows.h>
#include <dlgs.h>

#include <string>

#include "framework/CMyFontDialog.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/GdiObjectCount.h"

namespace {

std::string WindowText(HWND h)
{
    char sz[256] = {};
    ::GetWindowTextA(h, sz, sizeof sz);
    return sz;
}

// Where every dialog places itself: a third of the desktop's free room.
POINT ExpectedDesktopPlace(HWND h)
{
    RECT rcDesk, rc;
    ::GetWindowRect(::GetDesktopWindow(), &rcDesk);
    ::GetWindowRect(h, &rc);
    int x = (rcDesk.right - rcDesk.left) / 3 - (rc.right - rc.left) / 3;
    int y = (rcDesk.bottom - rcDesk.top) / 3 - (rc.bottom - rc.top) / 3;
    return POINT{x > 0 ? x : 0, y > 0 ? y : 0};
}

LOGFONTA SymbolFont()
{
    LOGFONTA lf = {};
    lf.lfHeight = -16;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = SYMBOL_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfClipPrecision = CLIP_STROKE_PRECIS;
    lf.lfQuality = PROOF_QUALITY;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_DECORATIVE;
    lstrcpyA(lf.lfFaceName, "Marlett");
    return lf;
}

// Runs the dialog, records its title and place, and presses OK.
INT_PTR RunAndAccept(CMyFontDialog& dlg, std::string* pTitle = nullptr, bool* pPlaced = nullptr)
{
    return vorntest::RunModal(dlg, [&](HWND h) {
        if (pTitle)
            *pTitle = WindowText(h);
        if (pPlaced) {
            RECT rc;
            ::GetWindowRect(h, &rc);
            POINT pt = ExpectedDesktopPlace(h);
            *pPlaced = rc.left == pt.x && rc.top == pt.y;
        }
        if (vorntest::KeepOpenForScreenshot()) {
            ::Sleep(100);
            return ::GetAsyncKeyState(VK_ESCAPE) == 0;  // tools/screenshot closes the program
        }
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
}

}  // namespace

TEST(CMyFontDialog, AnEmptyOrMissingTitleIsChooseFont)
{
    EXPECT_STREQ("Choose Font", CMyFontDialog().GetTitle().GetString());
    EXPECT_STREQ("Choose Font", CMyFontDialog("").GetTitle().GetString());
    CMyFontDialog dlg("");
    std::string strTitle;
    EXPECT_EQ(IDOK, RunAndAccept(dlg, &strTitle));
    EXPECT_EQ("Choose Font", strTitle);
}

TEST(CMyFontDialog, ShowsItsTitleAndPlacesItselfOnTheDesktop)
{
    LOGFONTA lf = SymbolFont();
    CMyFontDialog dlg("Vornamic Console Font", &lf);
    std::string strTitle;
    bool bPlaced = false;
    EXPECT_EQ(IDOK, RunAndAccept(dlg, &strTitle, &bPlaced));
    EXPECT_EQ("Vornamic Console Font", strTitle);
    EXPECT_TRUE(bPlaced);
    EXPECT_EQ(nullptr, dlg.m_hWnd);  // let go once the system's dialog ended
}

TEST(CMyFontDialog, OffersScreenFontsWithEffectsAndNoParent)
{
    CMyFontDialog dlg("x");
    EXPECT_EQ((DWORD)(CF_SCREENFONTS | CF_EFFECTS), dlg.m_cf.Flags & ~(DWORD)CF_ENABLEHOOK);
    EXPECT_EQ(nullptr, dlg.m_cf.hDC);
    EXPECT_EQ(nullptr, dlg.m_pParentWnd);
    LOGFONTA lf = SymbolFont();
    CMyFontDialog dlgInit("x", &lf);
    EXPECT_TRUE(dlgInit.m_cf.Flags & CF_INITTOLOGFONTSTRUCT);
    EXPECT_STREQ("Marlett", dlgInit.m_lf.lfFaceName);
}

TEST(CMyFontDialog, EffectsSectionFollowsTheFlag)
{
    bool bWith = false, bWithout = true;
    CMyFontDialog dlg("Effects");
    vorntest::RunModal(dlg, [&](HWND h) {
        bWith = ::IsWindowVisible(::GetDlgItem(h, chx2)) != FALSE;  // Underline
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    CMyFontDialog dlgPlain("No effects");
    dlgPlain.m_cf.Flags &= ~(DWORD)CF_EFFECTS;  // as the preference pages do
    vorntest::RunModal(dlgPlain, [&](HWND h) {
        bWithout = ::IsWindowVisible(::GetDlgItem(h, chx2)) != FALSE;
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_TRUE(bWith);
    EXPECT_FALSE(bWithout);
}

TEST(CMyFontDialog, SelectedFontIsPortableUnlessDetailsAreKept)
{
    LOGFONTA lfInit = SymbolFont();
    CMyFontDialog dlg("Font", &lfInit);
    LOGFONTA lfOpen = {};
    INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
        dlg.GetSelectedFont(lfOpen, true);  // read from the open dialog
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    ASSERT_EQ(IDOK, r);
    EXPECT_STREQ("Marlett", lfOpen.lfFaceName);
    EXPECT_EQ(SYMBOL_CHARSET, lfOpen.lfCharSet);

    LOGFONTA lfKept = {};
    dlg.GetSelectedFont(lfKept, true);
    EXPECT_EQ(0, memcmp(&lfKept, &dlg.m_lf, sizeof lfKept));
    EXPECT_EQ(SYMBOL_CHARSET, lfKept.lfCharSet);

    LOGFONTA lfPortable = {};
    dlg.GetSelectedFont(lfPortable);
    EXPECT_EQ(DEFAULT_CHARSET, lfPortable.lfCharSet);
    EXPECT_EQ(0, lfPortable.lfOutPrecision);
    EXPECT_EQ(0, lfPortable.lfClipPrecision);
    EXPECT_EQ(0, lfPortable.lfQuality);
    EXPECT_EQ(0, lfPortable.lfPitchAndFamily);
    EXPECT_EQ(lfKept.lfHeight, lfPortable.lfHeight);
    EXPECT_EQ(lfKept.lfWeight, lfPortable.lfWeight);
    EXPECT_STREQ(lfKept.lfFaceName, lfPortable.lfFaceName);
}

TEST(CMyFontDialog, CancelReturnsCancel)
{
    LOGFONTA lf = SymbolFont();
    CMyFontDialog dlg("Font", &lf);
    INT_PTR r = vorntest::RunModal(dlg, [](HWND h) {
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ(IDCANCEL, r);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(CMyFontDialog, OpeningAndClosingLeavesNoGdiObjects)
{
    LOGFONTA lf = SymbolFont();
    {
        CMyFontDialog warm("Font", &lf);
        RunAndAccept(warm);
    }
    DWORD nBefore = vorntest::GdiObjectCount();
    for (int i = 0; i < 5; ++i) {
        CMyFontDialog dlg("Font", &lf);
        RunAndAccept(dlg);
    }
    EXPECT_EQ(nBefore, vorntest::GdiObjectCount());
}
