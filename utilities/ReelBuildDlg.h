// ReelBuildDlg.h: CReelBuildDlg, the dialog of the REELBUILD utility, which
// writes an AWS tape image from a data file, or from a meta-file that lists
// data files, in fixed-length records: labeled (volser and data set name,
// EBCDIC or ANSI labels) or not, with an optional code page. The expected
// total is the input file's size.
#pragma once

#include "platform/CWLComboBoxEx.h"
#include "resources/resource.h"
#include "utilities/TapeUtilityDlg.h"

class CReelBuildDlg : public CTapeUtilityDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_REELBUILD };
    CReelBuildDlg();

    bool m_bMetaFile = false;          // "bMetaFile"
    CString m_strVolser = "000000";    // "strVolser"
    CString m_strDSN;                  // "strDSN"
    UINT m_nLRECL = 80;                // "nLRECL"
    UINT m_nBlockingFactor = 1;        // "nBlockingFactor"
    CString m_strCodePage;             // "strCodePage", without blanks
    bool m_bUnique = false;            // "bUnique"
    bool m_bBinary = false;            // "bBinary"
    bool m_bNonLabeled = false;        // "bNonLabeled"
    bool m_bANSI = false;              // "bANSI"

    // The largest blocking factor for the current record length.
    UINT MaxBlockingFactorNow() const { return m_nMaxBlockingFactor; }

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    void InitControls() override;
    bool CheckInputFiles(CDataExchange* pDX) override;
    bool CheckOutputFile(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;

    // The option words, after the input check and before the output's.
    bool CheckOptions(CDataExchange* pDX);
    void UpdateEnabling();
    // A new record length: shown, and the blocking factor's maximum with it.
    void TakeLrecl(UINT nLrecl);

    void OnBrowseInput() override;
    void OnOptionClicked();
    void OnCodePageChanged();
    void OnLreclKillFocus();
    void OnLreclSpin(NMHDR* pNMHDR, LRESULT* pResult);

private:
    CWLComboBoxEx2 m_CodePageCombo;
    UINT m_nMaxBlockingFactor = 409;
    bool m_bInitialized = false;
};
