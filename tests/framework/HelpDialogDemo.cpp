// HelpDialogDemo.cpp: shows the resizable help dialog at a given client
// size, for pictures: helpdemo.exe WIDTH HEIGHT.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "ResizeHelpDlg.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
    int cx = __argc > 2 ? std::atoi(__argv[1]) : 0;
    int cy = __argc > 2 ? std::atoi(__argv[2]) : 0;
    CResizeHelpDlg dlg;
    if (!dlg.Create(CResizeHelpDlg::IDD))
        return 1;
    if (cx > 0 && cy > 0)
        dlg.SetWindowPos(nullptr, 20, 20, cx, cy, SWP_NOZORDER);
    dlg.SendDlgItemMessage(IDC_LIST, LB_ADDSTRING, 0, (LPARAM) "First entry");
    dlg.SendDlgItemMessage(IDC_LIST, LB_ADDSTRING, 0, (LPARAM) "Second entry");
    dlg.ShowWindow(SW_SHOW);
    MSG msg;
    while (::IsWindow(dlg.m_hWnd) && ::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!::IsDialogMessageA(dlg.m_hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return 0;
}
