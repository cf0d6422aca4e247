// SysCfgAdvancedPage.h: CSysCfgAdvancedPage, the "Advanced" page: the
// folder of the additional dynamic modules (MODPATH) and their names
// (LDMOD), each with its browser. Nothing on it is refused.
#pragma once

#include "sysconfig/SysCfgPage.h"

class CSysCfgAdvancedPage : public CSysCfgPage {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_SYSCFG_ADVANCED };
    explicit CSysCfgAdvancedPage(CSysCfgDialog* pDlg);

    bool IsModified() const override;
    void SnapshotSettings() override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    const SysCfgHelpRow* HelpStringRows(size_t& nRows) const override;
    const SysCfgHelpRow* HelpIdRows(size_t& nRows) const override;

    void OnChangeModPath();
    void OnChangeLdMod();
    void OnBrowseModuleDir();
    void OnBrowseModules();
    // The folder the browsers start in: MODPATH, else the executables' folder.
    CString StartFolder() const;
};
