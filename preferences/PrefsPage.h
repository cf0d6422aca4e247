// PrefsPage.h: CPrefsPage, the base of the preferences dialog's pages. It
// holds the page protocol, written once: each page keeps working fields (the
// view fills them before the dialog opens and reads them when the page is
// applied) and a last-applied copy of them; every change sets the page's
// modified state to IsChanged(), which drives the dialog's Apply button; and
// OnApply checks the fields, hands the page to the view by sending
// WM_PREFS_APPLY_PAGE with the page index, and only when the view answers
// non-zero takes the working fields as applied. Also the help tables (balloon
// strings and help-context ids) and the row layout of every page, from
// tables the page gives.
#pragma once

#include "framework/cdxCDynamicHelpPropPage.h"

class CPreferencesDlg;

// One help-table row: a control of the page (0: the page itself) and its
// balloon string id or help-context id.
struct SPrefsHelpRow {
    UINT nCtrl;
    UINT nValue;
};
// One control in row nRow (from 1) of the page's grid of rows: it moves down
// by its share of the page's growth.
struct SPrefsLayoutRow {
    int nRow;
    UINT nCtrl;
};
// A group box that follows the page vertically between two percentages.
struct SPrefsGroupSpan {
    UINT nCtrl;
    BYTE nTop, nBottom;
};

struct SPrefsPageTables {
    const SPrefsHelpRow* pBalloons;
    size_t nBalloons;
    const SPrefsHelpRow* pHelpIds;
    size_t nHelpIds;
    int nGridRows;  // 0: no row layout
    const SPrefsLayoutRow* pRows;
    size_t nRows;
    const SPrefsGroupSpan* pSpans;
    size_t nSpans;
};

#define PREFS_TABLE(a) a, sizeof(a) / sizeof((a)[0])

// Shared control ids of the pages' templates.
const UINT kIdsPrefsInstructionsHelp = 17040;  // the balloon of every page's instructions

class CPrefsPage : public cdxCDynamicHelpPropPage {
public:
    CPrefsPage(UINT nIDTemplate, int nPageIndex, const SPrefsPageTables& tables);

    // True when any working field differs from its last-applied copy.
    virtual bool IsChanged() const = 0;
    // Copies the working fields over their last-applied copies.
    virtual void TakeWorkingAsApplied() = 0;
    // Sets the page's modified state (and so the Apply button) to IsChanged().
    void UpdateModified() { SetModified(IsChanged()); }

    // Checks the fields, hands the page to the view (WM_PREFS_APPLY_PAGE);
    // false keeps the page modified and the dialog open.
    BOOL OnApply() override;

    int GetPageIndex() const { return m_nPageIndex; }
    CPreferencesDlg* m_pDlg = nullptr;  // the owning dialog (not owned); set by it

protected:
    // Takes the working fields as applied, runs the base (data exchange into
    // the controls, the dynamic layout), then OnInitPage and the row layout.
    BOOL OnInitDialog() override;
    // The page's own set-up after the base initialisation.
    virtual void OnInitPage() {}
    // True while the page's window exists and shows (checks that need the
    // user's eye run only then).
    bool IsShownPage() const { return m_hWnd && ::IsWindow(m_hWnd) && IsWindowVisible(); }
    // An edit holding an unsigned number changed: once the page is set up,
    // its text (when a number) becomes the field; the modified state follows.
    void OnUIntEditChange(UINT nId, UINT& nValue);
    // Enables or disables the controls of a list.
    void EnableControls(const UINT* pIds, size_t n, bool bEnable);
    // The check state of a check box or radio button.
    bool IsChecked(UINT nId) const { return IsDlgButtonChecked((int)nId) == BST_CHECKED; }
    // The text of a control.
    CString ControlText(UINT nId) const;

    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;

    bool m_bReady = false;  // the page is set up: its edit handlers act

private:
    void SetupLayout();
    const int m_nPageIndex;
    const SPrefsPageTables& m_tables;
};
