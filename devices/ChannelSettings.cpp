// ChannelSettings.cpp: the channel settings texts of the line printers.
#include "devices/ChannelSettings.h"

#include <cctype>
#include <cstdlib>

#include <vector>

const char kLegacyFCB[] = "01:01,02:07,03:13,04:19,05:25,06:31,07:37,08:43,09:63,10:49,11:55,12:61";
const char kLegacyCCTape[] = "(1=1,7=2,13=3,19=4,25=5,31=6,37=7,43=8,63=9,49=10,55=11,61=12)";

namespace {

struct SNamed {
    const char* pszName;
    const char* pszFCB;
    const char* pszTape;  // null: no tape form
};
const SNamed kNamed[] = {
    {"legacy", kLegacyFCB, kLegacyCCTape},
    {"fcb2std2", "01:01,02:07,03:13,04:19,05:25,06:31,07:37,08:43,09:49,10:55,11:61,12:63",
     "(1=1,7=2,13=3,19=4,25=5,31=6,37=7,43=8,49=9,55=10,61=11,63=12)"},
    {"fcb2id1", "01:01,02:08,03:15,04:22,05:29,06:36,07:43,08:50,09:57,10:64,11:71,12:78",
     "(1=1,8=2,15=3,22=4,29=5,36=6,43=7,50=8,57=9,64=10,71=11,78=12)"},
    {"hardware", "01:01", nullptr},
};

// Every piece between separators, empty ones included ("" gives none).
std::vector<CString> SplitAt(const CString& str, char chSep)
{
    std::vector<CString> pieces;
    if (str.IsEmpty())
        return pieces;
    int nStart = 0;
    for (int nAt; (nAt = str.Find(chSep, nStart)) >= 0; nStart = nAt + 1)
        pieces.push_back(str.Mid(nStart, nAt - nStart));
    pieces.push_back(str.Mid(nStart));
    return pieces;
}

bool AllDigits(const CString& str)
{
    if (str.IsEmpty())
        return false;
    for (int i = 0; i < str.GetLength(); ++i)
        if (!std::isdigit((unsigned char)str[i]))
            return false;
    return true;
}

// A decimal number of digits only within [nMin, nMax].
bool ReadNumber(const CString& str, unsigned nMin, unsigned nMax, unsigned& nValue)
{
    if (!AllDigits(str) || str.GetLength() > 5)
        return false;
    nValue = (unsigned)std::strtoul(str, nullptr, 10);
    return nValue >= nMin && nValue <= nMax;
}

unsigned Pair(const CString& str, int nAt)
{
    return nAt + 2 <= str.GetLength() ? (unsigned)std::strtoul(str.Mid(nAt, 2), nullptr, 10) : 0;
}

int CheckFCB(const CString& str)
{
    if (AllDigits(str)) {
        if (str.GetLength() != 26)
            return 26;
        unsigned nPage = Pair(str, 0);
        if (nPage < 1 || nPage > 255)
            return 27;
        for (int n = 1; n <= kChannels; ++n)
            if (Pair(str, 2 * n) > nPage)
                return n;
        return 0;
    }
    for (int i = 0;;) {
        unsigned nChannel = 0, nLine = 0;
        if (i + 5 > str.GetLength() || !ReadNumber(str.Mid(i, 2), 1, kChannels, nChannel) || str[i + 2] != ':' ||
            !ReadNumber(str.Mid(i + 3, 2), 0, 255, nLine))
            return 29;
        i += 5;
        if (i == str.GetLength())
            return 0;
        if (str[i] != ',')
            return 29;
        ++i;
    }
}

int CheckCCTape(const CString& str)
{
    if (str.GetLength() < 2 || str[0] != '(' || str[str.GetLength() - 1] != ')')
        return 29;
    std::vector<CString> items = SplitAt(str.Mid(1, str.GetLength() - 2), ',');
    if (items.empty())
        return 29;
    for (const CString& item : items) {
        std::vector<CString> parts = SplitAt(item, '=');
        unsigned nLine = 0, nChannel = 0;
        if (parts.size() != 2 || !ReadNumber(parts[0], 0, 255, nLine) || !ReadNumber(parts[1], 1, kChannels, nChannel))
            return 29;
    }
    return 0;
}

const SNamed* FindNamed(const CString& strName)
{
    for (const SNamed& named : kNamed)
        if (strName.CompareNoCase(named.pszName) == 0)
            return &named;
    return nullptr;
}

}  // namespace

bool IsChannelStyleName(const CString& strName, bool bCCTape)
{
    const SNamed* pNamed = FindNamed(strName);
    return pNamed && (!bCCTape || pNamed->pszTape);
}

