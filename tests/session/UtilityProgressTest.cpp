// UtilityProgressTest.cpp: the progress-line parsers of every utility kind,
// line by line, plus garbage, overlong lines and the zero-total fraction.
#include "session/UtilityProgress.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

const INT64 kMax64 = 0x7FFFFFFFFFFFFFFFll;
const INT64 kMin64 = -kMax64 - 1;

enum { N = kProgressNotConsumed, S = kProgressSwallowed, T = kProgressTotal, P = kProgressPosition };

struct SCase {
    int nKind;
    const char* pszLine;
    int eAction;
    INT64 nValue;
    bool bNotify;
};

// Exact lines in, exact results out; every kind of the utility table.
const SCase kCases[] = {
    // WidenVol: other lines shown, even the common keywords.
    { kUtilWidenVol, "TRKS=3000", T, 3000, false },
    { kUtilWidenVol, "TRK=17", P, 17, true },
    { kUtilWidenVol, "STEPS=4", N, 0, false },
    { kUtilWidenVol, "ZQC00001I done", N, 0, false },
    // VolMake: positions only; the total comes from the dialog.
    { kUtilVolMake, "CYL=12", P, 12, true },
    { kUtilVolMake, "BLK=4096", P, 4096, true },
    { kUtilVolMake, "STEPS=5", S, 0, false },
    { kUtilVolMake, "STEP=1", S, 0, false },
    { kUtilVolMake, "SIZE=9", S, 0, false },
    { kUtilVolMake, "POS=9", S, 0, false },
    { kUtilVolMake, "CYLS=100", N, 0, false },
    { kUtilVolMake, "formatting volume", N, 0, false },
    // VolRecast.
    { kUtilVolRecast, "CYLS=1113", T, 1113, false },
    { kUtilVolRecast, "CYL=1", P, 1, true },
    { kUtilVolRecast, "POS=1", S, 0, false },
    { kUtilVolRecast, "TRK=1", N, 0, false },
    // VolClone and VolExtract: tracks, common test.
    { kUtilVolClone, "TRKS=15", T, 15, false },
    { kUtilVolClone, "TRK=15", P, 15, true },
    { kUtilVolClone, "SIZE=15", S, 0, false },
    { kUtilVolExtract, "TRKS=30", T, 30, false },
    { kUtilVolExtract, "TRK=29", P, 29, true },
    { kUtilVolExtract, "STEP=2", S, 0, false },
    // VolBuild: three position keywords and its own total.
    { kUtilVolBuild, "IPOS=512", P, 512, true },
    { kUtilVolBuild, "REQCYLS=2226", T, 2226, false },
    { kUtilVolBuild, "CYL=7", P, 7, true },
    { kUtilVolBuild, "OUTCYL=8", P, 8, true },
    { kUtilVolBuild, "POS=3", S, 0, false },
    { kUtilVolBuild, "CYLS=3", N, 0, false },
    // VolPatch.
    { kUtilVolPatch, "NMEM=40", T, 40, false },
    { kUtilVolPatch, "MEM=39", P, 39, true },
    { kUtilVolPatch, "STEPS=1", S, 0, false },
    // VolList, VolShow, VolUnload share one parser.
    { kUtilVolList, "ETRK=150", T, 150, false },
    { kUtilVolList, "CTRK=75", P, 75, true },
    { kUtilVolShow, "ETRK=1", T, 1, false },
    { kUtilVolShow, "CTRK=0", P, 0, true },
    { kUtilVolUnload, "CTRK=3", P, 3, true },
    { kUtilVolUnload, "SIZE=3", S, 0, false },
    { kUtilVolUnload, "TRK=3", N, 0, false },
    // PackCheck, PackSqueeze, PackFlip: both totals notify; other lines shown.
    { kUtilPackCheck, "STEPS=3", T, 3, true },
    { kUtilPackCheck, "STEP=2", P, 2, true },
    { kUtilPackCheck, "SIZE=1048576", T, 1048576, true },
    { kUtilPackCheck, "POS=524288", P, 524288, true },
    { kUtilPackCheck, "TRK=1", N, 0, false },
    { kUtilPackSqueeze, "SIZE=10", T, 10, true },
    { kUtilPackSqueeze, "POS=5", P, 5, true },
    { kUtilPackFlip, "STEPS=2", T, 2, true },
    { kUtilPackFlip, "STEP=1", P, 1, true },
    // ReelBuild.
    { kUtilReelBuild, "FILES=4", T, 4, false },
    { kUtilReelBuild, "FILE=2", P, 2, true },
    { kUtilReelBuild, "POS=2", N, 0, false },
    // ReelScan, ReelDivide, ReelInfo, ReelRepack, ReelFetch: input position only.
    { kUtilReelScan, "IPOS=80000", P, 80000, true },
    { kUtilReelDivide, "IPOS=1", P, 1, true },
    { kUtilReelInfo, "IPOS=2", P, 2, true },
    { kUtilReelRepack, "IPOS=3", P, 3, true },
    { kUtilReelFetch, "IPOS=4", P, 4, true },
    { kUtilReelScan, "POS=4", N, 0, false },
    { kUtilReelFetch, "FILE=1", N, 0, false },
    // ReelDub.
    { kUtilReelDub, "BLKS=900", T, 900, false },
    { kUtilReelDub, "BLK=899", P, 899, true },
    { kUtilReelDub, "STEP=1", N, 0, false },
    // The two kinds no command starts.
    { kUtilCkdTracks, "CKDTRKS=45", T, 45, false },
    { kUtilCkdTracks, "TRK=44", P, 44, true },
    { kUtilCkdTracks, "TRKS=44", N, 0, false },
    { kUtilCkdTracks, "STEP=4", S, 0, false },
    { kUtilTracks, "TRKS=45", T, 45, false },
    { kUtilTracks, "TRK=1", P, 1, true },
    { kUtilTracks, "POS=1", S, 0, false },
    // The card-submission helper.
    { kUtilCardSubmit, "XBYTES=8000", P, 8000, true },
    { kUtilCardSubmit, "BYTES=8000", N, 0, false },
    { kUtilCardSubmit, "STEPS=2", N, 0, false },
    // Kinds without a parser show everything.
    { kUtilMapImport, "TRK=1", N, 0, false },
    { kUtilReelBlank, "BLK=1", N, 0, false },
    { kUtilVmfplc2, "FILE=1", N, 0, false },
    { kUtilNone, "STEPS=1", N, 0, false },
    { kUtilEmulator, "POS=1", N, 0, false },
    { 10, "TRK=1", N, 0, false },
    { 14, "STEPS=1", N, 0, false },
    { 16, "STEPS=1", N, 0, false },
    { 30, "TRK=1", N, 0, false },
    { -2, "TRK=1", N, 0, false },
    // Numbers as _atoi64 reads them.
    { kUtilWidenVol, "TRK=", P, 0, true },
    { kUtilWidenVol, "TRK=abc", P, 0, true },
    { kUtilWidenVol, "TRK=  42", P, 42, true },
    { kUtilWidenVol, "TRK=+42", P, 42, true },
    { kUtilWidenVol, "TRKS=-5", T, -5, false },
    { kUtilWidenVol, "TRK=12abc", P, 12, true },
    { kUtilWidenVol, "TRK=9223372036854775807", P, kMax64, true },
    { kUtilWidenVol, "TRK=9223372036854775808", P, kMax64, true },
    { kUtilWidenVol, "TRK=-9223372036854775808", P, kMin64, true },
    { kUtilWidenVol, "TRK=-99999999999999999999999", P, kMin64, true },
    { kUtilWidenVol, "TRKS=4294967296", T, 4294967296ll, false },
    // Keywords are compared exactly: case, leading blanks and prefixes matter.
    { kUtilWidenVol, "trk=1", N, 0, false },
    { kUtilWidenVol, " TRK=1", N, 0, false },
    { kUtilWidenVol, "TRK", N, 0, false },
    { kUtilWidenVol, "TR", N, 0, false },
    { kUtilWidenVol, "", N, 0, false },
    { kUtilVolMake, "STEP", N, 0, false },
    { kUtilVolMake, "", N, 0, false },
    { kUtilPackCheck, "XPOS=1", N, 0, false },
};

