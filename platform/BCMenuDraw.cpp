// BCMenuDraw.cpp: measuring and drawing BCMenu items: an image gutter on the
// left (the toolbar image, framed when checked; a drawn check mark when the
// item has no image), the text with its mnemonic, the accelerator text right
// aligned, etched separators, greyed text and images for disabled items.
#include <algorithm>

#include "platform/BCMenu.h"
#include "platform/BCMenuItem.h"
#include "platform/CDC.h"
#include "platform/CGdiObject.h"

namespace {

const int kGutterPad = 3;     // around the image
const int kTextGap = 8;       // between gutter and text
const int kAccelGap = 24;     // between the text and the accelerator text
const int kRightPad = 16;     // right of everything (room for a sub-menu arrow)
const int kSeparatorHeight = 8;

// The font Windows uses for menus.
void MakeMenuFont(CFont& font)
{
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof(ncm);
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
        font.CreateFontIndirect(&ncm.lfMenuFont);
}

// The text before and after the tab that starts the accelerator text.
void SplitText(const CString& str, CString& strLeft, CString& strRight)
{
    int nTab = str.Find('\t');
    strLeft = nTab < 0 ? str : str.Left(nTab);
    strRight = nTab < 0 ? CString() : str.Mid(nTab + 1);
}

int GutterWidth(const BCMenuImages& images)
{
    return images.m_cx + 2 * kGutterPad;
}

// A check mark of two strokes, centred in rc.
void DrawCheckMark(CDC& dc, const CRect& rc, COLORREF cr)
{
    CPen pen(PS_SOLID, 2, cr);
    CDCSelect sel(dc, pen);
    CPoint c = rc.CenterPoint();
    dc.MoveTo(c.x - 4, c.y);
    dc.LineTo(c.x - 1, c.y + 3);
    dc.LineTo(c.x + 4, c.y - 3);
}

// A disabled item's image: drawn on the item's background colour, then every
// pixel that is not background turned into a light grey of its brightness.
// (Image lists' own 50% blend is not drawn the same everywhere.)
void DrawDisabledImage(CDC& dc, const BCMenuImages& images, int nImage, int x, int y, COLORREF clrBack)
{
    CDC mem;
    mem.CreateCompatibleDC(&dc);
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(dc, images.m_cx, images.m_cy);
    CDCSelect sel(mem, bmp);
    mem.FillSolidRect(0, 0, images.m_cx, images.m_cy, clrBack);
    ImageList_Draw(images.m_hList, nImage, mem, 0, 0, ILD_TRANSPARENT);
    for (int j = 0; j < images.m_cy; j++) {
        for (int i = 0; i < images.m_cx; i++) {
            COLORREF cr = mem.GetPixel(i, j);
            if (cr == clrBack)
                continue;
            int nGrey = (GetRValue(cr) + GetGValue(cr) + GetBValue(cr)) / 3;
            nGrey = 128 + nGrey / 2;  // lighter, as greyed text is
            mem.SetPixel(i, j, RGB(nGrey, nGrey, nGrey));
        }
    }
    dc.BitBlt(x, y, images.m_cx, images.m_cy, &mem, 0, 0, SRCCOPY);
}

}  // namespace

void BCMenu::MeasureItem(LPMEASUREITEMSTRUCT pMIS)
{
    BCMenuItem* p = BCMenuItemFromData(pMIS->itemData);
    if (!p)
        return;
    const BCMenuImages& images = *p->pOwner->m_images;
    if (p->bSeparator) {
        pMIS->itemWidth = 0;
        pMIS->itemHeight = kSeparatorHeight;
        return;
    }
    CFont font;
    MakeMenuFont(font);
    CClientDC dc(nullptr);
    CDCSelect sel(dc, font.m_hObject ? (HGDIOBJ)font.m_hObject : ::GetStockObject(DEFAULT_GUI_FONT));
    CString strLeft, strRight;
    SplitText(p->strText, strLeft, strRight);
    CRect rcLeft, rcRight;
    dc.DrawText(strLeft, &rcLeft, DT_SINGLELINE | DT_CALCRECT);
    if (!strRight.IsEmpty())
        dc.DrawText(strRight, &rcRight, DT_SINGLELINE | DT_CALCRECT);
    int nWidth = GutterWidth(images) + kTextGap + rcLeft.Width() + kRightPad;
    if (!strRight.IsEmpty())
        nWidth += kAccelGap + rcRight.Width();
    // Windows adds the width of a check mark to owner-drawn menu items.
    nWidth -= ::GetSystemMetrics(SM_CXMENUCHECK) - 1;
    pMIS->itemWidth = (UINT)std::max(nWidth, 0);
    pMIS->itemHeight = (UINT)std::max(images.m_cy + 2 * kGutterPad, (int)rcLeft.Height() + 6);
}

