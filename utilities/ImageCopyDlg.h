// ImageCopyDlg.h: CImageCopyDlg, the base of the utility dialogs that read
// one disk image and write another (WidenVol, VolRecast, VolClone; VolBuild
// reads a control file instead): the input file,
// the output folder and file name, option check boxes that each add one
// word, and for VolRecast the "Write output in new 64-bit file format" box.
// The differences stand in the table of the .cpp. The expected total is 0
// unless the dialog sets it.
#pragma once

#include "utilities/UtilityDlg.h"

class CImageCopyDlg : public CUtilityDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { kMaxOptions = 3 };
    // One dialog of the family (the table in the .cpp).
    struct SRow;

    CString m_strInputFile;        // "strInputFile"
    CString m_strOutputDirectory;  // "strOutputDirectory"
    CString m_strOutputFile;       // "strOutputFile", the name as typed
    bool m_bOptions[kMaxOptions] = {};
    bool m_bCkd64 = false;         // "bCKD64"
    CString m_strOptionWords;      // built on OK, e.g. "-r -lfs"
    CSaveSelEdit m_InputEdit, m_OutputEdit;

protected:
    explicit CImageCopyDlg(UINT nIDTemplate);

    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    bool ValidateOptions(CDataExchange* pDX) override;
    bool CheckInputFiles(CDataExchange* pDX) override;
    bool CheckOutputFile(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;
    const SLayoutRow* LayoutRows(size_t& nCount) const override;

    void OnBrowseInput();
    void OnBrowseOutputDirectory();
    void OnBrowseOutputFile();

    // The compression controls: the algorithm radios and their texts
    // enabled with compression; the single-file box ticked and disabled
    // while compressing (a compressed image is one file), else showing
    // bSingleFile and enabled.
    void UpdateCompressionControls(bool bCompress, bool bSingleFile);
    // "Compress output:" clicked: its state into bCompress, the single-file
    // box's choice kept in bSingleFile before the box shows its forced
    // tick, then the compression controls.
    void TakeCompressionBox(bool& bCompress, bool& bSingleFile);
    // The balloon help of the compression and single-file controls.
    static void AddCompressionHelpRows(std::vector<SHelpRow>& rows);

    CString m_strInputNameExt;     // set by the input check

private:
    const SRow* m_pRow;
};
