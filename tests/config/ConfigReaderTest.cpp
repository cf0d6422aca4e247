// ConfigReaderTest.cpp: reading a configuration file: header keys, comments,
// dispatch, numbered messages and the file-level errors.
#include <gtest/gtest.h>

#include "config/ConfigMessages.h"
#include "tests/config/ConfigTestUtil.h"

namespace {

const char kDevice[] = "0120 3390 disk.img\n";

struct MessageRecorder {
    static std::string s_strText, s_strDetail;
    static void Record(LPCSTR pszText, LPCSTR pszDetail, DWORD) { s_strText = pszText; s_strDetail = pszDetail; }
};
std::string MessageRecorder::s_strText, MessageRecorder::s_strDetail;

} // namespace

TEST(ConfigReader, HeaderKeys)
{
    const struct { const char* pszLine; CString CVornConfigFile::*pm; const char* pszValue; } rows[] = {
        {"# Description:   My system  ", &CVornConfigFile::m_strDescription, "My system"},
        {"# DESCRIPTION: caps", &CVornConfigFile::m_strDescription, "caps"},
        {"# Description: ", &CVornConfigFile::m_strDescription, ""},
        {"# LoadUnit: 1F", &CVornConfigFile::m_strLoadUnit, "001F"},
        {"# LoadUnit: 12345", &CVornConfigFile::m_strLoadUnit, "1234"},
        {"# LoadUnit: ", &CVornConfigFile::m_strLoadUnit, "0000"},
        {"# RCFile: start.rc", &CVornConfigFile::m_strRCFile, "start.rc"},
        {"# LogoFile: logo.txt", &CVornConfigFile::m_strLogoFile, "logo.txt"},
        {"#Description: no blank", &CVornConfigFile::m_strDescription, ""},
    };
    TempDir dir;
    for (const auto& r : rows) {
        CVornConfigFile cfg;
        EXPECT_TRUE(LoadText(cfg, dir, std::string(r.pszLine) + "\n" + kDevice)) << JoinedErrors(cfg);
        EXPECT_EQ(cfg.*r.pm, r.pszValue) << r.pszLine;
    }
}

TEST(ConfigReader, NumericHeaderKeys)
{
    TempDir dir;
    CVornConfigFile cfg;
    LoadText(cfg, dir, std::string("# MaxShutdownSecs: 40\n") + kDevice);
    EXPECT_EQ(cfg.m_nMaxShutdownSecs, 40);
    LoadText(cfg, dir, std::string("# MaxShutdownSecs: forty\n") + kDevice);
    EXPECT_EQ(cfg.m_nMaxShutdownSecs, 15);
    LoadText(cfg, dir, std::string("# IgnoreParseErrors: 1\n") + kDevice);
    EXPECT_TRUE(cfg.m_bIgnoreParseErrors);
    LoadText(cfg, dir, std::string("# IgnoreParseErrors: yes\n") + kDevice);
    EXPECT_FALSE(cfg.m_bIgnoreParseErrors);
}

TEST(ConfigReader, HeaderValuesEndAtAnEmbeddedNul)
{
    TempDir dir;
    CVornConfigFile cfg;
    LoadText(cfg, dir, std::string("# LoadUnit: 012") + '\0' + "120\n# Description: ab" + '\0' + "cd\n" + kDevice);
    EXPECT_EQ(cfg.m_strLoadUnit, "0012");
    EXPECT_EQ(cfg.m_strDescription, "ab");
    EXPECT_EQ(cfg.m_strDescription.GetLength(), 2);
}

TEST(ConfigReader, CommentsAndBlankLinesOnly)
{
    TempDir dir;
    CVornConfigFile cfg;
    EXPECT_FALSE(LoadText(cfg, dir, "* comment\n\n   \n# other\n"));
    EXPECT_TRUE(cfg.m_bHasErrors);
    EXPECT_EQ(JoinedErrors(cfg),
              "*** Error: File contains no content|*** Error: File contains no device entries");
    EXPECT_EQ(cfg.m_lines.GetSize(), 4); // kept after errors
}

