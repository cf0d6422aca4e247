// CWindowPlacement.h: window placements kept in the settings store, one
// text value per window name in the section g_strWindowPlacementSubkey:
// "flags,showCmd,minX,minY,maxX,maxY,left,top,right,bottom".
#pragma once

#include "platform/CString.h"

class CWnd;

// The section the placements are kept in (the application sets it at start-up).
extern CString g_strWindowPlacementSubkey;

class CWindowPlacement {
public:
    // Stores pWnd's placement under pszName.
    static BOOL Save(LPCSTR pszName, CWnd* pWnd);
    // Restores the placement stored under pszName: false when none is stored
    // (or it does not parse). A placement that lies on no monitor any more is
    // moved onto the nearest one; a minimized window comes back normal. With
    // bShow the window is shown in its stored state, else its visibility stays.
    static BOOL Restore(LPCSTR pszName, CWnd* pWnd, BOOL bShow = FALSE);
    // Save and Restore under the window's run-time class name.
    static BOOL SaveEx(CWnd* pWnd);
    static BOOL RestoreEx(CWnd* pWnd, BOOL bShow = FALSE);

    // The stored text form, and back (false for a text that is not one).
    static CString Format(const WINDOWPLACEMENT& wp);
    static bool Parse(const char* pszText, WINDOWPLACEMENT& wp);
};
