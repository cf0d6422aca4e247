// WinTestMainTest.cpp: the threads that the entry of the Windows test
// programs starts, and when.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/ThreadStarts.h"

// GoogleTest's watcher of this thread runs from the program's start: the
// first trace of a case (perhaps of the last one) starts no thread.
TEST(WinTestMain, TraceStartsNoThread)
{
    std::vector<DWORD> before = vorntest::OtherThreads();
    {
        SCOPED_TRACE("a case's first trace");
    }
    EXPECT_EQ(vorntest::OtherThreads(), before);
}

// A death-test child runs only its statement, which ends it: it starts no
// thread (the hang watch, GoogleTest's watcher) that its end could catch
// still starting. The child ends with the number of its other threads.
TEST(WinTestMainDeathTest, ChildStartsNoThread)
{
    EXPECT_EXIT(::ExitProcess((UINT)vorntest::OtherThreads().size()), testing::ExitedWithCode(0), "");
}
