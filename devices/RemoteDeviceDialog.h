// RemoteDeviceDialog.h: CRemoteDeviceDialog, "Define remote device": the
// IPv4 address and port of another emulator that serves a shared disk, and
// the disk's device number there. The DASD dialog sets the remote name
// ("host:port:devnum"), lets the dialog split it (ParseRemoteDasdName),
// runs it and on OK takes the name it built.
//
// The host, port and device number of the last OK are remembered for the
// life of the process (not in the settings) and start the next dialog; the
// port starts as the "Limits" value "DefSHRDPortnum". A fixed dialog whose
// placement is remembered under its class name.
#pragma once

#include "framework/CHelpButtonDlg.h"
#include "platform/CIPAddressCtrl.h"
#include "resources/resource.h"

class CRemoteDeviceDialog : public CHelpButtonDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_REMOTE_DEVICE };
    explicit CRemoteDeviceDialog(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;

    // Splits m_strRemoteName into host, port and device number when it has
    // the remote form.
    void ParseRemoteDasdName();

    // In: the name to edit; out after OK: the name built, "%s:%d:%s".
    CString m_strRemoteName;
    CString m_strHost;
    UINT m_nPort;
    CString m_strDevNum;

    // The remembered values (tests start from a known state).
    static void ForgetRemembered();

protected:
    void OnIpChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnAddressTextChange();
    void OnDestroy();

private:
    bool ValidatePort(CDataExchange* pDX);
    bool ValidateDevNum(CDataExchange* pDX);
    void FormatRemoteName();

    CString m_strPort;
    CIPAddressCtrl m_Address;
};
