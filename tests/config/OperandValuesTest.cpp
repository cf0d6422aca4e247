// OperandValuesTest.cpp: storage sizes, ENGINES lists, CPU model symbols and
// base-36 names of system-statement operands.
#include <gtest/gtest.h>

#include <string>

#include "config/OperandValues.h"

namespace {

const UINT64 kMB = 1048576;
const UINT64 kMaxMain = 2147483648ull;

}  // namespace

TEST(OperandValues, SizeAccepted)
{
    const struct { const char* text; UINT64 bytes; bool suffix; } cases[] = {
        {"64", 64 * kMB, false}, {"64M", 64 * kMB, true}, {"64m", 64 * kMB, true},
        {"8K", 8192, true}, {"8192B", 8192, true}, {"2G", kMaxMain, true},
        {"2048", kMaxMain, false}, {"0008", 8 * kMB, false},
    };
    for (const auto& c : cases) {
        UINT64 v = 1;
        bool suffix = !c.suffix;
        EXPECT_TRUE(ParseSizeValue(c.text, 8192, kMaxMain, v, suffix)) << c.text;
        EXPECT_EQ(v, c.bytes) << c.text;
        EXPECT_EQ(suffix, c.suffix) << c.text;
    }
}

TEST(OperandValues, SizeRefused)
{
    // The suffix flag says whether a unit letter was recognised, even when refused.
    const struct { const char* text; bool suffix; } cases[] = {
        {"4K", true}, {"8191B", true}, {"2049", false}, {"3G", true}, {"", false},
        {"M", true}, {"-1", false}, {"1.5G", true}, {"12X", false}, {"0", false},
        {"16E", true}, {"99999999999999999999", false}, {"18446744073709551615K", true},
        {"17592186044416", false}, {" 64", false}, {"64 ", false},
    };
    for (const auto& c : cases) {
        UINT64 v = 12345;
        bool suffix = !c.suffix;
        EXPECT_FALSE(ParseSizeValue(c.text, 8192, kMaxMain, v, suffix)) << c.text;
        EXPECT_EQ(v, 12345u) << c.text;
        EXPECT_EQ(suffix, c.suffix) << c.text;
    }
}

TEST(OperandValues, SizeOverflowIsRefusedEvenWithAnUnlimitedRange)
{
    UINT64 v = 7;
    bool suffix = false;
    // 16 x 2^60 wraps to 0 in 64 bits; 0 lies in the range but must not be accepted.
    EXPECT_FALSE(ParseSizeValue("16E", 0, UINT64_MAX, v, suffix));
    EXPECT_FALSE(ParseSizeValue("17592186044416", 0, UINT64_MAX, v, suffix));
    EXPECT_EQ(v, 7u);
    EXPECT_TRUE(ParseSizeValue("15E", 0, UINT64_MAX, v, suffix));
    EXPECT_EQ(v, 15ull << 60);
    EXPECT_TRUE(ParseSizeValue("17592186044415", 0, UINT64_MAX, v, suffix));
    EXPECT_EQ(v, 17592186044415ull * kMB);
}

TEST(OperandValues, SizeLongOperand)
{
    UINT64 v = 0;
    bool suffix = false;
    EXPECT_FALSE(ParseSizeValue(CString(std::string(100000, '9')), 0, UINT64_MAX, v, suffix));
    EXPECT_TRUE(ParseSizeValue(CString(std::string(100000, '0') + "1K"), 0, UINT64_MAX, v, suffix));
    EXPECT_EQ(v, 1024u);
}

TEST(OperandValues, EnginesAccepted)
{
    DWORD engines[kMaxEngineSlots];
    for (DWORD& e : engines)
        e = 9;
    CString err;
    EXPECT_TRUE(ParseEnginesList("2*CP,IP", 64, engines, err));
    EXPECT_EQ(err, "");
    EXPECT_EQ(engines[0], 0u);
    EXPECT_EQ(engines[1], 0u);
    EXPECT_EQ(engines[2], 3u);
    for (int i = 3; i < kMaxEngineSlots; ++i)
        EXPECT_EQ(engines[i], 0u) << i;

    EXPECT_TRUE(ParseEnginesList("ap,3*il", 64, engines, err));
    EXPECT_EQ(engines[0], 2u);
    EXPECT_EQ(engines[1], 1u);
    EXPECT_EQ(engines[3], 1u);
    EXPECT_EQ(engines[4], 0u);
}

TEST(OperandValues, EnginesStopAtTheLastCpu)
{
    DWORD engines[kMaxEngineSlots];
    for (DWORD& e : engines)
        e = 9;
    CString err;
    EXPECT_TRUE(ParseEnginesList("3*IP,AP", 4, engines, err));
    EXPECT_EQ(engines[2], 3u);
    EXPECT_EQ(engines[3], 2u);
    EXPECT_EQ(engines[4], 9u);  // beyond the CPUs: untouched
    EXPECT_TRUE(ParseEnginesList("4*IP,AP,IL", 4, engines, err));
    EXPECT_EQ(engines[3], 3u);
    EXPECT_EQ(engines[4], 9u);
    EXPECT_EQ(err, "");
}

TEST(OperandValues, EnginesRefused)
{
    const struct { const char* text; const char* error; } cases[] = {
        {"2CP", "Invalid ENGINES statement syntax"},
        {"0*CP", "\nInvalid ENGINES value or value out of range"},
        {"65*CP", "\nInvalid ENGINES value or value out of range"},
        {"99999999999999999999999*CP", "\nInvalid ENGINES value or value out of range"},
        {"ZIIP", "\nUnrecognized ENGINES type \"ZIIP\""},
        {"2*", "\nUnrecognized ENGINES type \"\""},
        {"CP,,IP", "\nUnrecognized ENGINES type \"\""},
        {"CP,XX,YY", "\nUnrecognized ENGINES type \"XX\""},
        {"", "\nUnrecognized ENGINES type \"\""},
    };
    for (const auto& c : cases) {
        DWORD engines[kMaxEngineSlots] = {};
        CString err;
        EXPECT_FALSE(ParseEnginesList(c.text, 64, engines, err)) << c.text;
        EXPECT_EQ(err, c.error) << c.text;
    }
}

TEST(OperandValues, ModelSymbolsAndZSeries)
{
    EXPECT_EQ(ResolveModelSymbol("$(z15)"), "8561");
    EXPECT_EQ(ResolveModelSymbol("$(Z16)"), "3931");
    EXPECT_EQ(ResolveModelSymbol("$(zpdt)"), "1090");
    EXPECT_EQ(ResolveModelSymbol("$(z17)"), "$(z17)");
    EXPECT_TRUE(IsZSeriesModel("8561"));
    EXPECT_TRUE(IsZSeriesModel("3931"));
    EXPECT_FALSE(IsZSeriesModel("2098"));
    EXPECT_FALSE(IsZSeriesModel(""));
}

TEST(OperandValues, Base36)
{
    EXPECT_TRUE(IsBase36String(""));
    EXPECT_TRUE(IsBase36String("EMULATOR"));
    EXPECT_TRUE(IsBase36String("Z01"));
    EXPECT_FALSE(IsBase36String("Vrn"));
    EXPECT_FALSE(IsBase36String("A B"));
    EXPECT_FALSE(IsBase36String("A-1"));
}