TEST(ConfigReader, EmptyAndMissingFiles)
{
    TempDir dir;
    CVornConfigFile cfg;
    EXPECT_FALSE(LoadText(cfg, dir, ""));
    EXPECT_EQ(JoinedErrors(cfg), "*** Error: File is empty!");

    const ConfigErrorMessageHook pfnOld = SetConfigErrorMessageHook(MessageRecorder::Record);
    EXPECT_FALSE(cfg.Load(dir.Folder().c_str(), "absent.cnf"));
    SetConfigErrorMessageHook(pfnOld);
    EXPECT_TRUE(cfg.m_bHasErrors);
    EXPECT_EQ(MessageRecorder::s_strText, "The configuration file could not be opened.");
    EXPECT_EQ(MessageRecorder::s_strDetail, "\"" + dir.Path("absent.cnf") + "\"");
}

TEST(ConfigReader, LoadByFullPathSplitsFolderAndName)
{
    TempDir dir;
    dir.Write("full.cnf", kDevice);
    CVornConfigFile cfg(CString(dir.Path("full.cnf").c_str()));
    EXPECT_EQ(cfg.m_strFileName, "full.cnf");
    EXPECT_EQ(cfg.m_strFolder.Right(1), "\\");
    // Paths are split in their Windows form; the host's own paths use '/'.
    if (dir.Folder().find('/') != std::string::npos)
        GTEST_SKIP() << "Windows paths only";
    EXPECT_FALSE(cfg.m_bHasErrors) << JoinedErrors(cfg);
    EXPECT_EQ(cfg.m_devices.GetCount(), 1);
    EXPECT_EQ(cfg.m_lines.GetSize(), 0); // raw lines dropped after a clean parse
}

TEST(ConfigReader, CrLfLinesAndTrailingComment)
{
    TempDir dir;
    CVornConfigFile cfg;
    EXPECT_TRUE(LoadText(cfg, dir, "0120 3390 disk.img ro #comment sf=x\r\n")) << JoinedErrors(cfg);
    CVornDevice dev;
    ASSERT_TRUE(cfg.m_devices.Lookup(0x0120, dev));
    EXPECT_EQ(dev.m_strOtherArgs, "ro");
}

TEST(ConfigReader, UnrecognisedStatementsAreKeptAndNumbered)
{
    TempDir dir;
    CVornConfigFile cfg;
    EXPECT_FALSE(LoadText(cfg, dir, "# header\n\nFOO bar\n *x\n0120 3390 a\n"));
    EXPECT_EQ(JoinedErrors(cfg), "*** Warning: Line 3: Unrecognized statement|"
                                 "*** Warning: Line 4: Unrecognized statement");
    ASSERT_EQ(cfg.m_keptStmts.GetSize(), 2);
    EXPECT_EQ(cfg.m_keptStmts[0], "FOO bar");
    EXPECT_EQ(cfg.m_keptStmts[1], " *x");

    EXPECT_TRUE(LoadText(cfg, dir, "# IgnoreParseErrors: 1\nFOO bar\n0120 3390 a\n"));
    EXPECT_EQ(cfg.m_keptStmts.GetSize(), 1);
}

TEST(ConfigReader, KeywordsFoundWithoutRegardToCase)
{
    TempDir dir;
    CVornConfigFile cfg;
    EXPECT_TRUE(LoadText(cfg, dir, "automount +/tmp\ndefsym X 1\ncmdlevel +all\n0120 3390 a\n"));
    EXPECT_EQ(cfg.m_keptStmts.GetSize(), 2);
    ASSERT_EQ(cfg.m_defsyms.GetSize(), 1);
    EXPECT_EQ(cfg.m_defsyms[0], "defsym X 1");
}

