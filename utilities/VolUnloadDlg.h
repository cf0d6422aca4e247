// VolUnloadDlg.h: CVolUnloadDlg, the dialog of the VOLUNLOAD utility, which
// unloads every member of a partitioned data set of a disk image (with its
// optional shadow file) into one host file per member, as ASCII text or as
// fixed-length binary records, into the output folder when one is chosen
// (else the current folder, the disk files folder). The expected total is
// the image's size.
#pragma once

#include "resources/resource.h"
#include "utilities/UtilityDlg.h"

class CVolUnloadDlg : public CUtilityDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_VOLUNLOAD };
    enum { kUnloadAscii = 0, kUnloadBinary = 1 };
    CVolUnloadDlg() : CUtilityDlg(IDD) {}

    CString m_strInputFile;            // "strInputFile"
    CString m_strShadowFile;           // "strShadowFile"
    CString m_strOutputDirectory;      // "strOutputDirectory", optional
    CString m_strPDSName;              // "strPDSName"
    int m_nUnloadOption = kUnloadAscii;  // "nUnloadOption"

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    // The image, the shadow, the data set name.
    bool CheckInputFiles(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;
    const SLayoutRow* LayoutRows(size_t& nCount) const override;

    void OnBrowseImage();
    void OnBrowseShadow();
    void OnBrowseOutputDirectory();
    void OnWindowPosChanging(WINDOWPOS* pPos);

private:
    CString m_strInputNameExt;
    UINT64 m_ullImageSize = 0;
};
