// VolBuildDlg.h: CVolBuildDlg, the dialog of the VOLBUILD utility, the disk
// loader: it creates a new disk image and loads it with the data sets that
// a control file lists. Compression (zlib or bzip2), alternate cylinders,
// single file, the 64-bit format and a message level from 0 to 5, which is
// the last word of the command line. The expected total is the control
// file's size.
#pragma once

#include "resources/resource.h"
#include "utilities/ImageCopyDlg.h"

class CVolBuildDlg : public CImageCopyDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_VOLBUILD };
    CVolBuildDlg() : CImageCopyDlg(IDD) {}

    bool m_bAltCyls = false;          // "bAltCyls"
    bool m_bCompressOutput = true;    // "bCompressOutput"
    int m_nCompressionOption = 0;     // "nCompressionOption": 0 zlib, 1 bzip2
    bool m_bLFS = true;               // "bLFS"
    int m_nMsgLevel = 1;              // "nMsgLevel", 0 .. 5

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    void InitControls() override;
    bool ValidateOptions(CDataExchange* pDX) override;
    bool CheckInputFiles(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;

    void OnCompressClicked();

private:
    UINT64 m_ullControlFileSize = 0;
};
