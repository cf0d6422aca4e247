// LcsCtciArguments.cpp: the LCS and CTCI argument texts.
#include "devices/LcsCtciArguments.h"

#include "platform/CGetOpt.h"
#include "platform/NetAddress.h"
#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"

const char kGetOptDummyArgv0[] = "(dummy-argv[0])";
const char kNoNicAddress[] = "0.0.0.0";

namespace {

// The words of the text behind the dummy program name.
void SplitArguments(const char* pszArgs, CStringArray& words)
{
    ParseStmt(pszArgs, words);
    words.InsertAt(0, CString(kGetOptDummyArgv0));
}

// "-n": the one address replaces both NIC texts.
void SetNic(SNetAdapterFields& f, const CString& strValue)
{
    f.strNicIP.Empty();
    f.strNicMAC.Empty();
    (IsNicMacText(strValue) ? f.strNicMAC : f.strNicIP) = strValue;
}

// A buffer size in K bytes, 0 when the text is no number.
UINT SizeValue(const CString& strValue)
{
    UINT n = 0;
    return StringToUINT(strValue, n) ? n : 0;
}

bool IsIPText(const CString& str)
{
    DWORD dw = 0;
    return ParseIPAddress(str, dw);
}

bool IsMACText(const CString& str)
{
    BYTE aby[6] = {};
    return ParseMACAddress(str, aby);
}

// Addresses that do not parse are dropped.
void DropInvalidAddresses(SNetAdapterFields& f)
{
    if (!IsIPText(f.strNicIP))
        f.strNicIP.Empty();
    if (!IsIPText(f.strGuestIP))
        f.strGuestIP.Empty();
    if (!IsMACText(f.strNicMAC))
        f.strNicMAC.Empty();
    if (!IsMACText(f.strGuestMAC))
        f.strGuestMAC.Empty();
}

// Appends the separator and the word when the word is not empty.
void AppendItem(CString& str, const char* pszSep, const char* pszOption, const CString& strValue)
{
    if (strValue.IsEmpty())
        return;
    str += pszSep;
    str += pszOption;
    str += strValue;
}

// The options both texts share: "-d", "-k", "-i" (the NIC and guest
// options are written by each kind itself).
void AppendSizes(CString& str, const char* pszSep, const SNetAdapterFields& f)
{
    if (f.nDriverSize != 0)
        str.AppendFormat("%s-k %u", pszSep, f.nDriverSize);
    if (f.nDllSize != 0)
        str.AppendFormat("%s-i %u", pszSep, f.nDllSize);
}

}  // namespace

bool IsNicMacText(const char* pszValue)
{
    CString str(pszValue);
    return str.FindOneOf(":-") >= 0;
}

void ParseLcsArguments(const char* pszArgs, SLcsFields& f)
{
    CString strArgs(pszArgs);
    if (TrimBlanks(strArgs).IsEmpty())
        return;
    CStringArray words;
    SplitArguments(strArgs, words);

    SLcsFields r;
    r.nDriverSize = f.nDriverSize;
    r.nDllSize = f.nDllSize;
    CGetOpt opt(words, "n:o:m:k:i:d");
    for (int ch; (ch = opt.GetOpt()) != -1;) {
        const CString& strValue = opt.OptArg();
        switch (ch) {
        case 'd': r.bDebug = true; break;
        case 'i': r.nDllSize = SizeValue(strValue); break;
        case 'k': r.nDriverSize = SizeValue(strValue); break;
        case 'm':
            if (r.strOATFile.IsEmpty())
                r.strGuestMAC = strValue;
            break;
        case 'n': SetNic(r, strValue); break;
        case 'o':
            r.strOATFile = strValue;
            r.strGuestIP.Empty();
            r.strGuestMAC.Empty();
            break;
        default:  // a known option without its value clears what it sets
            if (!opt.MissingArg())
                break;
            switch (opt.OptOpt()) {
            case 'i': r.nDllSize = 0; break;
            case 'k': r.nDriverSize = 0; break;
            case 'm': r.strGuestMAC.Empty(); break;
            case 'n': SetNic(r, CString()); break;
            case 'o': r.strOATFile.Empty(); break;
            }
        }
    }
    if (r.strOATFile.IsEmpty() && opt.OptInd() < words.GetSize())
        r.strGuestIP = words[opt.OptInd()];
    DropInvalidAddresses(r);
    f = r;
}

CString BuildLcsArguments(const SLcsFields& f)
{
    CString str;
    if (f.bDebug)
        str += " -d";
    AppendItem(str, " ", "-n ", f.strNicIP.IsEmpty() ? f.strNicMAC : f.strNicIP);
    AppendSizes(str, " ", f);
    if (!f.strOATFile.IsEmpty())
        AppendItem(str, " ", "-o ", QuoteIfNeeded(f.strOATFile));
    else {
        AppendItem(str, " ", "-m ", f.strGuestMAC);
        AppendItem(str, " ", "", f.strGuestIP);
    }
    return TrimBlanks(str);
}

void ParseCtciArguments(const char* pszArgs, SNetAdapterFields& f)
{
    CString strArgs(pszArgs);
    if (TrimBlanks(strArgs).IsEmpty())
        return;
    CStringArray words;
    SplitArguments(strArgs, words);

    SNetAdapterFields r;
    CString strDriver, strDll;
    CGetOpt opt(words, "n:m:k:i:d");
    for (int ch; (ch = opt.GetOpt()) != -1;) {
        const CString& strValue = opt.OptArg();
        switch (ch) {
        case 'd': r.bDebug = true; break;
        case 'i': strDll = strValue; break;
        case 'k': strDriver = strValue; break;
        case 'm': r.strGuestMAC = strValue; break;
        case 'n': SetNic(r, strValue); break;
        default:
            if (!opt.MissingArg())
                break;
            switch (opt.OptOpt()) {
            case 'i': strDll.Empty(); break;
            case 'k': strDriver.Empty(); break;
            case 'm': r.strGuestMAC.Empty(); break;
            case 'n': SetNic(r, CString()); break;
            }
        }
    }
    const int nFirst = opt.OptInd();
    if (nFirst < words.GetSize())
        r.strGuestIP = words[nFirst];
    if (nFirst + 1 < words.GetSize() && words[nFirst + 1] != kNoNicAddress) {
        r.strNicIP = words[nFirst + 1];
        r.strNicMAC.Empty();
    }
    DropInvalidAddresses(r);
    if (r.strNicIP == kNoNicAddress)  // "-n 0.0.0.0" names no adapter either
        r.strNicIP.Empty();
    r.nDriverSize = IsNumericString(strDriver) ? SizeValue(strDriver) : f.nDriverSize;
    r.nDllSize = IsNumericString(strDll) ? SizeValue(strDll) : f.nDllSize;
    f = r;
}

CString BuildCtciArguments(const SNetAdapterFields& f)
{
    CString str;
    if (f.bDebug)
        str += "  -d";
    AppendItem(str, "  ", "-m ", f.strGuestMAC);
    AppendItem(str, "  ", "-n ", f.strNicMAC);
    AppendSizes(str, "  ", f);
    str += "  " + f.strGuestIP;
    str += "  ";
    str += f.strNicIP.IsEmpty() ? CString(kNoNicAddress) : f.strNicIP;
    return TrimBlanks(str);
}
