// FileChecksTest.cpp: input and output file checks with their messages.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "config/FileChecks.h"
#include "tests/config/TempFile.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

void MakeReadOnly(const std::string& strPath)
{
#ifdef _WIN32
    ::SetFileAttributesA(strPath.c_str(), FILE_ATTRIBUTE_READONLY);
#else
    ::chmod(strPath.c_str(), 0444);
#endif
}

}  // namespace

TEST(FileChecks, InvalidFileNameCharacters)
{
    EXPECT_FALSE(HasInvalidFileNameChars("disk 1.img"));
    EXPECT_FALSE(HasInvalidFileNameChars("*.?"));
    for (const char* p : {"a<b", "a>b", "a:b", "a\"b", "a/b", "a\\b", "a|b", "a\tb", "\x1F"})
        EXPECT_TRUE(HasInvalidFileNameChars(p)) << p;
}

TEST(FileChecks, InputFileMessages)
{
    TempDir dir;
    std::string strFile = dir.Write("input.bin", std::string(1500, 'x'));
    CString strMsg = "old";
    EXPECT_TRUE(CheckInputFile(strFile.c_str(), strMsg));
    EXPECT_EQ(strMsg, "");
    CString strNameExt;
    UINT64 ullSize = 0;
    EXPECT_EQ(InputFileStatus(("  " + strFile + "  ").c_str(), strNameExt, ullSize), kInputOK);
    EXPECT_EQ(strNameExt, "input.bin");
    EXPECT_EQ(ullSize, 1500u);

    struct Row { std::string strFile; const char* pszMsg; };
    const Row rows[] = {
        {"", "You must specify an input file"},
        {"   ", "You must specify an input file"},
        {dir.Path("missing.img"), "File not found"},
        {dir.Path("bad|name.img"), "The specified filename contains one or more invalid characters"},
        {dir.Folder(), "The specified path is not a file"},
    };
    for (const Row& r : rows) {
        EXPECT_FALSE(CheckInputFile(r.strFile.c_str(), strMsg)) << r.strFile;
        EXPECT_EQ(strMsg, r.pszMsg) << r.strFile;
    }
}

TEST(FileChecks, SixtyFourBitImageWithoutTheUtilities)
{
    TempDir dir;
    std::string strFile = dir.Write("disk64.img", "CKD_P064" + std::string(4088, '\0'));
    std::string strFile32 = dir.Write("disk32.img", "CKD_P370" + std::string(4088, '\0'));
    CString strMsg;
    g_bCKD64UtilitiesMissing = true;
    EXPECT_FALSE(CheckInputFile(strFile.c_str(), strMsg));
    EXPECT_EQ(strMsg, "File is CKD64 but CKD64 support is missing");
    EXPECT_TRUE(CheckInputFile(strFile32.c_str(), strMsg));
    g_bCKD64UtilitiesMissing = false;
    EXPECT_TRUE(CheckInputFile(strFile.c_str(), strMsg));
}

TEST(FileChecks, OutputFileStatusAndMessages)
{
    TempDir dir;
    std::string strExisting = dir.Write("old.out", "data");
    std::string strLocked = dir.Write("locked.out", "data");
    MakeReadOnly(strLocked);
    struct Row { const char* pszFile; std::string strDir; int nStatus; bool bOK; const char* pszMsg; bool bExists; };
    const Row rows[] = {
        {"new.out", dir.Folder(), kOutputNew, true, "", false},
        {"old.out", dir.Folder(), kOutputExists, true, "The specified output file already exists.", true},
        {"locked.out", dir.Folder(), kOutputReadOnly, false, "The specified file already exists and is read-only", false},
        {"", dir.Folder(), kOutputNoName, false, "You must specify an output file.", false},
        {"a|b.out", dir.Folder(), kOutputBadChars, false,
         "The specified filename contains one or more invalid characters.", false},
        {"new.out", dir.Folder() + "no such folder", kOutputNew, false,
         "", false},   // see below: a missing folder is status 3
        {"new.out", "", kOutputNoName, false, "You must specify an output file.", false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(CheckOutputFile(r.pszFile, r.strDir.c_str()), r.nStatus) << r.pszFile << " in " << r.strDir;
    for (const Row& r : rows) {
        if (r.strDir.find("no such") != std::string::npos)
            continue;
        CString strMsg = "old";
        bool bExists = !r.bExists;
        EXPECT_EQ(CheckOutputFileMsg(r.pszFile, r.strDir.c_str(), strMsg, bExists), r.bOK) << r.pszFile;
        EXPECT_EQ(strMsg, r.pszMsg) << r.pszFile;
        EXPECT_EQ(bExists, r.bExists) << r.pszFile;
    }
    // A file in a folder that does not exist passes as a new file (status 3).
    CString strMsg;
    bool bExists = true;
    EXPECT_TRUE(CheckOutputFileMsg("new.out", (dir.Folder() + "no such folder").c_str(), strMsg, bExists));
    EXPECT_FALSE(bExists);
    CString strDirMsg;
    EXPECT_FALSE(CheckOutputFileMsg(".", dir.Folder().c_str(), strDirMsg, bExists));
    EXPECT_EQ(strDirMsg, "The specified path is not a file.");
}
