// ReelFetchDlg.h: CReelFetchDlg, the dialog of the REELFETCH utility, which
// extracts one file of a tape image into a host file, optionally with an
// output record format, record length and block size, converted to ASCII,
// with trailing blanks stripped and descriptor words removed. The record
// length may not exceed the block size, nor the block size fall below it.
// The expected total is the input file's size.
#pragma once

#include "platform/CWLComboBoxEx.h"
#include "resources/resource.h"
#include "utilities/TapeUtilityDlg.h"

class CReelFetchDlg : public CTapeUtilityDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_REELFETCH };
    enum { kFormatFB = 7 };
    CReelFetchDlg();

    bool m_bNonLabeled = false;   // "bNonLabeled"
    UINT m_nFileNumber = 1;       // "nFileNumber", 1 .. 9999
    int m_nRecfm = 0;             // "nRecfm": 0 none, else the list's index
    UINT m_nLrecl = 80;           // "nLrecl"
    UINT m_nBlockSize = 16000;    // "nBlockSize"
    bool m_bAscii = false;        // "bAscii"
    bool m_bStripBlanks = false;  // "bStripBlanks"
    bool m_bUnblock = false;      // "bUnblock"

    // The linked bounds: LRECL 1 .. block size, block size LRECL .. 65535.
    UINT LreclMax() const { return m_nLreclMax; }
    UINT BlockSizeMin() const { return m_nBlockSizeMin; }

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

    void EnableSizes(bool bEnable);
    void SetLrecl(UINT nLrecl);
    void SetBlockSize(UINT nBlockSize);
    void OnNonLabeledClicked();
    void OnConversionClicked(UINT nCtrl);
    void OnAsciiClicked() { OnConversionClicked(IDC_TAPE_ASCII); }
    void OnStripClicked() { OnConversionClicked(IDC_TAPE_STRIP); }
    void OnUnblockClicked() { OnConversionClicked(IDC_TAPE_UNBLOCK); }
    void OnRecfmSelected();
    void OnLreclSpin(NMHDR* pNMHDR, LRESULT* pResult);
    void OnBlockSizeSpin(NMHDR* pNMHDR, LRESULT* pResult);
    void OnLreclKillFocus();
    void OnBlockSizeKillFocus();

private:
    CWLComboBoxEx m_RecfmList;
    UINT m_nLreclMax = 16000;
    UINT m_nBlockSizeMin = 80;
    CString m_strRecfm;  // the chosen format's text, set on OK
};
