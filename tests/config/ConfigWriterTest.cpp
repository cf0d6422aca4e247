// ConfigWriterTest.cpp: the written layout against a golden file, the round
// trips load-save-load and save-load-save, and the writer's own rules.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "config/ConfigSystemWriter.h"
#include "tests/config/ConfigTestUtil.h"
#include "tests/config/SysStmtTestUtil.h"

namespace {

const char kDataFolder[] = "config/data/";

// The text with CR-LF line ends made plain line feeds; fails the test when a
// line ends without the carriage return that text mode writes.
std::string FromCrLf(const std::string& strBytes)
{
    std::string s;
    for (size_t i = 0; i < strBytes.size(); ++i) {
        if (strBytes[i] == '\n') {
            EXPECT_TRUE(i > 0 && strBytes[i - 1] == '\r') << "bare line feed at " << i;
        }
        if (strBytes[i] != '\r')
            s += strBytes[i];
    }
    return s;
}

// Saves the configuration as name in the folder and returns the file's text.
std::string SaveText(CVornConfigFile& cfg, const TempDir& dir, const char* pszName = "out.cnf")
{
    EXPECT_EQ(cfg.SaveAs(dir.Folder().c_str(), pszName), 0u);
    return FromCrLf(ReadBytes(dir.Path(pszName)));
}

// The system statement lines of a saved text that begin with the keyword.
std::string LinesOf(const std::string& strText, const std::string& strKeyword)
{
    std::istringstream in(strText);
    std::string line, out;
    while (std::getline(in, line))
        if (line.compare(0, strKeyword.size() + 1, strKeyword + " ") == 0)
            out += line + "\n";
    return out;
}

// A configuration with one device and the given statements, loaded from text.
void LoadWithDevice(CVornConfigFile& cfg, const TempDir& dir, const std::string& strStatements)
{
    ASSERT_TRUE(LoadText(cfg, dir, strStatements + "0009 3215\n")) << JoinedErrors(cfg);
}

}  // namespace

TEST(ConfigWriter, GoldenFile)
{
    CVornConfigFile cfg;
    ASSERT_TRUE(cfg.Load(kDataFolder, "rich-input.cnf")) << JoinedErrors(cfg);
    TempDir dir;
    EXPECT_EQ(SaveText(cfg, dir), ReadBytes(std::string(kDataFolder) + "rich-saved.cnf"));
}

TEST(ConfigWriter, SaveLoadSaveIsByteIdentical)
{
    CVornConfigFile first;
    ASSERT_TRUE(first.Load(kDataFolder, "rich-saved.cnf")) << JoinedErrors(first);
    TempDir dir;
    first.SaveAs(dir.Folder().c_str(), "a.cnf");
    CVornConfigFile second;
    ASSERT_TRUE(second.Load(dir.Folder().c_str(), "a.cnf")) << JoinedErrors(second);
    second.SaveAs(dir.Folder().c_str(), "b.cnf");
    std::string a = ReadBytes(dir.Path("a.cnf"));
    EXPECT_EQ(a, ReadBytes(dir.Path("b.cnf")));
    EXPECT_EQ(FromCrLf(a), ReadBytes(std::string(kDataFolder) + "rich-saved.cnf"));
}

