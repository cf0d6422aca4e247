// SysCfgPage.cpp: the apply protocol, the validation-failure step, the
// number exchanges and the help tables shared by every configuration page.
#include "sysconfig/SysCfgPage.h"

#include <climits>

#include "config/CVornConfigFile.h"
#include "config/WindowHelpers.h"
#include "framework/HelpKeys.h"
#include "platform/ErrorBalloon.h"
#include "platform/NumberParse.h"
#include "sysconfig/SysCfgDialog.h"

IMPLEMENT_DYNAMIC(CSysCfgPage, CPropertyPage)

CSysCfgPage::CSysCfgPage(UINT nIDTemplate, CSysCfgDialog* pDlg) : cdxCDynamicHelpPropPage(nIDTemplate), m_pDlg(pDlg)
{
}

CVornConfigFile& CSysCfgPage::Edited() const
{
    return m_pDlg->m_config;
}

CVornConfigFile& CSysCfgPage::Applied() const
{
    return m_pDlg->m_appliedConfig;
}

BOOL CSysCfgPage::InitPage()
{
    SetAppSmallIcon(m_hWnd);
    return cdxCDynamicHelpPropPage::OnInitDialog();
}

void CSysCfgPage::AddRow(int nParts, int nRow, std::initializer_list<UINT> ids)
{
    for (UINT nID : ids) {
        const UINT both[] = {nID, IDC_LABEL_OF(nID)};
        for (UINT n : both)
            if (GetDlgItem((int)n))
                AddSzYControlEvenMove(nParts, nRow, n, false);
    }
}

BOOL CSysCfgPage::OnApply()
{
    return UpdateData(TRUE);
}

void CSysCfgPage::TakeApplied()
{
    ReevaluateModified();
    OnApplied();
}

bool CSysCfgPage::CheckPage(bool bShowFailure)
{
    m_bQuietChecks = !bShowFailure;
    BOOL bOk = UpdateData(TRUE);
    m_bQuietChecks = false;
    return bOk != FALSE;
}

bool CSysCfgPage::SysCfgDdvFail(CDataExchange* pDX, const SysCfgFieldFailure& failure)
{
    if (failure.bEdit)
        pDX->PrepareEditCtrl((int)failure.nCtrlId);
    else
        pDX->PrepareCtrl((int)failure.nCtrlId);
    if (!m_bQuietChecks)
        ErrorBalloon(this, failure.nCtrlId, failure.strTitle, failure.strText, kBalloonIconWarning);
    SetModified(TRUE);
    if (m_bQuietChecks)
        pDX->m_bFailed = true;
    else
        pDX->Fail();
    return false;
}

bool CSysCfgPage::RunCheck(CDataExchange* pDX, bool (*pfnCheck)(const CVornConfigFile&, SysCfgFieldFailure&))
{
    if (!pDX->m_bSaveAndValidate || pDX->m_bFailed)
        return !pDX->m_bFailed;
    SysCfgFieldFailure failure;
    return pfnCheck(Edited(), failure) || SysCfgDdvFail(pDX, failure);
}

void CSysCfgPage::ExchangeUnsigned(CDataExchange* pDX, int nIDC, int& nValue)
{
    if (pDX->m_bFailed)
        return;
    pDX->PrepareEditCtrl(nIDC);
    CString str;
    if (!pDX->m_bSaveAndValidate) {
        str.Format("%u", (UINT)nValue);
        SetTextUpdating(nIDC, str);
        return;
    }
    GetDlgItemText(nIDC, str);
    UINT n = 0;
    nValue = StringToUINT(str, n) ? (int)n : kNotANumber;
}

void CSysCfgPage::ExchangeSigned(CDataExchange* pDX, int nIDC, int& nValue)
{
    if (pDX->m_bFailed)
        return;
    pDX->PrepareEditCtrl(nIDC);
    CString str;
    if (!pDX->m_bSaveAndValidate) {
        str.Format("%d", nValue);
        SetTextUpdating(nIDC, str);
        return;
    }
    GetDlgItemText(nIDC, str);
    INT n = 0;
    nValue = StringToINT(str, n) ? n : INT_MIN;
}

void CSysCfgPage::ExchangeBool(CDataExchange* pDX, int nIDC, bool& bValue)
{
    if (pDX->m_bFailed)
        return;
    pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        bValue = IsChecked(nIDC);
    else if (IsDlgButtonChecked(nIDC) != (bValue ? BST_CHECKED : BST_UNCHECKED))
        CheckDlgButton(nIDC, bValue ? BST_CHECKED : BST_UNCHECKED);
}

// A text already shown is left as it is (ShowWindowText): an apply shows
// every value again.
void CSysCfgPage::SetTextUpdating(int nIDC, const char* pszText)
{
    bool bWas = m_bUpdating;
    m_bUpdating = true;
    if (HWND hCtl = ::GetDlgItem(m_hWnd, nIDC))
        ShowWindowText(hCtl, pszText);
    m_bUpdating = bWas;
}

// The page's own balloon texts after the standard ones; nothing when the
// map already holds entries.
void CSysCfgPage::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    cdxCDynamicHelpPropPage::RegisterStandardHelpStrings();
    size_t n = 0;
    const SysCfgHelpRow* p = HelpStringRows(n);
    for (size_t i = 0; i < n; ++i) {
        SetHelpString(MakeHelpKey(m_nIDTemplate, p[i].nCtrlId), p[i].nId);
        if (p[i].nCtrlId && GetDlgItem((int)IDC_LABEL_OF(p[i].nCtrlId)))
            SetHelpString(MakeHelpKey(m_nIDTemplate, IDC_LABEL_OF(p[i].nCtrlId)), p[i].nId);
    }
}

// The page's help-context remaps: to help context ids, and to the keys of
// other controls of the page.
void CSysCfgPage::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    cdxCDynamicHelpPropPage::RegisterHelpStrings();
    size_t n = 0;
    const SysCfgHelpRow* p = HelpIdRows(n);
    for (size_t i = 0; i < n; ++i)
        SetHelpId(MakeHelpKey(m_nIDTemplate, p[i].nCtrlId), p[i].nId);
    p = HelpKeyRemapRows(n);
    for (size_t i = 0; i < n; ++i)
        SetHelpId(MakeHelpKey(m_nIDTemplate, p[i].nCtrlId), MakeHelpKey(m_nIDTemplate, p[i].nId));
}