void BCMenu::DrawItem(LPDRAWITEMSTRUCT pDIS)
{
    BCMenuItem* p = BCMenuItemFromData(pDIS->itemData);
    if (!p)
        return;
    const BCMenuImages& images = *p->pOwner->m_images;
    CDC dc(pDIS->hDC);
    CRect rc(pDIS->rcItem);
    bool bSelected = (pDIS->itemState & ODS_SELECTED) != 0;
    bool bDisabled = (pDIS->itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    bool bChecked = (pDIS->itemState & ODS_CHECKED) != 0;
    int nSaved = dc.SaveDC();
    if (p->bSeparator) {
        dc.FillSolidRect(&rc, ::GetSysColor(COLOR_MENU));
        CRect rcLine(rc.left + GutterWidth(images), rc.top + rc.Height() / 2, rc.right, rc.top + rc.Height() / 2 + 2);
        dc.DrawEdge(rcLine, EDGE_ETCHED, BF_TOP);
        dc.RestoreDC(nSaved);
        return;
    }
    // A greyed item is highlighted too, with grey text, as the system's own
    // menus show where the keyboard stands.
    COLORREF clrBack = ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_MENU);
    COLORREF clrText = ::GetSysColor(bDisabled ? COLOR_GRAYTEXT : bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    dc.FillSolidRect(&rc, clrBack);

    // The gutter: the image (framed when checked) or a check mark.
    CRect rcGutter(rc.left, rc.top, rc.left + GutterWidth(images), rc.bottom);
    int nImage = p->pOwner->GetImageIndex(p->nID);
    if (nImage >= 0 && images.m_hList) {
        int x = rcGutter.left + kGutterPad;
        int y = rc.top + (rc.Height() - images.m_cy) / 2;
        if (bChecked) {
            CRect rcFrame(x - 2, y - 2, x + images.m_cx + 2, y + images.m_cy + 2);
            dc.FillSolidRect(&rcFrame, ::GetSysColor(COLOR_3DLIGHT));
            dc.DrawEdge(rcFrame, BDR_SUNKENOUTER, BF_RECT);
        }
        if (bDisabled)
            DrawDisabledImage(dc, images, nImage, x, y, bChecked ? ::GetSysColor(COLOR_3DLIGHT) : clrBack);
        else
            ImageList_Draw(images.m_hList, nImage, dc, x, y, ILD_TRANSPARENT);
    } else if (bChecked) {
        DrawCheckMark(dc, rcGutter, clrText);
    }

    CFont font;
    MakeMenuFont(font);
    CDCSelect sel(dc, font.m_hObject ? (HGDIOBJ)font.m_hObject : ::GetStockObject(DEFAULT_GUI_FONT));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(clrText);
    CString strLeft, strRight;
    SplitText(p->strText, strLeft, strRight);
    CRect rcText(rcGutter.right + kTextGap, rc.top, rc.right - kRightPad, rc.bottom);
    UINT nFormat = DT_SINGLELINE | DT_VCENTER | ((pDIS->itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
    dc.DrawText(strLeft, &rcText, nFormat | DT_LEFT);
    if (!strRight.IsEmpty())
        dc.DrawText(strRight, &rcText, nFormat | DT_RIGHT);
    dc.RestoreDC(nSaved);
}
