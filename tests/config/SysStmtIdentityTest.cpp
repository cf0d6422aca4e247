// SysStmtIdentityTest.cpp: CPUMODEL, CPUSERIAL, CPUVERID, CPUIDFMT, LPARNUM,
// LPARNAME, LOADPARM, MODEL, MANUFACTURER, PLANT and PGMPRDOS.
#include <gtest/gtest.h>

#include <string>

#include "tests/config/SysStmtTestUtil.h"

TEST(SysStmtIdentity, ErrorTexts)
{
    const StmtCase cases[] = {
        {"CPUMODEL 2098", ""},
        {"cpumodel $(z15)", ""},
        {"CPUMODEL", "\nMissing parameters"},
        {"CPUMODEL 209", "\nInvalid CPUMODEL hex value or value out of range"},
        {"CPUMODEL 2098X", "\nInvalid CPUMODEL hex value or value out of range"},
        {"CPUMODEL $(z17)", "\nInvalid CPUMODEL hex value or value out of range"},
        {"CPUMODEL 2098 2099", "\nExtraneous parameters"},
        {"CPUSERIAL 0123AF", ""},
        {"CPUSERIAL 0123A", "\nInvalid CPUSERIAL hex value or value out of range"},
        {"CPUSERIAL 0123AG", "\nInvalid CPUSERIAL hex value or value out of range"},
        {"CPUSERIAL", "\nMissing parameters"},
        {"CPUVERID FD", ""},
        {"CPUVERID 1", "\nInvalid CPUVERID hex value or value out of range"},
        {"CPUVERID FD 00", "\nExtraneous parameters"},
        {"CPUIDFMT BASIC", ""},
        {"CPUIDFMT 1", ""},
        {"CPUIDFMT x", "\nInvalid CPUIDFMT value: must be either 0, 1 or BASIC."},
        {"LPARNUM 3F", ""},
        {"LPARNUM basic", ""},
        {"LPARNUM 40", "\nInvalid LPARNUM hex value or value out of range (0-3F)"},
        {"LPARNUM 001", "\nInvalid LPARNUM hex value or value out of range (0-3F)"},
        {"LPARNAME VORNAMIC", ""},
        {"LPARNAME TOOLONGXX", "\nLPARNAME value too long (8 characters maximum)"},
        {"LOADPARM ABCDEFGH", ""},
        {"LOADPARM ABCDEFGHI", "\nLOADPARM value too long (8 characters maximum)"},
        {"MODEL EMULATOR", ""},
        {"MODEL A B C D", ""},
        {"MODEL A B C D E", "\nExtraneous parameters"},
        {"MODEL", "\nMissing parameters"},
        {"MODEL emu", "\nMODEL operand-1 Hardware-Model: only uppercase A-Z and/or 0-9 allowed"},
        {"MODEL A B12345678901234567 x",
         "\nMODEL operand-2 Capacity-Model: value longer than 16-character maximum"
         "\nMODEL operand-3 Perm-Capacity-Model: only uppercase A-Z and/or 0-9 allowed"},
        {"MODEL A B C d12345678901234567",
         "\nMODEL operand-4 Temp-Capacity-Model: value longer than 16-character maximum"
         "\nMODEL operand-4 Temp-Capacity-Model: only uppercase A-Z and/or 0-9 allowed"},
        {"MANUFACTURER VRN", ""},
        {"MANUFACTURER Vrn", "\nMANUFACTURER: only uppercase A-Z and/or 0-9 allowed"},
        {"MANUFACTURER", "\nMissing parameters"},
        {"PLANT ZZ", ""},
        {"PLANT ZZZZZ", "\nPLANT: value longer than 4-character maximum"},
        {"PLANT ZZ Y", "\nExtraneous parameters"},
        {"PGMPRDOS LICENSED", ""},
        {"PGMPRDOS restricted", ""},
        {"PGMPRDOS MAYBE", "\nInvalid PGMPRDOS value: must be RESTRICTED or LICENSED"},
    };
    for (const StmtCase& c : cases) {
        CVornConfigFile cfg;
        EXPECT_EQ(RunStatement(cfg, c.pszLine), c.pszError) << c.pszLine;
    }
}

