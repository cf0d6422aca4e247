// HelpButtonWndButton.h: the caption button of CHelpButtonWnd<T> (included
// by HelpButtonWndImpl.h): geometry, state, painting, hover and press.
#pragma once

template <class T>
SIZE CHelpButtonWnd<T>::GetFrameSize()
{
    if (this->GetStyle() & WS_THICKFRAME)
        return SIZE{::GetSystemMetrics(SM_CXSIZEFRAME), ::GetSystemMetrics(SM_CYSIZEFRAME)};
    return SIZE{::GetSystemMetrics(SM_CXDLGFRAME), ::GetSystemMetrics(SM_CYDLGFRAME)};
}

template <class T>
SIZE CHelpButtonWnd<T>::GetVisibleFrameSize()
{
    if (this->IsIconic() || this->IsZoomed())
        return SIZE{0, 0};
    return GetFrameSize();
}

template <class T>
RECT CHelpButtonWnd<T>::GetWindowFrameRect()
{
    RECT rc = {0, 0, 0, 0};
    if (this->IsIconic())
        return rc;
    this->GetWindowRect(&rc);
    ::OffsetRect(&rc, -rc.left, -rc.top);
    if (this->IsZoomed()) {
        SIZE f = GetFrameSize();
        ::InflateRect(&rc, -f.cx, -f.cy);
    }
    return rc;
}

template <class T>
int CHelpButtonWnd<T>::GetCaptionHeight()
{
    if (this->IsIconic())
        return 0;
    bool bTool = (this->GetExStyle() & WS_EX_TOOLWINDOW) != 0;
    return ::GetSystemMetrics(bTool ? SM_CYSMCAPTION : SM_CYCAPTION) + GetVisibleFrameSize().cy;
}

template <class T>
SIZE CHelpButtonWnd<T>::GetHelpButtonSize()
{
    HelpButtonLook look;
    look.nOSFlavor = g_eWinOSFlavor;
    look.bThemed = m_hTheme != nullptr;
    look.bComposed = Composed();
    look.bToolWindow = (this->GetExStyle() & WS_EX_TOOLWINDOW) != 0;
    look.bMaximized = this->IsZoomed() != FALSE;
    look.cxSize = ::GetSystemMetrics(SM_CXSIZE);
    look.cySize = ::GetSystemMetrics(SM_CYSIZE);
    return HelpButtonSize(look);
}

template <class T>
RECT CHelpButtonWnd<T>::GetHelpButtonRectComposed()
{
    RECT rc = {0, 0, 0, 0};
    if (this->IsIconic())
        return rc;
    TITLEBARINFOEX tbi = {};
    tbi.cbSize = sizeof(tbi);
    this->SendMessage(WM_GETTITLEBARINFOEX, 0, (LPARAM)&tbi);
    // The caption buttons: minimise, maximise, help and close.
    const RECT* pButtons[4] = {&tbi.rgrect[2], &tbi.rgrect[3], &tbi.rgrect[4], &tbi.rgrect[5]};
    LONG nLeft = LONG_MAX, nTop = LONG_MAX;
    bool bAny = false;
    for (const RECT* p : pButtons) {
        bAny = bAny || p->left != 0 || p->top != 0;
        // A minimise button reported at the far end of the coordinate range
        // is not there at all.
        bool bLeftCounts = p->left != 0 && (p != pButtons[0] || p->left < LONG_MAX);
        if (bLeftCounts && p->left < nLeft)
            nLeft = p->left;
        if (p->top != 0 && p->top < nTop)
            nTop = p->top;
    }
    if (!bAny)
        return rc;
    SIZE s = GetHelpButtonSize();
    RECT rcWnd;
    this->GetWindowRect(&rcWnd);
    rc = RECT{nLeft - s.cx, nTop, nLeft, nTop + s.cy};
    ::OffsetRect(&rc, -rcWnd.left, -rcWnd.top);
    if (this->IsZoomed())
        ::OffsetRect(&rc, 0, GetFrameSize().cy - rc.top);
    ::OffsetRect(&rc, 2, -1);
    return rc;
}

