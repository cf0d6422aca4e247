// FindRepSettings.cpp: the find/replace dialog's text checks and its stored
// options and histories.
#include "framework/FindRepSettings.h"

#include <cstring>

#include "config/ValueConversions.h"
#include "platform/ProfileStore.h"

const char* const kFindRepSection = "Settings\\FindRep";

namespace {

const WORD kHexForm = 0xF000;
const WORD kHexFaults = 0x0F00;

bool Fail(FindRepCheckFailure& failure, bool bReplace, const char* pszTitle, const CString& strText)
{
    failure.bReplaceCombo = bReplace;
    failure.strTitle = pszTitle;
    failure.strText = strText;
    return false;
}

CString TooLongText()
{
    CString str;
    str.Format("String is too long (%d characters maximum)", kFindRepMaxText);
    return str;
}

// The reason a hex literal is invalid, in order of precedence.
CString HexFault(WORD wClass)
{
    if (wClass & kLiteralNotHex)
        return "non-hex chars found.";
    if (wClass & kLiteralOddLength)
        return "odd number of hex chars.";
    CString str;
    str.Format("exceeds max %d hex chars.", kFindRepMaxHexDigits);
    return str;
}

void LoadHistory(const char* pszSection, const char* pszCount, const char* pszItem, int nMax,
                 std::vector<CString>& list, CString* pCurrent)
{
    list.clear();
    int nCount = (int)ProfileGetInt(pszSection, pszCount, 0);
    // Entries past the maximum would be dropped at once: they are not read,
    // so a damaged count costs nothing. The first missing entry ends the list.
    if (nMax >= 0 && nCount > nMax)
        nCount = nMax;
    const char* const kMissing = "\x01";
    for (int i = 0; i < nCount; ++i) {
        CString strKey;
        strKey.Format(pszItem, i);
        CString strItem = ProfileGetString(pszSection, strKey, kMissing);
        if (strItem == kMissing)
            break;
        list.push_back(strItem);
    }
    if (!list.empty() && pCurrent)
        *pCurrent = list.front();
}

void SaveHistory(const char* pszSection, const char* pszCount, const char* pszItem, const std::vector<CString>& list)
{
    ProfileWriteInt(pszSection, pszCount, (int)list.size());
    for (size_t i = 0; i < list.size(); ++i) {
        CString strKey;
        strKey.Format(pszItem, (int)i);
        ProfileWriteString(pszSection, strKey, list[i]);
    }
}

}  // namespace

bool IsValidHexLiteral(WORD wClass)
{
    return (wClass & kHexForm) != 0 && (wClass & kHexFaults) == 0;
}

bool CheckFindText(const char* pszFind, bool bHexSearch, FindRepCheckFailure& failure)
{
    if (pszFind == nullptr || *pszFind == '\0')
        return Fail(failure, false, "Find what", "You must enter a value to search for");
    WORD wClass = ParseNumberHexOrDec(pszFind);
    if (bHexSearch) {
        if (IsValidHexLiteral(wClass))
            return true;
        CString strText = "Invalid hex search string: ";
        strText += (wClass & kHexForm) ? HexFault(wClass) : CString("not 0xFF or x'FF' format.");
        return Fail(failure, false, "Find what", strText);
    }
    if ((int)std::strlen(pszFind) > kFindRepMaxText)
        return Fail(failure, false, "Find what", TooLongText());
    return true;
}

bool CheckReplaceText(const char* pszReplace, FindRepCheckFailure& failure)
{
    if (pszReplace == nullptr)
        return true;
    WORD wClass = ParseNumberHexOrDec(pszReplace);
    if ((wClass & kHexForm) == 0)
        return (int)std::strlen(pszReplace) <= kFindRepMaxText || Fail(failure, true, "Replace with", TooLongText());
    if (wClass & kHexFaults)
        return Fail(failure, true, "Replace with", CString("Invalid hex replacement string: ") + HexFault(wClass));
    return true;
}

std::vector<CString> MergeHistory(const char* pszCurrent, const std::vector<CString>& items, int nMax)
{
    std::vector<CString> list;
    CString strCurrent = pszCurrent ? pszCurrent : "";
    // An empty text is no search: it is not remembered.
    if (!strCurrent.IsEmpty())
        list.push_back(strCurrent);
    for (const CString& str : items)
        if (!str.IsEmpty() && std::strcmp(str, strCurrent) != 0)
            list.push_back(str);
    if (nMax >= 0 && (int)list.size() > nMax)
        list.resize(nMax);
    return list;
}

void FindRepSettings::SaveOneHistory(const char* pszSection, bool bReplace, const char* pszCurrent,
                                     const std::vector<CString>& items)
{
    std::vector<CString>& list = bReplace ? replaceHistory : findHistory;
    list = MergeHistory(pszCurrent, items, nMaxHistory);
    SaveHistory(pszSection, bReplace ? "RepCount" : "FindCount", bReplace ? "Rep-%d" : "Find-%d", list);
}

void FindRepSettings::Load(const char* pszSection, bool bFindOnly, CString* pFind, CString* pReplace)
{
    bAutoHide = ProfileGetInt(pszSection, "AutoHide", 0) != 0;
    bMatchWord = (BOOL)ProfileGetInt(pszSection, "MatchWord", bMatchWord);
    bMatchCase = (BOOL)ProfileGetInt(pszSection, "MatchCase", bMatchCase);
    bHexSearch = (BOOL)ProfileGetInt(pszSection, "HexSearch", bHexSearch);
    bRegEx = (BOOL)ProfileGetInt(pszSection, "RegEx", bRegEx);
    bWrapAround = (BOOL)ProfileGetInt(pszSection, "WrapAround", bWrapAround);
    nMaxHistory = (int)ProfileGetInt(pszSection, "MaxMRULen", nMaxHistory);
    LoadHistory(pszSection, "FindCount", "Find-%d", nMaxHistory, findHistory, pFind);
    if (!bFindOnly)
        LoadHistory(pszSection, "RepCount", "Rep-%d", nMaxHistory, replaceHistory, pReplace);
}

void FindRepSettings::Save(const char* pszSection, bool bFindOnly, const char* pszFind,
                           const std::vector<CString>& findItems, const char* pszReplace,
                           const std::vector<CString>& replaceItems)
{
    ProfileWriteInt(pszSection, "AutoHide", bAutoHide ? 1 : 0);
    ProfileWriteInt(pszSection, "MatchWord", bMatchWord);
    ProfileWriteInt(pszSection, "MatchCase", bMatchCase);
    ProfileWriteInt(pszSection, "HexSearch", bHexSearch);
    ProfileWriteInt(pszSection, "RegEx", bRegEx);
    ProfileWriteInt(pszSection, "WrapAround", bWrapAround);
    SaveOneHistory(pszSection, false, pszFind, findItems);
    if (!bFindOnly)
        SaveOneHistory(pszSection, true, pszReplace, replaceItems);
}
