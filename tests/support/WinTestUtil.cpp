// WinTestUtil.cpp: helpers for tests that start programs or wait for windows.
#include "tests/support/WinTestUtil.h"

#include <fstream>

#include "tests/support/HangWatch.h"

namespace vorntest {

std::string ProgramDir()
{
    char path[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of('\\') + 1);
}

RECT ChildRectIn(HWND hParent, HWND hChild)
{
    RECT rc = {};
    ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(nullptr, hParent, (POINT*)&rc, 2);
    return rc;
}

std::string RectText(const RECT& rc)
{
    return "(" + std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom) + ")";
}

ChildProcess::~ChildProcess()
{
    if (m_pi.hProcess) {
        if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(m_pi.hProcess, 255);
        ::CloseHandle(m_pi.hProcess);
        ::CloseHandle(m_pi.hThread);
    }
}

bool ChildProcess::Start(const std::string& exe, const std::string& args)
{
    std::string path = ProgramDir() + exe;
    std::string cmd = "\"" + path + "\"" + (args.empty() ? "" : " " + args);
    STARTUPINFOA si = {sizeof(si)};
    return ::CreateProcessA(path.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &si, &m_pi) != FALSE;
}

long ChildProcess::Wait(DWORD timeoutMs)
{
    if (::WaitForSingleObject(m_pi.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    ::GetExitCodeProcess(m_pi.hProcess, &code);
    return (long)code;
}

HWND WaitForWindow(const char* className, DWORD timeoutMs, const char* pszFile, int nLine)
{
    WaitingFor waiting(className, pszFile, nLine);
    DWORD start = ::GetTickCount();
    for (;;) {
        HWND h = ::FindWindowA(className, nullptr);
        if (h && ::IsWindowVisible(h))
            return h;
        if (::GetTickCount() - start > timeoutMs)
            return nullptr;
        ::Sleep(50);
    }
}

std::vector<SRecordedRun> ReadRecordedRuns(const std::string& strRecordFile)
{
    std::vector<SRecordedRun> out;
    std::ifstream in(strRecordFile, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        size_t nTab = line.rfind('\t');
        std::string strCommand = line.substr(0, nTab);
        strCommand.erase(strCommand.find_last_not_of(' ') + 1);
        out.push_back({strCommand, nTab == std::string::npos ? "" : line.substr(nTab + 1)});
    }
    return out;
}

}  // namespace vorntest

namespace {

struct SShownWindow {
    DWORD dwPid;
    const char* pszClass;
    HWND hExcept;
    HWND hWnd;
};

BOOL CALLBACK FindShownWindow(HWND hWnd, LPARAM lParam)
{
    SShownWindow* p = (SShownWindow*)lParam;
    DWORD dwPid = 0;
    ::GetWindowThreadProcessId(hWnd, &dwPid);
    char szClass[64] = {};
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    if (dwPid != p->dwPid || hWnd == p->hExcept || !::IsWindowVisible(hWnd) || std::string(szClass) != p->pszClass)
        return TRUE;
    p->hWnd = hWnd;
    return FALSE;
}

}  // namespace

HWND vorntest::ShownWindowOf(DWORD dwPid, const char* pszClass, HWND hExcept)
{
    SShownWindow shown{dwPid, pszClass, hExcept, nullptr};
    ::EnumWindows(FindShownWindow, (LPARAM)&shown);
    return shown.hWnd;
}

bool vorntest::PollFor(const std::function<bool()>& done, DWORD timeoutMs, const char* pszWhat, const char* pszFile,
                       int nLine)
{
    WaitingFor waiting(pszWhat, pszFile, nLine);
    for (DWORD dwStart = ::GetTickCount(); !done(); ::Sleep(20))
        if (::GetTickCount() - dwStart >= timeoutMs)
            return false;
    return true;
}
