// AddCOMMPage.h: CAddCOMMPage, the base of the communication adapter
// sheet's pages (OSA, LCS, CTCI, CTCE). A page edits one kind of adapter;
// its kind is its communication subtype and its index in the sheet.
//
// What every page shares: the description, the device-number field and
// the type list (the page's type word only; both disabled when
// reinitialising); reading its fields when first shown (from the device's
// arguments when the device is of its kind, else the addresses carried
// over from the page of the device's kind); on activation the type word
// and the sheet's active page; and, only while the sheet handles OK and
// only on the active page, the checks and the rebuilt device and command.
// Leaving a page saves its fields without checking them.
//
// A page provides its kind's parts: ParseArguments, Addresses and
// TakeAddresses (the carry-over), InitControls, ExchangeFields,
// ValidatePage, BuildArgumentText, HelpRows and SetupDynamicLayout.
#pragma once

#include <memory>
#include <vector>

#include "config/CVornDevice.h"
#include "devices/CommAdapterArguments.h"
#include "framework/HelpKeys.h"
#include "framework/HexSimpleEdit.h"
#include "framework/cdxCDynamicHelpPropPage.h"
#include "platform/CIPAddressCtrl.h"
#include "platform/CWLComboBoxEx.h"
#include "resources/resource.h"

class CAddCOMMSheet;

// What makes a page: its kind, template, type list and type word, and the
// text of its description.
struct SCommPageKind {
    int nKind;
    UINT nTemplate;
    UINT nTypeList;
    const char* pszTypeWord;
    const char* pszDescription;
};

class CAddCOMMPage : public cdxCDynamicHelpPropPage {
    DECLARE_MESSAGE_MAP()
public:
    CAddCOMMPage(CAddCOMMSheet* pSheet, const SCommPageKind& kind);

    int Kind() const { return m_kind.nKind; }
    const char* TypeWord() const { return m_kind.pszTypeWord; }
    // True once the page has read its fields (it has been shown).
    bool HasFields() const { return m_bFieldsLoaded; }

    // The addresses the page holds, for the page the user switches to; a
    // page fills what its kind has.
    virtual SCommAddresses Addresses() const = 0;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;

    // The checks of OK, in order: a reinitialised device only on the page
    // of its own kind, the device number (adding only), the page's own.
    // False with the balloon of the first that failed.
    bool Validate(CDataExchange* pDX);
    // The sheet's device from the page's fields, then its command.
    void BuildCommand();

    // The balloon of a reinitialised device OK'd on another kind's page.
    static CString KindKeptMessage(const CString& strDeviceKind, const char* pszPageKind);

protected:
    // A control (0: the page) and its balloon string, also its help id.
    using SHelpRow = SControlHelp;

    // ---- what each page provides ----
    // The device's argument text into the fields (the page of its kind).
    virtual void ParseArguments(const CString& strArgs) = 0;
    // The carried addresses into the fields (CommCarriedFields chose them).
    virtual void TakeAddresses(const SCommAddresses& addresses) = 0;
    // Control states and ranges after the common steps of initialisation.
    virtual void InitControls() {}
    // The page's fields, both directions; no checks.
    virtual void ExchangeFields(CDataExchange*) {}
    // The page's checks after the device number's.
    virtual bool ValidatePage(CDataExchange* pDX) = 0;
    // The argument text from the fields (trimmed).
    virtual CString BuildArgumentText() = 0;
    virtual std::vector<SHelpRow> HelpRows() const = 0;
    virtual void SetupDynamicLayout() {}

    // ---- helpers ----
    CAddCOMMSheet& Sheet() const { return *m_pSheet; }
    CVornDevice& Device() const;
    bool IsAdding() const;
    // The balloon on a control, titled pszTitle; fails the exchange.
    bool Refuse(CDataExchange* pDX, UINT nCtrl, const char* pszTitle, const char* pszText);
    void EnableControl(UINT nID, bool bEnable);
    // An IP address control: "%d.%d.%d.%d" with all four fields filled,
    // else empty; shown from a text (cleared unless it is a dotted address).
    CString IPControlText(UINT nID) const;
    void ShowIPAddress(UINT nID, const CString& strAddr);
    bool IsIPControlBlank(UINT nID) const;

    // The host adapter named either by IP (IDC_COMM_NIC_IP) or by MAC
    // (IDC_COMM_NIC_MAC), never both: the first shown wins and the other
    // field is emptied and disabled.
    void ShowNicAddress(CString& strNicIP, CString& strNicMAC);
    // The NIC MAC edit changed: filtered, taken; while it holds a text the
    // NIC IP control is cleared (and strNicIP with it) and disabled.
    void OnNicMacEdited(CString& strNicMAC, CString& strNicIP);
    // The NIC IP control changed: while it is not blank the NIC MAC field
    // (and strNicMAC) is emptied and disabled.
    void OnNicIpEdited(CString& strNicMAC);
    // The OSA and CTCI rule: the NIC IP must be one of the host's adapters
    // unless only a NIC MAC is given, which must then be one of the host's.
    bool ValidateHostAdapter(CDataExchange* pDX, CString& strNicIP, CString& strNicMAC);

    CString m_strDescription;
    CString m_strDevNum;
    int m_nTypeIndex = 0;
    CDevNumEdit m_DevNumEdit;
    CWLComboBoxEx m_TypeList;
    CSaveSelEdit m_NicMacEdit;  // bound by the pages that have IDC_COMM_NIC_MAC
    bool m_bUpdating = false;   // the page writes a control itself

private:
    // The page's IP address controls, bound so that each frees the font it
    // makes for its fields when it goes.
    std::vector<std::unique_ptr<CIPAddressCtrl>> m_ipControls;
    void LoadFields();
    // The common rows and the page's through SetHelpString or SetHelpId.
    template <class TSetter>
    void RegisterHelpRows(TSetter setter);
    bool ValidateKind(CDataExchange* pDX);
    bool ValidateDevNum(CDataExchange* pDX);

    CAddCOMMSheet* m_pSheet;  // the owning sheet (not owned)
    SCommPageKind m_kind;
    bool m_bFieldsLoaded = false;
};
