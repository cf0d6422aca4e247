// DasdParmsRulesTest.cpp: the Dasd Parameters page's ranges in their check
// order, with "%u" or "%d" bounds, and the "Use default values:" switch,
// at the default "Limits" values.
#include <gtest/gtest.h>

#include <climits>

#include "resources/SysConfigRes.h"
#include "sysconfig/DasdParmsRules.h"

namespace {

std::string Check(void (*edit)(CCKDParms&))
{
    CCKDParms cckd;
    edit(cckd);
    SysCfgFieldFailure f;
    if (CheckDasdParms(cckd, f))
        return "ok";
    return std::to_string(f.nCtrlId) + (f.bEdit ? " " : " (control) ") + f.strTitle.GetString() + ": " +
           f.strText.GetString();
}

}  // namespace

TEST(DasdParmsRules, RangesInOrder)
{
    const struct {
        void (*edit)(CCKDParms&);
        std::string expected;
    } rows[] = {
        {[](CCKDParms&) {}, "ok"},
        {[](CCKDParms& c) { c.m_nRA = 0; }, "1344 Read-ahead Threads: Please enter a value between 1 and 9"},
        {[](CCKDParms& c) { c.m_nRA = 10; }, "1344 Read-ahead Threads: Please enter a value between 1 and 9"},
        {[](CCKDParms& c) { c.m_nRA = -1; }, "1344 Read-ahead Threads: Please enter a value between 1 and 9"},
        {[](CCKDParms& c) { c.m_nRAQ = 0; }, "ok"},
        {[](CCKDParms& c) { c.m_nRAQ = 17; }, "1345 Read-ahead Queue: Please enter a value between 0 and 16"},
        {[](CCKDParms& c) { c.m_nRAQ = -1; }, "1345 Read-ahead Queue: Please enter a value between 0 and 16"},
        {[](CCKDParms& c) { c.m_nRAT = 17; }, "1346 Read-ahead Tracks: Please enter a value between 0 and 16"},
        {[](CCKDParms& c) { c.m_nWR = 0; }, "1347 Writer Threads: Please enter a value between 1 and 9"},
        {[](CCKDParms& c) { c.m_nGCINT = 61; }, "1348 Garbage Collection: Please enter a value between 1 and 60"},
        {[](CCKDParms& c) { c.m_nGCPARM = -9; },
         "1360 (control) Aggressiveness: Please enter a value between -8 and 8"},
        {[](CCKDParms& c) { c.m_nFREEPEND = -1; }, "ok"},
        {[](CCKDParms& c) { c.m_nFREEPEND = -2; }, "1349 Freespace Pending: Please enter a value between -1 and 4"},
        {[](CCKDParms& c) { c.m_nFREEPEND = INT_MIN; },
         "1349 Freespace Pending: Please enter a value between -1 and 4"},
        {[](CCKDParms& c) { c.m_nFREEPEND = 5; }, "1349 Freespace Pending: Please enter a value between -1 and 4"},
        {[](CCKDParms& c) { c.m_nTRACE = 200000; }, "ok"},
        {[](CCKDParms& c) { c.m_nTRACE = 200001; },
         "1350 Trace Table Size: Please enter a value between 0 and 200000"},
        // Aggressiveness and freepend come before the trace table, after
        // the interval.
        {[](CCKDParms& c) { c.m_nTRACE = -1; c.m_nFREEPEND = 9; },
         "1349 Freespace Pending: Please enter a value between -1 and 4"},
        {[](CCKDParms& c) { c.m_nGCINT = 0; c.m_nGCPARM = 9; },
         "1348 Garbage Collection: Please enter a value between 1 and 60"},
    };
    for (size_t i = 0; i < sizeof rows / sizeof rows[0]; ++i)
        EXPECT_EQ(Check(rows[i].edit), rows[i].expected) << "row " << i;
}

TEST(DasdParmsRules, DefaultsSwitchKeepsTheUsersValues)
{
    CCKDParms cckd;
    EXPECT_FALSE(IsCckdPresent(cckd));
    cckd.m_nRA = 4;
    cckd.m_nCOMP = 1;
    cckd.m_bFSYNC = true;
    EXPECT_TRUE(IsCckdPresent(cckd));
    const CCKDParms mine = cckd;
    CckdDefaultsSwitch sw;
    sw.Keep(cckd);
    sw.SwitchOn(cckd);
    EXPECT_EQ(cckd, CCKDParms());
    EXPECT_FALSE(IsCckdPresent(cckd));
    sw.SwitchOff(cckd);
    EXPECT_EQ(cckd, mine);
    // Switched on again, the values kept are the ones the user had then.
    cckd.m_nRA = 5;
    sw.SwitchOn(cckd);
    EXPECT_EQ(sw.Saved().m_nRA, 5);
    sw.SwitchOff(cckd);
    EXPECT_EQ(cckd.m_nRA, 5);
    EXPECT_TRUE(cckd.m_bFSYNC);
}
