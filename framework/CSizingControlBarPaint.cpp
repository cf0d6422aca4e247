// CSizingControlBarPaint.cpp: the sizing bar's non-client area: which
// edges can be dragged, the client rectangle inside the borders and the
// caption, and the painting of borders, edges, caption band, title and
// the close and help buttons (off screen, then copied in one go).
#include <algorithm>

#include "framework/CSizingControlBar.h"
#include "platform/CDC.h"
#include "platform/CDockBar.h"
#include "platform/CGdiObject.h"

namespace {

// The system settings every sizing bar reads (process-wide).
struct SystemLook {
    BOOL bDragFullWindows = TRUE;
    BOOL bGradient = FALSE;
    COLORREF clrHighlight = 0, clrShadow = 0, clrText = 0, clrCaptionText = 0, clrActive = 0, clrInactive = 0,
             clrInactiveText = 0, clrGradientActive = 0, clrGradientInactive = 0;
};
SystemLook g_look;

COLORREF Blend(COLORREF c1, COLORREF c2, int i)
{
    int r = (GetRValue(c1) * (64 - i) + GetRValue(c2) * i) >> 6;
    int g = (GetGValue(c1) * (64 - i) + GetGValue(c2) * i) >> 6;
    int b = (GetBValue(c1) * (64 - i) + GetBValue(c2) * i) >> 6;
    return RGB(r, g, b);
}

void FillSolid(HDC hdc, const RECT& rc, COLORREF clr)
{
    ::SetBkColor(hdc, clr);
    ::ExtTextOutA(hdc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
}

void Draw3dRect(HDC hdc, const CRect& rc, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolid(hdc, CRect(rc.left, rc.top, rc.right - 1, rc.top + 1), clrTopLeft);
    FillSolid(hdc, CRect(rc.left, rc.top, rc.left + 1, rc.bottom - 1), clrTopLeft);
    FillSolid(hdc, CRect(rc.right - 1, rc.top, rc.right, rc.bottom), clrBottomRight);
    FillSolid(hdc, CRect(rc.left, rc.bottom - 1, rc.right, rc.bottom), clrBottomRight);
}

}  // namespace

bool SizingBarDragFullWindows()
{
    return g_look.bDragFullWindows != FALSE;
}

void CSizingControlBar::ReadSystemSettings()
{
    ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &g_look.bDragFullWindows, 0);
    ::SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &g_look.bGradient, 0);
    g_look.clrHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    g_look.clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    g_look.clrText = ::GetSysColor(COLOR_BTNTEXT);
    g_look.clrCaptionText = ::GetSysColor(COLOR_CAPTIONTEXT);
    g_look.clrActive = ::GetSysColor(COLOR_ACTIVECAPTION);
    g_look.clrInactive = ::GetSysColor(COLOR_INACTIVECAPTION);
    g_look.clrInactiveText = ::GetSysColor(COLOR_INACTIVECAPTIONTEXT);
    g_look.clrGradientActive = ::GetSysColor(COLOR_GRADIENTACTIVECAPTION);
    g_look.clrGradientInactive = ::GetSysColor(COLOR_GRADIENTINACTIVECAPTION);
}

void CSizingControlBar::CalcClientArea(CRect& rc, UINT nDockBarID)
{
    bool bFloating = nDockBarID != AFX_IDW_DOCKBAR_TOP && nDockBarID != AFX_IDW_DOCKBAR_BOTTOM &&
                     nDockBarID != AFX_IDW_DOCKBAR_LEFT && nDockBarID != AFX_IDW_DOCKBAR_RIGHT;
    rc.left += 3;
    rc.top += 5;
    rc.right -= 3;
    rc.bottom -= 3;
    if (!bFloating) {
        rc.left += 2;
        rc.right -= 2;
        rc.bottom -= 2;
    }
    // The edge facing the frame's interior can always be dragged.
    if (nDockBarID == AFX_IDW_DOCKBAR_TOP)
        m_dwSCBStyle |= SCBS_SIZABLE_BOTTOM;
    else if (nDockBarID == AFX_IDW_DOCKBAR_LEFT)
        m_dwSCBStyle |= SCBS_SIZABLE_RIGHT;
    else if (nDockBarID == AFX_IDW_DOCKBAR_RIGHT)
        m_dwSCBStyle |= SCBS_SIZABLE_LEFT;
    else if (nDockBarID == AFX_IDW_DOCKBAR_BOTTOM)
        m_dwSCBStyle |= SCBS_SIZABLE_TOP;
    if (m_dwSCBStyle & SCBS_DRAW_EDGES) {
        rc.left += (m_dwSCBStyle & SCBS_SIZABLE_LEFT) ? m_nEdgeWidth : 0;
        rc.top += (m_dwSCBStyle & SCBS_SIZABLE_TOP) ? m_nEdgeWidth : 0;
        rc.right -= (m_dwSCBStyle & SCBS_SIZABLE_RIGHT) ? m_nEdgeWidth : 0;
        rc.bottom -= (m_dwSCBStyle & SCBS_SIZABLE_BOTTOM) ? m_nEdgeWidth : 0;
    }
    if (!HasCaption())
        return;
    bool bLeftStrip = nDockBarID == AFX_IDW_DOCKBAR_TOP || nDockBarID == AFX_IDW_DOCKBAR_BOTTOM;
    if (bLeftStrip) {
        rc.left += 12;
        m_ptClose = CPoint(rc.left - 13, rc.top);
        m_ptHelp = CPoint(m_ptClose.x, m_ptClose.y + 11);
    } else {
        rc.top += 12;
        m_ptClose = CPoint(rc.right - 12, rc.top - 13);
        m_ptHelp = CPoint(m_ptClose.x - 11, m_ptClose.y);
    }
}

void CSizingControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* pParams)
{
    m_nDockBarID = (UINT)::GetDlgCtrlID(::GetParent(m_hWnd));
    if (s_bClassicDocking && IsFloatingBar()) {
        // The framework's own floating frame sizes the bar: it keeps its
        // caption and a plain thick frame.
        HWND hFrame = ::GetParent(::GetParent(m_hWnd));
        ::SetWindowLongA(hFrame, GWL_STYLE, ::GetWindowLongA(hFrame, GWL_STYLE) & ~MFS_4THICKFRAME);
        HWND hParent = ::GetParent(m_hWnd);
        ::SetWindowLongA(hParent, GWL_STYLE, ::GetWindowLongA(hParent, GWL_STYLE) | WS_CLIPCHILDREN);
    }
    m_dwSCBStyle = (m_dwSCBStyle & ~SCBS_SIZABLE_ANY) | SizableEdges();
    CRect rcWnd(pParams->rgrc[0]);
    CRect rc(0, 0, rcWnd.Width(), rcWnd.Height());
    CalcClientArea(rc, m_nDockBarID);
    // An extent too small for the borders gets an empty client area, never a negative one.
    rc.right = std::max(rc.right, rc.left);
    rc.bottom = std::max(rc.bottom, rc.top);
    rc.OffsetRect(rcWnd.left, rcWnd.top);
    pParams->rgrc[0] = rc;
}

