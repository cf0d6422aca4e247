// VolContentsRules.cpp: names, command-line words and list items of the
// VOLSHOW, VOLLIST, VOLEXTRACT and VOLUNLOAD dialogs.
#include "utilities/VolContentsRules.h"

#include <cstring>

#include "config/FileChecks.h"
#include "platform/TextFunctions.h"

namespace {

const char kShadowWord[] = " sf=";
const int kShadowWordLength = 4;

bool IsSeparator(char ch)
{
    return ch == '\\' || ch == '/';
}

// A shadow path as stored: a quote that begins it goes with its partner.
CString Unquoted(const char* psz)
{
    CString str = psz;
    if (str.IsEmpty() || str[0] != '"')
        return str;
    str = str.Mid(1);
    if (!str.IsEmpty() && str[str.GetLength() - 1] == '"')
        str = str.Left(str.GetLength() - 1);
    return str;
}

}  // namespace

CString ShadowArgument(const char* pszShadow)
{
    if (!pszShadow || !*pszShadow)
        return CString();
    return " " + QuoteIfNeeded(CString("sf=") + pszShadow, '"');
}

namespace {

// The stored item's form: " sf=" and the path, quoted on its own.
void AppendStoredShadow(CString& str, const char* pszShadow)
{
    if (pszShadow && *pszShadow)
        str += kShadowWord + QuoteIfNeeded(pszShadow, '"');
}

}  // namespace

CString FileNameOfPath(const char* pszPath)
{
    const char* pszName = pszPath ? pszPath : "";
    for (const char* p = pszName; *p; ++p)
        if (IsSeparator(*p))
            pszName = p + 1;
    return pszName;
}

bool IsPlainMemberText(const char* psz)
{
    return psz && *psz && !std::strchr(psz, ' ') && !HasInvalidFileNameChars(psz);
}

CString VolShowMemberSpec(const char* pszDataset, int nRun, int nMembers, const char* pszMember, bool bAscii,
                          bool bCardImages)
{
    CString str = CString(pszDataset ? pszDataset : "") + "/";
    if (nRun == kVolShowListMembers)
        return str + "?";
    str += nMembers == kVolShowAllMembers ? "*" : (pszMember ? pszMember : "");
    if (bAscii)
        str += ":a";
    else if (bCardImages)
        str += ":c";
    return str;
}

CString VolListSwitchWords(const SVolListSwitches& s)
{
    CString str;
    const struct {
        bool bOn;
        const char* pszWord;
    } words[] = {
        {s.bNoSort, " -nosort"}, {s.bCCHH, " -cchh"},     {s.bHeaders, " -hdr"},   {s.bFormat1, " -info"},
        {s.bCalDate, " -caldt"}, {s.bRefDate, " -refdt"}, {s.bExpDate, " -expdt"},
    };
    for (const auto& w : words)
        if (w.bOn)
            str += w.pszWord;
    CString strNumber;
    if (s.bDSNCols) {
        strNumber.Format(" -dsnl=%u", s.nColumns);
        str += strNumber;
    }
    if (s.bYearOffset) {
        strNumber.Format(" -yroffs=%d", s.nYears);
        str += strNumber;
    }
    return str;
}

CString ComposeVolListItem(const char* pszImage, const char* pszShadow)
{
    CString str = CString("\"") + (pszImage ? pszImage : "") + "\"";
    AppendStoredShadow(str, pszShadow);
    return str;
}

void ParseVolListItem(const char* pszItem, CString& strImage, CString& strShadow)
{
    CString strItem = pszItem ? pszItem : "";
    strShadow.Empty();
    if (strItem.IsEmpty() || strItem[0] != '"') {
        strImage = strItem;
        return;
    }
    int nClose = strItem.Find('"', 1);
    if (nClose < 0) {
        strImage = strItem.Mid(1);
        return;
    }
    strImage = strItem.Mid(1, nClose - 1);
    int nShadow = nClose + 1 + kShadowWordLength;
    if (nShadow < strItem.GetLength())
        strShadow = Unquoted(strItem.Mid(nShadow));
}

CString VolListItemArguments(const char* pszItem)
{
    CString strImage, strShadow;
    ParseVolListItem(pszItem, strImage, strShadow);
    CString str = " " + QuoteIfNeeded(strImage, '"');
    str += ShadowArgument(strShadow);
    return str;
}

CString VolExtractCommandLine(bool bAscii, bool bRecord, const char* pszImage, const char* pszShadow,
                              const char* pszDataset)
{
    CString str = "VOLEXTRACT";
    if (bAscii)
        str += " -ascii";
    if (bRecord)
        str += " -record";
    str += " " + QuoteIfNeeded(pszImage ? pszImage : "", '"');
    str += ShadowArgument(pszShadow);
    str += CString(" ") + (pszDataset ? pszDataset : "");
    str.TrimRight();
    return str;
}

CString FolderWithoutTrailingSeparator(const char* pszFolder)
{
    CString str = pszFolder ? pszFolder : "";
    int n = str.GetLength();
    if (n == 0 || !IsSeparator(str[n - 1]))
        return str;
    bool bRoot = n == 1 || (n == 3 && str[1] == ':');
    return bRoot ? str : str.Left(n - 1);
}

CString VolUnloadCommandLine(const char* pszImage, const char* pszShadow, const char* pszPds, bool bAscii,
                             const char* pszFolder)
{
    CString str = "VOLUNLOAD " + QuoteIfNeeded(pszImage ? pszImage : "", '"');
    str += ShadowArgument(pszShadow);
    str += " " + QuoteIfNeeded(pszPds ? pszPds : "", '"');
    if (bAscii)
        str += " ascii";
    if (pszFolder && *pszFolder)
        str += " " + QuoteIfNeeded(FolderWithoutTrailingSeparator(pszFolder), '"');
    return str;
}
