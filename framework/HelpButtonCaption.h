// HelpButtonCaption.h: the caption around the help button of
// CHelpButtonWnd<T> on a frame without desktop composition, where the system
// draws the caption: where the system's own caption buttons are, and the
// title ended with "..." before the help button instead of running under it.
#pragma once

#include <windows.h>

// rcButton (window coordinates) moved left until neither it nor the gap of
// cxGap after it lies over a caption button the system hit-tests
// (minimise, maximise, close or its own help button); unchanged where the
// system's buttons are where Windows puts them.
RECT KeepClearOfSystemCaptionButtons(HWND hWnd, RECT rcButton, int cxGap);

// The system's caption left of the help button: from the caption's left end
// to the system's first button (rcStrip), and the room for the title, which
// ends nTextRight (all in window coordinates).
struct CaptionTitleStrip {
    RECT rcStrip;
    int nTextRight;
};

// True when the window's title, drawn after its icon, does not end before
// nTextRight: the system would draw it on under the help button. The title
// is measured in hdc (the window's DC of the paint that asks).
bool CaptionTitleOverruns(HWND hWnd, HDC hdc, const CaptionTitleStrip& strip);

// Paints the strip as the system paints a caption (background, gradient,
// icon, active or not), the help button's rectangle left out, and the title
// ended with "..." before nTextRight.
void PaintCaptionTitle(HWND hWnd, HDC hdc, const CaptionTitleStrip& strip, const RECT& rcHelpButton, bool bActive);
