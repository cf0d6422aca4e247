// DynDevListDlgBarMenu.cpp: the device-list bar's hit test, context menus
// and device commands. Every emulator command goes through the view.
#include "devices/DynDevListDlgBar.h"

#include "config/CVornDevice.h"
#include "config/DockFloatMenu.h"
#include "framework/CSizingControlBar.h"
#include "config/FileDialogPaths.h"
#include "config/FileDialogs.h"
#include "config/SockdevAddress.h"
#include "devices/DevListText.h"
#include "utilities/UtilityDlg.h"
#include "platform/CSplitPath.h"
#include "platform/WindowHelpers.h"

namespace {

const DWORD_PTR kGroupFlag = 0x80000000;
const UINT_PTR kRemovalTimer = 1;
const UINT kRemovalDelayMs = 125;

}  // namespace

int CDynDevListDlgBar::HitTest(CPoint ptScreen)
{
    TVHITTESTINFO hti = {};
    hti.pt = ptScreen;
    ::ScreenToClient(m_Tree.m_hWnd, &hti.pt);
    HTREEITEM hItem = m_Tree.HitTest(&hti);
    if (!(hti.flags & TVHT_ONITEM))
        hItem = nullptr;
    if (hItem && IsRunningAndReady())
        m_Tree.SelectItem(hItem);
    return TakeMenuItem(hItem);
}

int CDynDevListDlgBar::TakeMenuItem(HTREEITEM hItem)
{
    m_wClickedClass = 0;
    m_nClickedKey = 0;
    m_nNextFreeKey = 0;
    m_ClickedEntry = CDevListEntry();
    if (!hItem)
        return -1;
    DWORD_PTR dwData = m_Tree.GetItemData(hItem);
    if (dwData & kGroupFlag) {
        m_wClickedClass = (WORD)dwData;
        m_nNextFreeKey = NextFreeKeyOfClass(m_wClickedClass);
        return 0;
    }
    m_nClickedKey = (int)(dwData & ~kGroupFlag);
    LookupShown(m_nClickedKey, m_ClickedEntry);
    m_wClickedClass = (WORD)m_Tree.GetItemData(m_Tree.GetParentItem(hItem));
    m_nNextFreeKey = NextFreeKeyOfClass(m_wClickedClass);
    return 1;
}

// From one above the group's last device (the highest key: a group stands
// in key order), the first key no shown device has; an adapter's first
// address is even.
int CDynDevListDlgBar::NextFreeKeyOfClass(int nClass)
{
    int nLastKey = -1;
    if (nClass >= 0 && nClass < DEVCLASS_COUNT && !m_ClassKeys[nClass].empty())
        nLastKey = *m_ClassKeys[nClass].rbegin();
    return NextFreeDevKey(nLastKey, [this](int nKey) { return IsDevNumShown((DWORD)nKey); },
                          nClass == DEVCLASS_COMM);
}

void CDynDevListDlgBar::LoadContextMenu(int nHit, BCMenu& menu)
{
    if (!IsRunningAndReady())
        nHit = -1;
    m_nMenuId = nHit == 1 ? IDR_DEVLIST_DEVICE_MENU : nHit == 0 ? IDR_DEVLIST_CLASS_MENU : IDR_BAR_MENU;
    menu.LoadMenu(m_nMenuId);
    menu.LoadToolbar(IDR_MENU_IMAGES);
    // The bar's own menu also offers docking or floating its host bar.
    if (m_nMenuId == IDR_BAR_MENU)
        AppendDockFloatMenuItems(m_pHostBar, menu.GetSubMenu(0));
}

// From the mouse the menu is of the item clicked; from the keyboard (the
// point -1,-1) of the selected item, and it opens beside that item.
void CDynDevListDlgBar::OnContextMenu(CWnd*, CPoint point)
{
    bool bKeyboard = point.x == -1 && point.y == -1;
    HTREEITEM hSelected = bKeyboard ? m_Tree.GetSelectedItem() : nullptr;
    BCMenu menu;
    LoadContextMenu(bKeyboard ? TakeMenuItem(hSelected) : HitTest(point), menu);
    BCMenu* pPopup = menu.GetSubMenu(0);
    if (!pPopup)
        return;
    CPoint pt = CalcContextMenuPoint(this, point);
    RECT rcItem;
    if (hSelected && m_Tree.GetItemRect(hSelected, &rcItem, TRUE))
        pt = ContextMenuPointBeside(m_Tree.m_hWnd, rcItem);
    SetForegroundWindow();
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, this);
    PostMessage(WM_NULL);
}

