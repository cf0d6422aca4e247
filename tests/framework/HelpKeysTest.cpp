// HelpKeysTest.cpp: help-key computation, the standard balloon table and the
// balloon text rules.
#include <gtest/gtest.h>

#include <map>

#include "framework/HelpKeys.h"

TEST(HelpKeys, KeyComputation)
{
    EXPECT_EQ(MakeHelpKey(0x1234, 0x56), 0x12340056u);
    EXPECT_EQ(MakeHelpKey(562, 1), (562u << 16) | 1u);
    // Only the control id's low word counts.
    EXPECT_EQ(MakeHelpKey(7, 0x12345), 0x00072345u);
    EXPECT_EQ(MakeHelpKey(7, (UINT)-1), 0x0007FFFFu);
    EXPECT_EQ(WindowHelpKey(0x0709), 0x07090000u);
    EXPECT_EQ(NonClientHelpKey(2), kTitleBarHelpKey);
    EXPECT_EQ(NonClientHelpKey(21), 0x40015u);
}

TEST(HelpKeys, CanonicalControlIds)
{
    EXPECT_EQ(CanonicalHelpControlId(0xE81B), 0xE81Bu);
    EXPECT_EQ(CanonicalHelpControlId(0xE81C), 0xE81Bu);
    EXPECT_EQ(CanonicalHelpControlId(0xE81E), 0xE81Bu);
    EXPECT_EQ(CanonicalHelpControlId(0xE81F), 0xE81Fu);
    EXPECT_EQ(CanonicalHelpControlId(0xE900), 0xE900u);
    EXPECT_EQ(CanonicalHelpControlId(0xE901), 0xE900u);
    EXPECT_EQ(CanonicalHelpControlId(0xE9FF), 0xE900u);
    EXPECT_EQ(CanonicalHelpControlId(0xEA00), 0xEA00u);
    EXPECT_EQ(CanonicalHelpControlId(1), 1u);
}

TEST(HelpKeys, StandardTable)
{
    size_t n = 0;
    const StandardHelpString* p = StandardHelpStrings(n);
    std::map<DWORD, UINT> keys;
    for (size_t i = 0; i < n; ++i)
        keys[StandardHelpKey(p[i], 562)] = p[i].nStringId;
    EXPECT_EQ(keys.size(), n) << "no key twice";
    EXPECT_EQ(keys[MakeHelpKey(562, 1)], 30110u);
    EXPECT_EQ(keys[MakeHelpKey(562, 9)], 30112u);
    EXPECT_EQ(keys[MakeHelpKey(562, 0x3020)], 30130u);
    EXPECT_EQ(keys[MakeHelpKey(562, 0xEA20)], 30150u);
    EXPECT_EQ(keys[MakeHelpKey(562, 0xE706)], 30146u);
    EXPECT_EQ(keys[MakeHelpKey(562, 30002)], 30190u);
    EXPECT_EQ(keys[MakeHelpKey(562, 30000)], 30191u);
    EXPECT_EQ(keys[MakeHelpKey(562, 30001)], 30192u);
    // Non-client keys do not depend on the dialog.
    EXPECT_EQ(keys[0x40002], 30151u);
    EXPECT_EQ(keys[0x40004], 30152u);
    EXPECT_EQ(keys[0x40015], 30158u);
    EXPECT_EQ(keys[0x40011], 30177u);
    EXPECT_EQ(keys[0x40012], 30178u);
    EXPECT_EQ(n, 41u);
}

TEST(HelpKeys, SplitBalloonText)
{
    struct Case {
        const char* text;
        const char* body;
        const char* title;
    } cases[] = {
        {"Closes the dialog.\n'OK' Button", "Closes the dialog.", "'OK' Button"},
        {"No title here", "No title here", ""},
        {"\nOnly newline first", "Only newline first", ""},
        {"Line one\nline two\nTitle", "Line one\nline two", "Title"},
        {"  padded body  \n  padded title  ", "padded body", "padded title"},
        {"Body\n", "Body", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        CString body, title;
        SplitBalloonText(c.text, body, title);
        EXPECT_EQ(body, c.body) << c.text;
        EXPECT_EQ(title, c.title) << c.text;
    }
}

TEST(HelpKeys, BalloonSpec)
{
    const CString kDefault = "What's This? Help", kUnavail = "Help Unavailable";
    const CString kFmt = "There is no popup balloon help defined for control #%d.";

    BalloonSpec s = BuildBalloonSpec("Body\nTitle", 5, kDefault, kUnavail, kFmt);
    EXPECT_TRUE(s.bShow);
    EXPECT_EQ(s.nIcon, -1);
    EXPECT_EQ(s.nWidth, 200);
    EXPECT_EQ(s.strTitle, "Title");

    s = BuildBalloonSpec("Just a body", 5, kDefault, kUnavail, kFmt);
    EXPECT_EQ(s.strTitle, kDefault);
    EXPECT_EQ(s.strBody, "Just a body");

    s = BuildBalloonSpec("", 1044, kDefault, kUnavail, kFmt);
    EXPECT_TRUE(s.bShow);
    EXPECT_EQ(s.nIcon, 3);
    EXPECT_EQ(s.nWidth, 150);
    EXPECT_EQ(s.strTitle, kUnavail);
    EXPECT_EQ(s.strBody, "There is no popup balloon help defined for control #1044.");

    // A found string whose body trims to nothing shows nothing.
    s = BuildBalloonSpec("   \nTitle", 5, kDefault, kUnavail, kFmt);
    EXPECT_FALSE(s.bShow);

    // Titles are cut to 99 characters; a 100,000-character body is kept.
    CString longTitle('t', 150), longBody('b', 100000);
    s = BuildBalloonSpec(longBody + "\n" + longTitle, 5, kDefault, kUnavail, kFmt);
    EXPECT_EQ(s.strTitle.GetLength(), 99);
    EXPECT_EQ(s.strBody.GetLength(), 100000);
}
