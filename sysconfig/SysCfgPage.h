// SysCfgPage.h: CSysCfgPage, the base of the system configuration dialog's
// pages. A page edits the dialog's edited configuration directly; the
// dialog's applied copy holds the values as of the page's last apply, and
// the page is modified exactly while one of its own values differs between
// the two. A page's apply runs its exchange and checks; once every page has
// applied, the dialog hands the edited configuration to the view once and,
// when the view took it, each page takes its snapshot (TakeApplied).
//
// Each page gives its balloon-text table and its help-id remaps; a failed
// check shows the error balloon on its control, titled with the field's
// label, marks the page modified, focuses the control and fails the
// exchange (SysCfgDdvFail).
#pragma once

#include <initializer_list>

#include "framework/cdxCDynamicHelpPropPage.h"
#include "platform/DDX.h"
#include "resources/resource.h"
#include "sysconfig/SysCfgFieldChecks.h"

class CSysCfgDialog;
class CVornConfigFile;

// One row of a page's help tables: a control (0: the page) and the string
// it shows as its balloon, or the help context id it stands for.
struct SysCfgHelpRow {
    UINT nCtrlId;
    UINT nId;
};

// A page's help table with its number of rows.
template <size_t N>
const SysCfgHelpRow* HelpRows(const SysCfgHelpRow (&rows)[N], size_t& nRows)
{
    nRows = N;
    return rows;
}

class CSysCfgPage : public cdxCDynamicHelpPropPage {
    DECLARE_DYNAMIC(CSysCfgPage)
public:
    CSysCfgPage(UINT nIDTemplate, CSysCfgDialog* pDlg);

    // True when one of the page's own values differs between the edited and
    // the applied configuration (this, not the sheet's flag).
    virtual bool IsModified() const = 0;
    // Copies the page's own values from the edited into the applied copy.
    virtual void SnapshotSettings() = 0;

    // The page's part of the dialog's pass: its exchange and checks.
    BOOL OnApply() override;
    // After the view took the configuration of a pass: the page's values
    // become its applied ones, and it is modified no more.
    void TakeApplied();
    // Runs the page's exchange and checks; with bShowFailure false a
    // failure only marks the page modified (no balloon, no focus).
    bool CheckPage(bool bShowFailure);
    // The checks of a page whose window is not made yet (made when first
    // shown) on the edited configuration: true when they pass.
    virtual bool CheckWithoutWindow() const { return true; }
    // SetModified with the result of IsModified.
    void ReevaluateModified() { SetModified(IsModified()); }

    CVornConfigFile& Edited() const;
    CVornConfigFile& Applied() const;
    CSysCfgDialog* GetSysCfgDialog() const { return m_pDlg; }

protected:
    // What a page shows again once its values are applied (TakeApplied).
    virtual void OnApplied() {}
    // The shared validation-failure step; always false.
    bool SysCfgDdvFail(CDataExchange* pDX, const SysCfgFieldFailure& failure);
    // Runs a check of SysCfgFieldChecks.h in the save direction of a run
    // that has not failed yet; a failure goes through SysCfgDdvFail.
    bool RunCheck(CDataExchange* pDX, bool (*pfnCheck)(const CVornConfigFile&, SysCfgFieldFailure&));

    // Numbers exchanged as text and read by the strict parsers: a text that
    // is not a number of the type stores kNotANumber (unsigned fields) or
    // INT_MIN (signed), which every range check refuses. Loading writes
    // the text with the updating flag set.
    void ExchangeUnsigned(CDataExchange* pDX, int nIDC, int& nValue);
    void ExchangeSigned(CDataExchange* pDX, int nIDC, int& nValue);
    void ExchangeBool(CDataExchange* pDX, int nIDC, bool& bValue);
    // Sets an edit's text while the updating flag is set.
    void SetTextUpdating(int nIDC, const char* pszText);
    // Whether the control's check box is ticked.
    bool IsChecked(int nIDC) const { return IsDlgButtonChecked(nIDC) == BST_CHECKED; }

    // Balloon texts (page and controls; a control's label shares its text)
    // and help-id remaps of the page.
    virtual const SysCfgHelpRow* HelpStringRows(size_t& nRows) const = 0;
    virtual const SysCfgHelpRow* HelpIdRows(size_t& nRows) const = 0;
    // Help-id remaps that point at another control of the page.
    virtual const SysCfgHelpRow* HelpKeyRemapRows(size_t& nRows) const { nRows = 0; return nullptr; }
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;

    // The common start of OnInitDialog: small icon, base initialisation.
    BOOL InitPage();
    // Registers the controls of row nRow (1-based) of nParts equal parts of
    // the page's height, each with its label (IDC_LABEL_OF) when it has one.
    void AddRow(int nParts, int nRow, std::initializer_list<UINT> ids);

    CSysCfgDialog* m_pDlg;         // the owning dialog (not owned)
    bool m_bPageInitialized = false;  // set at the end of OnInitDialog
    bool m_bUpdating = false;         // the page writes a control itself
    bool m_bQuietChecks = false;

public:
    static const int kNotANumber = -1;
};
