// PlainWindow.cpp: plain_window.exe, the baseline of the start-up and idle
// benchmarks: one overlapped window of class "VornPlainWindow" with a menu
// bar, made with the same compiler and run-time as VornGUI.exe, shown, and
// served by a bare GetMessage loop. Closing it ends the process.
#include <windows.h>

namespace {

LRESULT CALLBACK PlainWndProc(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(hWnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlainWndProc;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = "VornPlainWindow";
    if (!::RegisterClassA(&wc))
        return 1;
    HMENU hMenu = ::CreateMenu();
    HMENU hFile = ::CreatePopupMenu();
    ::AppendMenuA(hFile, MF_STRING, 1, "E&xit");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hFile, "&File");
    HWND hWnd = ::CreateWindowExA(0, "VornPlainWindow", "Plain window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 1024, 700, nullptr, hMenu, hInstance, nullptr);
    if (!hWnd)
        return 1;
    ::ShowWindow(hWnd, nCmdShow == SW_SHOWDEFAULT ? SW_SHOW : nCmdShow);
    ::UpdateWindow(hWnd);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}
