// WindowHelpers.h: free functions that the windows of every subsystem share:
// placing a window on the desktop, showing one without activation messages,
// list boxes (horizontal extent, items kept in the settings store) and the
// wait that keeps the user interface alive.
#pragma once

#include <windows.h>

class CWnd;

// Moves the window, keeping its size and Z order, to a third of the free
// room of the desktop: x = max(desktop width / 3 - width / 3, 0), likewise y.
// A dialog with an owner opens centred over it instead (CDialog,
// CCentreOnOwner); the font and colour dialogs place themselves here first.
void PositionWindowOnDesktop(HWND hWnd);
void PositionWindowOnDesktop(CWnd* pWnd);

// In WM_WINDOWPOSCHANGING: a size change keeps the window's current height
// (a dialog that can only be widened).
void KeepWindowHeight(HWND hWnd, WINDOWPOS* pPos);

// Gives the window the program's icon (IDR_MAINFRAME) as its small icon.
void SetAppSmallIcon(HWND hWnd);

// Sets or clears WS_VISIBLE directly (no show or activate messages). When
// showing, redraws the window at once, erasing the background only with
// bErase.
void SetWindowVisibleStyle(HWND hWnd, bool bShow, bool bErase);
void SetWindowVisibleStyle(CWnd* pWnd, bool bShow, bool bErase);

// Sets the window's text unless it shows it already, so that an unchanged
// text costs no repaint, no notification and keeps an edit's caret and
// selection. True when the text was set.
bool ShowWindowText(HWND hWnd, const char* pszText);

// Moves the child window to rc (its parent's client coordinates) unless it
// stands there already; true when it moved. One that moves or changes its
// size is drawn again whole at the next paint: a text control paints its
// new text at once, at its old width, and a growth alone would draw only
// the part it uncovers, leaving a value wrapped out of sight in the rest.
bool MoveControl(HWND hCtl, const RECT& rc);

// Sets the list box's horizontal scroll extent to its widest item, measured
// with the box's own font, plus 5 pixels (5 for an empty box).
void SetListBoxHorizontalExtent(HWND hListBox);

// Adds the items of the stored list pszName of pszSection to the end of the
// list box (not cleared first); a missing item repeats the one before it.
void LoadListBoxFromProfile(HWND hListBox, const char* pszName, const char* pszSection);
// Stores the list box's items as the list pszName of pszSection.
void SaveListBoxToProfile(HWND hListBox, const char* pszName, const char* pszSection);

// Waits for hObject while the thread's window messages keep flowing: 0 when
// it is signalled, -1 when the quit message arrives (the caller then ends
// the application), otherwise the wait function's failure value.
int WaitWithMessageLoop(HANDLE hObject);
