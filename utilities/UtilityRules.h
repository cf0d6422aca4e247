// UtilityRules.h: the rules every utility dialog shares, window-free: the
// disk image type tests, the "64" program variants, the composition of the
// command line, the output path, the file-list buttons and the stepping of
// spins whose range the dialog keeps itself.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

// Tests on a GetDasdImageType code (0, a file that could not be classified,
// passes none of them).
bool IsCkdImageType(BYTE bImageType);         // 1, 2, 3, 7, 8, 9
bool IsCompressedImageType(BYTE bImageType);  // 2, 3, 5, 6, 8, 9, 11, 12
bool Is64BitImageType(BYTE bImageType);       // 7 to 12

// The "64" rule: the 64-bit program runs only while the executables folder
// holds the 64-bit utilities, and then when the dialog's "Write output in
// new 64-bit file format" box is checked or its input image is a 64-bit
// image (pass 0 for a dialog without input image, false for one without
// the box).
bool Wants64BitProgram(bool bHas64BitUtilities, bool bCkd64Checked, BYTE bInputImageType);
// The program word: the caption in capitals, with "64" appended for b64.
CString UtilityProgramWord(const char* pszCaption, bool b64);

// Appends one option group: a blank, then the group (an empty group leaves
// its blank; the runner joins words with single blanks).
void AppendCommandGroup(CString& strCommand, const char* pszGroup);
// Appends a blank and the file name, in double quotes when it needs them.
void AppendCommandFile(CString& strCommand, const char* pszPath);

// The output file's full path: the folder in Windows form with exactly one
// separator, then the trimmed file name; the file name alone when there is
// no folder. It is the path that the output check confirms and the command
// line names.
CString JoinOutputPath(const char* pszDir, const char* pszFile);
// A path typed as the output file name ("C:\tapes\out.aws", or a relative
// "sub\out.aws" below the folder) names the folder too: strDir becomes its
// folder (Windows form, ending in a backslash) and strFile its name and
// extension. False, with both unchanged, for a plain file name.
bool SplitTypedOutputPath(CString& strDir, CString& strFile);

// The file list of a dialog that takes several files (buttons "Remove",
// "Move Up", "Move Down"): which buttons are enabled for a list of nCount
// items with item nSel selected (-1: none).
struct SFileListButtons {
    bool bRemove;
    bool bMoveUp;
    bool bMoveDown;
};
SFileListButtons FileListButtonStates(int nCount, int nSel);
// The item selected after item nRemoved was removed from a list that now
// holds nCountAfter items: the one that took its place, else the new last;
// -1 when the list is empty.
int SelectionAfterRemove(int nCountAfter, int nRemoved);
// Where item nSel goes when moved by nDelta (-1 up, +1 down) in a list of
// nCount items; -1 when it cannot move that way.
int FileListMoveTarget(int nCount, int nSel, int nDelta);

// A spin step of a field whose range the dialog keeps: the current value
// plus the step, clamped to nLow .. nHigh.
int StepSpinValue(INT64 nCurrent, int nDelta, int nLow, int nHigh);
