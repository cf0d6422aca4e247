// PanelLampsTest.cpp: the lamps after load, run, wait and manual reports in
// turn, and at power-on and the emulator's end.
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

TEST(PanelLamps, ReportsInTurn)
{
    enum Kind { kLoad, kRun, kManual, kPower, kEnded };
    struct Step {
        Kind eKind;
        bool bOn;
        const char* pszShown;
    };
    const Step steps[] = {
        {kPower, true, "....P"},  {kLoad, true, "S..LP"},   {kRun, true, "S..LP"},   {kLoad, false, "S...P"},
        {kRun, false, "..W.P"},   {kRun, true, "S...P"},    {kManual, true, ".M..P"}, {kLoad, true, "...LP"},
        {kManual, true, ".M..P"}, {kManual, false, "....P"}, {kRun, false, "..W.P"},  {kManual, true, ".M..P"},
        {kRun, true, "S...P"},    {kEnded, false, "....."},
    };
    SPanelLamps lamps;
    EXPECT_EQ(".....", Shown(lamps));
    int n = 0;
    for (const Step& s : steps) {
        switch (s.eKind) {
        case kLoad: lamps.Load(s.bOn); break;
        case kRun: lamps.Run(s.bOn); break;
        case kManual: lamps.Manual(s.bOn); break;
        case kPower: lamps.PowerOn(); break;
        case kEnded: lamps.Ended(); break;
        }
        EXPECT_EQ(s.pszShown, Shown(lamps)) << "step " << n;
        ++n;
    }
}

TEST(PanelLamps, LoadWhileManualLeavesSysOff)
{
    SPanelLamps lamps;
    lamps.Manual(true);
    lamps.Load(true);
    EXPECT_FALSE(lamps.bLit[kLampSys]);
    EXPECT_FALSE(lamps.bLit[kLampMan]);
    EXPECT_TRUE(lamps.bLit[kLampLoad]);
}
