// CIniSettingsStoreTest.cpp: the .INI settings store: round trips, the
// file form, other content kept, and hostile files.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/CIniSettingsStore.h"

namespace {

const char* kIni = "core_tests_settings.ini";

void WriteFile(const std::string& bytes)
{
    FILE* f = std::fopen(kIni, "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::string ReadFile()
{
    std::string s;
    FILE* f = std::fopen(kIni, "rb");
    if (!f)
        return s;
    int c;
    while ((c = std::fgetc(f)) != EOF)
        s += (char)c;
    std::fclose(f);
    return s;
}

struct IniStoreTest : ::testing::Test {
    void SetUp() override { std::remove(kIni); }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::permissions(kIni, std::filesystem::perms::owner_write, std::filesystem::perm_options::add,
                                     ec);
        std::remove(kIni);
    }
};

}  // namespace

TEST_F(IniStoreTest, RoundTripOfEveryType)
{
    const std::string texts[] = {"",  "plain", "C:\\Vorn\\Disks\\", "  lead and trail  ", "\"quoted\"",
                                 "x\"y", "tab\tin", "line\nfeed\r\n", "ctl\x01\x7f", "\\x41 not an escape",
                                 "a=b=c", "; not a comment", "[not a section]", "\xe9t\xe9", "\\"};
    const int ints[] = {0, 1, -1, 2147483647, -2147483647 - 1, 3990};
    {
        CIniSettingsStore store(kIni);
        for (size_t i = 0; i < sizeof texts / sizeof texts[0]; ++i)
            ASSERT_TRUE(store.WriteString("Settings\\FindRep", ("strText" + std::to_string(i)).c_str(),
                                          texts[i].c_str()));
        for (size_t i = 0; i < sizeof ints / sizeof ints[0]; ++i)
            ASSERT_TRUE(store.WriteInt("Limits", ("nValue" + std::to_string(i)).c_str(), ints[i]));
    }
    CIniSettingsStore again(kIni);
    for (size_t i = 0; i < sizeof texts / sizeof texts[0]; ++i) {
        CString s("default");
        ASSERT_TRUE(again.GetString("settings\\findrep", ("STRTEXT" + std::to_string(i)).c_str(), s)) << i;
        EXPECT_EQ(s.str(), texts[i]) << i;
    }
    for (size_t i = 0; i < sizeof ints / sizeof ints[0]; ++i) {
        int n = 12345;
        ASSERT_TRUE(again.GetInt("Limits", ("nValue" + std::to_string(i)).c_str(), n));
        EXPECT_EQ(n, ints[i]);
    }
    int n = 77;
    EXPECT_FALSE(again.GetInt("Limits", "nMissing", n));
    EXPECT_FALSE(again.GetInt("Settings\\FindRep", "strText1", n));  // "plain" is not a number
    EXPECT_EQ(n, 77);
}

TEST_F(IniStoreTest, FileFormAndOtherContentKept)
{
    WriteFile("; VornGUI settings\r\n[Options]\r\nbVerbose = 1\r\n\r\n[Other]\nkeep=this\ngarbage line\n");
    CIniSettingsStore store(kIni);
    int n = 0;
    ASSERT_TRUE(store.GetInt("options", "BVERBOSE", n));
    EXPECT_EQ(n, 1);
    ASSERT_TRUE(store.WriteInt("Options", "bVerbose", 0));
    ASSERT_TRUE(store.WriteString("Options", "strName", " x "));
    ASSERT_TRUE(store.WriteString("New\\Section", "k", "v"));
    EXPECT_EQ(ReadFile(),
              "; VornGUI settings\r\n[Options]\r\nbVerbose=0\r\nstrName=\" x \"\r\n\r\n[Other]\r\nkeep=this\r\n"
              "garbage line\r\n[New\\Section]\r\nk=v\r\n");
    ASSERT_TRUE(store.DeleteEntry("Options", "strName"));
    ASSERT_TRUE(store.DeleteEntry("Options", "nNotThere"));
    ASSERT_TRUE(store.DeleteSection("other"));
    ASSERT_TRUE(store.DeleteSection("Never"));
    EXPECT_EQ(ReadFile(), "; VornGUI settings\r\n[Options]\r\nbVerbose=0\r\n\r\n[New\\Section]\r\nk=v\r\n");
}

TEST_F(IniStoreTest, BadNamesRefused)
{
    CIniSettingsStore store(kIni);
    EXPECT_FALSE(store.WriteString("A]B", "k", "v"));
    EXPECT_FALSE(store.WriteString("", "k", "v"));
    EXPECT_FALSE(store.WriteString("S", "k=x", "v"));
    EXPECT_FALSE(store.WriteString("S", "[k", "v"));
    EXPECT_FALSE(store.WriteString("S", " k", "v"));
    EXPECT_FALSE(store.WriteString("S", "k\n", "v"));
    EXPECT_FALSE(store.WriteInt(nullptr, "k", 1));
    EXPECT_FALSE(store.WriteInt("S", nullptr, 1));
    CString s;
    EXPECT_FALSE(store.GetString(nullptr, "k", s));
    EXPECT_EQ(ReadFile(), "");
}

TEST_F(IniStoreTest, HostileFileDoesNotCrash)
{
    std::string hostile = "[\r\n[]\r\n]\r\n=\r\n==\r\n[S]\r\n";
    hostile += "big=" + std::string(100000, 'b') + "\r\n";
    hostile += std::string("nul=a\0b", 7) + "\r\n";
    hostile += "quote=\"unterminated\r\nesc=\"\\x4\"\r\nesc2=\"\\\"\r\n";
    hostile += "n=99999999999\r\nn2=-\r\nn3=4294967295\r\n";
    hostile += std::string(100000, '[') + "\r\n" + std::string("\0\xff\xfe", 3);
    WriteFile(hostile);
    CIniSettingsStore store(kIni);
    CString s;
    ASSERT_TRUE(store.GetString("S", "big", s));
    EXPECT_EQ(s.GetLength(), 100000);
    ASSERT_TRUE(store.GetString("S", "nul", s));
    EXPECT_EQ(s.str(), std::string("a\0b", 3));
    ASSERT_TRUE(store.GetString("S", "quote", s));
    EXPECT_EQ(s, "\"unterminated");
    ASSERT_TRUE(store.GetString("S", "esc", s));
    EXPECT_EQ(s, "\\x4");
    ASSERT_TRUE(store.GetString("S", "esc2", s));
    EXPECT_EQ(s, "\\");
    int n = 5;
    EXPECT_FALSE(store.GetInt("S", "n", n));
    EXPECT_FALSE(store.GetInt("S", "n2", n));
    ASSERT_TRUE(store.GetInt("S", "n3", n));
    EXPECT_EQ(n, -1);
    ASSERT_TRUE(store.WriteString("S", "added", "ok"));
    CIniSettingsStore again(kIni);
    ASSERT_TRUE(again.GetString("S", "added", s));
    EXPECT_EQ(s, "ok");
    ASSERT_TRUE(again.GetString("S", "big", s));
    EXPECT_EQ(s.GetLength(), 100000);
}

TEST_F(IniStoreTest, UnwritableFileFails)
{
    CIniSettingsStore store("no_such_dir_xyz/settings.ini");
    EXPECT_FALSE(store.WriteInt("S", "k", 1));
    store.BeginUpdate();
    EXPECT_TRUE(store.WriteInt("S", "k", 1));
    EXPECT_FALSE(store.EndUpdate());
}

namespace {

struct SaveFailure {
    std::string strPath;
    bool bWriteFailed;
    DWORD dwError;
};
std::vector<SaveFailure> g_failures;

void RecordSaveFailure(const char* pszPath, bool bWriteFailed, DWORD dwError)
{
    g_failures.push_back({pszPath, bWriteFailed, dwError});
}

namespace fs = std::filesystem;

void SetReadOnly(bool bReadOnly)
{
    const fs::perms write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(kIni, bReadOnly ? write : fs::perms::owner_write,
                    bReadOnly ? fs::perm_options::remove : fs::perm_options::add);
}

}  // namespace

TEST_F(IniStoreTest, FailedSaveKeepsTheOldFileAndTheValuesAndReportsOnce)
{
    const std::string strOld = "[Settings]\r\nstrKeep=old\r\n\r\n[Tail]\r\nlast=1\r\n";
    WriteFile(strOld);
    SetReadOnly(true);
    g_failures.clear();
    CIniSettingsStore::SaveFailedHook pfnOld = CIniSettingsStore::SetSaveFailedHook(RecordSaveFailure);
    {
        CIniSettingsStore store(kIni);
        EXPECT_FALSE(store.WriteString("Settings", "strNew", "a"));
        EXPECT_FALSE(store.WriteInt("Settings", "nNew", 7));
        EXPECT_FALSE(store.DeleteEntry("Tail", "last"));
        store.BeginUpdate();
        EXPECT_TRUE(store.WriteInt("List", "n_nCount", 0));
        EXPECT_FALSE(store.EndUpdate());
        EXPECT_EQ(ReadFile(), strOld);
        ASSERT_EQ(g_failures.size(), 1u);  // told once
        EXPECT_EQ(g_failures[0].strPath, kIni);
        EXPECT_FALSE(g_failures[0].bWriteFailed);
        EXPECT_NE(g_failures[0].dwError, 0u);
        CString strValue;
        EXPECT_TRUE(store.GetString("Settings", "strNew", strValue));
        EXPECT_EQ(strValue.str(), "a");

        // Writable again: the next write saves everything kept meanwhile,
        // and a later failure is told again.
        SetReadOnly(false);
        EXPECT_TRUE(store.WriteInt("Settings", "nMore", 1));
        EXPECT_EQ(ReadFile(),
                  "[Settings]\r\nstrKeep=old\r\nstrNew=a\r\nnNew=7\r\nnMore=1\r\n\r\n[Tail]\r\n[List]\r\n"
                  "n_nCount=0\r\n");
        SetReadOnly(true);
        EXPECT_FALSE(store.WriteInt("Settings", "nMore", 2));
        EXPECT_EQ(g_failures.size(), 2u);
        SetReadOnly(false);
    }
    // What the last failed save kept is written when the store goes.
    CIniSettingsStore again(kIni);
    int n = 0;
    EXPECT_TRUE(again.GetInt("Settings", "nMore", n));
    EXPECT_EQ(n, 2);
    CIniSettingsStore::SetSaveFailedHook(pfnOld);
}

TEST(IniValueForm, EncodeDecodeTable)
{
    struct Case {
        const char* value;
        const char* text;
    };
    const Case cases[] = {
        {"abc", "abc"}, {"", ""}, {" a", "\" a\""}, {"\"", "\"\\\"\""}, {"a\nb", "\"a\\nb\""},
        {"\x02", "\"\\x02\""}, {"C:\\x", "C:\\x"}, {"q\"", "q\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CIniSettingsStore::EncodeValue(c.value), c.text) << c.value;
        EXPECT_EQ(CIniSettingsStore::DecodeValue(c.text), c.value) << c.text;
    }
    EXPECT_EQ(CIniSettingsStore::DecodeValue("  padded  "), "padded");
}

// Writing the values entries already have leaves the file alone (groups of
// settings are written whole, mostly unchanged); a changed value rewrites
// it, and after a failed save the same value is written again.
TEST_F(IniStoreTest, UnchangedValuesDoNotRewriteTheFile)
{
    WriteFile("[S]\r\nn=5\r\nstr=\" padded \"\r\nplain=abc\r\n");
    CIniSettingsStore store(kIni);
    const std::string strOutside = "changed outside\r\n";
    WriteFile(strOutside);
    EXPECT_TRUE(store.WriteInt("S", "n", 5));
    EXPECT_TRUE(store.WriteString("S", "str", " padded "));
    EXPECT_EQ(ReadFile(), strOutside);
    EXPECT_TRUE(store.WriteString("s", "PLAIN", "abc"));  // the line's spelling changes
    EXPECT_EQ(ReadFile(), "[S]\r\nn=5\r\nstr=\" padded \"\r\nPLAIN=abc\r\n");

    WriteFile(strOutside);
    store.BeginUpdate();
    EXPECT_TRUE(store.WriteInt("S", "n", 5));
    EXPECT_TRUE(store.WriteString("S", "str", " padded "));
    EXPECT_TRUE(store.EndUpdate());
    EXPECT_EQ(ReadFile(), strOutside);
    EXPECT_TRUE(store.WriteInt("S", "n", 6));
    EXPECT_EQ(ReadFile(), "[S]\r\nn=6\r\nstr=\" padded \"\r\nPLAIN=abc\r\n");

    SetReadOnly(true);
    g_failures.clear();
    CIniSettingsStore::SaveFailedHook pfnOld = CIniSettingsStore::SetSaveFailedHook(RecordSaveFailure);
    EXPECT_FALSE(store.WriteInt("S", "n", 7));
    SetReadOnly(false);
    EXPECT_TRUE(store.WriteInt("S", "n", 7));
    EXPECT_EQ(ReadFile(), "[S]\r\nn=7\r\nstr=\" padded \"\r\nPLAIN=abc\r\n");
    EXPECT_EQ(g_failures.size(), 1u);
    CIniSettingsStore::SetSaveFailedHook(pfnOld);
}
