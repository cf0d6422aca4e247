// SysStmtCckdTest.cpp: the CCKD statement's items, messages and flags.
#include <gtest/gtest.h>

#include "tests/config/SysStmtTestUtil.h"

TEST(SysStmtCckd, ErrorTexts)
{
    const StmtCase cases[] = {
        {"CCKD RA=3,COMP=1", ""},
        {"CCKD ra=9,raq=16,rat=0,wr=1,gcint=60,gcparm=-8,nostress=1,freepend=-1,fsync=1,trace=200000,"
         "linuxnull=1,gcstart=1,nosfd=1,gcmsgs=1,comp=2,compparm=9", ""},
        {"CCKD", "\nMissing parameters"},
        {"CCKD RA=3 COMP=1", "\nExtraneous parameters"},
        {"CCKD RA", "\n\"RA\": Invalid CCKD parameter format"},
        {"CCKD =3", "\n\"=3\": Invalid CCKD parameter format"},
        {"CCKD RA=3,,WR=2", "\n\"\": Invalid CCKD parameter format"},
        {"CCKD RB=3", "\nInvalid/unsupported CCKD parameter: \"RB\""},
        {"CCKD COMP=3", "\n\"COMP=3\": Invalid numeric 'COMP' value or value out of range"},
        {"CCKD COMPPARM=10", "\n\"COMPPARM=10\": Invalid numeric 'COMPPARM' value or value out of range (-1 - 9"},
        {"CCKD RA=0", "\n\"RA=0\": Invalid numeric 'RA' value or value out of range"},
        {"CCKD RA=x", "\n\"RA=x\": Invalid numeric 'RA' value or value out of range"},
        {"CCKD RAQ=17", "\n\"RAQ=17\": Invalid numeric 'RAQ' value or value out of range"},
        {"CCKD RAT=-1", "\n\"RAT=-1\": Invalid numeric 'RAT' value or value out of range"},
        {"CCKD WR=10", "\n\"WR=10\": Invalid numeric 'WR' value or value out of range"},
        {"CCKD GCINT=0", "\n\"GCINT=0\": Invalid numeric 'GCINT' value or value out of range"},
        {"CCKD GCPARM=9", "\n\"GCPARM=9\": Invalid numeric 'GCPARM' value or value out of range (-8 - 8)"},
        {"CCKD NOSTRESS=2", "\n\"NOSTRESS=2\": Invalid boolean 'NOSTRESS' value (0 or 1)"},
        {"CCKD FREEPEND=5", "\n\"FREEPEND=5\": Invalid numeric 'FREEPEND' value or value out of range"},
        {"CCKD FSYNC=2", "\n\"FSYNC=2\": Invalid numeric 'FSYNC' value or value out of range (0 or 1)"},
        {"CCKD TRACE=200001", "\n\"TRACE=200001\": Invalid numeric 'TRACE' value or value out of range"},
        {"CCKD LINUXNULL=2",
         "\n\"LINUXNULL=2\": Invalid numeric 'LINUXNULL' value or value out of range (0 or 1)"},
        {"CCKD GCSTART=-1", "\n\"GCSTART=-1\": Invalid numeric 'GCSTART' value or value out of range (0 or 1)"},
        {"CCKD NOSFD=y", "\n\"NOSFD=y\": Invalid numeric 'NOSFD' value or value out of range (0 or 1)"},
        {"CCKD GCMSGS=2", "\n\"GCMSGS=2\": Invalid numeric 'GCMSGS' value or value out of range (0 or 1)"},
        {"CCKD RA=0,WR=0",
         "\n\"RA=0\": Invalid numeric 'RA' value or value out of range"
         "\n\"WR=0\": Invalid numeric 'WR' value or value out of range"},
    };
    for (const StmtCase& c : cases) {
        CVornConfigFile cfg;
        EXPECT_EQ(RunStatement(cfg, c.pszLine), c.pszError) << c.pszLine;
    }
}

TEST(SysStmtCckd, FlagsChangeOnlyWithoutErrors)
{
    CVornConfigFile cfg;
    ASSERT_TRUE(cfg.m_bCCKDFlag);
    RunStatement(cfg, "CCKD RA=3,COMP=5");
    EXPECT_EQ(cfg.m_cckd.m_nRA, 3);
    EXPECT_FALSE(cfg.m_bCCKDGiven);
    EXPECT_TRUE(cfg.m_bCCKDFlag);

    RunStatement(cfg, "CCKD RA=4");
    EXPECT_TRUE(cfg.m_bCCKDGiven);
    EXPECT_FALSE(cfg.m_bCCKDFlag);

    RunStatement(cfg, "CCKD COMP=1,NOSTRESS=1");
    EXPECT_TRUE(cfg.m_bCCKDFlag);
    EXPECT_EQ(cfg.m_cckd.m_nCOMP, 1);
    EXPECT_TRUE(cfg.m_cckd.m_bNOSTRESS);

    CVornConfigFile defaults;
    RunStatement(defaults, "CCKD RA=2");  // the default value: nothing differs
    EXPECT_FALSE(defaults.m_bCCKDGiven);
}
