// HangWatch.h: a watchdog for the Windows test programs. A test case that
// runs past its limit ends the program with a line naming the case and the
// wait it was in, instead of leaving it to the test runner's time limit.
#pragma once

namespace vorntest {

// Starts watching every test case of the program, and its end after the
// last: past limitSeconds the program prints "[  HUNG    ] Suite.Name ..."
// ("[  HUNG    ] the end of the program ...") and ends with exit code 3.
// With 0 nothing is watched and no thread started.
void InstallHangWatch(unsigned limitSeconds);
// Ends the watchdog's thread, before the program ends.
void StopHangWatch();

// Marks a wait of the test's own thread (a pump until a condition, a modal
// loop) for the watchdog's report while the object lives: what is awaited
// and the place of the call that waits (the defaults take the caller's file
// and line).
class WaitingFor {
public:
    explicit WaitingFor(const char* pszWhat, const char* pszFile = __builtin_FILE(), int nLine = __builtin_LINE());
    WaitingFor(const WaitingFor&) = delete;
    WaitingFor& operator=(const WaitingFor&) = delete;
    ~WaitingFor();

private:
    const WaitingFor* m_pOuter;  // the wait this one is inside of, if any
    const char* m_pszWhat;
    const char* m_pszFile;
    int m_nLine;
    friend struct HangWatchReport;
};

}  // namespace vorntest
