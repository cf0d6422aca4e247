// PipeBenchmark.cpp: how fast child output crosses a pipe. The utility
// stand-in floods 1,000,000 lines of 80 characters on its standard output;
// the same stream is read once through CPipedProcessCtl into a sink that
// splits and counts the lines, and by bare ReadFile loops (with the
// controller's pipe and read sizes, with a 64 KB pipe and reads, and with a
// 1 KB pipe and 64 KB or 1 KB reads), so the cost of the controller shows
// next to the cost of the pipe itself, and what the pipe's size changes.
//
// usage: pipe_bench.exe [lines]    (run it beside vornutil.exe)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "session/ChildProcessHost.h"
#include "session/PipeChunkSplit.h"
#include "session/PipedProcessCtl.h"
#include "session/SessionMessages.h"
#include "session/UtilityProgress.h"

namespace {

std::string ProgramDir()
{
    char path[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of('\\') + 1);
}

std::string FloodCommand(long nLines)
{
    return "\"" + ProgramDir() + "vornutil.exe\" --do \"flood out " + std::to_string(nLines) + " 80\"";
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER freq;
    ::QueryPerformanceFrequency(&freq);
    return (double)(to.QuadPart - from.QuadPart) / (double)freq.QuadPart;
}

// A host that counts the lines it is handed; WM_UTILITY_ENDED stops the loop.
class CCountingHost : public CChildProcessHost {
public:
    CCountingHost()
    {
        m_hWnd = ::CreateWindowExA(0, "STATIC", "bench", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    }
    ~CCountingHost() { ::DestroyWindow(m_hWnd); }
    HWND GetChildNotifyWnd() const override { return m_hWnd; }
    void OnPipeData(int, CPipedProcessCtl*, char* pBuffer, int& nLength) override
    {
        SplitPipeChunk(pBuffer, nLength, [this](char*) { ++m_nLines; });
    }
    void AddChildNote(const CString&, bool) override {}
    bool IsPidPrefixNeeded() const override { return false; }
    void ShowChildStartError(const CString& strText, const CString&) override
    {
        std::printf("%s\n", (const char*)strText);
    }
    // Runs the message loop until the end arrives; returns the deleted controller's exit code.
    DWORD WaitForEnd()
    {
        MSG msg;
        while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
            if (msg.message == WM_UTILITY_ENDED) {
                delete (CPipedProcessCtl*)msg.lParam;
                return (DWORD)msg.wParam;
            }
            ::DispatchMessageA(&msg);
        }
        return 0xFFFFFFFF;
    }
    HWND m_hWnd;
    long m_nLines = 0;
};

double ThroughController(long nLines, long& nCounted)
{
    CCountingHost host;
    g_pChildHost = &host;
    LARGE_INTEGER t0, t1;
    ::QueryPerformanceCounter(&t0);
    new CPipedProcessCtl("bench", kUtilNone, nullptr, FloodCommand(nLines).c_str(), "", false, 0, 0);
    host.WaitForEnd();
    ::QueryPerformanceCounter(&t1);
    g_pChildHost = nullptr;
    nCounted = host.m_nLines;
    return Seconds(t0, t1);
}

// The bare loop: one pipe, ReadFile until its end, line feeds counted.
double BareReadLoop(long nLines, DWORD nPipeSize, DWORD nReadSize, long& nCounted)
{
    SECURITY_ATTRIBUTES sa = { sizeof(sa), nullptr, TRUE };
    HANDLE hRead, hWrite;
    ::CreatePipe(&hRead, &hWrite, &sa, nPipeSize);
    ::SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = hWrite;
    si.hStdError = hWrite;
    PROCESS_INFORMATION pi = {};
    std::string cmd = FloodCommand(nLines);
    LARGE_INTEGER t0, t1;
    ::QueryPerformanceCounter(&t0);
    if (!::CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr, nullptr, &si, &pi))
        return -1;
    ::CloseHandle(hWrite);
    std::string buffer(nReadSize, '\0');
    DWORD n = 0;
    nCounted = 0;
    while (::ReadFile(hRead, &buffer[0], nReadSize, &n, nullptr) && n > 0)
        for (const char* p = buffer.data(); (p = (const char*)std::memchr(p, '\n', buffer.data() + n - p)); ++p)
            ++nCounted;
    ::WaitForSingleObject(pi.hProcess, INFINITE);
    ::QueryPerformanceCounter(&t1);
    ::CloseHandle(pi.hProcess);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(hRead);
    return Seconds(t0, t1);
}

void Report(const char* pszWhat, long nLines, long nCounted, double fSeconds)
{
    std::printf("%-52s %8ld lines in %6.2f s: %9.0f lines/s%s\n", pszWhat, nCounted, fSeconds,
                fSeconds > 0 ? nCounted / fSeconds : 0.0, nCounted == nLines ? "" : "  (LINES MISSING)");
}

}  // namespace

int main(int argc, char** argv)
{
    long nLines = argc > 1 ? std::atol(argv[1]) : 1000000;
    long nCounted = 0;
    double f = ThroughController(nLines, nCounted);
    Report("CPipedProcessCtl (4 MB pipe, 64 KB reads) + splitter", nLines, nCounted, f);
    f = BareReadLoop(nLines, 4 * 1024 * 1024, 64 * 1024, nCounted);
    Report("bare ReadFile loop, 4 MB pipe, 64 KB reads", nLines, nCounted, f);
    f = BareReadLoop(nLines, 64 * 1024, 64 * 1024, nCounted);
    Report("bare ReadFile loop, 64 KB pipe, 64 KB reads", nLines, nCounted, f);
    f = BareReadLoop(nLines, 1024, 64 * 1024, nCounted);
    Report("bare ReadFile loop, 1 KB pipe, 64 KB reads", nLines, nCounted, f);
    f = BareReadLoop(nLines, 1024, 1023, nCounted);
    Report("bare ReadFile loop, 1 KB pipe, 1023-byte reads", nLines, nCounted, f);
    return 0;
}
