// FileDialogPathsTest.cpp: filters, the initial folder and the chosen paths
// of a multiple selection (network paths kept whole).
#include <gtest/gtest.h>

#include "config/FileDialogPaths.h"
#include "platform/CSplitPath.h"
#include "platform/PathFunctions.h"
#include "tests/config/TempFile.h"

TEST(FileDialogPaths, Filter)
{
    EXPECT_EQ(BuildFileFilter("Configuration Files", "*.cnf;*.conf"),
              "Configuration Files (*.cnf;*.conf)|*.cnf;*.conf|All Files (*.*)|*.*||");
}

TEST(FileDialogPaths, DefaultExtensionIsTheFirstPatterns)
{
    const struct {
        const char* pszFilter;
        const char* pszExt;
    } rows[] = {
        {"Configuration Files (*.cnf;*.conf)|*.cnf;*.conf|All Files (*.*)|*.*||", "cnf"},
        {"Punch Files (*.pch)|*.pch|All Files (*.*)|*.*||", "pch"},
        {"Output (*.out)|*.out||", "out"},
        {"All Files (*.*)|*.*||", ""},
        {"Any (*)|*||", ""},
        {"Odd (*.t?t)|*.t?t||", ""},
        {"Two dots (*.tar.gz)|*.tar.gz||", ""},
        {"No pattern", ""},
        {"", ""},
        {nullptr, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FilterDefaultExtension(row.pszFilter), row.pszExt) << (row.pszFilter ? row.pszFilter : "(null)");
}

TEST(FileDialogPaths, ChosenPathsAreNormalisedButNetworkPathsKeepTheirPair)
{
    struct Row { const char* pszIn; const char* pszOut; };
    const Row rows[] = {
        {"C:\\dir\\\\file.img", "C:\\dir\\file.img"},
        {"C:\\dir/\\sub\\/file.img", "C:\\dir\\sub\\file.img"},
        {"C:\\\\\\\\dir\\file.img", "C:\\dir\\file.img"},
        {"C:/dir/file.img", "C:\\dir\\file.img"},
        {"\\\\server\\share\\disk.img", "\\\\server\\share\\disk.img"},
        {"\\\\server\\share\\\\disk.img", "\\\\server\\share\\disk.img"},
        {"//server//share/disk.img", "\\\\server\\share\\disk.img"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(NormalizeChosenPath(r.pszIn), r.pszOut) << r.pszIn;
}

TEST(FileDialogPaths, MultiSelectBuffer)
{
    const char kMany[] = "\\\\server\\share\\dir\0a.img\0b c.img\0";
    CStringArray paths;
    SplitMultiSelectBuffer(kMany, sizeof kMany, paths);
    ASSERT_EQ(paths.GetSize(), 2);
    EXPECT_EQ(paths[0], "\\\\server\\share\\dir\\a.img");
    EXPECT_EQ(paths[1], "\\\\server\\share\\dir\\b c.img");
    EXPECT_EQ(JoinQuotedPaths(paths), "\\\\server\\share\\dir\\a.img \"\\\\server\\share\\dir\\b c.img\"");

    const char kOne[] = "C:\\dir\\one.img\0";
    SplitMultiSelectBuffer(kOne, sizeof kOne, paths);
    ASSERT_EQ(paths.GetSize(), 1);
    EXPECT_EQ(paths[0], "C:\\dir\\one.img");

    // A buffer without its final NULs ends at its size.
    const char kCut[4] = {'a', 'b', 'c', 'd'};
    SplitMultiSelectBuffer(kCut, sizeof kCut, paths);
    ASSERT_EQ(paths.GetSize(), 1);
    EXPECT_EQ(paths[0], "abcd");
}

// A network path chosen alone or among several comes back whole in the
// system's form: "\\\\server\\share" keeps both of its leading separators.
TEST(FileDialogPaths, NetworkPathsRoundTripIntact)
{
    const char kMany[] = "\\\\server\\share\0a.img\0sub dir\\b.img\0";
    CStringArray paths;
    SplitMultiSelectBuffer(kMany, sizeof kMany, paths);
    ASSERT_EQ(paths.GetSize(), 2);
    EXPECT_EQ(paths[0], "\\\\server\\share\\a.img");
    EXPECT_EQ(paths[1], "\\\\server\\share\\sub dir\\b.img");
    EXPECT_EQ(JoinQuotedPaths(paths), "\\\\server\\share\\a.img \"\\\\server\\share\\sub dir\\b.img\"");

    const char kOne[] = "\\\\server\\share\\disk.img\0";
    SplitMultiSelectBuffer(kOne, sizeof kOne, paths);
    ASSERT_EQ(paths.GetSize(), 1);
    EXPECT_EQ(paths[0], "\\\\server\\share\\disk.img");
    // Single selection takes the chosen path in Windows form.
    EXPECT_EQ(WindowsizedDirectory("\\\\server\\share\\disk.img"), "\\\\server\\share\\disk.img");
}

// The save dialog splits the chosen path into folder and name: a network
// folder keeps its leading pair there too.
TEST(FileDialogPaths, SavedNetworkPathSplitsIntoAWholeFolder)
{
    CSplitPath split("\\\\server\\share\\dir\\out.img");
    EXPECT_EQ(WindowsizedDirectory(split.GetFullPathOnly(), true), "\\\\server\\share\\dir\\");
    EXPECT_EQ(split.GetFileNameAndExt(), "out.img");
    CSplitPath root("\\\\server\\share\\out.img");
    EXPECT_EQ(WindowsizedDirectory(root.GetFullPathOnly(), true), "\\\\server\\share\\");
}

TEST(FileDialogPaths, FilesInADriveRootKeepOneSeparator)
{
    const char kRoot[] = "C:\\\0a.img\0b.img\0";
    CStringArray paths;
    SplitMultiSelectBuffer(kRoot, sizeof kRoot, paths);
    ASSERT_EQ(paths.GetSize(), 2);
    EXPECT_EQ(paths[0], "C:\\a.img");
    EXPECT_EQ(paths[1], "C:\\b.img");
    SplitMultiSelectBuffer("", 1, paths);
    EXPECT_EQ(paths.GetSize(), 0);
}

TEST(FileDialogPaths, InitialFolderIsTheFirstValidCandidate)
{
    TempDir dir;
    std::string strFile = dir.Write("x.cnf", "");
    std::string strMissing = dir.Folder() + "missing/y.cnf";
    const char* candidates[] = {nullptr, "", strMissing.c_str(), strFile.c_str()};
    EXPECT_EQ(ChooseInitialFolder(candidates, 4), WindowsizedDirectory(dir.Folder().c_str(), true));
    const char* none[] = {strMissing.c_str()};
    CString strSaved = g_strWindowsizedDefaultInitialDir;
    g_strWindowsizedDefaultInitialDir = "C:\\Remembered\\";
    EXPECT_EQ(ChooseInitialFolder(none, 1), "C:\\Remembered\\");
    g_strWindowsizedDefaultInitialDir.Empty();
    EXPECT_EQ(ChooseInitialFolder(none, 1), WindowsizedDirectory(GetStdCurrentDirectory(), true));
    g_strWindowsizedDefaultInitialDir = strSaved;
}
