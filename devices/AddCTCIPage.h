// AddCTCIPage.h: CAddCTCIPage, the communication adapter sheet's page of a
// channel-to-channel link to the host's TCP/IP stack (type word "CTCI",
// kind 2): the guest's IP address (required) and MAC address, the host
// adapter by IP or MAC address, and the two optional buffer sizes, read
// from getopt-style options ("n:m:k:i:d") followed by the guest and NIC
// addresses ("0.0.0.0" for no NIC), written with two blanks before every
// item.
#pragma once

#include "devices/AddNetAdapterPage.h"

class CAddCTCIPage : public CAddNetAdapterPage {
public:
    enum { IDD = IDD_ADD_CTCI };
    explicit CAddCTCIPage(CAddCOMMSheet* pSheet);

    SNetAdapterFields m_fields;

protected:
    void ParseArguments(const CString& strArgs) override;
    void InitControls() override;
    bool ValidatePage(CDataExchange* pDX) override;
    CString BuildArgumentText() override;
    std::vector<SHelpRow> HelpRows() const override;
};
