// SysCfgTODClockPage.h: CSysCfgTODClockPage, the "Clock" page: the clock's
// epoch year, the year offset, the update interval (its lower bound
// depends on transactional execution), the drag factor with its
// floating-point edit and accelerating spin, and the time-zone offset.
#pragma once

#include "framework/FPEdit.h"
#include "framework/FPSpinCtrl.h"
#include "framework/HexSimpleEdit.h"
#include "platform/CSpinButtonCtrl.h"
#include "sysconfig/SysCfgPage.h"

class CSysCfgTODClockPage : public CSysCfgPage {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_SYSCFG_CLOCK };
    explicit CSysCfgTODClockPage(CSysCfgDialog* pDlg);

    bool IsModified() const override;
    void SnapshotSettings() override;

    CFPSpinCtrl& DragSpin() { return m_DragSpin; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    const SysCfgHelpRow* HelpStringRows(size_t& nRows) const override;
    const SysCfgHelpRow* HelpIdRows(size_t& nRows) const override;

    void OnChangeNumber(UINT nID);
    void OnChangeDrag();
    void OnChangeTzOffset();

    CFPEdit m_DragEdit;
    CFPSpinCtrl m_DragSpin;
    CSpinButtonCtrl m_EpochSpin, m_YrOffsetSpin, m_IntervalSpin;
    CSignedNumEdit m_YrOffsetEdit;
};
