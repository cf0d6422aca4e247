// CDevListMap.h: CDevListMap, one device list as the emulator reported it
// (every device, or only those added, changed and deleted since the last
// report), keyed by (channel-subsystem id << 16) + device number; and
// CDevListMapPtrList, the device-list bar's queue of finished lists.
// A list is made on the heap by whoever starts it and deleted by whoever
// takes it. Window-free.
#pragma once

#include "devices/CDevListEntry.h"
#include "platform/CList.h"
#include "platform/CMap.h"

// The devices of one list, or the devices the bar shows.
typedef CMap<int, int, CDevListEntry, const CDevListEntry&> CDevListEntryMap;

class CDevListMap : public CDevListEntryMap {
public:
    // bIncremental: 0 for a full list, 1 for an incremental one.
    explicit CDevListMap(BYTE bIncremental) : CDevListEntryMap(10), bIncremental(bIncremental)
    {
        InitHashTable(17);
    }
    virtual ~CDevListMap() = default;
    CDevListMap(const CDevListMap&) = default;
    CDevListMap& operator=(const CDevListMap&) = default;

    BYTE bIncremental;
    // Its device lines gave numbers without their channel subsystem (as
    // some versions do even when asked for it): each is keyed as subsystem 0.
    bool bWithoutLcss = false;
};

class CDevListMapPtrList : public CList<CDevListMap*, CDevListMap*> {
public:
    CDevListMapPtrList() : CList(10) {}
    // Deletes every list in the queue and empties it.
    void DeleteAll()
    {
        while (!IsEmpty())
            delete RemoveHead();
    }
};
