// CentreOnOwner.h: CCentreOnOwner, which centres the system's own dialogs
// (message boxes, task dialogs, file dialogs) over the window that owns them.
#pragma once

#include <windows.h>

// While it lives, the first top-level dialog of this thread that hOwner owns
// (hOwner's top-level window, when hOwner is a child window) is centred over
// it as soon as it has laid itself out (at the end of its WM_INITDIALOG,
// before it shows). Under Wine a message box opens in the
// middle of the screen, a task dialog and a file dialog at the screen's top
// left, whatever window they belong to. Nothing happens for a null owner.
// Guards nest; the thread's hook is installed by the outermost one.
class CCentreOnOwner {
public:
    explicit CCentreOnOwner(HWND hOwner);
    ~CCentreOnOwner();
    CCentreOnOwner(const CCentreOnOwner&) = delete;
    CCentreOnOwner& operator=(const CCentreOnOwner&) = delete;

    // The dialog centred; null until it has laid itself out.
    HWND Dialog() const { return m_hDialog; }

private:
    static LRESULT CALLBACK HookProc(int nCode, WPARAM wp, LPARAM lp);
    // Centres hDlg when it is the first dialog of a guard's owner.
    static void DialogInitialised(HWND hDlg);

    HWND m_hOwner;
    HHOOK m_hHook = nullptr;  // the outermost guard's
    CCentreOnOwner* m_pOuter;
    HWND m_hDialog = nullptr;
};
