// SettingsDialog.cpp: CSettingsDialog's pages and their records, the page
// tree, and the dialog's start.
#include "framework/SettingsDialog.h"

#include "framework/CHelpButtonPropertyPage.h"
#include "framework/DialogTemplateResource.h"
#include "framework/HelpButtonHelp.h"
#include "framework/HelpKeys.h"
#include "framework/ScreenCover.h"
#include "platform/AfxIds.h"
#include "platform/CDataExchange.h"
#include "platform/CPropertyPage.h"
#include "platform/SteadyClock.h"
#include "platform/DDX.h"

BEGIN_MESSAGE_MAP(CSettingsDialog, cdxCDynamicHelpDialog)
    ON_NOTIFY(TVN_SELCHANGINGA, IDC_SETTINGS_TREE, OnTreeSelChanging)
    ON_NOTIFY(TVN_SELCHANGEDA, IDC_SETTINGS_TREE, OnTreeSelChanged)
    ON_COMMAND(ID_APPLY_NOW, OnApply)
    ON_COMMAND(IDHELP, OnHelpButton)
    ON_COMMAND(ID_HELP, DoHelp)
    ON_MESSAGE(PSM_CANCELTOCLOSE, OnCancelToClose)
    ON_MESSAGE(PSM_CHANGED, OnPageChanged)
    ON_MESSAGE(PSM_UNCHANGED, OnPageUnchanged)
    ON_MESSAGE(PSM_QUERYSIBLINGS, OnQuerySiblings)
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_TIMER_WATCH(OnMakePagesTimer)
    ON_WM_TIMER_WATCH(OnEndTimer)
    ON_REGISTERED_MESSAGE(StartStepMessage(), OnStartStepMessage)
END_MESSAGE_MAP()

UINT CSettingsDialog::StartStepMessage()
{
    static const UINT s_nMsg = ::RegisterWindowMessageA("VornGUI.SettingsDialog.StartStep");
    return s_nMsg;
}

LRESULT CSettingsDialog::OnStartStepMessage(WPARAM, LPARAM)
{
    if (m_eStart == Start::kActivate)
        StartStep();
    return 0;
}

CSettingsDialog::CSettingsDialog(UINT nDialogId, int nTreeWidth, LPCSTR pszTitle, LPCSTR pszFontFace,
                                 COLORREF crText, COLORREF crGradient, CWnd* pParent)
    : cdxCDynamicHelpDialog(IDD, flSizeIcon, pParent), m_nDialogId(nDialogId), m_nTreeWidth(nTreeWidth)
{
    if (pszTitle)
        m_strTitle = pszTitle;
    if (pszFontFace)
        m_CaptionBar.m_strFontName = pszFontFace;
    m_CaptionBar.m_crText = crText;
    m_CaptionBar.m_crGradientStart = crGradient;
    m_CaptionBar.m_nFontSize = 14;
    m_CaptionBar.m_nFontWeight = 700;
}

CSettingsDialog::~CSettingsDialog()
{
    DestroyPages();
}

// ---- adding pages ------------------------------------------------------------

bool CSettingsDialog::CanAddPage(LPCSTR pszParent, LPCSTR pszCaption)
{
    if (m_Records.empty())
        return true;
    if (m_hWnd)
        return false;
    if (pszParent && *pszParent && !FindRecord(pszParent))
        return false;
    return !(pszCaption && *pszCaption && FindRecord(pszCaption));
}

SettingsPageRecord* CSettingsDialog::AddPageRecord(LPCSTR pszParent, LPCSTR pszCaption, CWnd* pPage,
                                                   UINT nTemplateId)
{
    auto pRecord = std::make_unique<SettingsPageRecord>();
    pRecord->strCaption = pszCaption ? pszCaption : "";
    pRecord->strParentCaption = pszParent ? pszParent : "";
    pRecord->pPage = pPage;
    pRecord->nTemplateId = nTemplateId;
    if (pPage && pPage->IsKindOf(RUNTIME_CLASS(CDialog)))
        pRecord->wFlags |= SettingsPageRecord::kOwned;
    if (pPage && pPage->IsKindOf(RUNTIME_CLASS(CPropertyPage)))
        pRecord->wFlags |= SettingsPageRecord::kPropertyPage;
    m_Records.push_back(std::move(pRecord));
    return m_Records.back().get();
}

