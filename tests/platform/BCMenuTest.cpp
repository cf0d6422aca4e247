// BCMenuTest.cpp: the owner-drawn menu under Wine: loading a menu and a
// toolbar, owner-drawn items with their images, measuring and drawing each
// kind of item (with image, without, checked, greyed, selected, separator,
// accelerator text), mnemonics, routing through CWnd, and GDI objects.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Afx.h"
#include "platform/BCMenu.h"
#include "tests/platform/ControlsTestRes.h"
#include "tests/platform/ShotFile.h"
#include "tests/support/HangWatch.h"

namespace {

const int kItemWidth = 220;

ULONG_PTR ItemData(HMENU hMenu, int nPos, UINT* pType = nullptr)
{
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_DATA | MIIM_FTYPE;
    ::GetMenuItemInfoA(hMenu, nPos, TRUE, &mii);
    if (pType)
        *pType = mii.fType;
    return mii.dwItemData;
}

// Measures item nPos of hMenu.
MEASUREITEMSTRUCT Measure(HMENU hMenu, int nPos)
{
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemID = ::GetMenuItemID(hMenu, nPos);
    mis.itemData = ItemData(hMenu, nPos);
    BCMenu::MeasureItem(&mis);
    return mis;
}

// Draws items of a pop-up one under the other into a bitmap, with the given
// states, the way the menu window asks for them.
class ItemCanvas {
public:
    ItemCanvas(int cx, int cy) : m_screen(nullptr)
    {
        m_dc.CreateCompatibleDC(&m_screen);
        m_bmp.CreateCompatibleBitmap(m_screen, cx, cy);
        m_pSel = new CDCSelect(m_dc, m_bmp);
        CRect rc(0, 0, cx, cy);
        m_dc.FillSolidRect(&rc, RGB(0, 0, 0));
    }
    ~ItemCanvas() { delete m_pSel; }

    CRect Draw(HMENU hMenu, int nPos, UINT nState)
    {
        MEASUREITEMSTRUCT mis = Measure(hMenu, nPos);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_MENU;
        dis.itemID = mis.itemID;
        dis.itemState = nState;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.hwndItem = (HWND)hMenu;
        dis.hDC = m_dc;
        dis.rcItem = CRect(0, m_y, kItemWidth, m_y + (int)mis.itemHeight);
        dis.itemData = mis.itemData;
        BCMenu::DrawItem(&dis);
        m_y += (int)mis.itemHeight;
        return CRect(dis.rcItem);
    }
    COLORREF Pixel(int x, int y) const { return m_dc.GetPixel(x, y); }
    bool Has(const CRect& rc, COLORREF cr) const
    {
        for (int y = rc.top; y < rc.bottom; y++)
            for (int x = rc.left; x < rc.right; x++)
                if (Pixel(x, y) == cr)
                    return true;
        return false;
    }
    // Saves the picture as a BMP when VORN_SHOT_DIR names a folder.
    void Save(const char* pszName) const;

private:
    CClientDC m_screen;
    CDC m_dc;
    CBitmap m_bmp;
    CDCSelect* m_pSel;
    int m_y = 0;
};

void ItemCanvas::Save(const char* pszName) const
{
    SaveBitmap(m_dc, m_bmp, pszName);
}

class BCMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(menu.LoadMenu(IDR_TEST_CONTEXT));
        ASSERT_TRUE(menu.LoadToolbar(IDR_TEST_TOOLBAR));
        popup = menu.GetSubMenu(0);
        ASSERT_NE(popup, nullptr);
    }
    BCMenu menu;
    BCMenu* popup = nullptr;
};

}  // namespace

TEST_F(BCMenuTest, PopupItemsAreOwnerDrawnAndTheBarIsNot)
{
    UINT nType = 0;
    ItemData(menu, 0, &nType);
    EXPECT_FALSE(nType & MFT_OWNERDRAW);
    ASSERT_EQ(popup->GetMenuItemCount(), 7);
    for (int i = 0; i < 7; i++) {
        EXPECT_NE(ItemData(*popup, i, &nType), 0u) << i;
        EXPECT_TRUE(nType & MFT_OWNERDRAW) << i;
    }
    EXPECT_EQ(popup->GetMenuItemID(6), (UINT)ID_TEST_PROPERTIES);
    EXPECT_TRUE(BCMenu::IsMenu(menu));
    EXPECT_TRUE(BCMenu::IsMenu(*popup));
    CMenu plain;
    plain.CreatePopupMenu();
    EXPECT_FALSE(BCMenu::IsMenu(plain));
    EXPECT_EQ(menu.GetSubMenu(1), nullptr);
}

