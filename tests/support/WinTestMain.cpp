// WinTestMain.cpp: the entry of every Windows test program. Once the results
// are written the program ends at once, without the C runtime's exit
// handlers: under a loaded machine the C++ runtime's exit-time removal of its
// thread key could wait forever on the threads library's key lock (the
// program hung after "[  PASSED  ]" until the runner's time limit). The child
// job still ends the stand-ins that a failed test left running.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    int nResult = RUN_ALL_TESTS();
    std::fflush(stdout);
    std::fflush(stderr);
    ::ExitProcess((UINT)nResult);
}
