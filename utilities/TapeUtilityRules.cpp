// TapeUtilityRules.cpp: the window-free rules of the tape utility dialogs.
#include "utilities/TapeUtilityRules.h"

#include <cstdlib>
#include <cstring>

#include "platform/TextFunctions.h"

namespace {

bool AllDigits(const char* psz)
{
    if (!*psz)
        return false;
    for (; *psz; ++psz)
        if (*psz < '0' || *psz > '9')
            return false;
    return true;
}

}  // namespace

bool StepVolser(const char* pszText, int nDelta, CString& strResult)
{
    CString strText = pszText ? pszText : "";
    TrimBlanks(strText);
    strText = strText.Left(6);
    if (strText.IsEmpty())
        strText = "000000";
    int nFirstDigit = strText.FindOneOf("0123456789");
    if (nFirstDigit < 0)
        return false;
    CString strPrefix = strText.Left(nFirstDigit);
    CString strDigits = strText.Mid(nFirstDigit);
    if (!AllDigits(strDigits))
        return false;
    int nWidth = strDigits.GetLength();
    long nValue = std::strtol(strDigits, nullptr, 10);
    long nLargest = std::strtol(CString('9', nWidth), nullptr, 10);
    if (nDelta < 0 && nValue >= 1)
        --nValue;
    else if (nDelta > 0 && nValue < nLargest)
        ++nValue;
    else
        return false;
    strResult.Format("%s%0*ld", (LPCSTR)strPrefix, nWidth, nValue);
    return true;
}

UINT ClampTypedNumber(const char* pszText, UINT nLow, UINT nHigh)
{
    CString strText = pszText ? pszText : "";
    TrimBlanks(strText);
    if (!AllDigits(strText))
        return nLow;
    unsigned long long nValue = std::strtoull(strText, nullptr, 10);
    if (nValue < nLow)
        return nLow;
    return nValue > nHigh ? nHigh : (UINT)nValue;
}

UINT MaxBlockingFactor(UINT nLrecl)
{
    return kReelMaxLrecl / (nLrecl ? nLrecl : 1);
}

CString ReelBuildWords(const SReelBuildWords& w)
{
    CString strWords, str;
    if (!w.bNonLabeled)
        strWords += " VOL: " + w.strVolser + " DSN: " + w.strDsn;
    str.Format(" LRECL: %u BLK: %u", w.nLrecl, w.nBlockingFactor);
    strWords += str;
    if (!w.strCodePage.IsEmpty())
        strWords += " CP: " + w.strCodePage;
    if (w.bUnique)
        strWords += " UNIQUE";
    if (w.bBinary)
        strWords += " BIN";
    if (w.bNonLabeled)
        strWords += " NL";
    if (w.bAnsi)
        strWords += " ANSI";
    strWords.TrimLeft();
    return strWords;
}

CString FormatDivideItem(UINT nCount, const char* pszPath)
{
    CString strItem;
    strItem.Format("    %04u     %s", nCount % 10000, pszPath ? pszPath : "");
    return strItem;
}

bool ParseDivideItem(const char* pszItem, CString& strCount, CString& strPath)
{
    CString strItem = pszItem ? pszItem : "";
    strCount = strItem.Left(8);
    strCount.TrimLeft();
    strPath = strItem.GetLength() > 13 ? strItem.Mid(13) : CString();
    return AllDigits(strCount) && strCount.GetLength() <= 4 && !strPath.IsEmpty();
}

const char* ReelInfoWord(bool bLabels, bool bFiles)
{
    if (bLabels)
        return bFiles ? " -a" : " -l";
    return bFiles ? " -f" : " -d";
}

CString ReelRepackWords(int nRunOption, int nAlgorithm, int nLevel, UINT nChunkSize, bool bStrict, bool bVerbose)
{
    CString strWords, str;
    if (nRunOption == kRepackRecompress)
        strWords.Format("-%c -%d", nAlgorithm == 1 ? 'b' : 'z', nLevel);
    else if (nRunOption == kRepackRechunk)
        strWords = "-r";
    else
        strWords = bStrict ? "-s" : "-d";
    if (!bStrict) {
        str.Format(" -c %u", nChunkSize);
        strWords += str;
    }
    if (bVerbose)
        strWords += " -v";
    return strWords;
}

const char* ReelFetchBlockSizeError(const char* pszRecfm, UINT nLrecl, UINT nBlockSize)
{
    size_t nLength = pszRecfm ? std::strlen(pszRecfm) : 0;
    if (nLength == 0)
        return nullptr;
    bool bBlocked = nLength >= 2 && pszRecfm[1] == 'B';
    if (bBlocked && nBlockSize <= nLrecl)
        return "Blksize must be greater than lrecl.";
    if (!bBlocked && nBlockSize < nLrecl)
        return "Blksize must be greater than or equal to lrecl.";
    if (pszRecfm[0] == 'F' && (nLrecl == 0 || nBlockSize % nLrecl != 0))
        return "Blksize must be multiple of lrecl.";
    return nullptr;
}

CString ReelFetchWords(bool bNonLabeled, bool bAscii, bool bStrip, bool bUnblock)
{
    CString strWords;
    if (bNonLabeled)
        strWords += " -n";
    if (bAscii)
        strWords += " -a";
    if (bStrip)
        strWords += " -s";
    if (bUnblock)
        strWords += " -u";
    strWords.TrimLeft();
    return strWords;
}

void ApplyFetchConversionClick(SFetchConversion& b, EFetchBox eClicked)
{
    switch (eClicked) {
    case kFetchUnblock:
        if (!b.bUnblock)
            b.bAscii = b.bStrip = false;
        break;
    case kFetchStrip:
        if (b.bStrip)
            b.bAscii = b.bUnblock = true;
        break;
    case kFetchAscii:
        if (b.bAscii)
            b.bUnblock = true;
        else
            b.bStrip = false;
        break;
    }
}
