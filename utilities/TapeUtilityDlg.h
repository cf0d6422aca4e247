// TapeUtilityDlg.h: CTapeUtilityDlg, the base of the tape image utilities'
// dialogs (REELBUILD, REELDIVIDE, REELDUB, REELBLANK, REELINFO, REELREPACK,
// REELFETCH): the input file, the output folder and file name with their
// browse buttons, the input and output checks and the layout they share.
// Each dialog names its browse titles and keeps its own options.
#pragma once

#include <initializer_list>

#include "utilities/UtilityDlg.h"

class CTapeUtilityDlg : public CUtilityDlg {
    DECLARE_MESSAGE_MAP()
public:
    CString m_strInputFile;        // "strInputFile"
    CString m_strOutputDirectory;  // "strOutputDirectory"
    CString m_strOutputFile;       // "strOutputFile", the name as typed

    // The texts of the browse buttons a dialog has (null where it has none).
    struct SBrowseTexts {
        const char* pszInputTitle;
        const char* pszOutputPrompt;
        const char* pszOutputTitle;
    };

protected:
    CTapeUtilityDlg(UINT nIDTemplate, const SBrowseTexts& texts);
    CTapeUtilityDlg(UINT nIDTemplate, const SUtilityInfo& info, const SBrowseTexts& texts);

    // The input and output edits with their members, where the template has them.
    void ExchangeFiles(CDataExchange* pDX);
    // The input file must exist: its name and extension and its size are kept.
    bool CheckInput(CDataExchange* pDX, const char* pszLabel);
    // The output file (folder joined with the name) with its overwrite question.
    bool CheckOutput(CDataExchange* pDX, const char* pszLabel);
    const SLayoutRow* LayoutRows(size_t& nCount) const override;

    // Enables or disables a list of controls.
    void EnableControls(std::initializer_list<UINT> controls, bool bEnable);
    bool IsChecked(UINT nCtrl) const { return ::IsDlgButtonChecked(m_hWnd, (int)nCtrl) == BST_CHECKED; }
    void SetCheck(UINT nCtrl, bool bChecked) { ::CheckDlgButton(m_hWnd, (int)nCtrl, bChecked ? BST_CHECKED : BST_UNCHECKED); }

    // The combo's code page as stored (blanks removed): the selected item's,
    // else the edit's text; for its selection and edit-change notifications.
    CString SelectedCodePage(UINT nCombo) const;
    // The volume serial spin: each change steps the volser edit's digits
    // instead of the spin's position.
    void OnVolserSpin(NMHDR* pNMHDR, LRESULT* pResult);
    virtual void OnBrowseInput();
    void OnBrowseOutputDirectory();
    virtual void OnBrowseOutputFile();

    CString m_strOptionWords;
    CString m_strInputNameExt;  // set by CheckInput
    UINT64 m_ullInputSize = 0;  // set by CheckInput
    CSaveSelEdit m_InputEdit, m_OutputEdit;

private:
    SBrowseTexts m_texts;
};
