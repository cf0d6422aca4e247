// MyFindRepDlg.cpp: CMyFindRepDlg's creation and start, its buttons and
// combo boxes, the messages from its owner and the deleted history entries.
#include "framework/MyFindRepDlg.h"

#include "framework/HelpKeys.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"

BEGIN_MESSAGE_MAP(CMyFindRepDlg, cdxCDynamicHelpDialog)
    ON_BN_CLICKED(IDC_FINDREP_FIND_NEXT, OnFindNext)
    ON_BN_CLICKED(IDC_FINDREP_REPLACE_BTN, OnReplace)
    ON_BN_CLICKED(IDC_FINDREP_REPLACE_ALL, OnReplaceAll)
    ON_BN_CLICKED(IDC_FINDREP_CANCEL, OnCancelButton)
    ON_WM_CLOSE()
    ON_CBN_EDITCHANGE(IDC_FINDREP_FIND, OnFindEditChange)
    ON_CBN_SELENDOK(IDC_FINDREP_FIND, OnFindSelEndOk)
    ON_CBN_EDITCHANGE(IDC_FINDREP_REPLACE, OnReplaceEditChange)
    ON_CBN_SELENDOK(IDC_FINDREP_REPLACE, OnReplaceSelEndOk)
    ON_BN_CLICKED(IDC_FINDREP_WHOLEWORD, OnMatchWord)
    ON_BN_CLICKED(IDC_FINDREP_MATCHCASE, OnMatchCase)
    ON_BN_CLICKED(IDC_FINDREP_REGEX, OnRegEx)
    ON_BN_CLICKED(IDC_FINDREP_HEX, OnHexSearch)
    ON_BN_CLICKED(IDC_FINDREP_SELONLY, OnSelectionOnly)
    ON_BN_CLICKED(IDC_FINDREP_WRAP, OnWrapAround)
    ON_MESSAGE(WM_HISTORY_ITEM_DELETED, OnHistoryItemDeleted)
    ON_MESSAGE(WM_FINDREP_NOTIFY, OnFindRepNotify)
    ON_MESSAGE(WM_FINDREP_REFRESH, OnFindRepRefresh)
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

// Nothing stretches vertically: the combo boxes widen, the buttons ride the
// right edge, the two groups share the growth and their boxes keep their
// places in them.
BEGIN_DYNAMIC_MAP(CMyFindRepDlg, cdxCDynamicHelpDialog)
    DYNAMIC_MAP_ENTRY(IDC_FINDREP_FIND, mdResize, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_FINDREP_REPLACE, mdResize, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_FINDREP_FIND_NEXT, mdRepos, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_FINDREP_REPLACE_BTN, mdRepos, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_FINDREP_REPLACE_ALL, mdRepos, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_FINDREP_CANCEL, mdRepos, mdNone)
    DYNAMIC_MAP_ENTRY_EX(IDC_FINDREP_HOW, 0, 0, 50, 0)
    DYNAMIC_MAP_ENTRY_EX(IDC_FINDREP_WHOLEWORD, 17, 0, 17, 0)
    DYNAMIC_MAP_ENTRY_EX(IDC_FINDREP_MATCHCASE, 17, 0, 17, 0)
    DYNAMIC_MAP_ENTRY_EX(IDC_FINDREP_WRAP, 17, 0, 17, 0)
    DYNAMIC_MAP_ENTRY_EX(IDC_FINDREP_HEX, 33, 0, 33, 0)
    DYNAMIC_MAP_ENTRY_EX(IDC_FINDREP_REGEX, 33, 0, 33, 0)
    DYNAMIC_MAP_ENTRY_EX(IDC_FINDREP_SELONLY, 33, 0, 33, 0)
    DYNAMIC_MAP_ENTRY_EX(IDC_FINDREP_DIRECTION, 50, 0, 100, 0)
    DYNAMIC_MAP_ENTRY_EX(IDC_FINDREP_UP, 75, 0, 75, 0)
    DYNAMIC_MAP_ENTRY_EX(IDC_FINDREP_DOWN, 75, 0, 75, 0)
