// LogFileNumbering.cpp: numbered log file names and numbering.
#include "session/LogFileNumbering.h"

#include <cstdlib>

namespace {

// The base name split at its last dot: "console" and ".log".
void SplitBaseName(const CString& strBaseName, CString& strName, CString& strExt)
{
    int nDot = strBaseName.ReverseFind('.');
    int nSep = strBaseName.FindOneOf("/\\");
    if (nDot < 0 || nDot < nSep) {
        strName = strBaseName;
        strExt.Empty();
        return;
    }
    strName = strBaseName.Left(nDot);
    strExt = strBaseName.Mid(nDot);
}

bool IsAllDigits(const CString& str)
{
    if (str.IsEmpty())
        return false;
    for (int i = 0; i < str.GetLength(); ++i)
        if (str[i] < '0' || str[i] > '9')
            return false;
    return true;
}

}  // namespace

CString NumberedLogName(const CString& strFolder, const CString& strBaseName, int nNumber)
{
    CString strName, strExt, str;
    SplitBaseName(strBaseName, strName, strExt);
    str.Format("%s%s.%03d%s", strFolder.GetString(), strName.GetString(), nNumber, strExt.GetString());
    return str;
}

CString NumberedLogPattern(const CString& strFolder, const CString& strBaseName)
{
    CString strName, strExt, str;
    SplitBaseName(strBaseName, strName, strExt);
    str.Format("%s%s.*%s", strFolder.GetString(), strName.GetString(), strExt.GetString());
    return str;
}

int NumberOfLogName(const CString& strFileName, const CString& strBaseName)
{
    CString strName, strExt;
    SplitBaseName(strBaseName, strName, strExt);
    int nHead = strName.GetLength() + 1;
    int nDigits = strFileName.GetLength() - nHead - strExt.GetLength();
    if (nDigits <= 0 || nDigits > 9)
        return -1;
    if (strFileName.Left(nHead).CompareNoCase(strName + ".") != 0 ||
        strFileName.Right(strExt.GetLength()).CompareNoCase(strExt) != 0)
        return -1;
    CString strNumber = strFileName.Mid(nHead, nDigits);
    return IsAllDigits(strNumber) ? std::atoi(strNumber) : -1;
}

int NextLogNumber(int nCurrent, int nMax)
{
    return nCurrent + 1 > nMax ? 0 : nCurrent + 1;
}

CLogNumbering ExamineLogNumbers(const std::vector<CLogFileFound>& files, int nMax, bool bLogOpen)
{
    CLogNumbering result;
    bool bWrapped = false;
    const CLogFileFound* pLatest = nullptr;
    int nBelowMax = -1;
    for (const CLogFileFound& f : files) {
        if (f.nNumber > result.nHighest)
            result.nHighest = f.nNumber;
        if (f.nNumber == nMax)
            bWrapped = true;
        if (f.nNumber < nMax && f.nNumber > nBelowMax)
            nBelowMax = f.nNumber;
        if (!pLatest || f.nWriteTime > pLatest->nWriteTime ||
            (f.nWriteTime == pLatest->nWriteTime && f.nNumber > pLatest->nNumber))
            pLatest = &f;
    }
    int nReference = bWrapped ? pLatest->nNumber : nBelowMax;
    if (nReference < 0)
        return result;
    result.nReference = nReference;
    result.nExpected = bLogOpen ? nReference : NextLogNumber(nReference, nMax);
    return result;
}
