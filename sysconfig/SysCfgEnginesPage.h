// SysCfgEnginesPage.h: CSysCfgEnginesPage, one of the two "Engines" pages:
// the engine type (CPU, IFL, zAAP, zIIP) of 32 processors from a first
// engine (0 or 32), enabled only below the configured maximum CPU count.
// Its 32 combo boxes take long to make: the dialog makes the page when it
// is first shown.
#pragma once

#include "platform/CWLComboBoxEx.h"
#include "sysconfig/SysCfgPage.h"

class CSysCfgEnginesPage : public CSysCfgPage {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_SYSCFG_ENGINES, kEngines = 32 };
    CSysCfgEnginesPage(CSysCfgDialog* pDlg, UINT nFirstEngine);

    bool IsModified() const override;
    void SnapshotSettings() override;
    BOOL OnSetActive() override;
    bool CheckWithoutWindow() const override;

    void EnableEngineCombos();
    void LayoutEngineGrid();
    UINT FirstEngine() const { return m_nFirstEngine; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    const SysCfgHelpRow* HelpStringRows(size_t& nRows) const override;
    const SysCfgHelpRow* HelpIdRows(size_t& nRows) const override;
    const SysCfgHelpRow* HelpKeyRemapRows(size_t& nRows) const override;
    void RegisterStandardHelpStrings() override;

    void OnSelEngine(UINT nID);
    LRESULT OnMaxCpuChanged(WPARAM wp, LPARAM lp);

    const UINT m_nFirstEngine;
    CWLComboBoxEx m_Combos[kEngines];
};
