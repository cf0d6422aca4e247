// ProfileHelpersTest.cpp: single values with the variable as default, the
// tape number, and lists whose missing items repeat the one before.
#include <gtest/gtest.h>

#include "config/ProfileHelpers.h"
#include "tests/config/SettingsStoreFixture.h"

namespace {

struct ProfileHelpersTest : SettingsStoreFixture {};

CStringArray Items(std::initializer_list<const char*> items)
{
    CStringArray a;
    for (const char* p : items)
        a.Add(p);
    return a;
}

}  // namespace

TEST_F(ProfileHelpersTest, MissingKeysLeaveTheVariable)
{
    bool b = true;
    int n = -3;
    UINT u = 7;
    CString s = "keep";
    GetProfileBool("Settings", "bMissing", b);
    GetProfileIntVar("Settings", "nMissing", n);
    GetProfileIntVar("Settings", "nMissing", u);
    GetProfileCString("Settings", "strMissing", s);
    EXPECT_TRUE(b);
    EXPECT_EQ(n, -3);
    EXPECT_EQ(u, 7u);
    EXPECT_EQ(s, "keep");
}

TEST_F(ProfileHelpersTest, RoundTrips)
{
    WriteProfileBool("Opt", "bVerbose", true);
    WriteProfileInt("Opt", "nLevel", -9);
    WriteProfileInt("Opt", "nBig", 4000000000u);
    WriteProfileCString("Opt", "strFile", CString("C:\\a b.txt"));
    bool b = false;
    int n = 0;
    UINT u = 0;
    CString s;
    GetProfileBool("Opt", "bVerbose", b);
    GetProfileIntVar("Opt", "nLevel", n);
    GetProfileIntVar("Opt", "nBig", u);
    GetProfileCString("Opt", "strFile", s);
    EXPECT_TRUE(b);
    EXPECT_EQ(n, -9);
    EXPECT_EQ(u, 4000000000u);
    EXPECT_EQ(s, "C:\\a b.txt");
    EXPECT_EQ(ProfileGetInt("Opt", "bVerbose", 5), 1u);
}

TEST_F(ProfileHelpersTest, AnyNonZeroIntegerIsTrue)
{
    UseIni("[Opt]\nbA=0\nbB=-4\nbC=17\n");
    bool a = true, b = false, c = false;
    GetProfileBool("Opt", "bA", a);
    GetProfileBool("Opt", "bB", b);
    GetProfileBool("Opt", "bC", c);
    EXPECT_FALSE(a);
    EXPECT_TRUE(b);
    EXPECT_TRUE(c);
}

TEST_F(ProfileHelpersTest, TapeNumber)
{
    BYTE n = 4;
    GetProfileTapeNum(n);
    EXPECT_EQ(n, 4);
    WriteProfileTapeNum(255);
    GetProfileTapeNum(n);
    EXPECT_EQ(n, 255);
    EXPECT_EQ(ProfileGetInt("REELDUB", "nTapeNum", 0), 255u);
    UseIni("[REELDUB]\nnTapeNum=1000\n");
    GetProfileTapeNum(n);
    EXPECT_EQ(n, 255);
    UseIni("[REELDUB]\nnTapeNum=-1\n");
    GetProfileTapeNum(n);
    EXPECT_EQ(n, 255);
}

TEST_F(ProfileHelpersTest, ListKeysAndShrinkKeepsStaleItems)
{
    WriteProfileListItems("Dirs", "Files", Items({"a", "b", "c"}));
    EXPECT_EQ(ProfileGetString("Dirs", "Files_0002"), "c");
    EXPECT_EQ(ProfileGetInt("Dirs", "Files_nCount", 0), 3u);
    WriteProfileListItems("Dirs", "Files", Items({"x"}));
    EXPECT_EQ(ProfileGetString("Dirs", "Files_0001"), "b");
    EXPECT_EQ(ProfileGetString("Dirs", "Files_0002"), "c");
    CStringArray read;
    EXPECT_EQ(ReadProfileListItems("Dirs", "Files", read), 1);
    ASSERT_EQ(read.GetSize(), 1);
    EXPECT_EQ(read[0], "x");
}

TEST_F(ProfileHelpersTest, MissingItemRepeatsThePreviousOne)
{
    UseIni("[S]\nL_nCount=3\nL_0000=first\nL_0002=third\nM_nCount=2\nM_0001=second\n");
    CStringArray read;
    read.Add("already");
    EXPECT_EQ(ReadProfileListItems("S", "L", read), 3);
    ASSERT_EQ(read.GetSize(), 4);
    EXPECT_EQ(read[0], "already");
    EXPECT_EQ(read[1], "first");
    EXPECT_EQ(read[2], "first");
    EXPECT_EQ(read[3], "third");
    CStringArray m;
    EXPECT_EQ(ReadProfileListItems("S", "M", m), 2);
    EXPECT_EQ(m[0], "");
    EXPECT_EQ(m[1], "second");
}

TEST_F(ProfileHelpersTest, HostileCountsAreCapped)
{
    UseIni("[S]\nL_nCount=-5\nH_nCount=2000000000\n");
    CStringArray read;
    EXPECT_EQ(ReadProfileListItems("S", "L", read), 0);
    EXPECT_EQ(read.GetSize(), 0);
    EXPECT_EQ(ReadProfileListItems("S", "H", read), kMaxProfileListItems);
    EXPECT_EQ(read.GetSize(), kMaxProfileListItems);
}