// The caller keeps its page: the record just added (not one found again by
// caption, which for pages without a caption would be the first of them)
// loses the ownership flag.
bool CSettingsDialog::AddPage(LPCSTR pszParent, LPCSTR pszCaption, CWnd* pPage, UINT nTemplateId)
{
    if (!CanAddPage(pszParent, pszCaption))
        return false;
    SettingsPageRecord* pRecord = AddPageRecord(pszParent, pszCaption, pPage, nTemplateId);
    pRecord->wFlags &= (WORD)~SettingsPageRecord::kOwned;
    return true;
}

CWnd* CSettingsDialog::AddPage(LPCSTR pszParent, LPCSTR pszCaption, const CRuntimeClass* pClass, UINT nTemplateId)
{
    if (!CanAddPage(pszParent, pszCaption))
        return nullptr;
    CWnd* pPage = pClass ? DYNAMIC_DOWNCAST(CWnd, pClass->CreateObject()) : nullptr;
    if (pClass && !pPage)
        return nullptr;
    AddPageRecord(pszParent, pszCaption, pPage, nTemplateId);
    return pPage;
}

namespace {

const UINT kMakePagesTimerMs = 10;
// The most a step of making the pages takes, but for a control or a page's
// own initialisation or placing that takes longer by itself.
const DWORD kStepMs = 10;

void SetMaking(const std::vector<std::unique_ptr<SettingsPageRecord>>& records, CWnd* pPage,
               SettingsPageRecord::Making eMaking)
{
    for (const auto& p : records)
        if (p->pPage == pPage && pPage->IsKindOf(RUNTIME_CLASS(CDialog)))
            p->eMaking = eMaking;
}

bool IsWaiting(const SettingsPageRecord& r)
{
    return r.eMaking == SettingsPageRecord::Making::kAfterStart && r.pPage && !r.HasWindow();
}

// The parts of a page made in steps, in their order: its window, its
// controls, its initialisation, the parts of it that the page leaves for
// steps of their own, its place.
enum class PagePart { kWindow, kControl, kInit, kInitPart, kPlace, kNone };

PagePart NextPart(const SettingsPageRecord& r)
{
    if (r.HasWindow())
        return PagePart::kNone;
    if (!r.HasAnyWindow())
        return PagePart::kWindow;
    if (r.pSteps->nNextControl < r.pSteps->tmpl.Items().size())
        return PagePart::kControl;
    const CDialog* pDlg = static_cast<const CDialog*>(r.pPage);
    if (pDlg->IsInitHeld())
        return PagePart::kInit;
    return pDlg->InitPartsWaiting() ? PagePart::kInitPart : PagePart::kPlace;
}

}  // namespace

void CSettingsDialog::MakePageAfterStart(CWnd* pPage)
{
    SetMaking(m_Records, pPage, SettingsPageRecord::Making::kAfterStart);
}

void CSettingsDialog::MakePageWhenShown(CWnd* pPage)
{
    SetMaking(m_Records, pPage, SettingsPageRecord::Making::kWhenShown);
}

bool CSettingsDialog::MakePage(CWnd* pPage)
{
    for (const auto& p : m_Records)
        if (p->pPage == pPage)
            return MakePage(p.get());
    return false;
}

bool CSettingsDialog::MakePage(SettingsPageRecord* pRecord)
{
    if (!m_hWnd || pRecord->eMaking == SettingsPageRecord::Making::kAtStart)
        return pRecord->HasWindow();
    while (!pRecord->HasWindow())
        if (!MakePagePart(pRecord))
            return false;
    return true;
}

// A page that cannot be made is not tried again: it stays without a window,
// as a page that failed at the start does, and the pages after it go on.
bool CSettingsDialog::MakePagePart(SettingsPageRecord* pRecord)
{
    if (MakeNextPart(pRecord))
        return true;
    pRecord->eMaking = SettingsPageRecord::Making::kAtStart;
    return false;
}

