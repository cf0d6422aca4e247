// VolContentsRulesTest.cpp: the names VOLSHOW accepts, its member
// words, the VOLLIST switch order and ranges, VOLLIST list items
// both ways (hand-edited and short items included), and the VOLEXTRACT and
// VOLUNLOAD command lines with the root folder kept whole.
#include <gtest/gtest.h>

#include <string>

#include "platform/TextFunctions.h"
#include "session/UtilityCommandLine.h"
#include "utilities/VolContentsRules.h"

namespace {

TEST(VolContentsRules, FileNameOfPath)
{
    EXPECT_EQ("mvs.cckd", std::string(FileNameOfPath("C:\\dasd\\mvs.cckd")));
    EXPECT_EQ("b.shd", std::string(FileNameOfPath("C:/dasd/b.shd")));
    EXPECT_EQ("plain", std::string(FileNameOfPath("plain")));
    EXPECT_EQ("", std::string(FileNameOfPath("C:\\dasd\\")));
    EXPECT_EQ("", std::string(FileNameOfPath(nullptr)));
}

struct SPlainCase {
    const char* psz;
    bool bPlain;
};

const SPlainCase kPlainCases[] = {
    {"SYS1.MACLIB", true}, {"IEFBR14", true},  {"A*?", true},       {"", false},
    {"SYS1 MACLIB", false}, {"SYS1/MACLIB", false}, {"A\\B", false}, {"A:B", false},
    {"A\"B", false},       {"A<B", false},     {"A>B", false},      {"A|B", false},
    {"A\tB", false},       {"A\x01", false},   {"A\x1f", false},
};

TEST(VolContentsRules, PlainMemberTextRefusesBlanksAndFileNameSpecials)
{
    for (const SPlainCase& c : kPlainCases)
        EXPECT_EQ(c.bPlain, IsPlainMemberText(c.psz)) << c.psz;
    EXPECT_FALSE(IsPlainMemberText(nullptr));
}

struct SSpecCase {
    int nRun, nMembers;
    const char* pszMember;
    bool bAscii, bCards;
    const char* pszSpec;
};

const SSpecCase kSpecCases[] = {
    {kVolShowListMembers, kVolShowOneMember, "IEFBR14", true, true, "SYS1.MACLIB/?"},
    {kVolShowListMembers, kVolShowAllMembers, "", false, false, "SYS1.MACLIB/?"},
    {kVolShowContents, kVolShowAllMembers, "IEFBR14", true, false, "SYS1.MACLIB/*:a"},
    {kVolShowContents, kVolShowAllMembers, "", false, true, "SYS1.MACLIB/*:c"},
    {kVolShowContents, kVolShowOneMember, "IEFBR14", false, true, "SYS1.MACLIB/IEFBR14:c"},
    {kVolShowContents, kVolShowOneMember, "IEFBR14", false, false, "SYS1.MACLIB/IEFBR14"},
    {kVolShowContents, kVolShowOneMember, "IEFBR14", true, true, "SYS1.MACLIB/IEFBR14:a"},
};

TEST(VolContentsRules, VolShowMemberSpecByRunMemberAndDisplay)
{
    for (const SSpecCase& c : kSpecCases)
        EXPECT_EQ(c.pszSpec, std::string(VolShowMemberSpec("SYS1.MACLIB", c.nRun, c.nMembers, c.pszMember,
                                                           c.bAscii, c.bCards)))
            << c.pszSpec;
}

TEST(VolContentsRules, VolListSwitchesInTheUtilitysOrder)
{
    SVolListSwitches all;
    all.bNoSort = all.bCCHH = all.bHeaders = all.bFormat1 = all.bCalDate = all.bRefDate = all.bExpDate = true;
    all.bDSNCols = all.bYearOffset = true;
    all.nColumns = 20;
    all.nYears = -28;
    EXPECT_EQ(" -nosort -cchh -hdr -info -caldt -refdt -expdt -dsnl=20 -yroffs=-28",
              std::string(VolListSwitchWords(all)));
    EXPECT_EQ("", std::string(VolListSwitchWords(SVolListSwitches())));
    SVolListSwitches some;
    some.bHeaders = some.bDSNCols = true;
    some.nColumns = 20;
    some.nYears = 99;  // off: not written
    EXPECT_EQ(" -hdr -dsnl=20", std::string(VolListSwitchWords(some)));
}

TEST(VolContentsRules, VolListRanges)
{
    const struct {
        UINT n;
        bool bValid;
    } widths[] = {{0, false}, {1, true}, {44, true}, {45, false}, {0xFFFFFFFFu, false}};
    for (const auto& w : widths)
        EXPECT_EQ(w.bValid, IsValidDsnColumns(w.n)) << w.n;
    const struct {
        int n;
        bool bValid;
    } offsets[] = {{-143, false}, {-142, true}, {0, true}, {142, true}, {143, false}};
    for (const auto& o : offsets)
        EXPECT_EQ(o.bValid, IsValidYearOffset(o.n)) << o.n;
}

struct SItemCase {
    const char* pszItem;
    const char* pszImage;
    const char* pszShadow;
    const char* pszArguments;
};

const SItemCase kItemCases[] = {
    // As the dialog stores them.
    {"\"C:\\dasd\\a.ckd\"", "C:\\dasd\\a.ckd", "", " C:\\dasd\\a.ckd"},
    {"\"C:\\dasd\\a.ckd\" sf=C:\\dasd\\a_1.shd", "C:\\dasd\\a.ckd", "C:\\dasd\\a_1.shd",
     " C:\\dasd\\a.ckd sf=C:\\dasd\\a_1.shd"},
    {"\"C:\\my dasd\\a.ckd\" sf=\"C:\\my dasd\\a_1.shd\"", "C:\\my dasd\\a.ckd", "C:\\my dasd\\a_1.shd",
     " \"C:\\my dasd\\a.ckd\" \"sf=C:\\my dasd\\a_1.shd\""},
    // Hand-edited or older stores: never read past the item.
    {"C:\\dasd\\a.ckd", "C:\\dasd\\a.ckd", "", " C:\\dasd\\a.ckd"},
    {"\"C:\\dasd\\a.ckd", "C:\\dasd\\a.ckd", "", " C:\\dasd\\a.ckd"},
    {"\"C:\\dasd\\a.ckd\"", "C:\\dasd\\a.ckd", "", " C:\\dasd\\a.ckd"},
    {"\"a\" sf", "a", "", " a"},
    {"\"a\" sf=", "a", "", " a"},
    {"\"a\" sf=x", "a", "x", " a sf=x"},
    {"\"a\" sf=\"x y", "a", "x y", " a \"sf=x y\""},
    {"\"", "", "", " "},
    {"", "", "", " "},
};

TEST(VolContentsRules, VolListItemsReadBackWithoutReadingPastThem)
{
    for (const SItemCase& c : kItemCases) {
        CString strImage = "old", strShadow = "old";
        ParseVolListItem(c.pszItem, strImage, strShadow);
        EXPECT_EQ(c.pszImage, std::string(strImage)) << c.pszItem;
        EXPECT_EQ(c.pszShadow, std::string(strShadow)) << c.pszItem;
        EXPECT_EQ(c.pszArguments, std::string(VolListItemArguments(c.pszItem))) << c.pszItem;
    }
}

TEST(VolContentsRules, VolListItemsRoundTrip)
{
    const char* const paths[][2] = {
        {"C:\\dasd\\a.ckd", ""},
        {"C:\\dasd\\a.ckd", "C:\\dasd\\a_1.shd"},
        {"C:\\my dasd\\a.ckd", "C:\\my dasd\\a_1.shd"},
        {"D:\\x.cckd", "D:\\with blank\\s.shd"},
    };
    for (const auto& p : paths) {
        CString strItem = ComposeVolListItem(p[0], p[1]);
        EXPECT_EQ('"', strItem[0]) << p[0];  // quoted even without a blank
        CString strImage, strShadow;
        ParseVolListItem(strItem, strImage, strShadow);
        EXPECT_EQ(p[0], std::string(strImage));
        EXPECT_EQ(p[1], std::string(strShadow));
    }
    EXPECT_EQ("\"C:\\dasd\\a.ckd\" sf=\"C:\\my dasd\\s.shd\"",
              std::string(ComposeVolListItem("C:\\dasd\\a.ckd", "C:\\my dasd\\s.shd")));
}

TEST(VolContentsRules, VolExtractCommandLines)
{
    EXPECT_EQ("VOLEXTRACT -ascii C:\\dasd\\mvs.cckd sf=C:\\dasd\\mvs_1.shd SYS1.PARMLIB.DATA",
              std::string(VolExtractCommandLine(true, false, "C:\\dasd\\mvs.cckd", "C:\\dasd\\mvs_1.shd",
                                                "SYS1.PARMLIB.DATA")));
    EXPECT_EQ("VOLEXTRACT -record C:\\dasd\\mvs.cckd SYS1.LOG",
              std::string(VolExtractCommandLine(false, true, "C:\\dasd\\mvs.cckd", "", "SYS1.LOG")));
    EXPECT_EQ("VOLEXTRACT \"C:\\my dasd\\mvs.cckd\" \"sf=C:\\my dasd\\s.shd\" A.B",
              std::string(VolExtractCommandLine(false, false, "C:\\my dasd\\mvs.cckd", "C:\\my dasd\\s.shd", "A.B")));
    EXPECT_EQ("VOLEXTRACT C:\\a.ckd", std::string(VolExtractCommandLine(false, false, "C:\\a.ckd", "", "")));
}

struct SFolderCase {
    const char* pszFolder;
    const char* pszResult;
};

const SFolderCase kFolderCases[] = {
    {"C:\\out\\", "C:\\out"}, {"C:\\out", "C:\\out"}, {"C:/out/", "C:/out"}, {"C:\\", "C:\\"},
    {"C:/", "C:/"},           {"\\", "\\"},           {"/", "/"},           {"", ""},
    {"C:", "C:"},             {"\\\\srv\\share\\", "\\\\srv\\share"},
};

TEST(VolContentsRules, FolderLosesOneTrailingSeparatorButARootKeepsIt)
{
    for (const SFolderCase& c : kFolderCases)
        EXPECT_EQ(c.pszResult, std::string(FolderWithoutTrailingSeparator(c.pszFolder))) << c.pszFolder;
}

TEST(VolContentsRules, VolUnloadCommandLines)
{
    EXPECT_EQ("VOLUNLOAD C:\\dasd\\mvs.cckd SYS1.MACLIB ascii C:\\out",
              std::string(VolUnloadCommandLine("C:\\dasd\\mvs.cckd", "", "SYS1.MACLIB", true, "C:\\out\\")));
    EXPECT_EQ("VOLUNLOAD C:\\dasd\\mvs.cckd sf=C:\\dasd\\mvs_1.shd SYS1.MACLIB C:\\",
              std::string(VolUnloadCommandLine("C:\\dasd\\mvs.cckd", "C:\\dasd\\mvs_1.shd", "SYS1.MACLIB", false,
                                               "C:\\")));
    EXPECT_EQ("VOLUNLOAD C:\\dasd\\mvs.cckd SYS1.MACLIB",
              std::string(VolUnloadCommandLine("C:\\dasd\\mvs.cckd", "", "SYS1.MACLIB", false, "")));
    EXPECT_EQ("VOLUNLOAD \"C:\\my dasd\\mvs.cckd\" \"MY PDS\" ascii \"C:\\my out\"",
              std::string(VolUnloadCommandLine("C:\\my dasd\\mvs.cckd", "", "MY PDS", true, "C:\\my out\\")));
}

// The utility runner splits the dialog's line at blanks outside words that
// begin with a quote and re-quotes each word: a shadow path with a blank
// must still reach the program as the one argument "sf=<path>".
TEST(VolContentsRules, AShadowPathWithABlankReachesTheProgramAsOneArgument)
{
    EXPECT_EQ("", std::string(ShadowArgument("")));
    EXPECT_EQ(" sf=C:\\d\\a.shd", std::string(ShadowArgument("C:\\d\\a.shd")));
    const char* const lines[] = {
        "VOLLIST",
        "VOLSHOW -i C:\\d\\a.ckd",
    };
    for (const char* pszStart : lines) {
        CString strLine = CString(pszStart) + VolListItemArguments("\"C:\\my dasd\\a.ckd\" sf=\"C:\\my dasd\\a 1.shd\"");
        CStringArray argv;
        ASSERT_TRUE(StdMSWinCommandLineParse(BuildUtilityCommandLine(strLine, "C:\\exe\\"), argv)) << pszStart;
        ASSERT_LE(3, argv.GetSize());
        EXPECT_EQ("C:\\my dasd\\a.ckd", std::string(argv[argv.GetSize() - 3]));
        EXPECT_EQ("sf=C:\\my dasd\\a 1.shd", std::string(argv[argv.GetSize() - 2]));
        EXPECT_EQ("EXTERNALGUI", std::string(argv[argv.GetSize() - 1]));
    }
    CString strUnload = VolUnloadCommandLine("C:\\my dasd\\a.ckd", "C:\\my dasd\\a 1.shd", "SYS1.MACLIB", true,
                                             "C:\\my out\\");
    CStringArray argv;
    ASSERT_TRUE(StdMSWinCommandLineParse(BuildUtilityCommandLine(strUnload, ""), argv));
    ASSERT_EQ(7, argv.GetSize());
    EXPECT_EQ("sf=C:\\my dasd\\a 1.shd", std::string(argv[2]));
    EXPECT_EQ("C:\\my out", std::string(argv[5]));
}

}  // namespace
