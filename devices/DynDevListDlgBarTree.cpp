// DynDevListDlgBarTree.cpp: the device-list bar's queue of finished lists
// and its tree: one group per device class, one item per shown device.
#include "devices/DynDevListDlgBar.h"

#include "devices/DevListMerge.h"
#include "devices/DevListText.h"
#include "session/PrivateMessages.h"

namespace {

const DWORD_PTR kGroupFlag = 0x80000000;

// Orders a group's children by their item data (the device key).
int CALLBACK CompareItemData(LPARAM lp1, LPARAM lp2, LPARAM)
{
    return (int)(lp1 - lp2);
}

}  // namespace

void CDynDevListDlgBar::InsertGroups()
{
    for (WORD wClass = 0; wClass < DEVCLASS_COUNT; ++wClass) {
        TVINSERTSTRUCTA tvis = {};
        tvis.hParent = TVI_ROOT;
        tvis.hInsertAfter = TVI_LAST;
        tvis.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE;
        tvis.item.pszText = const_cast<char*>(g_DevClassGroups[wClass].pszHeading);
        tvis.item.iImage = tvis.item.iSelectedImage = wClass;
        tvis.item.lParam = (LPARAM)(wClass | kGroupFlag);
        tvis.item.state = tvis.item.stateMask = TVIS_EXPANDED;
        m_hGroups[wClass] = m_Tree.InsertItem(&tvis);
    }
}

// The reader thread's side: a full list makes the lists still queued stale.
void CDynDevListDlgBar::QueueFinishedList(std::unique_ptr<CDevListMap> pList)
{
    ::EnterCriticalSection(&m_csDevList);
    bool bWasEmpty = m_DevListQueue.IsEmpty();
    if (!pList->bIncremental)
        m_DevListQueue.DeleteAll();
    m_DevListQueue.AddTail(pList.release());
    if (bWasEmpty && m_hWnd && ::IsWindow(m_hWnd))
        ::PostMessageA(m_hWnd, WM_DEVLIST_COMPLETE, 0, 0);
    ::LeaveCriticalSection(&m_csDevList);
}

LRESULT CDynDevListDlgBar::OnDevListComplete(WPARAM, LPARAM)
{
    DrainQueue();
    return 0;
}

// Takes every queued list out under the lock and applies them without it.
// Lists that come while the emulator is not running are dropped: they
// belong to a session that has ended.
void CDynDevListDlgBar::DrainQueue()
{
    bool bRunning = IsEmulatorRunning();
    if (!bRunning || !IsEmulatorReady())
        m_bNewFormatDevList = false;
    CDevListMapPtrList lists;
    ::EnterCriticalSection(&m_csDevList);
    while (!m_DevListQueue.IsEmpty())
        lists.AddTail(m_DevListQueue.RemoveHead());
    ::LeaveCriticalSection(&m_csDevList);
    while (!lists.IsEmpty()) {
        CDevListMap* pList = lists.RemoveHead();
        bool bReady = bRunning && IsEmulatorReady();
        if (!bRunning || (bReady && m_bNewFormatDevList && !pList->bIncremental))
            delete pList;
        else
            RebuildDeviceTree(pList);
    }
}

// Applies one list to the tree and deletes it. The first list taken while
// the emulator is not yet ready makes it ready. A list with devices tells
// how the emulator writes their numbers.
void CDynDevListDlgBar::RebuildDeviceTree(CDevListMap* pList)
{
    if (!pList->IsEmpty())
        m_bListsWithoutLcss = pList->bWithoutLcss;
    std::vector<SDevListStep> steps = MergeDevList(m_DevList, *pList);
    for (const SDevListStep& step : steps) {
        if (step.eStep == kDevListRemove)
            RemoveDeviceItem(step.nKey);
        else if (step.eStep == kDevListAdd)
            AddDeviceItem(step.nKey, step.entry);
        else
            UpdateDeviceItem(step.nKey, step.entry);
    }
    if (!steps.empty())
        m_Tree.UpdateWindow();
    delete pList;
    if (IsEmulatorRunning() && !IsEmulatorReady())
        FlushQueuedCommands();
}