// A page made from a template that can be read is made a control at a
// time; another (a view, a template the reader does not know) at once.
bool CSettingsDialog::MakeNextPart(SettingsPageRecord* pRecord)
{
    CWnd* pPage = pRecord->pPage;
    switch (NextPart(*pRecord)) {
    case PagePart::kWindow: {
        auto pSteps = std::make_unique<SettingsPageSteps>();
        CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, pPage);
        if (!pDlg || !LoadDialogTemplate(pRecord->nTemplateId, pSteps->tmpl)) {
            if (!CreatePage(pRecord))
                return false;
            if (m_bLayoutDone)
                PlacePage(pRecord);
            return true;
        }
        std::vector<BYTE> empty = pSteps->tmpl.Filtered([](const SDialogTemplateItem&) { return false; });
        CPropertyPage* pProp = DYNAMIC_DOWNCAST(CPropertyPage, pPage);
        pRecord->pSteps = std::move(pSteps);
        if (pProp ? pProp->CreateInHostHoldingInit(this, empty.data())
                  : pDlg->CreateIndirectHoldingInit(empty.data(), this))
            return true;
        pRecord->pSteps.reset();
        return false;
    }
    case PagePart::kControl: {
        SettingsPageSteps& steps = *pRecord->pSteps;
        if (CreateTemplateControl(pPage->m_hWnd, steps.tmpl.Items()[steps.nNextControl])) {
            ++steps.nNextControl;
            return true;
        }
        break;
    }
    case PagePart::kInit:
        static_cast<CDialog*>(pPage)->RunHeldInit();
        if (pRecord->HasAnyWindow())
            return true;
        break;
    case PagePart::kInitPart:
        static_cast<CDialog*>(pPage)->RunInitPart();
        if (pRecord->HasAnyWindow())
            return true;
        break;
    case PagePart::kPlace:
        pRecord->pSteps.reset();
        if (m_bLayoutDone)
            PlacePage(pRecord);
        return true;
    case PagePart::kNone:
        return true;
    }
    if (pRecord->HasAnyWindow())
        pPage->DestroyWindow();
    if (CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, pPage))
        pDlg->DropInitParts();
    pRecord->pSteps.reset();
    return false;
}

// Controls fill a step; a page's initialisation, each part of it the page
// leaves for later and its placing, whose cost is the page's own, each take
// a step of their own.
void CSettingsDialog::MakePageStep(SettingsPageRecord* pRecord)
{
    const DWORD dwStart = SteadyClockMs();
    for (bool bFirst = true;; bFirst = false) {
        PagePart part = NextPart(*pRecord);
        bool bAlone = part == PagePart::kInit || part == PagePart::kInitPart || part == PagePart::kPlace;
        if (part == PagePart::kNone || (bAlone && !bFirst) || !MakePagePart(pRecord) || bAlone ||
            SteadyClockMs() - dwStart >= kStepMs)
            return;
    }
}

bool CSettingsDialog::PagesWaiting() const
{
    for (const auto& p : m_Records)
        if (IsWaiting(*p))
            return true;
    return false;
}

void CSettingsDialog::MakeWaitingPages()
{
    // Ending, the pages go: none is made again.
    if (m_bEnding)
        return;
    for (const auto& p : m_Records)
        if (p->eMaking == SettingsPageRecord::Making::kAfterStart)
            MakePage(p.get());
}

// A step each time: a timer's message comes only once the dialog has
// painted and taken the user's input, so that these come first. The start
// goes first, then the page the user is waiting for, then the others.
void CSettingsDialog::OnMakePagesTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kMakePagesTimerId)
        return;
    if (m_eStart != Start::kDone) {
        StartStep();
    } else if (m_pShowWhenMade) {
        ShowWhenMadeStep();
    } else {
        for (const auto& p : m_Records) {
            if (IsWaiting(*p)) {
                MakePageStep(p.get());
                break;
            }
        }
    }
    if (m_eStart == Start::kDone && !m_pShowWhenMade && !PagesWaiting())
        KillTimer(kMakePagesTimerId);
}

