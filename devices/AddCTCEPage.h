// AddCTCEPage.h: CAddCTCEPage, the communication adapter sheet's page of
// an enhanced channel-to-channel adapter (type word "CTCE", kind 3), which
// links two emulators over TCP: the local port, the remote host, the
// remote port and the buffer (MTU) size, written "%d  %s  %d  %d". Ports
// are even and within the "Limits" port range, the MTU within its range.
#pragma once

#include "devices/AddCOMMPage.h"

class CAddCTCEPage : public CAddCOMMPage {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_ADD_CTCE };
    explicit CAddCTCEPage(CAddCOMMSheet* pSheet);

    SCommAddresses Addresses() const override;

    SCtceFields m_fields;

protected:
    void ParseArguments(const CString& strArgs) override;
    void TakeAddresses(const SCommAddresses& addresses) override;
    void InitControls() override;
    void ExchangeFields(CDataExchange* pDX) override;
    bool ValidatePage(CDataExchange* pDX) override;
    CString BuildArgumentText() override;
    std::vector<SHelpRow> HelpRows() const override;

    void OnRemoteHostChanged(NMHDR* pNMHDR, LRESULT* pResult);

private:
    bool CheckPort(CDataExchange* pDX, UINT nPort, UINT nCtrl, const char* pszTitle);

    // The numbers as typed; a text that is not a number fails its check.
    CString m_strLocalPort, m_strRemotePort, m_strMtu;
};
