// DasdGeometryChartTest.cpp: the geometry chart's text read back as a user
// reads it: every CKD row consistent (tracks x bytes per track = bytes per
// cylinder, data cylinders x bytes per cylinder = bytes per module), every
// FBA row (blocks x 512 = bytes per actuator), the 3340-70 module of
// 69,889,536 bytes, the columns right-aligned to the separators' width,
// the centred headings, both footnotes and nothing after the last
// separator.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "utilities/DasdGeometryChart.h"

namespace {

std::vector<std::string> Lines(const std::string& strChart)
{
    std::vector<std::string> lines;
    size_t nStart = 0;
    for (size_t n = strChart.find("\r\n"); n != std::string::npos; n = strChart.find("\r\n", nStart)) {
        lines.push_back(strChart.substr(nStart, n - nStart));
        nStart = n + 2;
    }
    if (nStart < strChart.size())
        lines.push_back(strChart.substr(nStart));
    return lines;
}

struct SRow {
    std::string strName;
    std::vector<std::string> cells;   // as shown
    std::vector<unsigned long long> numbers;
};

unsigned long long Number(std::string s)
{
    std::string digits;
    for (char c : s)
        if (c != ',')
            digits += c;
    return std::stoull(digits);
}

// The rows that follow the header line starting "DISK TYPE" up to the
// first blank line.
std::vector<SRow> Table(const std::vector<std::string>& lines, size_t nOccurrence)
{
    std::vector<SRow> rows;
    size_t nSeen = 0, i = 0;
    for (; i < lines.size(); ++i)
        if (lines[i].compare(0, 9, "DISK TYPE") == 0 && nSeen++ == nOccurrence)
            break;
    for (i += 2; i < lines.size() && !lines[i].empty(); ++i) {
        SRow row;
        row.strName = lines[i].substr(0, 12);
        row.strName.erase(row.strName.find_last_not_of(' ') + 1);
        std::istringstream in(lines[i].substr(12));
        for (std::string cell; in >> cell;) {
            row.cells.push_back(cell);
            row.numbers.push_back(Number(cell));
        }
        rows.push_back(row);
        EXPECT_EQ((size_t)kDasdChartWidth, lines[i].size()) << lines[i];  // right-aligned to the edge
    }
    return rows;
}

struct DasdGeometryChart : ::testing::Test {
    std::string strChart = (const char*)BuildDasdGeometryChart();
    std::vector<std::string> lines = Lines(strChart);
};

TEST_F(DasdGeometryChart, EveryCkdRowIsConsistent)
{
    std::vector<SRow> rows = Table(lines, 0);
    ASSERT_EQ(24u, rows.size());
    for (const SRow& row : rows) {
        ASSERT_EQ(6u, row.numbers.size()) << row.strName;
        EXPECT_EQ(row.numbers[2] * row.numbers[3], row.numbers[4]) << row.strName;
        EXPECT_EQ(row.numbers[0] * row.numbers[4], row.numbers[5]) << row.strName;
    }
    EXPECT_EQ("2305-1", rows.front().strName);
    EXPECT_EQ("9345-2", rows.back().strName);
}

TEST_F(DasdGeometryChart, ExactRows)
{
    std::vector<SRow> rows = Table(lines, 0);
    auto find = [&](const char* pszName) {
        for (const SRow& row : rows)
            if (row.strName == pszName)
                return row.cells;
        return std::vector<std::string>();
    };
    EXPECT_EQ((std::vector<std::string>{"696", "2", "12", "8,368", "100,416", "69,889,536"}), find("3340-70"));
    EXPECT_EQ((std::vector<std::string>{"2784", "8", "12", "8,368", "100,416", "279,558,144"}), find("3344[*]"));
    EXPECT_EQ((std::vector<std::string>{"65520", "3", "15", "56,664", "849,960", "55,689,379,200"}),
              find("3390-54[**]"));
    EXPECT_EQ((std::vector<std::string>{"885", "1", "15", "47,476", "712,140", "630,243,900"}), find("3380 A/B/D/J"));
    EXPECT_EQ((std::vector<std::string>{"1440", "0", "15", "46,456", "696,840", "1,003,449,600"}), find("9345-1"));
}

TEST_F(DasdGeometryChart, EveryFbaRowIsConsistent)
{
    std::vector<SRow> rows = Table(lines, 1);
    ASSERT_EQ(13u, rows.size());
    for (const SRow& row : rows) {
        ASSERT_EQ(5u, row.numbers.size()) << row.strName;
        EXPECT_EQ(512u, row.numbers[0]) << row.strName;
        EXPECT_EQ(row.numbers[3] * 512, row.numbers[4]) << row.strName;
    }
    EXPECT_EQ((std::vector<std::string>{"512", "111", "777", "1,672,881", "856,515,072"}), rows[9].cells);
    EXPECT_EQ("9336-20/25", rows[9].strName);
    EXPECT_EQ("0671-08", rows.back().strName);
}

TEST_F(DasdGeometryChart, LayoutHeadingsAndFootnotes)
{
    const std::string strSeparator(kDasdChartWidth, '-');
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(strSeparator, lines.front());
    EXPECT_EQ(strSeparator, lines.back());   // no credits after the last separator
    int nSeparators = 0;
    for (const std::string& line : lines) {
        nSeparators += line == strSeparator;
        EXPECT_LE(line.size(), (size_t)kDasdChartWidth) << line;
        EXPECT_EQ(std::string::npos, line.find('\n')) << line;
        EXPECT_TRUE(line.empty() || line.back() != ' ') << line;
    }
    EXPECT_EQ(3, nSeparators);
    EXPECT_EQ(std::string(29, ' ') + "CKD DEVICES", lines[2]);
    EXPECT_EQ("", lines[1]);
    EXPECT_EQ("", lines[3]);
    EXPECT_EQ("               DATA   ALT TRACKS/   BYTES/     BYTES/          BYTES/", lines[4]);
    EXPECT_EQ("DISK TYPE      CYLS  CYLS     CYL    TRACK        CYL          MODULE", lines[5]);
    EXPECT_NE(std::string::npos, strChart.find(std::string(29, ' ') + "FBA DEVICES\r\n"));
    EXPECT_NE(std::string::npos, strChart.find("\r\n[*]   The 3344 always operates in 3340 compatibility mode,\r\n"
                                               "      emulating four 3340's per drive. Capacity is therefore\r\n"
                                               "      equal to that of four 3348 Model 70s.\r\n"));
    EXPECT_NE(std::string::npos,
              strChart.find("\r\n[**]  The name 3390-nn is a descriptive term that indicates\r\n"
                            "      the relative size of a volume (e.g. 27 GB) rather than\r\n"
                            "      being an actual device type. From the perspective of the\r\n"
                            "      operating system any volume larger than 3339 cylinders\r\n"
                            "      is reported as a model 3390-9 device type.\r\n"));
}

}  // namespace
