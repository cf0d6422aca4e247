// WindowHelpers.h: small window functions of the companion library:
// switching a window's drawing off and on around bulk changes, and the point
// at which a context menu opens.
#pragma once

#include <windows.h>

#include "platform/CRect.h"

class CWnd;

// Turns redrawing of hWnd off, or on again; turning it on repaints the
// window and all its children at once, which WM_SETREDRAW alone does not.
void WLSetRedraw(HWND hWnd, BOOL bRedraw);
void WLSetRedraw(CWnd* pWnd, BOOL bRedraw);

// Where to open a context menu for hWnd, in screen coordinates. A mouse
// click's point is kept. For a menu asked for from the keyboard (Windows
// sends the point -1,-1) it is the caret when hWnd has the focus and shows a
// caret inside its client area, else a point just inside the top left of the
// client area.
CPoint CalcContextMenuPoint(HWND hWnd, CPoint point);
CPoint CalcContextMenuPoint(CWnd* pWnd, CPoint point);
