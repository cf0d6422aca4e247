// ChannelSettingsTest.cpp: the line printers' channel settings texts: the
// check with each of its codes and texts, the predefined names by form, and
// the two editors' texts both ways.
#include <gtest/gtest.h>

#include <string>

#include "devices/ChannelSettings.h"

namespace {

const char kLegacyOld[] = "66010713192531374363495561";

struct CheckCase {
    const char* pszText;
    bool bCCTape;
    int nCode;
    const char* pszMessage;
};

}  // namespace

TEST(ChannelSettings, CheckGivesEachCodeAndText)
{
    const CheckCase cases[] = {
        {"legacy", false, 0, ""},
        {"LEGACY", true, 0, ""},
        {"fcb2std2", true, 0, ""},
        {"Fcb2id1", false, 0, ""},
        {"hardware", false, 0, ""},
        {"hardware", true, 28, "Unknown predefined channel settings name"},
        {"modern", false, 28, "Unknown predefined channel settings name"},
        {kLegacyOld, false, 0, ""},
        {"6601071319253137436349556", false, 26, "Old style must be exactly 26 digits long"},
        {"660107131925313743634955610", false, 26, "Old style must be exactly 26 digits long"},
        {"00010713192531374363495561", false, 27, "Page length must be greater than zero lines"},
        {"66010713192531374370495561", false, 9, "Channel-9 line number 70 exceeds page length 66"},
        {"66670713192531374363495561", false, 1, "Channel-1 line number 67 exceeds page length 66"},
        {"66010713192531374363495599", false, 12, "Channel-12 line number 99 exceeds page length 66"},
        {"01:01,02:07", false, 0, ""},
        {"01:01", false, 0, ""},
        {"12:99,01:00", false, 0, ""},
        {"13:01", false, 29, "Syntax error"},
        {"00:01", false, 29, "Syntax error"},
        {"01-01", false, 29, "Syntax error"},
        {"01:01,", false, 29, "Syntax error"},
        {"01:01;02:07", false, 29, "Syntax error"},
        {"01:1", false, 29, "Syntax error"},
        {"01:100", false, 29, "Syntax error"},
        {"(1=1,7=2)", true, 0, ""},
        {"(255=12)", true, 0, ""},
        {"(256=1)", true, 29, "Syntax error"},
        {"(1=13)", true, 29, "Syntax error"},
        {"(1=0)", true, 29, "Syntax error"},
        {"()", true, 29, "Syntax error"},
        {"(1=1,)", true, 29, "Syntax error"},
        {"(1=1=2)", true, 29, "Syntax error"},
        {"1=1", true, 29, "Syntax error"},
        {"(x=1)", true, 29, "Syntax error"},
        {"(1=1", true, 29, "Syntax error"},
    };
    for (const CheckCase& c : cases) {
        CString str = c.pszText;
        int nCode = CheckChannelSettings(str, c.bCCTape);
        EXPECT_EQ(c.nCode, nCode) << c.pszText;
        EXPECT_EQ(c.pszMessage, std::string(ChannelSettingsMessage(nCode, str))) << c.pszText;
        EXPECT_STREQ(c.pszText, str) << "a text that is not empty stays as it is";
    }
}

TEST(ChannelSettings, AnEmptyFieldBecomesTheLegacyDefaultOfItsForm)
{
    CString strFCB, strTape;
    EXPECT_EQ(0, CheckChannelSettings(strFCB, false));
    EXPECT_EQ(0, CheckChannelSettings(strTape, true));
    EXPECT_STREQ("01:01,02:07,03:13,04:19,05:25,06:31,07:37,08:43,09:63,10:49,11:55,12:61", strFCB);
    EXPECT_STREQ("(1=1,7=2,13=3,19=4,25=5,31=6,37=7,43=8,63=9,49=10,55=11,61=12)", strTape);
}

TEST(ChannelSettings, NamesByForm)
{
    for (const char* psz : {"legacy", "FCB2STD2", "fcb2id1"}) {
        EXPECT_TRUE(IsChannelStyleName(psz, false)) << psz;
        EXPECT_TRUE(IsChannelStyleName(psz, true)) << psz;
    }
    EXPECT_TRUE(IsChannelStyleName("Hardware", false));
    EXPECT_FALSE(IsChannelStyleName("hardware", true));
    EXPECT_FALSE(IsChannelStyleName("legacy2", false));
    EXPECT_FALSE(IsChannelStyleName("", false));
}

