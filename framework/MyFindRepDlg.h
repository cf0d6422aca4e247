// MyFindRepDlg.h: CMyFindRepDlg, the find and find/replace dialog that
// other windows open to search their data (the console view in find-only
// mode, the storage bar with replace and hexadecimal search). It does no
// searching itself: it collects the texts and options, checks them, keeps
// them and two histories in the settings store, and tells its owner with
// WM_FINDREP_NOTIFY which action the user chose (FindRepMessages.h). The
// owner searches and tells the dialog when to lock and unlock its controls
// and when to close. Usually modeless (it then deletes itself after its
// window is gone); DoModal runs it modally.
//
// Its parts:
//   MyFindRepDlg.cpp         creation, start, commands, owner messages, histories
//   MyFindRepDlgControls.cpp which controls are shown, enabled and checked;
//                            the checks and the stored settings
#pragma once

#include "framework/FindRepMessages.h"
#include "framework/FindRepSettings.h"
#include "framework/cdxCDynamicDlg.h"
#include "platform/CWLComboBoxEx.h"
#include "resources/resource.h"

class CMyFindRepDlg : public cdxCDynamicHelpDialog {
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_FINDREP };

    // Bits of the hide mask, set by the owner before the window is made.
    enum : WORD {
        kNoAutoHide = 0x0001,       // AutoHide is off: the owner keeps the dialog open after a search
        kHideWrapAround = 0x0400,
        kHideSelectionOnly = 0x0800,
        kHideRegEx = 0x1000,
        kHideHexSearch = 0x2000,
        kHideMatchWord = 0x4000,
        kHideMatchCase = 0x8000,
        kHideAllOptions = 0xFC00,   // also hides the "How" group
    };

    // The owner gets the notifications; a null section means "Settings\FindRep".
    CMyFindRepDlg(CWnd* pOwner, bool bFindOnly, LPCSTR pszSection = nullptr);

    // Creates the modeless window (template 562, the owner as parent).
    BOOL Create();
    INT_PTR DoModal() override;

    // ---- what the owner sets before creating and reads after a notification ----
    CString m_strCaption;  // "Find" or "Find / Replace"
    CString m_strFindText, m_strReplaceText;
    BOOL m_bMatchWord = FALSE, m_bMatchCase = FALSE, m_bSelectionOnly = FALSE;
    BOOL m_bHexSearch = FALSE, m_bRegEx = FALSE, m_bWrapAround = FALSE;
    int m_nDirection = 1;   // 0 up, 1 down
    WORD m_wHideMask = 0;
    WORD m_wFindClass = 0, m_wReplaceClass = 0;  // ParseNumberHexOrDec of the texts
    bool m_bFindValidHex = false;
    CString m_strSection;
    const bool m_bFindOnly;
    const std::vector<CString>& FindHistory() const { return m_settings.findHistory; }
    const std::vector<CString>& ReplaceHistory() const { return m_settings.replaceHistory; }
    int MaxHistory() const { return m_settings.nMaxHistory; }

    CWLComboBoxEx2 m_FindCombo, m_ReplaceCombo;

protected:
    virtual void OnFindTextChanged();
    virtual void OnReplaceTextChanged();
    virtual void UpdateControls();
    virtual void EnableControls(bool bEnable);
    // The checks of both texts; a failure shows its balloon. True when they pass.
    virtual bool ValidateSearch(CDataExchange* pDX);
    // Saves and checks the fields (but for a close), then tells the owner.
    virtual void NotifyOwner(WPARAM nCode);
    virtual void SaveSettings();
    virtual void LoadSettings();
    // One history: the current text first, then the combo's items.
    virtual void SaveMRU(bool bReplace, const CString& strCurrent, CWLComboBoxEx2& combo);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;
    void PostNcDestroy() override;

    void OnFindNext();
    void OnReplace();
    void OnReplaceAll();
    void OnCancelButton();
    void OnClose();
    void OnFindEditChange();
    void OnFindSelEndOk();
    void OnReplaceEditChange();
    void OnReplaceSelEndOk();
    void OnMatchWord() { OnTextOption(IDC_FINDREP_WHOLEWORD, m_bMatchWord); }
    void OnMatchCase() { OnTextOption(IDC_FINDREP_MATCHCASE, m_bMatchCase); }
    void OnRegEx() { OnTextOption(IDC_FINDREP_REGEX, m_bRegEx); }
    void OnHexSearch();
    void OnSelectionOnly();
    void OnWrapAround();
    LRESULT OnHistoryItemDeleted(WPARAM wp, LPARAM lp);
    LRESULT OnFindRepNotify(WPARAM wp, LPARAM lp);
    LRESULT OnFindRepRefresh(WPARAM wp, LPARAM lp);
    void OnWindowPosChanging(WINDOWPOS* pPos);

private:
    void OnTextOption(int nId, BOOL& bFlag);
    bool IsHidden(WORD wBit) const { return (m_wHideMask & wBit) != 0; }
    bool IsHowShown() const { return (m_wHideMask & kHideAllOptions) != kHideAllOptions; }
    void ShowItem(int nId, bool bShow);
    void EnableItem(int nId, bool bEnable);
    void CheckItem(int nId, bool bCheck) { CheckDlgButton(nId, bCheck ? BST_CHECKED : BST_UNCHECKED); }
    void HideMaskedOptions();
    void CloseReplaceRow();
    void FillCombo(CWLComboBoxEx2& combo, const std::vector<CString>& history, CString& strText);

    std::vector<CString> ComboItems(const CWLComboBoxEx2& combo) const;

    HWND m_hOwner;  // not owned
    int m_nNotifying = 0;  // depth of notifications being sent to the owner
    bool m_bHeightFixed = false;  // set once started: only the width changes then
    FindRepSettings m_settings;
};
