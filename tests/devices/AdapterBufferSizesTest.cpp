// AdapterBufferSizesTest.cpp: the LCS and CTCI buffer sizes typed, stepped
// and checked at their limits (the "Limits" defaults: driver 64 to 16384,
// DLL 16 to 1024).
#include <gtest/gtest.h>

#include "devices/AdapterBufferSizes.h"

namespace {
const SBufferSizeLimits kLim;  // the built-in defaults
}

TEST(AdapterBufferSizes, TypedDriverSize)
{
    struct {
        const char* text;
        UINT expected;
    } cases[] = {
        {"", 0}, {"abc", 0}, {"-64", 0}, {"0", 0}, {"5", 0}, {"63", 0}, {"64", 64}, {" 1024 ", 1024},
        {"16384", 16384}, {"16385", 16384}, {"99999", 16384}, {"99999999999999", 16384},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EnteredDriverSize(c.text, kLim), c.expected) << c.text;
}

TEST(AdapterBufferSizes, FieldTextAsItStands)
{
    EXPECT_EQ(TypedBufferSize("99999"), 99999u);
    EXPECT_EQ(TypedBufferSize(" 5 "), 5u);
    EXPECT_EQ(TypedBufferSize(""), 0u);
    EXPECT_EQ(TypedBufferSize("1k"), 0u);
    EXPECT_EQ(TypedBufferSize("4294967296"), 4294967295u);
}

TEST(AdapterBufferSizes, TypedDllSizeIsHeldToTheDriverSize)
{
    struct {
        const char* text;
        UINT driver;
        UINT expected;
    } cases[] = {
        {"x", 1024, 0}, {"15", 1024, 0}, {"16", 1024, 16}, {"1024", 16384, 1024}, {"1025", 16384, 1024},
        {"100", 64, 64}, {"32", 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EnteredDllSize(c.text, c.driver, kLim), c.expected) << c.text << " " << c.driver;
}

TEST(AdapterBufferSizes, SteppedDriverSize)
{
    struct {
        int pos, delta;
        UINT expected;
    } cases[] = {
        {0, 1, 64},  {0, -1, 0},   {63, 1, 64},        {64, -1, 0},         {65, -1, 64},
        {5, -10, 0}, {100, 1, 101}, {16384, 1, 16384}, {16383, 20, 16384}, {-3, 1, 64},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SteppedDriverSize(c.pos, c.delta, kLim), c.expected) << c.pos << " " << c.delta;
}

TEST(AdapterBufferSizes, SteppedDllSize)
{
    struct {
        int pos, delta;
        UINT driver, expected;
    } cases[] = {
        {0, 1, 1024, 16}, {0, 1, 0, 16},  {16, -1, 1024, 0}, {17, -1, 1024, 16},
        {64, 1, 64, 64},  {63, 1, 64, 64}, {1024, 1, 16384, 1024}, {20, 1, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SteppedDllSize(c.pos, c.delta, c.driver, kLim), c.expected) << c.pos << " " << c.delta;
}

TEST(AdapterBufferSizes, FollowUp)
{
    EXPECT_EQ(DllSizeLimit(0, kLim), 0u);
    EXPECT_EQ(DllSizeLimit(64, kLim), 64u);
    EXPECT_EQ(DllSizeLimit(16384, kLim), 1024u);
    EXPECT_EQ(FollowDllSize(128, 64), 64u);
    EXPECT_EQ(FollowDllSize(32, 64), 32u);
    EXPECT_EQ(FollowDllSize(32, 0), 0u);
}

TEST(AdapterBufferSizes, ChecksOfOk)
{
    struct {
        UINT driver, dll;
        bool ok, bDll;
        const char* text;
    } cases[] = {
        {0, 0, true, false, ""},
        {64, 16, true, false, ""},
        {16384, 1024, true, false, ""},
        {63, 0, false, false, "The minimum Driver buffer size is 64K"},
        {16385, 0, false, false, "The maximum Driver buffer size is 16384K"},
        {1024, 15, false, true, "The minimum DLL buffer size is 16K"},
        {0, 32, false, true, "The DLL buffer size cannot be greater than the Driver buffer size"},
        {64, 65, false, true, "The DLL buffer size cannot be greater than the Driver buffer size"},
        {2048, 1025, false, true, "The maximum DLL buffer size is 1024K"},
    };
    for (const auto& c : cases) {
        SBufferSizeFailure f;
        EXPECT_EQ(CheckBufferSizes(c.driver, c.dll, kLim, f), c.ok) << c.driver << " " << c.dll;
        EXPECT_EQ(f.strText, c.text);
        if (!c.ok) {
            EXPECT_EQ(f.bDll, c.bDll);
            EXPECT_EQ(f.strTitle, c.bDll ? "DLL Buffer Size" : "Driver Buffer Size");
        }
    }
}

TEST(AdapterBufferSizes, LimitsComeFromTheSettings)
{
    SBufferSizeLimits lim = CurrentBufferSizeLimits();
    EXPECT_EQ(lim.nDriverMin, 64u);
    EXPECT_EQ(lim.nDriverMax, 16384u);
    EXPECT_EQ(lim.nDllMin, 16u);
    EXPECT_EQ(lim.nDllMax, 1024u);
}
