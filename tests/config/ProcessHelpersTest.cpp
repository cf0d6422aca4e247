// ProcessHelpersTest.cpp: environment references, the editor started as a
// process of its own (the utility stand-in plays the editor and records its
// command line), the control panel's sounds and the crash report's place.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <fstream>
#include <sstream>
#include <string>

#include "config/ProcessHelpers.h"
#include "tests/config/TempFile.h"
#include "tests/support/WinTestUtil.h"

namespace {

std::string ReadWhenThere(const std::string& strPath, DWORD dwTimeoutMs)
{
    for (DWORD t = 0; t < dwTimeoutMs; t += 50) {
        std::ifstream f(strPath);
        std::stringstream ss;
        ss << f.rdbuf();
        if (!ss.str().empty())
            return ss.str();
        ::Sleep(50);
    }
    return std::string();
}

// Closes the message box that the code under test shows, keeping its text.
struct MessageBoxCloser {
    static CString s_strText;
    UINT_PTR m_id;
    MessageBoxCloser() : m_id(::SetTimer(nullptr, 0, 50, OnTimer)) { s_strText.Empty(); }
    ~MessageBoxCloser() { ::KillTimer(nullptr, m_id); }
    static BOOL CALLBACK CloseIfMessageBox(HWND h, LPARAM)
    {
        char szClass[16] = "";
        ::GetClassNameA(h, szClass, sizeof szClass);
        if (std::string(szClass) != "#32770")
            return TRUE;
        char sz[1024] = "";
        ::GetDlgItemTextA(h, 0xFFFF, sz, sizeof sz);
        s_strText = sz;
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return FALSE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        ::EnumThreadWindows(::GetCurrentThreadId(), CloseIfMessageBox, 0);
    }
};
CString MessageBoxCloser::s_strText;

}  // namespace

TEST(ProcessHelpers, ExpandsEnvironmentReferences)
{
    ::SetEnvironmentVariableA("VORN_HELPER_DIR", "C:\\Tools");
    CString strOut;
    EXPECT_EQ(ExpandEnvironmentVars(strOut, "%VORN_HELPER_DIR%\\ed.exe"), "C:\\Tools\\ed.exe");
    EXPECT_EQ(strOut, "C:\\Tools\\ed.exe");
    EXPECT_EQ(ExpandEnvironmentVars(strOut, "%VORN_NOT_SET_ANYWHERE%"), "%VORN_NOT_SET_ANYWHERE%");
    EXPECT_EQ(ExpandEnvironmentVars(strOut, ""), "");
    // Too long an expansion gives the text unchanged.
    ::SetEnvironmentVariableA("VORN_HELPER_LONG", std::string(20000, 'x').c_str());
    EXPECT_EQ(ExpandEnvironmentVars(strOut, "%VORN_HELPER_LONG%%VORN_HELPER_LONG%"),
              "%VORN_HELPER_LONG%%VORN_HELPER_LONG%");
    ::SetEnvironmentVariableA("VORN_HELPER_LONG", nullptr);
}

TEST(ProcessHelpers, EditorStartsWithTheExpandedCommandAndQuotedPath)
{
    TempDir dir;
    std::string strRecord = dir.Path("editor.txt");
    ::SetEnvironmentVariableA("VORNUTIL_RECORD", strRecord.c_str());
    ::SetEnvironmentVariableA("VORN_TEST_BIN", vorntest::ProgramDir().c_str());
    EXPECT_TRUE(EditFileInEditor("C:/My Configs/vorn.cnf", "%VORN_TEST_BIN%vornutil.exe"));
    std::string strLine = ReadWhenThere(strRecord, 10000);
    ::SetEnvironmentVariableA("VORNUTIL_RECORD", nullptr);
    EXPECT_NE(strLine.find("\"C:\\My Configs\\vorn.cnf\""), std::string::npos) << strLine;
}

TEST(ProcessHelpers, EditorThatCannotStartSaysSo)
{
    MessageBoxCloser closer;
    EXPECT_FALSE(EditFileInEditor("x.cnf", "Z:\\no\\such\\editor.exe"));
    EXPECT_EQ(std::string(MessageBoxCloser::s_strText).rfind("CreateProcess() for \"Z:\\no\\such\\editor.exe\" failed!", 0),
              0u) << MessageBoxCloser::s_strText.GetString();
    EXPECT_FALSE(EditFileInEditor("", "notepad"));
    EXPECT_FALSE(EditFileInEditor(nullptr, "notepad"));
}

// The resource is a whole RIFF WAVE file of 16-bit mono PCM.
void ExpectWaveResource(const char* pszName)
{
    HRSRC hRes = ::FindResourceA(nullptr, pszName, "WAVE");
    ASSERT_NE(hRes, nullptr) << pszName;
    const BYTE* p = static_cast<const BYTE*>(::LockResource(::LoadResource(nullptr, hRes)));
    DWORD n = ::SizeofResource(nullptr, hRes);
    ASSERT_GT(n, 44u);
    EXPECT_EQ(std::string((const char*)p, 4), "RIFF");
    EXPECT_EQ(std::string((const char*)p + 8, 8), "WAVEfmt ");
    EXPECT_EQ(*(const DWORD*)(p + 4), n - 8);
    EXPECT_EQ(*(const WORD*)(p + 20), 1);    // PCM
    EXPECT_EQ(*(const WORD*)(p + 22), 1);    // mono
}

TEST(ProcessHelpers, SoundsArePlayedFromTheResources)
{
    ExpectWaveResource("PressButton");
    ExpectWaveResource("TwistDial");
    EXPECT_NE(PlaySoundResource("NoSuchSound"), (DWORD)TRUE);
    if (::waveOutGetNumDevs() == 0) {
        // A headless Wine has no audio device: PlaySound cannot play, and the
        // failure comes back as an error code, not as success.
        EXPECT_NE(PlaySoundResource("PressButton"), (DWORD)TRUE);
        return;
    }
    EXPECT_EQ(PlaySoundResource("PressButton"), (DWORD)TRUE);
    EXPECT_EQ(PlaySoundResource("TwistDial"), (DWORD)TRUE);
}

TEST(ProcessHelpers, CrashReportIsInTheDocumentsFolder)
{
    CString strPath = CrashReportPath();
    const char kName[] = "\\VornGUI Unhandled Exception Report.txt";
    ASSERT_GT(strPath.GetLength(), (int)sizeof kName);
    EXPECT_EQ(strPath.Right((int)sizeof kName - 1), kName);
    EXPECT_EQ(strPath.Find("\\\\V"), -1);
}
