// ReelBlankDlg.h: CReelBlankDlg, the dialog of the REELBLANK utility, which
// creates an empty emulated tape: labeled (volser and owner in its VOL1
// label) or not, compressed (VET) or a plain AWS image. Entering the empty
// output name proposes "OWNER.VOLSER.vet" (or ".aws").
#pragma once

#include "resources/resource.h"
#include "utilities/TapeUtilityDlg.h"

class CReelBlankDlg : public CTapeUtilityDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_REELBLANK };
    CReelBlankDlg();

    CString m_strVolser = "000000";   // "strVolser"
    CString m_strOwner = "VORNAMIC";  // "strOwner"
    bool m_bNonLabeled = false;       // "bNonLabeled"
    bool m_bCompressed = true;        // "bCompressed"

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    void InitControls() override;
    bool ValidateOptions(CDataExchange* pDX) override;
    bool CheckOutputFile(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;

    void OnNonLabeledClicked();
    void OnOutputFileSetFocus();
};
