// UtilityRules.cpp: the rules the utility dialogs share.
#include "utilities/UtilityRules.h"

#include "config/DasdImage.h"
#include "platform/CSplitPath.h"
#include "platform/PathFunctions.h"
#include "platform/TextFunctions.h"

bool IsCkdImageType(BYTE bImageType)
{
    return (bImageType >= DASD_CKD_P370 && bImageType <= DASD_CKD_S370) ||
           (bImageType >= DASD_CKD_P064 && bImageType <= DASD_CKD_S064);
}

bool IsCompressedImageType(BYTE bImageType)
{
    switch (bImageType) {
    case DASD_CKD_C370: case DASD_CKD_S370: case DASD_FBA_C370: case DASD_FBA_S370:
    case DASD_CKD_C064: case DASD_CKD_S064: case DASD_FBA_C064: case DASD_FBA_S064:
        return true;
    default:
        return false;
    }
}

bool Is64BitImageType(BYTE bImageType)
{
    return IsDasdImageType64(bImageType);
}

bool Wants64BitProgram(bool bHas64BitUtilities, bool bCkd64Checked, BYTE bInputImageType)
{
    return bHas64BitUtilities && (bCkd64Checked || Is64BitImageType(bInputImageType));
}

CString UtilityProgramWord(const char* pszCaption, bool b64)
{
    CString str = pszCaption ? pszCaption : "";
    str.MakeUpper();
    if (b64)
        str += "64";
    return str;
}

void AppendCommandGroup(CString& strCommand, const char* pszGroup)
{
    strCommand += " ";
    strCommand += pszGroup ? pszGroup : "";
}

void AppendCommandFile(CString& strCommand, const char* pszPath)
{
    strCommand += " ";
    strCommand += QuoteIfNeeded(pszPath ? pszPath : "", '"');
}

CString JoinOutputPath(const char* pszDir, const char* pszFile)
{
    CString strFile = pszFile ? pszFile : "";
    TrimBlanks(strFile);
    return WindowsizedDirectory(pszDir ? pszDir : "", true) + strFile;
}

bool SplitTypedOutputPath(CString& strDir, CString& strFile)
{
    CString strTyped = strFile;
    TrimBlanks(strTyped);
    if (strTyped.FindOneOf("\\/:") < 0)
        return false;
    bool bAbsolute = strTyped[0] == '\\' || strTyped[0] == '/' || strTyped.Find(':') >= 0;
    CString strDirTrimmed = strDir;
    TrimBlanks(strDirTrimmed);
    CSplitPath split(bAbsolute || strDirTrimmed.IsEmpty() ? strTyped : JoinOutputPath(strDirTrimmed, strTyped));
    strDir = WindowsizedDirectory(split.GetFullPathOnly(), true);
    strFile = split.GetFileNameAndExt();
    return true;
}

SFileListButtons FileListButtonStates(int nCount, int nSel)
{
    SFileListButtons s = {false, false, false};
    if (nSel < 0 || nSel >= nCount)
        return s;
    s.bRemove = true;
    s.bMoveUp = nSel > 0;
    s.bMoveDown = nSel < nCount - 1;
    return s;
}

int SelectionAfterRemove(int nCountAfter, int nRemoved)
{
    if (nCountAfter <= 0)
        return -1;
    return nRemoved < nCountAfter ? nRemoved : nCountAfter - 1;
}

int FileListMoveTarget(int nCount, int nSel, int nDelta)
{
    int nTarget = nSel + nDelta;
    if (nSel < 0 || nSel >= nCount || nTarget < 0 || nTarget >= nCount)
        return -1;
    return nTarget;
}

int StepSpinValue(INT64 nCurrent, int nDelta, int nLow, int nHigh)
{
    INT64 n = nCurrent + nDelta;
    if (n < nLow)
        n = nLow;
    if (n > nHigh)
        n = nHigh;
    return (int)n;
}
