// WndHandleMap.h: CWndHandleMap, the process's table of the windows bound to
// objects, which CWnd::FromHandlePermanent reads. It lives in the program's
// own memory: a window property would cost a round trip to the window server
// under Wine for every look-up, and a window's user slot cannot be trusted for
// a window that is not ours. The window procedures never use it: they find
// their object in the window's own slot.
#pragma once

#include <windows.h>

class CWnd;

class CWndHandleMap {
public:
    // Records that p is bound to h (replacing any earlier entry).
    static void Add(HWND h, CWnd* p);
    // Forgets h when it is bound to p.
    static void Remove(HWND h, const CWnd* p);
    // The object bound to h, or null.
    static CWnd* Find(HWND h);
};
