// TapeUtilityRules.h: the rules of the tape image utilities' dialogs,
// window-free: the volser spin, the record and block sizes, the output list
// of REELDIVIDE, and the option words of REELBUILD, REELINFO, REELREPACK and
// REELFETCH with the rules that tie their boxes together.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

// ---- the volser spin ----
// Steps the trailing digits of a volume serial number by the spin's delta
// (its sign only): the text is trimmed, cut to 6 characters and taken as
// "000000" when empty; the characters before the first digit stay, and
// the digits after them, when they run to the end, count one down (not
// below 0) or up (not above all nines of their width), keeping their
// width. False, with strResult untouched, when nothing changes.
bool StepVolser(const char* pszText, int nDelta, CString& strResult);

// ---- numbers typed into edits ----
// The text as an unsigned number clamped to nLow .. nHigh; a text that is
// not a number gives nLow.
UINT ClampTypedNumber(const char* pszText, UINT nLow, UINT nHigh);

// ---- REELBUILD ----
const UINT kReelMinLrecl = 18;
const UINT kReelMaxLrecl = 32767;
const UINT kAwsMaxBlockSize = 65535;
// The largest blocking factor for a record length: 32767 / LRECL.
UINT MaxBlockingFactor(UINT nLrecl);
// The option words from checked values, leading blank trimmed: " VOL: "
// and " DSN: " unless unlabeled, " LRECL: ", " BLK: ", " CP: " when a code
// page is given, then " UNIQUE", " BIN", " NL", " ANSI" as set.
struct SReelBuildWords {
    CString strVolser, strDsn, strCodePage;
    UINT nLrecl = 80, nBlockingFactor = 1;
    bool bUnique = false, bBinary = false, bNonLabeled = false, bAnsi = false;
};
CString ReelBuildWords(const SReelBuildWords& words);

// ---- REELDIVIDE ----
// An entry of the output list: the count in four digits behind four
// blanks, five blanks, then the output path ("    0012     C:\t\out.aws").
CString FormatDivideItem(UINT nCount, const char* pszPath);
// Reads an entry back: the count from its first 8 characters (leading
// blanks removed), the path from column 13. False for an entry (edited by
// hand in the settings) whose count is not 1 to 4 digits or that has no path.
bool ParseDivideItem(const char* pszItem, CString& strCount, CString& strPath);

// ---- REELINFO ----
// " -a" (labels and files), " -l", " -f" or " -d" (neither).
const char* ReelInfoWord(bool bLabels, bool bFiles);

// ---- REELREPACK ----
const UINT kMinChunkSize = 4096;
const UINT kMaxChunkSize = 65535;
enum EReelRepackRun { kRepackDecompress = 0, kRepackRecompress = 1, kRepackRechunk = 2 };
// "-s" (strict AWS) or "-d", "-z -6"/"-b -9" or "-r", then " -c N" unless
// strict, then " -v".
CString ReelRepackWords(int nRunOption, int nAlgorithm, int nLevel, UINT nChunkSize, bool bStrict, bool bVerbose);

// ---- REELFETCH ----
const UINT kFetchMaxBlockSize = 65535;
// The block size check of a record format: null when it passes, else the
// message.
const char* ReelFetchBlockSizeError(const char* pszRecfm, UINT nLrecl, UINT nBlockSize);
// " -n", " -a", " -s", " -u" as set, leading blank trimmed.
CString ReelFetchWords(bool bNonLabeled, bool bAscii, bool bStrip, bool bUnblock);
// The three conversion boxes and what a click on one implies for the
// others: stripping needs ASCII, and ASCII needs unblocking.
struct SFetchConversion {
    bool bAscii = false, bStrip = false, bUnblock = false;
};
enum EFetchBox { kFetchAscii, kFetchStrip, kFetchUnblock };
void ApplyFetchConversionClick(SFetchConversion& boxes, EFetchBox eClicked);
