// PreferencesPages.h: the preferences dialog's own pages: Directories (page
// 0), File Extensions (1), Logging (2) and the three option pages Misc,
// Misc2 and Misc3 (13 to 15). Their parts:
//   PrefDirsPage.cpp   the folders with their histories and checks
//   PrefExtsPage.cpp   the file-dialog filters
//   PrefLogsPage.cpp   when and how the console log is named
//   PrefMiscPages.cpp  the three option pages
// The working fields are public: the view fills them before the dialog
// opens and reads them when a page is applied or the dialog ends with OK.
#pragma once

#include "platform/CSpinButtonCtrl.h"
#include "platform/CWLComboBoxEx.h"
#include "preferences/PrefsPage.h"
#include "resources/resource.h"
#include "session/ViewSettings.h"

class CPrefDirsPropPage : public CPrefsPage {
    DECLARE_DYNCREATE(CPrefDirsPropPage)
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_PREF_DIRS };
    CPrefDirsPropPage();

    // Per folder kind (EDirList order): the history, most recent first (its
    // head is the folder in force), the folder shown and its applied copy.
    CStringArray m_History[kDirListCount];
    CString m_strDir[kDirListCount];
    CString m_strAppliedDir[kDirListCount];

    bool IsChanged() const override;
    void TakeWorkingAsApplied() override;
    // Trims the eight folders and checks them in order; a failure shows its
    // balloon on the folder's combo box, which takes the focus.
    bool ValidateDirectories(CDataExchange* pDX);
    // Puts each folder shown at the head of its history.
    void UpdateHistoryLists();
    CWLComboBoxEx2& Combo(int nKind) { return m_Combo[nKind]; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitPage() override;
    void OnDirEditChange(UINT nId);
    void OnDirSelEndOk(UINT nId);
    void OnBrowse(UINT nId);
    LRESULT OnHistoryMessage(UINT nMsg, WPARAM wp, LPARAM lp);
    // The folder picker for one kind; its folder goes to the head of the
    // history even when the picker is cancelled.
    void BrowseDirectory(int nKind);
    void OnHistoryItemDeleted(int nKind, int nIndex);
    // Fills the combo box from the history, showing the first entry; returns
    // the text shown.
    CString FillCombo(int nKind);

    CWLComboBoxEx2 m_Combo[kDirListCount];
};

class CPrefExtsPropPage : public CPrefsPage {
    DECLARE_DYNCREATE(CPrefExtsPropPage)
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_PREF_EXTS };
    CPrefExtsPropPage();

    // The file-dialog filter of each kind (EFileFilter order), as typed.
    CString m_strFilter[kFilterCount];
    CString m_strAppliedFilter[kFilterCount];

    bool IsChanged() const override;
    void TakeWorkingAsApplied() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnFilterChange(UINT nId);
    CString m_strInstructions;
};

class CPrefLogsPropPage : public CPrefsPage {
    DECLARE_DYNCREATE(CPrefLogsPropPage)
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_PREF_LOGS };
    CPrefLogsPropPage();

    int m_nLogOption = 2;     // 0 ask at start-up, 1 ask at shutdown, 2 automatic
    UINT m_nMaxFiles = 10;    // the highest file number plus one
    CString m_strBaseName;    // the numbered files' base name
    int m_nAppliedLogOption = 2;
    UINT m_nAppliedMaxFiles = 10;
    CString m_strAppliedBaseName;

    bool IsChanged() const override;
    void TakeWorkingAsApplied() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitPage() override;
    void OnOption(UINT nId);
    void OnBaseNameChange();
    void OnMaxFilesChange();
    void EnableAutomatic();

    CSpinButtonCtrl m_Spin;
    CString m_strInstructions;
};

class CPrefMiscPropPage : public CPrefsPage {
    DECLARE_DYNCREATE(CPrefMiscPropPage)
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_PREF_MISC };
    CPrefMiscPropPage();

    int m_nPowerOff = 0;  // 0 power off only, 1 and exit, 2 and ask
    bool m_bAggregateStats = true;
    bool m_bIgnoreParseErrors = true;
    int m_nAppliedPowerOff = 0;
    bool m_bAppliedAggregateStats = true;
    bool m_bAppliedIgnoreParseErrors = true;

    bool IsChanged() const override;
    void TakeWorkingAsApplied() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitPage() override;
    void OnPowerOff(UINT nId);
    void OnIgnoreParse();
    void OnAggregate();
};

class CPrefMisc2PropPage : public CPrefsPage {
    DECLARE_DYNCREATE(CPrefMisc2PropPage)
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_PREF_MISC2 };
    CPrefMisc2PropPage();

    CString m_strExtraArgs = "EXTERNALGUI";  // as typed, not trimmed
    bool m_bNoWarnExternalEdit = false;
    bool m_bNoWarnPowerOff = false;
    bool m_bBeepWhenUtilityIsDone = false;
    bool m_bAutoHide = false;  // "Settings\FindRep" "AutoHide"
    CString m_strAppliedExtraArgs;
    bool m_bAppliedNoWarnExternalEdit = false;
    bool m_bAppliedNoWarnPowerOff = false;
    bool m_bAppliedBeepWhenUtilityIsDone = false;
    bool m_bAppliedAutoHide = false;

    bool IsChanged() const override;
    void TakeWorkingAsApplied() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnExtraArgsChange();
    void OnCheck(UINT nId);
};

class CPrefMisc3PropPage : public CPrefsPage {
    DECLARE_DYNCREATE(CPrefMisc3PropPage)
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_PREF_MISC3 };
    CPrefMisc3PropPage();

    CString m_strEditor;  // the preferred editor's command line, trimmed
    bool m_bPresumeTXF = false;
    bool m_bEnableSessDescDlg = false;
    CString m_strAppliedEditor;
    bool m_bAppliedPresumeTXF = false;
    bool m_bAppliedEnableSessDescDlg = false;

    bool IsChanged() const override;
    void TakeWorkingAsApplied() override;
    // Checks the editor's command line (ValidateEditorCommand); a failure
    // shows its balloon on the edit.
    bool ValidateEditorCommand(CDataExchange* pDX);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnEditorChange();
    void OnCheck(UINT nId);
    void OnBrowseEditor();
    CString m_strInstructions;
};

// The editor command line check: an empty command is accepted; otherwise
// it must split into words by the Windows rules (StdMSWinCommandLineParse)
// with a program word, whose "%name%" references are expanded, naming an
// existing file. Only the program word is looked at. False with the message.
bool ValidateEditorCommand(const CString& strCommand, CString& strMsg);
