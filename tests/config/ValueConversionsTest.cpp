// ValueConversionsTest.cpp: engine types, architecture names, OS tailoring,
// sizes with unit letters, digit grouping and the time-zone offset text.
#include <gtest/gtest.h>

#include <string>

#include "config/ValueConversions.h"

TEST(ValueConversions, EngineTypes)
{
    EXPECT_EQ(EngineTypeIndex("CP"), 0);
    EXPECT_EQ(EngineTypeIndex("il"), 1);
    EXPECT_EQ(EngineTypeIndex("Ap"), 2);
    EXPECT_EQ(EngineTypeIndex("IP"), 3);
    EXPECT_EQ(EngineTypeIndex("ZIIP"), -1);
    EXPECT_EQ(EngineTypeIndex(""), -1);
    EXPECT_STREQ(EngineTypeName(3), "IP");
    EXPECT_STREQ(EngineTypeName(4), "CP");
    EXPECT_STREQ(EngineTypeName(-1), "CP");
    EXPECT_STREQ(EngineTypeText(2), "AP");
    EXPECT_STREQ(EngineTypeText(4), "??");
}

TEST(ValueConversions, ArchModeNames)
{
    EXPECT_STREQ(ArchModeName(0), "S/370");
    EXPECT_STREQ(ArchModeName(1), "ESA/390");
    EXPECT_STREQ(ArchModeName(2), "z/Arch");
    EXPECT_STREQ(ArchModeName(3), "");
    EXPECT_STREQ(ArchModeName(-1), "");
}

