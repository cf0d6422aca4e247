// NumberParseTest.cpp: the strict number conversions, table-driven.
#include <gtest/gtest.h>

#include <string>

#include "platform/NumberParse.h"

namespace {

struct Case {
    const char* text;
    bool ok;
    unsigned long long value;
};

template <class T, class F>
void Check(F convert, const Case& c)
{
    T v = (T)0x5A;
    EXPECT_EQ(convert(c.text, v), c.ok) << (c.text ? c.text : "(null)");
    EXPECT_EQ((unsigned long long)v, c.ok ? c.value : 0x5Aull) << (c.text ? c.text : "(null)");
}

}  // namespace

TEST(NumberParse, StringToUINT)
{
    const Case cases[] = {
        {"0", true, 0}, {"300", true, 300}, {"0004294967295", true, 4294967295u},
        {"4294967296", false, 0}, {"99999999999999999999999", false, 0}, {"", false, 0},
        {nullptr, false, 0}, {"-1", false, 0}, {"+1", false, 0}, {" 1", false, 0}, {"1 ", false, 0},
        {"12a", false, 0}, {"0x10", false, 0},
    };
    for (const Case& c : cases)
        Check<UINT>(StringToUINT, c);
}

TEST(NumberParse, StringToWORDAndUINT64)
{
    const Case words[] = {{"65535", true, 65535}, {"65536", false, 0}, {"3990", true, 3990}};
    for (const Case& c : words)
        Check<WORD>(StringToWORD, c);
    const Case big[] = {{"18446744073709551615", true, 18446744073709551615ull},
                        {"18446744073709551616", false, 0}, {"67108864", true, 67108864}};
    for (const Case& c : big)
        Check<UINT64>(StringToUINT64, c);
}

TEST(NumberParse, StringToINT)
{
    struct IntCase {
        const char* text;
        bool ok;
        int value;
    };
    const IntCase cases[] = {
        {"-28", true, -28}, {"+5", true, 5}, {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1}, {"2147483648", false, 0}, {"-2147483649", false, 0},
        {"-", false, 0}, {"+", false, 0}, {"--1", false, 0}, {"", false, 0}, {"1-", false, 0},
    };
    for (const IntCase& c : cases) {
        INT v = 77;
        EXPECT_EQ(StringToINT(c.text, v), c.ok) << c.text;
        EXPECT_EQ(v, c.ok ? c.value : 77) << c.text;
    }
}

TEST(NumberParse, HexConversions)
{
    const Case words[] = {{"3390", true, 0x3390}, {"ffff", true, 0xFFFF}, {"0000Ab", true, 0xAB},
                          {"10000", false, 0}, {"G1", false, 0}, {"", false, 0}, {"0x1", false, 0}};
    for (const Case& c : words)
        Check<WORD>(HexStringToWORD, c);
    const Case uints[] = {{"FFFFFFFF", true, 0xFFFFFFFFu}, {"100000000", false, 0}};
    for (const Case& c : uints)
        Check<UINT>(HexStringToUINT, c);
    const Case big[] = {{"FFFFFFFFFFFFFFFF", true, ~0ull}, {"10000000000000000", false, 0}};
    for (const Case& c : big)
        Check<UINT64>(HexStringToUINT64, c);
}

TEST(NumberParse, IsNumericAndHexStringWithLimits)
{
    EXPECT_TRUE(IsNumericString("123"));
    EXPECT_TRUE(IsNumericString("123", 3));
    EXPECT_FALSE(IsNumericString("1234", 3));
    EXPECT_FALSE(IsNumericString(""));
    EXPECT_FALSE(IsNumericString(nullptr));
    EXPECT_FALSE(IsNumericString("-1"));
    EXPECT_FALSE(IsNumericString("1A"));
    EXPECT_TRUE(IsHexString("3f", 2));
    EXPECT_FALSE(IsHexString("03F", 2));
    EXPECT_TRUE(IsHexString("0120"));
    EXPECT_FALSE(IsHexString("01G0"));
    EXPECT_FALSE(IsHexString(""));
    EXPECT_FALSE(IsHexString("12 "));
    std::string longDigits(100000, '7');
    EXPECT_TRUE(IsNumericString(longDigits.c_str()));
    UINT v = 1;
    EXPECT_FALSE(StringToUINT(longDigits.c_str(), v));
    EXPECT_EQ(v, 1u);
}

TEST(NumberParse, EmbeddedNulEndsTheText)
{
    const char text[] = {'1', '2', '\0', 'x', '\0'};
    UINT v = 0;
    EXPECT_TRUE(StringToUINT(text, v));
    EXPECT_EQ(v, 12u);
}

TEST(NumberParse, HexDigitValues)
{
    const char* digits = "0123456789abcdefABCDEF";
    const int values[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 10, 11, 12, 13, 14, 15};
    for (int i = 0; digits[i]; i++)
        EXPECT_EQ(HexDigitValue(digits[i]), values[i]) << digits[i];
    for (char ch : {'g', 'G', ' ', '\0', 'x', '/', ':', '@', '`', '\xB0'})
        EXPECT_EQ(HexDigitValue(ch), -1) << (int)ch;
}