TEST(ConfigReader, ParseErrorLayout)
{
    CVornConfigFile cfg;
    cfg.AddParseError(7, "\nMissing parameters");
    cfg.AddParseError(9, "First\nSecond\nThird");
    cfg.AddParseError(10, "  ");
    cfg.AddParseError(11, "Alone");
    ASSERT_EQ(cfg.m_parseErrors.GetSize(), 5);
    EXPECT_EQ(cfg.m_parseErrors[0], "*** Error: Line 7: \nMissing parameters");
    EXPECT_EQ(cfg.m_parseErrors[1], "*** Error: Line 9: First");
    EXPECT_EQ(cfg.m_parseErrors[2], "                   Second");
    EXPECT_EQ(cfg.m_parseErrors[3], "                   Third");
    EXPECT_EQ(cfg.m_parseErrors[4], "*** Error: Line 11: Alone");
    cfg.m_bIgnoreParseErrors = true;
    cfg.AddParseError(12, "dropped");
    EXPECT_EQ(cfg.m_parseErrors.GetSize(), 5);
}

TEST(ConfigReader, LineNumbersCountEveryPhysicalLine)
{
    TempDir dir;
    CVornConfigFile cfg;
    LoadText(cfg, dir, "# a\n\n* b\n0120 3390 a\n\n\n\n\n\nARCHLVL\n");
    EXPECT_EQ(JoinedErrors(cfg), "*** Error: Line 10: \nMissing parameters");
}

// The CPU model statement sets the model and its line; here the test sets
// them before parsing, as that statement would.
TEST(ConfigReader, TxfCheckAtEnd)
{
    TempDir dir;
    CVornConfigFile cfg;
    cfg.m_strFolder = dir.Folder().c_str();
    cfg.m_strFileName = "txf.cnf";
    dir.Write("txf.cnf", "FACILITY ENABLE 073_TRANSACT_EXEC\n0120 3390 a\n");
    cfg.m_strCPUModel = "2064";
    cfg.m_nCPUModelLine = 3;
    EXPECT_FALSE(cfg.Parse());
    EXPECT_EQ(JoinedErrors(cfg), "*** Error: Line 3: \nSpecified CPU Model does not support TXF");

    cfg.m_strCPUModel = "8561"; // a z-series model
    EXPECT_TRUE(cfg.Parse()) << JoinedErrors(cfg);
    cfg.m_strCPUModel = "2064";
    dir.Write("txf.cnf", "FACILITY DISABLE BIT73\n0120 3390 a\n");
    EXPECT_TRUE(cfg.Parse()) << JoinedErrors(cfg);
}

// A read in parts of any size gives what one read gives: the same values,
// devices and numbered errors, the last line's error included.
TEST(ConfigReader, ParseInPartsEqualsWholeParse)
{
    TempDir dir;
    dir.Write("parts.cnf", "# LoadUnit: 0120\n* c\n0120 3390 a\n\nARCHLVL\n0A00.3 3270\nNUMCPU 2\nARCHLVL\n");
    CVornConfigFile whole;
    EXPECT_FALSE(whole.Load(dir.Folder().c_str(), "parts.cnf"));
    for (size_t nPart : {1, 2, 3, 100}) {
        CVornConfigFile cfg;
        cfg.m_strFolder = dir.Folder().c_str();
        cfg.m_strFileName = "parts.cnf";
        SConfigParse parse;
        ASSERT_TRUE(cfg.BeginParse(parse));
        int nParts = 1;
        while (!cfg.ContinueParse(parse, nPart))
            ++nParts;
        EXPECT_EQ(nParts, (int)((8 + nPart - 1) / nPart)) << nPart;
        EXPECT_TRUE(cfg == whole) << nPart;
        EXPECT_EQ(JoinedErrors(cfg), JoinedErrors(whole)) << nPart;
        EXPECT_EQ(cfg.m_devices.GetCount(), 4) << nPart;
    }
    CVornConfigFile empty;
    empty.m_strFolder = dir.Folder().c_str();
    empty.m_strFileName = "empty.cnf";
    dir.Write("empty.cnf", "");
    SConfigParse parse;
    EXPECT_FALSE(empty.BeginParse(parse));
    EXPECT_EQ(JoinedErrors(empty), "*** Error: File is empty!");
}
