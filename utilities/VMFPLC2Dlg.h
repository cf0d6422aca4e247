// VMFPLC2Dlg.h: CVMFPLC2Dlg, the dialog of the VMFPLC2 utility, which moves
// files between the host and CMS on a tape in VMFPLC2 DUMP (or VM/370 TAPE
// DUMP) format: DUMP writes the host files a control file names onto a new
// tape image, LOAD writes a tape's files as host files, SCAN lists a tape.
// "Edit" opens the control file's editor. The expected total is the tape
// input's size for LOAD and SCAN, 0 for DUMP.
#pragma once

#include "platform/CWLComboBoxEx.h"
#include "resources/resource.h"
#include "utilities/TapeUtilityDlg.h"

class CVMFPLC2Dlg : public CTapeUtilityDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_VMFPLC2 };
    CVMFPLC2Dlg();

    int m_nFunction = 0;              // "nFunction": EVmfplc2Function
    CString m_strCtlFile;             // "strCtlFile"
    bool m_bTapeDumpFmt = false;      // "bTapeDumpFmt"
    bool m_bVerbose = false;          // "bVerbose"
    bool m_bCompressOutput = false;   // "bCompressOutput"
    int m_nCompressionAlgorithm = 0;  // "nCompressionAlgorithm": 0 zlib, 1 bzip2
    int m_nCompressionLevel = 6;      // "nCompressionLevel", 1 .. 9
    CString m_strCodePage;            // "strCodePage", without blanks

    void RegisterHelpStrings() override;

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    void InitControls() override;
    bool ValidateOptions(CDataExchange* pDX) override;
    bool CheckInputFiles(CDataExchange* pDX) override;
    bool CheckOutputFile(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;

    // The controls each function uses, enabled; "Compressed" shows its
    // choice for DUMP only.
    void EnableFunctionControls();
    void OnFunctionClicked();
    void OnCompressedClicked();
    void OnCodePageChanged();
    void OnBrowseControlFile();
    void OnEditControlFile();

private:
    // The "Control File" picker into the edit and m_strCtlFile.
    INT_PTR BrowseControlFile(bool bMustExist);

    CWLComboBoxEx2 m_CodePageCombo;
    CSaveSelEdit m_CtlEdit;
    bool m_bInitialized = false;
};
