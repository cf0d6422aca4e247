// GdiHelpersTest.cpp: bitmap copies, recolouring and font sets under Wine,
// with the GDI objects counted.
#include <gtest/gtest.h>

#include "config/GdiHelpers.h"
#include "tests/support/BitmapPixel.h"
#include "tests/support/GdiObjectCount.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGreen = RGB(0, 160, 0);

// A 4 x 3 screen-compatible bitmap: row 0 key colour, row 1 white, row 2 green.
void MakeSample(CBitmap& bmp)
{
    HDC hdcScreen = ::GetDC(nullptr);
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(hdcScreen, 4, 3));
    ::ReleaseDC(nullptr, hdcScreen);
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, bmp.m_hObject);
    const COLORREF rows[3] = {kBitmapKeyColor, kWhite, kGreen};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            ::SetPixelV(hdc, x, y, rows[y]);
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
}

using vorntest::PixelOf;

}  // namespace

TEST(CopyBitmap, CopiesSizeAndPixels)
{
    CBitmap src, dest;
    MakeSample(src);
    ASSERT_TRUE(CopyBitmap(&dest, &src));
    ASSERT_NE(dest.m_hObject, src.m_hObject);
    BITMAP bmSrc = {}, bmDest = {};
    src.GetBitmap(&bmSrc);
    dest.GetBitmap(&bmDest);
    EXPECT_EQ(bmSrc.bmWidth, bmDest.bmWidth);
    EXPECT_EQ(bmSrc.bmHeight, bmDest.bmHeight);
    EXPECT_EQ(bmSrc.bmBitsPixel, bmDest.bmBitsPixel);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(PixelOf(src, x, y), PixelOf(dest, x, y)) << x << "," << y;
}

TEST(CopyBitmap, ReplacesTheOldBitmapWithoutLeaking)
{
    CBitmap src, dest;
    MakeSample(src);
    ASSERT_TRUE(CopyBitmap(&dest, &src));
    DWORD nBefore = vorntest::GdiObjectCount();
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(CopyBitmap(&dest, &src));
    EXPECT_EQ(nBefore, vorntest::GdiObjectCount());
}

TEST(CopyBitmap, RefusesAnEmptySource)
{
    CBitmap src, dest;
    EXPECT_FALSE(CopyBitmap(&dest, &src));
    EXPECT_FALSE(CopyBitmap(nullptr, &src));
    EXPECT_EQ(nullptr, dest.m_hObject);
}

// The destination's old bitmap cannot be deleted: the copy is refused, not
// reported done, and the destination keeps what it had.
TEST(CopyBitmap, FailedDeletionOfTheOldBitmapIsReported)
{
    CBitmap src, gone;
    MakeSample(src);
    ASSERT_TRUE(gone.CreateBitmap(2, 2, 1, 1, nullptr));
    HBITMAP hStale = gone.m_hObject;
    gone.DeleteObject();  // hStale no longer names a bitmap
    CBitmap dest;
    dest.m_hObject = hStale;
    EXPECT_FALSE(CopyBitmap(&dest, &src));
    EXPECT_EQ(hStale, dest.m_hObject);
    dest.Detach();
}

TEST(ReplaceBitmapColor, KeyColourBecomesTheBackground)
{
    CBitmap src, dest;
    MakeSample(src);
    const COLORREF kBack = RGB(200, 100, 50);
    ASSERT_TRUE(ReplaceBitmapColor(&dest, &src, kBack, FALSE, kWhite, RGB(1, 2, 3)));
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(kBack, PixelOf(dest, x, 0));
        EXPECT_EQ(kWhite, PixelOf(dest, x, 1));  // no second replacement asked
        EXPECT_EQ(kGreen, PixelOf(dest, x, 2));
        EXPECT_EQ(kBitmapKeyColor, PixelOf(src, x, 0));  // the source is untouched
    }
}

TEST(ReplaceBitmapColor, SecondColourIsReplacedWhenAsked)
{
    CBitmap src, dest;
    MakeSample(src);
    const COLORREF kBack = RGB(10, 20, 30), kText = RGB(250, 240, 0);
    ASSERT_TRUE(ReplaceBitmapColor(&dest, &src, kBack, TRUE, kWhite, kText));
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(kBack, PixelOf(dest, x, 0));
        EXPECT_EQ(kText, PixelOf(dest, x, 1));
        EXPECT_EQ(kGreen, PixelOf(dest, x, 2));
    }
}

