// CDevMap.h: the configuration's devices, keyed by (LCSS << 16) + device
// number. operator[] inserts a default device for an absent key.
#pragma once

#include "config/CVornDevice.h"
#include "platform/CMap.h"

class CDevMap : public CMap<DWORD, DWORD, CVornDevice, const CVornDevice&> {
public:
    // Same count, and every key of this map holds an equal device in the other.
    bool operator==(const CDevMap& other) const;
    bool operator!=(const CDevMap& other) const { return !(*this == other); }
};