bool CSettingsDialog::MakesInStepsAtStart(const SettingsPageRecord* pRecord) const
{
    return pRecord->pPage && !pRecord->HasWindow() && pRecord->eMaking != SettingsPageRecord::Making::kAtStart;
}

bool CSettingsDialog::RunStepsTimer()
{
    return SetTimer(kMakePagesTimerId, kMakePagesTimerMs, nullptr) != 0;
}

// The page chosen is made while the one shown before stays; once whole, it
// takes that one's place in a step of its own.
void CSettingsDialog::ShowWhenMadeStep()
{
    SettingsPageRecord* pRecord = m_pShowWhenMade;
    if (!pRecord->HasWindow()) {
        MakePageStep(pRecord);
        // A page that cannot be made stays blank, as one that failed at the start.
        if (!pRecord->HasWindow() && pRecord->eMaking == SettingsPageRecord::Making::kAtStart) {
            m_pShowWhenMade = nullptr;
            ShowSelectedPage(pRecord);
        }
        return;
    }
    m_pShowWhenMade = nullptr;
    ShowSelectedPage(pRecord);
}

// ---- the start in steps ------------------------------------------------------------

void CSettingsDialog::PlaceDialog()
{
    if (!RestoreWindowPosition()) {
        SetWindowPos(nullptr, 0, 0, m_szMin.cx, m_szMin.cy, SWP_NOMOVE | SWP_NOZORDER);
        CenterWindow();
    }
    // From here on the first position change lays the controls out; here,
    // now that the dialog has its size.
    m_bInitialized = true;
    if (!m_bLayoutDone)
        LayoutControls();
}

// The first page, selected as the dialog starts, is made in steps while
// the dialog is hidden (a stored maximised state shows it as it is placed:
// then at once).
void CSettingsDialog::StartStep()
{
    switch (m_eStart) {
    case Start::kTree:
        FillTree();
        m_eStart = Start::kMeasure;
        break;
    case Start::kMeasure:
        // The pages made with the dialog are made here: Apply follows what
        // they report.
        if (m_bShowsItself && !MeasurePages(kStepMs))
            break;
        CalcMinimumSize();
        UpdateApplyButton();
        m_eStart = Start::kPlace;
        break;
    case Start::kPlace:
        PlaceDialog();
        m_eStart = Start::kFirstPage;
        break;
    case Start::kFirstPage:
        if (SettingsPageRecord* pFirst = m_pShowWhenMade) {
            if (m_bShowsItself && !IsWindowVisible() && MakesInStepsAtStart(pFirst)) {
                MakePageStep(pFirst);
                if (MakesInStepsAtStart(pFirst))
                    break;
            }
            m_pShowWhenMade = nullptr;
            MakePage(pFirst);
            ShowSelectedPage(pFirst);
        }
        m_eStart = Start::kShow;
        break;
    case Start::kActivate:
        // Activated first, while hidden, as the system's own start of a
        // dialog does (the focus on its first control), and in a step ahead
        // of the keys typed meanwhile: they go to it, not to the owner it
        // has disabled, which has no focus to give them. Its tree is filled
        // in this step too: the keys find its items.
        FillTree();
        m_eStart = Start::kMeasure;
        ::SetActiveWindow(m_hWnd);
        if (HWND hFirst = ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE))
            ::SetFocus(hFirst);
        break;
    case Start::kShow:
        // Shown in a step of its own: activation and showing each take Wine
        // 10-30 ms. In steps, it paints under a cover in the steps after.
        m_eStart = Start::kDone;
        if (m_bShowsItself && RunStepsTimer()) {
            ShowUnderCover();
            m_eStart = Start::kUncover;
        } else if (m_bShowsItself) {
            ShowPainted();
        }
        m_bShowsItself = false;
        break;
    case Start::kUncover:
        // A timer's step comes once every paint is done.
        m_openCover.reset();
        m_eStart = Start::kDone;
        break;
    case Start::kDone:
        break;
    }
}

