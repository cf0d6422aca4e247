// ModalWindowClose.cpp: the boxes and dialogs a close may end, through
// their Cancel, and the ones it waits at.
#include "platform/ModalWindowClose.h"

#include "platform/AfxIds.h"
#include "platform/CModalLoop.h"
#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "platform/ModalMessageWatch.h"

namespace {

// The window a close cancelled last: still there at the next look, it
// refused (a page that keeps its dialog open).
thread_local HWND t_hCancelled = nullptr;

// A shown dialog window whose owner it disables: every box, task dialog,
// dialog and property sheet of the program while it runs modal (a floating
// bar or a progress window leaves its owner enabled).
bool IsModalWindow(HWND h)
{
    if (!h || !::IsWindowVisible(h))
        return false;
    HWND hOwner = ::GetWindow(h, GW_OWNER);
    if (!hOwner || ::IsWindowEnabled(hOwner))
        return false;
    char szClass[16] = {};
    ::GetClassNameA(h, szClass, sizeof szClass);
    return lstrcmpA(szClass, "#32770") == 0;
}

enum class ECancel { kNone, kButton, kCaption };

ECancel OfferedCancel(HWND h)
{
    if (HWND hCancel = ::GetDlgItem(h, IDCANCEL))
        return ::IsWindowVisible(hCancel) && ::IsWindowEnabled(hCancel) ? ECancel::kButton : ECancel::kNone;
    if (!(::GetWindowLongA(h, GWL_STYLE) & WS_SYSMENU))
        return ECancel::kNone;
    HMENU hMenu = ::GetSystemMenu(h, FALSE);
    UINT nState = hMenu ? ::GetMenuState(hMenu, SC_CLOSE, MF_BYCOMMAND) : (UINT)-1;
    return nState != (UINT)-1 && !(nState & (MF_GRAYED | MF_DISABLED)) ? ECancel::kCaption : ECancel::kNone;
}

bool CancelDropsEdits(HWND h)
{
    if (HWND hApply = ::GetDlgItem(h, ID_APPLY_NOW))
        return ::IsWindowEnabled(hApply) != FALSE;
    return DialogHasUserInput(h);
}

}  // namespace

HWND TopModalWindow()
{
    HWND h = ModalOwnerWindow(nullptr);
    return IsModalWindow(h) && ::IsWindowEnabled(h) ? h : nullptr;
}

ECloseWait CloseWaitsAt(HWND h)
{
    if (OfferedCancel(h) == ECancel::kNone)
        return ECloseWait::kNoCancel;
    return CancelDropsEdits(h) ? ECloseWait::kEdits : ECloseWait::kNone;
}

HWND ModalWindowACloseWaitsFor()
{
    // The windows under the top one are disabled by the one above them.
    for (HWND h = TopModalWindow(); IsModalWindow(h); h = ::GetWindow(h, GW_OWNER))
        if (CloseWaitsAt(h) != ECloseWait::kNone)
            return h;
    return nullptr;
}

bool CancelTopModalWindowForClose()
{
    // A minimized main window hides the windows it owns: it shows again, and
    // they with it, for the next look.
    CWnd* pMain = AfxGetMainWnd();
    if (pMain && pMain->m_hWnd && ::IsIconic(pMain->m_hWnd)) {
        ::ShowWindow(pMain->m_hWnd, SW_RESTORE);
        return true;
    }
    HWND h = TopModalWindow();
    if (!h) {
        t_hCancelled = nullptr;
        return true;
    }
    ECancel eCancel = OfferedCancel(h);
    if (h == t_hCancelled || eCancel == ECancel::kNone || CancelDropsEdits(h)) {
        t_hCancelled = nullptr;
        ShowModalWindowToUser(h);
        return false;
    }
    // As the user's click on the button, or on the caption's close button.
    t_hCancelled = h;
    if (eCancel == ECancel::kButton)
        ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)::GetDlgItem(h, IDCANCEL));
    else
        ::PostMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
}

bool HoldModalWindowAgainstClose(HWND h)
{
    if (!IsModalWindow(h))
        return false;
    // Enabled, it is the one the user works in: a modal window above it
    // would disable it, and that one comes to the front.
    bool bInUse = ::IsWindowEnabled(h) != FALSE;
    if (bInUse && CloseWaitsAt(h) == ECloseWait::kNone)
        return false;
    HWND hTop = TopModalWindow();
    ShowModalWindowToUser(bInUse || !hTop ? h : hTop);
    return true;
}

void ShowModalWindowToUser(HWND h)
{
    // The system refuses the foreground to a program the user is not in: it
    // flashes the program's button on the taskbar then.
    ::SetForegroundWindow(h);
    FLASHWINFO fi = {sizeof fi, h, FLASHW_CAPTION, 3, 0};
    ::FlashWindowEx(&fi);
}
