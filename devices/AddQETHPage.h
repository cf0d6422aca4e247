// AddQETHPage.h: CAddQETHPage, the communication adapter sheet's page of
// an OSA Express adapter in QDIO mode (type word "OSA", kind 0): the host
// adapter by IP or by MAC address, the guest's IP address and mask, an
// optional channel-path id and the debug box, read from and written as
// keyword words ("iface", "ipaddr", "netmask", "chpid", "debug"). The
// words the page does not edit ("ipaddr6", "hwaddr", "mtu" with their
// values, unknown words) are written back as they were.
#pragma once

#include "devices/AddCOMMPage.h"
#include "framework/HexSimpleEdit.h"

class CAddQETHPage : public CAddCOMMPage {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_ADD_QETH };
    explicit CAddQETHPage(CAddCOMMSheet* pSheet);

    SCommAddresses Addresses() const override;

    SQethFields m_fields;

protected:
    void ParseArguments(const CString& strArgs) override;
    void TakeAddresses(const SCommAddresses& addresses) override;
    void InitControls() override;
    void ExchangeFields(CDataExchange* pDX) override;
    bool ValidatePage(CDataExchange* pDX) override;
    CString BuildArgumentText() override;
    std::vector<SHelpRow> HelpRows() const override;

    void OnNicMacUpdate();
    void OnNicIpChanged(NMHDR* pNMHDR, LRESULT* pResult);

private:
    CHexSimpleEdit m_ChpidEdit;
};
