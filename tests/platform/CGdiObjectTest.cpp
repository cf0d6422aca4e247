// CGdiObjectTest.cpp: GDI wrappers free what they own, once; DCs and scoped
// selections give back what they took; menus and strings load from resources.
#include <gtest/gtest.h>

#include <utility>

#include "platform/Afx.h"
#include "tests/platform/PlatformTestRes.h"

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
