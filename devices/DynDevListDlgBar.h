// DynDevListDlgBar.h: CDynDevListDlgBar, the dockable bar that shows the
// running emulator's devices as a tree grouped by device class, kept in step
// with the device lists the emulator reports, with per-device and per-class
// context menus whose commands go to the emulator through the view. Taking
// its first device list makes the emulator ready. Also
// CDynDevListDlgBarIsDevNumDefinedFuncRouterObject, through which device
// dialogs ask which numbers and files the running emulator already has.
// Its parts:
//   DynDevListDlgBar.cpp         construction, appearance, power-off
//   DynDevListDlgBarTree.cpp     the tree's items
//   DynDevListDlgBarFill.cpp     the queue of lists, shown in steps, and the
//                                devices of an ended session taken off in steps
//   DynDevListDlgBarMenu.cpp     hit test, context menus, device commands
//   DynDevListDlgBarSession.cpp  what the bar asks of the view
#pragma once

#include <deque>
#include <memory>
#include <set>
#include <vector>

#include "devices/CDevListMap.h"
#include "config/DevClass.h"
#include "devices/CIsDevNumDefinedFuncRouterObject.h"
#include "devices/DevListMerge.h"
#include "framework/cdxCDynamicBarDlg.h"
#include "platform/BCMenu.h"
#include "platform/CGdiObject.h"
#include "platform/CImageList.h"
#include "platform/CSyncObject.h"
#include "devices/DevListTree.h"
#include "resources/resource.h"
#include "config/DefaultDevices.h"
#include "session/BarLook.h"
#include "session/DevListReceiver.h"

class CDynDevListDlgBar;
class CVornDevice;

class CDynDevListDlgBarIsDevNumDefinedFuncRouterObject : public CIsDevNumDefinedFuncRouterObject {
public:
    explicit CDynDevListDlgBarIsDevNumDefinedFuncRouterObject(CDynDevListDlgBar* pBar) : m_pBar(pBar) {}
    bool IsDevNumDefined(DWORD dwKey) override;
    bool IsSysgDefined(DWORD* pdwKey) override;
    // A device of the running configuration that the emulator shows uses
    // the file.
    bool IsFileInUse(const CString& strFileName) override;

private:
    CDynDevListDlgBar* m_pBar;  // not owned
};

