// WinTestUtil.h: helpers for tests that start programs or wait for windows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vorntest {

// Folder of the running test program, with a trailing backslash.
std::string ProgramDir();

// A child program started from the test's folder; killed if still running
// when the object goes.
class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    // Starts ProgramDir() + exe with the given argument text.
    bool Start(const std::string& exe, const std::string& args = std::string());
    // Waits for the end; returns the exit code, or -1 on time-out.
    long Wait(DWORD timeoutMs);
    DWORD Pid() const { return m_pi.dwProcessId; }

private:
    PROCESS_INFORMATION m_pi = {};
};

// The child's window rectangle in its parent's client coordinates.
RECT ChildRectIn(HWND hParent, HWND hChild);
// "(left,top,right,bottom)".
std::string RectText(const RECT& rc);

// A visible top-level window of process dwPid and class pszClass other than
// hExcept; null when none.
HWND ShownWindowOf(DWORD dwPid, const char* pszClass, HWND hExcept = nullptr);

// Polls done() every 20 ms until it holds (true) or the time-out passes
// (false), while the watchdog knows the test waits for pszWhat there.
bool PollFor(const std::function<bool()>& done, DWORD timeoutMs, const char* pszWhat = "a condition",
             const char* pszFile = __builtin_FILE(), int nLine = __builtin_LINE());

// Polls for a top-level window of the class until the time-out; null if none.
HWND WaitForWindow(const char* className, DWORD timeoutMs, const char* pszFile = __builtin_FILE(),
                   int nLine = __builtin_LINE());

// One run of the utility stand-in as its record file holds it (one line a
// run): its command line, as the system padded it less trailing blanks,
// and its current folder.
struct SRecordedRun {
    std::string strCommandLine;
    std::string strFolder;
};
std::vector<SRecordedRun> ReadRecordedRuns(const std::string& strRecordFile);

}  // namespace vorntest
