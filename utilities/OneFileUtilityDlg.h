// OneFileUtilityDlg.h: COneFileUtilityDlg, the base of the utility dialogs
// that take one input file and nothing else (PackFlip, VolPatch, MapImport,
// ReelScan). They differ only in their row of the table in the .cpp: the
// browse title and filter, the label of the input check, the disk image
// type test, and PackFlip's "64" program. The dialog can be widened, not
// made taller.
#pragma once

#include "utilities/UtilityDlg.h"

class COneFileUtilityDlg : public CUtilityDlg {
    DECLARE_MESSAGE_MAP()
public:
    CString m_strInputFile;     // "strInputFile"
    CSaveSelEdit m_InputEdit;

    // The image type message of PackFlip and VolPatch.
    static const char* const kUnknownImageText;
    // One dialog of the family (the table in the .cpp).
    struct SRow;

protected:
    explicit COneFileUtilityDlg(UINT nIDTemplate);

    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    bool CheckInputFiles(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;
    const SLayoutRow* LayoutRows(size_t& nCount) const override;

    void OnBrowse();
    void OnInputChanged();
    void OnWindowPosChanging(WINDOWPOS* pPos);

private:
    const SRow* m_pRow;
    CString m_strInputNameExt;
    UINT64 m_ullInputSize = 0;
};
