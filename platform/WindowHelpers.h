// WindowHelpers.h: small window functions of the companion library:
// switching a window's drawing off and on around bulk changes, the point
// at which a context menu opens, and centring a window on its owner.
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
// Where a menu asked for from the keyboard opens beside the item of hWnd
// that it acts on (rcItem in hWnd's client coordinates): right under it, a
// little inside its left edge, so that the item stays in view; in screen
// coordinates.
CPoint ContextMenuPointBeside(HWND hWnd, const RECT& rcItem);

// Moves the top-level window hWnd (size and Z order kept) so that it is
// centred on hOwner when hOwner is visible and not minimised, else on the
// work area of hWnd's monitor; then moves it as little as needed to lie
// inside that work area (its top left first when it is the larger).
void CenterWindowOn(HWND hWnd, HWND hOwner);
// True when hOwner owns hWnd, directly or through the windows hWnd's owner
// chain passes.
bool WindowIsOwnedBy(HWND hWnd, HWND hOwner);
// The rectangle moved as little as needed to lie inside rcArea; when it is
// larger than rcArea its top left is kept inside.
RECT KeepRectInside(const RECT& rc, const RECT& rcArea);
