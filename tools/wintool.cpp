// wintool.cpp: starts a program for the screenshot script and tells it when
// the program's window shows. Runs inside Wine's desktop, so the program it
// starts shares that desktop.
//   wintool CLASS TITLE TIMEOUT_MS SIGNALDIR PROGRAM [ARGS...]
// CLASS is an exact class name and TITLE a part of the caption; "-" matches
// any. Once a visible window matches it creates SIGNALDIR\ready (or
// SIGNALDIR\timeout), then waits for SIGNALDIR\done and closes the program.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Match {
    const char* cls;
    const char* title;
    HWND found;
    bool close;
};

BOOL CALLBACK OnWindow(HWND h, LPARAM lp)
{
    Match* m = (Match*)lp;
    if (!::IsWindowVisible(h))
        return TRUE;
    char cls[256] = {}, title[512] = {};
    ::GetClassNameA(h, cls, sizeof cls);
    ::GetWindowTextA(h, title, sizeof title);
    if (std::strcmp(m->cls, "-") != 0 && std::strcmp(cls, m->cls) != 0)
        return TRUE;
    if (std::strcmp(m->title, "-") != 0 && !std::strstr(title, m->title))
        return TRUE;
    // The desktop's own windows never count.
    if (!std::strcmp(cls, "Shell_TrayWnd") || !std::strcmp(cls, "Progman") || !std::strcmp(cls, "#32769"))
        return TRUE;
    m->found = h;
    if (m->close)
        ::PostMessageA(h, WM_CLOSE, 0, 0);
    return m->close;
}

void Touch(const std::string& path)
{
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h != INVALID_HANDLE_VALUE)
        ::CloseHandle(h);
}

bool WaitFor(Match& m, DWORD timeout)
{
    DWORD start = ::GetTickCount();
    while (::EnumWindows(OnWindow, (LPARAM)&m), !m.found) {
        if (::GetTickCount() - start > timeout)
            return false;
        ::Sleep(100);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 6) {
        std::fprintf(stderr, "usage: wintool CLASS TITLE TIMEOUT_MS SIGNALDIR PROGRAM [ARGS...]\n");
        return 2;
    }
    std::string signals = std::string(argv[4]) + "\\";
    std::string cmd;
    for (int i = 5; i < argc; ++i)
        cmd += std::string(cmd.empty() ? "" : " ") + "\"" + argv[i] + "\"";
    STARTUPINFOA si = {sizeof(si)};
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        Touch(signals + "timeout");
        return 1;
    }
    Match m = {argv[1], argv[2], nullptr, false};
    bool shown = WaitFor(m, (DWORD)std::strtoul(argv[3], nullptr, 10));
    Touch(signals + (shown ? "ready" : "timeout"));
    if (shown) {
        std::string done = signals + "done";
        for (int i = 0; i < 600 && ::GetFileAttributesA(done.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
            ::Sleep(100);
        Match c = {argv[1], argv[2], nullptr, true};
        ::EnumWindows(OnWindow, (LPARAM)&c);
    }
    if (::WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0)
        ::TerminateProcess(pi.hProcess, 1);
    ::CloseHandle(pi.hProcess);
    ::CloseHandle(pi.hThread);
    return shown ? 0 : 1;
}
