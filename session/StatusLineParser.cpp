// StatusLineParser.cpp: the emulator's status lines.
//
// Every field is read only after the line's length has been checked: a line
// cut short by a broken pipe, or garbage that happens to begin with a
// keyword, must not be read past its end.
#include "session/StatusLineParser.h"

#include <cstdlib>
#include <cstring>

#include "session/RegisterFields.h"
#include "session/UtilityProgress.h"

const size_t kStatusPartSize[kStatusPartCount] = { 64, 16, 64, 32, 32 };

namespace {

// Layout of a "STATUS=" value: "CPnn PSW=..." or "CPUnnnn PSW=...".
struct SStatusLayout {
    size_t nPart0;      // processor and PSW text
    size_t nLetters;    // start of the eight state letters
    size_t nCount;      // start of "instcount=" and the count
    size_t nCpuAt, nCpuLength;
};
const SStatusLayout kShortCpu = { 43, 44, 53, 2, 2 };
const SStatusLayout kLongCpu = { 46, 47, 56, 3, 4 };
const size_t kLetterCount = 8;
const size_t kCountKeyword = 10;        // "instcount="
const UINT64 kVersionLimit = 1000;      // "MAINSIZE=" up to this is a version

bool Starts(const char* p, size_t n, const char* pszKeyword)
{
    size_t nKeyword = std::strlen(pszKeyword);
    return n >= nKeyword && std::memcmp(p, pszKeyword, nKeyword) == 0;
}

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

bool IsHex(const char* p, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        if (!std::strchr("0123456789ABCDEFabcdef", p[i]) || p[i] == '\0')
            return false;
    return n > 0;
}

std::string Cut(const char* p, size_t n, size_t nSize)
{
    return std::string(p, n < nSize ? n : nSize - 1);
}

// Leading decimal digits, saturating at the 64-bit maximum; false when
// there are none.
bool ReadUnsigned(const char* p, size_t n, UINT64& ullValue, size_t& nUsed)
{
    ullValue = 0;
    for (nUsed = 0; nUsed < n && IsDigit(p[nUsed]); ++nUsed) {
        UINT64 d = (UINT64)(p[nUsed] - '0');
        ullValue = ullValue > (~(UINT64)0 - d) / 10 ? ~(UINT64)0 : ullValue * 10 + d;
    }
    return nUsed > 0;
}

// "%d": an optional sign and digits, clamped to the int range.
bool ReadInt(const char* p, size_t n, int& nValue)
{
    bool bMinus = n > 0 && (p[0] == '-' || p[0] == '+');
    bool bNegative = bMinus && p[0] == '-';
    UINT64 ull;
    size_t nUsed;
    if (!ReadUnsigned(p + bMinus, n - bMinus, ull, nUsed))
        return false;
    UINT64 nLimit = bNegative ? 2147483648ull : 2147483647ull;
    INT64 n64 = (INT64)(ull < nLimit ? ull : nLimit);
    nValue = (int)(bNegative ? -n64 : n64);
    return true;
}

std::string GroupThousands(const std::string& strDigits)
{
    std::string out;
    for (size_t i = 0; i < strDigits.size(); ++i) {
        if (i > 0 && (strDigits.size() - i) % 3 == 0)
            out += ',';
        out += strDigits[i];
    }
    return out;
}

std::string Trim(const char* p, size_t n)
{
    while (n > 0 && p[0] == ' ') {
        ++p;
        --n;
    }
    while (n > 0 && p[n - 1] == ' ')
        --n;
    return std::string(p, n);
}

SStatusLine Result(EStatusLineKind eKind)
{
    SStatusLine line;
    line.eKind = eKind;
    return line;
}

// A processor's number: nDigits hexadecimal digits at p; false when one is
// not a digit.
bool ReadHexCpu(const char* p, size_t nDigits, unsigned& nCpu)
{
    if (!IsHex(p, nDigits))
        return false;
    nCpu = (unsigned)std::strtoul(std::string(p, nDigits).c_str(), nullptr, 16);
    return true;
}

// The value of a processor the emulator has but does not run (above
// NUMCPU when no MAXCPU is configured): "CPnn" or "CPUnnnn", then a run of
// "(", "OFFLINE" and a run of ")", blanks allowed between them. False for
// any other value.
bool ReadOfflineCpu(const char* v, size_t n, unsigned& nCpu)
{
    if (n < 3 || v[0] != 'C' || v[1] != 'P')
        return false;
    const size_t nAt = v[2] == 'U' ? 3 : 2, nDigits = v[2] == 'U' ? 4 : 2;
    unsigned nNumber = 0;
    if (n < nAt + nDigits || !ReadHexCpu(v + nAt, nDigits, nNumber))
        return false;
    size_t i = nAt + nDigits;
    auto skip = [&](char ch) {
        size_t nFirst = i;
        while (i < n && v[i] == ch)
            ++i;
        return i - nFirst;
    };
    skip(' ');
    if (skip('(') == 0)
        return false;
    skip(' ');
    if (n - i < 7 || std::memcmp(v + i, "OFFLINE", 7) != 0)
        return false;
    i += 7;
    skip(' ');
    if (skip(')') == 0 || i != n)
        return false;
    nCpu = nNumber;
    return true;
}

SStatusLine ParseStatus(const char* v, size_t n)
{
    // An offline processor: its status, with no fields and no lamp lit.
    unsigned nOffline = 0;
    if (ReadOfflineCpu(v, n, nOffline)) {
        SStatusLine offline = Result(kStatStatus);
        offline.nCpu = nOffline;
        offline.bOffline = true;
        return offline;
    }
    if (n <= 4)
        return Result(kStatNone);
    const SStatusLayout& lay = v[4] == ' ' ? kShortCpu : kLongCpu;
    if (n < lay.nCount + kCountKeyword || v[lay.nPart0] != ' ' || v[lay.nCount - 1] != ' ')
        return Result(kStatNone);
    SStatusLine line = Result(kStatStatus);
    if (!ReadHexCpu(v + lay.nCpuAt, lay.nCpuLength, line.nCpu))
        return Result(kStatStatusBadCpu);
    line.strPart[0].assign(v, lay.nPart0);
    line.strPart[1].assign(v + lay.nLetters, kLetterCount);
    std::string strCount(v + lay.nCount + kCountKeyword, n - lay.nCount - kCountKeyword);
    std::string strPart2 = "instcount=" + GroupThousands(strCount);
    line.strPart[2] = Cut(strPart2.data(), strPart2.size(), kStatusPartSize[2]);
    const char* pLetters = v + lay.nLetters;
    line.bManual = pLetters[0] == 'M';
    line.bRunning = pLetters[2] != 'W';
    line.bLoading = pLetters[3] == 'L';
    return line;
}

SStatusLine ParseSLine(const char* p, size_t n)
{
    if (Starts(p, n, "STATUS="))
        return ParseStatus(p + 7, n - 7);
    if (Starts(p, n, "SYS=")) {
        SStatusLine line = Result(kStatSystem);
        line.bRunning = n > 4 && p[4] == '1';
        return line;
    }
    if (Starts(p, n, "SIOS=")) {
        SStatusLine line = Result(kStatSios);
        line.strText = Cut(p, n, kStatusPartSize[4]);
        return line;
    }
    bool bCommon = ParseProgressCommon(std::string(p, n < 6 ? n : 6).c_str());
    return Result(bCommon ? kStatSwallowed : kStatNone);
}

SStatusLine ParseCpuPercent(const char* p, size_t n)
{
    if (Starts(p, n, "CPUPCT=")) {
        SStatusLine line = Result(kStatCpuPercent);
        line.bHasValue = ReadInt(p + 7, n - 7, line.nPercent);
        return line;
    }
    if (n < 9 || !Starts(p, n, "CPUPCT") || !IsDigit(p[6]) || !IsDigit(p[7]) || p[8] != '=')
        return Result(kStatNone);
    SStatusLine line = Result(kStatCpuPercentOne);
    line.nCpu = (unsigned)((p[6] - '0') * 10 + (p[7] - '0'));
    if (!ReadInt(p + 9, n - 9, line.nPercent))
        return Result(kStatSwallowed);
    return line;
}

SStatusLine ParseRegister(const char* p, size_t n)
{
    int nField = FindRegisterField(p, n);
    if (nField < 0)
        return Result(kStatNone);
    const SRegisterField& field = RegisterField(nField);
    size_t nSkip = field.bDropPrefix ? 3 : 0;
    SStatusLine line = Result(kStatRegister);
    line.nField = nField;
    line.strText = Cut(p + nSkip, n - nSkip, field.nBufferSize);
    return line;
}

SStatusLine ParseMainStorage(const char* p, size_t n)
{
    UINT64 ull;
    size_t nUsed;
    if (!ReadUnsigned(p + 9, n - 9, ull, nUsed))
        return Result(kStatNone);
    if (p[5] == 'T') {    // "MAINSTOR="
        SStatusLine line = Result(kStatMainStor);
        line.ullValue = ull;
        return line;
    }
    if (ull > kVersionLimit) {
        SStatusLine line = Result(kStatMainSize);
        line.ullValue = ull;
        return line;
    }
    SStatusLine line = Result(kStatVersion);
    line.dVersion = std::strtod(std::string(p + 9, n - 9).c_str(), nullptr);
    return line;
}

SStatusLine ParseMLine(const char* p, size_t n)
{
    if (Starts(p, n, "MIPS=")) {
        SStatusLine line = Result(kStatMips);
        line.strText = Cut(p, n, kStatusPartSize[3]);
        return line;
    }
    if (Starts(p, n, "MAN="))
        return Result(kStatSwallowed);
    if (Starts(p, n, "MAINSTOR=") || Starts(p, n, "MAINSIZE="))
        return ParseMainStorage(p, n);
    return Result(kStatNone);
}

SStatusLine ParseBracketLine(const char* p, size_t n)
{
    if (Starts(p, n, "]!OOPS!"))
        return Result(kStatOops);
    if (Starts(p, n, "]BEEP!"))
        return Result(kStatBeep);
    if (!Starts(p, n, "]CWD="))
        return Result(kStatNone);
    SStatusLine line = Result(kStatCwd);
    line.strText = Trim(p + 5, n - 5);
    return line;
}

SStatusLine ParseDevice(const char* p, size_t n)
{
    SStatusLine line;
    line.device = ParseDeviceStatusLine(p, n);
    line.eKind = line.device.eKind == kDevLineNone ? kStatNone : kStatDevice;
    return line;
}

}  // namespace