TEST(ConfigWriter, LoadSaveLoadGivesAnEqualModel)
{
    CVornConfigFile first;
    ASSERT_TRUE(first.Load(kDataFolder, "rich-input.cnf")) << JoinedErrors(first);
    TempDir dir;
    ASSERT_EQ(first.SaveAs(dir.Folder().c_str(), "out.cnf"), 0u);
    CVornConfigFile second;
    ASSERT_TRUE(second.Load(dir.Folder().c_str(), "out.cnf")) << JoinedErrors(second);

    // What differs by design: where the file is, its line count and the line
    // of the CPUMODEL statement in the new layout, and LDMOD, which writes a
    // module inside the module path by its file name alone.
    EXPECT_EQ(second.m_strLdMod, "dyncrypt \"C:/other mods/hdt3088.dll\" hdtqeth.dll");
    EXPECT_EQ(first.m_strLdMod, "dyncrypt \"C:/other mods/hdt3088.dll\" C:/vorn/modules/hdtqeth.dll");
    second.m_strLdMod = first.m_strLdMod;
    second.m_strFolder = first.m_strFolder;
    second.m_strFileName = first.m_strFileName;
    second.m_nCurrentLine = first.m_nCurrentLine;
    second.m_nCPUModelLine = first.m_nCPUModelLine;
    EXPECT_TRUE(first == second);
    // Spot checks that the sample reached the model at all.
    EXPECT_EQ(second.m_strCPUModel, "8561");
    EXPECT_EQ(second.m_devices.GetCount(), 31);
    EXPECT_EQ(second.m_keptStmts.GetSize(), 13);
    EXPECT_TRUE(second.m_bScsiMountKeyword);
    EXPECT_EQ(second.m_strPanTitle, "Vorn production");
    EXPECT_EQ(second.m_archLvls.GetSize(), 5);
}

TEST(ConfigWriter, ProgramTraceCodesKeepTheirNumbers)
{
    CVornConfigFile cfg;
    TempDir dir;
    LoadWithDevice(cfg, dir, "PGMTRACE 0\nPGMTRACE -1\nPGMTRACE +2A\nPGMTRACE -3F\n");
    std::string text = SaveText(cfg, dir);
    EXPECT_EQ(LinesOf(text, "PGMTRACE"),
              "PGMTRACE             +00\nPGMTRACE             -01\n"
              "PGMTRACE             +2A\nPGMTRACE             -3F\n");
    for (UINT nCode = 0; nCode < 64; ++nCode) {
        CVornConfigFile one;
        one.m_devices = cfg.m_devices;
        one.m_ullPgmTraceExclude = 1ull << (63 - nCode);
        one.m_ullPgmTraceInclude = nCode % 2 ? 1ull : 0;
        ASSERT_EQ(one.SaveAs(dir.Folder().c_str(), "pt.cnf"), 0u);
        CVornConfigFile back;
        ASSERT_TRUE(back.Load(dir.Folder().c_str(), "pt.cnf")) << nCode << JoinedErrors(back);
        EXPECT_EQ(back.m_ullPgmTraceExclude, one.m_ullPgmTraceExclude & ~one.m_ullPgmTraceInclude) << nCode;
        EXPECT_EQ(back.m_ullPgmTraceInclude, one.m_ullPgmTraceInclude) << nCode;
    }
}

TEST(ConfigWriter, EmptyValuesAreNotWrittenSoTheFileReadsBack)
{
    TempDir dir;
    CVornConfigFile cfg;
    LoadWithDevice(cfg, dir, "NUMCPU 0\n");
    EXPECT_EQ(cfg.m_nMaxCPUs, 0);
    std::string text = SaveText(cfg, dir);
    EXPECT_EQ(LinesOf(text, "CPUMODEL"), "");
    EXPECT_EQ(LinesOf(text, "CPUSERIAL"), "");
    EXPECT_EQ(LinesOf(text, "MAXCPU"), "");
    EXPECT_EQ(LinesOf(text, "ENGINES"), "");
    EXPECT_EQ(LinesOf(text, "NUMCPU"), "NUMCPU               0\n");
    EXPECT_EQ(LinesOf(text, "CPUVERID"), "CPUVERID             00\n");
    CVornConfigFile back;
    EXPECT_TRUE(back.Load(dir.Folder().c_str(), "out.cnf")) << JoinedErrors(back);
    EXPECT_EQ(back.m_nMaxCPUs, 0);
    EXPECT_EQ(back.m_nNumCPUs, 0);

    // OS tailoring bits without a name of their own cannot be written.
    CVornConfigFile tailored;
    tailored.m_devices = cfg.m_devices;
    tailored.m_wOsTailor = 0x4001;
    text = SaveText(tailored, dir);
    EXPECT_EQ(LinesOf(text, "OSTAILOR"), "OSTAILOR             VM\n");
}

