// AfxWinMain.cpp: the program's WinMain, in a file of its own so that only a
// GUI program (not a test executable with its own main) links it.
#include "platform/CWinApp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, lpCmdLine, nCmdShow);
}
