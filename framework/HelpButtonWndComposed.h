// HelpButtonWndComposed.h: the caption of CHelpButtonWnd<T> under desktop
// composition (included by HelpButtonWndImpl.h). There the system draws the
// frame itself and ignores what the window paints over it unless the
// painting goes through buffered paint into the non-client area: the frame
// strips are cleared to transparent, the default frame is painted, and the
// caption text (with its glow), the system-menu icon and the help button
// are drawn on top in one buffered paint.
#pragma once

#include <commctrl.h>
#include <shellapi.h>

#include "platform/WideText.h"

template <class T>
RECT CHelpButtonWnd<T>::GetCaptionRect()
{
    RECT rc = GetWindowFrameRect();
    rc.bottom = rc.top + GetCaptionHeight();
    return rc;
}

template <class T>
SIZE CHelpButtonWnd<T>::GetCaptionTextExtent()
{
    SIZE sz = {0, 0};
    CString strText;
    this->GetWindowText(strText);
    CWindowDC dc(this->m_hWnd);
    CDCSelect selFont(dc, m_CaptionFont.m_hObject);
    ::GetTextExtentPoint32A(dc, strText.GetString(), strText.GetLength(), &sz);
    return sz;
}

template <class T>
RECT CHelpButtonWnd<T>::GetSysMenuIconRect()
{
    RECT r0 = GetWindowFrameRect();
    int nCaption = GetCaptionHeight();
    RECT rc;
    if (this->GetStyle() & WS_SYSMENU) {
        int cx = ::GetSystemMetrics(SM_CXSMICON), cy = ::GetSystemMetrics(SM_CYSMICON);
        rc = RECT{r0.left, r0.top, r0.left + cx, r0.top + cy};
        if (nCaption >= cy) {
            ::OffsetRect(&rc, 0, (nCaption - cy) / 2);
        } else {
            int nHalf = (cy - nCaption) / 2;  // a caption lower than the icon shrinks it
            ::InflateRect(&rc, -nHalf, -nHalf);
            ::OffsetRect(&rc, r0.left - rc.left, r0.top - rc.top);
        }
    } else {
        rc = RECT{r0.left, r0.top + nCaption / 2, r0.left, r0.top + nCaption / 2};
    }
    ::OffsetRect(&rc, ::GetSystemMetrics(SM_CXEDGE) + GetVisibleFrameSize().cx, 0);
    if (this->IsZoomed()) {
        SIZE f = GetFrameSize();
        ::OffsetRect(&rc, f.cx, f.cy);
    }
    return rc;
}

// The strips between the window and its client area (in window coordinates)
// are cleared to transparent, so that the composited frame shows through.
template <class T>
void CHelpButtonWnd<T>::ClearCompositedFrame()
{
    if ((this->GetStyle() & WS_CHILD) || this->IsIconic())
        return;
    RECT rcWnd, rcClient;
    this->GetWindowRect(&rcWnd);
    this->GetClientRect(&rcClient);
    ::MapWindowPoints(this->m_hWnd, nullptr, (POINT*)&rcClient, 2);
    ::OffsetRect(&rcClient, -rcWnd.left, -rcWnd.top);
    ::OffsetRect(&rcWnd, -rcWnd.left, -rcWnd.top);
    int nTop = rcClient.top - (::GetMenu(this->m_hWnd) ? ::GetSystemMetrics(SM_CYMENU) : 0);
    const RECT strips[4] = {
        {0, 0, rcWnd.right, nTop},
        {0, rcClient.top, rcClient.left, rcClient.bottom},
        {rcClient.right, rcClient.top, rcWnd.right, rcClient.bottom},
        {0, rcClient.bottom, rcWnd.right, rcWnd.bottom},
    };
    int nStrips = this->IsZoomed() ? 1 : 4;  // a maximised window shows only its caption
    CWindowDC dc(this->m_hWnd);
    HDC hdc = dc;
    for (int i = 0; i < nStrips; ++i) {
        if (::IsRectEmpty(&strips[i]))
            continue;
        BP_PAINTPARAMS params = {sizeof(params), BPPF_NONCLIENT, nullptr, nullptr};
        HDC hdcBuffer = nullptr;
        HPAINTBUFFER hBuffer = g_VisualStylesXP.BeginBufferedPaint(hdc, &strips[i], BPBF_COMPATIBLEBITMAP, &params, &hdcBuffer);
        if (!hBuffer)
            continue;
        g_VisualStylesXP.BufferedPaintClear(hBuffer, &strips[i]);
        g_VisualStylesXP.EndBufferedPaint(hBuffer, TRUE);
    }
}

