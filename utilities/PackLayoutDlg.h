// PackLayoutDlg.h: CPackLayoutDlg, the dialog of the PACKLAYOUT utility,
// which prints a map of a compressed disk image: its header blocks and
// level-2 lookup tables always, on request its track groups or every track
// and free space. At most one of the three options is ticked from the
// dialog; the summary alone is refused with another. It runs without a
// progress window. The dialog can be widened, not made taller.
#pragma once

#include "resources/resource.h"
#include "utilities/UtilityDlg.h"

class CPackLayoutDlg : public CUtilityDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_PACKLAYOUT };
    CPackLayoutDlg() : CUtilityDlg(IDD) {}

    CString m_strInputFile;               // "strInputFile"
    bool m_bSummaryOnly = true;           // "bSummaryOnly"
    bool m_bConsolidatedTrackData = false;  // "bConsolidatedTrackData"
    bool m_bVerboseTrackData = false;     // "bVerboseTrackData"
    CSaveSelEdit m_InputEdit;

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    bool ValidateOptions(CDataExchange* pDX) override;
    bool CheckInputFiles(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;
    const SLayoutRow* LayoutRows(size_t& nCount) const override;

    void OnBrowse();
    void OnSummaryClicked();
    void OnTrackDataClicked();
    void OnVerboseClicked();
    void OnWindowPosChanging(WINDOWPOS* pPos);

private:
    // The clicked box's state into its flag; ticked, it unticks the others.
    void OptionClicked(UINT nCtrl);
    CString m_strOptionWords;
    CString m_strInputNameExt;
    UINT64 m_ullInputSize = 0;
};
