// AddNetAdapterPage.h: CAddNetAdapterPage, what the LCS and CTCI pages of
// the communication adapter sheet share beyond every page's part: the
// guest's MAC address, the host adapter by IP or MAC address, and the two
// optional buffer sizes with their spins (the host driver's capture buffer
// and the packet DLL's buffer, in K bytes, 0 for "not given").
//
// A size follows its rules as it is typed (on leaving the field) and
// stepped (the spin's own change is suppressed, the page sets the value);
// the DLL size is held to the driver size. The sizes are checked again on
// OK. All six addresses and sizes are carried to and from the other pages.
#pragma once

#include "devices/AdapterBufferSizes.h"
#include "devices/AddCOMMPage.h"
#include "devices/LcsCtciArguments.h"
#include "platform/CSaveSelEdit.h"

class CAddNetAdapterPage : public CAddCOMMPage {
    DECLARE_MESSAGE_MAP()
public:
    SCommAddresses Addresses() const override;

protected:
    // fields: the derived page's member, used only after construction.
    CAddNetAdapterPage(CAddCOMMSheet* pSheet, const SCommPageKind& kind, SNetAdapterFields& fields);

    void TakeAddresses(const SCommAddresses& addresses) override;
    // The guest MAC and NIC MAC texts and the sizes; both directions.
    void ExchangeFields(CDataExchange* pDX) override;
    // The guest MAC's limit, the NIC address shown, the spins' ranges.
    void InitControls() override;

    // "Invalid Guest MAC address" when a guest MAC is given and is none.
    bool ValidateGuestMac(CDataExchange* pDX);
    // The sizes' checks of OK (CheckBufferSizes), balloon on the field.
    bool ValidateBufferSizes(CDataExchange* pDX);

    // The page's own rows, then those of the guest MAC, host adapter and
    // sizes.
    static std::vector<SHelpRow> NetHelpRows(std::vector<SHelpRow> rows);

    // The guest MAC was typed (after the edit filter took it).
    virtual void OnGuestMacChanged() {}

    void OnGuestMacUpdate();
    void OnNicMacUpdate();
    void OnNicIpChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDriverKillFocus();
    void OnDllKillFocus();
    void OnDriverDeltaPos(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDllDeltaPos(NMHDR* pNMHDR, LRESULT* pResult);

    SNetAdapterFields& m_net;  // the derived page's fields (not owned)
    // The NIC IP text follows its control while typing (LCS); otherwise
    // only the checks of OK write it (CTCI).
    bool m_bNicIpFollowsControl = false;

private:
    // Writes a size into its field ("%u") and its spin's position.
    void ShowSize(UINT nEdit, UINT nSpin, UINT nValue);
    void SetDriverSize(UINT nValue);
    void SetDllSize(UINT nValue);

    CSaveSelEdit m_GuestMacEdit;
    CSaveSelEdit m_DriverEdit;
    CSaveSelEdit m_DllEdit;
    SBufferSizeLimits m_limits;
};
