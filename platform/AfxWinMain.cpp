// AfxWinMain.cpp: the program's WinMain, in a file of its own so that only a
// GUI program (not a test executable with its own main) links it.
#include <cstdio>

#include "platform/CWinApp.h"
#include "platform/ProfileStore.h"

// Once the application has exited (its windows are gone, its documents and
// log files closed and its settings written), the settings store goes (a
// store that could not save tries once more), then the process ends at
// once, without the C runtime's exit handlers: the C++ runtime's exit-time
// removal of its thread key can wait forever on the threads library's key
// lock, and the program would hang after its main window closed.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    int nResult = AfxWinMain(hInstance, lpCmdLine, nCmdShow);
    SetSettingsStore(nullptr);
    std::fflush(nullptr);
    ::ExitProcess((UINT)nResult);
}
