// FileChecks.cpp: input and output file checks.
#include "config/FileChecks.h"

#include "config/DasdImage.h"
#include "config/DirectoryValidation.h"
#include "config/FileAttributes.h"
#include "platform/CSplitPath.h"
#include "platform/PathFunctions.h"
#include "platform/TextFunctions.h"

bool g_bCKD64UtilitiesMissing = false;

bool HasInvalidFileNameChars(const char* pszName)
{
    for (const unsigned char* p = (const unsigned char*)pszName; p && *p; p++)
        if (*p < 32 || CString("<>:\"/\\|").Find((char)*p) >= 0)
            return true;
    return false;
}

int InputFileStatus(const char* pszFile, CString& strNameExt, UINT64& ullSize)
{
    CString strFile = pszFile ? pszFile : "";
    TrimBlanks(strFile);
    if (strFile.IsEmpty())
        return kInputNoName;
    CSplitPath split(strFile);
    if (HasInvalidFileNameChars(split.GetFileNameAndExt()))
        return kInputBadChars;
    SPathAttributes attr = GetPathAttributes(split.GetFullPath());
    if (!attr.bExists)
        return kInputNotFound;
    if (attr.bDirectory || attr.bHiddenOrSystem)
        return kInputNotAFile;
    strNameExt = split.GetFileNameAndExt();
    ullSize = attr.ullSize;
    if (g_bCKD64UtilitiesMissing) {
        DasdImageHeader hdr;
        if (ReadDasdImageHeader(strFile, hdr, true)) {
            if (IsDasdImageType64(hdr.bImageType))
                return kInputCKD64Unsupported;
            ullSize = hdr.ullFileSize;
        }
    }
    return kInputOK;
}

bool CheckInputFile(const char* pszFile, CString& strMsg)
{
    CString strNameExt;
    UINT64 ullSize = 0;
    switch (InputFileStatus(pszFile, strNameExt, ullSize)) {
    case kInputOK: strMsg.Empty(); return true;
    case kInputBadChars: strMsg = "The specified filename contains one or more invalid characters"; break;
    case kInputNotFound: strMsg = "File not found"; break;
    case kInputNotAFile: strMsg = "The specified path is not a file"; break;
    case kInputCKD64Unsupported: strMsg = "File is CKD64 but CKD64 support is missing"; break;
    default: strMsg = "You must specify an input file"; break;
    }
    return false;
}

int CheckOutputFile(const char* pszFile, const char* pszDir)
{
    CString strFile = pszFile ? pszFile : "", strDir = pszDir ? pszDir : "";
    TrimBlanks(strFile);
    TrimBlanks(strDir);
    int nReason = 0;
    if (!ValidateDirectory(strDir, nReason))
        return nReason;
    if (strFile.IsEmpty())
        return kOutputNoName;
    if (HasInvalidFileNameChars(strFile))
        return kOutputBadChars;
    SPathAttributes attr = GetPathAttributes(StandardizedDirectory(strDir, true) + strFile);
    if (!attr.bExists)
        return kOutputNew;
    if (attr.bDirectory || attr.bHiddenOrSystem)
        return attr.bReadOnly ? kOutputReadOnly : kOutputNotAFile;
    return attr.bReadOnly ? kOutputReadOnly : kOutputExists;
}

bool CheckOutputFileMsg(const char* pszFile, const char* pszDir, CString& strMsg, bool& bExists)
{
    bExists = false;
    strMsg.Empty();
    switch (CheckOutputFile(pszFile, pszDir)) {
    case kOutputNew: return true;
    case kOutputExists:
        strMsg = "The specified output file already exists.";
        bExists = true;
        return true;
    case kOutputBadDirectory: strMsg = "The specified directory name is not valid."; break;
    case kOutputBadChars: strMsg = "The specified filename contains one or more invalid characters."; break;
    case kOutputNotAFile: strMsg = "The specified path is not a file."; break;
    case 6:
    case kOutputReadOnly: strMsg = "The specified file already exists and is read-only"; break;
    default: strMsg = "You must specify an output file."; break;
    }
    return false;
}
