// PrefsPage.cpp: the page protocol, help tables and row layout shared by the
// preferences pages.
#include "preferences/PrefsPage.h"

#include "framework/HelpKeys.h"
#include "platform/NumberParse.h"
#include "preferences/PreferencesDlg.h"
#include "session/PrivateMessages.h"

CPrefsPage::CPrefsPage(UINT nIDTemplate, int nPageIndex, const SPrefsPageTables& tables)
    : cdxCDynamicHelpPropPage(nIDTemplate), m_nPageIndex(nPageIndex), m_tables(tables)
{
}

BOOL CPrefsPage::OnInitDialog()
{
    TakeWorkingAsApplied();
    cdxCDynamicHelpPropPage::OnInitDialog();
    OnInitPage();
    SetupLayout();
    m_bReady = true;
    return TRUE;
}

BOOL CPrefsPage::OnApply()
{
    if (!UpdateData(TRUE))
        return FALSE;
    // The view answers 0 while no preferences dialog is registered with it:
    // the page then stays modified, without a message.
    HWND hView = m_pDlg ? m_pDlg->m_hViewWnd : nullptr;
    if (!hView || !::SendMessageA(hView, WM_PREFS_APPLY_PAGE, (WPARAM)m_nPageIndex, 0))
        return FALSE;
    TakeWorkingAsApplied();
    UpdateModified();
    return TRUE;
}

void CPrefsPage::SetupLayout()
{
    for (size_t i = 0; i < m_tables.nRows; ++i)
        AddSzYControlEvenMove(m_tables.nGridRows, m_tables.pRows[i].nRow, m_tables.pRows[i].nCtrl, true);
    for (size_t i = 0; i < m_tables.nSpans; ++i) {
        const SPrefsGroupSpan& s = m_tables.pSpans[i];
        AddSzYControl(::GetDlgItem(m_hWnd, (int)s.nCtrl), s.nTop, s.nBottom, SIZE{0, 0}, true);
    }
}

void CPrefsPage::OnUIntEditChange(UINT nId, UINT& nValue)
{
    if (!m_bReady)
        return;
    StringToUINT(ControlText(nId), nValue);
    UpdateModified();
}

void CPrefsPage::EnableControls(const UINT* pIds, size_t n, bool bEnable)
{
    for (size_t i = 0; i < n; ++i)
        EnableDlgControl(::GetDlgItem(m_hWnd, (int)pIds[i]), bEnable);
}

CString CPrefsPage::ControlText(UINT nId) const
{
    CString str;
    GetDlgItemText((int)nId, str);
    return str;
}

// The balloon strings: the standard buttons first, then the page's rows.
void CPrefsPage::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    cdxCDynamicHelpPropPage::RegisterStandardHelpStrings();
    for (size_t i = 0; i < m_tables.nBalloons; ++i)
        SetHelpString(MakeHelpKey(m_nIDTemplate, m_tables.pBalloons[i].nCtrl), m_tables.pBalloons[i].nValue);
}

// The help-context ids; a key not in the table is its own help id.
void CPrefsPage::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    cdxCDynamicHelpPropPage::RegisterHelpStrings();
    for (size_t i = 0; i < m_tables.nHelpIds; ++i)
        SetHelpId(MakeHelpKey(m_nIDTemplate, m_tables.pHelpIds[i].nCtrl), m_tables.pHelpIds[i].nValue);
}
