// cdxCDynPropPageImpl.h: the members of cdxCDynPropPage (included by
// cdxCDynPropPage.h): start, activation, message routing, themed background.
#pragma once

template <class P, class DP, class DS>
BOOL cdxCDynPropPage<P, DP, DS>::OnInitDialog()
{
    BOOL bResult = P::OnInitDialog();
    InitDynamicLayout(this);
    m_bInitialized = true;
    return bResult;
}

// The sheet hears of the page only when the page has one: a page hosted by
// another window activates on its own.
template <class P, class DP, class DS>
BOOL cdxCDynPropPage<P, DP, DS>::OnSetActive()
{
    BOOL bResult = P::OnSetActive();
    if (!m_pSheet)
        return bResult;
    if (bResult && !m_bFirstActiveDone) {
        m_pSheet->OnPageFirstActive(static_cast<DP*>(this));
        m_bFirstActiveDone = true;
    }
    m_pSheet->OnPageActive(static_cast<DP*>(this), bResult);
    return bResult;
}

template <class P, class DP, class DS>
BOOL cdxCDynPropPage<P, DP, DS>::OnKillActive()
{
    BOOL bResult = P::OnKillActive();
    if (m_pSheet)
        m_pSheet->OnPageInactive(static_cast<DP*>(this), bResult);
    return bResult;
}

// The page sizes and paints itself; the engine follows what the base answers.
// The layout ends before the help-button page's destroy handling. Only
// static controls get a colour (OnCtlColor answers null for the others).
BEGIN_TEMPLATE_MESSAGE_MAP(cdxCDynPropPage, P, P, DP, DS)
    ON_MESSAGE_WATCH(WM_DESTROY, EndDynamicLayout)
    ON_WM_TIMER_WATCH(OnLayoutTimer)
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_CTLCOLOR()
    ON_WM_SIZING_AFTER_BASE(DoOnSizing)
    ON_WM_GETMINMAXINFO_AFTER_BASE(DoOnGetMinMaxInfo)
    ON_WM_PARENTNOTIFY_AFTER_BASE(DoOnParentNotify)
END_MESSAGE_MAP()

// Transparent labels repaint over the new background; the controls move;
// a background made for the old size is drawn anew.
template <class P, class DP, class DS>
void cdxCDynPropPage<P, DP, DS>::OnSize(UINT nType, int cx, int cy)
{
    if (HasBackgroundBrush())
        InvalidateStatics();
    this->DefWindowProc(WM_SIZE, nType, MAKELPARAM(cx, cy));
    DoOnSize(nType, cx, cy);
    if (HasBackgroundBrush())
        this->InvalidateRect(nullptr, TRUE);
}

template <class P, class DP, class DS>
void cdxCDynPropPage<P, DP, DS>::InvalidateStatics()
{
    for (HWND h = ::GetWindow(this->m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        char szClass[16] = "";
        ::GetClassNameA(h, szClass, sizeof(szClass));
        if (lstrcmpiA(szClass, "static") == 0)
            ::InvalidateRect(h, nullptr, TRUE);
    }
}

template <class P, class DP, class DS>
HBRUSH cdxCDynPropPage<P, DP, DS>::GetBackgroundBrush(HDC hdc)
{
    bool bThemed = UseThemedBackground(hdc);
    RECT rc;
    this->GetClientRect(&rc);
    if (bThemed && HasBackgroundBrush() && ::EqualRect(&rc, &m_rcBk))
        return m_BkBrush;
    m_BkBrush.DeleteObject();
    m_BkBitmap.DeleteObject();
    if (!bThemed || !DrawTabBodyBitmap(this->m_hWnd, hdc, rc, m_BkBitmap))
        return nullptr;
    m_rcBk = rc;
    if (!m_BkBrush.CreatePatternBrush(m_BkBitmap))
        m_BkBitmap.DeleteObject();
    return m_BkBrush;
}

template <class P, class DP, class DS>
BOOL cdxCDynPropPage<P, DP, DS>::OnEraseBkgnd(CDC* pDC)
{
    HBRUSH hbr = UseThemedBackground(*pDC) ? GetBackgroundBrush(*pDC) : nullptr;
    if (!hbr)
        return (BOOL)this->DefWindowProc(WM_ERASEBKGND, (WPARAM)pDC->GetSafeHdc(), 0);
    RECT rc;
    this->GetClientRect(&rc);
    pDC->FillRect(&rc, hbr);
    return TRUE;
}

// A static control gets a brush cut from the page background under it, so
// its text sits on the same texture; one such brush is kept at a time.
template <class P, class DP, class DS>
HBRUSH cdxCDynPropPage<P, DP, DS>::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor != CTLCOLOR_STATIC || !pWnd || !UseThemedBackground(*pDC) || !GetBackgroundBrush(*pDC))
        return nullptr;
    pDC->SetBkMode(TRANSPARENT);
    m_CtlBrush.DeleteObject();
    RECT rc;
    ::GetWindowRect(pWnd->m_hWnd, &rc);
    ::MapWindowPoints(nullptr, this->m_hWnd, (POINT*)&rc, 2);
    if (!CutPatternBrush(*pDC, m_BkBitmap, rc, m_CtlBrush))
        return nullptr;
    return m_CtlBrush;
}
