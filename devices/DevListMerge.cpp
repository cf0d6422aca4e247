// DevListMerge.cpp: a reported device list applied to the shown devices.
#include "devices/DevListMerge.h"

namespace {

bool Has(const CDevListEntryMap& map, int nKey)
{
    CDevListEntry e;
    return map.Lookup(nKey, e) != FALSE;
}

// What an incremental "changed" report compares; the class word is left out.
bool DiffersForChange(const CDevListEntry& a, const CDevListEntry& b)
{
    return a.m_bLcss != b.m_bLcss || a.m_wDevnum != b.m_wDevnum || a.m_strDevType != b.m_strDevType ||
           (a.m_wState & kDevListStatusBits) != (b.m_wState & kDevListStatusBits) || a.m_strDesc != b.m_strDesc;
}

bool DiffersForFull(const CDevListEntry& a, const CDevListEntry& b)
{
    return a.m_wState != b.m_wState || a.m_strDesc != b.m_strDesc;
}

void Remove(CDevListEntryMap& shown, int nKey, std::vector<SDevListStep>& steps)
{
    shown.RemoveKey(nKey);
    steps.push_back({kDevListRemove, nKey, CDevListEntry()});
}

void Add(CDevListEntryMap& shown, int nKey, const CDevListEntry& e, std::vector<SDevListStep>& steps)
{
    shown.SetAt(nKey, e);
    steps.push_back({kDevListAdd, nKey, e});
}

void Update(CDevListEntryMap& shown, int nKey, const CDevListEntry& old, CDevListEntry e,
            std::vector<SDevListStep>& steps)
{
    e.m_bCCWTrace = old.m_bCCWTrace;
    shown.SetAt(nKey, e);
    steps.push_back({kDevListUpdate, nKey, e});
}

void RemoveIncremental(CDevListEntryMap& shown, const CDevListMap& list, std::vector<SDevListStep>& steps)
{
    POSITION pos = list.GetStartPosition();
    while (pos) {
        int nKey;
        CDevListEntry e, old;
        list.GetNextAssoc(pos, nKey, e);
        if (!(e.m_wState & (kDevListAdded | kDevListDeleted)) || !shown.Lookup(nKey, old))
            continue;
        if ((e.m_wState & kDevListAdded) && old.m_strDevType == e.m_strDevType)
            continue;
        Remove(shown, nKey, steps);
    }
}

void AddIncremental(CDevListEntryMap& shown, const CDevListMap& list, std::vector<SDevListStep>& steps)
{
    POSITION pos = list.GetStartPosition();
    while (pos) {
        int nKey;
        CDevListEntry e, old;
        list.GetNextAssoc(pos, nKey, e);
        bool bShown = shown.Lookup(nKey, old) != FALSE;
        if ((e.m_wState & (kDevListAdded | kDevListChanged)) && !bShown)
            Add(shown, nKey, e, steps);
        else if ((e.m_wState & kDevListChanged) && bShown && DiffersForChange(old, e))
            Update(shown, nKey, old, e, steps);
    }
}

void RemoveFull(CDevListEntryMap& shown, const CDevListMap& list, std::vector<SDevListStep>& steps)
{
    std::vector<int> gone;
    POSITION pos = shown.GetStartPosition();
    while (pos) {
        int nKey;
        CDevListEntry e;
        shown.GetNextAssoc(pos, nKey, e);
        if (!Has(list, nKey))
            gone.push_back(nKey);
    }
    for (int nKey : gone)
        Remove(shown, nKey, steps);
}

void AddFull(CDevListEntryMap& shown, const CDevListMap& list, std::vector<SDevListStep>& steps)
{
    POSITION pos = list.GetStartPosition();
    while (pos) {
        int nKey;
        CDevListEntry e, old;
        list.GetNextAssoc(pos, nKey, e);
        if (!shown.Lookup(nKey, old))
            Add(shown, nKey, e, steps);
        else if (DiffersForFull(old, e))
            Update(shown, nKey, old, e, steps);
    }
}

}  // namespace

std::vector<SDevListStep> MergeDevList(CDevListEntryMap& shown, const CDevListMap& list)
{
    std::vector<SDevListStep> steps;
    if (list.bIncremental) {
        RemoveIncremental(shown, list, steps);
        AddIncremental(shown, list, steps);
    } else {
        RemoveFull(shown, list, steps);
        AddFull(shown, list, steps);
    }
    return steps;
}

CDevListEntryMap ShownDevicesOfList(const CDevListEntryMap& shown, const CDevListMap& list)
{
    if (!list.bIncremental)
        return shown;
    CDevListEntryMap named;
    for (POSITION pos = list.GetStartPosition(); pos;) {
        int nKey;
        CDevListEntry e;
        list.GetNextAssoc(pos, nKey, e);
        if (shown.Lookup(nKey, e))
            named.SetAt(nKey, e);
    }
    return named;
}
