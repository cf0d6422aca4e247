// DemoPreparationTest.cpp: the demonstration prepared in a temporary
// folder: everything VornGUI.exe needs is there and named in the arguments;
// prepared again, it keeps what the user changed, renews a stand-in that was
// rebuilt and brings back what is missing; with a real emulator's folder the
// sample is no longer started with it.
#include "tools/demo/DemoPreparation.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/config/TempFile.h"
#include "tests/support/WinTestUtil.h"
#include "tools/demo/DemoFiles.h"

namespace {

void WriteBytes(const std::string& strPath, const std::string& strBytes)
{
    std::ofstream(strPath, std::ios::binary) << strBytes;
}

bool Exists(const std::string& strPath)
{
    return ::GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

TEST(DemoPreparation, PreparedAgainKeepsChangesAndRenewsOrRestoresThePrograms)
{
    TempDir dir;
    std::string root = dir.Folder() + "demo";
    SDemoRequest request{root, vorntest::ProgramDir(), ""};
    std::vector<std::string> args;
    std::string strError;
    ASSERT_TRUE(PrepareDemo(request, args, strError)) << strError;
    std::string config = root + "\\config\\vornamic.cnf", exe = root + "\\exe\\";
    EXPECT_EQ(args, (std::vector<std::string>{"-i", root + "\\VornGUI.ini", "-f", config}));
    for (const char* pszFile : {"\\VornGUI.ini", "\\config\\cpu-types.txt", "\\reader\\cards.rdr",
                                "\\disks\\vorn01.cckd", "\\disks\\vorn02.cckd", "\\tapes\\vorn80.aws"})
        EXPECT_TRUE(Exists(root + pszFile)) << pszFile;
    for (const char* pszFolder : {"\\logs", "\\punch", "\\printer"})
        EXPECT_TRUE(Exists(root + pszFolder)) << pszFolder;
    std::string emulator = ReadBytes(vorntest::ProgramDir() + "vornemu.exe");
    std::string utility = ReadBytes(vorntest::ProgramDir() + "vornutil.exe");
    EXPECT_EQ(ReadBytes(exe + kDemoEmulatorProgram), emulator);
    for (const CString& strName : DemoUtilityPrograms())
        EXPECT_EQ(ReadBytes(exe + strName.str()), utility) << strName.str();

    WriteBytes(config, "# changed by the user\r\n");
    WriteBytes(exe + kDemoEmulatorProgram, "an older build");
    ASSERT_TRUE(::DeleteFileA((exe + "VOLMAKE.exe").c_str()));
    ASSERT_TRUE(PrepareDemo(request, args, strError)) << strError;
    EXPECT_EQ(ReadBytes(config), "# changed by the user\r\n");
    EXPECT_EQ(ReadBytes(exe + kDemoEmulatorProgram), emulator);
    EXPECT_EQ(ReadBytes(exe + "VOLMAKE.exe"), utility);

    // A real emulator's folder: the sample is not powered on with it.
    request.strExecutables = dir.Folder() + "real emulator";
    ASSERT_TRUE(::CreateDirectoryA(request.strExecutables.c_str(), nullptr));
    ASSERT_TRUE(PrepareDemo(request, args, strError)) << strError;
    EXPECT_EQ(args, (std::vector<std::string>{"-i", root + "\\VornGUI.ini"}));
    request.strExecutables.clear();
    ASSERT_TRUE(PrepareDemo(request, args, strError)) << strError;
    EXPECT_EQ(args.size(), 2u);
}

TEST(DemoPreparation, FolderThatCannotBeMadeIsTold)
{
    TempDir dir;
    std::string file = dir.Write("file", "x");
    SDemoRequest request{file + "\\demo", vorntest::ProgramDir(), ""};
    std::vector<std::string> args;
    std::string strError;
    EXPECT_FALSE(PrepareDemo(request, args, strError));
    EXPECT_EQ(strError.find("cannot make the folder " + file + "\\demo\\"), 0u) << strError;
    EXPECT_TRUE(args.empty());
}
