// SafeFileReplaceTest.cpp: a file is replaced whole or not at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/SafeFileReplace.h"
#include "tests/config/TempFile.h"

namespace fs = std::filesystem;

namespace {

// True when the system lets this process write the file despite its
// read-only mark (an administrator natively): such a test cannot run here.
bool WritableAnyway(const std::string& strPath)
{
    std::ofstream probe(strPath, std::ios::binary | std::ios::app);
    return probe.is_open();
}

size_t FileCount(const std::string& strFolder)
{
    size_t n = 0;
    for (const auto& e : fs::directory_iterator(strFolder)) {
        (void)e;
        ++n;
    }
    return n;
}

}  // namespace

TEST(SafeFileReplace, WritesANewFile)
{
    TempDir dir;
    std::string strPath = dir.Path("new.cnf");
    SafeReplaceResult r = SafeReplaceFile(strPath.c_str(), "line 1\r\nline 2\r\n");
    EXPECT_EQ(r.eStage, kReplaceOk);
    EXPECT_EQ(r.dwError, 0u);
    EXPECT_EQ(ReadBytes(strPath), "line 1\r\nline 2\r\n");
    EXPECT_EQ(FileCount(dir.Folder()), 1u);  // no temporary file left behind
}

TEST(SafeFileReplace, ReplacesAnExistingFileWhole)
{
    TempDir dir;
    std::string strPath = dir.Write("old.cnf", std::string(5000, 'x'));
    std::string strNew(100000, 'y');
    EXPECT_EQ(SafeReplaceFile(strPath.c_str(), CString(strNew)).eStage, kReplaceOk);
    EXPECT_EQ(ReadBytes(strPath), strNew);
    EXPECT_EQ(SafeReplaceFile(strPath.c_str(), "").eStage, kReplaceOk);
    EXPECT_EQ(ReadBytes(strPath), "");
    EXPECT_EQ(FileCount(dir.Folder()), 1u);
}

TEST(SafeFileReplace, MissingFolderFailsToOpen)
{
    TempDir dir;
    std::string strPath = dir.Path("nofolder/x.cnf");
    SafeReplaceResult r = SafeReplaceFile(strPath.c_str(), "text");
    EXPECT_EQ(r.eStage, kReplaceOpenFailed);
    EXPECT_NE(r.dwError, 0u);
    EXPECT_FALSE(fs::exists(strPath));
    EXPECT_EQ(FileCount(dir.Folder()), 0u);
}

TEST(SafeFileReplace, TargetThatIsAFolderIsLeftAlone)
{
    TempDir dir;
    fs::create_directory(dir.Path("sub.cnf"));
    dir.Write("sub.cnf/inner", "keep");
    SafeReplaceResult r = SafeReplaceFile(dir.Path("sub.cnf").c_str(), "text");
    EXPECT_EQ(r.eStage, kReplaceOpenFailed);
    EXPECT_NE(r.dwError, 0u);
    EXPECT_TRUE(fs::is_directory(dir.Path("sub.cnf")));
    EXPECT_EQ(ReadBytes(dir.Path("sub.cnf/inner")), "keep");
    EXPECT_EQ(FileCount(dir.Folder()), 1u);
}

TEST(SafeFileReplace, ReadOnlyFileIsLeftByteIdentical)
{
    TempDir dir;
    std::string strOld = "old contents\r\n";
    std::string strPath = dir.Write("ro.cnf", strOld);
    // The read-only mark (the attribute on Windows, no write permission on
    // the host) is honoured even where the user could write the file anyway.
    fs::permissions(strPath, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    SafeReplaceResult r = SafeReplaceFile(strPath.c_str(), "new contents");
    EXPECT_EQ(r.eStage, kReplaceOpenFailed);
    EXPECT_NE(r.dwError, 0u);
    EXPECT_EQ(ReadBytes(strPath), strOld);
    EXPECT_EQ(FileCount(dir.Folder()), 1u);
    fs::permissions(strPath, fs::perms::owner_write, fs::perm_options::add);
}

TEST(SafeFileReplace, ReadOnlyFolderKeepsTheOldFile)
{
    TempDir dir;
    fs::create_directory(dir.Path("ro"));
    std::string strOld = "kept\r\n";
    std::string strPath = dir.Write("ro/a.cnf", strOld);
    fs::permissions(dir.Path("ro"), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    bool bEnforced = !WritableAnyway(dir.Path("ro/probe"));
    if (bEnforced) {
        SafeReplaceResult r = SafeReplaceFile(strPath.c_str(), "new");
        EXPECT_NE(r.eStage, kReplaceOk);
        EXPECT_EQ(ReadBytes(strPath), strOld);
        EXPECT_EQ(FileCount(dir.Path("ro")), 1u);
    }
    fs::permissions(dir.Path("ro"), fs::perms::owner_all, fs::perm_options::add);
    if (!bEnforced)
        GTEST_SKIP() << "read-only folders are writable for this user";
}
