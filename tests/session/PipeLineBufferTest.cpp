// PipeLineBufferTest.cpp: the reader's line buffer together with the
// splitter that receives its hand-overs: chunks of every size, over-long
// lines, the final line without a line feed.
#include "session/PipeLineBuffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "session/PipeChunkSplit.h"

namespace {

const std::string kMarker = "...(truncated)";

// Feeds text through a line buffer in reads of the given sizes (cycled) and
// returns the lines the splitter passed on.
std::vector<std::string> Feed(const std::string& text, const std::vector<size_t>& readSizes,
                              size_t nReadSize = 1023)
{
    CPipeLineBuffer buffer(nReadSize);
    std::vector<std::string> lines;
    auto handOver = [&] {
        SplitPipeChunk(buffer.Data(), buffer.Length(), [&](char* psz) { lines.push_back(psz); });
        buffer.KeepAfterHandOver();
    };
    size_t nPos = 0;
    for (size_t i = 0; nPos < text.size(); ++i) {
        size_t n = std::min({ readSizes[i % readSizes.size()], buffer.ReadCapacity(), text.size() - nPos });
        std::memcpy(buffer.ReadTarget(), text.data() + nPos, n);
        nPos += n;
        if (buffer.Accept(n))
            handOver();
    }
    if (buffer.Finish())
        handOver();
    return lines;
}

std::string Cut(const std::string& line)
{
    return line.substr(0, CPipeLineBuffer::kCutLength) + kMarker;
}

TEST(PipeLineBuffer, LinesSplitOverChunksArriveJoined)
{
    std::vector<std::string> lines = Feed("GR0-3=00000001 00000002\nABC\r\n\r\nDEF", { 3, 5, 1 });
    EXPECT_EQ(lines, (std::vector<std::string>{ "GR0-3=00000001 00000002", "ABC", "", "DEF" }));
}

TEST(PipeLineBuffer, FinalLineWithoutLineFeedArrives)
{
    EXPECT_EQ(Feed("one\ntwo", { 1023 }), (std::vector<std::string>{ "one", "two" }));
    EXPECT_EQ(Feed("last", { 2 }), (std::vector<std::string>{ "last" }));
}

TEST(PipeLineBuffer, NothingKeptNothingFinished)
{
    EXPECT_TRUE(Feed("", { 10 }).empty());
    EXPECT_EQ(Feed("a\n", { 10 }), (std::vector<std::string>{ "a" }));
}

TEST(PipeLineBuffer, ThreeThousandCharacterUnfinishedLineIsCut)
{
    std::string longLine(3000, 'x');
    std::vector<std::string> lines = Feed(longLine, { 1023 });
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], Cut(longLine));
    EXPECT_EQ(lines[0].size(), 2032u + kMarker.size());
}

TEST(PipeLineBuffer, CompleteLinesAfterAnOverlongLineArrive)
{
    // The over-long line ends inside a chunk that holds more lines: only the
    // over-long line is cut.
    std::string longLine(2500, 'L');
    std::string text = longLine + "\nafter1\nafter2\n" + longLine + "tail\nlast\n";
    for (size_t nRead : { 1u, 7u, 1023u, 4096u, 65536u }) {
        std::vector<std::string> lines = Feed(text, { nRead }, std::max<size_t>(nRead, 1023));
        EXPECT_EQ(lines, (std::vector<std::string>{ Cut(longLine), "after1", "after2",
                                                     Cut(longLine + "tail"), "last" }))
            << "reads of " << nRead;
    }
}

TEST(PipeLineBuffer, LineOfExactlyTheLimitIsKept)
{
    std::string atLimit(CPipeLineBuffer::kMaxLine, 'a');
    std::string overLimit(CPipeLineBuffer::kMaxLine + 1, 'b');
    EXPECT_EQ(Feed(atLimit + "\n" + overLimit + "\n", { 1000 }),
              (std::vector<std::string>{ atLimit, Cut(overLimit) }));
}

TEST(PipeLineBuffer, HundredThousandCharacterLineThenLines)
{
    std::string huge(100000, 'h');
    std::vector<std::string> lines = Feed(huge + "\nnext\n", { 1023 });
    EXPECT_EQ(lines, (std::vector<std::string>{ Cut(huge), "next" }));
}

TEST(PipeLineBuffer, CutUnfinishedLineIsNotFinishedAgain)
{
    // The stream ends inside the dropped rest of a cut line: nothing more.
    std::vector<std::string> lines = Feed(std::string(5000, 'z'), { 1023 });
    ASSERT_EQ(lines.size(), 1u);
}

TEST(PipeLineBuffer, EmbeddedNulKeepsTheRestOfTheStream)
{
    std::string text("ab\0cd\nef", 8);
    std::vector<std::string> lines = Feed(text, { 3 });
    // The view's lines are C strings: the NUL ends the first one early, but
    // no later line is lost.
    EXPECT_EQ(lines, (std::vector<std::string>{ "ab", "ef" }));
}

TEST(PipeLineBuffer, RandomChunkSizesLoseAndMergeNothing)
{
    std::mt19937 random(20261206);
    std::vector<std::string> expected;
    std::string text;
    for (int i = 0; i < 3000; ++i) {
        std::string line = "L" + std::to_string(i) + std::string(random() % 300, 'a' + i % 26);
        if (i % 500 == 7)
            line += std::string(3000, '!');    // over-long: cut
        text += line + (i % 3 == 0 ? "\r\n" : "\n");
        expected.push_back(line.size() > (size_t)CPipeLineBuffer::kMaxLine ? Cut(line) : line);
    }
    text += "final-line-without-line-feed";
    expected.push_back("final-line-without-line-feed");
    std::vector<size_t> sizes;
    for (int i = 0; i < 257; ++i)
        sizes.push_back(1 + random() % 1023);
    EXPECT_EQ(Feed(text, sizes), expected);
}

// Lines just under, at and just over the limit, back to back and mixed with
// short ones, in 64 KB reads and in reads of every size: each one over the
// limit is cut, every other one arrives whole.
TEST(PipeLineBuffer, LinesAroundTheLimitInLargeAndSmallReads)
{
    std::mt19937 random(20261207);
    const size_t kMax = CPipeLineBuffer::kMaxLine;
    std::vector<std::string> expected;
    std::string text;
    for (int i = 0; i < 400; ++i) {
        size_t nLength = i % 3 == 0 ? random() % 100 : kMax - 3 + random() % 7;
        std::string line = std::to_string(i) + "_";
        line += std::string(nLength > line.size() ? nLength - line.size() : 0, 'a' + i % 26);
        text += line + "\n";
        expected.push_back(line.size() > kMax ? Cut(line) : line);
    }
    EXPECT_EQ(Feed(text, {64 * 1024}, 64 * 1024), expected);
    std::vector<size_t> sizes;
    for (int i = 0; i < 101; ++i)
        sizes.push_back(1 + random() % 5000);
    EXPECT_EQ(Feed(text, sizes, 8192), expected);
}

TEST(PipeLineBuffer, ReceiverKeepingTooMuchIsClamped)
{
    CPipeLineBuffer buffer(16);
    std::memcpy(buffer.ReadTarget(), "abc", 3);
    ASSERT_TRUE(buffer.Accept(3));
    buffer.Length() = 999;
    buffer.KeepAfterHandOver();
    EXPECT_EQ(buffer.ReadTarget(), buffer.Data() + 3);
    buffer.Length() = -4;
    buffer.KeepAfterHandOver();
    EXPECT_EQ(buffer.ReadTarget(), buffer.Data());
}

}  // namespace
