// UtilityRulesTest.cpp: the rules every utility dialog shares: the image
// type tests over every code, the "64" rule, the program word, composing
// and quoting a command line (and what the runner makes of it), the output
// path, the file-list buttons, spin steps beyond 32767, and the table of
// the Utilities menu.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "resources/resource.h"
#include "session/UtilityCommandLine.h"
#include "session/UtilityProgress.h"
#include "utilities/UtilityRules.h"
#include "utilities/UtilityTable.h"

namespace {

struct SImageTypeCase {
    int nCode;
    bool bCkd, bCompressed, b64;
};

// Codes 0 (unknown), 1-3 CKD 370, 4-6 FBA 370, 7-9 CKD 64, 10-12 FBA 64.
const SImageTypeCase kImageTypes[] = {
    {0, false, false, false}, {1, true, false, false},  {2, true, true, false},  {3, true, true, false},
    {4, false, false, false}, {5, false, true, false},  {6, false, true, false}, {7, true, false, true},
    {8, true, true, true},    {9, true, true, true},    {10, false, false, true}, {11, false, true, true},
    {12, false, true, true},  {13, false, false, false}, {255, false, false, false},
};

TEST(UtilityRules, ImageTypeTestsOverEveryCode)
{
    for (const SImageTypeCase& c : kImageTypes) {
        EXPECT_EQ(c.bCkd, IsCkdImageType((BYTE)c.nCode)) << c.nCode;
        EXPECT_EQ(c.bCompressed, IsCompressedImageType((BYTE)c.nCode)) << c.nCode;
        EXPECT_EQ(c.b64, Is64BitImageType((BYTE)c.nCode)) << c.nCode;
    }
}

struct S64Case {
    bool bHas64;
    bool bBox;
    int nImageType;
    bool bWants;
};

const S64Case k64Cases[] = {
    {false, false, 0, false}, {false, true, 0, false},  // the box alone, without the utilities
    {false, false, 8, false}, {false, true, 8, false},  // a 64-bit image, without the utilities
    {true, false, 0, false},  {true, true, 0, true},    // VolMake: the box decides
    {true, false, 8, true},   {true, false, 2, false},  // PackFlip: the image decides
    {true, false, 12, true},  {true, true, 2, true},    // VolClone: either
};

TEST(UtilityRules, The64BitRuleNeedsTheUtilitiesAndTheBoxOrAn64BitImage)
{
    for (const S64Case& c : k64Cases)
        EXPECT_EQ(c.bWants, Wants64BitProgram(c.bHas64, c.bBox, (BYTE)c.nImageType))
            << c.bHas64 << c.bBox << c.nImageType;
}

TEST(UtilityRules, ProgramWordIsTheCaptionInCapitals)
{
    EXPECT_EQ("PACKFLIP", UtilityProgramWord("PACKFLIP", false));
    EXPECT_EQ("PACKFLIP64", UtilityProgramWord("PACKFLIP", true));
    EXPECT_EQ("VOLMAKE64", UtilityProgramWord("volmake", true));
    EXPECT_EQ("", UtilityProgramWord(nullptr, false));
}

struct SCompositionCase {
    const char* pszGroup;
    const char* pszFile;
    const char* pszCommand;   // the dialog's command line
    const char* pszStarted;   // what the runner starts from the folder "C:\vorn\"
};

const SCompositionCase kCompositions[] = {
    {"-v", "C:\\dasd\\big.cckd64", "PACKFLIP -v C:\\dasd\\big.cckd64",
     "C:\\vorn\\PACKFLIP -v C:\\dasd\\big.cckd64 EXTERNALGUI"},
    {"", "C:\\tapes\\my tape.aws", "PACKFLIP  \"C:\\tapes\\my tape.aws\"",
     "C:\\vorn\\PACKFLIP \"C:\\tapes\\my tape.aws\" EXTERNALGUI"},
    {"-a -b", "", "PACKFLIP -a -b ", "C:\\vorn\\PACKFLIP -a -b EXTERNALGUI"},
};

TEST(UtilityRules, CompositionQuotesFileNamesAndEmptyGroupsLeaveTheirBlank)
{
    for (const SCompositionCase& c : kCompositions) {
        CString strCommand = "PACKFLIP";
        AppendCommandGroup(strCommand, c.pszGroup);
        if (*c.pszFile)
            AppendCommandFile(strCommand, c.pszFile);
        else
            AppendCommandGroup(strCommand, "");
        EXPECT_EQ(c.pszCommand, std::string(strCommand)) << c.pszFile;
        EXPECT_EQ(c.pszStarted, std::string(BuildUtilityCommandLine(strCommand, "C:\\vorn\\"))) << c.pszFile;
    }
}

TEST(UtilityRules, AnExecutablesFolderWithABlankIsQuotedAndExternalGuiComesLast)
{
    CString strCommand = "REELSCAN";
    AppendCommandFile(strCommand, "C:\\tapes\\my tape.aws");
    EXPECT_EQ("\"C:\\Program Files\\Vorn\\REELSCAN\" \"C:\\tapes\\my tape.aws\" EXTERNALGUI",
              std::string(BuildUtilityCommandLine(strCommand, "C:\\Program Files\\Vorn\\")));
}

struct SJoinCase {
    const char* pszDir;
    const char* pszFile;
    const char* pszPath;
};

const SJoinCase kJoins[] = {
    {"C:\\dasd", "out.cckd", "C:\\dasd\\out.cckd"},
    {"C:\\dasd\\", "out.cckd", "C:\\dasd\\out.cckd"},
    {"C:/dasd/", "out.cckd", "C:\\dasd\\out.cckd"},
    {"C:\\dasd\\\\", " out.cckd ", "C:\\dasd\\out.cckd"},
    {"C:\\", "out.cckd", "C:\\out.cckd"},
    {"", "out.cckd", "out.cckd"},
    {"  ", "out.cckd", "out.cckd"},
};

TEST(UtilityRules, OutputPathHasExactlyOneSeparator)
{
    for (const SJoinCase& c : kJoins)
        EXPECT_EQ(c.pszPath, std::string(JoinOutputPath(c.pszDir, c.pszFile))) << c.pszDir;
}

// A path typed as the output file name names the folder; a plain name
// leaves both as they are.
TEST(UtilityRules, TypedOutputPathSetsTheFolder)
{
    const struct {
        const char* pszDir;
        const char* pszFile;
        bool bSplit;
        const char* pszDirAfter;
        const char* pszFileAfter;
    } cases[] = {
        {"", "C:\\tapes\\new.aws", true, "C:\\tapes\\", "new.aws"},
        {"D:\\old\\", " C:/tapes//new.aws ", true, "C:\\tapes\\", "new.aws"},
        {"C:\\tapes", "sub\\new.aws", true, "C:\\tapes\\sub\\", "new.aws"},
        {"C:\\tapes\\", "..\\new.aws", true, "C:\\", "new.aws"},
        {"", "\\\\srv\\share\\t.aws", true, "\\\\srv\\share\\", "t.aws"},
        {"", "C:\\tapes\\", true, "C:\\tapes\\", ""},
        {"C:\\tapes\\", " new.aws", false, "C:\\tapes\\", " new.aws"},
        {"", "", false, "", ""},
    };
    for (const auto& c : cases) {
        CString strDir = c.pszDir, strFile = c.pszFile;
        EXPECT_EQ(c.bSplit, SplitTypedOutputPath(strDir, strFile)) << c.pszFile;
        EXPECT_EQ(c.pszDirAfter, std::string(strDir)) << c.pszFile;
        EXPECT_EQ(c.pszFileAfter, std::string(strFile)) << c.pszFile;
    }
}

struct SButtonsCase {
    int nCount, nSel;
    bool bRemove, bUp, bDown;
};

const SButtonsCase kButtons[] = {
    {0, -1, false, false, false}, {3, -1, false, false, false}, {1, 0, true, false, false},
    {3, 0, true, false, true},    {3, 1, true, true, true},     {3, 2, true, true, false},
    {3, 3, false, false, false},
};

TEST(UtilityRules, FileListButtonsFollowTheSelection)
{
    for (const SButtonsCase& c : kButtons) {
        SFileListButtons s = FileListButtonStates(c.nCount, c.nSel);
        EXPECT_EQ(c.bRemove, s.bRemove) << c.nCount << "/" << c.nSel;
        EXPECT_EQ(c.bUp, s.bMoveUp) << c.nCount << "/" << c.nSel;
        EXPECT_EQ(c.bDown, s.bMoveDown) << c.nCount << "/" << c.nSel;
    }
}

TEST(UtilityRules, SelectionAfterRemoveTakesTheNextOrTheNewLast)
{
    EXPECT_EQ(1, SelectionAfterRemove(2, 2));   // the last of three: the new last
    EXPECT_EQ(1, SelectionAfterRemove(2, 1));   // the middle one: the one that took its place
    EXPECT_EQ(0, SelectionAfterRemove(2, 0));
    EXPECT_EQ(-1, SelectionAfterRemove(0, 0));  // the only one: nothing left
}

TEST(UtilityRules, MovesStopAtEitherEnd)
{
    EXPECT_EQ(-1, FileListMoveTarget(3, 0, -1));
    EXPECT_EQ(-1, FileListMoveTarget(3, 2, +1));
    EXPECT_EQ(1, FileListMoveTarget(3, 0, +1));
    EXPECT_EQ(1, FileListMoveTarget(3, 2, -1));
    EXPECT_EQ(-1, FileListMoveTarget(1, 0, +1));
    EXPECT_EQ(-1, FileListMoveTarget(3, -1, +1));
}

TEST(UtilityRules, SpinStepsClampBeyond32767)
{
    EXPECT_EQ(40000, StepSpinValue(39999, 1, 1, 65520));
    EXPECT_EQ(65520, StepSpinValue(65520, 1, 1, 65520));
    EXPECT_EQ(1, StepSpinValue(1, -1, 1, 65520));
    EXPECT_EQ(2147483647, StepSpinValue(2147483647LL, 5, 0, 2147483647));
    EXPECT_EQ(0, StepSpinValue(-2147483648LL, -1, 0, 10));
}

TEST(UtilityTable, TwentySixUtilitiesInMenuOrder)
{
    ASSERT_EQ(26, kUtilityCount);
    EXPECT_STREQ("WIDENVOL", kUtilities[0].pszCaption);
    EXPECT_STREQ("REELFETCH", kUtilities[25].pszCaption);
    std::set<UINT> commands, templates;
    std::string ends;
    int nDisk = 0;
    for (const SUtilityInfo& info : kUtilities) {
        commands.insert(info.nCommandId);
        templates.insert(info.nTemplateId);
        EXPECT_EQ(&info, FindUtilityByCommand(info.nCommandId));
        EXPECT_EQ(&info, FindUtilityByTemplate(info.nTemplateId));
        nDisk += info.eGroup == kUtilityGroupDisk;
        if (IsUtilityMenuGroupEnd(info))
            ends += std::string(info.pszCaption) + " ";
    }
    EXPECT_EQ(26u, commands.size());
    EXPECT_EQ(26u, templates.size());
    EXPECT_EQ(17, nDisk);
    EXPECT_EQ("MAPIMPORT PACKFLIP VMFPLC2 ", ends);
    EXPECT_EQ(nullptr, FindUtilityByCommand(1));
}

struct SRowCase {
    UINT nCommand, nTemplate;
    const char* pszCaption;
    int nKind;
    EUtilityFolder eFolder;
    bool b32;
};

const SRowCase kRows[] = {
    {35166, 811, "WIDENVOL", kUtilWidenVol, kUtilityFolderDisk, false},
    {33026, 509, "VOLMAKE", kUtilVolMake, kUtilityFolderDisk, true},
    {33122, 554, "VOLCLONE", kUtilVolClone, kUtilityFolderConfig, false},
    {33032, 517, "VOLPATCH", 6, kUtilityFolderDisk, false},
    {35172, 818, "VOLIDENT", -1, kUtilityFolderDisk, false},
    {33114, 549, "MAPIMPORT", 12, kUtilityFolderConfig, false},
    {35020, 560, "PACKPROBE", -1, kUtilityFolderDisk, false},
    {35171, 816, "PACKLAYOUT", -1, kUtilityFolderDisk, false},
    {33115, 550, "PACKFLIP", 17, kUtilityFolderDisk, false},
    {33035, 520, "REELSCAN", 19, kUtilityFolderTape, false},
    {35167, 812, "VMFPLC2", 29, kUtilityFolderTape, false},
    {33036, 521, "REELBLANK", 22, kUtilityFolderTape, true},
};

TEST(UtilityTable, RowsCarryTheirIdsKindFolderAndTotal)
{
    for (const SRowCase& c : kRows) {
        const SUtilityInfo* p = FindUtilityByCommand(c.nCommand);
        ASSERT_NE(nullptr, p) << c.pszCaption;
        EXPECT_EQ(c.nTemplate, p->nTemplateId) << c.pszCaption;
        EXPECT_STREQ(c.pszCaption, p->pszCaption);
        EXPECT_EQ(c.nKind, p->nKind) << c.pszCaption;
        EXPECT_EQ(c.eFolder, p->eFolder) << c.pszCaption;
        EXPECT_EQ(c.b32, p->b32BitTotal) << c.pszCaption;
        EXPECT_EQ(std::string(c.pszCaption).compare(0, 4, "REEL") == 0 || c.nKind == 29 ? kUtilityGroupTape
                                                                                        : kUtilityGroupDisk,
                  p->eGroup)
            << c.pszCaption;
    }
}

}  // namespace
