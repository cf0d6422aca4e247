// CIsDevNumDefinedFuncRouterObject.h: the questions a device dialog asks its
// host about numbers and files already taken: by a device number, by the
// SYSG integrated console, or by a device's file. The Devices page answers
// them over the configuration being edited, the device-list bar over the
// devices the running emulator reports. Window-free.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

class CIsDevNumDefinedFuncRouterObject {
public:
    virtual ~CIsDevNumDefinedFuncRouterObject() = default;
    // True when a device with the key ((LCSS << 16) + device number) exists.
    virtual bool IsDevNumDefined(DWORD dwKey) = 0;
    // True when a SYSG console exists; its key is stored through pdwKey
    // when that is not null.
    virtual bool IsSysgDefined(DWORD* pdwKey) = 0;
    // True when another device already uses the file.
    virtual bool IsFileInUse(const CString& strFileName) = 0;
};
