// PlaceholderMain.cpp: the first main window of VornGUI: the application icon,
// a menu bar with File > Exit and a status line. It stands until the
// application object and main frame take over.
#include <windows.h>
#include <commctrl.h>

#include "resource.h"

namespace {

const char kMainClass[] = "VornGUIMainFrame";
const int kStatusBarId = 0xE801;

LRESULT CALLBACK MainWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: {
        HWND hStatus = ::CreateWindowExA(0, STATUSCLASSNAMEA, "Ready",
                                         WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                         hWnd, (HMENU)(INT_PTR)kStatusBarId,
                                         ((LPCREATESTRUCTA)lParam)->hInstance, nullptr);
        return hStatus ? 0 : -1;
    }
    case WM_SIZE:
        ::SendDlgItemMessageA(hWnd, kStatusBarId, WM_SIZE, 0, 0);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == ID_APP_EXIT) {
            ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(hWnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);

    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = hInstance;
    wc.hIcon = ::LoadIconA(hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    wc.hIconSm = (HICON)::LoadImageA(hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                     16, 16, LR_DEFAULTCOLOR);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_APPWORKSPACE + 1);
    wc.lpszMenuName = MAKEINTRESOURCEA(IDR_MAINFRAME);
    wc.lpszClassName = kMainClass;
    if (!::RegisterClassExA(&wc))
        return 1;

    HWND hWnd = ::CreateWindowExA(0, kMainClass, "VornGUI", WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 800, 560,
                                  nullptr, nullptr, hInstance, nullptr);
    if (!hWnd)
        return 1;
    ::ShowWindow(hWnd, nCmdShow);
    ::UpdateWindow(hWnd);

    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}