template <class T>
RECT CHelpButtonWnd<T>::GetHelpButtonRect()
{
    if (Composed())
        return GetHelpButtonRectComposed();
    if (this->IsIconic())
        return RECT{0, 0, 0, 0};
    RECT rcFrame = GetWindowFrameRect();
    DWORD dwStyle = this->GetStyle();
    HelpButtonFrame f;
    f.cxWindow = rcFrame.right - rcFrame.left;
    f.cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    f.cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    f.szFrame = GetFrameSize();
    f.bSysMenu = (dwStyle & WS_SYSMENU) != 0;
    f.bMinMaxBox = (dwStyle & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0;
    f.bToolWindow = (this->GetExStyle() & WS_EX_TOOLWINDOW) != 0;
    f.bThemed = m_hTheme != nullptr;
    f.bMaximized = this->IsZoomed() != FALSE;
    RECT rc = HelpButtonRectUncomposed(f, GetHelpButtonSize());
    if (!f.bSysMenu)
        return rc;
    return KeepClearOfSystemCaptionButtons(this->m_hWnd, rc, f.cxEdge);
}

template <class T>
CaptionTitleStrip CHelpButtonWnd<T>::GetCaptionTitleStrip(const RECT& rcButton)
{
    // The caption runs between the frames, one line above its bottom border,
    // up to the system's first button after the help button.
    SIZE f = GetFrameSize();
    bool bTool = (this->GetExStyle() & WS_EX_TOOLWINDOW) != 0;
    int cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    CaptionTitleStrip strip;
    strip.rcStrip = RECT{f.cx, f.cy, rcButton.right + cxEdge,
                         f.cy + ::GetSystemMetrics(bTool ? SM_CYSMCAPTION : SM_CYCAPTION) - 1};
    strip.nTextRight = rcButton.left - cxEdge;
    return strip;
}

template <class T>
RECT CHelpButtonWnd<T>::GetHelpButtonHitRect()
{
    return HitRectOf(GetHelpButtonRect());
}

template <class T>
RECT CHelpButtonWnd<T>::HitRectOf(RECT rcButton)
{
    if (Composed()) {
        rcButton.top += 1;
        rcButton.right -= 1;
    }
    return rcButton;
}

template <class T>
BOOL CHelpButtonWnd<T>::HitTestHelpButton(int x, int y)
{
    RECT rcWnd;
    this->GetWindowRect(&rcWnd);
    POINT pt = {x - rcWnd.left, y - rcWnd.top};
    // Without composition the button's top and height are fixed and only its
    // left end is searched for: a point outside that band (any point of the
    // client area, at every mouse move) misses it without the search.
    if (!Composed()) {
        int yTop = GetFrameSize().cy + ::GetSystemMetrics(SM_CYEDGE);
        if (pt.y < yTop || pt.y >= yTop + GetHelpButtonSize().cy)
            return FALSE;
    }
    RECT rc = GetHelpButtonHitRect();
    return ::PtInRect(&rc, pt);
}

template <class T>
int CHelpButtonWnd<T>::GetHelpButtonState()
{
    if (m_hTheme) {
        int nState = !m_bHelpButtonEnabled ? 4 : m_bHot && m_bCaptured && !m_bButtonUp ? 3 : m_bHot ? 2 : 1;
        return m_bActive ? nState : nState + 4;
    }
    if (!m_bHelpButtonEnabled)
        return DFCS_INACTIVE;
    if (!m_bHot)
        return 0;
    return m_bCaptured && !m_bButtonUp ? DFCS_PUSHED : DFCS_HOT;
}

template <class T>
void CHelpButtonWnd<T>::DrawHelpButton(HDC hdc)
{
    if (!ButtonLive() || this->IsIconic())
        return;
    m_rcHelpButton = GetHelpButtonRect();
    if (::IsRectEmpty(&m_rcHelpButton))
        return;
    // The window's DC is taken only when the caller gave none.
    std::optional<CWindowDC> dcOwn;
    if (!hdc)
        dcOwn.emplace(this->m_hWnd);
    PaintHelpButton(hdc ? hdc : dcOwn->m_hDC);
}

template <class T>
void CHelpButtonWnd<T>::PaintHelpButton(HDC hdcWnd)
{
    if (m_hTheme) {
        RECT rcClip = HitRectOf(m_rcHelpButton);
        g_VisualStylesXP.DrawThemeBackground(m_hTheme, hdcWnd, WP_HELPBUTTON, GetHelpButtonState(), &m_rcHelpButton, &rcClip);
    } else {
        ::DrawFrameControl(hdcWnd, &m_rcHelpButton, DFC_CAPTION, GetHelpButtonState() | DFCS_CAPTIONHELP);
    }
}

template <class T>
void CHelpButtonWnd<T>::OnNcPaint()
{
    if (Composed()) {
        ClearCompositedFrame();
        this->Default();
        PaintCompositedCaption();
        return;
    }
    m_rcHelpButton = GetHelpButtonRect();
    if (::IsRectEmpty(&m_rcHelpButton) || !ButtonLive()) {
        this->Default();
        return;
    }
    RECT rcWnd;
    this->GetWindowRect(&rcWnd);
    // The frame is painted with the button cut out of the update region, then
    // the button once on top: no flicker.
    HRGN hUpdate = ::CreateRectRgnIndirect(&rcWnd);
    RECT rcButton = m_rcHelpButton;
    ::OffsetRect(&rcButton, rcWnd.left, rcWnd.top);
    HRGN hButton = nullptr;
    if (!m_hTheme || g_VisualStylesXP.GetThemeBackgroundRegion(m_hTheme, nullptr, WP_HELPBUTTON, GetHelpButtonState(), &rcButton, &hButton) != S_OK)
        hButton = ::CreateRectRgnIndirect(&rcButton);
    ::CombineRgn(hUpdate, hUpdate, hButton, RGN_DIFF);
    // A title too long for the room left of the button: the system would
    // draw it on under the button, so the caption left of it is painted
    // here, the title ended with "...".
    // One window DC for the whole paint: measuring the title, painting it
    // and the button.
    CWindowDC dc(this->m_hWnd);
    CaptionTitleStrip strip = GetCaptionTitleStrip(m_rcHelpButton);
    bool bOwnTitle = CaptionTitleOverruns(this->m_hWnd, dc, strip);
    if (bOwnTitle) {
        RECT rcStrip = strip.rcStrip;
        ::OffsetRect(&rcStrip, rcWnd.left, rcWnd.top);
        HRGN hStrip = ::CreateRectRgnIndirect(&rcStrip);
        ::CombineRgn(hUpdate, hUpdate, hStrip, RGN_DIFF);
        ::DeleteObject(hStrip);
    }
    this->DefWindowProc(WM_NCPAINT, (WPARAM)hUpdate, 0);
    ::DeleteObject(hButton);
    ::DeleteObject(hUpdate);
    // The button from the rectangle found above: finding it again would
    // repeat the system's hit tests.
    if (bOwnTitle)
        PaintCaptionTitle(this->m_hWnd, dc, strip, m_rcHelpButton, m_bActive != FALSE);
    PaintHelpButton(dc);
}

// ---- activation, hover, press ------------------------------------------------

template <class T>
BOOL CHelpButtonWnd<T>::OnNcActivate(BOOL bActive)
{
    m_bActive = WindowDisabled() ? FALSE : bActive;
    EndCapture();
    m_bButtonUp = TRUE;
    BOOL bResult = (BOOL)this->DefWindowProc(WM_NCACTIVATE, (WPARAM)m_bActive, 0);
    this->SendMessage(WM_NCPAINT, 1);
    return bResult;
}

template <class T>
LRESULT CHelpButtonWnd<T>::OnNcHitTest(CPoint pt)
{
    if (!ButtonLive() || !m_bHelpButtonEnabled)
        return this->Default();
    BOOL bHot = HitTestHelpButton(pt.x, pt.y);
    bool bChanged = bHot != m_bHot;
    m_bHot = bHot;
    if (m_hTheme && bChanged)
        DrawHelpButton(nullptr);
    if (!m_bHot)
        return this->Default();
    if (!m_nHoverTimer)
        m_nHoverTimer = this->SetTimer(IDT_HELPBUTTON_HOVER, kHelpButtonHoverMs);
    return HTHELP;
}

template <class T>
void CHelpButtonWnd<T>::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == IDT_HELPBUTTON_HOVER || (m_nHoverTimer && nIDEvent == m_nHoverTimer)) {
        POINT pt;
        ::GetCursorPos(&pt);
        if (m_bCaptured || this->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)) != HTHELP) {
            this->KillTimer(nIDEvent);
            m_nHoverTimer = 0;
        }
    }
    T::OnTimer(nIDEvent);
}

