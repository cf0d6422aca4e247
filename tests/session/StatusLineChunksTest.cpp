// StatusLineChunksTest.cpp: status lines mixed with console lines, cut into
// chunks at random places, come out of the chunk splitter whole, in order,
// neither lost nor merged, and parse as they did before.
#include "session/PipeChunkSplit.h"
#include "session/StatusLineParser.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "tests/standins/EmulatorModel.h"

namespace {

std::vector<std::string> SampleLines()
{
    CEmulatorModel model;
    model.LoadConfigDevices("0009 3215-C / noprompt\n000C 3505 cards.txt ascii\n1:0120 3390 d.img\n");
    CEmuLines out;
    const char* commands[] = { "]NEWDEVLIST=1", "]LCSSNUM=1", "]GREGS=1", "]VREGS=1",
                               "]CPUPCTALL=1", "]AGGREGATE=1", "attach 0A00 3390 x.img" };
    for (const char* psz : commands)
        model.HandleCommand(psz, out);
    model.StatusRound(out);
    std::vector<std::string> lines;
    for (const SEmuLine& line : out) {
        lines.push_back(line.strText);
        lines.push_back("ZQC01603I console line " + std::to_string(lines.size()));
    }
    lines.push_back("");
    lines.push_back(std::string(5000, 'L'));
    lines.push_back("STATUS=CP01 PSW=short");
    return lines;
}

// The text as the emulator writes it: line feeds, some with carriage returns;
// trailing blanks would be trimmed by the splitter, so the lines have none.
std::string Stream(const std::vector<std::string>& lines)
{
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i)
        text += lines[i] + (i % 3 == 0 ? "\r\n" : "\n");
    return text;
}

std::string Trimmed(std::string s)
{
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

TEST(StatusLineChunks, RandomChunkBoundaries)
{
    const std::vector<std::string> lines = SampleLines();
    const std::string text = Stream(lines);
    std::mt19937 random(20261206);
    for (int round = 0; round < 20; ++round) {
        std::vector<char> buffer(text.size() + 1);
        int nKept = 0;
        std::vector<std::string> got;
        size_t pos = 0;
        while (pos < text.size()) {
            size_t n = std::min<size_t>(text.size() - pos, 1 + random() % (round < 10 ? 7 : 4096));
            std::memcpy(buffer.data() + nKept, text.data() + pos, n);
            nKept += (int)n;
            buffer[nKept] = '\0';
            pos += n;
            SplitPipeChunk(buffer.data(), nKept, [&](char* psz) { got.push_back(psz); });
        }
        EXPECT_EQ(0, nKept);
        ASSERT_EQ(lines.size(), got.size()) << "round " << round;
        for (size_t i = 0; i < lines.size(); ++i) {
            ASSERT_EQ(Trimmed(lines[i]), got[i]) << "round " << round << " line " << i;
            SStatusLine a = ParseStatusLine(lines[i].data(), lines[i].size());
            SStatusLine b = ParseStatusLine(got[i].data(), got[i].size());
            EXPECT_EQ(a.eKind, b.eKind) << got[i].substr(0, 40);
        }
    }
}

}  // namespace
