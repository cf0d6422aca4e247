// SysCfgIdentPage.h: CSysCfgIdentPage, the "Identification" page: the
// configuration file's path, its description, the LPAR number and name,
// the CPU ID format, manufacturer, plant, the four model names and whether
// parse errors in the file are ignored.
#pragma once

#include "sysconfig/SysCfgPage.h"

class CSysCfgIdentPage : public CSysCfgPage {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_SYSCFG_IDENT };
    explicit CSysCfgIdentPage(CSysCfgDialog* pDlg);

    bool IsModified() const override;
    void SnapshotSettings() override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    const SysCfgHelpRow* HelpStringRows(size_t& nRows) const override;
    const SysCfgHelpRow* HelpIdRows(size_t& nRows) const override;

    void OnChangeText(UINT nID);
    void OnClickIgnoreErrors();
};