int CheckChannelSettings(CString& strSettings, bool bCCTape)
{
    if (strSettings.IsEmpty())
        strSettings = bCCTape ? kLegacyCCTape : kLegacyFCB;
    if (std::isalpha((unsigned char)strSettings[0]))
        return IsChannelStyleName(strSettings, bCCTape) ? 0 : 28;
    return bCCTape ? CheckCCTape(strSettings) : CheckFCB(strSettings);
}

CString ChannelSettingsMessage(int nCode, const CString& strSettings)
{
    CString str;
    switch (nCode) {
    case 0:
        break;
    case 26:
        str = "Old style must be exactly 26 digits long";
        break;
    case 27:
        str = "Page length must be greater than zero lines";
        break;
    case 28:
        str = "Unknown predefined channel settings name";
        break;
    case 29:
        str = "Syntax error";
        break;
    default:
        str.Format("Channel-%d line number %s exceeds page length %s", nCode,
                   (const char*)strSettings.Mid(2 * nCode, 2), (const char*)strSettings.Left(2));
        break;
    }
    return str;
}

void ParseFCB(const CString& strFCB, SFCBValues& values)
{
    if (strFCB.IsEmpty()) {
        values.nLinesPerPage = 66;
        ParseFCB(kLegacyFCB, values);
        return;
    }
    if (AllDigits(strFCB)) {
        values.nLinesPerPage = Pair(strFCB, 0);
        for (int n = 1; n <= kChannels; ++n)
            values.nChannelLine[n - 1] = Pair(strFCB, 2 * n);
        return;
    }
    const SNamed* pNamed = FindNamed(strFCB);
    CString str = pNamed ? CString(pNamed->pszFCB) : strFCB;
    for (unsigned& nLine : values.nChannelLine)
        nLine = 0;
    for (int i = 0; i + 5 <= str.GetLength(); i += 6) {
        int nChannel = std::atoi(str.Mid(i, 2));
        nChannel = nChannel < 1 ? 1 : nChannel > kChannels ? kChannels : nChannel;
        unsigned nLine = (unsigned)std::strtoul(str.Mid(i + 3, 2), nullptr, 10);
        values.nChannelLine[nChannel - 1] = nLine > 255 ? 255 : nLine;
    }
    for (unsigned nLine : values.nChannelLine)
        if (nLine > values.nLinesPerPage)
            values.nLinesPerPage = nLine;
}

CString FormatFCB(const SFCBValues& values, const CString& strOriginal)
{
    CString str;
    if (AllDigits(strOriginal)) {
        str.Format("%02u", values.nLinesPerPage);
        for (unsigned nLine : values.nChannelLine) {
            CString strPair;
            strPair.Format("%02u", nLine);
            str += strPair;
        }
        return str;
    }
    for (int n = 1; n <= kChannels; ++n) {
        if (!values.nChannelLine[n - 1])
            continue;
        CString strGroup;
        strGroup.Format(",%02d:%02u", n, values.nChannelLine[n - 1]);
        str += strGroup;
    }
    str = str.Mid(str.IsEmpty() ? 0 : 1);
    for (const SNamed& named : kNamed)
        if (str == named.pszFCB)
            return named.pszName;
    return str;
}

void ParseCCTape(const CString& strTape, SCCTapeValues& values)
{
    CString str = strTape.IsEmpty() ? CString(kLegacyCCTape) : strTape;
    const SNamed* pNamed = FindNamed(str);
    if (pNamed && pNamed->pszTape)
        str = pNamed->pszTape;
    std::vector<CString> items;
    if (str.GetLength() >= 2)
        items = SplitAt(str.Mid(1, str.GetLength() - 2), ',');
    values.nPunches = (int)items.size();
    unsigned nLastChannel = 1;
    for (int r = 0; r < kChannels; ++r) {
        if (r >= (int)items.size()) {
            values.nLine[r] = 0;
            values.nChannel[r] = nLastChannel;
            continue;
        }
        std::vector<CString> parts = SplitAt(items[r], '=');
        long nLine = parts.empty() ? 0 : std::strtol(parts[0], nullptr, 10);
        long nChannel = parts.size() < 2 ? 0 : std::strtol(parts[1], nullptr, 10);
        values.nLine[r] = nLine < 0 ? 0 : nLine > 255 ? 255 : (unsigned)nLine;
        values.nChannel[r] = nChannel < 1 ? 1 : nChannel > kChannels ? kChannels : (unsigned)nChannel;
        nLastChannel = values.nChannel[r];
    }
}

CString FormatCCTape(const SCCTapeValues& values)
{
    CString str;
    for (int r = 0; r < kChannels; ++r) {
        if (!values.nLine[r])
            continue;
        CString strItem;
        strItem.Format(",%u=%u", values.nLine[r], values.nChannel[r]);
        str += strItem;
    }
    str = "(" + str.Mid(str.IsEmpty() ? 0 : 1) + ")";
    for (const SNamed& named : kNamed)
        if (named.pszTape && str == named.pszTape)
            return named.pszName;
    return str;
}
