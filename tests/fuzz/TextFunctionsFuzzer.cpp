// TextFunctionsFuzzer.cpp: the platform's text functions on arbitrary text:
// the strict number conversions against the C library's, statement words
// and quoting, splitting, trimming, tab expansion, address texts, folder and
// path forms, Windows command-line words, the dialogs' address, netmask and name rules, code-page translation, hexadecimal renderings and the quick
// memory search against a plain one, the option walker and the LCS and
// CTCI argument texts read, written and read again. The first bytes choose
// the parameters (separator length, tab size, quote character), the rest is
// the text.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <string>

#include "config/FieldRules.h"
#include "config/NetworkValues.h"
#include "devices/LcsCtciArguments.h"
#include "platform/CGetOpt.h"
#include "platform/CSplitPath.h"
#include "platform/CodePage.h"
#include "platform/HexRender.h"
#include "platform/MemSearch.h"
#include "platform/NetAddress.h"
#include "platform/NumberParse.h"
#include "platform/PathFunctions.h"
#include "platform/TextFunctions.h"
#include "session/UtilityCommandLine.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/session/CrtArgvModel.h"

namespace {

bool AllOf(const char* psz, const char* pszSet)
{
    return *psz && std::strspn(psz, pszSet) == std::strlen(psz);
}

const char kDec[] = "0123456789";
const char kHex[] = "0123456789ABCDEFabcdef";

// The value strtoull gives a text of digits, or false when it overflows nMax.
bool ReferenceUnsigned(const char* psz, int nBase, UINT64 nMax, UINT64& v)
{
    errno = 0;
    v = std::strtoull(psz, nullptr, nBase);
    return errno != ERANGE && v <= nMax;
}

template <class T>
void CheckUnsigned(bool (*pfn)(const char*, T&), const char* psz, int nBase, UINT64 nMax)
{
    const T sentinel = (T)0x5A5A5A5A5A5A5A5Aull;
    T v = sentinel;
    const bool bOk = pfn(psz, v);
    UINT64 ref = 0;
    const bool bRef = AllOf(psz, nBase == 10 ? kDec : kHex) && ReferenceUnsigned(psz, nBase, nMax, ref);
    FUZZ_CHECK(bOk == bRef);
    FUZZ_CHECK(bOk ? (UINT64)v == ref : v == sentinel);
}

void CheckNumbers(const char* psz)
{
    CheckUnsigned<UINT>(StringToUINT, psz, 10, UINT_MAX);
    CheckUnsigned<WORD>(StringToWORD, psz, 10, 0xFFFF);
    CheckUnsigned<UINT64>(StringToUINT64, psz, 10, ~0ull);
    CheckUnsigned<WORD>(HexStringToWORD, psz, 16, 0xFFFF);
    CheckUnsigned<UINT>(HexStringToUINT, psz, 16, UINT_MAX);
    CheckUnsigned<UINT64>(HexStringToUINT64, psz, 16, ~0ull);

    INT n = 12345;
    const bool bOk = StringToINT(psz, n);
    const char* pszDigits = (*psz == '-' || *psz == '+') ? psz + 1 : psz;
    errno = 0;
    const long long ref = std::strtoll(psz, nullptr, 10);
    const bool bRef = AllOf(pszDigits, kDec) && errno != ERANGE && ref >= INT_MIN && ref <= INT_MAX;
    FUZZ_CHECK(bOk == bRef);
    FUZZ_CHECK(bOk ? n == ref : n == 12345);

    const size_t nLen = std::strlen(psz);
    for (int nMax : {0, 1, 4, 8}) {
        const bool bFits = nMax == 0 || nLen <= (size_t)nMax;
        FUZZ_CHECK(IsNumericString(psz, nMax) == (AllOf(psz, kDec) && bFits));
        FUZZ_CHECK(IsHexString(psz, nMax) == (AllOf(psz, kHex) && bFits));
    }
}

bool IsBlankChar(char c) { return c == ' ' || c == '\t'; }

void CheckWords(const char* psz, char chQuote)
{
    CStringArray words;
    CStringList list;
    const int n = ParseStmt(psz, words);
    FUZZ_CHECK(n == (int)words.GetSize() && ParseStmt(psz, list) == n && (int)list.GetCount() == n);
    INT_PTR i = 0;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        FUZZ_CHECK(list.GetNext(pos) == words[i++]);

    // A text without the quote character comes back as the one word it was.
    const CString strQuoted = QuoteIfNeeded(psz, chQuote);
    if (*psz && !std::strchr(psz, chQuote)) {
        FUZZ_CHECK(ParseStmt(strQuoted, words) == 1);
        FUZZ_CHECK(words[0] == psz);
    }

    CString strTrimmed(psz);
    TrimBlanks(strTrimmed);
    const int nTrimmed = strTrimmed.GetLength();
    FUZZ_CHECK(nTrimmed == 0 || (!IsBlankChar(strTrimmed[0]) && !IsBlankChar(strTrimmed[nTrimmed - 1])));
    FUZZ_CHECK(std::strstr(psz, strTrimmed) != nullptr);
}

void CheckSplit(const char* psz, const std::string& strSep)
{
    CStringArray pieces;
    CStringList list;
    const int n = SplitString(psz, strSep.c_str(), pieces);
    FUZZ_CHECK(n == (int)pieces.GetSize() && SplitString(psz, strSep.c_str(), list) == n);
    std::string joined;
    for (INT_PTR i = 0; i < pieces.GetSize(); i++)
        joined += (i ? strSep : std::string()) + pieces[i].str();
    // A separator that ends the text adds no empty piece.
    const std::string text(psz);
    FUZZ_CHECK(joined == text || (!strSep.empty() && joined + strSep == text));
}

void CheckTabs(const char* psz, int nTabSize)
{
    const CString str = ExpandTabs(psz, nTabSize);
    FUZZ_CHECK(str.Find('\t') < 0);
    std::string in(psz), out(str.str());
    in.erase(std::remove_if(in.begin(), in.end(), IsBlankChar), in.end());
    out.erase(std::remove(out.begin(), out.end(), ' '), out.end());
    FUZZ_CHECK(in == out);
}

void CheckAddresses(const char* psz)
{
    DWORD dwNet = 7, dwHost = 7;
    const bool bOk = ParseIPAddress(psz, dwNet);
    FUZZ_CHECK(ParseIPAddress(psz, dwHost, true) == bOk);
    if (bOk) {
        FUZZ_CHECK(__builtin_bswap32(dwNet) == dwHost);
        char sz[32];
        std::snprintf(sz, sizeof sz, "%u.%u.%u.%u", dwHost >> 24, (dwHost >> 16) & 255,
                      (dwHost >> 8) & 255, dwHost & 255);
        DWORD dwAgain = 0;
        FUZZ_CHECK(ParseIPAddress(sz, dwAgain, true) && dwAgain == dwHost);
    } else {
        FUZZ_CHECK(dwNet == 7 && dwHost == 7);
    }

    BYTE mac[6] = {1, 2, 3, 4, 5, 6};
    if (ParseMACAddress(psz, mac)) {
        FUZZ_CHECK(std::strlen(psz) == 17);
        char sz[32];
        std::snprintf(sz, sizeof sz, "%02x-%02X-%02x-%02X-%02x-%02X", mac[0], mac[1], mac[2], mac[3],
                      mac[4], mac[5]);
        BYTE again[6] = {};
        FUZZ_CHECK(ParseMACAddress(sz, again) && std::memcmp(again, mac, 6) == 0);
    } else {
        static const BYTE kUnchanged[6] = {1, 2, 3, 4, 5, 6};
        FUZZ_CHECK(std::memcmp(mac, kUnchanged, 6) == 0);
    }
}

void CheckNetworkValues(const char* psz)
{
    DWORD dwAddr = 1;
    if (ParseIPv4Address(psz, dwAddr)) {
        DWORD dwAgain = 1;
        FUZZ_CHECK(ParseIPv4Address(FormatIPv4Address(dwAddr), dwAgain) && dwAgain == dwAddr);
        DWORD dwMask = 0;
        if (ParseNetmask(psz, dwMask))
            FUZZ_CHECK(dwMask == dwAddr && IsValidNetmask(dwMask));
        IsPlausibleHostAddress(dwAddr, DefaultNetmaskForAddress(dwAddr), false);
    }
    CString strMask;
    if (FormatDefaultNetmask(psz, strMask)) {
        DWORD dwMask = 0;
        FUZZ_CHECK(ParseNetmask(strMask, dwMask));
    }
}

void CheckFieldRules(const char* psz)
{
    CString strName(psz);
    if (IsValidDatasetName(strName))
        FUZZ_CHECK(strName.GetLength() >= 1 && strName.GetLength() <= 44);
    if (IsValidVolser(psz) || IsValidQualifier(psz) || IsValidTapeQualifier(psz))
        FUZZ_CHECK(std::strlen(psz) >= 1 && std::strlen(psz) <= 8);
    if (IsValidTapeDatasetName(psz))
        FUZZ_CHECK(std::strlen(psz) >= 1 && std::strlen(psz) <= 17);
    CString strGroup(psz), strMsg;
    if (ValidateTerminalGroup(strGroup, strMsg))
        FUZZ_CHECK(strGroup.GetLength() <= 8);
    IsAlphanumericString(psz);
    IsHostPortSpec(psz);
}

void CheckPaths(const char* psz)
{
    for (bool bTrailing : {false, true}) {
        const CString strStd = StandardizedDirectory(psz, bTrailing);
        const CString strWin = WindowsizedDirectory(psz, bTrailing);
        FUZZ_CHECK(strStd.Find('\\') < 0 && strWin.Find('/') < 0);
        FUZZ_CHECK(strStd.GetLength() == strWin.GetLength());
        if (bTrailing && !strStd.IsEmpty())
            FUZZ_CHECK(strStd[strStd.GetLength() - 1] == '/');
    }
    CSplitPath path(psz);
    const CString strFull = path.GetFullPath();
    CSplitPath again(strFull);
    FUZZ_CHECK(path.GetFullPath().IsEmpty() || again.GetFullPath() == strFull);
}

void CheckBytes(const uint8_t* data, size_t size)
{
    const CString str(reinterpret_cast<const char*>(data), (int)size);
    FUZZ_CHECK(TranslateString(TranslateString(str, true), false) == str);
    FUZZ_CHECK(TranslateString(TranslateString(str, false), true) == str);

    const CString strHex = MakeHex(data, size);
    FUZZ_CHECK(strHex.GetLength() == (int)(2 * size));
    for (size_t i = 0; i < size; i++) {
        WORD w = 0;
        FUZZ_CHECK(HexStringToWORD(strHex.Mid((int)(2 * i), 2), w) && w == data[i]);
    }
    FUZZ_CHECK(MakePrt(data, size).GetLength() == (int)size);
    FUZZ_CHECK(MakePrt(data, size, true, '?').GetLength() == (int)size);
}

// The pattern: the last bytes of the buffer, up to a length the first byte chooses.
void CheckSearch(const uint8_t* data, size_t size)
{
    if (size == 0)
        return;
    const size_t nPattern = std::min<size_t>(data[0] % 9, size);
    const BYTE* pPattern = data + size - nPattern;
    const BYTE* pBuf = data;
    const size_t nBuf = size - nPattern / 2;
    QSTABLE fwd, bwd;
    InitQuickForwardMemSearch(pPattern, nPattern, fwd);
    InitQuickBackwardMemSearch(pPattern, nPattern, bwd);
    const BYTE* pFirst = QuickForwardMemSearch(pBuf, nBuf, pPattern, nPattern, fwd);
    const BYTE* pLast = QuickBackwardMemSearch(pBuf, nBuf, pPattern, nPattern, bwd);
    const BYTE* pEnd = pBuf + nBuf;
    const BYTE* pRefFirst = nPattern ? std::search(pBuf, pEnd, pPattern, pPattern + nPattern) : pEnd;
    const BYTE* pRefLast = nPattern ? std::find_end(pBuf, pEnd, pPattern, pPattern + nPattern) : pEnd;
    FUZZ_CHECK(pFirst == (pRefFirst == pEnd ? nullptr : pRefFirst));
    FUZZ_CHECK(pLast == (pRefLast == pEnd ? nullptr : pRefLast));
}

// A utility's command line: the child's C runtime gives back every word of
// the dialog's command line, the program with its folder, and EXTERNALGUI
// last. A program word holding '"' names no file and is not checked.
void CheckUtilityCommandLine(const char* psz)
{
    const char* pszExeDir = "C:\\Program Files\\Vorn\\";
    CStringArray words;
    const CString strLine = BuildUtilityCommandLine(psz, pszExeDir);
    if (ParseStmt(psz, words) == 0) {
        FUZZ_CHECK(strLine.IsEmpty());
        return;
    }
    std::vector<std::string> expected;
    for (const CString& str : words)
        expected.push_back(str.str());
    expected[0] = pszExeDir + expected[0];
    expected.push_back("EXTERNALGUI");
    if (expected[0].find('"') == std::string::npos)
        FUZZ_CHECK(SplitCrtCommandLine(strLine.str()) == expected);
}

// A command line split by the Windows rules: the words, each written back
// with QuoteArgument and joined by blanks, split into the same words (the
// runtime's argument rules, which the split follows for every word); a
// failed split leaves no word, and only an unclosed quote fails.
void CheckStdCommandLine(const char* psz)
{
    CStringArray words;
    const bool bOk = StdMSWinCommandLineParse(psz, words);
    if (!bOk) {
        FUZZ_CHECK(words.GetSize() == 0);
        FUZZ_CHECK(std::strchr(psz, '"') != nullptr);
        return;
    }
    CString strLine = "x";  // a program word, split by its own rule
    for (const CString& str : words)
        strLine += " " + QuoteArgument(str);
    CStringArray again;
    FUZZ_CHECK(StdMSWinCommandLineParse(strLine, again));
    FUZZ_CHECK(again.GetSize() == words.GetSize() + 1);
    for (INT_PTR i = 0; i < words.GetSize() && i + 1 < again.GetSize(); ++i)
        FUZZ_CHECK(again[i + 1] == words[i]);
}

} // namespace

