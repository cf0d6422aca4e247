// EnableDlgControl.cpp: enabling a dialog's control, handing the focus on
// when the control that holds it is disabled.
#include "platform/EnableDlgControl.h"

bool IsDialogWindow(HWND h)
{
    char szClass[16] = "";
    return h && ::GetClassNameA(h, szClass, sizeof(szClass)) && lstrcmpA(szClass, "#32770") == 0;
}

namespace {

// The dialog whose tab order hCtrl belongs to: its own dialog, or, for a
// control on a page (a dialog inside a dialog), the outermost dialog, whose
// tab order runs through its pages.
HWND TabOrderDialog(HWND hCtrl)
{
    HWND hDlg = ::GetParent(hCtrl);
    while (hDlg && (::GetWindowLongA(hDlg, GWL_STYLE) & WS_CHILD) && IsDialogWindow(::GetParent(hDlg)))
        hDlg = ::GetParent(hDlg);
    return hDlg;
}

bool HoldsFocus(HWND hCtrl)
{
    HWND hFocus = ::GetFocus();
    return hFocus && (hFocus == hCtrl || ::IsChild(hCtrl, hFocus));
}

}  // namespace

BOOL EnableDlgControl(HWND hCtrl, BOOL bEnable)
{
    if (!bEnable && hCtrl && (::GetWindowLongA(hCtrl, GWL_STYLE) & WS_CHILD) && ::IsWindowEnabled(hCtrl) &&
        HoldsFocus(hCtrl)) {
        HWND hDlg = TabOrderDialog(hCtrl);
        HWND hNext = hDlg ? ::GetNextDlgTabItem(hDlg, hCtrl, FALSE) : nullptr;
        // WM_NEXTDLGCTL moves the default-button look along with the focus.
        if (hNext && hNext != hCtrl && !::IsChild(hCtrl, hNext))
            ::SendMessageA(hDlg, WM_NEXTDLGCTL, (WPARAM)hNext, TRUE);
    }
    return ::EnableWindow(hCtrl, bEnable);
}
