// StandinTextTest.cpp: flood lines, garbage, sequence texts and the main
// storage pattern of the stand-ins.
#include "tests/standins/StandinText.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(StandinText, FloodLines)
{
    EXPECT_EQ("000000001 abcdefghij", MakeFloodLine(1, 20));
    EXPECT_EQ("000000042", MakeFloodLine(42, 9));
    EXPECT_EQ("", MakeFloodLine(1, 0));
    std::string line = MakeFloodLine(7, 100);
    EXPECT_EQ(100u, line.size());
    EXPECT_EQ("xyzab", line.substr(33, 5));
    EXPECT_EQ("1234567890 ab", MakeFloodLine(1234567890, 13));

    std::string buffer;
    AppendFloodLines(buffer, 3, 2, 12);
    EXPECT_EQ("000000003 ab\n000000004 ab\n", buffer);
}

TEST(StandinText, GarbageIsRepeatableAndCoversEveryByte)
{
    std::string a = MakeGarbage(20000, 1);
    EXPECT_EQ(a, MakeGarbage(20000, 1));
    EXPECT_NE(a, MakeGarbage(20000, 2));
    EXPECT_EQ(20000u, a.size());
    std::set<unsigned char> seen(a.begin(), a.end());
    EXPECT_EQ(256u, seen.size());
    EXPECT_EQ(MakeGarbage(10, 0).size(), 10u);
}

TEST(StandinText, ReplaceNumber)
{
    EXPECT_EQ("TRK=17", ReplaceNumber("TRK=%d", 17));
    EXPECT_EQ("-5 of -5", ReplaceNumber("%d of %d", -5));
    EXPECT_EQ("100% done %", ReplaceNumber("100% done %", 1));
    EXPECT_EQ("9223372036854775807", ReplaceNumber("%d", 0x7FFFFFFFFFFFFFFFll));
}

TEST(StandinText, StoragePattern)
{
    BYTE bytes[12];
    FillStandinStorage(bytes, sizeof(bytes), 0);
    const BYTE kExpected[] = { 0x56, 0, 0, 0, 0x56, 0, 0, 1, 0x56, 0, 0, 2 };
    EXPECT_EQ(0, memcmp(kExpected, bytes, sizeof(bytes)));
    // Word 0x123456 at offset 0x48D158; unaligned starts work too.
    FillStandinStorage(bytes, 4, 0x48D158 + 1);
    EXPECT_EQ(0x12, bytes[0]);
    EXPECT_EQ(0x34, bytes[1]);
    EXPECT_EQ(0x56, bytes[2]);
    EXPECT_EQ(0x56, bytes[3]);
    EXPECT_EQ(0x56, StandinStorageByte(4ull << 24));   // the index wraps at 2^24 words
    EXPECT_EQ(0x00, StandinStorageByte((4ull << 24) + 3));
}

TEST(StandinText, PokeArguments)
{
    UINT64 n = 0;
    std::string bytes;
    ASSERT_TRUE(ParsePokeArgs("2097150 C1c2", n, bytes));
    EXPECT_EQ(2097150u, n);
    EXPECT_EQ(std::string("\xC1\xC2"), bytes);
    ASSERT_TRUE(ParsePokeArgs("0 00", n, bytes));
    EXPECT_EQ(std::string(1, '\0'), bytes);
    for (const char* bad : {"", "12", "12 ", " 12 C1", "12 C", "12 C1C", "12 G1", "x 12", "-1 C1",
                            "12345678901234567890 C1"})
        EXPECT_FALSE(ParsePokeArgs(bad, n, bytes)) << bad;
}

}  // namespace
