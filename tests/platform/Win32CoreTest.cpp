// Win32CoreTest.cpp: the Windows halves of the window-free platform code:
// share modes, system error texts and the failed-call trace with a real
// GetLastError.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/CStdioFile.h"
#include "platform/Trace.h"
#include "platform/WinOSFlavor.h"

TEST(Win32Core, ShareModesRefuseConflictingOpen)
{
    const char* name = "win32_core_share.tmp";
    CStdioFile reader;
    ASSERT_TRUE(reader.Open(name, CFile::modeCreate | CFile::modeReadWrite | CFile::shareDenyWrite));
    CStdioFile second;
    CFileException e;
    EXPECT_FALSE(second.Open(name, CFile::modeWrite, &e));
    EXPECT_EQ(e.m_lOsError, ERROR_SHARING_VIOLATION);
    EXPECT_EQ(e.m_cause, CFileException::sharingViolation);
    EXPECT_TRUE(second.Open(name, CFile::modeRead | CFile::shareDenyNone));
    second.Close();
    reader.Close();
    ::DeleteFileA(name);
}

TEST(Win32Core, FormatLastErrorGivesSystemText)
{
    CString text = FormatLastError(ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(text.IsEmpty());
    EXPECT_NE(text, "Error 2");
    EXPECT_EQ(text.FindOneOf("\r\n"), -1);
    EXPECT_EQ(FormatLastError(0x2FFFFFFF), "Error 805306367");
}

TEST(Win32Core, TraceFailedCallCapturesLastError)
{
    std::vector<std::string> lines;
    TraceSink old = SetTraceSink([&](const char* p) { lines.push_back(p); });
    if (::GetFileAttributesA("no_such_file_here.xyz") == INVALID_FILE_ATTRIBUTES)
        TRACE_FAILED_CALL("GetFileAttributesA(\"no_such_file_here.xyz\")");
    EXPECT_EQ(::GetLastError(), (DWORD)ERROR_FILE_NOT_FOUND);  // left for the caller
    SetTraceSink(old);
    ASSERT_EQ(lines.size(), 1u);
    std::string expect = "Win32Core_TraceFailedCallCapturesLastError_Test::TestBody: "
                         "GetFileAttributesA(\"no_such_file_here.xyz\") FAILED! rc = 2 (0x00000002): ";
    EXPECT_EQ(lines[0].substr(0, expect.size()), expect);
    EXPECT_EQ(lines[0].substr(expect.size()), FormatLastError(2).str());
}

TEST(Win32Core, WinOSFlavorOfRunningSystem)
{
    // Wine reports Windows 7 (6.1); Windows itself any later version.
    EXPECT_GE(g_eWinOSFlavor, WINOS_WIN7);
}