// Shown, the dialog is seen once it has painted under its cover: the
// timer's step takes the cover away.
void CSettingsDialog::FinishStart()
{
    while (m_eStart != Start::kDone && m_eStart != Start::kUncover)
        StartStep();
}

// Shown as the system shows a window, its frame and ground at once and its
// controls as the loop paints them, the dialog showed black, then in parts,
// for 30-120 ms: Wine puts what a window drew on the screen whenever the
// program waits, and at every paint once it has not waited for 50 ms. Shown
// right after such a wait and painted whole in the same step (15-30 ms
// each), it first shows whole.
void CSettingsDialog::ShowPainted()
{
    LetScreenCatchUp();
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    // Activated while hidden, it drew its caption as inactive when shown.
    if (::GetActiveWindow() == m_hWnd)
        SendMessage(WM_NCACTIVATE, TRUE);
    RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASENOW | RDW_FRAME | RDW_INVALIDATE);
}

// Painted whole in one step, a dialog of many controls held the window
// 100-200 ms. The picture of the screen is taken while the dialog is
// hidden; the dialog is shown without a paint, with that picture drawn on
// it, and put on the screen so (Wine maps a window as it first puts it
// there, above any other); the picture's own window then goes over it, and
// the dialog paints in the loop's own steps beneath.
void CSettingsDialog::ShowUnderCover()
{
    CRect rc;
    GetWindowRect(&rc);
    m_openCover.emplace(m_hWnd, rc, false);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_SHOWWINDOW);
    m_openCover->DrawOnOwner();
    LetScreenCatchUp();
    m_openCover->Show();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    // Activated while hidden, it drew its caption as inactive when shown.
    if (::GetActiveWindow() == m_hWnd)
        SendMessage(WM_NCACTIVATE, TRUE);
}

// ---- looking pages up ----------------------------------------------------------

const SettingsPageRecord* CSettingsDialog::RecordOf(CWnd* pPage) const
{
    for (const auto& p : m_Records)
        if (p->pPage == pPage)
            return p.get();
    return nullptr;
}

SettingsPageRecord* CSettingsDialog::FindRecord(LPCSTR pszCaption) const
{
    for (const auto& p : m_Records)
        if (p->strCaption.CompareNoCase(pszCaption ? pszCaption : "") == 0)
            return p.get();
    return nullptr;
}

SettingsPageRecord* CSettingsDialog::FindRecordByWindow(HWND hWnd) const
{
    for (const auto& p : m_Records)
        if (p->pPage && p->pPage->m_hWnd == hWnd)
            return p.get();
    return nullptr;
}

SettingsPageRecord* CSettingsDialog::RecordOfItem(HTREEITEM hItem) const
{
    return hItem ? (SettingsPageRecord*)m_PageTree.GetItemData(hItem) : nullptr;
}

// The selected page once it shows: none while it is still made.
SettingsPageRecord* CSettingsDialog::GetCurrentRecord()
{
    if (!m_PageTree.m_hWnd)
        return nullptr;
    SettingsPageRecord* pRecord = RecordOfItem(m_PageTree.GetSelectedItem());
    return pRecord && pRecord->HasWindow() && pRecord != m_pShowWhenMade ? pRecord : nullptr;
}

int CSettingsDialog::GetPageIndex(CWnd* pPage) const
{
    for (size_t i = 0; i < m_PropPages.size(); ++i)
        if (m_PropPages[i]->pPage == pPage)
            return (int)i;
    return -1;
}

CWnd* CSettingsDialog::GetPage(int nIndex) const
{
    return nIndex >= 0 && nIndex < (int)m_PropPages.size() ? m_PropPages[nIndex]->pPage : nullptr;
}

int CSettingsDialog::GetActiveIndex()
{
    SettingsPageRecord* pRecord = GetCurrentRecord();
    return pRecord ? GetPageIndex(pRecord->pPage) : -1;
}

