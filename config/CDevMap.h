// CDevMap.h: the configuration's devices, keyed by (LCSS << 16) + device
// number. operator[] inserts a default device for an absent key. Also the
// question whether a device already uses a file.
#pragma once

#include <functional>

#include "config/CVornDevice.h"
#include "platform/CMap.h"

class CDevMap : public CMap<DWORD, DWORD, CVornDevice, const CVornDevice&> {
public:
    // Same count, and every key of this map holds an equal device in the other.
    bool operator==(const CDevMap& other) const;
    bool operator!=(const CDevMap& other) const { return !(*this == other); }

    // True when a device's file (its first argument) is strFileName, both
    // standardized and compared without regard to case; only the devices
    // whose key isCounted accepts take part (all without it). False for an
    // empty name.
    bool IsFileUsed(const CString& strFileName, const std::function<bool(DWORD)>& isCounted = nullptr) const;
};
