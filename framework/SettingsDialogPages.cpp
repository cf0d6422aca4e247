// SettingsDialogPages.cpp: CSettingsDialog's page changes, the caption path,
// Apply, OK and Cancel over all pages, the messages pages send their sheet,
// and help.
#include "framework/SettingsDialog.h"

#include "framework/CHelpButtonPropertyPage.h"
#include "framework/ScreenCover.h"
#include "platform/ActivationHandBack.h"
#include "platform/AfxIds.h"
#include "platform/CPropertyPage.h"
#include "platform/SteadyClock.h"

#include <optional>

LRESULT CSettingsDialog::NotifyPage(SettingsPageRecord* pRecord, int nCode, LPARAM lParam)
{
    if (!pRecord || !(pRecord->wFlags & SettingsPageRecord::kPropertyPage) || !pRecord->HasWindow())
        return 0;
    PSHNOTIFY notify = {};
    notify.hdr.hwndFrom = m_hWnd;
    notify.hdr.idFrom = m_nDialogId;
    notify.hdr.code = (UINT)nCode;
    notify.lParam = lParam;
    return pRecord->pPage->SendMessage(WM_NOTIFY, m_nDialogId, (LPARAM)&notify);
}

// ---- changing pages ----------------------------------------------------------

// A page the user moves to that is not whole yet is made in steps, while
// the dialog answers (the engines pages took 200 ms at once), and shows
// once whole: the page shown before stays until then.
bool CSettingsDialog::MakesInSteps(const SettingsPageRecord* pRecord) const
{
    return MakesInStepsAtStart(pRecord) && !m_bSelectingAtOnce && !FirstPageToCome() && !m_bEnding;
}

void CSettingsDialog::OnTreeSelChanging(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMTREEVIEWA* pNM = (const NMTREEVIEWA*)pNMHDR;
    SettingsPageRecord* pRecord = RecordOfItem(pNM->itemOld.hItem);
    if (!pRecord || !pRecord->HasWindow() || pRecord == m_pShowWhenMade)
        return;
    if (NotifyPage(pRecord, PSN_KILLACTIVE) != 0) {
        *pResult = TRUE;
        return;
    }
    pRecord->pPage->SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
}

void CSettingsDialog::OnTreeSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    SettingsPageRecord* pRecord = RecordOfItem(((NMTREEVIEWA*)pNMHDR)->itemNew.hItem);
    m_pShowWhenMade = nullptr;
    if (!pRecord) {
        m_PageTree.HoldPicture(false);
        return;
    }
    // Selected as the dialog starts: made and shown as its first page.
    if (FirstPageToCome()) {
        m_pShowWhenMade = pRecord;
        SetCaption(pRecord);
        return;
    }
    // Until the page is whole, the tree and the header go on showing the
    // page before with it, however many pages the keys move on meanwhile.
    if (MakesInSteps(pRecord) && RunStepsTimer()) {
        m_pShowWhenMade = pRecord;
        m_PageTree.HoldPicture(IsWindowVisible() != FALSE);
        return;
    }
    // A page made later is made when shown; before the layout has run (the
    // first page, shown as the dialog starts) the layout places it.
    MakePage(pRecord);
    ShowSelectedPage(pRecord);
}

// The page shown before goes in the same step as the new one shows. Under
// a cover of the screen as it was, the tree's selection, the header and the
// page area change together: all of them painted before the cover goes
// (and, the screen brought up to date first, within the 50 ms after which
// Wine would put a part on the screen all the same). A page that refuses
// to show (or could not be made), or a group without a page, shows the
// empty page area under its header.
void CSettingsDialog::ShowSelectedPage(SettingsPageRecord* pRecord)
{
    bool bShows = pRecord->HasWindow() && NotifyPage(pRecord, PSN_SETACTIVE) == 0;
    std::optional<CScreenCover> cover;
    if (IsWindowVisible()) {
        CRect rcTree, rcArea;
        m_PageTree.GetWindowRect(&rcTree);
        m_PageFrame.GetWindowRect(&rcArea);
        rcArea.UnionRect(&rcArea, &rcTree);
        cover.emplace(m_hWnd, rcArea);
        LetScreenCatchUp();
    }
    for (const auto& p : m_Records)
        if (p.get() != pRecord && p->HasAnyWindow() && p->pPage->IsWindowVisible())
            p->pPage->ShowWindow(SW_HIDE);
    if (bShows) {
        pRecord->pPage->SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
        ShowPageOf(pRecord);
    }
    SetCaption(pRecord);
    m_PageTree.HoldPicture(false);
    if (cover) {
        RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        LetScreenCatchUp();
        cover.reset();
    }
    // The focus moves once the page shows: a change of focus under the cover
    // has Wine raise the dialog above it.
    if (bShows)
        FocusPageOf(pRecord);
}