CWnd* CSettingsDialog::GetActivePage()
{
    SettingsPageRecord* pRecord = GetCurrentRecord();
    return pRecord && (pRecord->wFlags & SettingsPageRecord::kPropertyPage) ? pRecord->pPage : nullptr;
}

BOOL CSettingsDialog::SetActivePage(CWnd* pPage)
{
    return SetActivePage(GetPageIndex(pPage));
}

BOOL CSettingsDialog::SetActivePage(int nIndex)
{
    if (nIndex < 0 || nIndex >= (int)m_PropPages.size() || !m_PageTree.m_hWnd)
        return FALSE;
    HTREEITEM hItem = FindTreeItem(m_PropPages[nIndex]->strCaption);
    return hItem ? SelectItemAtOnce(hItem) : FALSE;
}

// The tree tells of a change of selection only: a page already selected
// while it is made in steps is made and shown here.
BOOL CSettingsDialog::SelectItemAtOnce(HTREEITEM hItem)
{
    const bool bSelectedBefore = m_PageTree.GetSelectedItem() == hItem;
    bool bWas = m_bSelectingAtOnce;
    m_bSelectingAtOnce = true;
    BOOL bSelected = m_PageTree.SelectItem(hItem);
    m_bSelectingAtOnce = bWas;
    SettingsPageRecord* pRecord = RecordOfItem(hItem);
    if (bSelected && bSelectedBefore && pRecord && pRecord == m_pShowWhenMade) {
        m_pShowWhenMade = nullptr;
        MakePage(pRecord);
        ShowSelectedPage(pRecord);
    }
    return bSelected;
}

CHelpButtonPropertyPage* CSettingsDialog::GetActiveHelpPage()
{
    SettingsPageRecord* pRecord = GetCurrentRecord();
    return pRecord ? dynamic_cast<CHelpButtonPropertyPage*>(pRecord->pPage) : nullptr;
}

// ---- the tree ------------------------------------------------------------------

HTREEITEM CSettingsDialog::GetNextTreeItem(HTREEITEM hItem)
{
    if (HTREEITEM hChild = m_PageTree.GetChildItem(hItem))
        return hChild;
    for (HTREEITEM h = hItem; h; h = m_PageTree.GetParentItem(h))
        if (HTREEITEM hNext = m_PageTree.GetNextSiblingItem(h))
            return hNext;
    return nullptr;
}

HTREEITEM CSettingsDialog::FindTreeItem(LPCSTR pszCaption)
{
    for (HTREEITEM h = m_PageTree.GetRootItem(); h; h = GetNextTreeItem(h))
        if (m_PageTree.GetItemText(h).CompareNoCase(pszCaption ? pszCaption : "") == 0)
            return h;
    return nullptr;
}

void CSettingsDialog::BuildTree()
{
    for (const auto& p : m_Records) {
        HTREEITEM hParent = p->strParentCaption.IsEmpty() ? nullptr : FindTreeItem(p->strParentCaption);
        HTREEITEM hItem = m_PageTree.InsertItem(p->strCaption, hParent ? hParent : TVI_ROOT, TVI_LAST);
        m_PageTree.SetItemData(hItem, (DWORD_PTR)p.get());
    }
    if (m_PageTree.GetCount() > 0)
        ExpandAll();
}

void CSettingsDialog::ExpandAll()
{
    for (HTREEITEM h = m_PageTree.GetRootItem(); h; h = m_PageTree.GetNextSiblingItem(h))
        ExpandBranch(h);
}

void CSettingsDialog::ExpandBranch(HTREEITEM hItem)
{
    HTREEITEM hChild = m_PageTree.GetChildItem(hItem);
    if (!hChild)
        return;
    m_PageTree.Expand(hItem, TVE_EXPAND);
    for (; hChild; hChild = m_PageTree.GetNextSiblingItem(hChild))
        ExpandBranch(hChild);
}

// ---- start ---------------------------------------------------------------------

