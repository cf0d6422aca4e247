// WinTestMain.cpp: the entry of every Windows test program. A test case
// that runs past its limit (VORN_TEST_CASE_LIMIT seconds, default 60; 0 for
// none) ends the program with a line saying where it waited (HangWatch.h).
//
// Under Wine, a thread that the end of the process kills while it is still
// starting crashes the process after its results (a segmentation fault
// after "[  PASSED  ]"). So the threads that the program itself needs start
// with it, and it ends only once none of its threads is starting
// (ThreadStarts.h). A death-test child starts none: it is ended by its
// statement at once.
//
// Once the results are written the program ends at once, without the C
// runtime's exit handlers: under a loaded machine the C++ runtime's exit-time
// removal of its thread key could wait forever on the threads library's key
// lock (the program hung after "[  PASSED  ]" until the runner's time limit).
// The child job still ends the stand-ins that a failed test left running.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "tests/support/HangWatch.h"
#include "tests/support/ThreadStarts.h"

namespace {

bool IsDeathTestChild()
{
    return !GTEST_FLAG_GET(internal_run_death_test).empty();
}

unsigned CaseLimitSeconds()
{
    const char* pszLimit = std::getenv("VORN_TEST_CASE_LIMIT");
    return pszLimit ? (unsigned)std::strtoul(pszLimit, nullptr, 10) : 60;
}

// GoogleTest watches each thread that keeps state of its own with it (a
// trace, a failure) by a thread of its own, started the first time: for this
// thread, here rather than by the first SCOPED_TRACE, which may come in the
// last case.
void StartGoogleTestWatcher()
{
    SCOPED_TRACE("the program's start");
}

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    bool bDeathTestChild = IsDeathTestChild();
    if (!bDeathTestChild)
        StartGoogleTestWatcher();
    vorntest::InstallHangWatch(bDeathTestChild ? 0 : CaseLimitSeconds());
    int nResult = RUN_ALL_TESTS();
    vorntest::WaitWhileThreadsStart();
    vorntest::StopHangWatch();
    std::fflush(stdout);
    std::fflush(stderr);
    ::ExitProcess((UINT)nResult);
}
