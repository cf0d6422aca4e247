// ThreadStarts.cpp: a thread counts as begun once the loader has told the
// program's image of it (DLL_THREAD_ATTACH, through a TLS callback), which
// every thread passes on its way to its own code; under Wine that is past the
// part of its start that a kill cannot survive.
#include "tests/support/ThreadStarts.h"

#include <tlhelp32.h>

#include <algorithm>
#include <map>

#include "tests/support/HangWatch.h"

namespace vorntest {

namespace {

SRWLOCK g_lock = SRWLOCK_INIT;
// The threads that have begun, by id, with the time each was made, kept past
// their end: a thread that has left its code but is not yet signalled as ended
// has begun all the same, and the time tells a new thread given an old one's
// id. Made by the first event, which may come before the program's static
// objects are.
std::map<DWORD, ULONGLONG>* g_pBegun = nullptr;  // guarded by g_lock
// Set whenever a thread begins.
HANDLE g_hBegun = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);

ULONGLONG CreationTime(HANDLE hThread)
{
    FILETIME created = {}, exited, kernel, user;
    ::GetThreadTimes(hThread, &created, &exited, &kernel, &user);
    return ((ULONGLONG)created.dwHighDateTime << 32) | created.dwLowDateTime;
}

void NTAPI OnThreadEvent(PVOID, DWORD dwReason, PVOID)
{
    if (dwReason != DLL_PROCESS_ATTACH && dwReason != DLL_THREAD_ATTACH)
        return;
    ::AcquireSRWLockExclusive(&g_lock);
    if (!g_pBegun)
        g_pBegun = new std::map<DWORD, ULONGLONG>;
    (*g_pBegun)[::GetCurrentThreadId()] = CreationTime(::GetCurrentThread());
    ::ReleaseSRWLockExclusive(&g_lock);
    if (dwReason == DLL_THREAD_ATTACH && g_hBegun)
        ::SetEvent(g_hBegun);
}

// The loader calls it for the program's first thread and for every thread
// that begins or ends after it.
__attribute__((used, section(".CRT$XLF"))) const PIMAGE_TLS_CALLBACK g_pfnOnThreadEvent = OnThreadEvent;

bool StillStarting(DWORD dwId)
{
    HANDLE hThread = ::OpenThread(THREAD_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, dwId);
    if (!hThread)
        return false;  // ended meanwhile
    bool bEnded = ::WaitForSingleObject(hThread, 0) == WAIT_OBJECT_0;
    ULONGLONG created = CreationTime(hThread);
    ::CloseHandle(hThread);
    bool bBegun = false;
    ::AcquireSRWLockShared(&g_lock);
    if (g_pBegun) {
        auto it = g_pBegun->find(dwId);
        bBegun = it != g_pBegun->end() && it->second == created;
    }
    ::ReleaseSRWLockShared(&g_lock);
    return !bEnded && !bBegun;
}

}  // namespace

std::vector<DWORD> OtherThreads()
{
    std::vector<DWORD> ids;
    HANDLE hSnapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (hSnapshot == INVALID_HANDLE_VALUE)
        return ids;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL bMore = ::Thread32First(hSnapshot, &entry); bMore; bMore = ::Thread32Next(hSnapshot, &entry)) {
        if (entry.th32OwnerProcessID == ::GetCurrentProcessId() && entry.th32ThreadID != ::GetCurrentThreadId())
            ids.push_back(entry.th32ThreadID);
    }
    ::CloseHandle(hSnapshot);
    std::sort(ids.begin(), ids.end());
    return ids;
}

std::vector<DWORD> ThreadsStillStarting()
{
    std::vector<DWORD> ids = OtherThreads();
    ids.erase(std::remove_if(ids.begin(), ids.end(), [](DWORD id) { return !StillStarting(id); }), ids.end());
    return ids;
}

void WaitWhileThreadsStart()
{
    WaitingFor waiting("the program's threads to begin");
    for (;;) {
        std::vector<DWORD> starting = ThreadsStillStarting();
        if (starting.empty())
            return;
        // Until one of them begins or ends.
        std::vector<HANDLE> handles{g_hBegun};
        for (DWORD id : starting) {
            if (handles.size() == MAXIMUM_WAIT_OBJECTS)
                break;
            if (HANDLE hThread = ::OpenThread(SYNCHRONIZE, FALSE, id))
                handles.push_back(hThread);
        }
        ::WaitForMultipleObjects((DWORD)handles.size(), handles.data(), FALSE, INFINITE);
        std::for_each(handles.begin() + 1, handles.end(), ::CloseHandle);
    }
}

}  // namespace vorntest