void CSettingsDialog::DoDataExchange(CDataExchange* pDX)
{
    cdxCDynamicHelpDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SETTINGS_TREE, m_PageTree);
    DDX_Control(pDX, IDC_SETTINGS_FRAME, m_PageFrame);
    DDX_Control(pDX, IDC_SETTINGS_CAPTION, m_CaptionBar);
    DDX_Control(pDX, IDOK, m_OkButton);
    DDX_Control(pDX, IDCANCEL, m_CancelButton);
    DDX_Control(pDX, ID_APPLY_NOW, m_ApplyButton);
    DDX_Control(pDX, IDHELP, m_HelpButton);
}

BOOL CSettingsDialog::OnInitDialog()
{
    // The dialog id is the sender id of the page notifications. It is not
    // made the window's id: a popup's id is its menu handle.
    // No position under the shared template id: it is restored below under
    // this dialog's own id.
    m_strPositionName.Empty();
    cdxCDynamicHelpDialog::OnInitDialog();
    m_eStart = Start::kTree;
    m_nMeasured = 0;
    SetIdName(m_nDialogId);
    SetCaptionText(m_strTitle);
    ResetModified();
    UpdateApplyButton();
    // The rest in steps (on the timer that then makes the other pages), or
    // at once: its tree, its least size, its place and layout, its first
    // page. Hidden, it takes no focus yet: that would activate it, costly
    // in this message; the first step, posted, comes before the input
    // already queued and activates it.
    if (m_bOpenInSteps && IsModal() && RunStepsTimer()) {
        m_bShowsItself = true;
        m_eStart = Start::kActivate;
        PostMessage(StartStepMessage());
        return FALSE;
    }
    // A modal dialog made at once is activated hidden, then shown as one
    // made in steps.
    if (IsModal()) {
        m_bShowsItself = true;
        m_eStart = Start::kActivate;
    }
    FinishStart();
    if (PagesWaiting())
        RunStepsTimer();
    return TRUE;
}

// The first page's item is selected with the tree, its page made and shown
// at the start's end: a tree with no item selected selects one of its own
// as it is laid out or gets the focus.
void CSettingsDialog::FillTree()
{
    BuildTree();
    m_PropPages.clear();
    for (HTREEITEM h = m_PageTree.GetRootItem(); h; h = GetNextTreeItem(h)) {
        SettingsPageRecord* pRecord = RecordOfItem(h);
        if (pRecord && (pRecord->wFlags & SettingsPageRecord::kPropertyPage))
            m_PropPages.push_back(pRecord);
    }
    if (m_nStartPage < 0 || m_nStartPage >= (int)m_PropPages.size())
        m_nStartPage = 0;
    if (!m_PropPages.empty())
        if (HTREEITEM hItem = FindTreeItem(m_PropPages[(size_t)m_nStartPage]->strCaption))
            m_PageTree.SelectItem(hItem);
}

void CSettingsDialog::SetTitle(LPCSTR pszText, UINT nStyle)
{
    m_strTitle = pszText ? pszText : "";
    if (nStyle & PSH_PROPTITLE)
        m_strTitle += " Properties";
    if (m_hWnd)
        SetCaptionText(m_strTitle);
}

void CSettingsDialog::ResetModified()
{
    for (SettingsPageRecord* p : m_PropPages)
        p->wFlags &= (WORD)~SettingsPageRecord::kModified;
    if (m_ApplyButton.m_hWnd)
        EnableButton(&m_ApplyButton, FALSE);
}

CString CSettingsDialog::GetCaptionText() const
{
    CString str;
    if (m_CaptionBar.m_hWnd)
        m_CaptionBar.GetWindowText(str);
    return str;
}

void CSettingsDialog::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    cdxCDynamicHelpDialog::RegisterStandardHelpStrings();
    SetHelpString(WindowHelpKey(IDD), IDS_HELP_SETTINGS);
    SetHelpString(MakeHelpKey(IDD, IDC_SETTINGS_TREE), IDS_HELP_SETTINGS_TREE);
    SetHelpString(MakeHelpKey(IDD, IDC_SETTINGS_CAPTION), IDS_HELP_SETTINGS_CAPTION);
    SetHelpString(MakeHelpKey(IDD, IDC_SETTINGS_FRAME), IDS_HELP_SETTINGS_FRAME);
}