// The page and its controls are painted at once.
void CSettingsDialog::ShowPageOf(SettingsPageRecord* pRecord)
{
    pRecord->pPage->ShowWindow(SW_SHOW);
    pRecord->pPage->RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (pRecord->wFlags & SettingsPageRecord::kPropertyPage)
        m_nStartPage = GetPageIndex(pRecord->pPage);
}

// A page chosen in the tree (arrow keys, a click) leaves the focus in the
// tree, so that the next arrow shows the next page; a page chosen by the
// dialog itself (the first one, a page whose check failed) gets it.
void CSettingsDialog::FocusPageOf(SettingsPageRecord* pRecord)
{
    if (::GetFocus() != m_PageTree.m_hWnd)
        pRecord->pPage->SetFocus();
}

// The page's own caption (its template's, else the record's), preceded by
// the captions of its ancestors, each followed by " :: ".
void CSettingsDialog::SetCaption(SettingsPageRecord* pRecord)
{
    CString strText;
    if (pRecord->HasWindow())
        pRecord->pPage->GetWindowText(strText);
    if (strText.IsEmpty())
        strText = pRecord->strCaption;
    // Each step moves to an earlier record, so the walk ends.
    size_t nSteps = m_Records.size();
    for (SettingsPageRecord* p = pRecord; p && !p->strParentCaption.IsEmpty() && nSteps--;) {
        SettingsPageRecord* pParent = FindRecord(p->strParentCaption);
        if (!pParent || pParent->strCaption.IsEmpty())
            break;
        CString strPath;
        strPath.Format("%s :: %s", pParent->strCaption.GetString(), strText.GetString());
        strText = strPath;
        p = pParent;
    }
    m_CaptionBar.SetWindowText(strText);
}

void CSettingsDialog::SelectPage(SettingsPageRecord* pRecord)
{
    if (HTREEITEM hItem = FindTreeItem(pRecord->strCaption))
        SelectItemAtOnce(hItem);
}

// ---- Apply, OK, Cancel -------------------------------------------------------

bool CSettingsDialog::BeginApply()
{
    if (m_bEnding)
        return false;
    MakeWaitingPages();
    if (!CheckPagesBeforeApply())
        return false;
    SettingsPageRecord* pCurrent = GetCurrentRecord();
    if (pCurrent && NotifyPage(pCurrent, PSN_KILLACTIVE) != 0) {
        SelectPage(pCurrent);
        return false;
    }
    return true;
}

bool CSettingsDialog::ApplyRecord(SettingsPageRecord* pRecord, bool bOk)
{
    if (!pRecord->HasWindow())
        return pRecord->eMaking != SettingsPageRecord::Making::kWhenShown || ApplyUnmadePage(pRecord, bOk);
    if (pRecord->wFlags & SettingsPageRecord::kPropertyPage)
        return NotifyPage(pRecord, PSN_APPLY, bOk ? 1 : 0) == 0 && (!bOk || NotifyPage(pRecord, PSN_KILLACTIVE) == 0);
    CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, pRecord->pPage);
    return !pDlg || pDlg->UpdateData(TRUE);
}

BOOL CSettingsDialog::ApplyPages(bool bOk)
{
    if (!BeginApply())
        return FALSE;
    for (const auto& p : m_Records) {
        if (!ApplyRecord(p.get(), bOk)) {
            SelectPage(p.get());
            return FALSE;
        }
    }
    return EndApply(bOk) ? TRUE : FALSE;
}

// When every page has passed its checks before the pass, OK hides the
// dialog at once and the pages apply in steps before they go: the pass
// took 50-150 ms in one piece for the system configuration's pages.
void CSettingsDialog::OnOK()
{
    if (!IsModal() || !ChecksEveryPageBeforeApply()) {
        if (ApplyPages(true))
            EndWithPagesInSteps(IDOK);
        return;
    }
    if (!BeginApply())
        return;
    m_nApplyNext = 0;
    EndWithPagesInSteps(IDOK);
}

void CSettingsDialog::OnCancel()
{
    if (m_bEnding)
        return;
    for (const auto& p : m_Records) {
        if (p->HasWindow() && NotifyPage(p.get(), PSN_QUERYCANCEL) != 0) {
            SelectPage(p.get());
            return;
        }
    }
    EndWithPagesInSteps(IDCANCEL);
}

namespace {

const UINT kEndTimerMs = 10;
// The most a step of the pages' end takes, but for a window whose end takes
// longer by itself.
const DWORD kEndStepMs = 10;

}  // namespace

