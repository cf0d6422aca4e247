// CGdiObjectTest.cpp: GDI wrappers free what they own, once; DCs and scoped
// selections give back what they took; menus and strings load from resources.
#include <gtest/gtest.h>

#include <utility>

#include "platform/Afx.h"
#include "tests/platform/PlatformTestRes.h"
#include "tests/support/GdiObjectCount.h"

namespace {

DWORD GdiCount()
{
    return ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
}

}  // namespace

TEST(CGdiObject, OwnedObjectsAreFreedOnceAndMoveHandsThemOver)
{
    DWORD before = GdiCount();
    for (int i = 0; i < 20; i++) {
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(90, "MS Shell Dlg"));
        CBrush brush(RGB(1, 2, 3));
        CPen pen(PS_SOLID, 1, RGB(4, 5, 6));
        CRgn rgn;
        ASSERT_TRUE(rgn.CreateRectRgn(0, 0, 10, 10));
        CBitmap bmp;
        CClientDC screen(nullptr);
        ASSERT_TRUE(bmp.CreateCompatibleBitmap(screen, 8, 8));
        CBrush moved(std::move(brush));
        EXPECT_EQ(brush.m_hObject, nullptr);
        EXPECT_NE(moved.m_hObject, nullptr);
        LOGFONTA lf = {};
        EXPECT_TRUE(font.GetLogFont(&lf));
        EXPECT_STREQ(lf.lfFaceName, "MS Shell Dlg");
    }
    EXPECT_EQ(GdiCount(), before);
}

TEST(CGdiObject, MemoryDcAndScopedSelectionRestore)
{
    DWORD before = GdiCount();
    {
        CClientDC screen(nullptr);
        CDC mem;
        ASSERT_TRUE(mem.CreateCompatibleDC(&screen));
        CBitmap bmp;
        ASSERT_TRUE(bmp.CreateCompatibleBitmap(screen, 16, 16));
        HGDIOBJ hOrig = ::GetCurrentObject(mem, OBJ_BITMAP);
        {
            CDCSelect sel(mem, bmp);
            EXPECT_EQ(::GetCurrentObject(mem, OBJ_BITMAP), (HGDIOBJ)bmp.m_hObject);
            mem.FillSolidRect(0, 0, 16, 16, RGB(10, 20, 30));
            EXPECT_EQ(mem.GetPixel(5, 5), RGB(10, 20, 30));
        }
        EXPECT_EQ(::GetCurrentObject(mem, OBJ_BITMAP), hOrig);
    }
    EXPECT_EQ(GdiCount(), before);
}

TEST(CMenu, LoadsFromResourcesAndBorrowsSubMenus)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    CMenu sub = menu.GetSubMenu(0);
    ASSERT_NE(sub.m_hMenu, nullptr);
    EXPECT_EQ(sub.GetMenuItemCount(), 2);
    EXPECT_EQ(sub.GetMenuItemID(1), (UINT)ID_TEST_NONE);
    CString text;
    sub.GetMenuString(0, text, MF_BYPOSITION);
    EXPECT_EQ(text, "&Do");
    HMENU hSub = sub.m_hMenu;
    sub.DestroyMenu();  // borrowed: not destroyed
    EXPECT_TRUE(::IsMenu(hSub));
}

TEST(AfxResource, StringsLoadThroughTheResourceHandle)
{
    CString s;
    EXPECT_TRUE(s.LoadString(IDS_TEST_GREETING));
    EXPECT_EQ(s, "Hello from the string table");
    AfxSetResourceHandle(::GetModuleHandleA("kernel32.dll"));
    EXPECT_FALSE(s.LoadString(IDS_TEST_GREETING));
    AfxSetResourceHandle(nullptr);
    EXPECT_TRUE(s.LoadString(IDS_TEST_GREETING));
}

// A null object selects nothing and puts nothing back; a window's DC by its
// handle is given back at the end of the scope.
TEST(CGdiObject, NullSelectionLeavesTheDcAloneAndDcsByHandleAreGivenBack)
{
    HWND h = ::CreateWindowExA(0, "STATIC", "dc", WS_POPUP, 0, 0, 40, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(h, nullptr);
    DWORD nBefore = vorntest::GdiObjectCount();
    for (int i = 0; i < 10; i++) {
        CClientDC dc(h);
        ASSERT_NE(dc.m_hDC, nullptr);
        HGDIOBJ hFont = ::GetCurrentObject(dc, OBJ_FONT);
        {
            CDCSelect none(dc, nullptr);
            EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), hFont);
        }
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), hFont);
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(90, "MS Shell Dlg"));
        {
            CDCSelect sel(dc, font);
            EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), (HGDIOBJ)font.m_hObject);
        }
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), hFont);
        CWindowDC whole(h, DCX_WINDOW | DCX_CACHE);
        EXPECT_NE(whole.m_hDC, nullptr);
    }
    EXPECT_EQ(vorntest::GdiObjectCount(), nBefore);
    ::DestroyWindow(h);
}
