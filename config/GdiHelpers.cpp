// GdiHelpers.cpp: bitmap copies, loading, recolouring and font sets.
#include "config/GdiHelpers.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/CDC.h"
#include "platform/OneStepPaint.h"
#include "platform/Trace.h"

bool CopyBitmap(CBitmap* pDest, const CBitmap* pSrc)
{
    BITMAP bm = {};
    if (!pDest || !pSrc || !pSrc->m_hObject || !pSrc->GetBitmap(&bm))
        return false;
    std::vector<BYTE> bits((size_t)bm.bmWidthBytes * (size_t)bm.bmHeight);
    if (bits.empty() || ::GetBitmapBits(pSrc->m_hObject, (LONG)bits.size(), bits.data()) == 0) {
        TRACE_FAILED_CALL("GetBitmapBits(...)");
        return false;
    }
    // A bitmap that cannot be deleted (still selected somewhere, or no longer
    // a bitmap) stays; the copy is refused rather than reported done.
    if (pDest->m_hObject) {
        if (!::DeleteObject(pDest->m_hObject)) {
            TRACE_FAILED_CALL("DeleteObject(pDest->m_hObject)");
            return false;
        }
        pDest->Detach();
    }
    if (!pDest->CreateBitmap(bm.bmWidth, bm.bmHeight, bm.bmPlanes, bm.bmBitsPixel, bits.data())) {
        TRACE_FAILED_CALL("CreateBitmap(...)");
        return false;
    }
    return true;
}

namespace {

// A 24-bit bitmap resource: its size and its rows, bottom-up, each padded to
// four bytes.
struct SBitmapResource {
    LONG cx = 0, cy = 0;
    const BYTE* pRows = nullptr;
};

LONG Dib24Stride(LONG cx)
{
    return (cx * 3 + 3) & ~3;
}

bool FindBitmapResource(HINSTANCE hInst, const char* pszName, SBitmapResource& image)
{
    HRSRC hRes = ::FindResourceA(hInst, pszName, (LPCSTR)RT_BITMAP);
    HGLOBAL hData = hRes ? ::LoadResource(hInst, hRes) : nullptr;
    const BITMAPINFOHEADER* pHeader = hData ? (const BITMAPINFOHEADER*)::LockResource(hData) : nullptr;
    DWORD cbData = hRes ? ::SizeofResource(hInst, hRes) : 0;
    if (!pHeader || cbData < sizeof(BITMAPINFOHEADER) || pHeader->biSize < sizeof(BITMAPINFOHEADER) ||
        pHeader->biPlanes != 1 || pHeader->biBitCount != 24 || pHeader->biCompression != BI_RGB ||
        pHeader->biWidth <= 0 || pHeader->biHeight <= 0)
        return false;
    // A 24-bit image may carry a colour table for palette devices before its bits.
    size_t nOffset = pHeader->biSize + (size_t)pHeader->biClrUsed * sizeof(RGBQUAD);
    if (cbData < nOffset || (cbData - nOffset) / (size_t)pHeader->biHeight < (size_t)Dib24Stride(pHeader->biWidth))
        return false;
    image.cx = pHeader->biWidth;
    image.cy = pHeader->biHeight;
    image.pRows = (const BYTE*)pHeader + nOffset;
    return true;
}

// The images stacked from the top, left-aligned, as one screen bitmap.
bool MakeStackedBitmap(const std::vector<SBitmapResource>& images, CBitmap& stack)
{
    LONG cxStack = 0, cyStack = 0;
    for (const SBitmapResource& image : images) {
        cxStack = std::max(cxStack, image.cx);
        cyStack += image.cy;
    }
    const LONG nStride = Dib24Stride(cxStack);
    std::vector<BYTE> rows((size_t)nStride * (size_t)cyStack);
    // Bottom-up, as the resources: the stack's last rows are the first image's.
    LONG yBottom = cyStack;
    for (const SBitmapResource& image : images) {
        yBottom -= image.cy;
        const size_t nImageStride = (size_t)Dib24Stride(image.cx);
        for (LONG y = 0; y < image.cy; ++y)
            std::memcpy(&rows[(size_t)(yBottom + y) * (size_t)nStride], image.pRows + (size_t)y * nImageStride,
                        (size_t)image.cx * 3);
    }
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cxStack;
    bmi.bmiHeader.biHeight = cyStack;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    bmi.bmiHeader.biCompression = BI_RGB;
    HDC hdcScreen = ::GetDC(nullptr);
    if (!hdcScreen)
        return false;
    HBITMAP hStack = ::CreateDIBitmap(hdcScreen, &bmi.bmiHeader, CBM_INIT, rows.data(), &bmi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hdcScreen);
    return hStack && stack.Attach(hStack);
}

}  // namespace

