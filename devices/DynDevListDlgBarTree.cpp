// DynDevListDlgBarTree.cpp: the device-list bar's tree: one group per
// device class, one item per shown device, each group in device-number
// order.
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
    tvis.item.iImage = tvis.item.iSelectedImage = DevListItemImage(entry.m_wState);
    tvis.item.lParam = (LPARAM)nKey;
    tvis.item.state = tvis.item.stateMask = TVIS_EXPANDED;
    m_ItemMap.SetAt(nKey, m_Tree.InsertItem(&tvis));
    return wClass;
}

void CDynDevListDlgBar::UpdateDeviceItem(HTREEITEM hItem, int nKey, const CDevListEntry& entry)
{
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

// Every device item goes, the tree painted once afterwards; the groups
// stay. The caller holds the lock.
void CDynDevListDlgBar::RemoveAllDevices()
{
    bool bTree = m_Tree.m_hWnd && !m_ItemMap.IsEmpty();
    if (bTree)
        HoldTreeRedraw();
    POSITION pos = m_ItemMap.GetStartPosition();
    while (pos && bTree) {
        int nKey;
        HTREEITEM hItem;
        m_ItemMap.GetNextAssoc(pos, nKey, hItem);
        m_Tree.DeleteItem(hItem);
    }
    if (bTree)
        ResumeTreeRedraw(false);
    m_ItemMap.RemoveAll();
    m_DevList.RemoveAll();
}

// The tree's own redraw flag, and the window's, which Windows' default
// handling of WM_SETREDRAW keeps: under Wine the tree keeps the message to
// itself, and then repaints its scroll bars for every item changed.
void CDynDevListDlgBar::HoldTreeRedraw()
{
    m_Tree.SetRedraw(FALSE);
    ::DefWindowProcA(m_Tree.m_hWnd, WM_SETREDRAW, FALSE, 0);
}

// The tree takes its redraw back while the window still holds its own: it
// sets its scroll bars without painting them. Turning the redraw on paints
// nothing on Windows, and under Wine only the items: the whole tree, frame
// and scroll bars with it, is repainted here once.
void CDynDevListDlgBar::ResumeTreeRedraw(bool bNow)
{
    m_Tree.SetRedraw(TRUE);
    ::DefWindowProcA(m_Tree.m_hWnd, WM_SETREDRAW, TRUE, 0);
    ::RedrawWindow(m_Tree.m_hWnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | (bNow ? RDW_UPDATENOW : 0));
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