TEST(SysStmtIdentity, StoredValues)
{
    CVornConfigFile cfg;
    cfg.m_nCurrentLine = 7;
    RunStatement(cfg, "CPUMODEL $(Z15)");
    EXPECT_EQ(cfg.m_strCPUModel, "8561");
    EXPECT_EQ(cfg.m_nCPUModelLine, 7);
    RunStatement(cfg, "CPUMODEL 209");  // refused: the model stays
    EXPECT_EQ(cfg.m_strCPUModel, "8561");
    RunStatement(cfg, "CPUSERIAL 0123af");
    EXPECT_EQ(cfg.m_strCPUSerial, "0123af");
    RunStatement(cfg, "LOADPARM AB");
    EXPECT_EQ(cfg.m_strLoadParm, "AB......");
    RunStatement(cfg, "LPARNUM basic");
    EXPECT_EQ(cfg.m_strLparNum, "basic");
    RunStatement(cfg, "MODEL \"\" CAP");
    EXPECT_EQ(cfg.m_strModel[0], "EMULATOR");
    EXPECT_EQ(cfg.m_strModel[1], "CAP");
    RunStatement(cfg, "MODEL A \"\" C D");
    EXPECT_EQ(cfg.m_strModel[1], "");
    EXPECT_EQ(cfg.m_strModel[3], "D");
    RunStatement(cfg, "MANUFACTURER \"\"");
    EXPECT_EQ(cfg.m_strManufacturer, "");
    RunStatement(cfg, "PLANT toolong");  // both messages, value kept
    EXPECT_EQ(cfg.m_strPlant, "ZZ");
    RunStatement(cfg, "PGMPRDOS LICENSED");
    EXPECT_TRUE(cfg.m_bPgmPrdOsLicensed);
    RunStatement(cfg, "PGMPRDOS RESTRICTED");
    EXPECT_FALSE(cfg.m_bPgmPrdOsLicensed);
}

TEST(SysStmtIdentity, CpuModelWithTxf)
{
    ScopedMemorySettings settings;
    ScopedLiveOption txf(g_bPresumeTXF, true);
    CVornConfigFile cfg;
    // Without an ARCHLVL statement first, the check is the reader's, at the end.
    EXPECT_EQ(RunStatement(cfg, "CPUMODEL 2098"), "");
    EXPECT_EQ(cfg.m_strCPUModel, "2098");
    cfg.m_bArchLvlGiven = true;
    EXPECT_EQ(RunStatement(cfg, "CPUMODEL 2096"), "\nSpecified CPU Model does not support TXF");
    EXPECT_EQ(cfg.m_strCPUModel, "2098");
    EXPECT_EQ(RunStatement(cfg, "CPUMODEL 8562"), "");
    EXPECT_EQ(cfg.m_strCPUModel, "8562");
    // A FACILITY statement that disables facility 73 wins over the setting.
    RunStatement(cfg, "FACILITY DISABLE 073_TRANSACT_EXEC");
    EXPECT_EQ(RunStatement(cfg, "CPUMODEL 2096"), "");
    // ESA/390 has no transactional execution.
    CVornConfigFile esa;
    esa.m_bArchLvlGiven = true;
    esa.m_nArchMode = 1;
    EXPECT_EQ(RunStatement(esa, "CPUMODEL 2096"), "");
}

TEST(SysStmtIdentity, LongOperands)
{
    CVornConfigFile cfg;
    std::string big = "LPARNAME " + std::string(100000, 'A');
    EXPECT_EQ(RunStatement(cfg, big.c_str()), "\nLPARNAME value too long (8 characters maximum)");
    std::string model = "MODEL " + std::string(100000, 'A');
    EXPECT_EQ(RunStatement(cfg, model.c_str()),
              "\nMODEL operand-1 Hardware-Model: value longer than 16-character maximum");
    EXPECT_EQ(cfg.m_strModel[0], "EMULATOR");
}
