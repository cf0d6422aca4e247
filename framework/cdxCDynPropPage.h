// cdxCDynPropPage.h: cdxCDynPropPage<TPage, TDynPage, TDynSheet>, a property
// page class TPage joined with the layout engine. The page lays out its own
// controls, tells its owning sheet (TDynSheet) when it is first shown, shown
// and left, and draws the theme's tab body behind itself with static controls
// blended into it.
//
// A page can also be hosted outside a sheet (created as a child dialog by
// another window): it then has no owning sheet and tells nobody.
#pragma once

#include "framework/ThemedPageBackground.h"
#include "framework/cdxCDynamicWnd.h"
#include "platform/CDC.h"
#include "platform/MessageMap.h"

template <class TPage, class TDynPage, class TDynSheet>
class cdxCDynPropPage : public TPage, public cdxCDynamicWnd {
    DECLARE_MESSAGE_MAP()
public:
    // Pages have no size grip.
    explicit cdxCDynPropPage(UINT nIDTemplate) : TPage(nIDTemplate), cdxCDynamicWnd(3, 0) {}
    ~cdxCDynPropPage() override { EndDynamicLayout(); }

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;

    // The page's background test: the themed tab body is drawn.
    virtual bool UseThemedBackground(HDC) { return this->m_hWnd && IsThemedPageBackground(this->m_hWnd); }
    // The brush of the themed background for the page's present size, made
    // anew when the size changed; null when the page is not themed.
    virtual HBRUSH GetBackgroundBrush(HDC hdc);
    bool HasBackgroundBrush() const { return m_BkBrush.GetSafeHandle() != nullptr; }
    HBRUSH StaticBrush() const { return m_CtlBrush; }

    TDynSheet* m_pSheet = nullptr;  // the owning sheet (not owned); null outside one
    bool m_bInitialized = false;
    bool m_bFirstActiveDone = false;

protected:
    BOOL OnEraseBkgnd(CDC* pDC);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnSize(UINT nType, int cx, int cy);
    void InvalidateStatics();

    CBrush m_BkBrush;          // the whole page's background
    CBitmap m_BkBitmap;        // what m_BkBrush was made of; statics are cut from it
    RECT m_rcBk = {0, 0, 0, 0};  // the client rectangle m_BkBrush was made for
    CBrush m_CtlBrush;         // the latest static control's background
};

#include "framework/cdxCDynPropPageImpl.h"