class CDynDevListDlgBar : public cdxCDynamicBarDlg, public IDevListReceiver, public IBarLook {
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_DEVLIST_BAR };
    explicit CDynDevListDlgBar(CWnd* pParent = nullptr);
    ~CDynDevListDlgBar() override;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Escape (in the tree too): the command line gets the focus back.
    void OnCancel() override;
    // Balloon texts, then help context ids.
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;

    // Rebuilds the font and brush from the appearance fields, gives them to
    // the tree, stores them under "Settings\DeviceList" and redraws.
    void ApplyAppearance();
    // IBarLook: the preferences' Device List page.
    SBarLook GetLook() const override { return GetBarLook(*this); }
    void SetLook(const SBarLook& look) override { SetBarLook(*this, look); }

    // Hands a finished list over (the reader thread's side of the queue):
    // a full list first throws away every list still queued; the bar's
    // window is told when the queue was empty.
    void QueueFinishedList(std::unique_ptr<CDevListMap> pList) override;
    HWND GetDevListWnd() const override { return m_hWnd; }
    void SetNewFormatDevList(bool bNewFormat) override { m_bNewFormatDevList = bNewFormat; }

    // Under the lock: true when the tree shows a device with the key.
    bool IsDevNumShown(DWORD dwKey);
    // True when the running emulator has the device: the tree shows it; or,
    // while the emulator writes its numbers without their channel subsystem,
    // the tree shows the number and the view's configuration has the device
    // in that subsystem (a number it has in none is the emulator's own, in
    // subsystem 0). GUI thread.
    bool IsDevNumOfEmulator(DWORD dwKey);
    // True when a device of the view's configuration that the tree shows
    // uses the file (GUI thread).
    bool IsFileUsedByShownDevice(const CString& strFileName);
    // Under the lock: true when the shown devices include a SYSG console,
    // whose key is stored through pdwKey when that is not null.
    bool IsSysgShown(DWORD* pdwKey);

    // The tree item of a shown device, or null (GUI thread).
    HTREEITEM FindDeviceItem(int nKey) const;
    // True while lists taken from the queue are still being shown, the
    // devices of an ended session are still being taken off the tree, or a
    // step of either is still on its way (GUI thread).
    bool IsShowingLists() const
    {
        return m_bStepDue || m_bShowingList || !m_WaitingLists.empty() || !m_KeysToRemove.empty();
    }

    // Hit test at a screen point, recording what the menu commands act on:
    // 1 a device (its key, entry, class and the class's next free key), 0 a
    // class group (class and next free key), -1 nothing.
    int HitTest(CPoint ptScreen);
    // The same for a tree item (null: nothing), as the keyboard's menu takes
    // the selected one.
    int TakeMenuItem(HTREEITEM hItem);
    // Loads the context menu for a hit-test result (only the bar menu while
    // the emulator is not running and ready); the menu to track is its
    // first pop-up.
    void LoadContextMenu(int nHit, BCMenu& menu);
    int GetClickedKey() const { return m_nClickedKey; }
    int GetNextFreeKey() const { return m_nNextFreeKey; }
    WORD GetClickedClass() const { return m_wClickedClass; }
    CTreeCtrl& Tree() { return m_Tree; }

    // The lock of the queue, the shown list and the item map (spin count
    // 4000); the view takes it when it hands a finished list over.
    CRITICAL_SECTION m_csDevList;
    CDevListMapPtrList m_DevListQueue;
    // Set while the emulator has been asked for incremental lists.
    bool m_bNewFormatDevList = false;
    // Set while the emulator's lists give numbers without their channel
    // subsystem (the last list with a device said so).
    bool m_bListsWithoutLcss = false;

    // Appearance, copied in by the view before ApplyAppearance.
    LOGFONTA m_lf = {};
    int m_nFontSize = 8;
    CString m_strFontName;
    COLORREF m_clrText = RGB(255, 255, 255);
    COLORREF m_clrBack = RGB(0, 0, 0);

    CDynDevListDlgBarIsDevNumDefinedFuncRouterObject m_Router;
    // Per device class, the device the next Add device of that class starts
    // from: the default devices (with the preferred folders) at first.
    CVornDevice m_ClassTemplates[kDefaultDeviceCount];

protected:
    LRESULT OnDevListComplete(WPARAM wp, LPARAM lp);
    LRESULT OnDevListStep(WPARAM wp, LPARAM lp);
    LRESULT OnEmulatorActive(WPARAM wp, LPARAM lp);
    LRESULT OnPrefsApplyPage(WPARAM wp, LPARAM lp);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnTimer(UINT_PTR nIDEvent);
    void OnTreeDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    // A device's LED, asked for whenever its item is drawn: a change of its
    // state only repaints its row.
    void OnTreeGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    // The selected item in the system's selection colours, with or without
    // the focus (the bar's own text colour on the inactive selection's
    // light ground could not be read).
    void OnTreeCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDestroy();
    BOOL OnDeviceCommand(UINT nID);
    void OnTraceCCWs();
    void OnDetach();
    void OnReinit();
    void OnAddDevice();
    void OnLoadTape();
    void OnRename();
    void OnLoadCards();
    void OnBarClose();
    void OnBarProperties();
    void OnDockFloat(UINT nID);

