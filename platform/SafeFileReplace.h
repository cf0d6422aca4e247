// SafeFileReplace.h: writes a whole text file so that a failure never leaves
// it half written. The text goes to a temporary file in the same folder, is
// flushed to the disk, and only then takes the place of the old file; on any
// failure the old file stays as it was and the temporary file is removed.
#pragma once

#include "platform/CString.h"

// Where a replacement failed: creating the new file or putting it in place
// (the file cannot be opened for writing), or writing its contents.
enum SafeReplaceStage { kReplaceOk = 0, kReplaceOpenFailed, kReplaceWriteFailed };

struct SafeReplaceResult {
    SafeReplaceStage eStage;
    DWORD dwError;  // the operating system's error code; 0 on success
};

// Writes strContents (its bytes as they are) as the file at pszPath. A file
// that exists but may not be written (read-only), or a folder of that name,
// is refused and left alone.
SafeReplaceResult SafeReplaceFile(const char* pszPath, const CString& strContents);
