// CCKDParmsTest.cpp: defaults and comparison of the compressed-disk values.
#include <gtest/gtest.h>

#include "config/CCKDParms.h"

TEST(CCKDParms, Defaults)
{
    CCKDParms p;
    EXPECT_EQ(p.m_nRA, 2);
    EXPECT_EQ(p.m_nRAQ, 4);
    EXPECT_EQ(p.m_nRAT, 2);
    EXPECT_EQ(p.m_nWR, 2);
    EXPECT_EQ(p.m_nGCINT, 10);
    EXPECT_EQ(p.m_nTRACE, 0);
    EXPECT_EQ(p.m_nCOMP, -1);
    EXPECT_EQ(p.m_nCOMPPARM, -1);
    EXPECT_EQ(p.m_nGCPARM, 0);
    EXPECT_EQ(p.m_nFREEPEND, -1);
    EXPECT_FALSE(p.m_bNOSTRESS || p.m_bFSYNC || p.m_bLINUXNULL || p.m_bGCSTART || p.m_bNOSFD
                 || p.m_bGCMSGS);
}

TEST(CCKDParms, EveryFieldTakesPartInEquality)
{
    int CCKDParms::*ints[] = {&CCKDParms::m_nRA, &CCKDParms::m_nRAQ, &CCKDParms::m_nRAT,
                              &CCKDParms::m_nWR, &CCKDParms::m_nGCINT, &CCKDParms::m_nTRACE,
                              &CCKDParms::m_nCOMP, &CCKDParms::m_nCOMPPARM,
                              &CCKDParms::m_nGCPARM, &CCKDParms::m_nFREEPEND};
    bool CCKDParms::*flags[] = {&CCKDParms::m_bNOSTRESS, &CCKDParms::m_bFSYNC,
                                &CCKDParms::m_bLINUXNULL, &CCKDParms::m_bGCSTART,
                                &CCKDParms::m_bNOSFD, &CCKDParms::m_bGCMSGS};
    const CCKDParms def;
    for (auto pm : ints) {
        CCKDParms p;
        p.*pm += 1;
        EXPECT_FALSE(p == def);
        CCKDParms copy = p;
        EXPECT_TRUE(copy == p);
    }
    for (auto pm : flags) {
        CCKDParms p;
        p.*pm = true;
        EXPECT_TRUE(p != def);
        p.SetDefaults();
        EXPECT_TRUE(p == def);
    }
}
