// MyFindRepDlgControls.cpp: which of CMyFindRepDlg's controls are shown,
// enabled and checked as the texts and options change; the checks of the
// texts; the options and histories in the settings store.
#include "framework/MyFindRepDlg.h"

#include "config/ValueConversions.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"

namespace {

// The options that hide with a mask bit, and the check box of each.
struct MaskedOption {
    WORD wBit;
    int nId;
    BOOL CMyFindRepDlg::*pFlag;
};
const MaskedOption kMaskedOptions[] = {
    {CMyFindRepDlg::kHideWrapAround, IDC_FINDREP_WRAP, &CMyFindRepDlg::m_bWrapAround},
    {CMyFindRepDlg::kHideSelectionOnly, IDC_FINDREP_SELONLY, &CMyFindRepDlg::m_bSelectionOnly},
    {CMyFindRepDlg::kHideRegEx, IDC_FINDREP_REGEX, &CMyFindRepDlg::m_bRegEx},
    {CMyFindRepDlg::kHideHexSearch, IDC_FINDREP_HEX, &CMyFindRepDlg::m_bHexSearch},
    {CMyFindRepDlg::kHideMatchWord, IDC_FINDREP_WHOLEWORD, &CMyFindRepDlg::m_bMatchWord},
    {CMyFindRepDlg::kHideMatchCase, IDC_FINDREP_MATCHCASE, &CMyFindRepDlg::m_bMatchCase},
};

// The options that make no sense for a hex search.
const MaskedOption kTextOptions[] = {
    {CMyFindRepDlg::kHideMatchWord, IDC_FINDREP_WHOLEWORD, &CMyFindRepDlg::m_bMatchWord},
    {CMyFindRepDlg::kHideMatchCase, IDC_FINDREP_MATCHCASE, &CMyFindRepDlg::m_bMatchCase},
    {CMyFindRepDlg::kHideRegEx, IDC_FINDREP_REGEX, &CMyFindRepDlg::m_bRegEx},
};

const int kBalloonIcon = 2;

}  // namespace

void CMyFindRepDlg::ShowItem(int nId, bool bShow)
{
    if (HWND h = ::GetDlgItem(m_hWnd, nId))
        ::ShowWindow(h, bShow ? SW_SHOW : SW_HIDE);
}

void CMyFindRepDlg::EnableItem(int nId, bool bEnable)
{
    if (HWND h = ::GetDlgItem(m_hWnd, nId))
        EnableDlgControl(h, bEnable);
}

void CMyFindRepDlg::HideMaskedOptions()
{
    for (const MaskedOption& o : kMaskedOptions) {
        if (!IsHidden(o.wBit))
            continue;
        this->*o.pFlag = FALSE;
        CheckItem(o.nId, false);
        ShowItem(o.nId, false);
    }
    ShowItem(IDC_FINDREP_HOW, IsHowShown());
}

// ---- texts and options -------------------------------------------------------------

void CMyFindRepDlg::OnFindTextChanged()
{
    m_wFindClass = ParseNumberHexOrDec(m_strFindText);
    if (IsHidden(kHideHexSearch)) {
        m_bHexSearch = FALSE;
    } else {
        // A text of valid hex form turns hex search on; any other turns it off.
        m_bFindValidHex = IsValidHexLiteral(m_wFindClass);
        m_bHexSearch = m_bFindValidHex;
        EnableItem(IDC_FINDREP_HEX, m_bFindValidHex);
        CheckItem(IDC_FINDREP_HEX, m_bFindValidHex);
    }
    UpdateControls();
}

void CMyFindRepDlg::OnReplaceTextChanged()
{
    if (!IsHidden(kHideHexSearch))
        m_wReplaceClass = ParseNumberHexOrDec(m_strReplaceText);
    UpdateControls();
}

void CMyFindRepDlg::OnTextOption(int nId, BOOL& bFlag)
{
    bFlag = IsDlgButtonChecked(nId) && !m_bHexSearch;
    UpdateControls();
}

void CMyFindRepDlg::OnHexSearch()
{
    m_bHexSearch = IsDlgButtonChecked(IDC_FINDREP_HEX) && m_bFindValidHex;
    UpdateControls();
}

