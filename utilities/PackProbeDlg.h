// PackProbeDlg.h: CPackProbeDlg, the dialog of the PACKPROBE utility, which
// prints chosen parts of a compressed disk image: its headers and lookup
// tables, a track chosen by cylinder and head or by relative track number,
// or a raw range of the file's bytes. Numbers are decimal, or hexadecimal
// after "0x", and reach the utility as typed. It runs without a progress
// window; "PACKPROBE64" for a 64-bit image while the 64-bit utility
// programs are there.
#pragma once

#include "resources/resource.h"
#include "utilities/PackRules.h"
#include "utilities/UtilityDlg.h"

class CPackProbeDlg : public CUtilityDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_PACKPROBE };
    CPackProbeDlg() : CUtilityDlg(IDD) {}

    CString m_strInputFile;  // "strInputFile"
    // The options, stored under "bDEVHDR" ... "bDebug" and the number texts.
    SProbeOptions m_Options;
    CSaveSelEdit m_InputEdit;

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    void InitControls() override;
    bool ValidateOptions(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;
    const SLayoutRow* LayoutRows(size_t& nCount) const override;

    void OnBrowse();
    void OnInputChanged();
    void OnCCHHClicked();
    void OnTTClicked();
    void OnRawClicked();
    void OnWindowPosChanging(WINDOWPOS* pPos);

private:
    // The number edit's text, checked; a refusal's balloon is titled pszLabel.
    bool CheckNumber(CDataExchange* pDX, UINT nEdit, const char* pszLabel, const CString& strText);
    void UpdateL2TabBox();
    CString m_strInputNameExt;
    UINT64 m_ullInputSize = 0;
};
