// DevListMerge.h: how one reported device list changes the devices the
// device-list bar shows. A full list replaces what is shown; an incremental
// list adds, changes and deletes single devices. The bar turns the returned
// steps into tree items. Window-free.
#pragma once

#include <vector>

#include "devices/CDevListMap.h"

enum EDevListStep { kDevListRemove, kDevListAdd, kDevListUpdate };

struct SDevListStep {
    EDevListStep eStep;
    int nKey;
    CDevListEntry entry;  // Add and Update: the entry now shown
};

// Applies list to shown and returns the steps taken: every removal first,
// then the additions and updates, each in key order.
// Incremental list: an added or deleted device that is shown is removed,
// except an added one of the same device type; an added or changed device
// that is not shown is added; a changed device that is shown is updated when
// its number, device type, status bits or description differ.
// Full list: shown devices missing from the list are removed, new ones
// added, and shown ones updated when their state or description differ.
// An update keeps the shown entry's CCW-trace flag.
std::vector<SDevListStep> MergeDevList(CDevListEntryMap& shown, const CDevListMap& list);

// The same merge in parts, so that a list of thousands of devices is merged
// over several of the bar's steps: the same steps in the same order as
// MergeDevList. shown and list must outlive it and change only through it.
class CDevListMerge {
public:
    CDevListMerge(CDevListEntryMap& shown, const CDevListMap& list);
    // Looks at up to nEntries more devices (the list's, and for a full
    // list's removals the shown ones) and appends the steps taken; true once
    // the list is merged.
    bool Continue(size_t nEntries, std::vector<SDevListStep>& steps);

private:
    CDevListEntryMap& m_Shown;
    const CDevListMap& m_List;
    bool m_bAdding = false;  // the removals are done
    POSITION m_pos;          // the next device to look at
};

// The shown devices that MergeDevList looks at for the list: for an
// incremental list only those it names, so that a report of a few changes
// costs the same however many devices are shown; for a full list all.
CDevListEntryMap ShownDevicesOfList(const CDevListEntryMap& shown, const CDevListMap& list);
// The same for an incremental list in parts: the shown devices of up to
// nEntries more of its devices, from pos on, go to named; true once pos
// has passed the last.
bool GatherShownDevicesOfList(const CDevListEntryMap& shown, const CDevListMap& list, POSITION& pos,
                              size_t nEntries, CDevListEntryMap& named);
