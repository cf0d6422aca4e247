// WinTestMain.cpp: the entry of every Windows test program. A test case
// that runs past its limit (VORN_TEST_CASE_LIMIT seconds, default 60; 0 for
// none) ends the program with a line saying where it waited (HangWatch.h).
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

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    const char* pszLimit = std::getenv("VORN_TEST_CASE_LIMIT");
    vorntest::InstallHangWatch(pszLimit ? (unsigned)std::strtoul(pszLimit, nullptr, 10) : 60);
    int nResult = RUN_ALL_TESTS();
    vorntest::StopHangWatch();
    std::fflush(stdout);
    std::fflush(stderr);
    ::ExitProcess((UINT)nResult);
}
