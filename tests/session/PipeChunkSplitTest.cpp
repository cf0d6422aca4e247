// PipeChunkSplitTest.cpp: cutting a chunk into lines: line ends, white space,
// the unfinished rest and chunks without a line feed.
#include "session/PipeChunkSplit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct SSplit {
    std::vector<std::string> lines;
    std::string kept;
};

SSplit Split(const std::string& text)
{
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    int nLength = (int)text.size();
    SSplit result;
    SplitPipeChunk(buffer.data(), nLength, [&](char* psz) { result.lines.push_back(psz); });
    result.kept.assign(buffer.data(), (size_t)nLength);
    EXPECT_EQ(buffer[(size_t)nLength], '\0');
    return result;
}

TEST(PipeChunkSplit, CarriageReturnsEmptyLinesAndRest)
{
    SSplit s = Split("ABC\r\n\r\nDEF");
    EXPECT_EQ(s.lines, (std::vector<std::string>{ "ABC", "" }));
    EXPECT_EQ(s.kept, "DEF");
}

TEST(PipeChunkSplit, TrailingBlanksGoLeadingStay)
{
    SSplit s = Split("  x y \t \n");
    EXPECT_EQ(s.lines, (std::vector<std::string>{ "  x y" }));
    EXPECT_EQ(s.kept, "");
}

// Exactly the C locale's white space goes from a line's end: no control
// character besides it, and no byte above 127 (such as a no-break space).
TEST(PipeChunkSplit, OnlyTheCLocalesWhiteSpaceIsStripped)
{
    for (int c = 1; c < 256; ++c) {
        if (c == '\n')
            continue;
        std::string line = std::string("a") + (char)c;
        SSplit s = Split(line + "\n");
        bool bWhite = c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
        ASSERT_EQ(s.lines, (std::vector<std::string>{ bWhite ? "a" : line })) << "byte " << c;
    }
}

TEST(PipeChunkSplit, NoLineFeedLeavesTheText)
{
    SSplit s = Split("partial");
    EXPECT_TRUE(s.lines.empty());
    EXPECT_EQ(s.kept, "partial");
}

TEST(PipeChunkSplit, EmptyChunk)
{
    SSplit s = Split("");
    EXPECT_TRUE(s.lines.empty());
    EXPECT_EQ(s.kept, "");
}

TEST(PipeChunkSplit, UnfinishedRestKeepsBytesAfterANul)
{
    SSplit s = Split(std::string("a\nb\0c", 5));
    EXPECT_EQ(s.lines, (std::vector<std::string>{ "a" }));
    EXPECT_EQ(s.kept, std::string("b\0c", 3));
}

// The sized form hands each line with its length: white space gone, and a
// NUL inside a line ends it there, as it ends the C string.
TEST(PipeChunkSplit, SizedLinesCarryTheirLengths)
{
    std::string text("one  \r\n\ntwo\0three\nfour\t\nrest", 28);
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    int nLength = (int)text.size();
    std::vector<std::pair<std::string, size_t>> lines;
    SplitPipeChunkSized(buffer.data(), nLength,
                        [&](char* psz, size_t n) { lines.emplace_back(std::string(psz), n); });
    const std::vector<std::pair<std::string, size_t>> want = {{"one", 3}, {"", 0}, {"two", 3}, {"four", 4}};
    EXPECT_EQ(lines, want);
    EXPECT_EQ(std::string(buffer.data(), (size_t)nLength), "rest");
}

}  // namespace
