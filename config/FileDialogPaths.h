// FileDialogPaths.h: the texts around the file dialogs: filters, the
// initial folder, and the paths chosen in a multiple selection.
#pragma once

#include "platform/CArray.h"
#include "platform/CString.h"

// pszDescription + " (" + pszPattern + ")|" + pszPattern + "|All Files (*.*)|*.*||"
CString BuildFileFilter(const char* pszDescription, const char* pszPattern);

// The extension a save dialog adds to a name typed without one: that of
// the filter's first pattern ("cnf" for "Text|*.cnf;*.conf|..."), empty
// when the pattern names none or a wildcard one ("*.*", "*").
CString FilterDefaultExtension(const char* pszFilter);

// The folder a file dialog starts in: the directory part of the first
// candidate (null or empty ones skipped) that is a valid directory, in
// Windows form; else g_strWindowsizedDefaultInitialDir; else the current
// directory.
CString ChooseInitialFolder(const char* const* ppszCandidates, int nCount);

// One chosen path in Windows form with runs of separators collapsed. A
// network path keeps its leading pair ("\\\\server\\share\\...").
CString NormalizeChosenPath(const char* pszPath);

// The paths of a multiple-selection buffer as the open dialog fills it: the
// folder, then each file name, each ended by a NUL, the list by a second NUL
// (one full path alone when a single file was chosen). Each is normalised.
void SplitMultiSelectBuffer(const char* pBuffer, size_t nBufferChars, CStringArray& paths);

// The paths, each quoted when needed, separated by single blanks.
CString JoinQuotedPaths(const CStringArray& paths);
