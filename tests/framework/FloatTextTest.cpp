// FloatTextTest.cpp: the floating-point edit's parser, validation, display
// formats and spin arithmetic, table-driven, at the range ends and with bad
// input (NaN, infinities, overflow, embedded NULs, a 100,000-digit text).
#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "framework/FloatText.h"

namespace {

struct ParseCase {
    const char* psz;
    bool bOk;
    double value;
};

const ParseCase kParse[] = {
    {"0", true, 0.0},
    {"1.5", true, 1.5},
    {"-1.5", true, -1.5},
    {"+2", true, 2.0},
    {".5", true, 0.5},
    {"5.", true, 5.0},
    {"  3.25", true, 3.25},
    {"1e3", true, 1000.0},
    {"1.5E-2", true, 0.015},
    {"2e+1", true, 20.0},
    {"", false, 0},
    {" ", false, 0},
    {"+", false, 0},
    {"-", false, 0},
    {".", false, 0},
    {"1.5a", false, 0},
    {"1.5 ", false, 0},
    {"1e", false, 0},
    {"1e+", false, 0},
    {"e5", false, 0},
    {"--1", false, 0},
    {"1.2.3", false, 0},
    {"0x10", false, 0},
    {"inf", false, 0},
    {"-INF", false, 0},
    {"nan", false, 0},
    {"NAN(1)", false, 0},
    {"1e999", false, 0},
    {"-1e400", false, 0},
    {"1,5", false, 0},
};

}  // namespace

TEST(FloatText, ParsesOnlyWholeFiniteNumbers)
{
    for (const ParseCase& c : kParse) {
        double d = -7.0;
        EXPECT_EQ(ParseFloatText(c.psz, d), c.bOk) << "'" << c.psz << "'";
        EXPECT_DOUBLE_EQ(d, c.bOk ? c.value : -7.0) << "'" << c.psz << "'";
    }
    double d = 0;
    EXPECT_FALSE(ParseFloatText(nullptr, d));
}

TEST(FloatText, EmbeddedNulEndsTheText)
{
    std::string s("2.5\0x", 5);
    double d = 0;
    EXPECT_TRUE(ParseFloatText(s.c_str(), d));
    EXPECT_DOUBLE_EQ(d, 2.5);
}

TEST(FloatText, HugeTexts)
{
    std::string digits(100000, '1');
    double d = 0;
    EXPECT_FALSE(ParseFloatText(digits.c_str(), d)) << "overflows to infinity";
    std::string fraction = "0." + std::string(100000, '5');
    EXPECT_TRUE(ParseFloatText(fraction.c_str(), d));
    EXPECT_NEAR(d, 0.5555555555555556, 1e-15);
    EXPECT_FALSE(ParseFloatText((fraction + "x").c_str(), d));
}

TEST(FloatText, ValidationStatus)
{
    struct {
        const char* psz;
        double lower, upper;
        FloatTextStatus status;
    } cases[] = {
        {"1.0", 0.0, 2.0, kFloatValid},
        {"0", 0.0, 2.0, kFloatValid},
        {"2", 0.0, 2.0, kFloatValid},
        {"2.0000001", 0.0, 2.0, kFloatOutOfRange},
        {"-0.1", 0.0, 2.0, kFloatOutOfRange},
        {"0", DBL_MIN, DBL_MAX, kFloatOutOfRange},
        {"-1", DBL_MIN, DBL_MAX, kFloatOutOfRange},
        {"1e308", DBL_MIN, DBL_MAX, kFloatValid},
        {"-", 0.0, 2.0, kFloatSignOnly},
        {"+", 0.0, 2.0, kFloatSignOnly},
        {"+-", 0.0, 2.0, kFloatNotNumber},
        {"", 0.0, 2.0, kFloatNotNumber},
        {"1x", 0.0, 2.0, kFloatNotNumber},
        {"nan", -DBL_MAX, DBL_MAX, kFloatNotNumber},
        {"inf", -DBL_MAX, DBL_MAX, kFloatNotNumber},
        {"1e400", -DBL_MAX, DBL_MAX, kFloatNotNumber},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ValidateFloatText(c.psz, c.lower, c.upper), c.status) << c.psz;
    EXPECT_EQ(ValidateFloatText(nullptr, 0, 1), kFloatNotNumber);
}

