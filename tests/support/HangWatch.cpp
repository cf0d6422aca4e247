// HangWatch.cpp: the test programs' watchdog thread and the record of the
// wait a test case is in. The thread is a plain Win32 thread: the program
// ends with ExitProcess and must not wait on the C++ runtime's thread keys.
#include "tests/support/HangWatch.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

namespace vorntest {

struct HangWatchReport {
    static void Print(const std::string& strTest, unsigned nSeconds);
};

namespace {

CRITICAL_SECTION g_cs;
const WaitingFor* g_pInnermost = nullptr;  // guarded by g_cs

class HangWatch : public testing::EmptyTestEventListener {
public:
    explicit HangWatch(unsigned nSeconds) : m_dwLimitMs(nSeconds * 1000), m_nSeconds(nSeconds)
    {
        m_hChanged = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
        m_hThread = ::CreateThread(nullptr, 0, Watch, this, 0, nullptr);
    }

    // Ends the thread: a thread still waiting while the process ends has
    // crashed Wine itself now and then.
    void Stop()
    {
        ::EnterCriticalSection(&g_cs);
        m_bStop = true;
        ::LeaveCriticalSection(&g_cs);
        ::SetEvent(m_hChanged);
        if (m_hThread)
            ::WaitForSingleObject(m_hThread, INFINITE);
    }

    void OnTestStart(const testing::TestInfo& info) override
    {
        StartTiming(std::string(info.test_suite_name()) + "." + info.name());
    }
    void OnTestEnd(const testing::TestInfo&) override
    {
        ::EnterCriticalSection(&g_cs);
        m_bRunning = false;
        ::LeaveCriticalSection(&g_cs);
        ::SetEvent(m_hChanged);
    }
    // What the program does after its last case (waits for its threads) is
    // watched as a case is.
    void OnTestProgramEnd(const testing::UnitTest&) override { StartTiming("the end of the program"); }

private:
    void StartTiming(const std::string& strWhat)
    {
        ::EnterCriticalSection(&g_cs);
        m_strTest = strWhat;
        m_dwStart = ::GetTickCount();
        m_bRunning = true;
        ::LeaveCriticalSection(&g_cs);
        ::SetEvent(m_hChanged);
    }

    static DWORD WINAPI Watch(void* pv)
    {
        HangWatch* p = (HangWatch*)pv;
        for (;;) {
            DWORD dwWait = INFINITE;
            ::EnterCriticalSection(&g_cs);
            if (p->m_bStop) {
                ::LeaveCriticalSection(&g_cs);
                return 0;
            }
            if (p->m_bRunning) {
                DWORD dwRan = ::GetTickCount() - p->m_dwStart;
                if (dwRan >= p->m_dwLimitMs) {
                    HangWatchReport::Print(p->m_strTest, p->m_nSeconds);
                    std::fflush(stdout);
                    ::ExitProcess(3);
                }
                dwWait = p->m_dwLimitMs - dwRan;
            }
            ::LeaveCriticalSection(&g_cs);
            ::WaitForSingleObject(p->m_hChanged, dwWait);
        }
    }

    HANDLE m_hChanged = nullptr;
    HANDLE m_hThread = nullptr;
    const DWORD m_dwLimitMs;
    const unsigned m_nSeconds;
    std::string m_strTest;  // guarded by g_cs, as the two below
    DWORD m_dwStart = 0;
    bool m_bRunning = false;
    bool m_bStop = false;
};

HangWatch* g_pWatch = nullptr;  // owned by GoogleTest's listener list

// A window's text read without a message to its thread, which may be the
// hung one.
std::string WindowText(HWND hWnd)
{
    WCHAR wsz[256] = {};
    ::InternalGetWindowText(hWnd, wsz, 256);
    char sz[512] = {};
    ::WideCharToMultiByte(CP_ACP, 0, wsz, -1, sz, sizeof sz, nullptr, nullptr);
    return sz;
}

BOOL CALLBACK PrintChildText(HWND hWnd, LPARAM)
{
    char szClass[64] = {};
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    std::string strText = WindowText(hWnd);
    if (::IsWindowVisible(hWnd) && !strText.empty() && lstrcmpiA(szClass, "Static") == 0)
        std::printf("\n        \"%s\"", strText.c_str());
    return TRUE;
}

// The program's shown top-level windows: an unexpected message box is the
// usual reason for a hang.
BOOL CALLBACK PrintWindow(HWND hWnd, LPARAM)
{
    DWORD dwPid = 0;
    ::GetWindowThreadProcessId(hWnd, &dwPid);
    if (dwPid != ::GetCurrentProcessId() || !::IsWindowVisible(hWnd))
        return TRUE;
    char szClass[64] = {};
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    std::printf("\n    window %s \"%s\"", szClass, WindowText(hWnd).c_str());
    ::EnumChildWindows(hWnd, PrintChildText, 0);
    return TRUE;
}

}  // namespace

// Called with g_cs held.
void HangWatchReport::Print(const std::string& strTest, unsigned nSeconds)
{
    std::printf("\n[  HUNG    ] %s still running after %u s", strTest.c_str(), nSeconds);
    if (!g_pInnermost)
        std::printf(", in no marked wait");
    for (const WaitingFor* p = g_pInnermost; p; p = p->m_pOuter)
        std::printf("\n    waiting for %s at %s:%d", p->m_pszWhat, p->m_pszFile, p->m_nLine);
    // What is known so far reaches the log before the windows are asked.
    std::fflush(stdout);
    ::EnumWindows(PrintWindow, 0);
    std::printf("\n");
}

WaitingFor::WaitingFor(const char* pszWhat, const char* pszFile, int nLine)
    : m_pszWhat(pszWhat), m_pszFile(pszFile), m_nLine(nLine)
{
    ::EnterCriticalSection(&g_cs);
    m_pOuter = g_pInnermost;
    g_pInnermost = this;
    ::LeaveCriticalSection(&g_cs);
}

WaitingFor::~WaitingFor()
{
    ::EnterCriticalSection(&g_cs);
    g_pInnermost = m_pOuter;
    ::LeaveCriticalSection(&g_cs);
}

void InstallHangWatch(unsigned limitSeconds)
{
    ::InitializeCriticalSection(&g_cs);
    if (limitSeconds) {
        g_pWatch = new HangWatch(limitSeconds);
        testing::UnitTest::GetInstance()->listeners().Append(g_pWatch);
    }
}

void StopHangWatch()
{
    if (g_pWatch)
        g_pWatch->Stop();
}

}  // namespace vorntest
