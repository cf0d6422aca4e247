// UtilityMenuFixture.h: the real view with the utility stand-in installed,
// under each utility's program name, in an executables folder whose name
// holds a blank, with disk and tape folders of its own; the stand-in
// records its command line and current folder. Runs are started from the
// Utilities menu with their dialogs filled and confirmed by a driver.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/ErrorBalloon.h"
#include "platform/ProfileStore.h"
#include "resources/resource.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIView.h"
#include "tests/platform/ModalDriver.h"
#include "tests/session/SessionViewFixture.h"
#include "tests/support/WinTestUtil.h"

using SRecorded = vorntest::SRecordedRun;

struct UtilityMenu : SessionFixture {
    std::string strExeDir, strDiskDir, strTapeDir, strUtilRecord;
    int nRunsSeen = 0;

    void Presets() override
    {
        strExeDir = dir.Path("exe dir\\");
        strDiskDir = dir.Path("disk\\");
        strTapeDir = dir.Path("tapes\\");
        for (const std::string& s : {strExeDir, strDiskDir, strTapeDir})
            ::CreateDirectoryA(s.c_str(), nullptr);
        std::string strStandin = vorntest::ProgramDir() + "vornutil.exe";
        for (const char* pszName :
             {"PACKFLIP", "PACKFLIP64", "VOLPATCH", "MAPIMPORT", "REELSCAN", "VOLRECAST", "VOLRECAST64", "VOLMAKE",
              "VOLCLONE", "REELBUILD", "REELBLANK", "REELDUB", "REELFETCH", "VMFPLC2"})
            ::CopyFileA(strStandin.c_str(), (strExeDir + pszName + ".exe").c_str(), FALSE);
        ::CopyFileA((vorntest::ProgramDir() + "vornemu.exe").c_str(), (strExeDir + "vornemu.exe").c_str(), FALSE);
        const std::pair<const char*, std::string> lists[] = {
            {"ExecutablesFilesDirectories", strExeDir},
            {"DiskFilesDirectories", strDiskDir},
            {"TapeFilesDirectories", strTapeDir},
        };
        for (const auto& list : lists) {
            ProfileWriteInt(list.first, "NumEntries", 1);
            ProfileWriteString(list.first, "1", list.second.c_str());
        }
        // Error lines in a colour of their own, as users set them.
        ProfileWriteInt("Settings", "ErrorMsgsColor", (int)RGB(192, 0, 0));
        strUtilRecord = dir.Path("utilities.txt");
        ::SetEnvironmentVariableA("VORNUTIL_RECORD", strUtilRecord.c_str());
    }
    void TearDown() override
    {
        Pump([&] { return !pView->IsUtilityRunning(); }, 10000);
        ErrorBalloonHide();
        for (const char* pszName : {"VORNUTIL_RECORD", "VORNUTIL_SCRIPT_MAPIMPORT", "VORNUTIL_SCRIPT_REELSCAN",
                                    "VORNUTIL_SCRIPT_VOLMAKE", "VORNUTIL_SCRIPT_REELBUILD"})
            ::SetEnvironmentVariableA(pszName, nullptr);
        SessionFixture::TearDown();
    }

    void SetUp() override
    {
        SessionFixture::SetUp();
        // The view's start-up check of the required folders (it makes the
        // log folder current, and may ask about the logs) runs before any
        // menu command: the view posted it when made.
        ASSERT_TRUE(Pump([&] {
            MSG msg;
            return !::PeekMessageA(&msg, pView->m_hWnd, WM_CHECK_REQUIRED_DIRS, WM_CHECK_REQUIRED_DIRS, PM_NOREMOVE);
        }, 20000)) << "the view's check of the required folders";
    }
    // The program as the view names it: the executables folder (in the
    // view's standard form) and the word, quoted for the blank.
    std::string Program(const char* pszWord) const
    {
        return "\"" + std::string(pView->GetExecutablesDir()) + pszWord + "\"";
    }
    std::string Console() const
    {
        std::string s;
        for (const std::string& line : ConsoleLines())
            s += line + "\n";
        return s;
    }
    std::vector<SRecorded> Recorded() const { return vorntest::ReadRecordedRuns(strUtilRecord); }

    // Chooses the menu command, lets fill set up its dialog and presses OK;
    // the run that starts is left running.
    void StartFromMenu(UINT nCommand, const std::function<void(HWND)>& fill)
    {
        HWND hFirst = nullptr;
        vorntest::DialogDriver driver([&](HWND h) {
            if (hFirst)
                return false;  // the run's progress window
            hFirst = h;
            fill(h);
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
            return true;
        });
        pView->SendMessage(WM_COMMAND, nCommand, 0);
    }
    // The progress bar's position once it is nWanted, else the last one seen.
    int ProgressPosition(HWND hProgress, int nWanted)
    {
        int nPos = -1;
        Pump([&] {
            nPos = (int)::SendDlgItemMessageA(hProgress, IDC_PROGRESS_BAR, PBM_GETPOS, 0, 0);
            return nPos == nWanted;
        }, 5000);
        return nPos;
    }

    // Chooses the menu command, types the input into its dialog and presses
    // OK; returns the refusal's balloon ("title: text"), or empty when the
    // dialog closed. A started run is waited for.
    std::string Run(UINT nCommand, const std::string& strInput,
                    const std::function<void(HWND)>& extra = nullptr)
    {
        HWND hFirst = nullptr;
        std::string strBalloon;
        {
            vorntest::DialogDriver driver([&](HWND h) {
                if (!hFirst) {
                    hFirst = h;
                    ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, strInput.c_str());
                    if (extra)
                        extra(h);
                    ::PostMessageA(h, WM_COMMAND, IDOK, 0);
                    return true;
                }
                if (h != hFirst)
                    return false;  // the run's progress window
                CString strTitle, strText;
                if (ErrorBalloonWindow(&strTitle, &strText))
                    strBalloon = std::string(strTitle) + ": " + std::string(strText);
                ErrorBalloonHide();
                ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
                return false;
            });
            pView->SendMessage(WM_COMMAND, nCommand, 0);
        }
        Pump([&] { return !pView->IsUtilityRunning(); }, 20000);
        return strBalloon;
    }
};
