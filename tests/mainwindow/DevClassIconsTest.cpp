// DevClassIconsTest.cpp: the device-class icons are loaded at their first
// use: each class index gives its own icon resource (the card reader and the
// punch share one, any other type has the program's icon), the same handle
// every time, kept in the table; an index out of range gives none.
#include <gtest/gtest.h>

#include <windows.h>

#include "config/DevClassIcons.h"
#include "resource.h"

namespace {

HICON ResourceIcon(UINT nID)
{
    return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nID));
}

int IconWidth(HICON hIcon)
{
    ICONINFO ii = {};
    if (!::GetIconInfo(hIcon, &ii))
        return 0;
    BITMAP bm = {};
    ::GetObjectA(ii.hbmColor ? ii.hbmColor : ii.hbmMask, sizeof bm, &bm);
    if (ii.hbmColor)
        ::DeleteObject(ii.hbmColor);
    if (ii.hbmMask)
        ::DeleteObject(ii.hbmMask);
    return bm.bmWidth;
}

}  // namespace

TEST(DevClassIcons, EachClassGetsItsResourceIconAtFirstUseAndKeepsIt)
{
    const struct {
        int nClass;
        UINT nResource;
    } kCases[] = {{0, IDI_DEV_CARD},    {1, IDI_DEV_CARD}, {2, IDI_DEV_PRINTER},
                  {3, IDI_DEV_CONSOLE}, {4, IDI_DEV_DISPLAY}, {5, IDI_DEV_DISK},
                  {6, IDI_DEV_TAPE},    {7, IDI_DEV_COMM}, {8, IDR_MAINFRAME}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.nClass);
        HICON hExpected = ResourceIcon(c.nResource);
        ASSERT_NE(hExpected, nullptr);
        HICON hIcon = DevClassIcon(c.nClass);
        EXPECT_EQ(hIcon, hExpected);
        EXPECT_EQ(g_hDevClassIcons[c.nClass], hIcon);
        EXPECT_EQ(DevClassIcon(c.nClass), hIcon);
        EXPECT_EQ(IconWidth(hIcon), ::GetSystemMetrics(SM_CXICON));
    }
    EXPECT_EQ(DevClassIcon(0), DevClassIcon(1));
    EXPECT_NE(DevClassIcon(5), DevClassIcon(6));
}

TEST(DevClassIcons, IndexOutOfRangeGivesNone)
{
    for (int nClass : {-1, 9, 100})
        EXPECT_EQ(DevClassIcon(nClass), nullptr) << nClass;
}