bool SameFields(const SNetAdapterFields& a, const SNetAdapterFields& b)
{
    return a.strGuestIP == b.strGuestIP && a.strGuestMAC == b.strGuestMAC && a.strNicIP == b.strNicIP &&
           a.strNicMAC == b.strNicMAC && a.nDriverSize == b.nDriverSize && a.nDllSize == b.nDllSize &&
           a.bDebug == b.bDebug;
}

// The option walker ends inside its words; what the LCS and CTCI readers
// take from a text is what they read back from the text written of it
// (names without quote characters, as file names are; CTCI with the guest
// address its page requires).
void CheckAdapterArguments(const char* psz)
{
    CStringArray words;
    ParseStmt(psz, words);
    words.InsertAt(0, CString("prog"));
    CGetOpt opt(words, "n:o:m:k:i:d");
    int nSteps = 0;
    while (opt.GetOpt() != -1)
        FUZZ_CHECK(++nSteps <= 2 * (int)std::strlen(psz) + 1);
    FUZZ_CHECK(opt.OptInd() >= 1 && opt.OptInd() <= words.GetSize());

    SLcsFields lcs, lcsAgain;
    ParseLcsArguments(psz, lcs);
    if (lcs.strOATFile.FindOneOf("\"'") < 0) {
        ParseLcsArguments(BuildLcsArguments(lcs), lcsAgain);
        FUZZ_CHECK(SameFields(lcs, lcsAgain) && lcs.strOATFile == lcsAgain.strOATFile);
    }
    SNetAdapterFields ctci, ctciAgain;
    ParseCtciArguments(psz, ctci);
    if (!ctci.strGuestIP.IsEmpty()) {
        ParseCtciArguments(BuildCtciArguments(ctci), ctciAgain);
        FUZZ_CHECK(SameFields(ctci, ctciAgain));
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckBytes(data, size);
    CheckSearch(data, size);
    if (size < 2)
        return 0;
    // Text up to an embedded NUL, as every caller hands it on.
    const std::string text(reinterpret_cast<const char*>(data) + 2, size - 2);
    const char* psz = text.c_str();
    const char chQuote = (data[0] & 0x80) ? '\'' : '"';
    const std::string strSep(psz, std::min<size_t>(data[0] % 4, std::strlen(psz)));
    const int nTabSize = (int)(signed char)data[1];

    CheckNumbers(psz);
    CheckWords(psz, chQuote);
    CheckSplit(psz + strSep.size(), strSep);
    CheckTabs(psz, nTabSize);
    CheckAddresses(psz);
    CheckPaths(psz);
    CheckNetworkValues(psz);
    CheckFieldRules(psz);
    CheckUtilityCommandLine(psz);
    CheckStdCommandLine(psz);
    CheckAdapterArguments(psz);
    return 0;
}
