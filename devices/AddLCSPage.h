// AddLCSPage.h: CAddLCSPage, the communication adapter sheet's page of a
// LAN channel station (type word "LCS", kind 1): a virtual Ethernet
// adapter whose guest interface is given by an address translation (OAT)
// file or by a guest IP and MAC address, the host adapter by IP or MAC
// address, and the two optional buffer sizes, read from and written as
// getopt-style options ("n:o:m:k:i:d", single blanks).
//
// The OAT file and the guest addresses exclude each other, as the NIC IP
// and NIC MAC do. "Edit OAT" opens the file in the configured text editor.
// Leaving the guest interface undefined (no OAT file, no guest address), or
// the host adapter unnamed while the host has two adapters or more, is
// confirmed by a question whose default answer is No.
#pragma once

#include <functional>

#include "devices/AddNetAdapterPage.h"

class CAddLCSPage : public CAddNetAdapterPage {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_ADD_LCS };
    explicit CAddLCSPage(CAddCOMMSheet* pSheet);

    SLcsFields m_fields;
    // Counts the host's adapters for the host-adapter question: afresh,
    // through the system's adapter query (HostAdapterQuery.h).
    std::function<int()> m_countHostAdapters;

protected:
    void ParseArguments(const CString& strArgs) override;
    void InitControls() override;
    void ExchangeFields(CDataExchange* pDX) override;
    bool ValidatePage(CDataExchange* pDX) override;
    CString BuildArgumentText() override;
    std::vector<SHelpRow> HelpRows() const override;
    void SetupDynamicLayout() override;
    void OnGuestMacChanged() override;

    void OnGuestIpChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnOatChange();
    void OnBrowseOat();
    void OnEditOat();

private:
    // The guest interface and host adapter questions; true to go on.
    bool ConfirmUndefined(CDataExchange* pDX);
    // The guest-side rule: while no guest address is given the OAT file
    // may be; once one is, the OAT name goes and its controls are disabled.
    void ApplyGuestRule();

    CSaveSelEdit m_OatEdit;
};