// The device menu fits the clicked device: only its class's commands, the
// ones a busy device cannot take grayed, Trace CCWs checked while tracing.
void CDynDevListDlgBar::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu || m_nMenuId != IDR_DEVLIST_DEVICE_MENU)
        return;
    if (m_wClickedClass != DEVCLASS_RDR)
        pPopupMenu->RemoveMenu(ID_DEVLIST_LOAD_CARDS, MF_BYCOMMAND);
    if (m_wClickedClass != DEVCLASS_PCH && m_wClickedClass != DEVCLASS_PRT) {
        pPopupMenu->RemoveMenu(ID_DEVLIST_STOP, MF_BYCOMMAND);
        pPopupMenu->RemoveMenu(ID_DEVLIST_START, MF_BYCOMMAND);
    }
    if (m_wClickedClass != DEVCLASS_TAPE) {
        pPopupMenu->RemoveMenu(ID_DEVLIST_LOAD_TAPE, MF_BYCOMMAND);
        pPopupMenu->RemoveMenu(ID_DEVLIST_UNLOAD_TAPE, MF_BYCOMMAND);
    }
    CDevListEntry shown;
    bool bShown = LookupShown(m_nClickedKey, shown);
    UINT nEnable = bShown && (shown.m_wState & (kDevListBusy | kDevListIntPending)) ? MF_GRAYED : MF_ENABLED;
    for (UINT nID : {ID_DEVLIST_REINIT, ID_DEVLIST_RENAME, ID_DEVLIST_ATTENTION, ID_DEVLIST_START})
        pPopupMenu->EnableMenuItem(nID, MF_BYCOMMAND | nEnable);
    pPopupMenu->CheckMenuItem(ID_DEVLIST_TRACE_CCWS,
                              MF_BYCOMMAND | (bShown && shown.m_bCCWTrace ? MF_CHECKED : MF_UNCHECKED));
}

void CDynDevListDlgBar::OnTreeDblClk(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (HitTest(CPoint(::GetMessagePos())) == 1)
        OnReinit();
}

// Start, Stop, Unload Tape, Subchannel Status, Attention interrupt.
BOOL CDynDevListDlgBar::OnDeviceCommand(UINT nID)
{
    SendVornCommand(DeviceMenuCommand(nID, m_nClickedKey, false));
    return TRUE;
}

// The device is looked up when the command runs: a copy taken at the
// right-click could overwrite newer state or bring back a removed device.
void CDynDevListDlgBar::OnTraceCCWs()
{
    CDevListEntry entry;
    if (!LookupShown(m_nClickedKey, entry))
        return;
    SendVornCommand(DeviceMenuCommand(ID_DEVLIST_TRACE_CCWS, m_nClickedKey, entry.m_bCCWTrace != 0));
    entry.m_bCCWTrace = entry.m_bCCWTrace ? 0 : 1;
    m_DevList.SetAt(m_nClickedKey, entry);
    m_ClickedEntry = entry;
}

// The tree is left to the emulator's own reports of the device: it goes
// from the tree only when the emulator says it has gone.
void CDynDevListDlgBar::OnDetach()
{
    SendVornCommand(DeviceMenuCommand(ID_DEVLIST_DETACH, m_nClickedKey, false));
    ScheduleRemoval(m_nClickedKey);
}

void CDynDevListDlgBar::ScheduleRemoval(int nKey)
{
    m_RemovalKeys.push_back(nKey);
    m_nRemovalTimer = SetTimer(kRemovalTimer, PanelRefreshRate() + kRemovalDelayMs, nullptr);
}

void CDynDevListDlgBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kRemovalTimer) {
        cdxCDynamicBarDlg::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kRemovalTimer);
    m_nRemovalTimer = 0;
    RemoveScheduled();
}

// Detached devices, and the old numbers of renamed ones, leave the configuration.
void CDynDevListDlgBar::RemoveScheduled()
{
    std::vector<int> keys;
    keys.swap(m_RemovalKeys);
    for (int nKey : keys)
        RemoveConfiguredDevice(nKey);
}

void CDynDevListDlgBar::OnLoadCards()
{
    CVornDevice dev;
    if (!LookupConfiguredDevice(m_nClickedKey, dev))
        dev = CVornDevice();
    DWORD dwAddress = 0;
    UINT nPort = 0;
    bool bSocket = ParseSockdevAddress(dev.m_strFirstArg, dwAddress, &dev.m_strOtherArgs, nPort);
    CString strPath;
    if (BrowseForFileMustExist(GetReaderFilesFilter(), strPath, "Reader File", ReaderFilesDir(), nullptr) != IDOK)
        return;
    strPath = CSplitPath(strPath).GetFullPath();  // the deck in Windows form
    if (!bSocket) {
        SendVornCommand(LoadCardsCommand(m_nClickedKey, strPath, dev.m_strOtherArgs));
        return;
    }
    CSplitPath split(strPath);
    WIN32_FILE_ATTRIBUTE_DATA fad = {};
    INT64 nSize = ::GetFileAttributesExA(strPath, GetFileExInfoStandard, &fad)
                      ? ((INT64)fad.nFileSizeHigh << 32) + fad.nFileSizeLow
                      : 0;
    RunCardSubmission(SocketLoadCardsTitle(dev.m_strFirstArg, split.GetFileNameAndExt()), split.GetFullPathOnly(),
                      nSize);
}