void CSizingControlBar::PaintCaption(CDC* pDC, const CRect& rcClient)
{
    if (!HasCaption())
        return;
    HDC hdc = pDC->m_hDC;
    bool bLeftStrip = IsDockedHorizontally() != FALSE;
    bool bHelp = (m_dwSCBStyle & SCBS_HELP_BUTTON) != 0;
    CRect rcButton = bHelp ? HelpButtonRect() : CloseButtonRect();
    // The band runs from the buttons to the far end of the caption.
    CRect rcBand = bLeftStrip ? CRect(rcClient.left - 13, rcButton.bottom + 3, rcClient.left - 2, rcClient.bottom)
                              : CRect(rcClient.left, rcClient.top - 13, rcButton.left - 3, rcClient.top - 2);
    if (m_dwSCBStyle & SCBS_GRIPPER_LINES) {
        CRect rcRidge = bLeftStrip ? CRect(rcClient.left - 12, rcButton.bottom + 3, rcClient.left - 9, rcClient.bottom - 1)
                                   : CRect(rcClient.left + 1, rcClient.top - 12, rcButton.left - 3, rcClient.top - 9);
        for (int i = 0; i < 2; i++) {
            Draw3dRect(hdc, rcRidge, g_look.clrHighlight, g_look.clrShadow);
            rcRidge.OffsetRect(bLeftStrip ? 3 : 0, bLeftStrip ? 0 : 3);
        }
    } else {
        if (bLeftStrip)
            rcBand.InflateRect(1, 0);
        else
            rcBand.InflateRect(0, 1);
        COLORREF c1 = m_bActive ? g_look.clrActive : g_look.clrInactive;
        COLORREF c2 = m_bActive ? g_look.clrGradientActive : g_look.clrGradientInactive;
        int nExtent = bLeftStrip ? rcBand.Height() : rcBand.Width();
        for (int i = 0; i < 64; i++) {
            int a = (nExtent * i) >> 6, b = (nExtent * (i + 1)) >> 6;
            if (a == b)
                continue;
            CRect rcSlice = bLeftStrip ? CRect(rcBand.left, rcBand.bottom - b, rcBand.right, rcBand.bottom - a)
                                       : CRect(rcBand.left + a, rcBand.top, rcBand.left + b, rcBand.bottom);
            FillSolid(hdc, rcSlice, g_look.bGradient ? Blend(c1, c2, i) : c1);
        }
        CString title;
        GetWindowText(title);
        LOGFONTA lf = {};
        lf.lfHeight = -::MulDiv(85, ::GetDeviceCaps(hdc, LOGPIXELSY), 720);
        lf.lfWeight = FW_NORMAL;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfEscapement = lf.lfOrientation = bLeftStrip ? 900 : 0;
        lstrcpynA(lf.lfFaceName, m_strCaptionFace, LF_FACESIZE);
        CFont font;
        font.CreateFontIndirect(&lf);
        CDCSelect selFont(hdc, font.m_hObject);
        ::SetBkMode(hdc, TRANSPARENT);
        ::SetTextColor(hdc, m_bActive ? g_look.clrCaptionText : g_look.clrInactiveText);
        int x = bLeftStrip ? rcBand.left - 1 : rcBand.left + 3, y = bLeftStrip ? rcBand.bottom - 3 : rcBand.top - 1;
        ::ExtTextOutA(hdc, x, y, ETO_CLIPPED, &rcBand, title, (UINT)title.GetLength(), nullptr);
    }
    // The buttons: Marlett glyphs "r" (close) and "s" (help).
    LOGFONTA lf = {};
    lf.lfHeight = -::MulDiv(6, ::GetDeviceCaps(hdc, LOGPIXELSY), 72);
    lf.lfCharSet = SYMBOL_CHARSET;
    lstrcpynA(lf.lfFaceName, "Marlett", LF_FACESIZE);
    CFont font;
    font.CreateFontIndirect(&lf);
    CDCSelect selFont(hdc, font.m_hObject);
    ::SetBkMode(hdc, TRANSPARENT);
    ::SetTextColor(hdc, g_look.clrText);
    struct {
        CRect rc;
        const char* glyph;
        BOOL bPushed, bHot;
        bool bShown;
    } buttons[] = {{CloseButtonRect(), "r", m_bClosePushed, m_bCloseHot, true},
                   {HelpButtonRect(), "s", m_bHelpPushed, m_bHelpHot, bHelp}};
    for (auto& b : buttons) {
        if (!b.bShown)
            continue;
        ::TextOutA(hdc, b.rc.left + 2, b.rc.top + 2, b.glyph, 1);
        if (b.bPushed)
            Draw3dRect(hdc, b.rc, g_look.clrShadow, g_look.clrHighlight);
        else if (b.bHot)
            Draw3dRect(hdc, b.rc, g_look.clrHighlight, g_look.clrShadow);
    }
}

void CSizingControlBar::OnNcPaint()
{
    CRect rcWnd, rcClient;
    GetWindowRect(&rcWnd);
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    rcClient.OffsetRect(-rcWnd.left, -rcWnd.top);
    rcWnd.OffsetRect(-rcWnd.left, -rcWnd.top);
    CWindowDC dcWnd(this);
    HDC hdcWnd = dcWnd;
    if (!hdcWnd)
        return;
    CBitmap bm;
    bm.CreateCompatibleBitmap(hdcWnd, std::max(1L, rcWnd.right), std::max(1L, rcWnd.bottom));
    CDC dcMem;
    dcMem.CreateCompatibleDC(&dcWnd);
    HDC hdcMem = dcMem;
    CDCSelect selBitmap(hdcMem, bm);
    HBRUSH hbrBack = (HBRUSH)::GetClassLongPtrA(m_hWnd, GCLP_HBRBACKGROUND);
    ::FillRect(hdcMem, &rcWnd, hbrBack ? hbrBack : ::GetSysColorBrush(COLOR_BTNFACE));
    if (IsDockedBar())
        Draw3dRect(hdcMem, rcWnd, g_look.clrHighlight, g_look.clrShadow);  // the bar's border
    if (m_dwSCBStyle & SCBS_DRAW_EDGES) {
        CRect rcEdge;
        for (int i = 0; i < 4; i++)
            if (GetSizingEdgeRect(rcWnd, GetSizingEdgeHitCode(i), rcEdge))
                Draw3dRect(hdcMem, rcEdge, g_look.clrHighlight, g_look.clrShadow);
    }
    PaintCaption(&dcMem, rcClient);
    ::ExcludeClipRect(hdcWnd, rcClient.left, rcClient.top, rcClient.right, rcClient.bottom);
    ::BitBlt(hdcWnd, 0, 0, rcWnd.right, rcWnd.bottom, hdcMem, 0, 0, SRCCOPY);
    m_bActivePainted = m_bActive;
}
