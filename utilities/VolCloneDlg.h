// VolCloneDlg.h: CVolCloneDlg, the dialog of the VOLCLONE utility, which
// copies a disk image into a new image file, optionally through a shadow
// file, compressed or in the 64-bit format. The output keeps the input's
// kind (CKD or FBA): the format word follows the input image, and only a
// CKD input offers its alternate cylinders. The expected total is the
// input file's size.
#pragma once

#include "resources/resource.h"
#include "utilities/ImageCopyDlg.h"
#include "utilities/VolCloneRules.h"

class CVolCloneDlg : public CImageCopyDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_VOLCLONE };
    CVolCloneDlg() : CImageCopyDlg(IDD) {}

    CString m_strShadowFile;            // "strShadowFile"
    bool m_bReplaceOutputFile = false;  // "bReplaceOutputFile"
    bool m_bIncludeAltCyls = false;     // "bIncludeAltCyls"
    bool m_bCompressOutput = false;     // "bCompressOutput"
    int m_nCompressionAlgorithm = 0;    // "nCompressionAlgorithm": 0 zlib, 1 bzip2
    bool m_bForceSingleOutput = false;  // "bForceSingleOutput"

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    void InitControls() override;
    bool ValidateOptions(CDataExchange*) override { return true; }
    bool CheckInputFiles(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;
    const SLayoutRow* LayoutRows(size_t& nCount) const override;

    void OnInputUpdate();
    void OnAltCylsClicked();
    void OnCompressClicked();
    void OnBrowseInputFile();
    void OnBrowseShadowFile();
    void OnBrowseOutputDir();
    void OnBrowseOutputName();

private:
    // The alternate box: enabled and showing the field for a CKD input,
    // else cleared and disabled (the field keeps its value).
    void UpdateAlternateBox();

    UINT64 m_ullInputSize = 0;
};
