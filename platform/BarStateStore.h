// BarStateStore.h: the saved docking layout of a frame in the settings
// store, and the check that a saved layout fits the frame's bars.
//
// Sections, for a profile name P (the main frame uses "BarsState\BarsState"):
//   "P-Summary"  "Bars" = the number of bar sections (0 or absent: no layout)
//   "P-Bar<i>"   "BarID", "Visible", "Floating", "Horz", "XPos", "YPos",
//                and for a dock bar "Bars" = its entry count and "Bar#<j>"
//                = entry j: 0 a row break, a bar id a docked bar, a bar id
//                plus 0x10000 a placeholder (the bar lives elsewhere).
// Counts read back are limited (kMaxSavedBars, kMaxSavedEntries), so a
// damaged store costs no more than that.
#pragma once

#include <vector>

#include "platform/CSettingsStore.h"
#include "platform/Types.h"

const int kMaxSavedBars = 256;
const int kMaxSavedEntries = 1024;
const UINT kSavedPlaceholderFlag = 0x10000;

// The ids of the frame's dock bars: top, left, right, bottom, floating.
const UINT kDockBarIdTop = 0xE81B;
const UINT kDockBarIdLeft = 0xE81C;
const UINT kDockBarIdRight = 0xE81D;
const UINT kDockBarIdBottom = 0xE81E;
const UINT kDockBarIdFloat = 0xE81F;

// True for the id of one of the four docked sides' dock bars.
inline bool IsSideDockBarId(UINT nID)
{
    return nID >= kDockBarIdTop && nID <= kDockBarIdBottom;
}

struct CBarStateInfo {
    UINT nBarID = 0;
    bool bVisible = true;
    bool bFloating = false;
    bool bHorz = true;
    int xPos = 0;  // floating frame position (screen), for a floating bar
    int yPos = 0;
    std::vector<UINT> entries;  // a dock bar's entries, as saved
};

// Writes the records and removes the sections of a longer layout saved
// before. False when the store refused a write.
bool BarStateSave(CSettingsStore& store, const char* pszProfile, const std::vector<CBarStateInfo>& infos);
// Reads the layout; false (and no records) when none is saved.
bool BarStateLoad(const CSettingsStore& store, const char* pszProfile, std::vector<CBarStateInfo>& infos);
// True when the saved layout fits a frame with the control bars knownIds:
// every record is a known bar or a side dock bar, no bar has two records,
// every entry names a known bar that is not a dock bar, no bar is docked in
// two places, and a bar saved as docked is found in a dock bar's entries.
bool BarStateFits(const std::vector<CBarStateInfo>& infos, const std::vector<UINT>& knownIds);
