// CSplitPathTest.cpp: full paths split into drive, folder, name and extension.
#include <gtest/gtest.h>

#include "platform/CSplitPath.h"
#include "platform/PathFunctions.h"

TEST(CSplitPath, AbsolutePathsTable)
{
    struct Case {
        const char* path;
        const char* drive;
        const char* dir;
        const char* name;
        const char* ext;
    };
    const Case cases[] = {
        {"C:\\Vorn\\vornamic.cnf", "C:", "\\Vorn\\", "vornamic", ".cnf"},
        {"C:/Vorn/sub/../disk.img.gz", "C:", "\\Vorn\\", "disk.img", ".gz"},
        {"C:\\Vorn\\.\\noext", "C:", "\\Vorn\\", "noext", ""},
        {"C:\\Vorn\\Dir\\", "C:", "\\Vorn\\Dir\\", "", ""},
        {"C:\\..\\..\\x.txt", "C:", "\\", "x", ".txt"},
        {"C:\\a\\..", "C:", "\\", "", ""},
        {"\\\\srv\\share\\d\\f.cnf", "\\\\srv\\share", "\\d\\", "f", ".cnf"},
        {"C:\\My Disks\\a b.img", "C:", "\\My Disks\\", "a b", ".img"},
        {"\\\\srv\\", "\\\\srv", "\\", "", ""},
        {"//srv//", "\\\\srv", "\\", "", ""},
        {"//srv//share\\f.x", "\\\\srv\\share", "\\", "f", ".x"},
    };
    for (const Case& c : cases) {
        CSplitPath sp(c.path);
        EXPECT_EQ(sp.GetDrive(), c.drive) << c.path;
        EXPECT_EQ(sp.GetDirectory(), c.dir) << c.path;
        EXPECT_EQ(sp.GetFileName(), c.name) << c.path;
        EXPECT_EQ(sp.GetExtension(), c.ext) << c.path;
        EXPECT_EQ(sp.GetFullPath(), sp.GetFullPathOnly() + sp.GetFileNameAndExt());
    }
    CSplitPath sp("C:\\Vorn\\vornamic.cnf");
    EXPECT_EQ(sp.GetFullPathOnly(), "C:\\Vorn\\");
    EXPECT_EQ(sp.GetFileNameAndExt(), "vornamic.cnf");
}

TEST(CSplitPath, RelativePathIsBelowCurrentDirectory)
{
    CSplitPath cwd(GetStdCurrentDirectory());
    CSplitPath sp("sub/file.cnf");
    EXPECT_EQ(sp.GetFullPathOnly(), cwd.GetFullPathOnly() + "sub\\");
    EXPECT_EQ(sp.GetFileNameAndExt(), "file.cnf");
    EXPECT_EQ(cwd.GetFileNameAndExt(), "");
}

TEST(CSplitPath, ResplitGivesTheSamePath)
{
    for (const char* path : {"\\\\srv\\", "\\\\srv", "\\\\\\", "\\\\srv\\share\\", "//srv//s/f.x", "\\:x\\f.y", "C:\\a\\b.c"}) {
        const CString strFull = CSplitPath(path).GetFullPath();
        EXPECT_EQ(CSplitPath(strFull).GetFullPath(), strFull) << path;
    }
    // A colon after a separator names a folder, not a drive.
    CSplitPath sp("\\:x\\f.y");
    EXPECT_EQ(sp.GetDirectory(), "\\:x\\");
    EXPECT_EQ(sp.GetFileNameAndExt(), "f.y");
}

TEST(CSplitPath, EmptyAndResplit)
{
    CSplitPath sp("C:\\a\\b.c");
    sp.Split("");
    EXPECT_EQ(sp.GetFullPath(), "");
    sp.Split(nullptr);
    EXPECT_EQ(sp.GetFullPath(), "");
    std::string deep;
    for (int i = 0; i < 20000; ++i)
        deep += "d\\";
    sp.Split(("C:\\" + deep + "f.x").c_str());
    EXPECT_EQ(sp.GetFileNameAndExt(), "f.x");
    EXPECT_EQ(sp.GetDirectory().GetLength(), 1 + (int)deep.size());
}
