// ErrorBalloon.h: the field-error balloon of the companion library. A
// balloon (CXBalloonMsg) points at a dialog control, titled with the field's
// label and showing the message; it closes after a while, on the next click
// or key, when another balloon replaces it, or with its dialog. The checks
// return its false.
#pragma once

#include <windows.h>

#include "platform/CString.h"

class CWnd;

enum : int { kBalloonIconInfo = 1, kBalloonIconWarning = 2, kBalloonIconError = 3 };

// Shows the balloon on control nID of hDlg; always returns false.
bool ErrorBalloon(HWND hDlg, UINT nID, LPCSTR pszTitle, LPCSTR pszText, int nIcon = kBalloonIconWarning);
bool ErrorBalloon(CWnd* pDlg, UINT nID, LPCSTR pszTitle, LPCSTR pszText, int nIcon = kBalloonIconWarning);

// Shows the same balloon for hWnd's top-level window with its stem at a
// screen point (balloon help); false when it cannot be made.
bool BalloonAt(HWND hWnd, POINT ptScreen, LPCSTR pszTitle, LPCSTR pszText, int nIcon = kBalloonIconInfo);

// The balloon showing now on this thread, or null; with its title and text.
HWND ErrorBalloonWindow(CString* pTitle = nullptr, CString* pText = nullptr);
// Closes the balloon, if one shows.
void ErrorBalloonHide();

// The label of a control: the text of the static text just before it in
// the tab order (or else its own text), without '&' and a trailing ':'.
CString GetControlLabel(HWND hCtrl);
