// CodePageHistoryTest.cpp: the code page's shown and stored forms and the
// "Settings"/"CodePages" history: its default, splitting, rebuilding with
// the current code page first and once, and the round trip through the
// settings store.
#include <gtest/gtest.h>

#include <string>

#include "config/CodePageHistory.h"
#include "platform/ProfileStore.h"
#include "tests/config/SettingsStoreFixture.h"

namespace {

struct SFormCase {
    const char* pszStored;
    const char* pszShown;
};

const SFormCase kForms[] = {
    {"819/1047", "819 / 1047"}, {"819/037", "819 / 037"}, {"default", "default"},
    {"ISOANSI/037", "ISOANSI / 037"}, {"", ""}, {"1252/037v2", "1252 / 037v2"},
};

TEST(CodePageHistory, ShownWithSpacedSlashStoredWithoutBlanks)
{
    for (const SFormCase& c : kForms) {
        EXPECT_EQ(c.pszShown, std::string(CodePageShown(c.pszStored))) << c.pszStored;
        EXPECT_EQ(c.pszStored, std::string(CodePageStored(c.pszShown))) << c.pszStored;
    }
    EXPECT_EQ("819 / 1047", std::string(CodePageShown(" 819 /1047 ")));
    EXPECT_EQ("819/1047", std::string(CodePageStored("  819  /  1047")));
}

TEST(CodePageHistory, DefaultHasTwentyTwoEntries)
{
    CStringArray entries;
    SplitCodePageHistory(kDefaultCodePageHistory, entries);
    ASSERT_EQ(22, entries.GetSize());
    EXPECT_EQ("437 / 037", std::string(entries[0]));
    EXPECT_EQ("819 / 1047", std::string(entries[13]));
    EXPECT_EQ("default", std::string(entries[21]));
}

TEST(CodePageHistory, SplitSkipsEmptyEntries)
{
    CStringArray entries;
    SplitCodePageHistory(";;819 / 037; ;1252 / 1140", entries);
    ASSERT_EQ(2, entries.GetSize());
    EXPECT_EQ("1252 / 1140", std::string(entries[1]));
    SplitCodePageHistory(";", entries);
    EXPECT_EQ(0, entries.GetSize());
}

TEST(CodePageHistory, BuildPutsTheCurrentFirstAndOnce)
{
    CStringArray entries;
    SplitCodePageHistory(";437 / 037;819 / 1047;DEFAULT;", entries);
    EXPECT_EQ(";819 / 1047;437 / 037;DEFAULT;", std::string(BuildCodePageHistory(" 819 / 1047 ", entries)));
    EXPECT_EQ(";default;437 / 037;819 / 1047;", std::string(BuildCodePageHistory("default", entries)));
    EXPECT_EQ(";437 / 037;819 / 1047;DEFAULT;", std::string(BuildCodePageHistory("", entries)));
    entries.RemoveAll();
    EXPECT_EQ(";", std::string(BuildCodePageHistory("", entries)));
    // A, B, C with B deleted: C, now selected, comes first.
    SplitCodePageHistory(";A;C;", entries);
    EXPECT_EQ(";C;A;", std::string(BuildCodePageHistory("C", entries)));
}

struct CodePageStoreTest : SettingsStoreFixture {};

TEST_F(CodePageStoreTest, MissingHistoryReadsTheDefaultAndAWrittenOneReadsBack)
{
    EXPECT_EQ(kDefaultCodePageHistory, std::string(ReadCodePageHistory()));
    WriteCodePageHistory(";819 / 1047;");
    EXPECT_EQ(";819 / 1047;", std::string(ReadCodePageHistory()));
    EXPECT_EQ(";819 / 1047;", std::string(ProfileGetString("Settings", "CodePages", "")));
}

TEST_F(CodePageStoreTest, MissingHistoryReadsTheGivenDefault)
{
    EXPECT_EQ(";ISOANSI / 037;", std::string(ReadCodePageHistory(";ISOANSI / 037;")));
    WriteCodePageHistory(";");
    EXPECT_EQ(";", std::string(ReadCodePageHistory(";ISOANSI / 037;")));
}

}  // namespace
