// AppearanceFields.h: the working fields of the six appearance pages of the
// preferences (7 Console, 8 Device List, 9 Controls, 10 Percent Bar, 11
// Status Bar, 12 Display/Alter): what the view fills before the dialog
// opens and reads when such a page is applied or the dialog ends with OK.
// Each page class holds its record (it derives from it); the view reaches
// the records through the dialog's accessors, whatever holds them.
#pragma once

#include <windows.h>

#include "session/BarLook.h"
#include "session/ConsoleClassifier.h"

// Page 7: the console. Kind k as ClassifyMessage gives it; kind 0 is the
// normal text, its font description the console font. Only descriptions
// travel: the page builds and frees its own sample fonts, the view its own.
struct SPrefConsoleFields {
    COLORREF crBackground = RGB(255, 255, 255);
    int nPointSize = 0;                   // the console font's size in points
    COLORREF crKind[kMsgKindCount] = {};
    LOGFONTA lfKind[kMsgKindCount] = {};  // face and size of kind 0, each kind its weight and italic
    bool bBeepError = false;
    bool bBeepWarning = false;
};

// Pages 8 (device list) and 12 (display/alter): the bar's font and colours.
using SPrefBarLookFields = SBarLook;

// Page 9: the control panel.
struct SPrefControlsFields {
    COLORREF crText = RGB(255, 255, 255);
    COLORREF crBack = RGB(0, 0, 0);
};

// Page 10: the CPU-percent bar, per engine type (g_nEngineTypeCP, AP, IP,
// IL): the meter's fill state (1 green, 2 red, 3 yellow, 4 blue) and bar
// part (1 normal, 2 sunken).
struct SPrefPercentFields {
    enum { kEngineTypes = 4 };
    int nMeterColor[kEngineTypes] = {1, 1, 1, 1};
    int nMeterStyle[kEngineTypes] = {1, 1, 1, 1};
    COLORREF crText = RGB(255, 255, 255);
    COLORREF crBack = RGB(0, 0, 0);
};

// Page 11: the status line's five parts (the part at each position, and
// whether each part shows) and the font of the status line and register bars.
struct SPrefStatLineFields {
    BYTE nOrder[5] = {0, 1, 2, 3, 4};
    BYTE bVisible[5] = {1, 1, 1, 1, 1};
    LOGFONTA lf = {};
    int nPointSize = 0;
};