// Destroying the pages' windows at once held the program for as long as
// all of them took to go (250-450 ms for the system configuration's
// pages). Hidden, the dialog shows its end at once; its owner stays
// disabled until the loop ends, so that nothing the user does meanwhile
// reaches a window before the dialog's caller has its result.
void CSettingsDialog::EndWithPagesInSteps(int nResult)
{
    KillTimer(kMakePagesTimerId);
    m_eStart = Start::kDone;
    m_pShowWhenMade = nullptr;
    if (!IsModal()) {
        DestroyPages();
        EndDialog(nResult);
        return;
    }
    m_bEnding = true;
    m_nEndResult = nResult;
    if (::GetActiveWindow() == m_hWnd)
        m_hEndOwner = ::GetAncestor(::GetWindow(m_hWnd, GW_OWNER), GA_ROOT);
    // Stored while it shows: hidden, it would store itself as hidden. One
    // ended before it was placed has no place of its own to keep.
    if (m_bInitialized)
        StoreWindowPosition();
    m_strEndPositionName = m_strPositionName;
    m_strPositionName.Empty();
    m_openCover.reset();
    ShowWindow(SW_HIDE);
    // The first step too on the timer: the click's own answer ends here.
    // Without a timer no step would come: the rest goes at once.
    if (!SetTimer(kEndTimerId, kEndTimerMs, nullptr))
        EndAtOnce();
}

void CSettingsDialog::EndAtOnce()
{
    KillTimer(kEndTimerId);
    while (m_bEnding && m_nApplyNext >= 0)
        ApplyPagesStep();
    if (!m_bEnding)
        return;
    DestroyPages();
    EndDialog(m_nEndResult);
}

// Hidden while its owner was still disabled, the dialog left no window of
// the program to take the activation: the system gave it to the desktop.
// Once the loop has enabled the owner again, the owner takes it back, unless
// the user has gone to another program's window meanwhile.
INT_PTR CSettingsDialog::DoModal()
{
    m_bEnding = false;
    m_nApplyNext = -1;
    m_hEndOwner = nullptr;
    INT_PTR nResult = cdxCDynamicHelpDialog::DoModal();
    HWND hOwner = m_hEndOwner;
    m_hEndOwner = nullptr;
    HWND hFore = ::GetForegroundWindow();
    DWORD dwPid = 0;
    if (hFore)
        ::GetWindowThreadProcessId(hFore, &dwPid);
    bool bProgramHeldIt = !hFore || hFore == ::GetDesktopWindow() ||
                          (dwPid == ::GetCurrentProcessId() && !::GetActiveWindow());
    if (hOwner && bProgramHeldIt)
        HandActivationBackTo(hOwner);
    return nResult;
}

bool CSettingsDialog::DestroyPagesStep()
{
    const DWORD dwStart = SteadyClockMs();
    for (const auto& p : m_Records) {
        if (!p->HasAnyWindow())
            continue;
        // Its controls first, one at a time, in the order the system ends them.
        HWND hPage = p->pPage->m_hWnd;
        while (HWND hChild = ::GetWindow(hPage, GW_CHILD)) {
            ::DestroyWindow(hChild);
            if (SteadyClockMs() - dwStart >= kEndStepMs)
                return false;
        }
        p->pPage->DestroyWindow();
        if (CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, p->pPage))
            pDlg->DropInitParts();
        p->pSteps.reset();
        if (SteadyClockMs() - dwStart >= kEndStepMs)
            return false;
    }
    return true;
}

void CSettingsDialog::ApplyPagesStep()
{
    const DWORD dwStart = SteadyClockMs();
    while (m_nApplyNext < (int)m_Records.size()) {
        SettingsPageRecord* pRecord = m_Records[(size_t)m_nApplyNext].get();
        if (!ApplyRecord(pRecord, true)) {
            ResumeAfterRefusedApply(pRecord);
            return;
        }
        ++m_nApplyNext;
        if (SteadyClockMs() - dwStart >= kEndStepMs)
            return;
    }
    m_nApplyNext = -1;
    if (!EndApply(true))
        ResumeAfterRefusedApply(nullptr);
}

// A page refused its apply after every page had passed its checks (the
// view refused what it was handed): the dialog shows again with that page,
// as it would have stayed had the pass run before it hid.
void CSettingsDialog::ResumeAfterRefusedApply(SettingsPageRecord* pRecord)
{
    KillTimer(kEndTimerId);
    m_nApplyNext = -1;
    m_bEnding = false;
    m_hEndOwner = nullptr;
    m_strPositionName = m_strEndPositionName;
    ShowWindow(SW_SHOW);
    if (pRecord)
        SelectPage(pRecord);
}

