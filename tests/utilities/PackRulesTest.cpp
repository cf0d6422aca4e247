// PackRulesTest.cpp: the option words of PackCheck, PackProbe and
// PackLayout, the run title of the file-list dialogs, PackSqueeze's slider
// that never rests on level 2, PackProbe's numbers, and the VolIdent serial
// number with the decision to send it.
#include <gtest/gtest.h>

#include <string>

#include "utilities/PackRules.h"

namespace {

struct SCheckWordsCase {
    int nLevel;
    bool bReadOnly, bForce;
    const char* pszWords;
};

const SCheckWordsCase kCheckWords[] = {
    {0, false, false, "-0"},      {2, true, false, "-2 -ro"}, {3, false, true, "-3 -f"},
    {4, true, true, "-4 -ro -f"}, {1, false, false, "-1"},
};

TEST(PackRules, PackCheckWordsAreTheLevelThenReadOnlyThenForce)
{
    for (const SCheckWordsCase& c : kCheckWords)
        EXPECT_EQ(c.pszWords, std::string(PackCheckOptionWords(c.nLevel, c.bReadOnly, c.bForce))) << c.nLevel;
}

TEST(PackRules, FileListTitleNamesTheFirstFileAndMarksMore)
{
    EXPECT_EQ("PACKCHECK -2 -ro a.cckd ...", std::string(FileListRunTitle("PACKCHECK", "-2 -ro", "a.cckd", 3)));
    EXPECT_EQ("PACKCHECK -0 a.cckd", std::string(FileListRunTitle("PACKCHECK", "-0", "a.cckd", 1)));
    EXPECT_EQ("PACKSQUEEZE b c.cckd", std::string(FileListRunTitle("PACKSQUEEZE", "", "b c.cckd", 1)));
    EXPECT_EQ("PACKSQUEEZE64 b.cckd64 ...", std::string(FileListRunTitle("PACKSQUEEZE64", nullptr, "b.cckd64", 2)));
}

struct SSliderCase {
    int nPos, nCode, nLastLevel, nExpected;
};

const SSliderCase kSlider[] = {
    // Level 2 is never kept: right steps go on to 3, left steps and jumps back to 1.
    {2, kTrackLineDown, 1, 3},       {2, kTrackPageDown, 1, 3},      {2, kTrackLineDown, 3, 3},
    {2, kTrackLineUp, 3, 1},         {2, kTrackPageUp, 3, 1},        {2, kTrackLineUp, 1, 1},
    {2, kTrackTop, 0, 1},            {2, kTrackBottom, 0, 1},        {2, kTrackEndTrack, 1, 1},
    // A drag onto 2 passes on in the direction it came from.
    {2, kTrackThumbTrack, 0, 3},     {2, kTrackThumbTrack, 1, 3},    {2, kTrackThumbTrack, 3, 1},
    {2, kTrackThumbPosition, 1, 3},  {2, kTrackThumbPosition, 3, 1}, {2, kTrackThumbPosition, 2, 3},
    // Other positions stay where they are.
    {0, kTrackLineUp, 1, 0},         {1, kTrackThumbTrack, 3, 1},    {3, kTrackLineDown, 1, 3},
    {3, kTrackEndTrack, 3, 3},
};

TEST(PackRules, SqueezeSliderNeverRestsOnLevelTwo)
{
    for (const SSliderCase& c : kSlider)
        EXPECT_EQ(c.nExpected, SqueezeSliderPosition(c.nPos, c.nCode, c.nLastLevel))
            << c.nPos << " code " << c.nCode << " last " << c.nLastLevel;
}

struct SNumberCase {
    const char* pszText;
    const char* pszRefusal;  // null: accepted
};

const SNumberCase kNumbers[] = {
    {"0x1A", nullptr},
    {"0X1f", nullptr},
    {"0xZZ", "Invalid hexadecimal value."},
    {"0x", "Invalid hexadecimal value."},
    {"0x 1", "Invalid hexadecimal value."},
    {"12a", "Invalid numeric value."},
    {"", "Invalid numeric value."},
    {"10", nullptr},
    {"0", nullptr},
    {"-1", "Invalid numeric value."},
    {" 12", "Invalid numeric value."},
    {"1A", "Invalid numeric value."},
};

TEST(PackRules, ProbeNumbersAreDecimalOrHexadecimalAfter0x)
{
    for (const SNumberCase& c : kNumbers) {
        const char* pszGot = ProbeNumberRefusal(c.pszText);
        EXPECT_EQ(std::string(c.pszRefusal ? c.pszRefusal : "(accepted)"),
                  std::string(pszGot ? pszGot : "(accepted)"))
            << "\"" << c.pszText << "\"";
    }
}

TEST(PackRules, ProbeWordsFollowTheirFixedOrder)
{
    SProbeOptions l2;
    l2.bL2Tab = l2.bCCHH = true;
    l2.strCylinder = "0x1A";
    l2.strHead = "3";
    EXPECT_EQ("-2 -a 0x1A 3", std::string(PackProbeOptionWords(l2)));

    SProbeOptions hdrs;
    hdrs.bDevHdr = hdrs.bCDevHdr = hdrs.bCCHH = true;
    hdrs.strCylinder = "10";
    hdrs.strHead = "0";
    EXPECT_EQ("-d -c -a 10 0", std::string(PackProbeOptionWords(hdrs)));

    SProbeOptions all;
    all.bDevHdr = all.bCDevHdr = all.bL1Tab = all.bL2Tab = all.bTrackSummary = all.bHexDump = true;
    all.bCCHH = all.bTT = all.bRawOffset = all.bDebug = true;
    all.strCylinder = "1";
    all.strHead = "2";
    all.strTrack = "3";
    all.strOffset = "0x400";
    all.strLength = "512";
    EXPECT_EQ("-d -c -1 -2 -t -x -a 1 2 -r 3 -o 0x400 512 -g", std::string(PackProbeOptionWords(all)));

    SProbeOptions none;
    EXPECT_EQ("", std::string(PackProbeOptionWords(none)));
}

TEST(PackRules, ProbeNeedsAnOptionBesideDebugAndL2TabNeedsATrack)
{
    SProbeOptions o;
    EXPECT_FALSE(ProbeHasOption(o));
    o.bDebug = true;
    EXPECT_FALSE(ProbeHasOption(o));
    o.bL2Tab = true;
    EXPECT_FALSE(ProbeL2TabCounts(o));
    EXPECT_FALSE(ProbeHasOption(o));
    o.bTT = true;
    EXPECT_TRUE(ProbeL2TabCounts(o));
    EXPECT_TRUE(ProbeHasOption(o));
    SProbeOptions raw;
    raw.bRawOffset = true;
    EXPECT_TRUE(ProbeHasOption(raw));
    EXPECT_FALSE(ProbeL2TabCounts(raw));
}

struct SLayoutCase {
    bool bSummary, bTrack, bVerbose;
    bool bAccepted;
    const char* pszWords;
};

const SLayoutCase kLayout[] = {
    {true, false, false, true, "-i "},     {false, true, false, true, "-t "},
    {false, false, true, true, "-v "},     {false, true, true, true, "-t -v "},
    {false, false, false, true, ""},       {true, true, false, false, ""},
    {true, false, true, false, ""},        {true, true, true, false, ""},
};

TEST(PackRules, PackLayoutSummaryStandsAlone)
{
    for (const SLayoutCase& c : kLayout) {
        CString strWords = "stale";
        EXPECT_EQ(c.bAccepted, PackLayoutOptionWords(c.bSummary, c.bTrack, c.bVerbose, strWords))
            << c.bSummary << c.bTrack << c.bVerbose;
        EXPECT_EQ(c.pszWords, std::string(strWords)) << c.bSummary << c.bTrack << c.bVerbose;
    }
}

TEST(PackRules, VolumeSerialIsEmptyOrTwelveDigits)
{
    for (const char* psz : {"", "000000012345", "999999999999"})
        EXPECT_TRUE(IsValidVolumeSerial(psz)) << psz;
    for (const char* psz : {"00000001234", "0000000123456", "00000 012345", "00000001234a", "-00000012345"})
        EXPECT_FALSE(IsValidVolumeSerial(psz)) << psz;
}

struct SSendCase {
    bool bReadOnly;
    const char* pszSerial;
    const char* pszImageSerial;
    bool bSent;
};

const SSendCase kSend[] = {
    {false, "000000012345", "000000012345", false},  // unchanged: display only
    {false, "000000012345", "000000099999", true},   // changed
    {false, "000000012345", "", true},               // the image had none
    {false, "", "000000099999", false},              // nothing typed
    {true, "000000012345", "000000099999", false},   // read-only image
    {true, "000000012345", "", false},
};

TEST(PackRules, VolumeSerialIsSentOnlyWhenChangedOnAWritableImage)
{
    for (const SSendCase& c : kSend)
        EXPECT_EQ(c.bSent, VolumeSerialIsSent(c.bReadOnly, c.pszSerial, c.pszImageSerial))
            << c.bReadOnly << " " << c.pszSerial << " " << c.pszImageSerial;
}

}  // namespace
