// SysStmtOptionsTest.cpp: $ZAPCMD, AUTO_SCSI_MOUNT, SCSIMOUNT, AUTOINIT,
// CODEPAGE, DEVTMAX, DIAG8CMD, IODELAY, LDMOD, LEGACYSENSEID, MODPATH,
// MOUNTED_TAPE_REINIT, NETDEV, OSTAILOR, PGMTRACE, SHCMDOPT and TRACEOPT.
#include <gtest/gtest.h>

#include "tests/config/SysStmtTestUtil.h"

TEST(SysStmtOptions, ErrorTexts)
{
    const StmtCase cases[] = {
        {"$ZAPCMD CPUPRIO NoCfg", ""},
        {"$ZAPCMD CPUPRIO", "\nMissing parameters"},
        {"$ZAPCMD CPUPRIO Maybe", "\nInvalid $ZAPCMD <cmd> value: must be [No]Cfg or [No]Cmd"},
        {"$ZAPCMD CPUPRIO cmd x", "\nExtraneous parameters"},
        {"AUTO_SCSI_MOUNT YES", ""},
        {"AUTO_SCSI_MOUNT 99", ""},
        {"AUTO_SCSI_MOUNT 100", "\nInvalid numeric value or value out of range"},
        {"AUTO_SCSI_MOUNT NO 5", "\nExtraneous parameters"},
        {"SCSIMOUNT", "\nMissing parameters"},
        {"AUTOINIT off", ""},
        {"AUTOINIT maybe", "\nInvalid AUTOINIT value: must be ON or OFF"},
        {"CODEPAGE 819/1047", ""},
        {"CODEPAGE", "\nMissing parameters"},
        {"DEVTMAX -1", ""},
        {"DEVTMAX 999", ""},
        {"DEVTMAX -2", "\nInvalid DEVTMAX numeric value or value out of range"},
        {"DEVTMAX 1000", "\nInvalid DEVTMAX numeric value or value out of range"},
        {"DEVTMAX --1", "\nInvalid DEVTMAX numeric value or value out of range"},
        {"DEVTMAX -", "\nInvalid DEVTMAX numeric value or value out of range"},
        {"DIAG8CMD ENABLE ECHO", ""},
        {"DIAG8CMD disable", ""},
        {"DIAG8CMD ON", "\nInvalid DIAG8CMD operand: must be ENABLE or DISABLE"},
        {"DIAG8CMD ENABLE LOUD", "\nInvalid DIAG8CMD operand: must be ECHO or NOECHO"},
        {"DIAG8CMD ENABLE ECHO X", "\nExtraneous parameters"},
        {"IODELAY 1000000", ""},
        {"IODELAY 1000001", "\nInvalid numeric value or value out of range"},
        {"LDMOD a b", ""},
        {"LDMOD", "\nMissing parameters"},
        {"LEGACYSENSEID ON", ""},
        {"LEGACYSENSEID disable", ""},
        {"LEGACYSENSEID YES", "\nUnrecognized LEGACYSENSEID value: must be ON or ENABLE or OFF or DISABLE"},
        {"MODPATH \"C:/Program Files/mods\"", ""},
        {"MOUNTED_TAPE_REINIT DISALLOW", ""},
        {"MOUNTED_TAPE_REINIT NO", "\nInvalid MOUNTED_TAPE_REINIT value: must be ALLOW or DISALLOW"},
        {"NETDEV 192.168.0.1", ""},
        {"NETDEV 00-1A-2B-3C-4D-5E", ""},
        {"NETDEV tap0", "\nInvalid IP or MAC address"},
        {"OSTAILOR z/OS", ""},
        {"OSTAILOR +LINUX", ""},
        {"OSTAILOR MVS",
         "\nUnrecognized OSTAILOR value: must be either QUIET or NULL, or VM, VSE, z/VSE, LINUX, "
         "OpenSolaris, OS/390 and/or z/OS."},
        {"PGMTRACE -1", ""},
        {"PGMTRACE +3F", ""},
        {"PGMTRACE 0", ""},
        {"PGMTRACE 40", "\nInvalid PGMTRACE value"},
        {"PGMTRACE 123", "\nInvalid PGMTRACE value"},
        {"PGMTRACE -", "\nInvalid PGMTRACE value"},
        {"PGMTRACE G", "\nInvalid PGMTRACE value"},
        {"SHCMDOPT ENABLE", ""},
        {"SHCMDOPT ENABLE DIAG8", ""},
        {"SHCMDOPT ENABLE NODIAG8", ""},
        {"SHCMDOPT DISABLE NODIAG8", ""},
        {"SHCMDOPT DISABLE DIAG8", "\n\"DISABLE DIAG8\" not supported"},
        {"SHCMDOPT NODIAG8 X", "\nExtraneous parameters"},
        {"SHCMDOPT ENABLE X", "\nUnrecognized SHCMDOPT value"},
        {"SHCMDOPT ON", "\nInvalid SHCMDOPT value: must be ENABLE, DISABLE or NODIAG8"},
        {"SHCMDOPT ENABLE DIAG8 X", "\nExtraneous parameters"},
        {"TRACEOPT NOREGS", ""},
        {"TRACEOPT TRADITIONAL NOCH9", ""},
        {"TRACEOPT TRADITIONAL NOCH", "Unrecognized or unsupported TRACEOPT argument"},
        {"TRACEOPT TRADITIONAL NOCH9OFLOW X", "\nExtraneous parameters"},
    };
    for (const StmtCase& c : cases) {
        CVornConfigFile cfg;
        EXPECT_EQ(RunStatement(cfg, c.pszLine), c.pszError) << c.pszLine;
    }
}

