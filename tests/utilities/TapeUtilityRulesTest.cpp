// TapeUtilityRulesTest.cpp: the tape utility dialogs' window-free rules.
#include <gtest/gtest.h>

#include "utilities/TapeUtilityRules.h"

TEST(TapeUtilityRules, VolserSpinStepsTheTrailingDigits)
{
    const struct {
        const char* pszText;
        int nDelta;
        const char* pszResult;  // null: unchanged
    } cases[] = {
        {"VOL009", 1, "VOL010"},   {"VOL010", -1, "VOL009"}, {"ABC999", 1, nullptr},
        {"000000", -1, nullptr},   {"000000", 1, "000001"},  {"", 1, "000001"},
        {"", -1, nullptr},         {"AB1C", 1, nullptr},      {"ABCDEF", 1, nullptr},
        {"A12345678", 1, "A12346"}, {"  T8  ", 1, "T9"},       {"T9", 1, nullptr},
        {"T0", -1, nullptr},       {"999998", 1, "999999"},  {"12", 1, "13"},
        {"X05", 3, "X06"},          {"X05", -7, "X04"},
    };
    for (const auto& c : cases) {
        CString strResult = "untouched";
        bool bChanged = StepVolser(c.pszText, c.nDelta, strResult);
        if (c.pszResult) {
            EXPECT_TRUE(bChanged) << c.pszText;
            EXPECT_STREQ(c.pszResult, strResult) << c.pszText;
        } else {
            EXPECT_FALSE(bChanged) << c.pszText;
            EXPECT_STREQ("untouched", strResult) << c.pszText;
        }
    }
}

TEST(TapeUtilityRules, TypedNumbersAreClampedAndLettersGiveTheLowBound)
{
    const struct {
        const char* pszText;
        UINT nExpected;
    } cases[] = {
        {"4095", 4096}, {"70000", 65535}, {"abc", 4096}, {"", 4096},
        {" 8192 ", 8192}, {"-5", 4096}, {"99999999999999999999", 65535}, {"65535", 65535},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nExpected, ClampTypedNumber(c.pszText, 4096, 65535)) << c.pszText;
}

TEST(TapeUtilityRules, BlockingFactorMaximumFollowsTheRecordLength)
{
    EXPECT_EQ(409u, MaxBlockingFactor(80));
    EXPECT_EQ(327u, MaxBlockingFactor(100));
    EXPECT_EQ(1820u, MaxBlockingFactor(18));
    EXPECT_EQ(1u, MaxBlockingFactor(32767));
    EXPECT_EQ(32767u, MaxBlockingFactor(0));
}

TEST(TapeUtilityRules, ReelBuildWordsWithAndWithoutLabels)
{
    SReelBuildWords w;
    w.strVolser = "TAP001";
    w.strDsn = "MY.DATA";
    w.nLrecl = 80;
    w.nBlockingFactor = 10;
    w.strCodePage = "819/1047";
    w.bUnique = true;
    EXPECT_STREQ("VOL: TAP001 DSN: MY.DATA LRECL: 80 BLK: 10 CP: 819/1047 UNIQUE", ReelBuildWords(w));
    w.bNonLabeled = true;
    w.bBinary = true;
    w.bAnsi = true;
    w.strCodePage.Empty();
    w.bUnique = false;
    EXPECT_STREQ("LRECL: 80 BLK: 10 BIN NL ANSI", ReelBuildWords(w));
}

TEST(TapeUtilityRules, DivideItemsBothWaysAndHandEditedOnesRefused)
{
    EXPECT_STREQ("    0012     C:\\tapes\\out.aws", FormatDivideItem(12, "C:\\tapes\\out.aws"));
    EXPECT_STREQ("    0001     a b.aws", FormatDivideItem(1, "a b.aws"));
    const struct {
        const char* pszItem;
        bool bValid;
        const char* pszCount;
        const char* pszPath;
    } cases[] = {
        {"    0012     C:\\tapes\\out.aws", true, "0012", "C:\\tapes\\out.aws"},
        {"    0003     x", true, "0003", "x"},
        {"", false, "", ""},
        {"    0012", false, "0012", ""},
        {"    0012     ", false, "0012", ""},
        {"12", false, "12", ""},
        {"    00x2     out.aws", false, "00x2", "out.aws"},
        {"  123456   out.aws", false, "123456", "t.aws"},
    };
    for (const auto& c : cases) {
        CString strCount, strPath;
        EXPECT_EQ(c.bValid, ParseDivideItem(c.pszItem, strCount, strPath)) << c.pszItem;
        EXPECT_STREQ(c.pszCount, strCount) << c.pszItem;
        EXPECT_STREQ(c.pszPath, strPath) << c.pszItem;
    }
}