void CDynDevListDlgBar::AddDeviceItem(int nKey, const CDevListEntry& entry)
{
    WORD wClass = DevClassFromName(entry.m_strClass);
    HTREEITEM hGroup = m_hGroups[wClass < DEVCLASS_COUNT ? wClass : (WORD)DEVCLASS_UNKNOWN];
    CString strText = DevListItemText(nKey, entry);
    TVINSERTSTRUCTA tvis = {};
    tvis.hParent = hGroup;
    tvis.hInsertAfter = TVI_LAST;
    tvis.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE;
    tvis.item.pszText = const_cast<char*>((LPCSTR)strText);
    tvis.item.iImage = tvis.item.iSelectedImage = DevListItemImage(entry.m_wState);
    tvis.item.lParam = (LPARAM)nKey;
    tvis.item.state = tvis.item.stateMask = TVIS_EXPANDED;
    HTREEITEM hItem = m_Tree.InsertItem(&tvis);
    SortGroup(hGroup);
    m_ItemMap.SetAt(nKey, hItem);
}

void CDynDevListDlgBar::UpdateDeviceItem(int nKey, const CDevListEntry& entry)
{
    HTREEITEM hItem = FindDeviceItem(nKey);
    if (!hItem)
        return;
    CString strText = DevListItemText(nKey, entry);
    TVITEMA item = {};
    item.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.hItem = hItem;
    item.pszText = const_cast<char*>((LPCSTR)strText);
    item.iImage = item.iSelectedImage = DevListItemImage(entry.m_wState);
    m_Tree.SendMessage(TVM_SETITEMA, 0, (LPARAM)&item);
}

// A renamed device keeps its item: the entry, the item's text and data move
// to the new key.
void CDynDevListDlgBar::MoveShownDevice(int nOldKey, int nNewKey)
{
    HTREEITEM hItem = FindDeviceItem(nOldKey);
    CDevListEntry entry;
    if (!hItem || !LookupShown(nOldKey, entry))
        return;
    entry.m_bLcss = (BYTE)(nNewKey >> 16);
    entry.m_wDevnum = (WORD)nNewKey;
    ::EnterCriticalSection(&m_csDevList);
    m_DevList.RemoveKey(nOldKey);
    m_ItemMap.RemoveKey(nOldKey);
    m_DevList.SetAt(nNewKey, entry);
    m_ItemMap.SetAt(nNewKey, hItem);
    ::LeaveCriticalSection(&m_csDevList);
    CString strText = DevListItemText(nNewKey, entry);
    TVITEMA item = {};
    item.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_PARAM;
    item.hItem = hItem;
    item.pszText = const_cast<char*>((LPCSTR)strText);
    item.lParam = (LPARAM)nNewKey;
    m_Tree.SendMessage(TVM_SETITEMA, 0, (LPARAM)&item);
}

void CDynDevListDlgBar::RemoveDeviceItem(int nKey)
{
    HTREEITEM hItem = FindDeviceItem(nKey);
    if (hItem)
        m_Tree.DeleteItem(hItem);
    m_ItemMap.RemoveKey(nKey);
    m_DevList.RemoveKey(nKey);
}

// Every device item goes; the groups stay. The caller holds the lock.
void CDynDevListDlgBar::RemoveAllDevices()
{
    POSITION pos = m_ItemMap.GetStartPosition();
    while (pos) {
        int nKey;
        HTREEITEM hItem;
        m_ItemMap.GetNextAssoc(pos, nKey, hItem);
        if (m_Tree.m_hWnd)
            m_Tree.DeleteItem(hItem);
    }
    m_ItemMap.RemoveAll();
    m_DevList.RemoveAll();
}

void CDynDevListDlgBar::SortGroup(HTREEITEM hGroup)
{
    TVSORTCB sort = {};
    sort.hParent = hGroup;
    sort.lpfnCompare = CompareItemData;
    m_Tree.SendMessage(TVM_SORTCHILDRENCB, 0, (LPARAM)&sort);
}

HTREEITEM CDynDevListDlgBar::FindDeviceItem(int nKey) const
{
    HTREEITEM hItem = nullptr;
    return m_ItemMap.Lookup(nKey, hItem) ? hItem : nullptr;
}
