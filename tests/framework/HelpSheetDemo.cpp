// HelpSheetDemo.cpp: shows the resizable help sheet at a given outer size,
// for pictures: sheetdemo.exe WIDTH HEIGHT.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "ResizeHelpSheet.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&icc);
    int cx = __argc > 2 ? std::atoi(__argv[1]) : 0;
    int cy = __argc > 2 ? std::atoi(__argv[2]) : 0;
    CResizeHelpSheet sheet;
    if (!sheet.Create())
        return 1;
    if (cx > 0 && cy > 0)
        sheet.SetWindowPos(nullptr, 20, 20, cx, cy, SWP_NOZORDER);
    sheet.m_General.SendDlgItemMessage(IDC_PAGE_LIST, LB_ADDSTRING, 0, (LPARAM) "First entry");
    sheet.m_General.SendDlgItemMessage(IDC_PAGE_LIST, LB_ADDSTRING, 0, (LPARAM) "Second entry");
    sheet.ShowWindow(SW_SHOW);
    MSG msg;
    while (::IsWindow(sheet.m_hWnd) && ::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!sheet.PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return 0;
}
