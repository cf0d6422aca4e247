// ConfigSaveTest.cpp: when a configuration may not be saved or cannot be
// written, what the user is told and that the old file stays as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "config/ConfigMessages.h"
#include "tests/config/ConfigTestUtil.h"
#include "tests/config/SysStmtTestUtil.h"

namespace fs = std::filesystem;

namespace {

struct Shown {
    std::string strMain, strDetail, strCaption;
    DWORD dwCode;  // the error code of an error box, the icon flags of a message box
};

std::vector<Shown> g_shown;

void RecordError(LPCSTR pszText, LPCSTR pszDetail, DWORD dwError)
{
    g_shown.push_back({pszText, pszDetail, "", dwError});
}

void RecordBox(LPCSTR pszMain, LPCSTR pszDetail, LPCSTR pszCaption, UINT nFlags)
{
    g_shown.push_back({pszMain, pszDetail, pszCaption, nFlags});
}

// Installs the recorders for the test's lifetime.
class ConfigSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_shown.clear();
        m_pfnOldError = SetConfigErrorMessageHook(RecordError);
        m_pfnOldBox = SetConfigMessageBoxHook(RecordBox);
    }
    void TearDown() override
    {
        SetConfigErrorMessageHook(m_pfnOldError);
        SetConfigMessageBoxHook(m_pfnOldBox);
    }

    // A valid configuration read from the temporary folder.
    void LoadValid(CVornConfigFile& cfg)
    {
        ASSERT_TRUE(LoadText(cfg, m_dir, "NUMCPU 2\n0009 3215\n", "src.cnf")) << JoinedErrors(cfg);
    }

    TempDir m_dir;

private:
    ConfigErrorMessageHook m_pfnOldError = nullptr;
    ConfigMessageBoxHook m_pfnOldBox = nullptr;
};

}  // namespace

TEST_F(ConfigSave, RefusedWithoutDevicesOrPath)
{
    CVornConfigFile cfg;
    cfg.m_strFolder = m_dir.Folder().c_str();
    cfg.m_strFileName = "x.cnf";
    EXPECT_EQ(cfg.Save(true), 13u);
    ASSERT_EQ(g_shown.size(), 1u);
    EXPECT_EQ(g_shown[0].strMain, "Cannot save configuration:");
    EXPECT_EQ(g_shown[0].strDetail, "\"" + m_dir.Path("x.cnf") + "\"\n\nNo path, no devices or invalid data.");
    EXPECT_EQ(g_shown[0].strCaption, "Save Error");
    EXPECT_EQ(g_shown[0].dwCode, 0x30u);
    EXPECT_FALSE(fs::exists(m_dir.Path("x.cnf")));

    CVornConfigFile unnamed;
    LoadValid(unnamed);
    unnamed.m_strFileName.Empty();
    EXPECT_EQ(unnamed.Save(false), 13u);
    EXPECT_EQ(g_shown.size(), 1u);  // nothing shown without show errors
}

TEST_F(ConfigSave, ParseErrorsRefuseUnlessThePreferenceAllows)
{
    ScopedMemorySettings settings;
    CVornConfigFile cfg;
    EXPECT_FALSE(LoadText(cfg, m_dir, "NUMCPU x\n0009 3215\n", "bad.cnf"));
    std::string strOld = ReadBytes(m_dir.Path("bad.cnf"));
    EXPECT_EQ(cfg.Save(true), 13u);
    EXPECT_EQ(ReadBytes(m_dir.Path("bad.cnf")), strOld);
    ScopedLiveOption ignore(g_bIgnoreConfigFileParseErrors, true);
    EXPECT_EQ(cfg.Save(true), 0u);
    EXPECT_NE(ReadBytes(m_dir.Path("bad.cnf")), strOld);
}

TEST_F(ConfigSave, MissingFolderIsReported)
{
    CVornConfigFile cfg;
    LoadValid(cfg);
    std::string strFolder = m_dir.Path("gone") + "/";
    DWORD rc = cfg.SaveAs(strFolder.c_str(), "x.cnf");
    EXPECT_NE(rc, 0u);
    EXPECT_NE(rc, 13u);
    ASSERT_EQ(g_shown.size(), 1u);
    EXPECT_EQ(g_shown[0].strMain, "The configuration file could not be opened.");
    EXPECT_EQ(g_shown[0].strDetail, "\"" + strFolder + "x.cnf\"");
    EXPECT_EQ(g_shown[0].dwCode, rc);
    EXPECT_FALSE(fs::exists(strFolder));
}

TEST_F(ConfigSave, TargetThatIsAFolderIsLeftAlone)
{
    CVornConfigFile cfg;
    LoadValid(cfg);
    fs::create_directory(m_dir.Path("dir.cnf"));
    EXPECT_NE(cfg.SaveAs(m_dir.Folder().c_str(), "dir.cnf"), 0u);
    EXPECT_EQ(g_shown.size(), 1u);
    EXPECT_TRUE(fs::is_directory(m_dir.Path("dir.cnf")));
}

TEST_F(ConfigSave, ReadOnlyFileStaysByteIdentical)
{
    CVornConfigFile cfg;
    LoadValid(cfg);
    std::string strOld = "* the old file\r\n0009 3215\r\n";
    std::string strPath = m_dir.Write("ro.cnf", strOld);
    // The read-only attribute under Windows; no write permission natively,
    // which the writer honours even for the superuser.
    fs::permissions(strPath, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    DWORD rc = cfg.SaveAs(m_dir.Folder().c_str(), "ro.cnf");
    EXPECT_NE(rc, 0u);
    ASSERT_EQ(g_shown.size(), 1u);
    EXPECT_EQ(g_shown[0].strMain, "The configuration file could not be opened.");
    EXPECT_EQ(g_shown[0].dwCode, rc);
    EXPECT_EQ(ReadBytes(strPath), strOld);
    fs::permissions(strPath, fs::perms::owner_write, fs::perm_options::add);
    // Once writable again the same configuration saves.
    EXPECT_EQ(cfg.Save(true), 0u);
    EXPECT_NE(ReadBytes(strPath), strOld);
}

TEST_F(ConfigSave, SaveAsTakesTheNewName)
{
    CVornConfigFile cfg;
    LoadValid(cfg);
    EXPECT_EQ(cfg.SaveAs(m_dir.Folder().c_str(), "copy.cnf"), 0u);
    EXPECT_EQ(cfg.m_strFileName, "copy.cnf");
    CVornConfigFile back;
    EXPECT_TRUE(back.Load(m_dir.Folder().c_str(), "copy.cnf")) << JoinedErrors(back);
    EXPECT_EQ(back.m_nNumCPUs, 2);
    EXPECT_TRUE(g_shown.empty());
}

TEST_F(ConfigSave, SaveAsFullPathSplitsFolderAndName)
{
    // Paths are split in their Windows form; the host's own paths use '/'.
    if (m_dir.Folder().find('/') != std::string::npos)
        GTEST_SKIP() << "Windows paths only";
    CVornConfigFile cfg;
    LoadValid(cfg);
    EXPECT_EQ(cfg.SaveAs(CString(m_dir.Path("full.cnf").c_str())), 0u);
    EXPECT_EQ(cfg.m_strFileName, "full.cnf");
    EXPECT_EQ(cfg.m_strFolder.Right(1), "\\");
    CVornConfigFile back;
    EXPECT_TRUE(back.Load(CString(m_dir.Path("full.cnf").c_str()))) << JoinedErrors(back);
    EXPECT_EQ(back.m_nNumCPUs, 2);
}
