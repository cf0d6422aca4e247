// DynDevListDlgBarTree.cpp: the device-list bar's tree: one group per
// device class, one item per shown device, each group in device-number
// order. A device item's LED is asked for when it is drawn
// (OnTreeGetDispInfo), so that a change of state repaints its row alone.
#include "devices/DynDevListDlgBar.h"

#include "devices/DevListText.h"

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

// Inserted last in its group: whoever adds sorts the group afterwards.
WORD CDynDevListDlgBar::AddDeviceItem(int nKey, const CDevListEntry& entry)
{
    WORD wClass = DevClassFromName(entry.m_strClass);
    if (wClass >= DEVCLASS_COUNT)
        wClass = DEVCLASS_UNKNOWN;
    HTREEITEM hGroup = m_hGroups[wClass];
    CString strText = DevListItemText(nKey, entry);
    TVINSERTSTRUCTA tvis = {};
    tvis.hParent = hGroup;
    tvis.hInsertAfter = TVI_LAST;
    tvis.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE;
    tvis.item.pszText = const_cast<char*>((LPCSTR)strText);
    tvis.item.iImage = tvis.item.iSelectedImage = I_IMAGECALLBACK;
    tvis.item.lParam = (LPARAM)nKey;
    tvis.item.state = tvis.item.stateMask = TVIS_EXPANDED;
    m_ItemMap.SetAt(nKey, m_Tree.InsertItem(&tvis));
    m_ClassKeys[wClass].insert(nKey);
    return wClass;
}

void CDynDevListDlgBar::SetDeviceItemText(HTREEITEM hItem, int nKey, const CDevListEntry& entry)
{
    CString strText = DevListItemText(nKey, entry);
    TVITEMA item = {};
    item.mask = TVIF_HANDLE | TVIF_TEXT;
    item.hItem = hItem;
    item.pszText = const_cast<char*>((LPCSTR)strText);
    m_Tree.SendMessage(TVM_SETITEMA, 0, (LPARAM)&item);
}

// The entry, kept up to date by the lists, gives the LED; a device going
// with an ended session is gray.
void CDynDevListDlgBar::OnTreeGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMTVDISPINFOA* pInfo = reinterpret_cast<NMTVDISPINFOA*>(pNMHDR);
    if (pInfo->item.mask & (TVIF_IMAGE | TVIF_SELECTEDIMAGE)) {
        CDevListEntry entry;
        LookupShown((int)pInfo->item.lParam, entry);
        pInfo->item.iImage = pInfo->item.iSelectedImage = DevListItemImage(entry.m_wState);
    }
    *pResult = 0;
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
    for (std::set<int>& keys : m_ClassKeys)
        if (keys.erase(nOldKey))
            keys.insert(nNewKey);
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
    for (std::set<int>& keys : m_ClassKeys)
        keys.erase(nKey);
}

// Groups first to last, each in device-number order: the items are taken
// from the back, the lowest in the tree first, so that what the tree shows
// at its top stays put while the rest goes.
void CDynDevListDlgBar::TakeOffAllDevices()
{
    for (std::set<int>& keys : m_ClassKeys) {
        for (int nKey : keys) {
            if (HTREEITEM hItem = FindDeviceItem(nKey)) {
                m_KeysToRemove.push_back(nKey);
                m_GoingItems.SetAt(nKey, hItem);
            }
        }
        keys.clear();
    }
    m_ItemMap.RemoveAll();
    m_DevList.RemoveAll();
}

void CDynDevListDlgBar::RemoveGoingItem(int nKey)
{
    HTREEITEM hItem = nullptr;
    if (m_GoingItems.Lookup(nKey, hItem))
        m_Tree.DeleteItem(hItem);
    m_GoingItems.RemoveKey(nKey);
}

// A step that only changed LEDs repaints their rows; one that held the tree
// what its changes moved or changed in view.
void CDynDevListDlgBar::EndStepPainting(const SStep& step)
{
    if (m_Tree.IsHeld())
        m_Tree.Resume(step.changedKeys);
    else
        m_Tree.RepaintRows(step.changedKeys);
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
