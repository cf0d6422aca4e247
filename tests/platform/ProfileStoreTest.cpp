// ProfileStoreTest.cpp: the profile functions and stored lists over the
// .INI store.
#include <gtest/gtest.h>

#include <chrono>

#include "platform/ProfileStore.h"
#include "tests/support/ScopedIniStore.h"

namespace {

const char* kIni = "core_tests_profile.ini";

struct ProfileTest : ::testing::Test {
    vorntest::ScopedIniStore store{kIni};
};

}  // namespace

TEST_F(ProfileTest, ValuesAndDefaults)
{
    EXPECT_EQ(ProfileGetInt("Settings", "nMissing", 42), 42u);
    EXPECT_EQ(ProfileGetInt("Settings", "nMissing", -1), 0xFFFFFFFFu);
    EXPECT_EQ(ProfileGetString("Settings", "strMissing", "def"), "def");
    EXPECT_EQ(ProfileGetString("Settings", "strMissing"), "");
    EXPECT_TRUE(ProfileWriteInt("Settings", "nLimit", -7));
    EXPECT_TRUE(ProfileWriteString("Settings", "strDir", "C:\\Vorn"));
    EXPECT_EQ((int)ProfileGetInt("Settings", "nLimit", 0), -7);
    EXPECT_EQ(ProfileGetString("Settings", "strDir", ""), "C:\\Vorn");
    EXPECT_TRUE(ProfileWriteString("Settings", "strDir", nullptr));
    EXPECT_EQ(ProfileGetString("Settings", "strDir", "gone"), "gone");
    EXPECT_TRUE(ProfileWriteString("Settings", nullptr, nullptr));
    EXPECT_EQ(ProfileGetInt("Settings", "nLimit", 3), 3u);
}

TEST_F(ProfileTest, ListRoundTripAndShrink)
{
    CStringArray dirs;
    dirs.Add("C:\\Vorn");
    dirs.Add("");
    dirs.Add("D:\\My Disks\\");
    ASSERT_TRUE(WLWriteProfileMultiString("Settings", "ExecutablesDirs", dirs));
    EXPECT_EQ(ProfileGetInt("Settings", "ExecutablesDirs_nCount", 0), 3u);
    EXPECT_EQ(ProfileGetString("Settings", "ExecutablesDirs_0002"), "D:\\My Disks\\");
    CStringList back;
    back.AddTail("stale");
    ASSERT_EQ(WLGetProfileMultiString("Settings", "ExecutablesDirs", back), 3);
    EXPECT_EQ(back.GetHead(), "C:\\Vorn");
    EXPECT_EQ(back.GetTail(), "D:\\My Disks\\");

    CStringList shorter;
    shorter.AddTail("only");
    ASSERT_TRUE(WLWriteProfileMultiString("Settings", "ExecutablesDirs", shorter));
    EXPECT_EQ(ProfileGetString("Settings", "ExecutablesDirs_0001", "removed"), "removed");
    CStringArray a;
    ASSERT_EQ(WLGetProfileMultiString("Settings", "ExecutablesDirs", a), 1);
    EXPECT_EQ(a[0], "only");
    ASSERT_TRUE(WLWriteProfileMultiString("Settings", "ExecutablesDirs", CStringArray()));
    EXPECT_EQ(WLGetProfileMultiString("Settings", "ExecutablesDirs", a), 0);
}

TEST_F(ProfileTest, HostileCountsAreCut)
{
    ASSERT_TRUE(ProfileWriteInt("Settings", "Files_nCount", 2000000000));
    ProfileWriteString("Settings", "Files_0000", "first");
    ProfileWriteString("Settings", "Files_0001", "second");
    ProfileWriteString("Settings", "Files_0005", "after a gap");
    auto start = std::chrono::steady_clock::now();
    CStringArray a;
    EXPECT_EQ(WLGetProfileMultiString("Settings", "Files", a), 2);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(a[1], "second");
    ASSERT_TRUE(ProfileWriteInt("Settings", "Files_nCount", -5));
    EXPECT_EQ(WLGetProfileMultiString("Settings", "Files", a), 0);
    ASSERT_TRUE(ProfileWriteString("Settings", "Files_nCount", "garbage"));
    EXPECT_EQ(WLGetProfileMultiString("Settings", "Files", a), 0);
}

TEST_F(ProfileTest, LongListWrittenAtOnce)
{
    CStringArray big;
    for (int i = 0; i < kMaxProfileListItems; ++i)
        big.Add("item");
    ASSERT_TRUE(WLWriteProfileMultiString("Big", "L", big));
    CStringArray back;
    EXPECT_EQ(WLGetProfileMultiString("Big", "L", back), kMaxProfileListItems);
    big.Add("one too many");
    EXPECT_FALSE(WLWriteProfileMultiString("Big", "L", big));
}

TEST(ProfileNoStore, DefaultsAndRefusals)
{
    SetSettingsStore(nullptr);
    EXPECT_EQ(GetSettingsStore(), nullptr);
    EXPECT_EQ(ProfileGetInt("S", "k", 9), 9u);
    EXPECT_EQ(ProfileGetString("S", "k", "d"), "d");
    EXPECT_FALSE(ProfileWriteInt("S", "k", 1));
    EXPECT_FALSE(ProfileWriteString("S", "k", "v"));
    CStringArray a;
    a.Add("x");
    EXPECT_EQ(WLGetProfileMultiString("S", "k", a), 0);
    EXPECT_FALSE(WLWriteProfileMultiString("S", "k", a));
}
