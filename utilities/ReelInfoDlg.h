// ReelInfoDlg.h: CReelInfoDlg, the dialog of the REELINFO utility, which
// prints what a tape image holds: its standard labels, the blocks of each
// file, or only a summary of its data sets. At least one of labels and
// files stays chosen unless the summary is. The dialog can be widened, not
// made taller.
#pragma once

#include "resources/resource.h"
#include "utilities/TapeUtilityDlg.h"

class CReelInfoDlg : public CTapeUtilityDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_REELINFO };
    CReelInfoDlg();

    bool m_bPrintLabels = true;     // "bPrintLabels"
    bool m_bPrintFiles = true;      // "bPrintFiles"
    bool m_bPrintDatasets = false;  // "bPrintDatasets"

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    bool ValidateOptions(CDataExchange* pDX) override;
    bool CheckInputFiles(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;

    void OnLabelsClicked();
    void OnFilesClicked();
    void OnDatasetsClicked();
    void OnWindowPosChanging(WINDOWPOS* pPos);

private:
    // The label and file boxes as they were when the summary was chosen.
    bool m_bSavedLabels = true, m_bSavedFiles = true;
};
