// SysCfgDevOptsPage.h: CSysCfgDevOptsPage, the "Options" page under Devices:
// the IPL load unit (shared with the Devices page) and load parameter, the
// shutdown time, the device-thread limit, the shared-device server port,
// the host network adapter (an IP or a MAC address), SCSI tape mount
// detection and the two tape options.
#pragma once

#include "platform/CIPAddressCtrl.h"
#include "sysconfig/DevOptsRules.h"
#include "sysconfig/SysCfgPage.h"

class CSysCfgDevOptsPage : public CSysCfgPage {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_SYSCFG_DEVOPTS };
    explicit CSysCfgDevOptsPage(CSysCfgDialog* pDlg);

    bool IsModified() const override;
    void SnapshotSettings() override;
    // Shows the edited load unit in its edit; the edit's change handler
    // then runs as for typing (the Devices page repaints, this page's
    // modified state follows).
    virtual void RefreshLoadUnit();

    const HostAdapterChoice& Adapter() const { return m_adapter; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    const SysCfgHelpRow* HelpStringRows(size_t& nRows) const override;
    const SysCfgHelpRow* HelpIdRows(size_t& nRows) const override;
    const SysCfgHelpRow* HelpKeyRemapRows(size_t& nRows) const override;

    void OnChangeLoadUnit();
    void OnChangeLoadParm();
    void OnChangeShutdown();
    void OnChangeDevTMax();
    void OnChangeScsiSecs();
    void OnChangeShrdPort();
    void OnDeltaPosShrdPort(NMHDR* pNMHDR, LRESULT* pResult);
    void OnClickHostAdapter();
    void OnUpdateMacAddress();
    void OnIpFieldChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnClickScsiAutoMount();
    void OnClickTapeReinit();
    void OnClickAutoTapeInit();

private:
    void EnableHostAdapterControls();
    // The IP address control's text: "" while every field is blank.
    CString ReadIpControl() const;
    void WriteIpControl(const CString& strAddr);
    void RegisterLayout();

    HostAdapterChoice m_adapter;
    CIPAddressCtrl m_ipAddress;
};