template <class T>
void CHelpButtonWnd<T>::OnNcLButtonDown(UINT nHitTest, CPoint pt)
{
    if (ButtonLive() && m_bHelpButtonEnabled && !WindowDisabled() && HitTestHelpButton(pt.x, pt.y)) {
        this->SetCapture();
        m_bCaptured = TRUE;
        PushHelpButton();
        return;
    }
    this->Default();
}

template <class T>
void CHelpButtonWnd<T>::OnNcRButtonDown(UINT nHitTest, CPoint pt)
{
    if (ButtonLive() && !WindowDisabled() && HitTestHelpButton(pt.x, pt.y))
        return;  // a right press on the button is swallowed
    this->Default();
}

template <class T>
void CHelpButtonWnd<T>::OnMouseMove(UINT nFlags, CPoint pt)
{
    if (!m_bCaptured || !CanDrawHelpButton() || WindowDisabled()) {
        this->Default();
        return;
    }
    this->ClientToScreen(&pt);
    m_bHot = HitTestHelpButton(pt.x, pt.y);
    if (m_bHot && m_bButtonUp)
        PushHelpButton();
    else if (!m_bHot && !m_bButtonUp)
        RaiseHelpButton();
}

template <class T>
void CHelpButtonWnd<T>::OnLButtonUp(UINT nFlags, CPoint pt)
{
    if (!m_bCaptured || WindowDisabled()) {
        this->Default();
        return;
    }
    EndCapture();
    m_bHot = FALSE;
    RaiseHelpButton();
    this->ClientToScreen(&pt);
    if (HitTestHelpButton(pt.x, pt.y))
        this->SendMessage(WM_SYSCOMMAND, SC_CONTEXTHELP, MAKELPARAM(pt.x, pt.y));  // What's-This mode
}
