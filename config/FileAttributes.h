// FileAttributes.h: what the file checks need to know about a path.
#pragma once

#include "platform/Types.h"

struct SPathAttributes {
    bool bExists = false;
    bool bDirectory = false;
    bool bReadOnly = false;
    bool bHiddenOrSystem = false;   // Windows' hidden and system attributes
    UINT64 ullSize = 0;
};

// The attributes of the path; all false when it does not exist. The host
// build reads '\' as '/' (CSplitPath gives Windows-form paths).
SPathAttributes GetPathAttributes(const char* pszPath);
