// StorageSearchTest.cpp: find and replace texts as bytes, the match rules,
// the walk over a fake storage of several windows, and the bar's texts.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "config/ValueConversions.h"
#include "mainwindow/StorageSearch.h"
#include "platform/CodePage.h"

namespace {

std::vector<BYTE> Bytes(std::initializer_list<int> list)
{
    std::vector<BYTE> v;
    for (int b : list)
        v.push_back((BYTE)b);
    return v;
}

std::vector<BYTE> SearchBytes(const char* psz)
{
    return MakeSearchBytes(psz, ParseNumberHexOrDec(psz));
}

// ASCII text as the EBCDIC bytes storage holds.
std::vector<BYTE> Ebcdic(const std::string& s)
{
    std::vector<BYTE> v(s.begin(), s.end());
    TranslateString(v.data(), v.size(), true);
    return v;
}

TEST(StorageSearch, TextsBecomeBytes)
{
    EXPECT_EQ(Bytes({0xC1, 0xC2}), SearchBytes("x'C1C2'"));
    EXPECT_EQ(Bytes({0xC1, 0xC2}), SearchBytes("0xC1C2"));
    EXPECT_EQ(Bytes({0xC1, 0xC2}), SearchBytes("X'c1c2'"));
    EXPECT_EQ(Bytes({0xC1, 0xC2, 0xC3}), SearchBytes("ABC"));
    EXPECT_EQ(Bytes({0x81, 0x40, 0xF1}), SearchBytes("a 1"));
    EXPECT_TRUE(SearchBytes("").empty());
    EXPECT_TRUE(MakeSearchBytes(nullptr, 0).empty());
    // A faulty literal is searched as the text it is.
    EXPECT_EQ(Ebcdic("0xC1C"), SearchBytes("0xC1C"));
    EXPECT_EQ(Ebcdic("x'G1'"), SearchBytes("x'G1'"));
    // 200 characters: the first 127 are kept.
    std::string s200(200, 'A');
    std::vector<BYTE> v = SearchBytes(s200.c_str());
    ASSERT_EQ(127u, v.size());
    EXPECT_EQ(0xC1, v[126]);
    // A hex literal of 127 bytes is whole.
    std::string hex = "0x" + std::string(254, 'F');
    EXPECT_EQ(127u, SearchBytes(hex.c_str()).size());
}

TEST(StorageSearch, FindTextFromSelection)
{
    const BYTE sel[] = {0xC1, 0xC2, 0x00, 0xF9};
    EXPECT_STREQ("x'C1C200F9'", MakeStorageFindText(sel, 4, true));
    EXPECT_STREQ("AB.9", MakeStorageFindText(sel, 4, false));
    EXPECT_STREQ("", MakeStorageFindText(sel, 0, true));
    std::vector<BYTE> many(300, 0xC1);
    EXPECT_EQ(127, MakeStorageFindText(many.data(), many.size(), false).GetLength());
    EXPECT_EQ(2 + 254 + 1, MakeStorageFindText(many.data(), many.size(), true).GetLength());
}

struct WordCase {
    const char* storage;
    const char* find;
    bool matchCase, wholeWord, found;
};

TEST(StorageSearch, WholeWordAndCase)
{
    const WordCase cases[] = {
        {" ABC ", "ABC", false, true, true},
        {"XABC ", "ABC", false, true, false},
        {"_ABC ", "ABC", false, true, false},
        {" ABC_", "ABC", false, true, false},
        {" ABC9", "ABC", false, true, false},
        {"ABC", "ABC", false, true, true},         // the ends of storage end a word
        {"(ABC)", "ABC", false, true, true},
        {"XABC ", "ABC", false, false, true},
        {" abc ", "ABC", false, true, true},
        {" abc ", "ABC", true, true, false},
        {" abc ", "ABC", true, false, false},
        {" aBc ", "AbC", false, false, true},
        {" ABC ", "ABC", true, false, true},       // quick search
        {"XABCX ABC ", "ABC", true, true, true},   // the second one
    };
    for (const WordCase& c : cases) {
        CStoragePattern p;
        p.Set(SearchBytes(c.find), {false, c.matchCase, c.wholeWord});
        std::vector<BYTE> storage = Ebcdic(c.storage);
        size_t pos = 0;
        bool found = p.Find(storage.data(), storage.size(), 0, storage.size(), true, pos);
        EXPECT_EQ(c.found, found) << c.storage << " / " << c.find;
        bool foundBack = p.Find(storage.data(), storage.size(), 0, storage.size(), false, pos);
        EXPECT_EQ(c.found, foundBack) << c.storage << " / " << c.find;
    }
}

TEST(StorageSearch, ZeroBytesMatchNoText)
{
    CStoragePattern p;
    std::vector<BYTE> pattern = Ebcdic("A");
    p.Set(pattern, {false, false, false});
    const BYTE zeros[4] = {};
    size_t pos;
    EXPECT_FALSE(p.Find(zeros, 4, 0, 4, true, pos));
    // The same bytes searched as hex data are found.
    p.Set(Bytes({0}), {true, false, false});
    EXPECT_TRUE(p.Find(zeros, 4, 1, 4, true, pos));
    EXPECT_EQ(1u, pos);
}

TEST(StorageSearch, TablesRebuiltOnlyForANewPattern)
{
    CStoragePattern p;
    p.Set(Bytes({1, 2}), {true, false, false});
    p.Set(Bytes({1, 2}), {false, true, false});
    EXPECT_EQ(1, p.TableBuilds());
    p.Set(Bytes({1, 3}), {true, false, false});
    EXPECT_EQ(2, p.TableBuilds());
}

TEST(StorageSearch, MatchesAtForReplace)
{
    CStoragePattern p;
    p.Set(SearchBytes("ABC"), {false, false, true});
    std::vector<BYTE> s = Ebcdic("XABC ABC");
    EXPECT_FALSE(p.MatchesAt(s.data(), s.size(), 1));
    EXPECT_TRUE(p.MatchesAt(s.data(), s.size(), 5));
    EXPECT_FALSE(p.MatchesAt(s.data(), s.size(), 6));   // runs past the end
    EXPECT_FALSE(p.MatchesAt(s.data(), s.size(), 99));
}

// A fake storage of 4 MiB read through the callback, counting the reads.
struct FakeStorage {
    std::vector<BYTE> bytes;
    int reads = 0;
    explicit FakeStorage(size_t n) : bytes(n)
    {
        for (size_t i = 0; i < n; ++i)
            bytes[i] = (BYTE)(i % 251 == 0 ? 0x40 : 0x4B);   // blanks and dots
    }
    StorageReader Reader()
    {
        return [this](UINT64 a, BYTE* p, size_t n) {
            ++reads;
            if (a > bytes.size() || n > bytes.size() - a)
                return false;
            std::memcpy(p, bytes.data() + a, n);
            return true;
        };
    }
    void Put(UINT64 a, const std::vector<BYTE>& v) { std::copy(v.begin(), v.end(), bytes.begin() + a); }
};

const size_t k4M = 0x400000, k2M = 0x200000;

TEST(StorageSearch, PatternAcrossTwoWindowsIsFoundBothWays)
{
    FakeStorage st(k4M);
    st.Put(0x1FFFFE, Bytes({0xC1, 0xC2, 0xC3, 0xC4}));
    for (SStorageSearchOptions opt : {SStorageSearchOptions{true, false, false}, SStorageSearchOptions{false, true, false},
                                      SStorageSearchOptions{false, false, false}, SStorageSearchOptions{false, false, true}}) {
        CStoragePattern p;
        p.Set(SearchBytes(opt.bHex ? "x'C1C2C3C4'" : "ABCD"), opt);
        std::vector<BYTE> buffer(k2M);
        SStorageSearchResult r = SearchStorage(p, k4M, 0, true, buffer, st.Reader(), nullptr);
        EXPECT_EQ(kStorageFound, r.eEnd);
        EXPECT_EQ(0x1FFFFEu, r.nFound);
        r = SearchStorage(p, k4M, k4M - 1, false, buffer, st.Reader(), nullptr);
        EXPECT_EQ(kStorageFound, r.eEnd);
        EXPECT_EQ(0x1FFFFEu, r.nFound);
        // From just past it forward, and just before it backward: gone.
        EXPECT_EQ(kStorageNotFound, SearchStorage(p, k4M, 0x1FFFFF, true, buffer, st.Reader(), nullptr).eEnd);
        EXPECT_EQ(kStorageNotFound, SearchStorage(p, k4M, 0x1FFFFD, false, buffer, st.Reader(), nullptr).eEnd);
        // The start itself counts.
        EXPECT_EQ(0x1FFFFEu, SearchStorage(p, k4M, 0x1FFFFE, true, buffer, st.Reader(), nullptr).nFound);
        EXPECT_EQ(0x1FFFFEu, SearchStorage(p, k4M, 0x1FFFFE, false, buffer, st.Reader(), nullptr).nFound);
    }
}

TEST(StorageSearch, WindowEdgesEveryWhere)
{
    // A small buffer makes many windows: every place of a match is found,
    // as the first forward and the last backward.
    const size_t kSize = 300;
    for (SStorageSearchOptions opt : {SStorageSearchOptions{true, false, false}, SStorageSearchOptions{false, false, true}}) {
        for (size_t at = 0; at + 3 <= kSize; at += 7) {
            FakeStorage st(kSize);
            std::fill(st.bytes.begin(), st.bytes.end(), 0x40);
            st.Put(at, Ebcdic("ABC"));
            CStoragePattern p;
            p.Set(SearchBytes("ABC"), opt);
            std::vector<BYTE> buffer(16);
            SStorageSearchResult r = SearchStorage(p, kSize, 0, true, buffer, st.Reader(), nullptr);
            ASSERT_EQ(kStorageFound, r.eEnd) << at;
            EXPECT_EQ(at, r.nFound);
            r = SearchStorage(p, kSize, kSize - 1, false, buffer, st.Reader(), nullptr);
            ASSERT_EQ(kStorageFound, r.eEnd) << at;
            EXPECT_EQ(at, r.nFound);
        }
    }
}

TEST(StorageSearch, WholeWordSeesAcrossWindowEdges)
{
    // "XABC" with the "X" at the end of one window and "ABC" at the start of
    // the next is no whole word.
    const size_t kSize = 64;
    for (size_t at = 1; at + 3 <= kSize; ++at) {
        FakeStorage st(kSize);
        std::fill(st.bytes.begin(), st.bytes.end(), 0x40);
        st.Put(at - 1, Ebcdic("XABC"));
        CStoragePattern p;
        p.Set(SearchBytes("ABC"), {false, false, true});
        std::vector<BYTE> buffer(8);
        EXPECT_EQ(kStorageNotFound, SearchStorage(p, kSize, 0, true, buffer, st.Reader(), nullptr).eEnd) << at;
        EXPECT_EQ(kStorageNotFound, SearchStorage(p, kSize, kSize - 1, false, buffer, st.Reader(), nullptr).eEnd)
            << at;
    }
}

TEST(StorageSearch, StorageNoLargerThanTheWindowNeedsNoContext)
{
    // The window is all of storage: a whole word that fills it is found.
    FakeStorage st(3);
    st.Put(0, Ebcdic("ABC"));
    CStoragePattern p;
    p.Set(SearchBytes("abc"), {false, false, true});
    std::vector<BYTE> buffer(3);
    EXPECT_EQ(kStorageFound, SearchStorage(p, 3, 0, true, buffer, st.Reader(), nullptr).eEnd);
    EXPECT_EQ(kStorageFound, SearchStorage(p, 3, 2, false, buffer, st.Reader(), nullptr).eEnd);
}

TEST(StorageSearch, StopReadFailureAndEmptyCases)
{
    FakeStorage st(k4M);
    CStoragePattern p;
    p.Set(SearchBytes("x'FFFF'"), {true, false, false});
    std::vector<BYTE> buffer(k2M);
    int nChecks = 0;
    SStorageSearchResult r =
        SearchStorage(p, k4M, 0, true, buffer, st.Reader(), [&] { return ++nChecks == 2; });
    EXPECT_EQ(kStorageSearchStopped, r.eEnd);
    EXPECT_EQ(k2M - 1, r.nPosition);    // the second window's first start
    EXPECT_EQ(1, st.reads);
    r = SearchStorage(p, k4M, 0, true, buffer, [](UINT64, BYTE*, size_t) { return false; }, nullptr);
    EXPECT_EQ(kStorageReadFailed, r.eEnd);
    EXPECT_EQ(kStorageNotFound, SearchStorage(p, k4M, k4M, true, buffer, st.Reader(), nullptr).eEnd);
    EXPECT_EQ(kStorageNotFound, SearchStorage(p, 1, 0, true, buffer, st.Reader(), nullptr).eEnd);
    CStoragePattern empty;
    EXPECT_EQ(kStorageNotFound, SearchStorage(empty, k4M, 0, true, buffer, st.Reader(), nullptr).eEnd);
}

TEST(StorageSearch, Texts)
{
    EXPECT_STREQ("Hex data x'C1C2' not found searching forward from here.",
                 StorageNotFoundText(true, "x'C1C2'", true));
    EXPECT_STREQ("String \"abc\" not found searching backward from here.", StorageNotFoundText(false, "abc", false));
    EXPECT_STREQ("3 occurrence(s) replaced", StorageReplacedText(3));
    EXPECT_STREQ("Error writing to Vornamic main storage!\n\n(2 of 16 bytes updated)",
                 StoragePartialWriteText(2, 16));
}

}  // namespace
