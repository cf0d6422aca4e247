// AppearanceRules.h: the window-free rules of the preferences' appearance
// pages: the console sample and its font height in twips, the percent bar's
// list indexes, the status line's part grid and sample line, and the change
// test of the font-and-colour pages. Builds for the host too.
#pragma once

#include <functional>

#include "platform/CString.h"
#include "platform/Types.h"
#include "session/ViewSettings.h"

// ---- Console -------------------------------------------------------------

// The console excerpt the Console page formats line by line.
const int kSampleConsoleLines = 22;
extern const char* const g_apszSampleConsoleLines[kSampleConsoleLines];

// The sample's text: every line followed by a line feed.
CString SampleConsoleText();

// A font's character height in twips for a rich edit's character format:
// ((height - internal leading) x 72 / pixels per inch) x 20, in integers;
// 0 for a resolution of 0 or less.
long FontHeightTwips(long nHeight, long nInternalLeading, int nPixelsPerInch);

// A weight that counts as bold.
inline bool IsBoldWeight(long nWeight)
{
    return nWeight >= 700;
}

// ---- Percent bar ---------------------------------------------------------

// Meter colours 1 "Green" .. 4 "Blue" and styles 1 "Normal", 2 "Sunken" as
// list indexes and back: a colour outside 1-4 shows as index 0; index 0-3
// reads back as 1-4, any other as 1; style 2 is index 1, anything else 0;
// index 1 reads back as 2, any other as 1.
int PercentColorToIndex(int nColor);
int PercentIndexToColor(int nIndex);
int PercentStyleToIndex(int nStyle);
int PercentIndexToStyle(int nIndex);

// ---- Status line ---------------------------------------------------------

const int kStatusLineParts = 5;
// The sample text of each part, each beginning with a blank.
extern const char* const g_apszStatusPartSamples[kStatusLineParts];

// The five parts' order (part at each position), each part's position and
// visibility, as the Status Bar page's 5 x 5 grid edits them: row = part,
// column = position.
struct SStatusPartGrid {
    BYTE order[kStatusLineParts] = {0, 1, 2, 3, 4};
    BYTE position[kStatusLineParts] = {0, 1, 2, 3, 4};
    bool visible[kStatusLineParts] = {true, true, true, true, true};

    // Takes an order and visibility; an order that is not a permutation of
    // 0-4 becomes 0, 1, 2, 3, 4. Positions follow the order.
    void Set(const BYTE newOrder[kStatusLineParts], const bool newVisible[kStatusLineParts]);
    // A click on box (nPart, nColumn) whose new state is bTicked: the part
    // moves to the column and takes that visibility; the part that stood
    // there takes the clicked part's old column with its own visibility.
    // Boxes outside the grid are ignored.
    void Click(int nPart, int nColumn, bool bTicked);
    // Box (nPart, nColumn) is ticked: the part stands in that column and shows.
    bool IsTicked(int nPart, int nColumn) const;
    // The visible parts' samples in order on at most nLines lines no wider
    // than cxLine (as width measures a line), each line trimmed at its
    // start; a line breaks ("\r\n") only between two parts. A part is shown
    // whole or not at all, and none after one that is not.
    CString SampleLines(const std::function<int(const CString&)>& width, int cxLine, int nLines) const;
};

// ---- Font and colour pages -----------------------------------------------

// What the Device List and Display/Alter pages compare: the face (as text,
// case-sensitively), bold (weight 700 or more), italic, point size and the
// two colours. Other parts of a font description do not count.
struct SFontLook {
    CString strFace;
    long nWeight = 400;
    bool bItalic = false;
    int nPointSize = 0;
    DWORD crText = 0, crBack = 0;
};
bool FontLookChanged(const SFontLook& a, const SFontLook& b);
