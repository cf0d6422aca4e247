// PanelLampsTest.cpp: the lamps after status reports (manual letter, run
// indicator, load and wait letters) in turn, the load rule that holds for
// one report, and power-on and the emulator's end.
#include <gtest/gtest.h>

#include <string>

#include "session/PanelLamps.h"

namespace {

// "SMWLP" with a letter for each lit lamp, '.' for an unlit one.
std::string Shown(const SPanelLamps& lamps)
{
    const char letters[] = "SMWLP";
    std::string s;
    for (int i = 0; i < kLampCount; ++i)
        s += lamps.bLit[i] ? letters[i] : '.';
    return s;
}

// One status report as the view receives it: the manual letter first, the
// run indicator, then the load and wait letters.
void Report(SPanelLamps& lamps, const char* pszLetters, bool bRunning)
{
    lamps.Manual(pszLetters[0] == 'M');
    lamps.Run(bRunning);
    lamps.Load(pszLetters[3] == 'L', pszLetters[2] == 'W');
}

}  // namespace

TEST(PanelLamps, ReportsInTurn)
{
    struct Step {
        const char* pszLetters;
        bool bRunning;
        const char* pszShown;
    };
    const Step steps[] = {
        {"........", true, "S...P"},
        {"..W.....", false, "..W.P"},
        {"M.......", false, ".M..P"},
        // A load begins: Load and Sys (Man was lit: not Sys) for one report.
        {"M..L....", false, "...LP"},
        // A failed IPL: the processor stopped in a wait with Load on.
        {"M.WL....", false, ".MWLP"},
        {"M.WL....", false, ".MWLP"},
        {"........", true, "S...P"},
        // A restart into an enabled wait: the load rule, then the letters.
        {"..WL....", false, "S..LP"},
        {"..WL....", false, "..WLP"},
        {"..WL....", false, "..WLP"},
        {"..W.....", false, "..W.P"},
        {"........", true, "S...P"},
    };
    SPanelLamps lamps;
    EXPECT_EQ(".....", Shown(lamps));
    lamps.PowerOn();
    EXPECT_EQ("....P", Shown(lamps));
    int n = 0;
    for (const Step& s : steps) {
        Report(lamps, s.pszLetters, s.bRunning);
        EXPECT_EQ(s.pszShown, Shown(lamps)) << "step " << n << " " << s.pszLetters;
        ++n;
    }
    lamps.Ended();
    EXPECT_EQ(".....", Shown(lamps));
    EXPECT_FALSE(lamps.IsManual());
}

// The run indicator comes when the run state changes, between reports too:
// System follows it, except while the load rule holds.
TEST(PanelLamps, RunIndicatorBetweenReports)
{
    SPanelLamps lamps;
    Report(lamps, "........", true);
    lamps.Run(false);
    EXPECT_EQ("....", Shown(lamps).substr(0, 4));
    Report(lamps, "..WL....", false);
    EXPECT_EQ("S..L", Shown(lamps).substr(0, 4));
    lamps.Run(true);
    EXPECT_EQ("S..L", Shown(lamps).substr(0, 4));
    lamps.Run(false);
    EXPECT_EQ("S..L", Shown(lamps).substr(0, 4));
    lamps.Manual(false);  // the next report begins
    EXPECT_EQ("..WL", Shown(lamps).substr(0, 4));
    // After the emulator's end a new session starts from nothing reported.
    lamps.Ended();
    lamps.Run(true);
    EXPECT_EQ("S...", Shown(lamps).substr(0, 4));
}
