// CPropertyPage.cpp: property pages and their sheet notifications.
#include "platform/CPropertyPage.h"

#include "platform/CWinApp.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CDialog(nIDTemplate)
{
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.hInstance = AfxGetResourceHandle();
    m_psp.pszTemplate = MAKEINTRESOURCEA(nIDTemplate);
    m_psp.pfnDlgProc = PageDlgProc;
    m_psp.lParam = (LPARAM)this;
    if (nIDCaption && m_strCaption.LoadString(nIDCaption)) {
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_strCaption;
    }
}

INT_PTR CALLBACK CPropertyPage::PageDlgProc(HWND hDlg, UINT msg, WPARAM wp, LPARAM lp)
{
    CPropertyPage* p = (CPropertyPage*)::GetWindowLongPtrA(hDlg, DWLP_USER);
    if (!p) {
        if (msg != WM_INITDIALOG)
            return FALSE;
        // A sheet hands the page its PROPSHEETPAGE, whose lParam is the page.
        p = (CPropertyPage*)((PROPSHEETPAGEA*)lp)->lParam;
        p->m_bInSheet = true;
        p->BindHandle(hDlg, BindSlot::DlgUser);
    }
    return p->DialogMessage(msg, wp, lp);
}

CWnd* CPropertyPage::GetSheetWnd() const
{
    return m_bInSheet && m_hWnd ? CWnd::FromHandle(::GetParent(m_hWnd)) : nullptr;
}

BOOL CPropertyPage::CreateInHost(CWnd* pHost)
{
    m_bInSheet = true;
    if (Create(m_psp.pszTemplate, pHost))
        return TRUE;
    m_bInSheet = false;
    return FALSE;
}

BOOL CPropertyPage::CreateInHostHoldingInit(CWnd* pHost, const void* pTemplate)
{
    m_bInSheet = true;
    if (CreateIndirectHoldingInit(pTemplate, pHost))
        return TRUE;
    m_bInSheet = false;
    return FALSE;
}

BOOL CPropertyPage::OnNotify(WPARAM wp, LPARAM lp, LRESULT* pResult)
{
    const NMHDR* pNM = (const NMHDR*)lp;
    if (!m_bInSheet || pNM->hwndFrom != ::GetParent(m_hWnd))
        return CDialog::OnNotify(wp, lp, pResult);
    switch (pNM->code) {
    case PSN_SETACTIVE:
        *pResult = OnSetActive() ? 0 : -1;
        return TRUE;
    case PSN_KILLACTIVE:
        *pResult = OnKillActive() ? FALSE : TRUE;  // TRUE keeps the page
        return TRUE;
    case PSN_APPLY:
        *pResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        return TRUE;
    case PSN_RESET:
        OnReset();
        *pResult = 0;
        return TRUE;
    case PSN_QUERYCANCEL:
        *pResult = OnQueryCancel() ? FALSE : TRUE;  // TRUE refuses
        return TRUE;
    case PSN_HELP:
        // The sheet's Help button gives the page its help command, as the
        // button of a dialog of its own would.
        SendMessage(WM_COMMAND, IDHELP, 0);
        *pResult = 0;
        return TRUE;
    default:
        return CDialog::OnNotify(wp, lp, pResult);
    }
}

BOOL CPropertyPage::OnSetActive()
{
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    m_bModified = false;
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}

void CPropertyPage::OnOK()
{
}

void CPropertyPage::OnCancel()
{
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    m_bModified = bChanged != FALSE;
    if (CWnd* pSheet = GetSheetWnd())
        pSheet->SendMessage(bChanged ? PSM_CHANGED : PSM_UNCHANGED, (WPARAM)m_hWnd);
}

void CPropertyPage::CancelToClose()
{
    if (CWnd* pSheet = GetSheetWnd())
        pSheet->SendMessage(PSM_CANCELTOCLOSE);
}

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    // In a sheet, the sheet's dialog manager moves between pages and buttons.
    return m_bInSheet ? FALSE : CDialog::PreTranslateMessage(pMsg);
}
