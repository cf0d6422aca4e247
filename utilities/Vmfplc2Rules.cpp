// Vmfplc2Rules.cpp: the VMFPLC2 control file's statements and the option
// words of the utility's command line.
#include "utilities/Vmfplc2Rules.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "config/CodePageHistory.h"
#include "platform/CArray.h"
#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"

namespace {

const char* const kRecfmWords[] = {"Fixed", "Variable"};
const char* const kFileTypeWords[] = {"Binary", "Structured", "Textual"};

// The index of the word pszWord abbreviates, or -1.
template <size_t N>
int FindAbbrev(const char* pszWord, const char* const (&words)[N])
{
    for (size_t i = 0; i < N; ++i)
        if (IsAbbrevNoCase(pszWord, words[i], 1))
            return (int)i;
    return -1;
}

}  // namespace

bool IsVmfplc2Comment(const char* pszLine)
{
    return pszLine && (*pszLine == '*' || *pszLine == '#' || *pszLine == ';');
}

bool IsVmfplc2TapeMark(const char* pszLine)
{
    if (!pszLine)
        return false;
    for (const char* pszMark = "@TM"; *pszMark; ++pszMark, ++pszLine)
        if (std::toupper((unsigned char)*pszLine) != *pszMark)
            return false;
    return true;
}

void ParseVmfplc2Statement(const char* pszLine, SVmfplc2Statement& s)
{
    CString strLine = pszLine ? pszLine : "";
    TrimBlanks(strLine);
    CStringArray words;
    StdMSWinCommandLineParse(strLine, words);
    int nCount = (int)words.GetSize();
    if (nCount == 0)
        return;
    int n = 0;
    if (words[0].Find('/') >= 0) {
        s.bOverride = true;
        s.strOverrideCodePage = CodePageShown(words[0]);
        n = 1;
    } else {
        s.bOverride = false;
        s.strOverrideCodePage.Empty();
    }
    if (n < nCount)
        s.strFilename = words[n++];
    if (n < nCount)
        s.strFiletype = words[n++];
    if (n < nCount)
        s.strFilemode = words[n++];
    if (n < nCount) {
        int nRecfm = FindAbbrev(words[n++], kRecfmWords);
        if (nRecfm >= 0)
            s.nRecfm = nRecfm;
    }
    if (s.nRecfm == kRecfmFixed && n < nCount) {
        const CString& strLength = words[n++];
        if (IsNumericString(strLength, 5))
            s.nLrecl = std::atoi(strLength);
        if (s.nLrecl < 1)
            s.nLrecl = 1;
        else if (s.nLrecl > kVmfplc2MaxLrecl)
            s.nLrecl = kVmfplc2MaxLrecl;
    }
    if (n < nCount) {
        int nType = FindAbbrev(words[n++], kFileTypeWords);
        if (nType >= 0)
            s.nFileType = nType;
    }
    if (n < nCount)
        s.strHostFile = words[n++];
    if (s.nFileType != kFileTextual) {
        s.bOverride = false;
        s.strOverrideCodePage.Empty();
    }
}

CString FormatVmfplc2Statement(const SVmfplc2Statement& s, const char* pszDefaultCodePage)
{
    CString strCodePage;
    if (s.bOverride)
        strCodePage = s.strOverrideCodePage;
    else if (s.nFileType == kFileTextual)
        strCodePage = pszDefaultCodePage ? pszDefaultCodePage : "";
    strCodePage = CodePageStored(strCodePage);
    TrimBlanks(strCodePage);
    CString strRecfm;
    if (s.nRecfm == kRecfmFixed)
        strRecfm.Format("%s %d", kRecfmWords[kRecfmFixed], s.nLrecl);
    else
        strRecfm.Format("%s %s", kRecfmWords[kRecfmVariable], "");
    int nType = s.nFileType >= kFileBinary && s.nFileType <= kFileTextual ? s.nFileType : kFileBinary;
    CString strLine;
    strLine.Format("%-11s %-8s %-8s %-2s %-10s %-10s %s", (LPCSTR)strCodePage, (LPCSTR)s.strFilename,
                   (LPCSTR)s.strFiletype, (LPCSTR)s.strFilemode, (LPCSTR)strRecfm, kFileTypeWords[nType],
                   (LPCSTR)QuoteIfNeeded(s.strHostFile, '"'));
    return strLine;
}

bool IsValidCmsName(const char* psz)
{
    size_t nLength = psz ? std::strlen(psz) : 0;
    if (nLength < 1 || nLength > 8)
        return false;
    for (; *psz; ++psz)
        if (!std::strchr("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789$#@+-:_", *psz))
            return false;
    return true;
}

bool IsValidCmsFilemode(const char* psz)
{
    size_t nLength = psz ? std::strlen(psz) : 0;
    if (nLength < 1 || nLength > 2 || psz[0] < 'A' || psz[0] > 'Z')
        return false;
    return nLength == 1 || (psz[1] >= '0' && psz[1] <= '6');
}

CString Vmfplc2OptionWords(int nFunction, bool bVerbose, const char* pszCodePage, bool bTapeDump, bool bCompress,
                           int nAlgorithm, int nLevel)
{
    CString strWords;
    if (bVerbose)
        strWords += " -v";
    CString strCodePage = CodePageStored(pszCodePage ? pszCodePage : "");
    TrimBlanks(strCodePage);
    if (!strCodePage.IsEmpty())
        strWords += " -c " + strCodePage;
    if (bTapeDump)
        strWords += " -t";
    if (nFunction == kPlc2Dump) {
        if (bCompress) {
            CString strLevel;
            strLevel.Format(" -%d", nLevel);
            strWords += (nAlgorithm == 1 ? " -b" : " -z") + strLevel;
        } else {
            strWords += " -u";
        }
    }
    TrimBlanks(strWords);
    return strWords;
}