TEST(ConfigWriter, DefaultConfigurationReadsBackUnchanged)
{
    TempDir dir;
    CVornConfigFile cfg;
    LoadWithDevice(cfg, dir, "");
    SaveText(cfg, dir, "a.cnf");
    CVornConfigFile back;
    ASSERT_TRUE(back.Load(dir.Folder().c_str(), "a.cnf")) << JoinedErrors(back);
    SaveText(back, dir, "b.cnf");
    EXPECT_EQ(ReadBytes(dir.Path("a.cnf")), ReadBytes(dir.Path("b.cnf")));
}

TEST(ConfigWriter, NewConfigurationReadsBackUnderPresumedTxf)
{
    ScopedMemorySettings settings;
    ScopedLiveOption txf(g_bPresumeTXF, true);
    TempDir dir;
    CVornConfigFile cfg;
    LoadWithDevice(cfg, dir, "");
    EXPECT_EQ(cfg.m_nTimerInt, 50);
    std::string text = SaveText(cfg, dir);
    EXPECT_EQ(LinesOf(text, "TIMERINT"), "");
    CVornConfigFile back;
    EXPECT_TRUE(back.Load(dir.Folder().c_str(), "out.cnf")) << JoinedErrors(back);
    EXPECT_EQ(back.m_nTimerInt, 50);
    LoadWithDevice(cfg, dir, "TIMERINT 300\n");
    EXPECT_EQ(LinesOf(SaveText(cfg, dir), "TIMERINT"), "TIMERINT             300\n");
}

TEST(ConfigWriter, ValueForms)
{
    TempDir dir;
    const struct { const char* stmt; const char* keyword; const char* lines; } cases[] = {
        {"TODDRAG 1.0\n", "TODDRAG", ""},
        {"TODDRAG 2.0\n", "TODDRAG", "TODDRAG              2\n"},
        {"TODDRAG 1.5\n", "TODDRAG", "TODDRAG              1.5000\n"},
        {"TODDRAG 0.25\n", "TODDRAG", "TODDRAG              0.2500\n"},
        {"SHCMDOPT ENABLE NODIAG8\n", "SHCMDOPT", "SHCMDOPT             ENABLE NODIAG8\n"},
        {"SHCMDOPT ENABLE\n", "SHCMDOPT", "SHCMDOPT             ENABLE DIAG8\n"},
        {"", "SHCMDOPT", "SHCMDOPT             DISABLE NODIAG8\n"},
        {"", "SHRDPORT", ""},
        {"SHRDPORT 3990\n", "SHRDPORT", "SHRDPORT             3990\n"},
        {"PANTITLE \"Vorn system\"\n", "PANTITLE", "PANTITLE             \"Vorn system\"\n"},
        {"PANOPT TITLE=Vorn\n", "PANOPT", "PANOPT               FULLPATH RATE=50 TITLE=Vorn\n"},
        {"PANOPT MSGCOLOR=LIGHT\n", "PANOPT", "PANOPT               FULLPATH MSGCOLOR=LIGHT\n"},
        {"", "PANRATE", "PANRATE              50\n"},
        {"ECPSVM YES\n", "ECPSVM", "ECPSVM               YES TRAP\n"},
        {"", "ECPSVM", "ECPSVM               NO\n"},
        {"SCSIMOUNT YES\n", "SCSIMOUNT", "SCSIMOUNT            YES\n"},
        {"SCSIMOUNT YES\n", "AUTO_SCSI_MOUNT", ""},
        {"", "AUTO_SCSI_MOUNT", "AUTO_SCSI_MOUNT      NO\n"},
        {"CCKD RA=2\n", "CCKD", ""},
        {"CCKD RA=4,FREEPEND=2\n", "CCKD", "CCKD                 RA=4,FREEPEND=2\n"},
        {"", "HTTP", "HTTP                 PORT 80 NOAUTH\n"},
        {"", "MODPATH", "MODPATH              .\n"},
        {"MAINSIZE 1536K\n", "MAINSIZE", "MAINSIZE             1536K\n"},
        {"MAINSIZE 64\n", "MAINSIZE", "MAINSIZE             64\n"},
        {"SYSGPORT 23\n", "SYSGPORT", "SYSGPORT             23\n"},
        {"FACILITY ENABLE BIT44\n", "FACILITY", "FACILITY             ENABLE   BIT44\n"},
        {"", "ARCHLVL", "ARCHLVL              z/Arch\n"},
        {"ARCHLVL S/370\n", "ARCHLVL", "ARCHLVL              S/370\n"},
        {"HTTP PORT 8081 AUTH admin \"\"\n", "HTTP", "HTTP                 PORT 8081 AUTH admin \"\"\n"},
        {"TZOFFSET 'a \"b\"'\n", "TZOFFSET", "TZOFFSET             'a \"b\"'\n"},
        {"CODEPAGE \"819 1047\"\n", "CODEPAGE", "CODEPAGE             \"819 1047\"\n"},
        {"LOADPARM \"A B\"\n", "LOADPARM", "LOADPARM             \"A B.....\"\n"},
    };
    for (const auto& c : cases) {
        CVornConfigFile cfg;
        LoadWithDevice(cfg, dir, c.stmt);
        EXPECT_EQ(LinesOf(SaveText(cfg, dir), c.keyword), c.lines) << c.stmt;
        CVornConfigFile back;
        EXPECT_TRUE(back.Load(dir.Folder().c_str(), "out.cnf")) << c.stmt << JoinedErrors(back);
        // What was written reads back to the same text.
        std::string first = ReadBytes(dir.Path("out.cnf"));
        SaveText(back, dir);
        EXPECT_EQ(ReadBytes(dir.Path("out.cnf")), first) << c.stmt;
    }
}

