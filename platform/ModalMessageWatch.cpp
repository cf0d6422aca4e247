// ModalMessageWatch.cpp: the hook on the messages the thread takes while a
// modal window runs: the user's input to dialogs, and the closes that other
// programs post to them.
#include "platform/ModalMessageWatch.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "platform/ModalWindowClose.h"
#include "platform/Trace.h"

namespace {

thread_local int t_nWatches = 0;
thread_local HHOOK t_hHook = nullptr;
thread_local std::vector<HWND>* t_pWorkedIn = nullptr;  // dialogs the user gave input

// A key or a click that may change what a dialog holds. Moving between
// controls, ending the window, asking for help and the shift keys alone
// change nothing.
bool MayChangeADialog(const MSG& msg)
{
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        switch (msg.wParam) {
        case VK_TAB:
        case VK_ESCAPE:
        case VK_RETURN:
        case VK_F1:
        case VK_SHIFT:
        case VK_CONTROL:
        case VK_MENU:
            return false;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_MOUSEWHEEL:
        break;
    default:
        return false;
    }
    int nId = ::GetDlgCtrlID(msg.hwnd);
    return nId != IDCANCEL && nId != IDHELP && nId != pshHelp;
}

// The dialog a window is part of: itself or the first top-level dialog up
// its parents and owners (a combo box's drop-down list is a popup of its
// own); null when none.
HWND DialogOf(HWND h)
{
    for (; h; h = ::GetParent(h)) {
        char szClass[16] = {};
        ::GetClassNameA(h, szClass, sizeof szClass);
        if (lstrcmpA(szClass, "#32770") == 0 && !(::GetWindowLongA(h, GWL_STYLE) & WS_CHILD))
            return h;
    }
    return nullptr;
}

void NoteInput(const MSG& msg)
{
    if (!MayChangeADialog(msg))
        return;
    HWND hDlg = DialogOf(msg.hwnd);
    if (!hDlg || DialogHasUserInput(hDlg))
        return;
    if (!t_pWorkedIn)
        t_pWorkedIn = new std::vector<HWND>;
    // The handles of dialogs gone may come again for new ones.
    t_pWorkedIn->erase(std::remove_if(t_pWorkedIn->begin(), t_pWorkedIn->end(), [](HWND h) { return !::IsWindow(h); }),
                       t_pWorkedIn->end());
    t_pWorkedIn->push_back(hDlg);
}

}  // namespace

CModalMessageWatch::CModalMessageWatch()
{
    if (t_nWatches++ > 0)
        return;
    t_hHook = ::SetWindowsHookExA(WH_GETMESSAGE, GetMessageHook, nullptr, ::GetCurrentThreadId());
    if (!t_hHook)
        TRACE_FAILED_CALL("SetWindowsHookExA(WH_GETMESSAGE, GetMessageHook, nullptr, ::GetCurrentThreadId())");
}

CModalMessageWatch::~CModalMessageWatch()
{
    if (--t_nWatches > 0)
        return;
    if (t_hHook)
        ::UnhookWindowsHookEx(t_hHook);
    t_hHook = nullptr;
    if (t_pWorkedIn)
        t_pWorkedIn->clear();
}

// Called for each message a loop of the thread takes (and for each one it
// only looks at, which is left alone). A message the hook changes to
// WM_NULL reaches its window as nothing.
LRESULT CALLBACK CModalMessageWatch::GetMessageHook(int nCode, WPARAM wp, LPARAM lp)
{
    MSG* pMsg = (MSG*)lp;
    if (nCode == HC_ACTION && wp == PM_REMOVE) {
        NoteInput(*pMsg);
        // The user's own close of a window (its caption's button, Alt+F4)
        // reaches it as a sent WM_CLOSE, from its WM_SYSCOMMAND: a posted
        // one is another program's.
        if (pMsg->message == WM_CLOSE && HoldModalWindowAgainstClose(pMsg->hwnd))
            pMsg->message = WM_NULL;
    }
    return ::CallNextHookEx(t_hHook, nCode, wp, lp);
}

bool DialogHasUserInput(HWND hDlg)
{
    return t_pWorkedIn && std::find(t_pWorkedIn->begin(), t_pWorkedIn->end(), hDlg) != t_pWorkedIn->end();
}
