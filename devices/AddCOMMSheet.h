// AddCOMMSheet.h: CAddCOMMSheet, the definition dialog of a communication
// adapter (device class 7): a resizable property sheet with one page per
// adapter kind, in the tab order OSA (QETH), LCS, CTCI, CTCE.
//
// The sheet opens on the page of the device's kind (SetActivePageByType,
// run by PrepareToRun). A page the user switches to takes the addresses of
// the page of the device's kind (CommCarriedFields). OK asks only the
// active page: it checks its fields and rebuilds the device (class 7, type
// 0x3088, the page's type word as first argument, subtype = the page's
// kind) and the command; the pages that are not active are not looked at.
// A running emulator's device being reinitialised keeps its kind: only the
// page of its own kind can be applied, the others refuse OK with a balloon.
// A device of a configuration that is not running may change its kind.
//
// Apply is hidden; Cancel takes its place and OK Cancel's.
#pragma once

#include "devices/AddCTCEPage.h"
#include "devices/AddCTCIPage.h"
#include "devices/AddLCSPage.h"
#include "devices/AddQETHPage.h"
#include "devices/CDeviceDlg.h"
#include "framework/cdxCDynamicHelpPropSheet.h"

class CAddCOMMSheet : public cdxCDynamicHelpPropSheet, public CDeviceDefinition {
    DECLARE_MESSAGE_MAP()
public:
    explicit CAddCOMMSheet(CWnd* pParent = nullptr);

    INT_PTR RunModal() override { return DoModal(); }
    // The page of the device's kind opens first.
    void PrepareToRun() override { SetActivePageByType(m_Device.m_nSubtype); }

    // Subtype 1 LCS, 2 CTCI, 3 CTCE; any other the OSA (QETH) page.
    void SetActivePageByType(int nSubtype);
    // The sheet's page of a kind; null for a kind it has no page for.
    CAddCOMMPage* PageOfKind(int nKind) const;

    // The kind of the page last activated, or active when OK was pressed.
    int ActivePageIndex() const { return m_nActivePage; }
    void SetActivePageIndex(int nKind) { m_nActivePage = nKind; }
    // True only while OK is handled: the active page then checks and builds.
    bool IsOkInProgress() const { return m_bOkInProgress; }

    CAddQETHPage m_QETHPage;
    CAddLCSPage m_LCSPage;
    CAddCTCIPage m_CTCIPage;
    CAddCTCEPage m_CTCEPage;

protected:
    BOOL OnInitDialog() override;
    void RegisterHelpStrings() override;
    void OnOK();

private:
    void PlaceButtons();

    CAddCOMMPage* m_pages[kCommKindCount] = {};  // by kind; not owned
    int m_nActivePage = 0;
    bool m_bOkInProgress = false;
    bool m_bPassingOk = false;  // the control's own OK handling runs
};
