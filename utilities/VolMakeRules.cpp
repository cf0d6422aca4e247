// VolMakeRules.cpp: the VolMake dialog's computations.
#include "utilities/VolMakeRules.h"

#include <cctype>

#include "config/DasdModels.h"
#include "platform/TextFunctions.h"

int VolMakeModelMaximum(const CString& strModel)
{
    return (int)GetModelCylinders(strModel, false);
}

int VolMakeSizeLimit(const CString& strModel)
{
    int nMax = VolMakeModelMaximum(strModel);
    return nMax > 0 ? nMax : kVolMakeUnlimitedSize;
}

bool IsVolMakeSizeInRange(const CString& strModel, INT64 nSize)
{
    return nSize >= kVolMakeMinSize && nSize <= VolMakeSizeLimit(strModel);
}

bool IsVolMakeSizeAccepted(const CString& strModel, INT64 nSize)
{
    if (VolMakeModelMaximum(strModel) == 0)
        return nSize >= 0 && nSize <= kVolMakeUnlimitedSize;
    return IsVolMakeSizeInRange(strModel, nSize);
}

int VolMakeAlternates(const CString& strModel, bool bAltCyls)
{
    int nMax = VolMakeModelMaximum(strModel);
    if (!bAltCyls || nMax == 0)
        return 0;
    return (int)GetModelCylinders(strModel, true) - nMax;
}

bool IsStandardVolMakeTotal(const CString& strModel, bool bAltCyls, INT64 nTotal)
{
    return VolMakeModelMaximum(strModel) > 0 && nTotal == (INT64)GetModelCylinders(strModel, bAltCyls);
}

CString VolserWithoutBlanks(const CString& strVolser)
{
    CString str = strVolser;
    str.Remove(' ');
    str.Remove('\t');
    return str;
}

CString VolMakeDefaultName(const SVolMakeChoice& c)
{
    CString strName = c.bVol1Label && !c.strVolser.IsEmpty() ? c.strVolser : CString("DASD");
    strName += "." + c.strModel;
    bool bStandard = IsStandardVolMakeTotal(c.strModel, c.bAltCyls, c.nTotal);
    if (bStandard && c.bAltCyls) {
        strName += ".alts";
    } else if (!bStandard) {
        CString strTotal;
        strTotal.Format("%d", c.nTotal);
        strName += (IsFbaModel(c.strModel) ? ".blks-" : ".cyls-") + strTotal;
    }
    if (c.bCompress)
        strName += c.nMethod == 1 ? ".comp-b" : c.nMethod == 2 ? ".comp-n" : ".comp-z";
    return strName;
}

CString VolMakeOptionWords(const SVolMakeChoice& c)
{
    const char* pszCompress = !c.bCompress ? "" : c.nMethod == 1 ? "-bz2" : c.nMethod == 2 ? "-0" : "-z";
    bool bAlts = c.bAltCyls && IsStandardVolMakeTotal(c.strModel, c.bAltCyls, c.nTotal);
    CString strWords;
    strWords.Format("%s%s %s%s", c.bLinux ? "-linux " : "", pszCompress, bAlts ? "-a" : "",
                    c.bVol1Label ? "" : " -r");
    // An empty word in the middle leaves no double blank behind.
    while (strWords.Replace("  ", " ") > 0) {
    }
    TrimBlanks(strWords);
    if (c.bLargeFile) {
        strWords += " -lfs";
        TrimBlanks(strWords);
    }
    return strWords;
}

CString VolMakeSizeTail(const SVolMakeChoice& c)
{
    CString strVolser = VolserWithoutBlanks(c.strVolser);
    CString strTail;
    if (IsStandardVolMakeTotal(c.strModel, c.bAltCyls, c.nTotal)) {
        strTail = c.strModel;
        if (c.bVol1Label)
            strTail += " " + strVolser;
        return strTail;
    }
    strTail.Format("%04.4d %s%d", GetModelDevTypeNumber(c.strModel),
                   c.bVol1Label ? (const char*)(strVolser + " ") : "", c.nTotal);
    return strTail;
}

CString LargeFileCheckRoot(const char* pszDir)
{
    CString strDir = pszDir ? pszDir : "";
    if (strDir.GetLength() < 2 || strDir[1] != ':' || !std::isalpha((unsigned char)strDir[0]))
        return CString();
    return strDir.Left(1) + ":\\";
}

bool IsFileSystemWithoutLargeFiles(const char* pszFileSystem)
{
    CString strName = pszFileSystem ? pszFileSystem : "";
    return strName.GetLength() >= 3 && strName.Left(3).CompareNoCase("FAT") == 0;
}
