// DeviceDialogRules.cpp: the device dialogs' shared rules.
#include "devices/DeviceDialogRules.h"

#include <algorithm>
#include <cstdio>

#include "config/DevClass.h"
#include "config/DevNum.h"
#include "platform/CSplitPath.h"
#include "platform/PathFunctions.h"
#include "platform/TextFunctions.h"

const char kDevNumBalloonTitle[] = "Device Number";
const char kFileInUseMessage[] = "Another device is already using this name.";

EDeviceDialogKind DeviceDialogKind(WORD wClass, bool bManualEdit)
{
    if (bManualEdit || wClass > DEVCLASS_COMM)
        return kDeviceDlgStmtEdit;
    return (EDeviceDialogKind)wClass;
}

CString FolderPartOf(const CString& strFileName)
{
    int nSep = strFileName.ReverseFind('\\');
    int nSlash = strFileName.ReverseFind('/');
    if (nSlash > nSep)
        nSep = nSlash;
    if (nSep < 0)
        return CString();
    return WindowsizedDirectory(strFileName.Left(nSep + 1), true);
}

CString DeviceDialogStartFolder(EDeviceDialogCaller eCaller, EDeviceDialogKind eKind, const CString& strFileName,
                                const SDeviceFolders& folders)
{
    if (eKind == kDeviceDlgStmtEdit)
        return CString();
    if (eKind == kDeviceDlgComm)
        return folders.strConfig;
    bool bFileKind = eKind != kDeviceDlgConsole && eKind != kDeviceDlgDisplay;
    switch (eCaller) {
    case kDeviceCallerDevListBar:
        return bFileKind ? FolderPartOf(strFileName) : CString();
    case kDeviceCallerView:
        return eKind == kDeviceDlgTape ? folders.strTape : eKind == kDeviceDlgCardReader ? folders.strReader : CString();
    case kDeviceCallerDevicesPage:
        break;
    }
    switch (eKind) {
    case kDeviceDlgCardReader: return folders.strReader;
    case kDeviceDlgCardPunch: return folders.strPunch;
    case kDeviceDlgPrinter: return folders.strPrinter;
    case kDeviceDlgDasd: return folders.strDisk;
    case kDeviceDlgTape: return folders.strTape;
    default: return folders.strConfig;  // console, display
    }
}

bool IsRelativeFolder(const CString& strDir)
{
    bool bRooted = !strDir.IsEmpty() && (strDir[0] == '\\' || strDir[0] == '/');
    bool bDrive = strDir.GetLength() >= 2 && strDir[1] == ':';
    return !bRooted && !bDrive;
}

bool IsSameDeviceFile(const CString& strA, const CString& strB)
{
    const bool bRelative = IsRelativeFolder(strA);
    if (bRelative != IsRelativeFolder(strB))
        return false;
    CString a = bRelative ? strA : CSplitPath(strA).GetFullPath();
    CString b = bRelative ? strB : CSplitPath(strB).GetFullPath();
    a.Replace('/', '\\');
    b.Replace('/', '\\');
    return a.CompareNoCase(b) == 0;
}

void SplitDeviceFileName(const CString& strName, CString& strDir, CString& strFile)
{
    if (!IsRelativeFolder(strName)) {
        CSplitPath split(strName);
        strDir = split.GetFullPathOnly();
        strFile = split.GetFileNameAndExt();
        return;
    }
    int nSep = std::max(strName.ReverseFind('\\'), strName.ReverseFind('/'));
    strDir = strName.Left(nSep + 1);
    strFile = strName.Mid(nSep + 1);
}

CString DeviceFileCheckFolder(const CString& strDir, const CString& strConfigFolder)
{
    if (!IsRelativeFolder(strDir) || strConfigFolder.IsEmpty())
        return strDir;
    return WindowsizedDirectory(strConfigFolder, true) + strDir;
}

void SplitDeviceTypeList(const char* pszList, CStringArray& types)
{
    CStringArray parts;
    SplitString(pszList ? pszList : "", ";", parts);
    types.RemoveAll();
    for (int i = 0; i < parts.GetSize(); ++i)
        if (!parts[i].IsEmpty())
            types.Add(parts[i]);
}

int ChooseDeviceTypeIndex(const CStringArray& types, const CString& strTypeName, int nFallback)
{
    int nCount = (int)types.GetSize();
    if (nCount == 0)
        return -1;
    if (!strTypeName.IsEmpty()) {
        for (int i = 0; i < nCount; ++i)
            if (types[i].CompareNoCase(strTypeName) == 0)
                return i;
        for (int i = 0; i < nCount; ++i)
            if (types[i].GetLength() >= strTypeName.GetLength()
                && types[i].Left(strTypeName.GetLength()).CompareNoCase(strTypeName) == 0)
                return i;
    }
    return nFallback >= 0 && nFallback < nCount ? nFallback : 0;
}

WORD DeviceTypeFromName(const CString& strTypeName)
{
    unsigned nType = 0;
    for (int i = 0; i < strTypeName.GetLength() && i < 4; ++i) {
        char ch = strTypeName[i];
        int nDigit = ch >= '0' && ch <= '9' ? ch - '0'
                     : ch >= 'a' && ch <= 'f' ? ch - 'a' + 10
                     : ch >= 'A' && ch <= 'F' ? ch - 'A' + 10
                                              : -1;
        if (nDigit < 0)
            break;
        nType = nType * 16 + (unsigned)nDigit;
    }
    return (WORD)nType;
}

CString DeviceTypeName(WORD wDevType)
{
    CString str;
    str.Format("%04.4X", wDevType);
    return str;
}

EDevNumCheck CheckDevNumText(const CString& strText, const std::function<bool(DWORD)>& isDefined, DWORD* pdwKey)
{
    CString str = strText;
    TrimBlanks(str);
    if (str.IsEmpty())
        return kDevNumEmpty;
    DWORD dwKey = 0;
    if (!ParseDevnumLcss(str, &dwKey))
        return kDevNumInvalid;
    if (pdwKey)
        *pdwKey = dwKey;
    if (isDefined && isDefined(dwKey))
        return kDevNumDefined;
    return kDevNumOK;
}

const char* DevNumCheckMessage(EDevNumCheck eCheck, bool bCapitalised)
{
    switch (eCheck) {
    case kDevNumEmpty: return "You must enter a device number";
    case kDevNumInvalid: return bCapitalised ? "Value is not a valid Device Number" : "Value is not a valid device number";
    case kDevNumDefined: return "Device already defined";
    default: return "";
    }
}

bool IsSysgTypeName(const CString& strTypeName)
{
    CString str = strTypeName;
    return TrimBlanks(str).CompareNoCase("SYSG") == 0;
}

CString SysgDefinedMessage(DWORD dwSysgKey)
{
    CString str;
    str.Format("device %s is already defined as the SYSG device", FormatDevnum(dwSysgKey).GetString());
    return str;
}
