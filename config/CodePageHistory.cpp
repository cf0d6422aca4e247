// CodePageHistory.cpp: the stored code-page history and the code page's
// shown and stored forms.
#include "config/CodePageHistory.h"

#include "config/ProfileHelpers.h"
#include "config/ValueConversions.h"
#include "platform/TextFunctions.h"

namespace {

const char kSection[] = "Settings";
const char kKey[] = "CodePages";

}  // namespace

const char* const kDefaultCodePageHistory =
    ";437 / 037;437 / 500;437 / 1047;819 / 037;819 / 037v2;819 / 273;819 / 277;819 / 278;819 / 280;"
    "819 / 284;819 / 285;819 / 297;819 / 500;819 / 1047;850 / 273;850 / 1047;1252 / 037;1252 / 037v2;"
    "1252 / 1047;1252 / 1140;ISOANSI / 037;default;";

CString ReadCodePageHistory(const char* pszDefault)
{
    CString strHistory = pszDefault;
    GetProfileCString(kSection, kKey, strHistory);
    return strHistory;
}

void WriteCodePageHistory(const CString& strHistory)
{
    WriteProfileCString(kSection, kKey, strHistory);
}

void SplitCodePageHistory(const CString& strHistory, CStringArray& entries)
{
    entries.RemoveAll();
    int nStart = 0;
    while (nStart <= strHistory.GetLength()) {
        int nEnd = strHistory.Find(';', nStart);
        if (nEnd < 0)
            nEnd = strHistory.GetLength();
        CString strEntry = strHistory.Mid(nStart, nEnd - nStart);
        if (!TrimBlanks(strEntry).IsEmpty())
            entries.Add(strEntry);
        nStart = nEnd + 1;
    }
}

CString BuildCodePageHistory(const CString& strCurrent, const CStringArray& entries)
{
    CString strFirst = strCurrent;
    TrimBlanks(strFirst);
    CString strHistory = ";" + strFirst;
    for (int i = 0; i < entries.GetSize(); ++i) {
        CString strEntry = entries[i];
        if (!TrimBlanks(strEntry).IsEmpty() && strEntry.CompareNoCase(strFirst) != 0)
            strHistory += ";" + strEntry;
    }
    strHistory += ";";
    while (strHistory.Replace(";;", ";") > 0) {
    }
    return strHistory;
}

CString CodePageShown(const CString& strStored)
{
    CString str = strStored;
    return RemoveBlanksSpacedSlash(str);
}

CString CodePageStored(const CString& strShown)
{
    CString str = strShown;
    return RemoveBlanks(str);
}