END_DYNAMIC_MAP()

namespace {

// The HTML Help topics of the dialog and some of its controls.
const struct {
    UINT nCtrl;
    UINT nHelpId;
} kHelpIds[] = {
    {0, 1050}, {IDC_FINDREP_FIND, 1052}, {IDC_FINDREP_HEX, 1095}, {IDC_FINDREP_MATCHCASE, 1054},
    {IDC_FINDREP_WHOLEWORD, 1055}, {IDC_FINDREP_CANCEL, 1062},
};

// The controls with balloon texts, in the order of strings 8050-8066.
const UINT kBalloonCtrls[] = {
    0, IDC_FINDREP_FIND, IDC_FINDREP_REPLACE, IDC_FINDREP_FIND_NEXT, IDC_FINDREP_REPLACE_BTN,
    IDC_FINDREP_REPLACE_ALL, IDC_FINDREP_CANCEL, IDC_FINDREP_HOW, IDC_FINDREP_WHOLEWORD, IDC_FINDREP_MATCHCASE,
    IDC_FINDREP_WRAP, IDC_FINDREP_HEX, IDC_FINDREP_REGEX, IDC_FINDREP_SELONLY, IDC_FINDREP_DIRECTION,
    IDC_FINDREP_UP, IDC_FINDREP_DOWN,
};

}  // namespace

CMyFindRepDlg::CMyFindRepDlg(CWnd* pOwner, bool bFindOnly, LPCSTR pszSection)
    : cdxCDynamicHelpDialog(IDD, flSizeIcon, pOwner),
      m_strCaption(bFindOnly ? "Find" : "Find / Replace"),
      m_strSection(pszSection ? pszSection : kFindRepSection),
      m_bFindOnly(bFindOnly),
      m_hOwner(HwndOf(pOwner))
{
    LoadSettings();
}

BOOL CMyFindRepDlg::Create()
{
    return CDialog::Create(IDD, m_pParentWnd);
}

INT_PTR CMyFindRepDlg::DoModal()
{
    return cdxCDynamicHelpDialog::DoModal();
}

// The balloon texts join the standard table, which the balloon lookup
// registers; the help topics are registered on their first lookup.
void CMyFindRepDlg::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    cdxCDynamicHelpDialog::RegisterStandardHelpStrings();
    for (size_t i = 0; i < sizeof(kBalloonCtrls) / sizeof(kBalloonCtrls[0]); ++i)
        SetHelpString(MakeHelpKey(IDD, kBalloonCtrls[i]), IDS_HELP_FINDREP + (UINT)i);
}

void CMyFindRepDlg::RegisterHelpStrings()
{
    cdxCDynamicHelpDialog::RegisterHelpStrings();
    for (const auto& h : kHelpIds)
        SetHelpId(MakeHelpKey(IDD, h.nCtrl), h.nHelpId);
}

void CMyFindRepDlg::PostNcDestroy()
{
    // A modeless dialog belongs to itself; a modal one to its caller's stack.
    if (!m_bModal)
        delete this;
}

// ---- start -----------------------------------------------------------------------

void CMyFindRepDlg::FillCombo(CWLComboBoxEx2& combo, const std::vector<CString>& history, CString& strText)
{
    combo.ResetContent();
    for (const CString& str : history)
        combo.AddString(str);
    if (!strText.IsEmpty()) {
        combo.SetWindowText(strText);
    } else if (!history.empty()) {
        strText = history.front();
        combo.SetCurSel(0);
    }
}

