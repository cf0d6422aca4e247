// WindowPositionRecord.h: the remembered position of a resizable window in
// the settings store, apart from the window: its section under
// "WindowPositions", the values written and read back, and the fitting of a
// rectangle into the visible work area. Window-free.
//
// Section "WindowPositions\<name>": "(valid)" (0 while writing, 1 after),
// "Left", "Right", "Top", "Bottom" (the restored-state rectangle in
// workspace coordinates, as the window placement gives it), "Visibility"
// (1/0) and "State" (0 minimised, 1 maximised, -1 neither).
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

const int kWindowStateMinimized = 0;
const int kWindowStateMaximized = 1;
const int kWindowStateNormal = -1;

struct WindowPositionRecord {
    RECT rcNormal;
    int nVisibility;  // 1 visible, 0 hidden, -1 unknown
    int nState;       // kWindowState...
};

// The position name of a resource id: "ID=0x%08lx".
CString FormatPositionName(UINT nId);

// The profile section: pszSection, or "WindowPositions\<name>" when none;
// "/" becomes "\", doubled backslashes are folded, one leading and one
// trailing backslash are dropped, and an empty result is "WindowPositions".
CString GetPositionSection(const char* pszSection, const CString& strName);

// Writes the record ("(valid)" = 0 first, 1 last); false at the first write
// the store refuses, which leaves the set marked invalid.
bool WriteWindowPosition(const char* pszSection, const WindowPositionRecord& rec);

// Reads a record whose "(valid)" is 1, with rcDefault for missing edges and
// -1 for missing visibility and state; reversed edges are swapped. False
// when no valid set is stored.
bool ReadWindowPosition(const char* pszSection, const RECT& rcDefault, WindowPositionRecord& rec);

// rc moved (and, when larger, shrunk) so that it lies wholly inside rcArea;
// unchanged when it already does.
RECT FitRectIntoArea(const RECT& rc, const RECT& rcArea);
