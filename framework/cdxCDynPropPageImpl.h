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

template <class P, class DP, class DS>
bool cdxCDynPropPage<P, DP, DS>::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult)
{
    typedef P TheBaseClass;
    if (msg == WM_DESTROY)
        EndDynamicLayout();  // before the help-button page's destroy handling
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    if (msg == WM_CTLCOLORSTATIC) {
        CDC dc((HDC)wp);
        if (HBRUSH hbr = OnCtlColor(&dc, CWnd::FromHandle((HWND)lp), CTLCOLOR_STATIC)) {
            *pResult = (LRESULT)hbr;
            return true;
        }
    }
    bool bHandled = TheBaseClass::OnWndMsg(msg, wp, lp, pResult);
    if (!bHandled && (msg == WM_SIZING || msg == WM_GETMINMAXINFO || msg == WM_PARENTNOTIFY)) {
        *pResult = this->DefWindowProc(msg, wp, lp);
        bHandled = true;
    }
    switch (msg) {
    case WM_SIZING: DoOnSizing((UINT)wp, (LPRECT)lp); break;
    case WM_GETMINMAXINFO: DoOnGetMinMaxInfo((MINMAXINFO*)lp); break;
    case WM_PARENTNOTIFY: DoOnParentNotify(LOWORD(wp), (HWND)lp); break;
    case WM_TIMER: OnLayoutTimer((UINT_PTR)wp); break;
    default: break;
    }
    return bHandled;
}

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
