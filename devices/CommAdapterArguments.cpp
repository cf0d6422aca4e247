// CommAdapterArguments.cpp: the communication adapters' argument texts,
// the carry-over between their pages and their commands.
#include "devices/CommAdapterArguments.h"

#include "config/NetworkValues.h"
#include "platform/NetAddress.h"
#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"

namespace {

const int kKindLcs = 1;
const int kKindCtci = 2;
const int kKindCtce = 3;

bool IsMacText(const CString& str)
{
    BYTE abyMAC[6] = {};
    return ParseMACAddress(str, abyMAC);
}

bool IsDottedAddress(const CString& str)
{
    DWORD dwAddr = 0;
    return ParseIPAddress(str, dwAddr);
}

// A word as it reads back as one: in double quotes when it needs quoting,
// in single ones when it holds a double quote; "" for the empty word.
CString QuoteWord(const CString& strWord)
{
    if (strWord.IsEmpty())
        return "\"\"";
    CString str = QuoteIfNeeded(strWord, '"');
    return str == strWord ? QuoteIfNeeded(strWord, '\'') : str;
}

// Appends "  <keyword> <value>" when the value is given.
void AppendKeyword(CString& str, const char* pszKeyword, const CString& strValue)
{
    if (!strValue.IsEmpty())
        str += "  " + CString(pszKeyword) + " " + strValue;
}

}  // namespace

bool IsCommKind(int nKind)
{
    return nKind >= 0 && nKind < kCommKindCount;
}

UINT CommCarriedFields(int nTargetKind, int nSourceKind)
{
    if (!IsCommKind(nTargetKind) || !IsCommKind(nSourceKind) || nTargetKind == nSourceKind)
        return 0;
    if (nTargetKind == kKindCtce || nSourceKind == kKindCtce)
        return kCarryNicIP;
    const bool bLcsAndCtci = (nTargetKind == kKindLcs && nSourceKind == kKindCtci) ||
                             (nTargetKind == kKindCtci && nSourceKind == kKindLcs);
    if (bLcsAndCtci)
        return kCarryGuestIP | kCarryGuestMAC | kCarryNicIP | kCarryNicMAC | kCarryBufferSizes;
    return kCarryGuestIP | kCarryNicIP | kCarryNicMAC;  // OSA with LCS or CTCI
}

void CarryOverAddresses(int nTargetKind, int nSourceKind, const SCommAddresses& from, SCommAddresses& to)
{
    const UINT nFields = CommCarriedFields(nTargetKind, nSourceKind);
    if (nFields & kCarryGuestIP)
        to.strGuestIP = from.strGuestIP;
    if (nFields & kCarryGuestMAC)
        to.strGuestMAC = from.strGuestMAC;
    if (nFields & kCarryNicIP)
        to.strNicIP = from.strNicIP;
    if (nFields & kCarryNicMAC)
        to.strNicMAC = from.strNicMAC;
    if (nFields & kCarryBufferSizes) {
        to.nDriverSize = from.nDriverSize;
        to.nDllSize = from.nDllSize;
    }
}

void ParseQethArguments(const char* pszArgs, SQethFields& fields)
{
    CString strArgs = pszArgs;
    if (TrimBlanks(strArgs).IsEmpty())
        return;
    CStringArray words;
    ParseStmt(strArgs, words);
    CString strIface, strGuestIP, strMask, strChpid;
    const INT_PTR nWords = words.GetSize();
    for (INT_PTR i = 0; i < nWords; ++i) {
        const CString& strWord = words[i];
        CString* pValue = nullptr;
        bool bKept = false;
        if (strWord.CompareNoCase("iface") == 0)
            pValue = &strIface;
        else if (strWord.CompareNoCase("ipaddr") == 0)
            pValue = &strGuestIP;
        else if (strWord.CompareNoCase("netmask") == 0)
            pValue = &strMask;
        else if (strWord.CompareNoCase("chpid") == 0)
            pValue = &strChpid;
        else
            bKept = strWord.CompareNoCase("ipaddr6") == 0 || strWord.CompareNoCase("hwaddr") == 0 ||
                    strWord.CompareNoCase("mtu") == 0;
        if (strWord.CompareNoCase("debug") == 0) {
            fields.bDebug = true;
            continue;
        }
        if (!pValue && !bKept) {
            fields.keptWords.Add(strWord);  // a word of a newer emulator: not ours to drop
            continue;
        }
        if (i + 1 >= nWords)
            break;  // a keyword without its value ends the walk
        const CString& strValue = words[++i];
        if (pValue) {
            *pValue = strValue;
        } else {
            fields.keptWords.Add(strWord);
            fields.keptWords.Add(strValue);
        }
    }
    if (IsMacText(strIface))
        fields.strNicMAC = strIface;
    else
        fields.strNicIP = IsDottedAddress(strIface) ? strIface : CString();
    if (!strGuestIP.IsEmpty() && IsDottedAddress(strGuestIP))
        fields.strGuestIP = strGuestIP;
    DWORD dwMask = 0;
    if (!strMask.IsEmpty() && ParseNetmask(strMask, dwMask))
        fields.strMask = strMask;
    if (!strChpid.IsEmpty() && IsHexString(strChpid, 2))
        fields.strChpid = strChpid;
}

CString BuildQethArguments(const SQethFields& fields)
{
    // The page's checks leave none of the three empty; should one be, its
    // keyword is left out rather than take the next word as its value.
    CString str;
    AppendKeyword(str, "iface", fields.strNicMAC.IsEmpty() ? fields.strNicIP : fields.strNicMAC);
    AppendKeyword(str, "ipaddr", fields.strGuestIP);
    AppendKeyword(str, "netmask", fields.strMask);
    for (INT_PTR i = 0; i < fields.keptWords.GetSize(); ++i)
        str += (i == 0 ? "  " : " ") + QuoteWord(fields.keptWords[i]);
    AppendKeyword(str, "chpid", fields.strChpid);
    if (fields.bDebug)
        str += "  debug";
    return str.Trim(' ');
}

void ParseCtceArguments(const char* pszArgs, SCtceFields& fields)
{
    CStringArray words;
    ParseStmt(pszArgs, words);
    UINT* const numbers[] = {&fields.nLocalPort, nullptr, &fields.nRemotePort, &fields.nMtu};
    for (INT_PTR i = 0; i < words.GetSize() && i < 4; ++i) {
        if (!numbers[i]) {
            fields.strRemoteHost = words[i];
            continue;
        }
        UINT n = 0;
        if (IsNumericString(words[i]) && StringToUINT(words[i], n))
            *numbers[i] = n;
    }
}

CString BuildCtceArguments(const SCtceFields& fields)
{
    CString str;
    // "%d  %s  %d  %d" for the checked values; unsigned, so that a number
    // written before its check reads back as itself.
    str.Format("%u  %s  %u  %u", fields.nLocalPort, fields.strRemoteHost.GetString(), fields.nRemotePort,
               fields.nMtu);
    return str.Trim(' ');
}

bool IsValidCtcePort(UINT nPort, UINT nMin, UINT nMax)
{
    return nPort % 2 == 0 && nPort >= nMin && nPort <= nMax;
}

CString CommAdapterCommand(bool bAdd, const CString& strDevnum, const char* pszTypeWord, const CString& strArgs)
{
    CString str;
    if (bAdd)
        str.Format("attach  %s  %s  %s", strDevnum.GetString(), pszTypeWord, strArgs.GetString());
    else
        str.Format("devinit  %s  %s", strDevnum.GetString(), strArgs.GetString());
    return str.TrimRight(' ');
}
