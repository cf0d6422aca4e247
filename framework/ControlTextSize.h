// ControlTextSize.h: how much room a control needs to show a text whole in
// the font it was given: the text's extent in that font, the window size of
// an edit that shows the text on one line, and the widest text a field of
// fixed shape can show (every digit as wide as the font's widest).
#pragma once

#include <windows.h>

#include "platform/CString.h"

// The extent of the text in the control's font (the system font when it was
// given none); 0 by 0 when no device context can be had.
SIZE ControlTextExtent(HWND hCtl, const char* pszText);

// The window size of the edit that shows the text on one line whole: the
// text's extent, the caret after it, the edit's margins, the room its
// border keeps inside, and its frame.
SIZE EditSizeForText(HWND hEdit, const char* pszText);

// The widest character of pszSet in the control's font (the first of them
// when no device context can be had).
char WidestCharOf(HWND hCtl, const char* pszSet);
// The text with each of its characters that is one of pszSet replaced by
// chWidest: the widest text of that shape.
CString ShapeWith(const CString& strText, const char* pszSet, char chWidest);
// The same with the widest character of pszSet in the control's font.
CString WidestOfShape(HWND hCtl, const CString& strText, const char* pszSet);
