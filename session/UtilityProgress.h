// UtilityProgress.h: the progress-line parsers of utility runs, window-free.
//
// Started with "EXTERNALGUI", a utility program writes progress lines on its
// standard error: a keyword, an equals sign and a decimal number ("TRKS=3000",
// "TRK=17"). Which keywords a run understands depends on the utility's kind
// (fixed per utility program); one table below says, per kind, which keyword
// sets a new total, which a new position, and whether the other lines are
// shown in the console or first offered to the common test. The view's
// reader thread calls ParseProgressLine for every standard-error line of a
// utility and applies the result to the run's controller and progress window.
#pragma once

#include "platform/Types.h"

// Kind of a child process: selects its progress parser. kUtilNone runs a
// program whose output is shown but never parsed; kUtilEmulator is the
// emulator itself (status lines, not progress lines).
enum EUtilityKind {
    kUtilNone = -1,
    kUtilEmulator = 0,
    kUtilWidenVol = 1,
    kUtilVolMake = 2,
    kUtilVolRecast = 3,
    kUtilVolClone = 4,
    kUtilVolBuild = 5,
    kUtilVolPatch = 6,
    kUtilVolList = 7,
    kUtilVolShow = 8,
    kUtilVolUnload = 9,
    kUtilVolExtract = 11,
    kUtilMapImport = 12,
    kUtilPackCheck = 13,
    kUtilPackSqueeze = 15,
    kUtilPackFlip = 17,
    kUtilReelBuild = 18,
    kUtilReelScan = 19,
    kUtilReelDivide = 20,
    kUtilReelDub = 21,
    kUtilReelBlank = 22,
    kUtilReelInfo = 23,
    kUtilReelRepack = 24,
    kUtilReelFetch = 25,
    kUtilCkdTracks = 26,    // parser kept, no command starts it
    kUtilTracks = 27,       // parser kept, no command starts it
    kUtilCardSubmit = 28,   // the card-submission helper VornRdr
    kUtilVmfplc2 = 29,
};

// What one line means to the run.
enum EProgressAction {
    kProgressNotConsumed,   // not a progress line of this kind: the console shows it
    kProgressSwallowed,     // a progress line that has no effect for this kind
    kProgressTotal,         // range becomes 0..nValue, position 0
    kProgressPosition,      // position becomes nValue
};

struct SProgressLine {
    EProgressAction eAction = kProgressNotConsumed;
    INT64 nValue = 0;
    // A status notification (WM_UTILITY_STATUS) follows: every position, and
    // the "STEPS=" and "SIZE=" totals.
    bool bNotify = false;
    // The keyword that matched ("TRKS="), or null.
    const char* pszKeyword = nullptr;
};

// True when the line begins with "STEPS=", "STEP=", "SIZE=" or "POS=": such
// lines are swallowed by the kinds whose other lines get the common test.
bool ParseProgressCommon(const char* pszLine);

// True when the kind has a progress parser (kinds -1, 0, 10, 12, 14, 16, 22
// and 29 and above have none: all their standard-error lines are shown).
bool HasProgressParser(int nKind);

// Decides what a standard-error line of a utility of this kind means. A null
// line or a kind without a parser gives kProgressNotConsumed.
SProgressLine ParseProgressLine(int nKind, const char* pszLine);

// The number after a keyword, read as _atoi64 reads it (leading blanks, an
// optional sign, decimal digits up to the first other character; 0 when there
// are none), except that a value beyond the 64-bit range saturates instead of
// wrapping.
INT64 ReadProgressNumber(const char* psz);

// tPos clamped into tMin..tMax (tMin not above tMax); a position that is not
// a number fails both comparisons and lands on tMin.
template <class T>
T ClampProgress(T tPos, T tMin, T tMax)
{
    return tPos > tMax ? tMax : (tPos >= tMin ? tPos : tMin);
}

// The fraction (0.0-1.0) of a range that a position has reached. The range may
// be given descending (low above high); the position is clamped into it. A
// zero span never divides: it gives 1.0 once the position lies above the low
// end, else 0.0.
double ProgressFraction(INT64 nLow, INT64 nHigh, INT64 nPos);

// The same on a floating-point range. A position or bound that is not a
// number gives 0.0, and so does a span too wide to divide (infinite).
double ProgressFractionDouble(double fLow, double fHigh, double fPos);