BOOL CMyFindRepDlg::OnInitDialog()
{
    HICON hIcon = (HICON)::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                      ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    if (hIcon)
        SetIcon(hIcon, FALSE);
    if (m_bFindOnly)
        CloseReplaceRow();
    cdxCDynamicHelpDialog::OnInitDialog();
    m_bHeightFixed = true;
    m_FindCombo.SetItemDeletedMessage(WM_HISTORY_ITEM_DELETED);
    m_ReplaceCombo.SetItemDeletedMessage(WM_HISTORY_ITEM_DELETED);
    SetCaptionText(m_strCaption);
    if (m_bFindOnly) {
        const int ids[] = {IDC_FINDREP_REPLACE_LABEL, IDC_FINDREP_REPLACE, IDC_FINDREP_REPLACE_BTN,
                           IDC_FINDREP_REPLACE_ALL};
        for (int nId : ids)
            ShowItem(nId, false);
    }
    HideMaskedOptions();
    FillCombo(m_FindCombo, m_settings.findHistory, m_strFindText);
    if (!m_bFindOnly)
        FillCombo(m_ReplaceCombo, m_settings.replaceHistory, m_strReplaceText);
    OnFindTextChanged();
    return TRUE;
}

// Find only: the rows below the replace row and Cancel move up into the
// room of the hidden replace controls, and the dialog loses that height.
// Done before the layout starts, so that it takes these as the positions.
void CMyFindRepDlg::CloseReplaceRow()
{
    auto rectOf = [this](int nId) {
        CRect rc;
        ::GetWindowRect(::GetDlgItem(m_hWnd, nId), &rc);
        ScreenToClient(&rc);
        return rc;
    };
    int dy = rectOf(IDC_FINDREP_REPLACE).top - rectOf(IDC_FINDREP_FIND).top;
    const int below[] = {IDC_FINDREP_HOW, IDC_FINDREP_WHOLEWORD, IDC_FINDREP_MATCHCASE, IDC_FINDREP_WRAP,
                         IDC_FINDREP_HEX, IDC_FINDREP_REGEX, IDC_FINDREP_SELONLY, IDC_FINDREP_DIRECTION,
                         IDC_FINDREP_UP, IDC_FINDREP_DOWN};
    for (int nId : below) {
        CRect rc = rectOf(nId);
        ::SetWindowPos(::GetDlgItem(m_hWnd, nId), nullptr, rc.left, rc.top - dy, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CRect rcCancel = rectOf(IDC_FINDREP_REPLACE_BTN);
    ::SetWindowPos(::GetDlgItem(m_hWnd, IDC_FINDREP_CANCEL), nullptr, rcCancel.left, rcCancel.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rc;
    GetWindowRect(&rc);
    SetWindowPos(nullptr, 0, 0, rc.Width(), rc.Height() - dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- commands ----------------------------------------------------------------------

void CMyFindRepDlg::OnFindNext()
{
    EnableControls(false);
    NotifyOwner(kFindRepFindNext);
}

void CMyFindRepDlg::OnReplace()
{
    EnableControls(false);
    NotifyOwner(kFindRepReplace);
}

void CMyFindRepDlg::OnReplaceAll()
{
    EnableControls(false);
    NotifyOwner(kFindRepReplaceAll);
}

void CMyFindRepDlg::OnCancelButton()
{
    EnableControls(true);
    NotifyOwner(kFindRepClosing);
}

// Enter: a modal dialog ends with IDOK once the fields check; a modeless one finds.
void CMyFindRepDlg::OnOK()
{
    if (m_bModal)
        cdxCDynamicHelpDialog::OnOK();
    else
        OnFindNext();
}

void CMyFindRepDlg::OnCancel()
{
    if (m_bModal)
        EndDialog(IDCANCEL);
    else
        OnCancelButton();
}

// Windows posts IDCANCEL on WM_CLOSE for a modal dialog; a modeless one cancels.
void CMyFindRepDlg::OnClose()
{
    if (m_bModal)
        Default();
    else
        OnCancelButton();
}

void CMyFindRepDlg::NotifyOwner(WPARAM nCode)
{
    if (nCode != kFindRepClosing && !UpdateData(TRUE)) {
        // The balloon points at a field the user must be able to correct.
        EnableControls(true);
        return;
    }
    if (!m_hOwner)
        return;
    m_nNotifying++;
    ::SendMessageA(m_hOwner, WM_FINDREP_NOTIFY, nCode, (LPARAM)this);
    m_nNotifying--;
}

// ---- combo boxes ---------------------------------------------------------------------

void CMyFindRepDlg::OnFindEditChange()
{
    m_FindCombo.GetWindowText(m_strFindText);
    OnFindTextChanged();
}

void CMyFindRepDlg::OnFindSelEndOk()
{
    int n = m_FindCombo.GetCurSel();
    if (n >= 0)
        m_FindCombo.GetLBText(n, m_strFindText);
    OnFindTextChanged();
}

void CMyFindRepDlg::OnReplaceEditChange()
{
    m_ReplaceCombo.GetWindowText(m_strReplaceText);
    OnReplaceTextChanged();
}

void CMyFindRepDlg::OnReplaceSelEndOk()
{
    int n = m_ReplaceCombo.GetCurSel();
    if (n >= 0)
        m_ReplaceCombo.GetLBText(n, m_strReplaceText);
    OnReplaceTextChanged();
}

// The history combo box has removed entry wParam already: the entry now at
// that place (or the one before, at the end) becomes the text, and the
// history is stored without the deleted entry.
LRESULT CMyFindRepDlg::OnHistoryItemDeleted(WPARAM wp, LPARAM lp)
{
    HWND hCombo = (HWND)lp;
    bool bReplace = hCombo == m_ReplaceCombo.m_hWnd;
    if (!hCombo || (!bReplace && hCombo != m_FindCombo.m_hWnd))
        return 0;
    CWLComboBoxEx2& combo = bReplace ? m_ReplaceCombo : m_FindCombo;
    int n = (int)wp;
    if (n >= combo.GetCount())
        n = combo.GetCount() - 1;
    CString strText;
    if (n >= 0) {
        combo.SetCurSel(n);
        combo.GetLBText(n, strText);
    } else {
        combo.SetWindowText("");
    }
    strText.Trim();
    SaveMRU(bReplace, strText, combo);
    if (bReplace) {
        m_strReplaceText = strText;
        OnReplaceTextChanged();
    } else {
        m_strFindText = strText;
        OnFindTextChanged();
    }
    return 1;
}

// ---- the owner's messages --------------------------------------------------------------

LRESULT CMyFindRepDlg::OnFindRepNotify(WPARAM wp, LPARAM)
{
    switch (wp) {
    case kFindRepDestroy:
        if (m_bModal)
            break;
        // Asked to go while telling the owner something: the window goes once
        // that handler has returned, never under it.
        if (m_nNotifying > 0)
            PostMessage(WM_FINDREP_NOTIFY, kFindRepDestroy);
        else
            DestroyWindow();
        break;
    case kFindRepEnable:
    case kFindRepSearchDone:
        EnableControls(true);
        break;
    case kFindRepDisable:
        EnableControls(false);
        break;
    default:
        break;
    }
    return 1;
}

LRESULT CMyFindRepDlg::OnFindRepRefresh(WPARAM wp, LPARAM)
{
    m_bSelectionOnly = wp != 0;
    ShowItem(IDC_FINDREP_SELONLY, wp != 0);
    CheckItem(IDC_FINDREP_SELONLY, wp != 0);
    UpdateControls();
    if (CWnd* pHow = GetDlgItem(IDC_FINDREP_HOW)) {
        CRect rc;
        pHow->GetWindowRect(&rc);
        ScreenToClient(&rc);
        InvalidateRect(&rc);
    }
    return 1;
}

// Only the width changes: the height stays that of the template.
void CMyFindRepDlg::OnWindowPosChanging(WINDOWPOS* pPos)
{
    if (!(pPos->flags & SWP_NOSIZE) && m_bHeightFixed) {
        CRect rc;
        GetWindowRect(&rc);
        pPos->cy = rc.Height();
    }
    cdxCDynamicHelpDialog::OnWindowPosChanging(pPos);
}