TEST(FCBText, NamesOldFormAndListsBothWays)
{
    struct Case {
        const char* pszIn;
        unsigned nLines;
        unsigned nChannel9, nChannel10, nChannel12;
        const char* pszOut;
    } cases[] = {
        {"legacy", 66, 63, 49, 61, "legacy"},
        {"", 66, 63, 49, 61, "legacy"},
        {kLegacyOld, 66, 63, 49, 61, kLegacyOld},
        {"fcb2std2", 66, 49, 55, 63, "fcb2std2"},
        // Its lines reach 78: the page grows with them, so it goes back unchanged.
        {"FCB2ID1", 78, 57, 64, 78, "fcb2id1"},
        {"hardware", 66, 0, 0, 0, "hardware"},
        {"12:20,01:01", 66, 0, 0, 20, "01:01,12:20"},
        {"01:05,01:09", 66, 0, 0, 0, "01:09"},
        {"80010203040506070809101112", 80, 9, 10, 12, "80010203040506070809101112"},
    };
    for (const Case& c : cases) {
        SFCBValues values;
        ParseFCB(c.pszIn, values);
        EXPECT_EQ(c.nLines, values.nLinesPerPage) << c.pszIn;
        EXPECT_EQ(c.nChannel9, values.nChannelLine[8]) << c.pszIn;
        EXPECT_EQ(c.nChannel10, values.nChannelLine[9]) << c.pszIn;
        EXPECT_EQ(c.nChannel12, values.nChannelLine[11]) << c.pszIn;
        EXPECT_STREQ(c.pszOut, FormatFCB(values, c.pszIn)) << c.pszIn;
    }
}

TEST(FCBText, ChannelOneAtLineOneAloneIsHardware)
{
    SFCBValues values;
    ParseFCB("legacy", values);
    for (unsigned& nLine : values.nChannelLine)
        nLine = 0;
    values.nChannelLine[0] = 1;
    EXPECT_STREQ("hardware", FormatFCB(values, "legacy"));
    // The old form stays in its form.
    EXPECT_STREQ("66010000000000000000000000", FormatFCB(values, kLegacyOld));
}

TEST(CCTapeText, NamesAndTapesBothWays)
{
    struct Case {
        const char* pszIn;
        unsigned nLine9, nChannel9, nLine12;
        int nPunches;
        const char* pszOut;
    } cases[] = {
        {"legacy", 63, 9, 61, 12, "legacy"},
        {"", 63, 9, 61, 12, "legacy"},
        {"Fcb2Std2", 49, 9, 63, 12, "fcb2std2"},
        {"fcb2id1", 57, 9, 78, 12, "fcb2id1"},
        {"(1=1,7=2,13=3,19=4,25=5,31=6,37=7,43=8,63=9,49=10,55=11,61=12)", 63, 9, 61, 12, "legacy"},
        {"(1=1,1=2,5=3,6=4,7=5,8=6,9=7,10=8,11=9,12=10,13=11,300=12)", 11, 9, 255, 12,
         "(1=1,1=2,5=3,6=4,7=5,8=6,9=7,10=8,11=9,12=10,13=11,255=12)"},
    };
    for (const Case& c : cases) {
        SCCTapeValues values;
        ParseCCTape(c.pszIn, values);
        EXPECT_EQ(c.nLine9, values.nLine[8]) << c.pszIn;
        EXPECT_EQ(c.nChannel9, values.nChannel[8]) << c.pszIn;
        EXPECT_EQ(c.nLine12, values.nLine[11]) << c.pszIn;
        EXPECT_EQ(c.nPunches, values.nPunches) << c.pszIn;
        EXPECT_STREQ(c.pszOut, FormatCCTape(values)) << c.pszIn;
    }
}

TEST(CCTapeText, ShortAndLongTapes)
{
    SCCTapeValues values;
    ParseCCTape("(1=1,7=5)", values);
    EXPECT_EQ(2, values.nPunches);
    for (int r = 2; r < kChannels; ++r) {
        EXPECT_EQ(0u, values.nLine[r]);
        EXPECT_EQ(5u, values.nChannel[r]);
    }
    EXPECT_STREQ("(1=1,7=5)", FormatCCTape(values));
    ParseCCTape("(1=1,2=2,3=3,4=4,5=5,6=6,7=7,8=8,9=9,10=10,11=11,12=12,13=1,14=2)", values);
    EXPECT_EQ(14, values.nPunches);
    EXPECT_EQ(12u, values.nLine[11]);
}