bool LoadBitmapResources(HINSTANCE hInst, const char* const* ppszNames, CBitmap* const* ppOut, size_t nCount)
{
    for (size_t i = 0; i < nCount; ++i)
        ppOut[i]->DeleteObject();
    if (nCount == 0)
        return true;
    std::vector<SBitmapResource> images(nCount);
    for (size_t i = 0; i < nCount; ++i) {
        if (!FindBitmapResource(hInst, ppszNames[i], images[i])) {
            WrenLibAfxTraceEx("LoadBitmapResources", "no 24-bit bitmap \"%s\"",
                              IS_INTRESOURCE(ppszNames[i]) ? "#" : ppszNames[i]);
            return false;
        }
    }
    CBitmap stack;
    BITMAP bm = {};
    if (!MakeStackedBitmap(images, stack) || !stack.GetBitmap(&bm) || bm.bmPlanes != 1) {
        TRACE_FAILED_CALL("CreateDIBitmap(...)");
        return false;
    }
    std::vector<BYTE> bits((size_t)bm.bmWidthBytes * (size_t)bm.bmHeight);
    if (::GetBitmapBits(stack.m_hObject, (LONG)bits.size(), bits.data()) == 0) {
        TRACE_FAILED_CALL("GetBitmapBits(...)");
        return false;
    }
    // A device-dependent bitmap's rows are top-down, each padded to two bytes.
    LONG yTop = 0;
    std::vector<BYTE> cut;
    for (size_t i = 0; i < nCount; ++i) {
        const SBitmapResource& image = images[i];
        const size_t nRowBytes = (size_t)((image.cx * bm.bmBitsPixel + 15) / 16 * 2);
        cut.assign(nRowBytes * (size_t)image.cy, 0);
        for (LONG y = 0; y < image.cy; ++y)
            std::memcpy(&cut[(size_t)y * nRowBytes], &bits[(size_t)(yTop + y) * (size_t)bm.bmWidthBytes],
                        (size_t)(image.cx * bm.bmBitsPixel + 7) / 8);
        yTop += image.cy;
        if (!ppOut[i]->CreateBitmap(image.cx, image.cy, 1, bm.bmBitsPixel, cut.data())) {
            TRACE_FAILED_CALL("CreateBitmap(...)");
            for (size_t k = 0; k < nCount; ++k)
                ppOut[k]->DeleteObject();
            return false;
        }
    }
    return true;
}

namespace {

// A 32-bit top-down DIB pixel (0x00RRGGBB) as a COLORREF and back.
COLORREF PixelColor(DWORD dwPixel)
{
    return RGB((dwPixel >> 16) & 0xFF, (dwPixel >> 8) & 0xFF, dwPixel & 0xFF);
}

DWORD ColorPixel(COLORREF clr)
{
    return ((DWORD)GetRValue(clr) << 16) | ((DWORD)GetGValue(clr) << 8) | GetBValue(clr);
}

// The bitmap's pixels as 32-bit top-down rows (cx by cy), or writes them.
bool BitmapPixels(HBITMAP hBitmap, int cx, int cy, std::vector<DWORD>& pixels, bool bWrite)
{
    BITMAPINFO bmi = DrawingBitmapInfo(cx, cy);
    pixels.resize((size_t)cx * (size_t)cy);
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr))
        return false;
    int nLines = bWrite ? ::SetDIBits(dc, hBitmap, 0, (UINT)cy, pixels.data(), &bmi, DIB_RGB_COLORS)
                        : ::GetDIBits(dc, hBitmap, 0, (UINT)cy, pixels.data(), &bmi, DIB_RGB_COLORS);
    return nLines == cy;
}

