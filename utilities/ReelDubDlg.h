// ReelDubDlg.h: CReelDubDlg, the dialog of the REELDUB utility, which copies
// a tape between a SCSI tape drive of the host ("/dev/st0" to "/dev/st9")
// and an AWS tape image, either way. Only the side the direction reads or
// writes is checked and sent. The expected total is the input image's size
// when copying to the drive, else 0.
#pragma once

#include "resources/resource.h"
#include "utilities/TapeUtilityDlg.h"

class CReelDubDlg : public CTapeUtilityDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_REELDUB };
    enum { kFromScsi = 0, kToScsi = 1 };
    CReelDubDlg();

    int m_nCopyDirection = kFromScsi;  // "nCopyDirection"
    BYTE m_nTapeNum = 0;               // "nTapeNum", 0 .. 9

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    void InitControls() override;
    bool CheckInputFiles(CDataExchange* pDX) override;
    bool CheckOutputFile(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;

    void UpdateEnabling();
    void OnDirectionClicked();
    void OnBrowseOutputFile() override;

private:
    bool m_bUpdating = false;
};
