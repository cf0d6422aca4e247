// DevListMerge.cpp: a reported device list applied to the shown devices.
#include "devices/DevListMerge.h"

#include <cstdint>

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

// An incremental list's device that leaves the tree: an added or deleted one
// that is shown, unless an added one is of the same device type.
void RemoveIncremental(CDevListEntryMap& shown, int nKey, const CDevListEntry& e, std::vector<SDevListStep>& steps)
{
    CDevListEntry old;
    if (!(e.m_wState & (kDevListAdded | kDevListDeleted)) || !shown.Lookup(nKey, old))
        return;
    if ((e.m_wState & kDevListAdded) && old.m_strDevType == e.m_strDevType)
        return;
    Remove(shown, nKey, steps);
}

void AddIncremental(CDevListEntryMap& shown, int nKey, const CDevListEntry& e, std::vector<SDevListStep>& steps)
{
    CDevListEntry old;
    bool bShown = shown.Lookup(nKey, old) != FALSE;
    if ((e.m_wState & (kDevListAdded | kDevListChanged)) && !bShown)
        Add(shown, nKey, e, steps);
    else if ((e.m_wState & kDevListChanged) && bShown && DiffersForChange(old, e))
        Update(shown, nKey, old, e, steps);
}

void AddFull(CDevListEntryMap& shown, int nKey, const CDevListEntry& e, std::vector<SDevListStep>& steps)
{
    CDevListEntry old;
    if (!shown.Lookup(nKey, old))
        Add(shown, nKey, e, steps);
    else if (DiffersForFull(old, e))
        Update(shown, nKey, old, e, steps);
}

}  // namespace

CDevListMerge::CDevListMerge(CDevListEntryMap& shown, const CDevListMap& list) : m_Shown(shown), m_List(list)
{
    m_pos = list.bIncremental ? list.GetStartPosition() : shown.GetStartPosition();
}

bool CDevListMerge::Continue(size_t nEntries, std::vector<SDevListStep>& steps)
{
    for (; nEntries; --nEntries) {
        if (!m_pos) {
            if (m_bAdding)
                return true;
            m_bAdding = true;
            m_pos = m_List.GetStartPosition();
            continue;
        }
        int nKey;
        CDevListEntry e;
        if (m_bAdding) {
            m_List.GetNextAssoc(m_pos, nKey, e);
            if (m_List.bIncremental)
                AddIncremental(m_Shown, nKey, e, steps);
            else
                AddFull(m_Shown, nKey, e, steps);
        } else if (m_List.bIncremental) {
            m_List.GetNextAssoc(m_pos, nKey, e);
            RemoveIncremental(m_Shown, nKey, e, steps);
        } else {
            // The position has moved past the device before it goes.
            m_Shown.GetNextAssoc(m_pos, nKey, e);
            if (!Has(m_List, nKey))
                Remove(m_Shown, nKey, steps);
        }
    }
    return m_bAdding && !m_pos;
}

std::vector<SDevListStep> MergeDevList(CDevListEntryMap& shown, const CDevListMap& list)
{
    std::vector<SDevListStep> steps;
    CDevListMerge(shown, list).Continue(SIZE_MAX, steps);
    return steps;
}

CDevListEntryMap ShownDevicesOfList(const CDevListEntryMap& shown, const CDevListMap& list)
{
    if (!list.bIncremental)
        return shown;
    CDevListEntryMap named;
    POSITION pos = list.GetStartPosition();
    GatherShownDevicesOfList(shown, list, pos, SIZE_MAX, named);
    return named;
}

bool GatherShownDevicesOfList(const CDevListEntryMap& shown, const CDevListMap& list, POSITION& pos,
                              size_t nEntries, CDevListEntryMap& named)
{
    for (; pos && nEntries; --nEntries) {
        int nKey;
        CDevListEntry e;
        list.GetNextAssoc(pos, nKey, e);
        if (const CDevListEntry* pShown = shown.LookupPtr(nKey))
            named.SetAt(nKey, *pShown);
    }
    return !pos;
}