// Recolours hDest where hSrc shows the key colour (and clrFrom); both
// bitmaps are cx by cy. The pixels go in one block each way (a pixel at a
// time costs a call into the display driver each under Wine). False when a
// pixel did not take its colour.
bool RecolourPixels(HBITMAP hDest, HBITMAP hSrc, int cx, int cy, COLORREF clrBack, bool bSecond, COLORREF clrFrom,
                    COLORREF clrTo)
{
    std::vector<DWORD> src, dest, written;
    if (!BitmapPixels(hSrc, cx, cy, src, false) || !BitmapPixels(hDest, cx, cy, dest, false))
        return false;
    std::vector<size_t> changed;
    for (size_t i = 0; i < src.size(); ++i) {
        COLORREF clr = PixelColor(src[i]);
        COLORREF clrNew = clr == kBitmapKeyColor ? clrBack : bSecond && clr == clrFrom ? clrTo : CLR_INVALID;
        if (clrNew == CLR_INVALID)
            continue;
        dest[i] = ColorPixel(clrNew);
        changed.push_back(i);
    }
    if (changed.empty())
        return true;
    if (!BitmapPixels(hDest, cx, cy, dest, true) || !BitmapPixels(hDest, cx, cy, written, false))
        return false;
    for (size_t i : changed)
        if ((written[i] & 0xFFFFFF) != dest[i])
            return false;
    return true;
}

}  // namespace

bool ReplaceBitmapColor(CBitmap* pDest, const CBitmap* pSrc, COLORREF clrBack, BOOL bReplaceSecond, COLORREF clrFrom,
                        COLORREF clrTo)
{
    if (!CopyBitmap(pDest, pSrc))
        return false;
    BITMAP bm = {};
    pSrc->GetBitmap(&bm);
    return RecolourPixels(pDest->m_hObject, pSrc->m_hObject, bm.bmWidth, bm.bmHeight, clrBack, bReplaceSecond != FALSE,
                          clrFrom, clrTo);
}

void DeleteFonts(CFont*& pFont1, CFont*& pFont2, CFont*& pFont3, CFont*& pFont4, CFont*& pFont5)
{
    for (CFont** pp : {&pFont1, &pFont2, &pFont3, &pFont4, &pFont5}) {
        delete *pp;
        *pp = nullptr;
    }
}

void RemakeFontAndBrush(CFont*& pFont, const LOGFONTA& lf, CBrush& brush, COLORREF clrBack)
{
    delete pFont;
    pFont = new CFont;
    if (!pFont->CreateFontIndirect(&lf))
        TRACE_FAILED_CALL("pFont->CreateFontIndirect(&lf)");
    brush.DeleteObject();
    brush.CreateSolidBrush(clrBack);
}

bool CloneFonts(CFont*& pFont1, CFont*& pFont2, CFont*& pFont3, CFont*& pFont4, CFont*& pFont5, const CFont& src1,
                const CFont& src2, const CFont& src3, const CFont& src4, const CFont& src5)
{
    DeleteFonts(pFont1, pFont2, pFont3, pFont4, pFont5);
    CFont** targets[5] = {&pFont1, &pFont2, &pFont3, &pFont4, &pFont5};
    const CFont* sources[5] = {&src1, &src2, &src3, &src4, &src5};
    bool bAll = true;
    for (int i = 0; i < 5; ++i) {
        LOGFONTA lf = {};
        if (!sources[i]->m_hObject || !sources[i]->GetLogFont(&lf)) {
            bAll = false;
            continue;
        }
        CFont* pFont = new CFont;
        if (!pFont->CreateFontIndirect(&lf)) {
            delete pFont;
            bAll = false;
            continue;
        }
        *targets[i] = pFont;
    }
    return bAll;
}

bool MakeFixedPitchCharFormat(CWnd* pWnd, CFont& font, CHARFORMATA& cf)
{
    LOGFONTA lf = {};
    if (!font.CreatePointFont(100, "Courier New", FIXED_PITCH | FF_MODERN) || !font.GetLogFont(&lf))
        return false;
    TEXTMETRICA tm = {};
    char szFace[LF_FACESIZE] = "";
    int nLogPixelsY = 0;
    {
        CClientDC dc(pWnd);
        CDCSelect selFont(dc, font);
        ::GetTextMetricsA(dc, &tm);
        ::GetTextFaceA(dc, LF_FACESIZE, szFace);
        nLogPixelsY = ::GetDeviceCaps(dc, LOGPIXELSY);
    }
    cf = CHARFORMATA();
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_FACE | CFM_CHARSET | CFM_SIZE;
    lstrcpynA(cf.szFaceName, szFace[0] ? szFace : lf.lfFaceName, LF_FACESIZE);
    cf.bCharSet = lf.lfCharSet;
    cf.bPitchAndFamily = lf.lfPitchAndFamily;
    cf.yHeight = nLogPixelsY ? MulDiv(tm.tmHeight - tm.tmInternalLeading, 1440, nLogPixelsY) : 200;
    return true;
}
