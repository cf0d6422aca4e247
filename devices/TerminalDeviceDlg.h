// TerminalDeviceDlg.h: CTerminalDeviceDlg, what the console and display
// terminal dialogs share: the terminal-group field, the client IP address
// and its subnet mask, their checks, balloons and layout.
//
// The group field is checked with the terminal-group rule. An IP address
// is checked against its mask, or against 255.255.255.255 when there is
// none; without an IP a mask is dropped. A control left half filled is
// refused with its balloon rather than taken for an empty one.
#pragma once

#include "devices/CDeviceDlg.h"
#include "devices/TerminalArguments.h"
#include "platform/CIPAddressCtrl.h"

class CTerminalDeviceDlg : public CDeviceDlg {
    DECLARE_MESSAGE_MAP()
public:
    STerminalFields m_fields;

protected:
    CTerminalDeviceDlg(UINT nIDTemplate, const SDeviceDlgClass& cls, CWnd* pParent);

    void ExchangeFields(CDataExchange* pDX) override;
    void InitControls() override;
    void SetupDynamicLayout() override;

    // The group field's check (the terminal-group rule), titled "Terminal Group".
    bool ValidateGroup(CDataExchange* pDX);
    // The IP and mask checks; on success both texts are dotted or empty.
    bool ValidateAddresses(CDataExchange* pDX);
    // Enables or disables the address labels and controls.
    void EnableAddresses(bool bEnable);
    // The device from the statement of its number, type name and these
    // arguments, as the configuration's parser reads it (type, class, SYSG
    // flag and argument text).
    void ParseBackDevice(const CString& strArgs);
    // The rows of the address controls, the group's given by the class.
    std::vector<SHelpRow> AddressHelpRows() const;

    // An address control's field changed: its text is the dotted address
    // when all four fields hold a value, else empty.
    void OnIPFieldChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnMaskFieldChanged(NMHDR* pNMHDR, LRESULT* pResult);

    CIPAddressCtrl m_IPAddress;
    CIPAddressCtrl m_SubnetMask;
};
