// EditsDemo.cpp: shows the edit controls' dialog with sample values, for
// pictures.
#include <windows.h>
#include <commctrl.h>

#include "EditsDlg.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&icc);
    CEditsDlg dlg;
    if (!dlg.Create(CEditsDlg::IDD))
        return 1;
    dlg.SetDlgItemText(IDC_HEX, "00FF10A0");
    dlg.SetDlgItemText(IDC_DEVNUM, "1:0A0C");
    dlg.SetDlgItemText(IDC_ALNUM, "SYSRES");
    dlg.m_fpSpin.SetStep(0.01);
    dlg.m_fpSpin.SetRange(0.0, 10.0);
    dlg.m_fpEdit.SetPrecision(2);
    dlg.m_fpSpin.SetPos(1.25);
    dlg.m_progress.SetPos(60);
    dlg.m_progressVert.SetPos(35);
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