void CSettingsDialog::OnEndTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kEndTimerId)
        return;
    if (m_nApplyNext >= 0) {
        ApplyPagesStep();
        return;
    }
    if (!DestroyPagesStep())
        return;
    KillTimer(kEndTimerId);
    DestroyPages();
    EndDialog(m_nEndResult);
}

void CSettingsDialog::DestroyPages()
{
    for (auto& p : m_Records) {
        if (p->HasAnyWindow())
            p->pPage->DestroyWindow();
        if (p->wFlags & SettingsPageRecord::kOwned)
            delete p->pPage;
    }
    m_Records.clear();
    m_PropPages.clear();
}

// ---- what pages send their sheet ---------------------------------------------

LRESULT CSettingsDialog::OnPageChanged(WPARAM wp, LPARAM)
{
    if (SettingsPageRecord* pRecord = FindRecordByWindow((HWND)wp))
        pRecord->wFlags |= SettingsPageRecord::kModified;
    UpdateApplyButton();
    return 0;
}

LRESULT CSettingsDialog::OnPageUnchanged(WPARAM wp, LPARAM)
{
    if (SettingsPageRecord* pRecord = FindRecordByWindow((HWND)wp))
        pRecord->wFlags &= (WORD)~SettingsPageRecord::kModified;
    UpdateApplyButton();
    return 0;
}

void CSettingsDialog::UpdateApplyButton()
{
    bool bModified = false;
    for (const auto& p : m_Records)
        bModified = bModified || (p->pPage && (p->wFlags & SettingsPageRecord::kModified));
    EnableButton(&m_ApplyButton, bModified);
}

void CSettingsDialog::EnableButton(CWnd* pButton, BOOL bEnable)
{
    if (!pButton->m_hWnd)
        return;
    bool bHadFocus = ::GetFocus() == pButton->m_hWnd;
    pButton->EnableWindow(bEnable);
    if (!bEnable && bHadFocus) {
        DWORD dwDef = GetDefID();
        if (HIWORD(dwDef) == DC_HASDEFID)
            if (CWnd* pDefault = GetDlgItem(LOWORD(dwDef)))
                SendMessage(WM_NEXTDLGCTL, (WPARAM)pDefault->m_hWnd, TRUE);
    }
}

LRESULT CSettingsDialog::OnCancelToClose(WPARAM, LPARAM)
{
    m_OkButton.SetWindowText("Close");
    EnableButton(&m_CancelButton, FALSE);
    return 0;
}

LRESULT CSettingsDialog::OnQuerySiblings(WPARAM wp, LPARAM lp)
{
    for (const auto& p : m_Records)
        if (p->HasWindow())
            if (LRESULT r = p->pPage->SendMessage(PSM_QUERYSIBLINGS, wp, lp))
                return r;
    return 0;
}

// A command from a control on a page goes to that page.
BOOL CSettingsDialog::OnCommand(WPARAM wp, LPARAM lp)
{
    HWND hCtrl = (HWND)lp;
    if (HIWORD(wp) == 0 && hCtrl && ::GetParent(hCtrl) != m_hWnd) {
        if (SettingsPageRecord* pRecord = GetCurrentRecord()) {
            pRecord->pPage->SendMessage(WM_COMMAND, wp, lp);
            return TRUE;
        }
    }
    return cdxCDynamicHelpDialog::OnCommand(wp, lp);
}

// ---- help --------------------------------------------------------------------

// The current page's help command (the caption button's, IDHELP, ID_HELP,
// the first it handles); else the dialog's own help.
void CSettingsDialog::OnHelpButton()
{
    SettingsPageRecord* pRecord = GetCurrentRecord();
    const UINT ids[] = {kIdHelpCommand, IDHELP, ID_HELP};
    for (UINT nId : ids) {
        if (!pRecord || !pRecord->pPage->OnCmdMsg(nId, CN_COMMAND_PROBE, nullptr))
            continue;
        if (pRecord->wFlags & SettingsPageRecord::kPropertyPage)
            NotifyPage(pRecord, PSN_HELP);
        else
            pRecord->pPage->SendMessage(WM_COMMAND, nId, (LPARAM)m_HelpButton.m_hWnd);
        return;
    }
    OnHelp();
}

void CSettingsDialog::DoHelp()
{
    SettingsPageRecord* pRecord = GetCurrentRecord();
    CWnd* pPage = pRecord ? pRecord->pPage : nullptr;
    if (dynamic_cast<CHelpButtonPropertyPage*>(pPage) || dynamic_cast<CHelpButtonWnd<CDialog>*>(pPage))
        pPage->SendMessage(WM_COMMAND, IDHELP, (LPARAM)m_HelpButton.m_hWnd);
    else
        OnHelp();
}