std::string Describe(const SCase& c)
{
    return "kind " + std::to_string(c.nKind) + " line \"" + c.pszLine + "\"";
}

TEST(UtilityProgress, EveryKindParsesItsLinesExactly)
{
    for (const SCase& c : kCases) {
        SProgressLine r = ParseProgressLine(c.nKind, c.pszLine);
        EXPECT_EQ(c.eAction, (int)r.eAction) << Describe(c);
        EXPECT_EQ(c.nValue, r.nValue) << Describe(c);
        EXPECT_EQ(c.bNotify, r.bNotify) << Describe(c);
        EXPECT_EQ(c.eAction == T || c.eAction == P, r.pszKeyword != nullptr) << Describe(c);
    }
}

TEST(UtilityProgress, KeywordIsReported)
{
    EXPECT_STREQ("REQCYLS=", ParseProgressLine(kUtilVolBuild, "REQCYLS=1").pszKeyword);
    EXPECT_STREQ("STEPS=", ParseProgressLine(kUtilPackCheck, "STEPS=1").pszKeyword);
    EXPECT_STREQ("STEP=", ParseProgressLine(kUtilPackCheck, "STEP=1").pszKeyword);
}

TEST(UtilityProgress, HasProgressParserByKind)
{
    const int kWith[] = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 13, 15, 17, 18, 19, 20, 21, 23, 24, 25, 26, 27, 28 };
    const int kWithout[] = { -1, 0, 10, 12, 14, 16, 22, 29, 30, 1000, -1000 };
    for (int k : kWith)
        EXPECT_TRUE(HasProgressParser(k)) << k;
    for (int k : kWithout)
        EXPECT_FALSE(HasProgressParser(k)) << k;
}