TEST(SysStmtOptions, ZapcmdIsKeptOnlyWithTwoOperands)
{
    CVornConfigFile cfg;
    RunStatement(cfg, "$ZAPCMD CPUPRIO");
    EXPECT_EQ(cfg.m_keptStmts.GetSize(), 0);
    RunStatement(cfg, "$ZAPCMD CPUPRIO Maybe");
    RunStatement(cfg, "$ZAPCMD  DEVPRIO   NoCmd");
    ASSERT_EQ(cfg.m_keptStmts.GetSize(), 2);
    EXPECT_EQ(cfg.m_keptStmts[1], "$ZAPCMD  DEVPRIO   NoCmd");
}

TEST(SysStmtOptions, ScsiMount)
{
    CVornConfigFile cfg;
    RunStatement(cfg, "AUTO_SCSI_MOUNT 30");
    EXPECT_EQ(cfg.m_nScsiMountEnabled, 1);
    EXPECT_EQ(cfg.m_nScsiMountSecs, 30);
    EXPECT_FALSE(cfg.m_bScsiMountKeyword);
    RunStatement(cfg, "SCSIMOUNT NO");
    EXPECT_EQ(cfg.m_nScsiMountEnabled, 0);
    EXPECT_EQ(cfg.m_nScsiMountSecs, 0);
    EXPECT_TRUE(cfg.m_bScsiMountKeyword);
    RunStatement(cfg, "SCSIMOUNT yes");
    EXPECT_EQ(cfg.m_nScsiMountSecs, 5);
}

TEST(SysStmtOptions, Values)
{
    CVornConfigFile cfg;
    RunStatement(cfg, "DEVTMAX -1");
    EXPECT_EQ(cfg.m_nDevTMax, -1);
    RunStatement(cfg, "DIAG8CMD ENABLE ECHO");
    EXPECT_EQ(cfg.m_nDiag8CmdEnabled, 1);
    EXPECT_EQ(cfg.m_nDiag8CmdEcho, 1);
    RunStatement(cfg, "DIAG8CMD ENABLE");
    EXPECT_EQ(cfg.m_nDiag8CmdEcho, 0);
    RunStatement(cfg, "NETDEV tap0");  // kept although refused
    EXPECT_EQ(cfg.m_strNetDev, "tap0");
    RunStatement(cfg, "OSTAILOR VM");
    RunStatement(cfg, "OSTAILOR +z/OS");
    RunStatement(cfg, "OSTAILOR MVS");
    EXPECT_EQ(cfg.m_wOsTailor, 0x4100);
    RunStatement(cfg, "SHCMDOPT ENABLE NODIAG8");
    EXPECT_EQ(cfg.m_nShCmdOpt, 2);
    RunStatement(cfg, "SHCMDOPT DISABLE NODIAG8");
    EXPECT_EQ(cfg.m_nShCmdOpt, 0);
    RunStatement(cfg, "TRACEOPT NOREGS NOCH9O");
    EXPECT_EQ(cfg.m_strTraceOpt, "NOREGS");
    EXPECT_TRUE(cfg.m_bNoCh9Oflow);
    RunStatement(cfg, "TRACEOPT REGSFIRST");  // no second operand: the flag stays
    EXPECT_TRUE(cfg.m_bNoCh9Oflow);
    RunStatement(cfg, "TRACEOPT REGSFIRST NOCH");
    EXPECT_FALSE(cfg.m_bNoCh9Oflow);
}

TEST(SysStmtOptions, LoadedModulesAccumulate)
{
    CVornConfigFile cfg;
    RunStatement(cfg, "LDMOD dyncrypt \"my mod\"");
    EXPECT_EQ(cfg.m_strLdMod, "dyncrypt \"my mod\"");
    RunStatement(cfg, "LDMOD hdt3088");
    EXPECT_EQ(cfg.m_strLdMod, "dyncrypt \"my mod\" hdt3088");
}

TEST(SysStmtOptions, ProgramTraceBits)
{
    CVornConfigFile cfg;
    RunStatement(cfg, "PGMTRACE +1");
    EXPECT_EQ(cfg.m_ullPgmTraceInclude, 1ull << 62);
    RunStatement(cfg, "PGMTRACE -1");
    EXPECT_EQ(cfg.m_ullPgmTraceExclude, 1ull << 62);
    EXPECT_EQ(cfg.m_ullPgmTraceInclude, 0u);
    RunStatement(cfg, "PGMTRACE 0");
    EXPECT_EQ(cfg.m_ullPgmTraceInclude, 1ull << 63);
    RunStatement(cfg, "PGMTRACE 3f");
    EXPECT_EQ(cfg.m_ullPgmTraceInclude, (1ull << 63) | 1ull);
    RunStatement(cfg, "PGMTRACE 40");
    EXPECT_EQ(cfg.m_ullPgmTraceInclude, (1ull << 63) | 1ull);
}
