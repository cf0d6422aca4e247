// ViewSettingsTest.cpp: the view's stored preferences: defaults from an
// empty store, corrections of a hostile one, the save order's round trip,
// and the folder lists in the old and new formats.
#include "tests/session/SessionStoreFixture.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/PathFunctions.h"
#include "session/ViewSettings.h"

namespace {
using ViewSettingsTest = SessionStoreFixture;
}

TEST_F(ViewSettingsTest, EmptyStoreGivesDefaults)
{
    CViewSettings s;
    s.Load();
    EXPECT_TRUE(s.m_bSearchFwd);
    EXPECT_EQ(s.m_nPowerOff, 0);
    EXPECT_EQ(s.m_strFilters[kFilterConfig], "*.cnf;*.conf;*.txt");
    EXPECT_EQ(s.m_strFilters[kFilterTape], "*.aws;*.vet;*.tdf");
    EXPECT_EQ(s.m_strExtraCmdLineArgs, "EXTERNALGUI");
    EXPECT_TRUE(s.m_bBeepWhenUtilityIsDone);
    EXPECT_EQ(s.m_crBackground, 0xFFFFFFu);
    EXPECT_EQ(s.m_strFontName, "Courier New");
    EXPECT_EQ(s.m_nFontSize, 10);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(s.m_styles[k].crColor, 0u);
    EXPECT_TRUE(s.m_bStatusOnBar);
    const BYTE order[5] = {0, 1, 2, 3, 4};
    const bool see[5] = {true, true, false, true, true};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(s.m_nPartOrder[i], order[i]);
        EXPECT_EQ(s.m_bPartVisible[i], see[i]);
    }
    EXPECT_TRUE(s.m_dirs[kDirLogFiles].IsEmpty());
    EXPECT_EQ(s.GetFirstDir(kDirLogFiles), "");
}

TEST_F(ViewSettingsTest, KindColoursDefaultToPlainColour)
{
    ProfileWriteInt("Settings", "FontColor", 0x123456);
    ProfileWriteInt("Settings", "ErrorMsgsColor", 0x0000FF);
    CViewSettings s;
    s.Load();
    EXPECT_EQ(s.m_styles[1].crColor, 0x123456u);
    EXPECT_EQ(s.m_styles[3].crColor, 0x0000FFu);
}

TEST_F(ViewSettingsTest, HostileValuesAreCorrected)
{
    ProfileWriteInt("Options", "PowerOff", 3);
    ProfileWriteString("Settings", "StatLinePartSeq", "9x!23");
    ProfileWriteString("Settings", "StatLineSeePart", "1");
    CViewSettings s;
    s.Load();
    EXPECT_EQ(s.m_nPowerOff, 0);
    // "9x!23" reads as 4, 4, 0, 2, 3: part 4 twice, so the default order.
    const BYTE order[5] = {0, 1, 2, 3, 4};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(s.m_nPartOrder[i], order[i]);
        EXPECT_EQ(s.m_bPartVisible[i], i == 0);
    }
    ProfileWriteInt("Options", "PowerOff", -1);
    s.Load();
    EXPECT_EQ(s.m_nPowerOff, 0);
}

TEST_F(ViewSettingsTest, ShortAndEmptyPartTexts)
{
    BYTE order[5];
    bool see[5];
    // Missing characters count as '0': "00000" repeats part 0, so the
    // order is the default one.
    ParseStatusLineParts("", "", order, see);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(order[i], i);
        EXPECT_FALSE(see[i]);
    }
    ParseStatusLineParts("42", "01", order, see);
    EXPECT_EQ(order[0], 0);
    EXPECT_EQ(order[1], 1);
    EXPECT_EQ(order[2], 2);
    EXPECT_TRUE(see[1]);
    EXPECT_FALSE(see[2]);
    ParseStatusLineParts("42130", "01", order, see);
    EXPECT_EQ(order[0], 4);
    EXPECT_EQ(order[1], 2);
    EXPECT_EQ(order[4], 0);
}

// A repeated part or a digit out of range gives the default order; any
// permutation stays as stored.
TEST(ParseStatusLineParts, OnlyPermutationsAreKept)
{
    struct Case {
        const char* pszSeq;
        const char* pszOrder;
    } const cases[] = {
        {"00000", "01234"}, {"43210", "43210"}, {"01234", "01234"}, {"12340", "12340"}, {"01233", "01234"},
        {"0123", "01234"},  {"0123456", "01234"}, {"9876", "01234"}, {"4321x", "01234"}, {"40312", "40312"},
    };
    for (const Case& c : cases) {
        BYTE order[5];
        bool see[5];
        ParseStatusLineParts(c.pszSeq, "11111", order, see);
        std::string str;
        for (BYTE b : order)
            str += (char)('0' + b);
        EXPECT_EQ(str, c.pszOrder) << c.pszSeq;
        EXPECT_TRUE(IsStatusLinePartOrder(order));
    }
}

