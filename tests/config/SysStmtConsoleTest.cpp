// SysStmtConsoleTest.cpp: CNSLPORT, SYSGPORT, SHRDPORT, CONKPALV, PANOPT,
// PANRATE, PANTITLE and HTTP.
#include <gtest/gtest.h>

#include "tests/config/SysStmtTestUtil.h"
#include "tests/config/TempFile.h"

TEST(SysStmtConsole, ErrorTexts)
{
    const StmtCase cases[] = {
        {"CNSLPORT 23", ""},
        {"CNSLPORT 1024", ""},
        {"CNSLPORT 65535", ""},
        {"CNSLPORT 1023", "\nInvalid CNSLPORT value: must be 23 or 1024 to 65535"},
        {"CNSLPORT 65536", "\nInvalid CNSLPORT value: must be 23 or 1024 to 65535"},
        {"CNSLPORT 3270 x", "\nExtraneous parameters"},
        {"SYSGPORT NO", ""},
        {"SYSGPORT 23", ""},
        {"SYSGPORT 1023", "\nInvalid SYSGPORT value: must be 23 or 1024 to 65535"},
        {"SYSGPORT", "\nMissing parameters"},
        {"SHRDPORT 3990", ""},
        {"SHRDPORT 80", "\nInvalid SHRDPORT numeric value or value out of range"},
        {"CONKPALV (3,1,10)", ""},
        {"CONKPALV (3, 1, 10)", "\nSyntax error"},
        {"CONKPALV (3,1)", "\nSyntax error"},
        {"CONKPALV (3,1,10,4)", "\nSyntax error"},
        {"CONKPALV 3,1,10", "\nSyntax error"},
        {"CONKPALV (3,0,10)", "\nInvalid CONKPALV numeric value or value out of range (1 to 2147483647)"},
        {"CONKPALV (3,x,10)", "\nInvalid CONKPALV numeric value or value out of range (1 to 2147483647)"},
        {"CONKPALV (3,1,2147483648)",
         "\nInvalid CONKPALV numeric value or value out of range (1 to 2147483647)"},
        {"PANOPT NAMEONLY", ""},
        {"PANOPT full rate=fast msgcolor=dark title=x", ""},
        {"PANOPT NAM", "\nUnrecognized or unsupported PANOPT option"},
        {"PANOPT RATE=5", "\nInvalid PANOPT RATE= numeric value or value out of range"},
        {"PANOPT MSGCOLOR=RED RATE=9 X",
         "\nInvalid PANOPT MSGCOLOR= value or value out of range"
         "\nInvalid PANOPT RATE= numeric value or value out of range"
         "\nUnrecognized or unsupported PANOPT option"},
        {"PANOPT 'TITLE=\"a b\"'", "\nImproper PANOPT TITLE= syntax"},
        {"PANOPT", "\nMissing parameters"},
        {"PANRATE SLOW", ""},
        {"PANRATE 10", ""},
        {"PANRATE 5001", "\nInvalid PANRATE numeric value or value out of range"},
        {"PANTITLE \"My system\"", ""},
        {"PANTITLE My system", "\nExtraneous parameters"},
        {"HTTP START", ""},
        {"HTTP START NOW", ""},
        {"HTTP PORT 8081 NOAUTH", ""},
        {"HTTP PORT 8081 AUTH u p", ""},
        {"HTTP PORT 8081 AUTH u", "\nMissing HTTP PORT USERID and/or PASSWORD"},
        {"HTTP PORT 8081", "\nMissing HTTP PORT authorization option"},
        {"HTTP PORT 81 NOAUTH", "\nInvalid HTTP PORT value: must be 80 or 1024 to 65535"},
        {"HTTP PORT 8081 MAYBE", "\nInvalid HTTP PORT authorization option; must be AUTH or NOAUTH"},
        {"HTTP PORT 8081 NOAUTH x", "\nExtraneous parameters"},
        {"HTTP PORT 8081 AUTH u p x", "\nExtraneous parameters"},
        {"HTTP PORT", "\nMissing parameters"},
        {"HTTP ROOT", "\nMissing parameters"},
        {"HTTP ROOT /no/such/folder/anywhere",
         "\nInvalid HTTP ROOT directory: \nThe specified directory was not found."},
        {"HTTP STOP", "\nInvalid HTTP operand: must be PORT, ROOT or START"},
        {"HTTP", "\nMissing parameters"},
    };
    for (const StmtCase& c : cases) {
        CVornConfigFile cfg;
        EXPECT_EQ(RunStatement(cfg, c.pszLine), c.pszError) << c.pszLine;
    }
}