TEST(FloatText, DisplayFormats)
{
    int n = 3;
    EXPECT_STREQ(FloatDisplayFormat(1.25, n), "%.3f");
    EXPECT_EQ(n, 3);
    n = -1;
    EXPECT_STREQ(FloatDisplayFormat(1.25, n), "%.2f");
    EXPECT_EQ(n, 2) << "the derived precision is kept";
    EXPECT_STREQ(FloatDisplayFormat(2.0, n), "%.2f");
    n = -1;
    EXPECT_STREQ(FloatDisplayFormat(5.0, n), "%G");
    EXPECT_EQ(n, -1);
    n = 0;
    EXPECT_STREQ(FloatDisplayFormat(0.1, n), "%.1f");
    EXPECT_EQ(n, 1);
    n = 0;
    EXPECT_STREQ(FloatDisplayFormat(-0.125, n), "%.3f");
}

TEST(FloatText, SpinPositionsAtTheRangeEnds)
{
    struct {
        double lower, upper, step, value;
        int nSteps, nPos;
    } cases[] = {
        {0.0, 2.0, 0.1, 1.0, 20, 10},
        {0.0, 2.0, 0.1, 0.0, 20, 0},
        {0.0, 2.0, 0.1, 2.0, 20, 20},
        {0.0, 2.0, 0.1, -5.0, 20, 0},
        {0.0, 2.0, 0.1, 9.0, 20, 20},
        {-1.0, 1.0, 0.5, 0.25, 4, 3},
        {1.0, 1.0, 0.5, 1.0, 0, 0},
        // The initial range and step: far more steps than the control holds.
        {DBL_MIN, DBL_MAX, DBL_EPSILON, 1.0, kFPSpinMaxSteps, kFPSpinMaxSteps},
        {-DBL_MAX, DBL_MAX, 1.0, 0.0, kFPSpinMaxSteps, kFPSpinMaxSteps},
        {0.0, 1e12, 1.0, 1e11, kFPSpinMaxSteps, kFPSpinMaxSteps},
        {0.0, 1e7, 1e-3, 0.5, kFPSpinMaxSteps, 500},
    };
    for (const auto& c : cases) {
        int nSteps = -1, nPos = -1;
        ASSERT_TRUE(FPSpinPositions(c.lower, c.upper, c.step, c.value, nSteps, nPos)) << c.lower << ".." << c.upper;
        EXPECT_EQ(nSteps, c.nSteps) << c.lower << ".." << c.upper << " step " << c.step;
        EXPECT_EQ(nPos, c.nPos) << c.lower << ".." << c.upper << " value " << c.value;
    }
}

TEST(FloatText, SpinRefusesBadStepsAndBounds)
{
    const double kNaN = __builtin_nan("");
    const double kInf = __builtin_inf();
    struct {
        double lower, upper, step;
    } cases[] = {
        {0, 2, 0.0}, {0, 2, -0.1}, {0, 2, kNaN}, {0, 2, kInf},
        {kNaN, 2, 0.1}, {0, kInf, 0.1}, {-kInf, 0, 0.1}, {3, 2, 0.1},
    };
    for (const auto& c : cases) {
        int nSteps = 7, nPos = 8;
        EXPECT_FALSE(FPSpinPositions(c.lower, c.upper, c.step, 1.0, nSteps, nPos)) << c.step;
        EXPECT_EQ(nSteps, 7);
        EXPECT_EQ(nPos, 8);
    }
    int nSteps = 0, nPos = 0;
    EXPECT_TRUE(FPSpinPositions(0, 2, 0.1, kNaN, nSteps, nPos));
    EXPECT_EQ(nPos, 0);
}

TEST(FloatText, SpinDeltaStaysInTheRange)
{
    struct {
        int nPos, nDelta, nSteps, nLimited;
    } cases[] = {
        {10, 1, 20, 1}, {10, -1, 20, -1}, {20, 1, 20, 0}, {0, -1, 20, 0},
        {19, 5, 20, 1}, {1, -5, 20, -1}, {0, 0, 0, 0},
        {kFPSpinMaxSteps, 0x7FFFFFFF, kFPSpinMaxSteps, 0},
        {0, -0x7FFFFFFF - 1, kFPSpinMaxSteps, 0},
        {5, 0x7FFFFFFF, kFPSpinMaxSteps, kFPSpinMaxSteps - 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FPSpinLimitDelta(c.nPos, c.nDelta, c.nSteps), c.nLimited) << c.nPos << "+" << c.nDelta;
}
