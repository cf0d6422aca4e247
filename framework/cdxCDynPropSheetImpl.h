// cdxCDynPropSheetImpl.h: the members of cdxCDynPropSheet (included by
// cdxCDynPropSheet.h).
#pragma once

template <class S, class DP, class DS>
INT_PTR cdxCDynPropSheet<S, DP, DS>::DoModal()
{
    m_bModal = true;
    INT_PTR nResult = S::DoModal();
    m_bModal = false;
    return nResult;
}

template <class S, class DP, class DS>
void cdxCDynPropSheet<S, DP, DS>::OnPreCreateTemplate(DLGTEMPLATE* pTemplate)
{
    S::OnPreCreateTemplate(pTemplate);
    ModifyTemplateStyle(pTemplate, kResizableSheetStyle, DS_MODALFRAME);
}

template <class S, class DP, class DS>
BOOL cdxCDynPropSheet<S, DP, DS>::OnInitDialog()
{
    BOOL bResult = S::OnInitDialog();
    if (!m_bModal && (this->GetStyle() & WS_THICKFRAME)) {
        // A modeless sheet is made a sizing frame too short for its contents.
        RECT rc;
        this->GetWindowRect(&rc);
        rc.bottom += ::GetSystemMetrics(SM_CYFRAME);
        this->MoveWindow(&rc, TRUE);
    }
    InitDynamicLayout(this);
    ::SetWindowLongA(this->m_hWnd, GWL_STYLE, (LONG)(this->GetStyle() | WS_CLIPCHILDREN));
    // The first page was shown before the layout started: it joins now.
    for (int i = 0; i < this->GetPageCount(); ++i) {
        DP* pPage = dynamic_cast<DP*>(this->GetPage(i));
        if (pPage && pPage->m_hWnd)
            RegisterPage(pPage);
    }
    return bResult;
}

// The sheet answers first; the engine then follows the size, its limits and
// the pages that go.
BEGIN_TEMPLATE_MESSAGE_MAP(cdxCDynPropSheet, S, S, DP, DS)
    ON_MESSAGE_WATCH(WM_DESTROY, EndDynamicLayout)
    ON_WM_TIMER_WATCH(OnLayoutTimer)
    ON_WM_CLOSE()
    ON_WM_SIZE_AFTER_BASE(DoOnSize)
    ON_WM_SIZING_AFTER_BASE(DoOnSizing)
    ON_WM_GETMINMAXINFO_AFTER_BASE(DoOnGetMinMaxInfo)
    ON_WM_PARENTNOTIFY_AFTER_BASE(DoOnParentNotify)
END_MESSAGE_MAP()

// The close box of a modal sheet cancels like the Cancel button, so the pages
// are asked; a modeless sheet closes as the control does it.
template <class S, class DP, class DS>
void cdxCDynPropSheet<S, DP, DS>::OnClose()
{
    if (m_bModal)
        this->PressButton(PSBTN_CANCEL);
    else
        this->Default();
}

// The tab control stretches; OK, Cancel, Apply, Help and the wizard buttons
// keep their distance from the lower right corner.
template <class S, class DP, class DS>
const cdxDynamicMapEntry* cdxCDynPropSheet<S, DP, DS>::GetDynamicMap(const cdxDynamicMapEntry* pPrev)
{
    static const cdxDynamicMapEntry s_map[] = {
        DYNAMIC_MAP_ENTRY(kSheetTabId, mdResize, mdResize)
        DYNAMIC_MAP_ENTRY(IDOK, mdRepos, mdRepos)
        DYNAMIC_MAP_ENTRY(IDCANCEL, mdRepos, mdRepos)
        DYNAMIC_MAP_ENTRY(kSheetApplyId, mdRepos, mdRepos)
        DYNAMIC_MAP_ENTRY(IDHELP, mdRepos, mdRepos)
        DYNAMIC_MAP_ENTRY(kSheetNextId, mdRepos, mdRepos)
        DYNAMIC_MAP_ENTRY(kSheetBackId, mdRepos, mdRepos)
        DYNAMIC_MAP_ENTRY(kSheetFinishId, mdRepos, mdRepos)
        END_DYNAMIC_MAP()
    return pPrev == nullptr ? s_map : nullptr;
}

template <class S, class DP, class DS>
void cdxCDynPropSheet<S, DP, DS>::AddPage(DP* pPage)
{
    pPage->m_pSheet = static_cast<DS*>(this);
    S::AddPage(pPage);
}

template <class S, class DP, class DS>
void cdxCDynPropSheet<S, DP, DS>::RemovePage(int nPage)
{
    DP* pPage = dynamic_cast<DP*>(this->GetPage(nPage));
    S::RemovePage(nPage);
    if (pPage)
        pPage->m_pSheet = nullptr;
}

template <class S, class DP, class DS>
void cdxCDynPropSheet<S, DP, DS>::OnPageFirstActive(DP* pPage)
{
    if (IsActive())
        RegisterPage(pPage);
}

template <class S, class DP, class DS>
void cdxCDynPropSheet<S, DP, DS>::OnPageActive(DP*, BOOL)
{
    if (this->m_hWnd && IsWizardSheet())
        Layout();  // a wizard swaps pages in place
}

// A page stretches with the sheet from its own display rectangle (below the
// tabs); the registration takes it back to the sheet's initial size, since
// the sheet may have been resized before the page was first shown.
template <class S, class DP, class DS>
void cdxCDynPropSheet<S, DP, DS>::RegisterPage(DP* pPage)
{
    AddSzControl(pPage->m_hWnd, RecordFromWindow(pPage->m_hWnd, 0, 0, 100, 100, SIZE{0, 0}), true);
}
