// ShownMenu.h: what a pop-up menu that a window tracks showed: its items,
// their states once the window had set them, and where it opened. A thread
// timer reads the menu window while the menu's own loop runs, then ends the
// menu. And the keyboard's two context-menu keys, handed to the window with
// the focus as the program's loop hands keys over.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "platform/CWinThread.h"

namespace vorntest {

struct SShownMenu {
    bool bShown = false;
    RECT rc = {};                // the menu window, in screen coordinates
    std::vector<UINT> ids;       // the items' ids, top to bottom
    std::vector<UINT> states;    // their GetMenuState answers

    // The state of the item with the id; -1 when the menu has none.
    UINT State(UINT nId) const
    {
        for (size_t i = 0; i < ids.size(); ++i)
            if (ids[i] == nId)
                return states[i];
        return (UINT)-1;
    }
    bool Has(UINT nId) const { return State(nId) != (UINT)-1; }
    bool IsEnabled(UINT nId) const { return Has(nId) && !(State(nId) & (MF_GRAYED | MF_DISABLED)); }
};

namespace detail {

inline SShownMenu*& ShownMenuTarget()
{
    static thread_local SShownMenu* p = nullptr;
    return p;
}

inline void CALLBACK ReadShownMenuTimer(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hMenuWnd = ::FindWindowA("#32768", nullptr);
    SShownMenu* p = ShownMenuTarget();
    if (!p || !hMenuWnd || !::IsWindowVisible(hMenuWnd))
        return;
    const UINT kMnGetHMenu = 0x01E1;
    HMENU hMenu = (HMENU)::SendMessageA(hMenuWnd, kMnGetHMenu, 0, 0);
    p->bShown = true;
    ::GetWindowRect(hMenuWnd, &p->rc);
    for (int i = 0, n = hMenu ? ::GetMenuItemCount(hMenu) : 0; i < n; ++i) {
        p->ids.push_back(::GetMenuItemID(hMenu, i));
        p->states.push_back(::GetMenuState(hMenu, (UINT)i, MF_BYPOSITION));
    }
    ::KillTimer(nullptr, nTimer);
    ::EndMenu();
}

}  // namespace detail

// Runs open(), which returns once the menu it opened has ended (or at once
// when it opened none), and returns what the first menu showed.
inline SShownMenu ReadShownMenu(const std::function<void()>& open)
{
    SShownMenu shown;
    detail::ShownMenuTarget() = &shown;
    UINT_PTR nTimer = ::SetTimer(nullptr, 0, 50, detail::ReadShownMenuTimer);
    open();
    ::KillTimer(nullptr, nTimer);
    detail::ShownMenuTarget() = nullptr;
    return shown;
}

// Shift+F10 (bShiftF10) or the menu key (pressed and released) in hFocus,
// each key message through the thread's PreTranslateMessage first, as the
// program's loop (and a modal dialog's) hands it over.
inline void PressContextMenuKey(HWND hFocus, bool bShiftF10)
{
    auto deliver = [hFocus](UINT nMsg, WPARAM vk, LPARAM lp) {
        MSG msg = {hFocus, nMsg, vk, lp, ::GetTickCount(), {0, 0}};
        AfxGetThread()->DispatchOne(msg);
    };
    if (!bShiftF10) {
        deliver(WM_KEYDOWN, VK_APPS, 1);
        deliver(WM_KEYUP, VK_APPS, (LPARAM)0xC0000001);
        return;
    }
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    BYTE before = keys[VK_SHIFT];
    keys[VK_SHIFT] = 0x80;
    ::SetKeyboardState(keys);
    deliver(WM_SYSKEYDOWN, VK_F10, 1);
    keys[VK_SHIFT] = before;
    ::SetKeyboardState(keys);
}

}  // namespace vorntest