TEST_F(BCMenuTest, ToolbarGivesImagesByCommand)
{
    EXPECT_EQ(menu.GetImageIndex(ID_TEST_CLOSE), 0);
    EXPECT_EQ(menu.GetImageIndex(ID_TEST_PROPERTIES), 1);
    EXPECT_EQ(menu.GetImageIndex(ID_TEST_COPY), 2);
    EXPECT_EQ(menu.GetImageIndex(ID_TEST_FIND), 3);  // the separator takes no image
    EXPECT_EQ(menu.GetImageIndex(ID_TEST_DOCK), 5);
    EXPECT_EQ(menu.GetImageIndex(ID_TEST_PLAIN), -1);
    EXPECT_EQ(popup->GetImageIndex(ID_TEST_CLOSE), 0);  // pop-ups share the images
    BCMenu other;
    EXPECT_FALSE(other.LoadToolbar(IDR_TEST_CONTEXT));  // a menu, not a toolbar
    EXPECT_FALSE(other.LoadToolbar(9999));
}

TEST_F(BCMenuTest, MeasureEachKindOfItem)
{
    MEASUREITEMSTRUCT close = Measure(*popup, 0);
    MEASUREITEMSTRUCT copy = Measure(*popup, 1);
    MEASUREITEMSTRUCT sep = Measure(*popup, 3);
    MEASUREITEMSTRUCT plain = Measure(*popup, 5);
    EXPECT_EQ(sep.itemHeight, 8u);
    EXPECT_GE(close.itemHeight, 22u);  // a 16-pixel image and its padding
    EXPECT_EQ(plain.itemHeight, close.itemHeight);
    EXPECT_GT(copy.itemWidth, close.itemWidth + 24);  // room for "Ctrl+C"
    EXPECT_GT(plain.itemWidth, close.itemWidth);
}

TEST_F(BCMenuTest, DrawEachKindOfItem)
{
    ItemCanvas canvas(kItemWidth, 200);
    CRect rcClose = canvas.Draw(*popup, 0, 0);
    CRect rcCopySel = canvas.Draw(*popup, 1, ODS_SELECTED);
    CRect rcShowChecked = canvas.Draw(*popup, 2, ODS_CHECKED);
    CRect rcSep = canvas.Draw(*popup, 3, 0);
    CRect rcFindGrey = canvas.Draw(*popup, 4, ODS_GRAYED);
    CRect rcPlainChecked = canvas.Draw(*popup, 5, ODS_CHECKED);
    CRect rcPropsCheckedImage = canvas.Draw(*popup, 6, ODS_CHECKED);
    CRect rcFindGreySel = canvas.Draw(*popup, 4, ODS_GRAYED | ODS_SELECTED);
    canvas.Save("bcmenu-items.bmp");

    const COLORREF menuBack = ::GetSysColor(COLOR_MENU);
    const COLORREF menuText = ::GetSysColor(COLOR_MENUTEXT);
    CRect gutter(0, 0, 22, 0);
    auto GutterOf = [&](const CRect& rc) { return CRect(gutter.left, rc.top, gutter.right, rc.bottom); };
    auto TextOf = [&](const CRect& rc) { return CRect(30, rc.top, rc.right, rc.bottom); };
    // The Close image: its red cross shows in the gutter, magenta does not.
    EXPECT_TRUE(canvas.Has(GutterOf(rcClose), RGB(0xB0, 0x10, 0x10)));
    EXPECT_FALSE(canvas.Has(rcClose, RGB(255, 0, 255)));
    EXPECT_EQ(canvas.Pixel(rcClose.right - 2, rcClose.top + 1), menuBack);
    EXPECT_TRUE(canvas.Has(TextOf(rcClose), menuText));
    // Selected: highlight background and text.
    EXPECT_EQ(canvas.Pixel(rcCopySel.right - 2, rcCopySel.top + 1), ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_TRUE(canvas.Has(TextOf(rcCopySel), ::GetSysColor(COLOR_HIGHLIGHTTEXT)));
    // Checked without an image: a check mark in the gutter.
    EXPECT_TRUE(canvas.Has(GutterOf(rcShowChecked), menuText));
    EXPECT_TRUE(canvas.Has(GutterOf(rcPlainChecked), menuText));
    // Separator: no text, an etched line.
    EXPECT_FALSE(canvas.Has(rcSep, menuText));
    EXPECT_TRUE(canvas.Has(rcSep, ::GetSysColor(COLOR_3DSHADOW)));
    // Greyed: grey text, no menu-text pixel, and the image not in full colour.
    EXPECT_TRUE(canvas.Has(TextOf(rcFindGrey), ::GetSysColor(COLOR_GRAYTEXT)));
    EXPECT_FALSE(canvas.Has(TextOf(rcFindGrey), menuText));
    EXPECT_FALSE(canvas.Has(GutterOf(rcFindGrey), RGB(0xA8, 0xD0, 0xF0)));
    // Greyed and selected: highlighted as the system's menus do, grey text.
    EXPECT_EQ(canvas.Pixel(rcFindGreySel.right - 2, rcFindGreySel.top + 1), ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_TRUE(canvas.Has(TextOf(rcFindGreySel), ::GetSysColor(COLOR_GRAYTEXT)));
    // Checked with an image: the image framed on the light face colour.
    EXPECT_TRUE(canvas.Has(GutterOf(rcPropsCheckedImage), ::GetSysColor(COLOR_3DLIGHT)));
    EXPECT_TRUE(canvas.Has(GutterOf(rcPropsCheckedImage), RGB(0x20, 0x50, 0xA0)));
}

// Keys through the display: Down passes over the separator and stops on the
// greyed item, as in the system's menus, so that Enter after five chooses
// the item after it. The Esc behind them reaches the window: the menu took
// the others (it would have ended the menu had Enter not).
TEST_F(BCMenuTest, KeysPassOverSeparatorsAndStopOnGreyedItems)
{
    popup->EnableMenuItem(ID_TEST_FIND, MF_BYCOMMAND | MF_GRAYED);
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "m", WS_POPUP | WS_VISIBLE, CRect(0, 0, 50, 50), nullptr, 0));
    ::SetForegroundWindow(wnd.m_hWnd);
    std::vector<INPUT> keys(14, INPUT{INPUT_KEYBOARD, {}});
    for (size_t i = 0; i < keys.size(); i++)
        keys[i].ki = {WORD(i < 10 ? VK_DOWN : i < 12 ? VK_RETURN : VK_ESCAPE), 0, i % 2 ? (DWORD)KEYEVENTF_KEYUP : 0};
    ASSERT_EQ(keys.size(), ::SendInput((UINT)keys.size(), keys.data(), sizeof(INPUT)));
    vorntest::WaitingFor waiting("the menu keys");
    EXPECT_EQ((UINT)ID_TEST_PLAIN, (UINT)::TrackPopupMenu(*popup, TPM_RETURNCMD, 60, 60, 0, wnd.m_hWnd, nullptr));
    MSG msg = {};
    EXPECT_TRUE(::PeekMessageA(&msg, wnd.m_hWnd, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE) && msg.wParam == VK_ESCAPE);
    wnd.DestroyWindow();
}