TEST_F(ViewSettingsTest, OldShellDirectoryEntryIsTakenWhenNewIsEmpty)
{
    ProfileWriteString("Settings", "SHCmdTargetDir", "C:/work/");
    CViewSettings s;
    s.Load();
    EXPECT_EQ(s.m_strCmdTargetDir, "C:/work/");
    ProfileWriteString("Settings", "CmdTargetDir", "D:/new/");
    s.Load();
    EXPECT_EQ(s.m_strCmdTargetDir, "D:/new/");
}

TEST_F(ViewSettingsTest, ShellTargetDirFallsBackAndIsWrittenBack)
{
    ProfileWriteString("Settings", "SHCmdTargetDir", dir.Folder().c_str());
    CViewSettings s;
    s.Load();
    const CString strShown = WindowsizedDirectory(dir.Folder().c_str(), true);
    EXPECT_EQ(ChooseShellTargetDir(s.m_strCmdTargetDir, "", "P:/"), strShown);
    EXPECT_EQ(ProfileGetString("Settings", "CmdTargetDir", ""), strShown);
    CString strMissing = CString(dir.Folder().c_str()) + "missing/";
    EXPECT_EQ(ChooseShellTargetDir(strMissing, CString(dir.Folder().c_str()), "P:/"), strShown);
    EXPECT_EQ(ChooseShellTargetDir(strMissing, strMissing, "P:/"), "P:\\");
    EXPECT_EQ(ProfileGetString("Settings", "CmdTargetDir", ""), "P:\\");
}

TEST_F(ViewSettingsTest, SaveLoadRoundTrip)
{
    CViewSettings s;
    s.Load();
    s.m_bSearchFwd = false;
    s.m_nPowerOff = 2;
    s.m_strFontName = "Lucida Console";
    s.m_styles[4].crColor = 0x00A5FF;
    s.m_styles[3].bBold = true;
    s.m_styles[2].bItalic = true;
    s.m_strSessDesc = "night run";
    s.m_strPrevTapeFile = "t.aws";
    s.m_dirs[kDirTapeFiles].Add("C:\\tapes\\");
    s.m_strPrevConfigDir = "C:/cfg";  // as an older release kept it
    g_bAggregateStats = false;
    s.Save();
    CViewSettings t;
    t.Load();
    EXPECT_FALSE(t.m_bSearchFwd);
    EXPECT_EQ(t.m_nPowerOff, 2);
    EXPECT_EQ(t.m_strFontName, "Lucida Console");
    EXPECT_EQ(t.m_styles[4].crColor, 0x00A5FFu);
    EXPECT_TRUE(t.m_styles[3].bBold);
    EXPECT_TRUE(t.m_styles[2].bItalic);
    EXPECT_EQ(t.m_strSessDesc, "night run");
    EXPECT_EQ(t.m_strPrevTapeFile, "t.aws");
    EXPECT_EQ(t.GetFirstDir(kDirTapeFiles), "C:\\tapes\\");
    EXPECT_EQ(t.m_strPrevConfigDir, "C:\\cfg\\");
    EXPECT_FALSE(g_bAggregateStats);
    g_bAggregateStats = true;
    // Entries the view never writes.
    EXPECT_EQ(ProfileGetString("Settings", "StatLinePartSeq", "-"), "-");
    EXPECT_EQ(ProfileGetString("Settings", "Emulator.exe", "-"), "-");
}

TEST_F(ViewSettingsTest, OldFormatFolderListIsReadInOrderAndConverted)
{
    ProfileWriteInt("TapeFilesDirectories", "NumEntries", 2);
    ProfileWriteString("TapeFilesDirectories", "1", "C:\\A");
    ProfileWriteString("TapeFilesDirectories", "2", "C:\\B\\");
    CStringArray list;
    LoadDirectoryList(list, "TapeFilesDirectories");
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list[0], "C:\\A\\");
    EXPECT_EQ(list[1], "C:\\B\\");
    SaveDirectoryList(list, "TapeFilesDirectories");
    EXPECT_EQ((int)ProfileGetInt("TapeFilesDirectories", "NumEntries", -1), -1);
    EXPECT_EQ((int)ProfileGetInt("Settings", "NewFmtPrefDirs", 0), 1);
    CStringArray again;
    LoadDirectoryList(again, "TapeFilesDirectories");
    ASSERT_EQ(again.GetSize(), 2);
    EXPECT_EQ(again[1], "C:\\B\\");
}

