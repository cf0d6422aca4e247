// CXBalloonMsg.h: the companion library's balloon: a tracking balloon
// tooltip pointing at a spot of a control, with a title and an icon. One
// balloon shows at a time on a thread; a new one replaces it. It closes
// after its time, and, as asked, on a click, a key or a mouse move of the
// owner's thread, and always with its owner window. Esc always closes it and
// is used up by that: a dialog under the balloon sees only the next Esc.
// ErrorBalloon (field errors) and the What's-This balloons are built on it.
#pragma once

#include <windows.h>

#include "platform/CString.h"

class CXBalloonMsg {
public:
    // Shows pszBody titled pszTitle at ptAnchor (screen coordinates; with
    // x and y both -1, the middle of hCtrl's lower edge). nIcon: 0 none,
    // 1 information, 2 warning, 3 error, -1 information. nTimeoutMs 0 means
    // ten seconds; nMaxWidth 0 means 320 pixels. hInstance is unused
    // (texts are passed, not resource ids). False when it cannot be made.
    static BOOL Show(HWND hParent, HWND hCtrl, LPCSTR pszBody, LPCSTR pszTitle, HINSTANCE hInstance, POINT ptAnchor,
                     int nIcon, UINT nTimeoutMs, int nMaxWidth, BOOL bCloseOnClick, BOOL bCloseOnKey,
                     BOOL bCloseOnMouseMove);
    static void Hide();
    // The balloon showing now on this thread, or null; with its title and text.
    static HWND GetShowing(CString* pTitle = nullptr, CString* pText = nullptr);
};