SStatusLine ParseStatusLine(const char* p, size_t n)
{
    if (n == 0)
        return Result(kStatNone);
    switch (p[0]) {
    case 'S': return ParseSLine(p, n);
    case 'C': return Starts(p, n, "CR") ? ParseRegister(p, n) : ParseCpuPercent(p, n);
    case 'D': return ParseDevice(p, n);
    case '6': case 'V': case 'G': case 'A': case 'F': return ParseRegister(p, n);
    case 'M': return ParseMLine(p, n);
    case 'P': return Result(Starts(p, n, "POS=") ? kStatSwallowed : kStatNone);
    case 'L': return Result(Starts(p, n, "LOAD=") ? kStatSwallowed : kStatNone);
    case ']': return ParseBracketLine(p, n);
    default: return Result(kStatNone);
    }
}

SStatusLine ParseStdoutLine(const char* p, size_t n)
{
    if (Starts(p, n, "MAN=") || Starts(p, n, "LOAD="))
        return Result(kStatSwallowed);
    if (!Starts(p, n, "]SPLRCMD="))
        return Result(kStatNone);
    std::string strCommand;
    for (size_t i = 9; i < n; ++i)
        if (p[i] != '\n')
            strCommand += p[i];
    SStatusLine line = Result(kStatSpoolerCmd);
    line.strText = Trim(strCommand.data(), strCommand.size());
    return line;
}
