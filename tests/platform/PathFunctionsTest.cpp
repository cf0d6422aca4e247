// PathFunctionsTest.cpp: standard and Windows folder forms, the current
// directory and file existence.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/PathFunctions.h"

TEST(PathFunctions, StandardAndWindowsForms)
{
    struct Case {
        const char* in;
        bool trailing;
        const char* std;
        const char* win;
    };
    const Case cases[] = {
        {"C:\\Vorn\\Disks", false, "C:/Vorn/Disks", "C:\\Vorn\\Disks"},
        {"C:\\Vorn\\Disks\\", false, "C:/Vorn/Disks", "C:\\Vorn\\Disks"},
        {"C:/Vorn/Disks", true, "C:/Vorn/Disks/", "C:\\Vorn\\Disks\\"},
        {"  C:/a//b\\\\c/ ", true, "C:/a/b/c/", "C:\\a\\b\\c\\"},
        {"C:\\", false, "C:/", "C:\\"},
        {"C:", true, "C:/", "C:\\"},
        {"/", false, "/", "\\"},
        {"\\\\server\\share\\dir", false, "//server/share/dir", "\\\\server\\share\\dir"},
        {"rel/dir", false, "rel/dir", "rel\\dir"},
        {"", true, "", ""},
        {"   ", true, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StandardizedDirectory(c.in, c.trailing), c.std) << c.in;
        EXPECT_EQ(WindowsizedDirectory(c.in, c.trailing), c.win) << c.in;
    }
    EXPECT_EQ(StandardizedDirectory(nullptr), "");
}

TEST(PathFunctions, CurrentDirectoryEndsInSeparator)
{
    CString cwd = GetStdCurrentDirectory();
    ASSERT_FALSE(cwd.IsEmpty());
    EXPECT_EQ(cwd.Right(1), "/");
    EXPECT_EQ(cwd.Find('\\'), -1);
}

TEST(PathFunctions, FileExists)
{
    const char* name = "core_tests_file_exists.tmp";
    std::remove(name);
    EXPECT_FALSE(FileExists(name));
    FILE* f = std::fopen(name, "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_TRUE(FileExists(name));
    EXPECT_TRUE(FileExists((GetStdCurrentDirectory() + name).GetString()));
    EXPECT_FALSE(FileExists(GetStdCurrentDirectory()));  // a folder is not a file
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(nullptr));
    std::remove(name);
}