TEST(ConfigWriter, Header)
{
    TempDir dir;
    CVornConfigFile cfg;
    LoadWithDevice(cfg, dir, "");
    cfg.m_strLoadUnit.Empty();
    std::string text = SaveText(cfg, dir);
    EXPECT_EQ(text.substr(0, text.find("ARCHLVL")),
              "#\n# Vornamic Emulator Control file...\n#\n# MaxShutdownSecs:   15\n"
              "# VornGUI Version:   1.21.0.6211\n#\n\n#  System parameters\n\n");
    cfg.m_bIgnoreParseErrors = true;
    cfg.m_strDescription = "Test system";
    text = SaveText(cfg, dir);
    EXPECT_NE(text.find("# Description:       Test system\n# MaxShutdownSecs:   15\n"
                        "# IgnoreParseErrors: 1\n"),
              std::string::npos);
}

TEST(ConfigWriter, UnrecognisedStatementsAreKeptUnchanged)
{
    TempDir dir;
    CVornConfigFile cfg;
    ASSERT_TRUE(LoadText(cfg, dir,
                         "# IgnoreParseErrors: 1\nAUTOFOO  x   \"y z\"\nNUMCPU 2\nINCLUDE more.cnf\n0009 3215\n"));
    std::string text = SaveText(cfg, dir);
    EXPECT_NE(text.find("YROFFSET             0\n\nAUTOFOO  x   \"y z\"\nINCLUDE more.cnf\n\n#  Console"),
              std::string::npos)
        << text;
}

TEST(ConfigWriter, DeviceGroups)
{
    TempDir dir;
    const struct { const char* devices; const char* section; } cases[] = {
        {"0120 3390 d.img\n0121 3390 d.img\n0122 3390 d.img\n0124 3390 d.img\n",
         "#  Disk Drives\n\n0120.3,0124  3390    d.img\n"},
        {"0120 3390 d.img\n", "#  Disk Drives\n\n0120    3390    d.img\n"},
        {"00FF 3390 d.img\n0100 3390 d.img\n", "#  Disk Drives\n\n00FF    3390    d.img\n0100    3390    d.img\n"},
        {"0100 3390 d.img\n1:0101 3390 d.img\n", "#  Disk Drives\n\n0100,1:0101  3390    d.img\n"},
        {"0100 3390 d.img\n0101 3390 e.img\n", "#  Disk Drives\n\n0100    3390    d.img\n0101    3390    e.img\n"},
        {"0190 3390 d.img\n000C 3505 cards.txt\n",
         "#  Card Readers\n\n000C    3505    cards.txt\n\n#  Disk Drives\n\n0190    3390    d.img\n"},
    };
    for (const auto& c : cases) {
        CVornConfigFile cfg;
        ASSERT_TRUE(LoadText(cfg, dir, c.devices)) << JoinedErrors(cfg);
        std::string text = SaveText(cfg, dir);
        EXPECT_EQ(text.substr(text.find("\n#  ", text.find("YROFFSET")) + 1), c.section) << c.devices;
        CVornConfigFile back;
        ASSERT_TRUE(back.Load(dir.Folder().c_str(), "out.cnf")) << c.devices << JoinedErrors(back);
        EXPECT_TRUE(back.m_devices == cfg.m_devices) << c.devices;
    }
}