private:
    // What one step has done to the tree so far (the tree is held while
    // items come, go or change their text). Items are known by their keys:
    // one may go and another come in its place within the step.
    struct SStep {
        bool bGroupsAdded[DEVCLASS_COUNT] = {};
        std::vector<DWORD_PTR> changedKeys;  // items that came, or whose text or LED changed
    };

    // The lists, shown in steps.
    void DrainQueue();
    void TakeList(std::unique_ptr<CDevListMap> pList);
    bool IsDroppedList(const CDevListMap& list) const;
    void ShowListsStep();
    void StartNextList();
    void MergeListPart();
    void EndMerge();
    void EndList();
    void ApplyChange(const SDevListStep& change, SStep& step);
    void ScheduleStep();
    void DropListsToShow();

    // The tree.
    void InsertGroups();
    // The group's class index.
    WORD AddDeviceItem(int nKey, const CDevListEntry& entry);
    void SetDeviceItemText(HTREEITEM hItem, int nKey, const CDevListEntry& entry);
    void RemoveDeviceItem(int nKey);
    void MoveShownDevice(int nOldKey, int nNewKey);
    // Power-off: no device is shown any more; their keys wait in
    // m_KeysToRemove in tree order. The caller holds the lock.
    void TakeOffAllDevices();
    // One of them off the tree.
    void RemoveGoingItem(int nKey);
    void SortGroup(HTREEITEM hGroup);
    // Has the tree repaint what the step changed in view.
    void EndStepPainting(const SStep& step);
    int NextFreeKeyOfClass(int nClass);

    // The device commands.
    bool IsRunningAndReady() const { return IsEmulatorRunning() && IsEmulatorReady(); }
    bool LookupShown(int nKey, CDevListEntry& entry) const { return m_DevList.Lookup(nKey, entry) != FALSE; }
    void ScheduleRemoval(int nKey);
    bool DefineDeviceWithDialog(CVornDevice& dev, bool bAdding, bool bLoadTape);
    void RemoveScheduled();
    void LoadSettings();
    void MakeFontAndBrush();
    // The font and colours to the tree, which keeps the bar at least a few
    // of its rows high; the appearance fields to the settings.
    void ShowAppearance();
    void StoreAppearance();

    // What the bar asks of the view.
    bool IsEmulatorRunning() const;
    bool IsEmulatorReady() const;
    void FlushQueuedCommands();
    // A command of the bar's own, with the prefix the emulator's version wants.
    void SendVornCommand(const CString& strCommand);
    bool LookupConfiguredDevice(int nKey, CVornDevice& dev) const;
    bool RemoveConfiguredDevice(int nKey);
    void StoreConfiguredDevice(const CVornDevice& dev);
    void GetLastLoad(bool bTape, CString& strFile, CString& strArgs) const;
    void SetLastLoad(bool bTape, const CString& strFile, const CString& strArgs);
    UINT PanelRefreshRate() const;
    CString ReaderFilesDir() const;
    void RunCardSubmission(const CString& strTitle, const CString& strFolder, INT64 nSize);
    void CloseBar();

    CDevListTree m_Tree;
    CImageList m_Images;
    CFont* m_pFont = nullptr;
    CBrush m_Brush;
    bool m_bTreeTipOnTop = false;  // the tree's tooltip has been made topmost

    CDevListEntryMap m_DevList;             // the devices shown
    std::set<int> m_ClassKeys[DEVCLASS_COUNT];  // their keys by the group they are in
    // The keys of an ended session's devices, still in the tree, in tree
    // order: they go from the back, the lowest first; and their items.
    std::vector<int> m_KeysToRemove;
    CMap<int, int, HTREEITEM, HTREEITEM> m_GoingItems;
    // The lists taken from the queue and not yet shown; the one being shown
    // while it is merged, with the shown devices it is merged against; and
    // the changes merged that are still to come.
    std::deque<std::unique_ptr<CDevListMap>> m_WaitingLists;
    std::unique_ptr<CDevListMap> m_pMergedList;
    CDevListEntryMap m_MergedShown;
    POSITION m_posGathered = nullptr;        // the next of its devices to look up
    std::unique_ptr<CDevListMerge> m_pMerge;  // once they are gathered
    std::vector<SDevListStep> m_Changes;
    size_t m_nNextChange = 0;
    bool m_bShowingList = false;  // a list was started and has not ended
    bool m_bStepDue = false;      // its next step's message or timer is on its way
    CMap<int, int, HTREEITEM, HTREEITEM> m_ItemMap;
    HTREEITEM m_hGroups[DEVCLASS_COUNT] = {};

    // Context-menu state, recorded by the hit test.
    UINT m_nMenuId = 0;
    WORD m_wClickedClass = 0;
    int m_nClickedKey = 0;
    int m_nNextFreeKey = 0;
    CDevListEntry m_ClickedEntry;

    UINT_PTR m_nRemovalTimer = 0;
    std::vector<int> m_RemovalKeys;
};