TEST(TapeUtilityRules, ReelInfoWordTable)
{
    EXPECT_STREQ(" -a", ReelInfoWord(true, true));
    EXPECT_STREQ(" -l", ReelInfoWord(true, false));
    EXPECT_STREQ(" -f", ReelInfoWord(false, true));
    EXPECT_STREQ(" -d", ReelInfoWord(false, false));
}

TEST(TapeUtilityRules, ReelRepackWords)
{
    const struct {
        int nRun, nAlgorithm, nLevel;
        UINT nChunk;
        bool bStrict, bVerbose;
        const char* pszWords;
    } cases[] = {
        {kRepackRecompress, 0, 6, 65535, false, false, "-z -6 -c 65535"},
        {kRepackRecompress, 1, 9, 65535, false, false, "-b -9 -c 65535"},
        {kRepackDecompress, 0, 6, 4096, true, false, "-s"},
        {kRepackDecompress, 0, 6, 4096, true, true, "-s -v"},
        {kRepackDecompress, 1, 6, 8192, false, false, "-d -c 8192"},
        {kRepackRechunk, 0, 6, 4096, false, true, "-r -c 4096 -v"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.pszWords, ReelRepackWords(c.nRun, c.nAlgorithm, c.nLevel, c.nChunk, c.bStrict, c.bVerbose))
            << c.pszWords;
}

TEST(TapeUtilityRules, ReelFetchBlockSizeRules)
{
    const struct {
        const char* pszRecfm;
        UINT nLrecl, nBlockSize;
        const char* pszError;  // null: passes
    } cases[] = {
        {"FB", 80, 80, "Blksize must be greater than lrecl."},
        {"F", 80, 80, nullptr},
        {"F", 80, 100, "Blksize must be multiple of lrecl."},
        {"U", 80, 80, nullptr},
        {"U", 80, 40, "Blksize must be greater than or equal to lrecl."},
        {"VB", 100, 100, "Blksize must be greater than lrecl."},
        {"VB", 100, 104, nullptr},
        {"FB", 80, 16000, nullptr},
        {"FBS", 80, 16001, "Blksize must be multiple of lrecl."},
        {"", 80, 10, nullptr},
    };
    for (const auto& c : cases) {
        const char* pszError = ReelFetchBlockSizeError(c.pszRecfm, c.nLrecl, c.nBlockSize);
        if (c.pszError)
            EXPECT_STREQ(c.pszError, pszError) << c.pszRecfm << " " << c.nLrecl << "/" << c.nBlockSize;
        else
            EXPECT_EQ(nullptr, pszError) << c.pszRecfm << " " << c.nLrecl << "/" << c.nBlockSize;
    }
    EXPECT_STREQ("-n -a -u", ReelFetchWords(true, true, false, true));
    EXPECT_STREQ("", ReelFetchWords(false, false, false, false));
    EXPECT_STREQ("-s", ReelFetchWords(false, false, true, false));
}

TEST(TapeUtilityRules, FetchConversionBoxesImplyEachOther)
{
    const struct {
        SFetchConversion before;  // with the clicked box already in its new state
        EFetchBox eClicked;
        SFetchConversion after;
    } cases[] = {
        {{false, true, false}, kFetchStrip, {true, true, true}},
        {{true, true, false}, kFetchUnblock, {false, false, false}},
        {{true, false, false}, kFetchAscii, {true, false, true}},
        {{false, true, true}, kFetchAscii, {false, false, true}},
        {{false, false, true}, kFetchUnblock, {false, false, true}},
        {{true, false, true}, kFetchStrip, {true, false, true}},
    };
    for (const auto& c : cases) {
        SFetchConversion b = c.before;
        ApplyFetchConversionClick(b, c.eClicked);
        EXPECT_EQ(c.after.bAscii, b.bAscii) << c.eClicked;
        EXPECT_EQ(c.after.bStrip, b.bStrip) << c.eClicked;
        EXPECT_EQ(c.after.bUnblock, b.bUnblock) << c.eClicked;
    }
}
