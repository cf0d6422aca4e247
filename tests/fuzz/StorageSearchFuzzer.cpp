// StorageSearchFuzzer.cpp: the storage bar's search on arbitrary storage:
// the walk in small overlapping windows (with and without the whole-word
// context byte) must find exactly the match a check of every place of the
// whole storage finds, forward the first from the start and backward the
// last up to it; and find and jump texts of any bytes give bounded results.
// The first bytes choose the options, the pattern, the window and the start;
// the rest is the storage.
#include <cstring>
#include <string>
#include <vector>

#include "config/ValueConversions.h"
#include "mainwindow/StorageSearch.h"
#include "mainwindow/StorageWindow.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

// The first (last) place at or after (before) nStart where the pattern
// matches, judged over the whole storage at once.
bool Reference(const CStoragePattern& p, const std::vector<BYTE>& s, UINT64 nStart, bool bForward, UINT64& nFound)
{
    size_t m = p.Length();
    if (m == 0 || m > s.size())
        return false;
    if (bForward) {
        for (UINT64 i = nStart; i + m <= s.size(); ++i)
            if (p.MatchesAt(s.data(), s.size(), (size_t)i)) {
                nFound = i;
                return true;
            }
        return false;
    }
    for (UINT64 i = std::min<UINT64>(nStart, s.size() - m) + 1; i-- > 0;)
        if (p.MatchesAt(s.data(), s.size(), (size_t)i)) {
            nFound = i;
            return true;
        }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 5)
        return 0;
    SStorageSearchOptions opt;
    opt.bHex = data[0] & 1;
    opt.bMatchCase = (data[0] & 2) != 0;
    opt.bWholeWord = (data[0] & 4) != 0;
    bool bForward = (data[0] & 8) != 0;
    size_t m = 1 + data[1] % 6;
    size_t nWindow = 2 + data[2] % 40;
    if (size < 4 + m)
        return 0;
    std::vector<BYTE> pattern(data + 4, data + 4 + m);
    std::vector<BYTE> storage(data + 4 + m, data + size);
    UINT64 nStart = storage.empty() ? 0 : data[3] % storage.size();

    CStoragePattern p;
    p.Set(pattern, opt);
    std::vector<BYTE> buffer(nWindow);
    int nReads = 0;
    StorageReader read = [&](UINT64 a, BYTE* pBuf, size_t n) {
        FUZZ_CHECK(n <= buffer.size() && a <= storage.size() && n <= storage.size() - a);
        std::memcpy(pBuf, storage.data() + a, n);
        ++nReads;
        return true;
    };
    SStorageSearchResult r = SearchStorage(p, storage.size(), nStart, bForward, buffer, read, nullptr);
    UINT64 nExpected = 0;
    bool bExpected = Reference(p, storage, nStart, bForward, nExpected);
    // A window too small for the pattern and its context searches nothing.
    if (std::min<size_t>(nWindow, storage.size()) < m + 2 * p.Context() && storage.size() > nWindow)
        bExpected = false;
    FUZZ_CHECK((r.eEnd == kStorageFound) == bExpected);
    if (bExpected)
        FUZZ_CHECK(r.nFound == nExpected);
    FUZZ_CHECK(nReads <= (int)(storage.size() + 2));

    // Any text as a find text, any text as an address.
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    text = text.c_str();
    std::vector<BYTE> bytes = MakeSearchBytes(text.c_str(), ParseNumberHexOrDec(text.c_str()));
    FUZZ_CHECK(bytes.size() <= kStorageSearchMaxBytes);
    FUZZ_CHECK(bytes.empty() == text.empty());
    UINT64 nAddress = 0;
    bool bClamped = false;
    if (ParseJumpAddress(text.c_str(), storage.size() + 1, nAddress, bClamped))
        FUZZ_CHECK(nAddress <= storage.size());
    return 0;
}
