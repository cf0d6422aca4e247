// UtilityProgressFuzzer.cpp: what a utility writes on its standard error, in
// reads of any size, through the reader's line buffer and chunk splitter,
// and every line given to the progress parser of every kind. Checks that the
// lines arrive as written (over-long ones cut with the marker, trailing
// white space removed, nothing lost or doubled), that a keyword's value is
// the number that follows it (saturated, never wrapped), that a kind without
// a parser consumes nothing, and that progress fractions stay within 0..1
// for any range, ascending, descending or empty. The first two bytes choose
// the read size and how the reads vary.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "session/PipeChunkSplit.h"
#include "session/PipeLineBuffer.h"
#include "session/UtilityProgress.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

// strtoll reads the same form (C-locale blanks, a sign, decimal digits) and
// saturates on overflow.
INT64 ReferenceNumber(const char* psz)
{
    errno = 0;
    return std::strtoll(psz, nullptr, 10);
}

bool StartsWith(const char* psz, const char* pszPrefix)
{
    return std::strncmp(psz, pszPrefix, std::strlen(pszPrefix)) == 0;
}

void CheckLine(int nKind, const char* pszLine)
{
    const SProgressLine r = ParseProgressLine(nKind, pszLine);
    if (!HasProgressParser(nKind)) {
        FUZZ_CHECK(r.eAction == kProgressNotConsumed && r.pszKeyword == nullptr);
        return;
    }
    if (r.pszKeyword) {
        FUZZ_CHECK(r.eAction == kProgressTotal || r.eAction == kProgressPosition);
        FUZZ_CHECK(StartsWith(pszLine, r.pszKeyword));
        FUZZ_CHECK(r.nValue == ReferenceNumber(pszLine + std::strlen(r.pszKeyword)));
    } else {
        FUZZ_CHECK(r.eAction == kProgressNotConsumed || r.eAction == kProgressSwallowed);
        FUZZ_CHECK(r.eAction != kProgressSwallowed || ParseProgressCommon(pszLine));
        FUZZ_CHECK(r.nValue == 0 && !r.bNotify);
    }
}

void CheckFraction(INT64 nLow, INT64 nHigh, INT64 nPos)
{
    const double d = ProgressFraction(nLow, nHigh, nPos);
    FUZZ_CHECK(d >= 0.0 && d <= 1.0);
    if (nLow != nHigh && nPos == nLow)
        FUZZ_CHECK(d == 0.0);
    if (nLow != nHigh && nPos == nHigh)
        FUZZ_CHECK(d == 1.0);
}

// The lines the reader should hand on: cut at LF; an over-long one shortened
// to its first kCutLength bytes and the marker; trailing white space removed;
// the text up to an embedded NUL, as the receiver's C string ends there.
std::vector<std::string> ExpectedLines(const uint8_t* data, size_t size)
{
    std::vector<std::string> lines;
    std::string line;
    auto add = [&] {
        if (line.size() > (size_t)CPipeLineBuffer::kMaxLine)
            line = line.substr(0, CPipeLineBuffer::kCutLength) + "...(truncated)";
        while (!line.empty() && std::isspace((unsigned char)line.back()))
            line.pop_back();
        lines.push_back(line.c_str());
        line.clear();
    };
    for (size_t i = 0; i < size; i++) {
        if (data[i] == '\n')
            add();
        else
            line += (char)data[i];
    }
    if (!line.empty())
        add();
    return lines;
}

// Feeds the bytes through a line buffer in reads of varying size, as the
// reader thread does, and returns the lines the splitter passes on.
std::vector<std::string> ReadLines(const uint8_t* data, size_t size, size_t nReadSize, unsigned nVary)
{
    CPipeLineBuffer buffer(nReadSize);
    std::vector<std::string> lines;
    auto handOver = [&] {
        SplitPipeChunk(buffer.Data(), buffer.Length(), [&](char* psz) { lines.push_back(psz); });
        buffer.KeepAfterHandOver();
    };
    size_t nPos = 0;
    for (unsigned i = 1; nPos < size; i++) {
        const size_t nWanted = nVary ? 1 + (i * nVary) % buffer.ReadCapacity() : buffer.ReadCapacity();
        const size_t n = std::min(nWanted, size - nPos);
        std::memcpy(buffer.ReadTarget(), data + nPos, n);
        nPos += n;
        if (buffer.Accept(n))
            handOver();
    }
    if (buffer.Finish())
        handOver();
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const size_t nReadSize = 1 + (size_t)data[0] * 16;
    const unsigned nVary = data[1];
    data += 2;
    size -= 2;
    const std::vector<std::string> lines = ReadLines(data, size, nReadSize, nVary);
    FUZZ_CHECK(lines == ExpectedLines(data, size));

    std::vector<INT64> values = {0, 1, -1, LLONG_MIN, LLONG_MAX};
    for (const std::string& line : lines) {
        const char* pszLine = line.c_str();
        FUZZ_CHECK(ReadProgressNumber(pszLine) == ReferenceNumber(pszLine));
        for (int nKind = -2; nKind <= 32; nKind++)
            CheckLine(nKind, pszLine);
        CheckLine(INT_MIN, pszLine);
        CheckLine(INT_MAX, pszLine);
        const char* pszEq = std::strchr(pszLine, '=');
        if (values.size() < 10)
            values.push_back(ReadProgressNumber(pszEq ? pszEq + 1 : pszLine));
    }
    ParseProgressLine(kUtilWidenVol, nullptr);
    for (INT64 nLow : values)
        for (INT64 nHigh : values)
            for (INT64 nPos : values)
                CheckFraction(nLow, nHigh, nPos);
    return 0;
}
