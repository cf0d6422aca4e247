// OneStepPaint.h: a part of a window drawn in one drawing call.
//
// Wine keeps what a window draws in a buffer of its top-level window and
// puts the buffer on the screen whenever a thread of the program waits for
// messages, and after any drawing call once drawing has gone unseen for 50
// ms (as it does all through a flood, which keeps the program from
// waiting). A part drawn in several calls (its ground erased, then its
// text) may so show in between: a status field blank, or cut where a
// neighbour's erase reached it. Composed in a bitmap off the screen and
// copied with one BitBlt, it shows whole: as it was, or as it is now.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>

#include "platform/CGdiObject.h"

class CWnd;

// A bitmap of 32-bit pixels, rows from the top, that the program draws in
// itself: a bitmap compatible with the screen may live on the display under
// Wine, where text drawn into it had not always landed when it was copied (a
// pane's text missing now and then). False when none could be made.
bool CreateDrawingBitmap(CBitmap& bitmap, int cx, int cy);
// The description of such a bitmap, cx by cy.
BITMAPINFO DrawingBitmapInfo(int cx, int cy);

// Composes rc (in hdcTarget's logical coordinates) with compose, which
// draws into a memory DC in those same coordinates, and copies it to
// hdcTarget in one BitBlt. False (nothing drawn) when no bitmap could be had.
bool DrawInOneStep(HDC hdcTarget, const RECT& rc, const std::function<void(HDC)>& compose);

// hWnd's client area as the window paints it (with bErase its ground
// first, through WM_ERASEBKGND, then the rest through WM_PRINTCLIENT) into
// hdc, over what hdc holds there, with the client area's origin at ptAt in
// hdc's logical coordinates and nothing drawn outside it.
void PrintClientInto(HWND hWnd, HDC hdc, POINT ptAt, bool bErase);

// hWnd's client area with its ground and its visible children, the lowest
// first as the system paints siblings that overlap, into hdc at its client
// coordinates.
void PrintWithChildrenInto(HWND hWnd, HDC hdc);

// The ground of hWnd's parent behind hWnd (the parent's erase, in the
// parent's coordinates, as a dialog fills its ground) into hdc at hWnd's
// client coordinates: only the part that hdc's clipping holds is drawn.
void PrintParentGroundInto(HWND hWnd, HDC hdc);

// pWnd's paint (WM_PAINT) in one step, for a control whose own erase draws
// nothing: its parent's ground behind it (the parent's erase, in the
// parent's coordinates, as a dialog fills its ground), then its client area
// as it prints itself, composed and copied at once.
void PaintInOneStep(CWnd* pWnd);

// hWnd's client area with its children (PrintWithChildrenInto) drawn on the
// screen in one step, over the children too, and nothing of it left to
// paint: controls moved show whole at their new places and nothing of them
// at the old.
void DrawWithChildrenInOneStep(HWND hWnd);

// The visible children of hWnd among children, over hWnd's ground, drawn on
// the screen in one step over the rectangle that holds them, and nothing of
// them left to paint: controls that show one value (a meter and its
// figure) show it together. The ground there is hWnd's erase, as above.
void DrawChildrenInOneStep(HWND hWnd, std::initializer_list<HWND> children);
