// SysCfgDasdParmsPage.h: CSysCfgDasdParmsPage, the "Dasd Parameters" page
// under Devices: the values of the CCKD statement for compressed disk
// images, with "Use default values:", which switches all of them to their
// defaults and gives the user's own values back when it is cleared.
#pragma once

#include "framework/HexSimpleEdit.h"
#include "sysconfig/DasdParmsRules.h"
#include "sysconfig/SysCfgPage.h"

class CSysCfgDasdParmsPage : public CSysCfgPage {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_SYSCFG_DASDPARMS };
    explicit CSysCfgDasdParmsPage(CSysCfgDialog* pDlg);

    bool IsModified() const override;
    void SnapshotSettings() override;

    bool IsUsingDefaults() const { return m_bUseDefaults; }
    BOOL OnApply() override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    const SysCfgHelpRow* HelpStringRows(size_t& nRows) const override;
    const SysCfgHelpRow* HelpIdRows(size_t& nRows) const override;
    const SysCfgHelpRow* HelpKeyRemapRows(size_t& nRows) const override;

    void OnChangeNumber(UINT nID);
    void OnClickSwitch(UINT nID);
    void OnClickCompression(UINT nID);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnClickUseDefaults();
    void OnApplied() override;

private:
    // With the defaults in use the values become the defaults, are shown
    // (unless bShowDefaults is false: the page's initialisation shows them
    // with its other fields) and every parameter control is disabled;
    // otherwise all are enabled.
    void EnableCckdControls(bool bShowDefaults = true);
    void RegisterLayout();

    bool m_bUseDefaults = false;
    CckdDefaultsSwitch m_defaults;
    CSignedNumEdit m_NumberEdits[6];  // the unsigned numbers, in their table's order
    CSignedNumEdit m_FreependEdit;
};
