// AddCOMMSheet.cpp: the communication adapter sheet: its pages, the page
// it opens on, its buttons and OK.
#include "devices/AddCOMMSheet.h"

#include "config/DevClass.h"
#include "config/DevClassIcons.h"
#include "framework/HelpKeys.h"

namespace {

// The help topic of each page.
const SControlHelp kPageHelpIds[] = {
    {IDD_ADD_QETH, 1146},
    {IDD_ADD_LCS, 3769},
    {IDD_ADD_CTCI, 3875},
    {IDD_ADD_CTCE, 1221},
};

}  // namespace

BEGIN_MESSAGE_MAP(CAddCOMMSheet, cdxCDynamicHelpPropSheet)
    ON_COMMAND(IDOK, OnOK)
END_MESSAGE_MAP()

CAddCOMMSheet::CAddCOMMSheet(CWnd* pParent)
    : cdxCDynamicHelpPropSheet(IDD_COMM_SHEET, pParent),
      m_QETHPage(this),
      m_LCSPage(this),
      m_CTCIPage(this),
      m_CTCEPage(this)
{
    // The tab order is the order of the kinds: OSA, LCS, CTCI, CTCE.
    for (CAddCOMMPage* pPage : {static_cast<CAddCOMMPage*>(&m_QETHPage), static_cast<CAddCOMMPage*>(&m_LCSPage),
                                static_cast<CAddCOMMPage*>(&m_CTCIPage), static_cast<CAddCOMMPage*>(&m_CTCEPage)}) {
        m_pages[pPage->Kind()] = pPage;
        AddPage(pPage);
    }
}

CAddCOMMPage* CAddCOMMSheet::PageOfKind(int nKind) const
{
    return IsCommKind(nKind) ? m_pages[nKind] : nullptr;
}

void CAddCOMMSheet::SetActivePageByType(int nSubtype)
{
    CAddCOMMPage* pPage = PageOfKind(nSubtype);
    if (!pPage || nSubtype == COMM_SUBTYPE_QETH)
        pPage = &m_QETHPage;
    m_nActivePage = pPage->Kind();
    SetActivePage(pPage);
}

BOOL CAddCOMMSheet::OnInitDialog()
{
    BOOL bResult = cdxCDynamicHelpPropSheet::OnInitDialog();
    SetIcon(DevClassIcon(DEVCLASS_COMM), FALSE);
    SetWindowText(m_bAdd ? "Add New Comm. device" : "Reinitialize Comm. device");
    PlaceButtons();
    return bResult;
}

// Apply goes; Cancel takes its place and OK Cancel's, and both keep the
// lower right corner as the sheet is sized.
void CAddCOMMSheet::PlaceButtons()
{
    HWND hApply = ::GetDlgItem(m_hWnd, kSheetApplyId);
    HWND hCancel = ::GetDlgItem(m_hWnd, IDCANCEL);
    HWND hOK = ::GetDlgItem(m_hWnd, IDOK);
    if (!hApply || !hCancel || !hOK)
        return;
    RECT rcApply, rcCancel;
    ::GetWindowRect(hApply, &rcApply);
    ::GetWindowRect(hCancel, &rcCancel);
    ::MapWindowPoints(nullptr, m_hWnd, (POINT*)&rcApply, 2);
    ::MapWindowPoints(nullptr, m_hWnd, (POINT*)&rcCancel, 2);
    ::ShowWindow(hApply, SW_HIDE);
    ForgetSzControl(hApply);
    const UINT kFlags = SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE;
    ::SetWindowPos(hCancel, nullptr, rcApply.left, rcApply.top, 0, 0, kFlags);
    ::SetWindowPos(hOK, nullptr, rcCancel.left, rcCancel.top, 0, 0, kFlags);
    AddSzControlByModes(hCancel, mdRepos, mdRepos);
    AddSzControlByModes(hOK, mdRepos, mdRepos);
}

// Only the active page is asked: its leaving checks its fields and builds
// the device and the command while the flag is set. The control's own OK
// handling then ends the sheet.
void CAddCOMMSheet::OnOK()
{
    if (m_bPassingOk) {
        Default();
        return;
    }
    CAddCOMMPage* pPage = dynamic_cast<CAddCOMMPage*>(GetActivePage());
    if (!pPage)
        return;
    m_bOkInProgress = true;
    m_nActivePage = pPage->Kind();
    m_strCommand.Empty();
    const bool bAccepted = pPage->OnKillActive() != FALSE;
    m_bOkInProgress = false;
    if (!bAccepted)
        return;
    m_bPassingOk = true;
    Default();
    m_bPassingOk = false;
}

void CAddCOMMSheet::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    for (const SControlHelp& row : kPageHelpIds)
        SetHelpId(WindowHelpKey(row.nCtrl), row.nValue);
}