// The key colour is looked for in the source: a background equal to the
// second colour is not replaced a second time.
TEST(ReplaceBitmapColor, ReplacementsFollowTheSourcePixels)
{
    CBitmap src, dest;
    MakeSample(src);
    ASSERT_TRUE(ReplaceBitmapColor(&dest, &src, kWhite, TRUE, kWhite, kGreen));
    EXPECT_EQ(kWhite, PixelOf(dest, 0, 0));
    EXPECT_EQ(kGreen, PixelOf(dest, 0, 1));
}

TEST(ReplaceBitmapColor, FailsWhenTheCopyFails)
{
    CBitmap src, dest;
    EXPECT_FALSE(ReplaceBitmapColor(&dest, &src, kWhite, FALSE, 0, 0));
}

TEST(ReplaceBitmapColor, LeavesNoGdiObjects)
{
    CBitmap src, dest;
    MakeSample(src);
    ASSERT_TRUE(ReplaceBitmapColor(&dest, &src, kWhite, TRUE, kWhite, kGreen));
    DWORD nBefore = vorntest::GdiObjectCount();
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(ReplaceBitmapColor(&dest, &src, RGB(i, i, i), TRUE, kWhite, kGreen));
    EXPECT_EQ(nBefore, vorntest::GdiObjectCount());
}

TEST(CloneFonts, MakesFiveEqualFontsAndDeleteFontsFreesThem)
{
    CFont src[5];
    const char* faces[5] = {"Tahoma", "Courier New", "Arial", "Tahoma", "Courier New"};
    for (int i = 0; i < 5; ++i) {
        LOGFONTA lf = {};
        lf.lfHeight = -(10 + i);
        lf.lfWeight = i % 2 ? FW_BOLD : FW_NORMAL;
        lstrcpyA(lf.lfFaceName, faces[i]);
        ASSERT_TRUE(src[i].CreateFontIndirect(&lf));
    }
    CFont *p1 = nullptr, *p2 = nullptr, *p3 = nullptr, *p4 = nullptr, *p5 = nullptr;
    ASSERT_TRUE(CloneFonts(p1, p2, p3, p4, p5, src[0], src[1], src[2], src[3], src[4]));
    HGDIOBJ first[5] = {p1->m_hObject, p2->m_hObject, p3->m_hObject, p4->m_hObject, p5->m_hObject};
    ASSERT_TRUE(CloneFonts(p1, p2, p3, p4, p5, src[0], src[1], src[2], src[3], src[4]));
    CFont* clones[5] = {p1, p2, p3, p4, p5};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(0u, (unsigned)::GetObjectType(first[i])) << i;  // the earlier set is gone
        ASSERT_NE(nullptr, clones[i]);
        LOGFONTA a = {}, b = {};
        src[i].GetLogFont(&a);
        clones[i]->GetLogFont(&b);
        EXPECT_EQ(0, memcmp(&a, &b, sizeof a)) << i;
        EXPECT_NE(src[i].m_hObject, clones[i]->m_hObject);
    }
    HGDIOBJ second[5] = {p1->m_hObject, p2->m_hObject, p3->m_hObject, p4->m_hObject, p5->m_hObject};
    DeleteFonts(p1, p2, p3, p4, p5);
    EXPECT_TRUE(!p1 && !p2 && !p3 && !p4 && !p5);
    for (HGDIOBJ h : second)
        EXPECT_EQ(0u, (unsigned)::GetObjectType(h));
    DeleteFonts(p1, p2, p3, p4, p5);  // an empty set is fine
}

TEST(CloneFonts, ASourceWithoutAFontLeavesItsPointerNull)
{
    CFont src, none;
    ASSERT_TRUE(src.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
    CFont *p1 = nullptr, *p2 = nullptr, *p3 = nullptr, *p4 = nullptr, *p5 = nullptr;
    EXPECT_FALSE(CloneFonts(p1, p2, p3, p4, p5, src, none, src, none, src));
    EXPECT_NE(nullptr, p1);
    EXPECT_EQ(nullptr, p2);
    EXPECT_NE(nullptr, p5);
    DeleteFonts(p1, p2, p3, p4, p5);
}