TEST(SysStmtConsole, Ports)
{
    CVornConfigFile cfg;
    RunStatement(cfg, "SYSGPORT 4000");
    EXPECT_EQ(cfg.m_nSysgPort, 4000);
    EXPECT_TRUE(cfg.m_bSysgPortEnabled);
    RunStatement(cfg, "SYSGPORT 1023");  // refused, but disabled first
    EXPECT_EQ(cfg.m_nSysgPort, 4000);
    EXPECT_FALSE(cfg.m_bSysgPortEnabled);
    RunStatement(cfg, "SYSGPORT NO");
    EXPECT_EQ(cfg.m_nSysgPort, 3278);
    RunStatement(cfg, "CONKPALV (3,1,10)");
    EXPECT_EQ(cfg.m_nKpAlvIdle, 3);
    EXPECT_EQ(cfg.m_nKpAlvIntv, 1);
    EXPECT_EQ(cfg.m_nKpAlvCount, 10);
    RunStatement(cfg, "CONKPALV (4,0,11)");  // nothing stored when one field is bad
    EXPECT_EQ(cfg.m_nKpAlvIdle, 3);
    EXPECT_EQ(cfg.m_nKpAlvCount, 10);
}

TEST(SysStmtConsole, PanelOptions)
{
    CVornConfigFile cfg;
    RunStatement(cfg, "PANOPT NAMEONLY MSGCOLOR=LIGHT");
    EXPECT_TRUE(cfg.m_bPanNamesOnly);
    EXPECT_EQ(cfg.m_nMsgColor, 2);
    EXPECT_FALSE(cfg.m_bPanOptGiven);
    RunStatement(cfg, "PANOPT RATE=SLOW \"TITLE=My system\"");
    EXPECT_TRUE(cfg.m_bPanOptGiven);
    EXPECT_EQ(cfg.m_nPanRate, 500);
    EXPECT_EQ(cfg.m_strPanTitle, "My system");
    RunStatement(cfg, "PANOPT FULLPATH RATE=250");
    EXPECT_FALSE(cfg.m_bPanNamesOnly);
    EXPECT_EQ(cfg.m_nPanRate, 250);
}

TEST(SysStmtConsole, Http)
{
    TempDir dir;
    CVornConfigFile cfg;
    RunStatement(cfg, "HTTP PORT 8081 AUTH admin secret");
    EXPECT_EQ(cfg.m_nHttpPort, 8081);
    EXPECT_EQ(cfg.m_strHttpUser, "admin");
    EXPECT_EQ(cfg.m_strHttpPassword, "secret");
    EXPECT_EQ(RunStatement(cfg, "HTTP PORT 8082 AUTH admin"), "\nMissing HTTP PORT USERID and/or PASSWORD");
    EXPECT_EQ(cfg.m_nHttpPort, 8082);
    EXPECT_EQ(cfg.m_strHttpUser, "");
    std::string root = "HTTP ROOT \"" + dir.Folder() + "\"";
    EXPECT_EQ(RunStatement(cfg, root.c_str()), "");
    EXPECT_EQ(cfg.m_strHttpRoot, CString(dir.Folder()));
    std::string file = "HTTP ROOT \"" + dir.Write("f.txt", "x") + "\"";
    EXPECT_EQ(RunStatement(cfg, file.c_str()),
              "\nInvalid HTTP ROOT directory: \nThe specified directory name or path is not valid.");
    EXPECT_EQ(RunStatement(cfg, "HTTP ROOT \" \""),
              "\nInvalid HTTP ROOT directory: \nYou must specify a valid directory.");
    RunStatement(cfg, "HTTP START");
    EXPECT_TRUE(cfg.m_bHttpStart);
}
