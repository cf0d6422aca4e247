// SockdevDlg.h: CSockdevDlg, "Define Listening Socket": the host name or
// IPv4 address and the port on which a socket-attached device (a card
// reader, a printer) listens. The caller sets the address, runs the
// dialog and on OK takes the new one, "host:port". A fixed dialog whose
// placement is remembered under its class name.
#pragma once

#include "framework/CHelpButtonDlg.h"
#include "platform/CIPAddressCtrl.h"
#include "resources/resource.h"

class CSockdevDlg : public CHelpButtonDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_SOCKDEV };
    explicit CSockdevDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;

    // In: the current "host:port" (empty: the defaults, this machine's
    // name and port 3505). Out after OK: "%s:%d" of host and port.
    CString m_strSpec;

protected:
    void OnIpChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnAddressTextChange();
    void OnHostNameChange();
    void OnDestroy();

private:
    bool CheckAddress(CDataExchange* pDX);

    CString m_strHost;
    DWORD m_dwAddress = 0;  // host order; 0: none
    UINT m_nPort = 3505;
    CIPAddressCtrl m_Address;
    bool m_bFilling = false;  // the dialog writes the host or address itself
};
