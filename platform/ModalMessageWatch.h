// ModalMessageWatch.h: CModalMessageWatch, the look that the thread's modal
// state takes at every message the thread takes from its queue, whichever
// loop takes it: the program's own, or the system's as it runs a message
// box, a task dialog or a file, font or colour dialog, whose keys and clicks
// the program's code never sees. It notes the keys and clicks the user gives
// a dialog (DialogHasUserInput: a close must not drop them), and holds
// a modal window against a WM_CLOSE posted to it by another program (as
// taskkill without /F and the system's end task post one to every window of
// a program): that close follows the close rule (ModalWindowClose.h), not
// the window's own Cancel.
#pragma once

#include <windows.h>

// While one lives the thread's hook is installed (the first installs it,
// the last removes it and forgets the dialogs worked in).
class CModalMessageWatch {
public:
    CModalMessageWatch();
    ~CModalMessageWatch();
    CModalMessageWatch(const CModalMessageWatch&) = delete;
    CModalMessageWatch& operator=(const CModalMessageWatch&) = delete;

private:
    static LRESULT CALLBACK GetMessageHook(int nCode, WPARAM wp, LPARAM lp);
};

// Whether the user has given hDlg, since a watch began, a key or a click
// that may change it: a key other than Tab, Esc, Enter, F1 and the shift
// keys alone, or a click or a turn of the wheel anywhere in it (the colour
// dialog takes clicks on its own area) but on its Cancel and Help buttons.
bool DialogHasUserInput(HWND hDlg);