TEST(ValueConversions, ArchModeFromName)
{
    const struct { const char* name; int mode; } cases[] = {
        {"S/370", 0}, {"s370", 0}, {"370", 0},
        {"ESA/390", 1}, {"esa390", 1}, {"E390", 1}, {"E/390", 1}, {"ESA", 1},
        {"S/390", 1}, {"os/390", 1}, {"S390", 1}, {"OS390", 1}, {"390", 1},
        {"z/Arch", 2}, {"zarch", 2}, {"Z", 2}, {"900", 2}, {"z900", 2}, {"Z/900", 2},
        {"ESAME", 2}, {"esa/me", 2},
        {"370/XA", -1}, {"", -1}, {"z/Arch ", -1}, {"ESA/39", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ArchModeFromName(c.name), c.mode) << c.name;
}

TEST(ValueConversions, OsTailorFlags)
{
    EXPECT_EQ(OsTailorFlagFromName("QUIET"), 0x8000);
    EXPECT_EQ(OsTailorFlagFromName("z/os"), 0x0100);
    EXPECT_EQ(OsTailorFlagFromName("opensolaris"), 0x0400);
    EXPECT_EQ(OsTailorFlagFromName("Null"), 0x0080);
    EXPECT_EQ(OsTailorFlagFromName("MVS"), 0);
    EXPECT_EQ(OsTailorFlagFromName(""), 0);
}

TEST(ValueConversions, OsTailorNamesFromMask)
{
    CStringArray names;
    names.Add("stale");
    OsTailorNamesFromMask(0x4100, names);
    ASSERT_EQ(names.GetSize(), 2);
    EXPECT_EQ(names[0], "VM");
    EXPECT_EQ(names[1], "Z/OS");

    OsTailorNamesFromMask(0x0001, names);
    ASSERT_EQ(names.GetSize(), 1);
    EXPECT_EQ(names[0], "");

    OsTailorNamesFromMask(0, names);
    EXPECT_TRUE(names.IsEmpty());

    OsTailorNamesFromMask(0xFFFF, names);
    ASSERT_EQ(names.GetSize(), 10);
    EXPECT_EQ(names[0], "QUIET");
    EXPECT_EQ(names[8], "NULL");
    EXPECT_EQ(names[9], "");
}

TEST(ValueConversions, SizeSuffix)
{
    const UINT64 K = 1024, M = K * K, G = M * K, E = G * G;
    const struct { UINT64 size; char unit; UINT64 mult; } cases[] = {
        {0, 'B', 1}, {1, 'B', 1}, {1023, 'B', 1}, {1024, 'K', K}, {1536, 'B', 1},
        {2048, 'K', K}, {3 * M, 'M', M}, {M + K, 'K', K}, {G, 'G', G},
        {5 * G * K, 'T', G * K}, {E, 'E', E},
    };
    for (const auto& c : cases) {
        UINT64 mult = 0;
        EXPECT_EQ(GetSizeSuffix(c.size, &mult), c.unit) << c.size;
        EXPECT_EQ(mult, c.mult) << c.size;
    }
    UINT64 untouched = 77;
    EXPECT_EQ(GetSizeSuffix(E + 1, &untouched), 0);
    EXPECT_EQ(untouched, 77u);
    EXPECT_EQ(GetSizeSuffix(2 * E), 0);
}

TEST(ValueConversions, SizeSuffixMultiplier)
{
    EXPECT_EQ(SizeSuffixMultiplier('B'), 1u);
    EXPECT_EQ(SizeSuffixMultiplier('k'), 1024u);
    EXPECT_EQ(SizeSuffixMultiplier('M'), 1048576u);
    EXPECT_EQ(SizeSuffixMultiplier('g'), 1073741824u);
    EXPECT_EQ(SizeSuffixMultiplier('T'), 1ull << 40);
    EXPECT_EQ(SizeSuffixMultiplier('p'), 1ull << 50);
    EXPECT_EQ(SizeSuffixMultiplier('E'), 1ull << 60);
    EXPECT_EQ(SizeSuffixMultiplier('X'), 0u);
    EXPECT_EQ(SizeSuffixMultiplier('\0'), 0u);
    EXPECT_EQ(SizeSuffixMultiplier('1'), 0u);
}

TEST(ValueConversions, FormatSizeWithSuffix)
{
    const struct { UINT64 size; bool suffix; const char* text; } cases[] = {
        {0, true, "0"}, {0, false, "0"}, {3 * 1048576ull, true, "3M"}, {1536, true, "1536B"},
        {2147483648ull, true, "2G"}, {1048575, false, "1"}, {524287, false, "0"},
        {524288, false, "1"}, {67108864, false, "64"}, {1ull << 60, true, "1E"},
        {(1ull << 60) + 1, true, "1152921504606846977B"},
        {UINT64_MAX, false, "17592186044416"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatSizeWithSuffix(c.size, c.suffix), c.text) << c.size;
}

TEST(ValueConversions, InsertThousandsSeparators)
{
    const struct { const char* in; char sep; const char* out; } cases[] = {
        {"1234567", ',', "1,234,567"}, {"123456", ',', "123,456"}, {" 1000 ", ',', "1,000"},
        {"999", ',', "999"}, {"", ',', ""}, {"12345", '.', "12.345"},
    };
    for (const auto& c : cases) {
        CString s(c.in);
        EXPECT_EQ(InsertThousandsSeparators(c.sep, s), c.out) << c.in;
        EXPECT_EQ(s, c.out) << c.in;
    }
    EXPECT_EQ(FormatThousands(18446744073709551615ull, ','), "18,446,744,073,709,551,615");
    EXPECT_EQ(FormatThousands(0, ','), "0");
}

TEST(ValueConversions, TimeZoneOffsetText)
{
    EXPECT_EQ(FormatTimeZoneOffset(-330), "+0530");
    EXPECT_EQ(FormatTimeZoneOffset(300), "-0500");
    EXPECT_EQ(FormatTimeZoneOffset(-60), "+0100");
    EXPECT_EQ(FormatTimeZoneOffset(0), "");
    EXPECT_EQ(FormatTimeZoneOffset(-765), "+1245");
}

TEST(ValueConversions, NameCharacters)
{
    for (char c : {'A', 'Z', '@', '$', '#'})
        EXPECT_TRUE(IsNameFirstChar(c)) << c;
    for (char c : {'a', '0', '_', '\0'})
        EXPECT_FALSE(IsNameFirstChar(c)) << c;
    for (char c : {'A', 'Z', '0', '9'})
        EXPECT_TRUE(IsUpperAlnumChar(c)) << c;
    for (char c : {'a', '@', ' ', '\0'})
        EXPECT_FALSE(IsUpperAlnumChar(c)) << c;
}

TEST(ValueConversions, RemoveBlanks)
{
    CString s(" a b\tc ");
    EXPECT_EQ(RemoveBlanks(s), "abc");
    EXPECT_EQ(s, "abc");
    EXPECT_EQ(RemoveBlanks("  "), "");
    CString t(" 3390 /  3380 ");
    EXPECT_EQ(RemoveBlanksSpacedSlash(t), "3390 / 3380");
}

TEST(ValueConversions, BuildQuotedArgList)
{
    CStringList items;
    EXPECT_EQ(BuildQuotedArgList(items), "");
    items.AddTail("-v");
    items.AddTail("C:/My Disks/a.cckd");
    items.AddTail("out");
    EXPECT_EQ(BuildQuotedArgList(items), "-v \"C:/My Disks/a.cckd\" out");
}

TEST(ValueConversions, ParseNumberHexOrDec)
{
    const struct { const char* text; unsigned desc; } cases[] = {
        {"0x1A2", 0x8000 | 0x0400 | 3},
        {"0X1A", 0x8000 | 2},
        {"0x", 0x8000 | 0x0800},
        {"0xZZ", 0x8000 | 0x0800 | 2},
        {"x'GG'", 0x4000 | 0x0800 | 2},
        {"X'0102'", 0x4000 | 4},
        {"x'1'", 0x4000 | 0x0400 | 1},
        {"x''", 0x4000 | 0x0800},
        {"x'12", 4},
        {"1234", 4},
        {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseNumberHexOrDec(c.text), c.desc) << c.text;
    std::string longHex = "0x" + std::string(256, 'A');
    EXPECT_EQ(ParseNumberHexOrDec(longHex.c_str()), 0x8000 | 0x0200 | (256 & 0xFF));
    std::string longText(130, '1');
    EXPECT_EQ(ParseNumberHexOrDec(longText.c_str()), 0x0200 | 130);
}
