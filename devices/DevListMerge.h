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

// The shown devices that MergeDevList looks at for the list: for an
// incremental list only those it names, so that a report of a few changes
// costs the same however many devices are shown; for a full list all.
CDevListEntryMap ShownDevicesOfList(const CDevListEntryMap& shown, const CDevListMap& list);
