// ArchStmtTest.cpp: ARCHLVL and FACILITY statements and the facility list.
#include <gtest/gtest.h>

#include "config/CArchLvls.h"
#include "platform/TextFunctions.h"
#include "tests/config/ConfigTestUtil.h"

namespace {

// Runs one statement through the handler of its keyword.
CString RunStmt(CVornConfigFile& cfg, const char* pszLine)
{
    CStringArray words;
    ParseStmt(pszLine, words);
    CStringList tokens;
    for (const CString& s : words)
        tokens.AddTail(s);
    CString strError;
    for (const SysStmtRow* p = g_SysStmtTable; p->pszKeyword; p++)
        if (words[0].CompareNoCase(p->pszKeyword) == 0) {
            p->pfnHandler(cfg, pszLine, tokens, strError);
            break;
        }
    return strError;
}

} // namespace

TEST(FacilityStmt, Forms)
{
    const struct { const char* pszLine; const char* pszError; int nEntries; } rows[] = {
        {"FACILITY", "\nMissing parameters", 0},
        {"FACILITY ENABLE", "\nMissing parameters", 0},
        {"FACILITY ENABLE \"\"", "\nMissing parameters", 0},
        {"ARCHLVL DISABLE '' z/Arch", "\nMissing parameters", 0},
        {"FACILITY TOGGLE VORN_X", "\nUnrecognized or unsupported FACILITY: \"TOGGLE\"", 0},
        {"facility enable VORN_X", "", 1},
        {"FACILITY DISABLE VORN_X S/370", "", 1},
        {"FACILITY ENABLE VORN_X z/Arch A B", "\nExtraneous parameters", 1},
    };
    for (const auto& r : rows) {
        CVornConfigFile cfg;
        EXPECT_EQ(RunStmt(cfg, r.pszLine), r.pszError) << r.pszLine;
        EXPECT_EQ(cfg.m_archLvls.GetSize(), r.nEntries) << r.pszLine;
    }
    CVornConfigFile cfg;
    RunStmt(cfg, "FACILITY DISABLE VORN_X S/370");
    EXPECT_EQ(cfg.m_archLvls[0], CArchLvl("VORN_X", "S/370", false));
    EXPECT_FALSE(cfg.m_archLvls.m_bHasArchLvl);
}

TEST(ArchlvlStmt, ModeAndEntries)
{
    CVornConfigFile cfg;
    EXPECT_EQ(RunStmt(cfg, "ARCHLVL z/Arch"), "");
    EXPECT_TRUE(cfg.m_bArchLvlGiven);
    EXPECT_EQ(cfg.m_archLvls.GetSize(), 0); // same mode, empty list: nothing added
    EXPECT_EQ(RunStmt(cfg, "ARCHMODE esa/390"), "");
    EXPECT_EQ(cfg.m_nArchMode, 1);
    ASSERT_EQ(cfg.m_archLvls.GetSize(), 1);
    EXPECT_EQ(cfg.m_archLvls[0], CArchLvl("", "ESA/390", true));
    EXPECT_TRUE(cfg.m_archLvls.m_bHasArchLvl);
    RunStmt(cfg, "FACILITY ENABLE X");
    EXPECT_EQ(RunStmt(cfg, "ARCHLVL ESA/390 extra"), "\nExtraneous parameters");
    EXPECT_EQ(cfg.m_archLvls.GetSize(), 3); // a facility came first: added again
    EXPECT_EQ(RunStmt(cfg, "ARCHLVL 370/XA"), "\nUnrecognized or unsupported ARCHLVL: \"370/XA\"");
    EXPECT_EQ(cfg.m_nArchMode, 1);
    EXPECT_EQ(RunStmt(cfg, "ARCHLVL"), "\nMissing parameters");
}

TEST(ArchlvlStmt, DeprecatedFacilityForm)
{
    CVornConfigFile cfg;
    EXPECT_EQ(RunStmt(cfg, "ARCHLVL DISABLE VORN_Y"),
              "\nStatement accepted and processed, BUT...\nARCHLVL ENABLE/DISABLE has been "
              "deprecated\nPlease use FACILITY ENABLE/DISABLE instead");
    ASSERT_EQ(cfg.m_archLvls.GetSize(), 1);
    EXPECT_EQ(cfg.m_archLvls[0], CArchLvl("VORN_Y", "", false));
    EXPECT_EQ(RunStmt(cfg, "ARCHLVL ENABLE VORN_Y z/Arch more"), "\nExtraneous parameters");
    EXPECT_EQ(cfg.m_archLvls.GetSize(), 2);
    EXPECT_EQ(RunStmt(cfg, "ARCHLVL ENABLE"), "\nMissing parameters");
}

TEST(ArchlvlStmt, TxfCheckedAtOnce)
{
    CVornConfigFile cfg;
    cfg.m_strCPUModel = "2064";
    cfg.m_nCPUModelLine = 4;
    RunStmt(cfg, "FACILITY ENABLE 73");
    EXPECT_EQ(RunStmt(cfg, "ARCHLVL z/Arch"), "");
    EXPECT_EQ(JoinedErrors(cfg), "*** Error: Line 4: \nSpecified CPU Model does not support TXF");
}

TEST(CArchLvls, Comparison)
{
    CArchLvls a, b;
    a.Add(CArchLvl("A", "", true));
    a.Add(CArchLvl("B", "", true));
    b.Add(CArchLvl("B", "", true));
    b.Add(CArchLvl("A", "", true));
    EXPECT_TRUE(a != b); // order matters
    CArchLvls c = a;
    EXPECT_TRUE(c == a);
    c.m_bHasArchLvl = true;
    EXPECT_TRUE(c != a);
    CArchLvls d;
    d.Add(CArchLvl("a", "", true));
    d.Add(CArchLvl("B", "", true));
    EXPECT_TRUE(d != a); // case-sensitive names
    EXPECT_TRUE(CArchLvls() == CArchLvls());
}
