// TextFits.h: whether a control shows the whole of its text, measured in the
// control's own font against the room the control gives it: the caption of
// a static, check box, radio button, push button or group box, and a value
// typed into an edit. For tests of dialog templates: nothing clipped.
#pragma once

#include <windows.h>

#include <string>

namespace vorntest {

// "" when the caption of hCtrl fits the control (a wrapping static: in its
// height; a static that ends in an ellipsis: in its height only); else what
// does not fit, by how many pixels.
std::string ClippedText(HWND hCtrl);
// "" when pszText fits, across and down, the part of the formatting
// rectangle of the edit hEdit that its client area shows; for a multi-line
// edit, its own text on the lines it wraps it onto.
std::string EditClips(HWND hEdit, const char* pszText);
// "" when hInner lies inside the group box hGroup, below its caption and
// clear of its border by nMargin pixels; else the two rectangles.
std::string OutsideGroup(HWND hInner, HWND hGroup, int nMargin);

}  // namespace vorntest
