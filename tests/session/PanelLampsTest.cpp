// PanelLampsTest.cpp: the lamps after status reports as the emulator sends
// them (the manual letter, the load and wait letters, a run indicator only
// while a processor runs or waits), and power-on and the emulator's end.
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

}  // namespace

TEST(PanelLamps, ReportsAsTheEmulatorSendsThem)
{
    struct Step {
        const char* pszLetters;
        int nRun;   // the run indicator after the report: 1, 0, or -1 none
        const char* pszShown;
    };
    const Step steps[] = {
        {"........", 1, "S...P"},
        // STOP of a running processor: no run indicator comes.
        {"M.......", -1, ".M..P"},
        {"........", 1, "S...P"},
        {"..W.....", 0, "..W.P"},
        {"M.......", -1, ".M..P"},
        // A failed IPL: one report, then nothing while nothing changes.
        {"M.WL....", -1, ".MWLP"},
        {"........", 1, "S...P"},
        // A load that begins while the processor runs, then waits enabled.
        {"...L....", 1, "S..LP"},
        {"..WL....", 0, "..WLP"},
        {"..W.....", 0, "..W.P"},
        {"........", 1, "S...P"},
    };
    SPanelLamps lamps;
    EXPECT_EQ(".....", Shown(lamps));
    lamps.PowerOn();
    EXPECT_EQ("....P", Shown(lamps));
    for (const Step& s : steps) {
        lamps.Manual(s.pszLetters[0] == 'M');
        lamps.Load(s.pszLetters[3] == 'L', s.pszLetters[2] == 'W');
        if (s.nRun >= 0)
            lamps.Run(s.nRun != 0);
        EXPECT_EQ(s.pszShown, Shown(lamps)) << s.pszLetters;
    }
    lamps.Ended();
    EXPECT_EQ(".....", Shown(lamps));
    EXPECT_FALSE(lamps.IsManual());
}

// The run indicator comes when the run state changes, between reports too:
// System follows it, except while the processor is stopped.
TEST(PanelLamps, RunIndicatorBetweenReports)
{
    SPanelLamps lamps;
    lamps.Run(true);
    EXPECT_EQ("S...", Shown(lamps).substr(0, 4));
    lamps.Run(false);
    EXPECT_EQ("....", Shown(lamps).substr(0, 4));
    lamps.Manual(true);
    lamps.Run(true);
    EXPECT_EQ(".M..", Shown(lamps).substr(0, 4));
    lamps.Manual(false);  // started again: the run state shows
    EXPECT_EQ("S...", Shown(lamps).substr(0, 4));
    // After the emulator's end a new session starts from nothing reported.
    lamps.Ended();
    lamps.Run(true);
    EXPECT_EQ("S...", Shown(lamps).substr(0, 4));
}
