// FileChecks.h: whether a name is a usable input or output file, with the
// status codes and the messages that the dialogs show.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

// Input file status codes.
enum : int {
    kInputNoName = 0,
    kInputBadChars = 2,
    kInputNotFound = 3,
    kInputOK = 4,
    kInputNotAFile = 5,          // a directory, or a hidden or system file
    kInputCKD64Unsupported = 6,  // a 64-bit disk image without the 64-bit utilities
};

// Output file status codes (0 .. 3 also the directory's ValidateDirectory reasons).
enum : int {
    kOutputNoName = 0,
    kOutputBadDirectory = 1,
    kOutputBadChars = 2,
    kOutputNew = 3,              // not there (also when its directory is not)
    kOutputExists = 4,
    kOutputNotAFile = 5,
    kOutputReadOnly = 7,
};

// True while the 64-bit utility programs are missing from the executables
// folder (the console view records it): a 64-bit disk image then is no
// usable input file.
extern bool g_bCKD64UtilitiesMissing;

// True when the name holds a character that no file name may hold: the
// codes 1 to 31 and < > : " / \ |.
bool HasInvalidFileNameChars(const char* pszName);

// The file is trimmed and made a full path; strNameExt receives its name and
// extension and ullSize its size (for a disk image while the 64-bit
// utilities are missing, the size its header tells).
int InputFileStatus(const char* pszFile, CString& strNameExt, UINT64& ullSize);
// True for a usable input file; otherwise false with the reason.
bool CheckInputFile(const char* pszFile, CString& strMsg);

// The status of pszFile in pszDir (both trimmed).
int CheckOutputFile(const char* pszFile, const char* pszDir);
// True when the file may be written: new (no message) or existing (the
// message "The specified output file already exists." and bExists set);
// otherwise false with the reason.
bool CheckOutputFileMsg(const char* pszFile, const char* pszDir, CString& strMsg, bool& bExists);
