// VolMakeRulesTest.cpp: the VolMake and VolClone words, window-free: size
// limits per model kind, alternates and standard totals, default names,
// option words, the size tail (four-digit type), the large-file test, and
// VolClone's format word and options (no "64" without the 64-bit programs).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "config/DasdModels.h"
#include "utilities/VolCloneRules.h"
#include "utilities/VolMakeRules.h"

namespace {

struct SLimitCase {
    const char* pszModel;
    int nMaximum, nLimit;
    INT64 nSize;
    bool bInRange, bAccepted;
};

const SLimitCase kLimits[] = {
    {"3390-3", 3339, 3339, 3339, true, true},
    {"3390-3", 3339, 3339, 3340, false, false},
    {"3390-3", 3339, 3339, 1, false, false},
    {"3390", 0, 2147483647, 0, false, true},      // a bare type takes 0 while typed, not on OK
    {"3390", 0, 2147483647, 5000, true, true},
    {"3390", 0, 2147483647, 2147483648LL, false, false},
    {"9336-20", 1672881, 1672881, 1672881, true, true},
    {"NOSUCH", 0, 2147483647, 10, true, true},    // unknown: no fixed size
};

TEST(VolMakeRules, SizeLimitsPerModelKind)
{
    for (const SLimitCase& c : kLimits) {
        EXPECT_EQ(c.nMaximum, VolMakeModelMaximum(c.pszModel)) << c.pszModel;
        EXPECT_EQ(c.nLimit, VolMakeSizeLimit(c.pszModel)) << c.pszModel;
        EXPECT_EQ(c.bInRange, IsVolMakeSizeInRange(c.pszModel, c.nSize)) << c.pszModel << " " << c.nSize;
        EXPECT_EQ(c.bAccepted, IsVolMakeSizeAccepted(c.pszModel, c.nSize)) << c.pszModel << " " << c.nSize;
    }
}

TEST(VolMakeRules, LargestFixedSizeIsTheModelTablesLargest)
{
    int nLargest = 0;
    for (int i = 0; i < g_nDasdModelCount; ++i)
        nLargest = std::max(nLargest, VolMakeModelMaximum(g_DasdModelTable[i].pszName));
    EXPECT_EQ(nLargest, kVolMakeLargestFixedSize);
}

TEST(VolMakeRules, AlternatesAndStandardTotals)
{
    EXPECT_EQ(1, VolMakeAlternates("3390-3", true));
    EXPECT_EQ(0, VolMakeAlternates("3390-3", false));
    EXPECT_EQ(0, VolMakeAlternates("3390", true));     // no fixed size: "Plus:" stays 0
    EXPECT_EQ(6, VolMakeAlternates("2305-1", true));
    EXPECT_EQ(0, VolMakeAlternates("3370-A1", true));
    EXPECT_TRUE(IsStandardVolMakeTotal("3390-3", true, 3340));
    EXPECT_TRUE(IsStandardVolMakeTotal("3390-3", false, 3339));
    EXPECT_FALSE(IsStandardVolMakeTotal("3390-3", true, 3339));
    EXPECT_FALSE(IsStandardVolMakeTotal("3390", false, 0));
    EXPECT_FALSE(IsStandardVolMakeTotal("3390", false, 5000));
}

SVolMakeChoice Choice(const char* pszModel, int nTotal, bool bAlt, bool bVol1, const char* pszVolser,
                      bool bCompress, int nMethod, bool bLargeFile, bool bLinux = false)
{
    SVolMakeChoice c;
    c.strModel = pszModel;
    c.nTotal = nTotal;
    c.bAltCyls = bAlt;
    c.bVol1Label = bVol1;
    c.strVolser = pszVolser;
    c.bCompress = bCompress;
    c.nMethod = nMethod;
    c.bLargeFile = bLargeFile;
    c.bLinux = bLinux;
    return c;
}

struct SWordsCase {
    SVolMakeChoice choice;
    const char* pszName;
    const char* pszWords;
    const char* pszTail;
};

TEST(VolMakeRules, NamesWordsAndTails)
{
    const SWordsCase cases[] = {
        {Choice("3390-3", 3339, false, true, "WORK01", true, 0, true), "WORK01.3390-3.comp-z", "-z -lfs",
         "3390-3 WORK01"},
        {Choice("3390", 5000, false, false, "xxx", false, 0, false), "DASD.3390.cyls-5000", "-r", "3390 5000"},
        {Choice("3390-3", 3340, true, false, "", false, 0, false), "DASD.3390-3.alts", "-a -r", "3390-3"},
        {Choice("3390-3", 3339, true, false, "", false, 0, false), "DASD.3390-3.cyls-3339", "-r", "3390 3339"},
        {Choice("0671", 9000, false, true, "FBA001", true, 1, false), "FBA001.0671.blks-9000.comp-b", "-bz2",
         "0671 FBA001 9000"},
        {Choice("3390-9", 10017, false, true, "LNX", true, 2, true, true), "LNX.3390-9.comp-n",
         "-linux -0 -lfs", "3390-9 LNX"},
        {Choice("3350-1", 555, false, false, "", false, 0, false), "DASD.3350-1", "-r", "3350-1"},
        {Choice("2314", 200, false, false, "", true, 0, true), "DASD.2314.cyls-200.comp-z", "-z -r -lfs",
         "2314 200"},
    };
    for (const SWordsCase& c : cases) {
        EXPECT_EQ(c.pszName, std::string(VolMakeDefaultName(c.choice))) << c.pszName;
        EXPECT_EQ(c.pszWords, std::string(VolMakeOptionWords(c.choice))) << c.pszName;
        EXPECT_EQ(c.pszTail, std::string(VolMakeSizeTail(c.choice))) << c.pszName;
    }
}

TEST(VolMakeRules, VolserBlanksGoFromTheTail)
{
    EXPECT_EQ("AB12", std::string(VolserWithoutBlanks(" AB 12 ")));
    EXPECT_EQ("3390-3 AB12", std::string(VolMakeSizeTail(Choice("3390-3", 3339, false, true, "AB 12", false, 0,
                                                                 false))));
}

TEST(VolMakeRules, LargeFileCheckAsksOnlyADriveRoot)
{
    EXPECT_EQ("C:\\", std::string(LargeFileCheckRoot("C:\\Images\\")));
    EXPECT_EQ("d:\\", std::string(LargeFileCheckRoot("d:")));
    EXPECT_EQ("", std::string(LargeFileCheckRoot("\\\\server\\share\\dasd")));
    EXPECT_EQ("", std::string(LargeFileCheckRoot("C")));
    EXPECT_EQ("", std::string(LargeFileCheckRoot("")));
    EXPECT_EQ("", std::string(LargeFileCheckRoot(nullptr)));
    for (const char* psz : {"FAT", "FAT32", "fat16", "Fat12"})
        EXPECT_TRUE(IsFileSystemWithoutLargeFiles(psz)) << psz;
    for (const char* psz : {"NTFS", "FA", "", "exFAT", "ext4"})
        EXPECT_FALSE(IsFileSystemWithoutLargeFiles(psz)) << psz;
    EXPECT_FALSE(IsFileSystemWithoutLargeFiles(nullptr));
}

SVolCloneChoice Clone(BYTE bType, bool bReplace, bool bAlt, bool bCompress, int nAlgorithm, bool bSingle,
                      bool bCkd64, bool bHas64)
{
    SVolCloneChoice c;
    c.bInputImageType = bType;
    c.bReplace = bReplace;
    c.bAltCyls = bAlt;
    c.bCompress = bCompress;
    c.nAlgorithm = nAlgorithm;
    c.bSingleFile = bSingle;
    c.bCkd64 = bCkd64;
    c.bHas64BitUtilities = bHas64;
    return c;
}

struct SCloneCase {
    SVolCloneChoice choice;
    const char* pszFormat;
    const char* pszWords;
    bool b64Program;
};

// Image type codes: 1 CKD, 2 compressed CKD, 4 FBA, 5 compressed FBA, 7 CKD64, 10 FBA64.
TEST(VolCloneRules, FormatWordAndOptions)
{
    const SCloneCase cases[] = {
        {Clone(1, true, true, true, 0, false, false, false), "cckd", "-r -o cckd -z -a", false},
        {Clone(4, false, true, false, 0, true, false, false), "fba", "-lfs -o fba", false},  // no -a for FBA
        {Clone(5, false, false, true, 1, true, false, false), "cfba", "-o cfba -bz2", false}, // no -lfs compressed
        {Clone(1, false, false, false, 0, false, true, true), "ckd64", "-o ckd64", true},
        {Clone(2, false, false, true, 0, false, true, false), "cckd", "-o cckd -z", false},   // box on, no programs
        {Clone(7, false, false, false, 0, false, false, true), "ckd", "-o ckd", true},        // 64-bit input alone
        {Clone(10, false, false, true, 0, false, true, true), "cfba64", "-o cfba64 -z", true},
        {Clone(7, false, false, false, 0, false, true, false), "ckd", "-o ckd", false},
    };
    for (const SCloneCase& c : cases) {
        EXPECT_EQ(c.pszFormat, std::string(VolCloneFormatWord(c.choice))) << c.pszWords;
        EXPECT_EQ(c.pszWords, std::string(VolCloneOptionWords(c.choice)));
        EXPECT_EQ(c.b64Program, VolCloneWants64BitProgram(c.choice)) << c.pszWords;
    }
}

}  // namespace
