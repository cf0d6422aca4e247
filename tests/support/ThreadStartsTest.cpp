// ThreadStartsTest.cpp: a thread counts as starting until it runs its code.
#include "tests/support/ThreadStarts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

DWORD WINAPI ReturnAtOnce(void*)
{
    return 0;
}

DWORD WINAPI WaitForEvent(void* pvEvent)
{
    return ::WaitForSingleObject((HANDLE)pvEvent, INFINITE);
}

bool Holds(const std::vector<DWORD>& ids, DWORD id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace

TEST(ThreadStarts, SuspendedThreadStartsUntilResumed)
{
    DWORD dwId = 0;
    HANDLE hThread = ::CreateThread(nullptr, 0, ReturnAtOnce, nullptr, CREATE_SUSPENDED, &dwId);
    ASSERT_TRUE(hThread);
    EXPECT_TRUE(Holds(vorntest::OtherThreads(), dwId));
    EXPECT_TRUE(Holds(vorntest::ThreadsStillStarting(), dwId));
    ::ResumeThread(hThread);
    vorntest::WaitWhileThreadsStart();
    EXPECT_FALSE(Holds(vorntest::ThreadsStillStarting(), dwId));
    EXPECT_EQ(::WaitForSingleObject(hThread, INFINITE), WAIT_OBJECT_0);
    ::CloseHandle(hThread);
}

// A thread that has begun stays begun while it runs.
TEST(ThreadStarts, RunningThreadHasBegun)
{
    HANDLE hGo = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    DWORD dwId = 0;
    HANDLE hThread = ::CreateThread(nullptr, 0, WaitForEvent, hGo, 0, &dwId);
    ASSERT_TRUE(hThread);
    vorntest::WaitWhileThreadsStart();
    EXPECT_TRUE(Holds(vorntest::OtherThreads(), dwId));
    EXPECT_FALSE(Holds(vorntest::ThreadsStillStarting(), dwId));
    ::SetEvent(hGo);
    EXPECT_EQ(::WaitForSingleObject(hThread, INFINITE), WAIT_OBJECT_0);
    ::CloseHandle(hThread);
    ::CloseHandle(hGo);
}
