// CrashDemo.cpp: a program with the unhandled-exception reporter whose
// worker thread writes through a null pointer and catches nothing: the
// reporter's filter writes "crashdemo.exe Unhandled Exception Report.txt"
// beside it, then the process ends with the fault.
#include <windows.h>

#include <thread>

#include "mainwindow/UnhandledException.h"

namespace {

__attribute__((noinline)) void Crash(volatile int* p)
{
    *p = 42;
}

}  // namespace

int main()
{
    // No crash dialog on Windows (Wine starts its debugger all the same).
    ::SetErrorMode(SEM_NOGPFAULTERRORBOX | SEM_FAILCRITICALERRORS);
    // Keep the reporter in the program.
    ::SetLastError(g_UnhandledException.GetExceptionCode());
    std::thread worker([] { Crash(nullptr); });
    worker.join();
    return 0;
}