template <class T>
void CHelpButtonWnd<T>::PaintCompositedCaption()
{
    if ((this->GetStyle() & WS_CHILD) || this->IsIconic())
        return;
    RECT rc = GetCaptionRect();
    if (this->IsZoomed())
        rc.bottom += GetFrameSize().cy;
    CWindowDC dc(this->m_hWnd);
    HDC hdc = dc;
    BP_PAINTPARAMS params = {sizeof(params), BPPF_NONCLIENT, nullptr, nullptr};
    HDC hdcBuffer = nullptr;
    HPAINTBUFFER hBuffer = g_VisualStylesXP.BeginBufferedPaint(hdc, &rc, BPBF_TOPDOWNDIB, &params, &hdcBuffer);
    if (hBuffer) {
        DrawCompositedCaptionText(hdcBuffer);
        DrawCompositedSysMenuIcon(hdcBuffer);
        DrawHelpButton(hdcBuffer);
        g_VisualStylesXP.EndBufferedPaint(hBuffer, TRUE);
    }
}

// The caption text with the theme's glow, drawn into a DIB of the caption's
// size and copied to hdc at the caption's place.
template <class T>
void CHelpButtonWnd<T>::DrawCompositedCaptionText(HDC hdc)
{
    RECT rcWnd;
    this->GetWindowRect(&rcWnd);
    int nCaption = GetCaptionHeight();
    int nFrame = this->IsZoomed() ? GetFrameSize().cy : 0;
    int cx = rcWnd.right - rcWnd.left, cy = nCaption + nFrame;
    if (cx <= 0 || cy <= 0)
        return;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;  // top-down
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = (WORD)::GetDeviceCaps(hdc, BITSPIXEL);
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    CBitmap dib;
    dib.Attach(::CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0));
    CDC dcTarget(hdc), dcMem;
    if (!dib.m_hObject || !dcMem.CreateCompatibleDC(&dcTarget)) {
        TRACE_FAILED_CALL("CreateDIBSection/CreateCompatibleDC(...)");
        return;
    }
    CDCSelect selBitmap(dcMem, dib.m_hObject);
    CDCSelect selFont(dcMem, m_CaptionFont.m_hObject);
    DrawCaptionTextInto(dcMem, nCaption);
    ::BitBlt(hdc, 0, nFrame, cx, cy - nFrame, dcMem, 0, 0, SRCCOPY);
}

// The caption text between the system-menu icon and the help button,
// centred vertically in a caption nCaption high.
template <class T>
void CHelpButtonWnd<T>::DrawCaptionTextInto(HDC hdcMem, int nCaption)
{
    if (!m_hTheme)
        return;
    CString strText;
    this->GetWindowText(strText);
    std::wstring wstrText = WideFromAnsi(strText);
    if (wstrText.empty())
        return;
    SIZE szText = GetCaptionTextExtent();
    RECT rcText;
    rcText.left = GetSysMenuIconRect().right + 3;
    rcText.right = GetHelpButtonRect().left - 3;
    rcText.top = (nCaption - szText.cy) / 2;
    rcText.bottom = rcText.top + szText.cy;
    bool bTool = (this->GetExStyle() & WS_EX_TOOLWINDOW) != 0;
    int nState = m_bActive ? 1 : WindowDisabled() ? 3 : 2;
    DTTOPTS opts = {};
    opts.dwSize = sizeof(opts);
    opts.dwFlags = DTT_COMPOSITED | DTT_GLOWSIZE;
    opts.iGlowSize = 15;
    g_VisualStylesXP.DrawThemeTextEx(m_hTheme, hdcMem, bTool ? WP_SMALLCAPTION : WP_CAPTION, nState, wstrText.c_str(), -1,
                                     DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS, &rcText, &opts);
}

template <class T>
void CHelpButtonWnd<T>::DrawCompositedSysMenuIcon(HDC hdc)
{
    if (!(this->GetStyle() & WS_SYSMENU))
        return;
    // The window's icons and the system's belong to others; icons taken from
    // the program file are ours to destroy.
    HICON hIcon = (HICON)this->SendMessage(WM_GETICON, ICON_SMALL, 0);
    if (!hIcon)
        hIcon = (HICON)this->SendMessage(WM_GETICON, ICON_BIG, 0);
    HICON hLarge = nullptr, hSmall = nullptr;
    if (!hIcon) {
        char szPath[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
        if (::ExtractIconExA(szPath, 0, &hLarge, &hSmall, 1) > 0)
            hIcon = hSmall ? hSmall : hLarge;
    }
    if (!hIcon)
        hIcon = ::LoadIcon(nullptr, IDI_APPLICATION);
    int cx = ::GetSystemMetrics(SM_CXSMICON), cy = ::GetSystemMetrics(SM_CYSMICON);
    HIMAGELIST hList = ::ImageList_Create(cx, cy, ILC_COLOR32 | ILC_MASK, 1, 0);
    if (hList) {
        ::ImageList_AddIcon(hList, hIcon);
        RECT rc = GetSysMenuIconRect();
        g_VisualStylesXP.DrawThemeIcon(m_hTheme, hdc, 1, 1, &rc, hList, 0);
        ::ImageList_Destroy(hList);
    }
    if (hLarge)
        ::DestroyIcon(hLarge);
    if (hSmall)
        ::DestroyIcon(hSmall);
}
