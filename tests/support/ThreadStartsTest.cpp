// ThreadStartsTest.cpp: a thread counts as starting until it runs its code.
#include "tests/support/ThreadStarts.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/HangWatch.h"

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

// Holds the thread that ends with its id in g_dwHeldId in the loader's
// detach: it has left its code but is not yet signalled as ended.
DWORD g_dwHeldId = 0;
HANDLE g_hInDetach = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
HANDLE g_hLeaveDetach = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);

void NTAPI HoldInDetach(PVOID, DWORD dwReason, PVOID)
{
    if (dwReason != DLL_THREAD_DETACH || ::GetCurrentThreadId() != g_dwHeldId)
        return;
    ::SetEvent(g_hInDetach);
    ::WaitForSingleObject(g_hLeaveDetach, INFINITE);
}

__attribute__((used, section(".CRT$XLG"))) const PIMAGE_TLS_CALLBACK g_pfnHoldInDetach = HoldInDetach;

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

// A thread that has left its code and is ending is not starting.
TEST(ThreadStarts, EndingThreadHasBegun)
{
    DWORD dwId = 0;
    HANDLE hThread = ::CreateThread(nullptr, 0, ReturnAtOnce, nullptr, CREATE_SUSPENDED, &dwId);
    ASSERT_TRUE(hThread);
    g_dwHeldId = dwId;
    ::ResumeThread(hThread);
    {
        vorntest::WaitingFor waiting("the thread to reach its detach");
        ASSERT_EQ(::WaitForSingleObject(g_hInDetach, INFINITE), WAIT_OBJECT_0);
    }
    EXPECT_EQ(::WaitForSingleObject(hThread, 0), (DWORD)WAIT_TIMEOUT);
    EXPECT_FALSE(Holds(vorntest::ThreadsStillStarting(), dwId));
    ::SetEvent(g_hLeaveDetach);
    EXPECT_EQ(::WaitForSingleObject(hThread, INFINITE), WAIT_OBJECT_0);
    ::CloseHandle(hThread);
}