TEST(UtilityProgress, CommonTestComparesItsFourKeywords)
{
    EXPECT_TRUE(ParseProgressCommon("STEPS=1"));
    EXPECT_TRUE(ParseProgressCommon("STEP=1"));
    EXPECT_TRUE(ParseProgressCommon("SIZE="));
    EXPECT_TRUE(ParseProgressCommon("POS=x"));
    EXPECT_FALSE(ParseProgressCommon("STEP"));
    EXPECT_FALSE(ParseProgressCommon("SIZ=1"));
    EXPECT_FALSE(ParseProgressCommon("pos=1"));
    EXPECT_FALSE(ParseProgressCommon("IPOS=1"));
    EXPECT_FALSE(ParseProgressCommon(""));
    EXPECT_FALSE(ParseProgressCommon(nullptr));
}

TEST(UtilityProgress, NullLineIsNotConsumed)
{
    EXPECT_EQ(kProgressNotConsumed, ParseProgressLine(kUtilPackCheck, nullptr).eAction);
}

TEST(UtilityProgress, GarbageAndEmbeddedNulsAreNotProgress)
{
    const char kGarbage[] = "\x01\xff\x80TRK=5\x7f";
    EXPECT_EQ(kProgressNotConsumed, ParseProgressLine(kUtilWidenVol, kGarbage).eAction);
    // A NUL inside the number ends it: the line as C text is "TRK=1".
    const char kNul[] = "TRK=1\0" "99";
    SProgressLine r = ParseProgressLine(kUtilWidenVol, kNul);
    EXPECT_EQ(kProgressPosition, r.eAction);
    EXPECT_EQ(1, r.nValue);
    // Bytes above 0x7F are not blanks or digits, whatever char's signedness.
    EXPECT_EQ(0, ReadProgressNumber("\xa0" "5"));
}