TEST_F(BCMenuTest, AppendedItemsAreOwnerDrawnToo)
{
    ASSERT_TRUE(popup->AppendMenu(MF_SEPARATOR));
    ASSERT_TRUE(popup->AppendMenu(MF_STRING, ID_TEST_FLOAT, "Float"));
    UINT nType = 0;
    EXPECT_NE(ItemData(*popup, 8, &nType), 0u);
    EXPECT_TRUE(nType & MFT_OWNERDRAW);
    EXPECT_EQ(Measure(*popup, 7).itemHeight, 8u);
    BCMenu ctx;
    ASSERT_TRUE(ctx.CreatePopupMenu());
    ASSERT_TRUE(ctx.AppendMenu(MF_STRING, ID_TEST_COPY, "&Copy"));
    EXPECT_TRUE(ItemData(ctx, 0, &nType) != 0 && (nType & MFT_OWNERDRAW));
}

TEST_F(BCMenuTest, SubMenusOfSubMenus)
{
    BCMenu bar;
    ASSERT_TRUE(bar.LoadMenu(IDR_TEST_BAR));
    BCMenu* file = bar.GetSubMenu(0);
    ASSERT_NE(file, nullptr);
    BCMenu* bars = file->GetSubMenu(1);
    ASSERT_NE(bars, nullptr);
    UINT nType = 0;
    ItemData(*bars, 0, &nType);
    EXPECT_TRUE(nType & MFT_OWNERDRAW);
    ItemData(*file, 1, &nType);
    EXPECT_TRUE(nType & MFT_OWNERDRAW);  // the pop-up's own item
    EXPECT_NE(bar.GetSubMenu(1), nullptr);
}

// A frame's menu bar taken as it is becomes what loading it would make.
TEST_F(BCMenuTest, AnAttachedMenuBarIsOwnerDrawnAsALoadedOne)
{
    HMENU hLoaded = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_TEST_BAR));
    ASSERT_NE(hLoaded, nullptr);
    BCMenu bar;
    ASSERT_TRUE(bar.AttachMenuBar(hLoaded));
    EXPECT_EQ((HMENU)bar, hLoaded);
    EXPECT_TRUE(BCMenu::IsMenu(hLoaded));
    BCMenu* file = bar.GetSubMenu(0);
    ASSERT_NE(file, nullptr);
    UINT nType = 0;
    ItemData(*file, 1, &nType);
    EXPECT_TRUE(nType & MFT_OWNERDRAW);
    ASSERT_NE(file->GetSubMenu(1), nullptr);
    ItemData(*file->GetSubMenu(1), 0, &nType);
    EXPECT_TRUE(nType & MFT_OWNERDRAW);
    BCMenu none;
    EXPECT_FALSE(none.AttachMenuBar(nullptr));
}

