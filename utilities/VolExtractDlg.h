// VolExtractDlg.h: CVolExtractDlg, the dialog of the VOLEXTRACT utility,
// which extracts one physical sequential data set of a disk image (with its
// optional shadow file) into a host file of the same name. The utility
// writes into its current folder, so building the command line makes the
// output folder current. The expected total is the image's size.
#pragma once

#include "resources/resource.h"
#include "utilities/UtilityDlg.h"

class CVolExtractDlg : public CUtilityDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_VOLEXTRACT };
    CVolExtractDlg() : CUtilityDlg(IDD) {}

    CString m_strInputFile;        // "strInputFile"
    CString m_strShadowFile;       // "strShadowFile"
    CString m_strOutputDirectory;  // "strOutputDirectory"
    CString m_strDataset;          // "strDataset"
    bool m_bASCIIMode = false;     // "bASCIIMode"
    bool m_bRecordMode = false;    // "bRecordMode"

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    void InitControls() override;
    // The image, the shadow, the folder, the data set name, the modes.
    bool CheckInputFiles(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;
    const SLayoutRow* LayoutRows(size_t& nCount) const override;

    void OnAsciiClicked();
    void OnRecordClicked();
    void OnBrowseImage();
    void OnBrowseShadow();
    void OnBrowseOutputDirectory();
    void OnWindowPosChanging(WINDOWPOS* pPos);

private:
    // A ticked box clears the other mode (they exclude each other).
    void TakeMode(UINT nBox, bool& bMode, UINT nOtherBox, bool& bOtherMode);

    CString m_strInputNameExt;
    UINT64 m_ullImageSize = 0;
};
