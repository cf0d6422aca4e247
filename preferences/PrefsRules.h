// PrefsRules.h: the window-free rules of the preferences pages: folder
// history lists, the order and texts of the directory checks, the logging
// limits and texts, the process-id choice and the options' labels.
#pragma once

#include "platform/CArray.h"
#include "platform/CString.h"
#include "platform/Types.h"
#include "session/ViewSettings.h"

// ---- folder histories -------------------------------------------------------

// Moves strText to the head of the list: the first entry equal to it without
// regard to case is removed, then strText is inserted as given (also when
// empty). The list has no length limit.
void AddToHistoryList(CStringArray& list, const CString& strText);
// The item to select after item nIndex was deleted and nRemaining are left:
// the same index while one is there, else the one before; -1 for none.
int SelectionAfterHistoryDelete(int nIndex, int nRemaining);

// ---- directory checks --------------------------------------------------------

// The field title of each folder kind (EDirList order): "Executable Files" ...
const char* PreferredDirTitle(int nKind);
// Trims all eight folders in place, then checks them in EDirList order: the
// three required ones must be given and exist (the executables folder must
// hold the emulator); an optional one is checked only when given. True when
// all pass; else false with the first failing kind and its message.
bool CheckPreferredDirectories(CString dirs[kDirListCount], int& nFailedKind, CString& strMsg);

// ---- logging -----------------------------------------------------------------

const UINT kMinMemLogLines = 100;
const UINT kMinDiskLogLines = 1000;
// The most numbered log files: "Limits" MaxAutologFilenum + 1 (the highest
// file number plus one).
UINT MaxLogFilesLimit();
// The base name of the numbered log files in the log folder: an existing
// folder ("The specified directory name is not valid." otherwise, whatever
// is wrong with it), then a usable name (given, no invalid character), with
// the texts of the output-file check. Files of that name need not be new:
// the files written are "<name>.nnn<ext>".
bool CheckLogBaseName(const char* pszLogDir, const char* pszName, CString& strMsg);
// The numbering page's instructions for the state of automatic numbering
// and the current file number.
CString LogNumberingInstructions(bool bEnabled, UINT nCurFileNum);
extern const char kLogNumberingNote[];

// The two process-id prefixes exclude each other: the one that is set
// clears the other and greys it; with neither set both are editable.
struct SPidChoice {
    bool bAlways, bIfNeeded;             // in: the fields; out: corrected
    bool bAlwaysEnabled, bIfNeededEnabled;
};
void ApplyPidRule(SPidChoice& choice);

// ---- options -----------------------------------------------------------------

// The label of the aggregate-statistics check box for its state.
const char* AggregateStatsLabel(bool bAggregate);