TEST(UtilityProgress, OverlongLines)
{
    std::string digits = "TRKS=" + std::string(100000, '9');
    SProgressLine r = ParseProgressLine(kUtilWidenVol, digits.c_str());
    EXPECT_EQ(kProgressTotal, r.eAction);
    EXPECT_EQ(kMax64, r.nValue);

    std::string zeros = "TRK=" + std::string(100000, '0') + "7";
    EXPECT_EQ(7, ParseProgressLine(kUtilWidenVol, zeros.c_str()).nValue);

    std::string text(100000, 'S');
    EXPECT_EQ(kProgressNotConsumed, ParseProgressLine(kUtilVolMake, text.c_str()).eAction);
    std::string steps = "STEPS=" + std::string(100000, 'x');
    EXPECT_EQ(kProgressSwallowed, ParseProgressLine(kUtilVolMake, steps.c_str()).eAction);
}

struct SFractionCase {
    INT64 nLow, nHigh, nPos;
    double dFraction;
};

TEST(UtilityProgress, FractionClampsAndNeverDividesByZero)
{
    const SFractionCase kFractions[] = {
        { 0, 3, 1, 1.0 / 3 }, { 0, 3, 2, 2.0 / 3 }, { 0, 3, 3, 1.0 },
        { 0, 100, -5, 0.0 }, { 0, 100, 250, 1.0 }, { 0, 100, 50, 0.5 },
        // A total of 0: 0% until a position above the low end, then 100%.
        { 0, 0, 0, 0.0 }, { 0, 0, -1, 0.0 }, { 0, 0, 1, 1.0 }, { 7, 7, 8, 1.0 },
        // Descending range: progress runs from the high end down.
        { 100, 0, 100, 0.0 }, { 100, 0, 25, 0.75 }, { 100, 0, -3, 1.0 },
        // Negative total from a "TRKS=-5" line: range 0 down to -5.
        { 0, -5, -5, 1.0 },
        // The widest range does not overflow.
        { kMin64, kMax64, kMin64, 0.0 }, { kMin64, kMax64, kMax64, 1.0 },
        { kMin64, kMax64, 0, 0.5 },
    };
    for (const SFractionCase& c : kFractions)
        EXPECT_NEAR(c.dFraction, ProgressFraction(c.nLow, c.nHigh, c.nPos), 1e-9)
            << c.nLow << ".." << c.nHigh << " at " << c.nPos;
}

struct SDoubleCase {
    double fLow, fHigh, fPos;
    double dFraction;
};

TEST(UtilityProgress, DoubleFractionClampsAndSurvivesNonNumbers)
{
    const double kInf = std::numeric_limits<double>::infinity();
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    const SDoubleCase kFractions[] = {
        { 0.0, 3.0, 1.0, 1.0 / 3 }, { 0.5, 1.5, 1.25, 0.75 }, { -2.0, 2.0, 0.0, 0.5 },
        { 0.0, 100.0, -5.0, 0.0 }, { 0.0, 100.0, 250.0, 1.0 },
        { 100.0, 0.0, 25.0, 0.75 }, { 100.0, 0.0, 100.0, 0.0 }, { 100.0, 0.0, -1.0, 1.0 },
        { 4.0, 4.0, 4.0, 0.0 }, { 4.0, 4.0, 4.5, 1.0 },
        // Not a number, wherever it comes, shows 0%.
        { 0.0, 10.0, kNaN, 0.0 }, { kNaN, 10.0, 5.0, 0.0 }, { 0.0, kNaN, 5.0, 0.0 },
        // An infinite span cannot be divided: 0%, never NaN.
        { 0.0, kInf, 5.0, 0.0 }, { -kInf, kInf, 0.0, 0.0 }, { 0.0, kInf, kInf, 0.0 },
        { 0.0, 10.0, kInf, 1.0 }, { 0.0, 10.0, -kInf, 0.0 },
    };
    for (const SDoubleCase& c : kFractions)
        EXPECT_NEAR(c.dFraction, ProgressFractionDouble(c.fLow, c.fHigh, c.fPos), 1e-12)
            << c.fLow << ".." << c.fHigh << " at " << c.fPos;
}

}  // namespace