TEST_F(BCMenuTest, MnemonicsFindTheirItems)
{
    EXPECT_EQ(BCMenu::FindKeyboardShortcut('p', 0, *popup), MAKELRESULT(6, MNC_EXECUTE));
    EXPECT_EQ(BCMenu::FindKeyboardShortcut('L', 0, *popup), MAKELRESULT(5, MNC_EXECUTE));
    EXPECT_EQ(BCMenu::FindKeyboardShortcut('z', 0, *popup), 0);
    popup->EnableMenuItem(ID_TEST_PROPERTIES, MF_BYCOMMAND | MF_GRAYED);
    EXPECT_EQ(BCMenu::FindKeyboardShortcut('p', 0, *popup), 0);
    CMenu plain;
    plain.CreatePopupMenu();
    plain.AppendMenu(MF_STRING, 1, "&Plain");
    EXPECT_EQ(BCMenu::FindKeyboardShortcut('p', 0, plain), 0);
}

TEST_F(BCMenuTest, UpdateMenuRedrawsItemsChangedBehindItsBack)
{
    ::ModifyMenuA(*popup, 0, MF_BYPOSITION | MF_STRING, ID_TEST_CLOSE, "&Close now");
    UINT nType = 0;
    ItemData(*popup, 0, &nType);
    EXPECT_FALSE(nType & MFT_OWNERDRAW);
    EXPECT_TRUE(BCMenu::UpdateMenu(*popup));
    ItemData(*popup, 0, &nType);
    EXPECT_TRUE(nType & MFT_OWNERDRAW);
    CMenu plain;
    plain.CreatePopupMenu();
    EXPECT_FALSE(BCMenu::UpdateMenu(plain));
}

TEST_F(BCMenuTest, WindowsHandTheirMenuItemsToTheMenu)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "m", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemData = ItemData(*popup, 0);
    EXPECT_TRUE(wnd.SendMessage(WM_MEASUREITEM, 0, (LPARAM)&mis));
    EXPECT_GE(mis.itemHeight, 22u);
    MEASUREITEMSTRUCT foreign = {};
    foreign.CtlType = ODT_MENU;
    foreign.itemData = 12345;  // not a BCMenu item: left alone
    EXPECT_FALSE(BCMenu::HandleOwnerDraw(WM_MEASUREITEM, (LPARAM)&foreign));
    EXPECT_EQ(foreign.itemHeight, 0u);
    wnd.DestroyWindow();
}

TEST(BCMenu, ADetachedMenuBarStillDrawsItsPopups)
{
    // As the main frame does: load, detach, hand the bar to the window.
    BCMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_BAR));
    ASSERT_TRUE(menu.LoadToolbar(IDR_TEST_TOOLBAR));
    HMENU hBar = menu.Detach();
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "f", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), nullptr, 0));
    ASSERT_TRUE(wnd.SetMenu(hBar));
    BCMenu* file = menu.GetSubMenu(0);
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(BCMenu::IsMenu(*file));
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemData = ItemData(*file, 0);
    EXPECT_TRUE(wnd.SendMessage(WM_MEASUREITEM, 0, (LPARAM)&mis));
    EXPECT_GE(mis.itemHeight, 22u);
    EXPECT_EQ(menu.GetImageIndex(ID_TEST_CLOSE), 0);
    wnd.DestroyWindow();  // destroys the menu bar it owns
}

TEST_F(BCMenuTest, DestroyedMenusLeaveNoItemsBehind)
{
    ULONG_PTR data = ItemData(*popup, 0);
    HMENU hPopup = *popup;
    menu.DestroyMenu();
    EXPECT_FALSE(BCMenu::IsMenu(hPopup));
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemData = data;
    EXPECT_FALSE(BCMenu::HandleOwnerDraw(WM_MEASUREITEM, (LPARAM)&mis));
}

TEST(BCMenu, LoadDrawAndDestroyLeaveNoGdiObjects)
{
    auto round = []() {
        BCMenu m;
        ASSERT_TRUE(m.LoadMenu(IDR_TEST_CONTEXT));
        ASSERT_TRUE(m.LoadToolbar(IDR_TEST_TOOLBAR));
        ItemCanvas canvas(kItemWidth, 200);
        for (int i = 0; i < 7; i++)
            canvas.Draw(*m.GetSubMenu(0), i, i % 2 ? ODS_CHECKED : ODS_GRAYED);
    };
    round();
    DWORD before = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 20; i++)
        round();
    EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), before);
}