void CMyFindRepDlg::OnSelectionOnly()
{
    m_bSelectionOnly = IsDlgButtonChecked(IDC_FINDREP_SELONLY) != 0;
    UpdateControls();
}

void CMyFindRepDlg::OnWrapAround()
{
    m_bWrapAround = IsDlgButtonChecked(IDC_FINDREP_WRAP) != 0;
    UpdateControls();
}

void CMyFindRepDlg::UpdateControls()
{
    bool bHaveText = !m_strFindText.IsEmpty();
    EnableItem(IDC_FINDREP_FIND_NEXT, bHaveText);
    if (!m_bFindOnly) {
        bool bReplace = bHaveText && !m_strReplaceText.IsEmpty();
        EnableItem(IDC_FINDREP_REPLACE_BTN, bReplace);
        EnableItem(IDC_FINDREP_REPLACE_ALL, bReplace);
    }
    if (!bHaveText) {
        const WORD bits[] = {kHideMatchWord, kHideMatchCase, kHideHexSearch, kHideRegEx};
        const int ids[] = {IDC_FINDREP_WHOLEWORD, IDC_FINDREP_MATCHCASE, IDC_FINDREP_HEX, IDC_FINDREP_REGEX};
        for (int i = 0; i < 4; ++i)
            if (!IsHidden(bits[i]))
                EnableItem(ids[i], false);
        return;
    }
    for (const MaskedOption& o : kTextOptions) {
        if (IsHidden(o.wBit))
            continue;
        EnableItem(o.nId, !m_bHexSearch);
        CheckItem(o.nId, !m_bHexSearch && this->*o.pFlag);
    }
    ShowItem(IDC_FINDREP_HOW, IsHowShown());
}

// Cancel stays enabled, so that a search in progress can be cancelled.
// Unlocked, the options take again the state the texts give them.
void CMyFindRepDlg::EnableControls(bool bEnable)
{
    const int ids[] = {IDC_FINDREP_FIND, IDC_FINDREP_REPLACE, IDC_FINDREP_FIND_NEXT, IDC_FINDREP_REPLACE_BTN,
                       IDC_FINDREP_REPLACE_ALL};
    for (int nId : ids)
        EnableItem(nId, bEnable);
    EnableItem(IDC_FINDREP_CANCEL, true);
    if (IsHowShown()) {
        const int options[] = {IDC_FINDREP_WHOLEWORD, IDC_FINDREP_MATCHCASE, IDC_FINDREP_HEX, IDC_FINDREP_REGEX,
                               IDC_FINDREP_WRAP, IDC_FINDREP_HOW};
        for (int nId : options)
            EnableItem(nId, bEnable);
        if (::IsWindowVisible(::GetDlgItem(m_hWnd, IDC_FINDREP_SELONLY)))
            EnableItem(IDC_FINDREP_SELONLY, bEnable);
    }
    EnableItem(IDC_FINDREP_UP, bEnable);
    EnableItem(IDC_FINDREP_DOWN, bEnable);
    if (bEnable) {
        EnableItem(IDC_FINDREP_HEX, !IsHidden(kHideHexSearch) && m_bFindValidHex);
        UpdateControls();
    }
}

// ---- data exchange and checks ----------------------------------------------------------

void CMyFindRepDlg::DoDataExchange(CDataExchange* pDX)
{
    cdxCDynamicHelpDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FINDREP_FIND, m_FindCombo);
    DDX_Control(pDX, IDC_FINDREP_REPLACE, m_ReplaceCombo);
    DDX_Check(pDX, IDC_FINDREP_WHOLEWORD, m_bMatchWord);
    DDX_Check(pDX, IDC_FINDREP_MATCHCASE, m_bMatchCase);
    DDX_Check(pDX, IDC_FINDREP_SELONLY, m_bSelectionOnly);
    DDX_Check(pDX, IDC_FINDREP_HEX, m_bHexSearch);
    DDX_Check(pDX, IDC_FINDREP_REGEX, m_bRegEx);
    DDX_Check(pDX, IDC_FINDREP_WRAP, m_bWrapAround);
    DDX_Radio(pDX, IDC_FINDREP_UP, m_nDirection);
    if (!pDX->m_bSaveAndValidate || pDX->m_bFailed)
        return;
    if (!ValidateSearch(pDX)) {
        pDX->Fail();
        return;
    }
    SaveSettings();
}