// One form and one entry per folder: "C:\\vorn", "C:/vorn/" and "c:\\VORN\\"
// are the same folder, kept in the first spelling's letters and in Windows
// form, as the Directories page shows it and the settings keep it.
TEST(FolderLists, EachFolderStandardizedOnce)
{
    struct Row {
        std::vector<const char*> in;
        bool bKeepEmptyHead;
        std::vector<const char*> out;
    };
    const Row rows[] = {
        {{"C:\\vorn", "C:/vorn/", "c:\\VORN\\", "D:\\logs"}, false, {"C:\\vorn\\", "D:\\logs\\"}},
        {{" C:\\a\\\\b ", "C:/a/b"}, false, {"C:\\a\\b\\"}},
        {{"", "C:/vorn", "", "  "}, true, {"", "C:\\vorn\\"}},
        {{"", "C:\\vorn"}, false, {"C:\\vorn\\"}},
        {{"//host/share", "\\\\host\\share\\"}, false, {"\\\\host\\share\\"}},
        {{}, true, {}},
    };
    for (const Row& r : rows) {
        CStringArray list;
        for (const char* psz : r.in)
            list.Add(psz);
        StandardizeDirectoryList(list, r.bKeepEmptyHead);
        std::vector<std::string> got;
        for (INT_PTR i = 0; i < list.GetSize(); ++i)
            got.push_back(list[i].GetString());
        EXPECT_EQ(got, std::vector<std::string>(r.out.begin(), r.out.end())) << (r.in.empty() ? "" : r.in[0]);
    }
}

TEST_F(ViewSettingsTest, HostileOldFolderCountIsCut)
{
    ProfileWriteInt("DiskFilesDirectories", "NumEntries", 2000000000);
    ProfileWriteString("DiskFilesDirectories", "3", "D:/disks");
    CStringArray list;
    LoadDirectoryList(list, "DiskFilesDirectories");
    ASSERT_EQ(list.GetSize(), 1);
    EXPECT_EQ(list[0], "D:\\disks\\");
}

TEST(ViewSettingsEnv, DefaultConfigName)
{
    const char* pszOld = std::getenv("VORNAMIC_CNF");
    std::string strOld = pszOld ? pszOld : "";
#ifdef _WIN32
    _putenv("VORNAMIC_CNF=");
    EXPECT_EQ(DefaultConfigFileName(), "vornamic.cnf");
    _putenv("VORNAMIC_CNF=my.cnf");
    EXPECT_EQ(DefaultConfigFileName(), "my.cnf");
    _putenv(("VORNAMIC_CNF=" + strOld).c_str());
#else
    unsetenv("VORNAMIC_CNF");
    EXPECT_EQ(DefaultConfigFileName(), "vornamic.cnf");
    setenv("VORNAMIC_CNF", "my.cnf", 1);
    EXPECT_EQ(DefaultConfigFileName(), "my.cnf");
    if (pszOld)
        setenv("VORNAMIC_CNF", strOld.c_str(), 1);
    else
        unsetenv("VORNAMIC_CNF");
#endif
}

TEST(StatusLinePartsTest, OrderAndVisibilityFormatAsStored)
{
    struct Row {
        BYTE order[5];
        bool see[5];
        const char* pszSeq;
        const char* pszSee;
    };
    const Row rows[] = {
        {{0, 1, 2, 3, 4}, {true, true, false, true, true}, "01234", "11011"},
        {{4, 3, 2, 1, 0}, {false, false, false, false, false}, "43210", "00000"},
        {{2, 0, 4, 1, 3}, {true, false, true, false, true}, "20413", "10101"},
    };
    for (const Row& r : rows) {
        CString strSeq, strSee;
        FormatStatusLineParts(r.order, r.see, strSeq, strSee);
        EXPECT_EQ(strSeq, r.pszSeq);
        EXPECT_EQ(strSee, r.pszSee);
        // Read back, they give the same order and visibility.
        BYTE order[5];
        bool see[5];
        ParseStatusLineParts(strSeq, strSee, order, see);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(order[i], r.order[i]) << r.pszSeq;
            EXPECT_EQ(see[i], r.see[i]) << r.pszSee;
        }
        EXPECT_TRUE(IsStatusLinePartOrder(r.order)) << r.pszSeq;
    }
}

TEST(StatusLinePartsTest, OnlyPermutationsAreOrders)
{
    const BYTE bad[][5] = {{0, 0, 0, 0, 0}, {0, 1, 2, 3, 3}, {0, 1, 2, 3, 5}, {4, 3, 2, 1, 255}};
    for (const auto& order : bad)
        EXPECT_FALSE(IsStatusLinePartOrder(order)) << (int)order[0] << (int)order[4];
}
