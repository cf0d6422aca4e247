// PackRules.h: the window-free rules of the compressed-image check and
// maintenance dialogs (PackCheck, PackSqueeze, PackProbe, PackLayout) and of
// the VolIdent dialog: their option words, PackSqueeze's check-level slider
// that skips level 2, PackProbe's number fields, the VolIdent serial number
// and when it is sent.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

// PackCheck: "-<level>", then " -ro" and " -f" as flagged.
CString PackCheckOptionWords(int nLevel, bool bReadOnly, bool bForce);

// The title of a file-list run: the program word, a blank, the option words
// and a blank when there are any, the first file's name and extension, and
// " ..." when the list holds more than one file.
CString FileListRunTitle(const char* pszProgram, const char* pszOptionWords, const char* pszFirstNameExt,
                         int nFiles);

// The scroll codes of a track bar's WM_HSCROLL (TB_LINEUP .. TB_ENDTRACK).
enum : int {
    kTrackLineUp = 0,
    kTrackLineDown = 1,
    kTrackPageUp = 2,
    kTrackPageDown = 3,
    kTrackThumbPosition = 4,
    kTrackThumbTrack = 5,
    kTrackTop = 6,
    kTrackBottom = 7,
    kTrackEndTrack = 8,
};
// PackSqueeze's slider cannot rest on level 2: where a slider that reports
// nPos with the scroll code nCode goes. A step to the right lands on 3; a
// drag lands on 3 coming from a level below 3 (nLastLevel, the level last
// exchanged), else on 1; every other code lands on 1. 0, 1 and 3 stay.
int SqueezeSliderPosition(int nPos, int nCode, int nLastLevel);

// A PackProbe number: decimal, or hexadecimal after "0x" in either case.
// Null when it is one, else the refusal's text ("Invalid hexadecimal
// value." or "Invalid numeric value."; an empty text is not numeric).
const char* ProbeNumberRefusal(const char* pszText);

// The choices of PackProbe that make its option words.
struct SProbeOptions {
    bool bDevHdr = false, bCDevHdr = false, bL1Tab = false, bL2Tab = false;
    bool bTrackSummary = false, bHexDump = false;
    bool bCCHH = false, bTT = false, bRawOffset = false, bDebug = false;
    CString strCylinder, strHead, strTrack, strOffset, strLength;
};
// The level-2 table counts only with a track chosen by CCHH or TT.
bool ProbeL2TabCounts(const SProbeOptions& o);
// True when something to display is chosen (debug output alone is not).
bool ProbeHasOption(const SProbeOptions& o);
// " -d -c -1 -2 -t -x -a C H -r T -o O L -g" as chosen, trimmed.
CString PackProbeOptionWords(const SProbeOptions& o);

// PackLayout: "-i " for the summary alone; otherwise "-t " and "-v " as
// chosen (each with its trailing blank). False when the summary is chosen
// together with either other option.
bool PackLayoutOptionWords(bool bSummaryOnly, bool bTrackData, bool bVerbose, CString& strWords);

// VolIdent: a serial number is empty or exactly twelve decimal digits
// (the text as trimmed).
bool IsValidVolumeSerial(const char* pszSerial);
// The serial number goes on the command line only when the image can be
// written, a serial is given and it differs from the one the image holds.
bool VolumeSerialIsSent(bool bReadOnly, const char* pszSerial, const char* pszImageSerial);