bool CMyFindRepDlg::ValidateSearch(CDataExchange* pDX)
{
    m_FindCombo.GetWindowText(m_strFindText);
    if (!m_bFindOnly)
        m_ReplaceCombo.GetWindowText(m_strReplaceText);
    m_wFindClass = ParseNumberHexOrDec(m_strFindText);
    FindRepCheckFailure failure;
    bool bOk = CheckFindText(m_strFindText, m_bHexSearch != FALSE, failure);
    if (bOk && m_bHexSearch) {
        m_bMatchWord = m_bMatchCase = m_bRegEx = FALSE;
    }
    if (bOk && !m_bFindOnly) {
        m_wReplaceClass = ParseNumberHexOrDec(m_strReplaceText);
        bOk = CheckReplaceText(m_strReplaceText, failure);
    }
    if (bOk)
        return true;
    int nId = failure.bReplaceCombo ? IDC_FINDREP_REPLACE : IDC_FINDREP_FIND;
    pDX->PrepareCtrl(nId);
    ErrorBalloon(this, (UINT)nId, failure.strTitle, failure.strText, kBalloonIcon);
    return false;
}

// ---- stored settings -----------------------------------------------------------------------

std::vector<CString> CMyFindRepDlg::ComboItems(const CWLComboBoxEx2& combo) const
{
    std::vector<CString> items;
    if (!combo.m_hWnd)
        return items;
    for (int i = 0; i < combo.GetCount(); ++i) {
        CString str;
        combo.GetLBText(i, str);
        items.push_back(str);
    }
    return items;
}

void CMyFindRepDlg::LoadSettings()
{
    m_settings.bMatchWord = m_bMatchWord;
    m_settings.bMatchCase = m_bMatchCase;
    m_settings.bHexSearch = m_bHexSearch;
    m_settings.bRegEx = m_bRegEx;
    m_settings.bWrapAround = m_bWrapAround;
    m_settings.Load(m_strSection, m_bFindOnly, &m_strFindText, &m_strReplaceText);
    if (m_settings.bAutoHide)
        m_wHideMask &= (WORD)~kNoAutoHide;
    else
        m_wHideMask |= kNoAutoHide;
    m_bMatchWord = m_settings.bMatchWord;
    m_bMatchCase = m_settings.bMatchCase;
    m_bHexSearch = m_settings.bHexSearch;
    m_bRegEx = m_settings.bRegEx;
    m_bWrapAround = m_settings.bWrapAround;
}

// Both histories are stored with their current texts first; the combo boxes
// then list them so, so that the next search keeps this one in its history.
void CMyFindRepDlg::SaveSettings()
{
    m_settings.bAutoHide = !(m_wHideMask & kNoAutoHide);
    m_settings.bMatchWord = m_bMatchWord;
    m_settings.bMatchCase = m_bMatchCase;
    m_settings.bHexSearch = m_bHexSearch;
    m_settings.bRegEx = m_bRegEx;
    m_settings.bWrapAround = m_bWrapAround;
    m_settings.Save(m_strSection, m_bFindOnly, m_strFindText, ComboItems(m_FindCombo), m_strReplaceText,
                    ComboItems(m_ReplaceCombo));
    auto relist = [](CWLComboBoxEx2& combo, const std::vector<CString>& history, const CString& strText) {
        if (!combo.m_hWnd)
            return;
        combo.ResetContent();
        for (const CString& str : history)
            combo.AddString(str);
        combo.SetWindowText(strText);
    };
    relist(m_FindCombo, m_settings.findHistory, m_strFindText);
    if (!m_bFindOnly)
        relist(m_ReplaceCombo, m_settings.replaceHistory, m_strReplaceText);
}

void CMyFindRepDlg::SaveMRU(bool bReplace, const CString& strCurrent, CWLComboBoxEx2& combo)
{
    m_settings.SaveOneHistory(m_strSection, bReplace, strCurrent, ComboItems(combo));
}
