// StartupPathsTest.cpp: the help-file folder and the .INI file path.
#include <gtest/gtest.h>

#include "mainwindow/StartupPaths.h"

namespace {

struct HelpCase {
    const char* folder;
    const char* expected;
};

TEST(StartupPaths, HelpFolderDropsBuildOutputFolders)
{
    const HelpCase cases[] = {
        {"C:\\VornGUI\\x64\\Release\\", "C:\\VornGUI\\"},
        {"C:\\VornGUI\\x64\\Debug\\", "C:\\VornGUI\\"},
        {"C:\\VornGUI\\Release\\", "C:\\VornGUI\\"},
        {"C:\\VornGUI\\Debug\\", "C:\\VornGUI\\"},
        {"C:\\VornGUI\\X64\\RELEASE\\", "C:\\VornGUI\\"},
        {"C:\\VornGUI\\Release", "C:\\VornGUI\\"},  // made a folder first
        {"C:\\VornGUI\\bin\\", "C:\\VornGUI\\bin\\"},
        {"C:\\VornGUI\\MyRelease\\", "C:\\VornGUI\\MyRelease\\"},
        {"C:/Program Files/VornGUI/", "C:\\Program Files\\VornGUI\\"},
        {"C:\\x64\\Release\\", "C:\\"},
    };
    for (const HelpCase& c : cases)
        EXPECT_STREQ(HelpFileFolder(c.folder), c.expected) << c.folder;
}

TEST(StartupPaths, HelpFilePathAddsTheFileName)
{
    EXPECT_STREQ(HelpFilePath("D:\\Tools\\Release\\"), "D:\\Tools\\VornGUI.chm");
    EXPECT_STREQ(HelpFilePath("D:\\Tools\\"), "D:\\Tools\\VornGUI.chm");
}

TEST(StartupPaths, IniFileDefaultsToVornGuiIniInStartupDir)
{
    EXPECT_STREQ(IniFilePath("", "C:\\Work"), "C:\\Work\\VornGUI.ini");
    EXPECT_STREQ(IniFilePath(nullptr, "C:\\Work\\"), "C:\\Work\\VornGUI.ini");
}

TEST(StartupPaths, BareIniNameLiesInStartupDir)
{
    EXPECT_STREQ(IniFilePath("site.ini", "C:\\Work"), "C:\\Work\\site.ini");
}

TEST(StartupPaths, IniNameWithFolderIsKept)
{
    EXPECT_STREQ(IniFilePath("D:\\cfg\\site.ini", "C:\\Work"), "D:\\cfg\\site.ini");
    EXPECT_STREQ(IniFilePath("sub\\site.ini", "C:\\Work"), "sub\\site.ini");
    EXPECT_STREQ(IniFilePath("E:site.ini", "C:\\Work"), "E:site.ini");
}

}  // namespace
