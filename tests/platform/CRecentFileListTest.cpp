// CRecentFileListTest.cpp: the recent-file list's order, limits and stored
// form.
#include <gtest/gtest.h>

#include "platform/CRecentFileList.h"
#include "platform/ProfileStore.h"
#include "tests/support/ScopedIniStore.h"

namespace {

const char* kIni = "core_tests_recent.ini";

struct RecentTest : ::testing::Test {
    vorntest::ScopedIniStore store{kIni};
};

TEST_F(RecentTest, NewestFirstAndAReusedPathMovesUp)
{
    CRecentFileList list("Recent File List", 4);
    list.Add("a.cnf");
    list.Add("b.cnf");
    list.Add("A.CNF");  // the same file to Windows
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list[0], "A.CNF");
    EXPECT_EQ(list[1], "b.cnf");
}

TEST_F(RecentTest, OldestFallsOffAFullListAndEmptyPathsAreIgnored)
{
    CRecentFileList list("Recent File List", 2);
    list.Add("1");
    list.Add("");
    list.Add(nullptr);
    list.Add("2");
    list.Add("3");
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list[0], "3");
    EXPECT_EQ(list[1], "2");
    list.Remove(5);
    list.Remove(-1);
    EXPECT_EQ(list.GetCount(), 2);
    list.Remove(0);
    EXPECT_EQ(list[0], "2");
}

TEST_F(RecentTest, StoredListRoundTripsAndShrinks)
{
    CRecentFileList list("Recent File List", 16);
    list.Add("C:\\one.cnf");
    list.Add("C:\\two & three.cnf");
    list.WriteList();
    EXPECT_EQ(ProfileGetString("Recent File List", "File1"), "C:\\two & three.cnf");
    EXPECT_EQ(ProfileGetString("Recent File List", "File2"), "C:\\one.cnf");
    list.Remove(0);
    list.WriteList();
    EXPECT_EQ(ProfileGetString("Recent File List", "File2", "gone"), "gone");
    CRecentFileList back("Recent File List", 16);
    back.ReadList();
    ASSERT_EQ(back.GetCount(), 1);
    EXPECT_EQ(back[0], "C:\\one.cnf");
}

TEST_F(RecentTest, GapsInTheStoredListAreSkipped)
{
    ProfileWriteString("Recent File List", "File1", "x");
    ProfileWriteString("Recent File List", "File3", "z");
    CRecentFileList list("Recent File List", 4);
    list.ReadList();
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list[1], "z");
}

}  // namespace
