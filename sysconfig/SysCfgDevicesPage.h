// SysCfgDevicesPage.h: CSysCfgDevicesPage, the "Devices" page: every device
// of the edited configuration as its statement line, added by class, edited
// and removed through the device definition dialogs, and the IPL load unit
// chosen from the list. Each addition, edit and removal queues the emulator
// command that applies it; the queue goes out when a page is applied while
// the emulator runs.
#pragma once

#include "config/CVornDevice.h"
#include "config/DefaultDevices.h"
#include "platform/CGdiObject.h"
#include "sysconfig/DevicesPageRules.h"
#include "sysconfig/DevsListBox.h"
#include "sysconfig/SysCfgPage.h"

class CMenu;

// What the page hands the device definition dialogs' open function.
struct SysCfgDeviceDialogRun {
    CWnd* pParent = nullptr;
    bool bAdd = false;        // a new device; else an edit of an existing one
    bool bManualEdit = false; // the statement editor, whatever the class
    bool bRunningDevice = false;  // the emulator runs: the command goes out at Apply
    CIsDevNumDefinedFuncRouterObject* pRouter = nullptr;  // not owned
};

class CSysCfgDevicesPage : public CSysCfgPage {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_SYSCFG_DEVICES };
    explicit CSysCfgDevicesPage(CSysCfgDialog* pDlg);

    bool IsModified() const override;
    void SnapshotSettings() override;
    // Shows the edited load unit: parsed into the highlighted device number,
    // the list repainted.
    virtual void RefreshLoadUnit();

    CDevsListBox& List() { return m_list; }
    int ContextIndex() const { return m_nContextIndex; }
    const CVornDevice& Prototype(int nClass) const { return m_prototypes[nClass]; }
    const CPendingDeviceCommands& Pending() const { return m_pending; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    const SysCfgHelpRow* HelpStringRows(size_t& nRows) const override;
    const SysCfgHelpRow* HelpIdRows(size_t& nRows) const override;

    void OnAddRange(UINT nID);
    void OnAddOther();
    void OnRemove();
    void OnSelChangeList();
    void OnDblClkList();
    void OnManualEdit();
    void OnProperties();
    void OnSetLoadUnit();
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnInitMenuPopup(CMenu* pPopup, UINT nIndex, BOOL bSysMenu);
    void OnListParentNotify(UINT message, LPARAM lParam);
    LRESULT OnSysCfgApply(WPARAM wp, LPARAM lp);

private:
    void AddDevice(WORD wClass);
    // The working device into the edited map and into the list, at its
    // place by class and key (replacing a line of the same key).
    void AddDeviceToList();
    // The working device's line put in with the list's redraw off, which it
    // turns on again; its index.
    int PutWorkDeviceLine(bool bKeepPlace);
    void EditDevice(bool bProperties);
    // The context line's device as the working device; false when there is
    // no such line (the index is checked against the list).
    bool LoadContextDevice();
    int KeyboardContextLine() const;
    bool HasContextLine() const;
    // The add's current directory: the folder of the working device's file.
    void SetConfigDirAsCurrent();
    // The edit's current directory: the view's folder of the class's files.
    void SetClassDirAsCurrent(WORD wClass);
    // Opens the device dialog on the working device; true (the working
    // device edited, strCommand set) after OK.
    bool RunDeviceDialog(bool bAdd, bool bManualEdit, CString& strCommand);
    void ListChanged();
    void CreateListFonts();

    CVornDevice m_workDevice;
    int m_nContextIndex = -1;
    CFont m_listFont;
    CFont m_boldFont;
    COLORREF m_crHighlight = 0xFF0000;
    CDevMapRouter m_router;
    CVornDevice m_prototypes[kDefaultDeviceCount];
    CPendingDeviceCommands m_pending;
    CDevsListBox m_list;
};
