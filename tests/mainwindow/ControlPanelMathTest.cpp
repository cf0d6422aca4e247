// ControlPanelMathTest.cpp: the Load Unit dials, the meter needle and the
// About box's and the bug report's mail links.
#include <gtest/gtest.h>

#include "config/ProductIdentity.h"
#include "mainwindow/ControlPanelMath.h"

TEST(ControlPanelMath, LoadUnitTexts)
{
    struct Case {
        const char* pszIn;
        bool bValid;
        const char* pszShown;
    };
    const Case cases[] = {
        {"00a3", true, "00A3"}, {"0A80", true, "0A80"}, {"FFFF", true, "FFFF"}, {"0000", true, "0000"},
        {"", false, "0000"},    {"123", false, "0000"}, {"12345", false, "0000"}, {"00G3", false, "0000"},
        {" 123", false, "0000"}, {"-123", false, "0000"}, {nullptr, false, "0000"},
    };
    for (const Case& c : cases) {
        SLoadUnitDials dials;
        dials.nDigit[0] = 7;
        EXPECT_EQ(c.bValid, DialsFromLoadUnit(c.pszIn, dials)) << (c.pszIn ? c.pszIn : "(null)");
        EXPECT_EQ(c.pszShown, LoadUnitText(dials)) << (c.pszIn ? c.pszIn : "(null)");
    }
    SLoadUnitDials dials;
    DialsFromLoadUnit("00a3", dials);
    EXPECT_EQ(0, dials.nDigit[0]);
    EXPECT_EQ(0, dials.nDigit[1]);
    EXPECT_EQ(10, dials.nDigit[2]);
    EXPECT_EQ(3, dials.nDigit[3]);
}

TEST(ControlPanelMath, DialTurns)
{
    struct Case {
        int nDigit, x;
        int nExpected;
    };
    // A dial from 10 to 69: its middle is 39.
    const Case cases[] = {
        {5, 40, 6}, {5, 69, 6}, {15, 40, 0}, {5, 39, 4}, {5, 10, 4}, {0, 39, 15}, {0, 11, 15}, {14, 68, 15},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nExpected, TurnDialDigit(c.nDigit, c.x, 10, 69)) << c.nDigit << " at " << c.x;
    // 00FF with its last dial turned up gives 00F0.
    SLoadUnitDials dials;
    DialsFromLoadUnit("00FF", dials);
    dials.nDigit[3] = TurnDialDigit(dials.nDigit[3], 60, 0, 59);
    EXPECT_EQ("00F0", LoadUnitText(dials));
}

TEST(ControlPanelMath, Needle)
{
    CMeterNeedle needle;
    EXPECT_DOUBLE_EQ(124.0, NeedleAngle(needle.Next(0.0)));
    // 1.0 after rest moves a third of the way: 124 - 65 / 3.
    EXPECT_NEAR(102.33, NeedleAngle(needle.Next(1.0)), 0.005);
    EXPECT_NEAR(5.0 / 9.0, needle.Next(1.0), 1e-12);
    // Exactly 0.0 returns to rest at once.
    EXPECT_DOUBLE_EQ(0.0, needle.Next(0.0));
    EXPECT_DOUBLE_EQ(59.0, NeedleAngle(1.0));
    int x = 0, y = 0;
    NeedleCentre(10, 0, 134, 42, x, y);
    EXPECT_EQ(72, x);
    EXPECT_EQ(105, y);
    NeedleCentre(0, 10, 124, 52, x, y);
    EXPECT_EQ(62, x);
    EXPECT_EQ(115, y);
}

TEST(ControlPanelMath, MailLinks)
{
    EXPECT_EQ("mailto:help@vornamic.example?subject=Vornamic Windows GUI -- Version 1.21.0.6211",
              BuildSupportMailLink("help@vornamic.example", "Vornamic Windows GUI", "1.21.0.6211"));
    EXPECT_EQ("mailto:help@vornamic.example?subject=BUG REPORT: Vornamic Windows GUI -- Version 1.21.0.6211",
              BuildBugReportMailLink("help@vornamic.example", g_strProductName, g_strProductVersion));
    EXPECT_EQ("mailto:users@vornamic.example?subject=Vornamic support question",
              BuildEmulatorMailLink("users@vornamic.example"));
}
