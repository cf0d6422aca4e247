// SysCfgArchPage.h: CSysCfgArchPage, the "Architecture" page: the
// architecture mode, the operating-system tailoring word as nine check
// boxes ("Quiet" and "Null" exclusive), legacy Sense ID, the DIAG 8
// interface and ECPS:VM, whose level and trap are remembered while it is
// switched off.
#pragma once

#include "platform/CSpinButtonCtrl.h"
#include "sysconfig/SysCfgPage.h"
#include "sysconfig/TailorFlags.h"

class CSysCfgArchPage : public CSysCfgPage {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_SYSCFG_ARCH };
    explicit CSysCfgArchPage(CSysCfgDialog* pDlg);

    bool IsModified() const override;
    void SnapshotSettings() override;

    void UnpackTailorFlags();
    void OnClickLegacySenseId();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    const SysCfgHelpRow* HelpStringRows(size_t& nRows) const override;
    const SysCfgHelpRow* HelpIdRows(size_t& nRows) const override;

    void OnClickArchMode(UINT nID);
    void OnClickTailorBox(UINT nID);
    void OnClickDiag8();
    void OnClickDiag8Echo();
    void OnClickEcpsVm();
    void OnClickTrap();
    void OnChangeEcpsVmLevel();
    // Registers every control with the dynamic layout (OnInitDialog).
    void RegisterLayout();

    BOOL m_bTailor[kTailorBoxes] = {};
    EcpsVmMemory m_ecpsMemory;  // level and trap chosen while ECPS:VM was on
    CSpinButtonCtrl m_LevelSpin;
};