TEST(ConfigWriter, KeptDeviceStatementsFollowTheDevices)
{
    // A second definition of a device number defines nothing and is kept as
    // written; before the device it would win on the next read.
    TempDir dir;
    CVornConfigFile cfg;
    ASSERT_TRUE(LoadText(cfg, dir,
                         "# IgnoreParseErrors: 1\n0120 3390 first.img\n0120 3390 second.img\n"
                         "0130 339 bad.img\nFOO bar\n"));
    const std::string text = SaveText(cfg, dir);
    EXPECT_LT(text.find("FOO bar"), text.find("first.img")) << text;
    EXPECT_LT(text.find("first.img"), text.find("0120 3390 second.img")) << text;
    EXPECT_LT(text.find("first.img"), text.find("0130 339 bad.img")) << text;

    CVornConfigFile again;
    ASSERT_TRUE(again.Load(dir.Folder().c_str(), "out.cnf")) << JoinedErrors(again);
    CVornDevice dev;
    ASSERT_TRUE(again.m_devices.Lookup(0x0120, dev));
    EXPECT_EQ(dev.m_strFirstArg, "first.img");
    EXPECT_EQ(again.m_keptStmts.GetSize(), cfg.m_keptStmts.GetSize());
}

TEST(ConfigWriter, IgnoreParseErrorsSwitchedOffLaterKeepsHiddenProblemsHidden)
{
    // The header counts from its line on; the writer puts it once at the top.
    struct {
        const char* pszText;
        bool bIgnore;       // the header written
        const char* pszErrors;
    } cases[] = {
        // A problem hidden before the header was switched off: written on.
        {"# IgnoreParseErrors: 1\nFOO bar\n# IgnoreParseErrors: 0\n0009 3215\n", true, ""},
        {"# IgnoreParseErrors: 1\nARCHLVL\n# IgnoreParseErrors: 0\n0009 3215\n", true, ""},
        // Nothing hidden: the last value holds.
        {"# IgnoreParseErrors: 1\n0009 3215\n# IgnoreParseErrors: 0\n", false, ""},
        // Problems after the switch are listed as before.
        {"# IgnoreParseErrors: 1\nFOO a\n# IgnoreParseErrors: 0\nBAR b\n0009 3215\n", true,
         "*** Warning: Line 4: Unrecognized statement"},
        {"FOO a\n# IgnoreParseErrors: 1\n0009 3215\n", true, "*** Warning: Line 1: Unrecognized statement"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        CVornConfigFile cfg;
        LoadText(cfg, dir, c.pszText);
        EXPECT_EQ(JoinedErrors(cfg), c.pszErrors) << c.pszText;
        EXPECT_EQ(cfg.m_bIgnoreParseErrors, c.bIgnore) << c.pszText;
        cfg.m_parseErrors.RemoveAll();
        cfg.m_bHasErrors = false;
        const std::string text = SaveText(cfg, dir);
        EXPECT_EQ(text.find("# IgnoreParseErrors: 1\n") != std::string::npos, c.bIgnore) << text;
        CVornConfigFile again;
        again.Load(dir.Folder().c_str(), "out.cnf");
        EXPECT_EQ(JoinedErrors(again), "") << c.pszText;
        EXPECT_EQ(again.m_bIgnoreParseErrors, c.bIgnore) << c.pszText;
    }
}

TEST(ConfigWriter, FacilityWordsWithBlanksStayOneWord)
{
    // Found by fuzzing: a facility name " " was written bare, and the saved
    // file read back as FACILITY ENABLE without a name.
    TempDir dir;
    CVornConfigFile cfg;
    LoadWithDevice(cfg, dir, "FACILITY ENABLE \" \"\nFACILITY DISABLE 'a \"b' \"z/ arch\"\n");
    const std::string text = SaveText(cfg, dir);
    EXPECT_NE(text.find("FACILITY             ENABLE   \" \"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("FACILITY             DISABLE  'a \"b'  \"z/ arch\"\n"), std::string::npos) << text;
    CVornConfigFile again;
    ASSERT_TRUE(again.Load(dir.Folder().c_str(), "out.cnf")) << JoinedErrors(again);
    EXPECT_FALSE(again.m_archLvls != cfg.m_archLvls);
}

TEST(ConfigWriter, ArgumentsEndingInOtherWhiteSpaceKeepIt)
{
    // Found by fuzzing: the statement's padding was trimmed with every
    // white-space character, so a protocol word "\f" vanished on saving and
    // the device with it.
    TempDir dir;
    CVornConfigFile cfg;
    LoadText(cfg, dir, "0380 3088 \f\n0381 3088 \f\n0400 1403 prt.txt\v\n0009 3215\n");
    ASSERT_EQ(cfg.m_devices.GetCount(), 4) << JoinedErrors(cfg);
    cfg.m_parseErrors.RemoveAll();
    cfg.m_bHasErrors = false;
    const std::string text = SaveText(cfg, dir);
    EXPECT_NE(text.find("0380.2  3088    \f\n"), std::string::npos) << text;
    EXPECT_NE(text.find("prt.txt\v\n"), std::string::npos) << text;
    CVornConfigFile again;
    again.Load(dir.Folder().c_str(), "out.cnf");
    EXPECT_TRUE(again.m_devices == cfg.m_devices);
}

TEST(ConfigWriter, DevicesWrittenAlikeAreFoldedAtOnce)
{
    // Found by fuzzing: the older "3088 CTCE" form and "CTCE" make unequal
    // devices that are written alike; they were folded only after the next
    // read, so the second save wrote other bytes than the first.
    TempDir dir;
    CVornConfigFile cfg;
    LoadText(cfg, dir, "0500 3088 ctce 1 h\n0508 ctce 1 h\n0009 3215\n");
    cfg.m_parseErrors.RemoveAll();
    cfg.m_bHasErrors = false;
    const std::string text = SaveText(cfg, dir);
    EXPECT_NE(text.find("0500,0508  CTCE    1 h\n"), std::string::npos) << text;
    CVornConfigFile again;
    ASSERT_TRUE(again.Load(dir.Folder().c_str(), "out.cnf")) << JoinedErrors(again);
    EXPECT_EQ(SaveText(again, dir, "again.cnf"), text);
}

TEST(ConfigWriter, EmptyFileNameBeforeOtherArgumentsStaysEmpty)
{
    // Found by fuzzing: an empty file name was written as nothing, so the
    // next argument read back as the file name, and a tape drive's alone
    // read back as "*".
    TempDir dir;
    CVornConfigFile cfg;
    LoadText(cfg, dir, "0120 3390 \"\" ro\n000D 3525 '' ascii\n0009 3215\n0140 3422 \"\"\n");
    ASSERT_EQ(cfg.m_devices.GetCount(), 4) << JoinedErrors(cfg);
    cfg.m_parseErrors.RemoveAll();
    cfg.m_bHasErrors = false;
    const std::string text = SaveText(cfg, dir);
    EXPECT_NE(text.find("0120    3390    \"\" ro\n"), std::string::npos) << text;
    EXPECT_NE(text.find("000D    3525    \"\" ascii\n"), std::string::npos) << text;
    EXPECT_NE(text.find("0140    3422    \"\"\n"), std::string::npos) << text;
    CVornConfigFile again;
    again.Load(dir.Folder().c_str(), "out.cnf");
    EXPECT_TRUE(again.m_devices == cfg.m_devices);
    again.m_parseErrors.RemoveAll();
    again.m_bHasErrors = false;
    EXPECT_EQ(SaveText(again, dir, "again.cnf"), text);
}
