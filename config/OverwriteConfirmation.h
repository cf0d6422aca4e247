// OverwriteConfirmation.h: the question whether an existing output file may
// be overwritten, and the deletion of that file once the operation that
// writes it really starts.
//
// The question is asked while a dialog validates its fields; deleting the
// file then would lose it when a later field fails, the user cancels or the
// run never starts. So the answer is remembered per path, and the file is
// deleted only by DeleteConfirmedOutputFile.
#pragma once

#include "platform/CString.h"

// Asks "File already exists. Overwrite?" (task dialog "WLTDI_IsOverwriteOK",
// buttons "Overwrite" and "Cancel", Cancel the default); the content names
// the path when bShowName is set. A path confirmed before is not asked
// again. True when the user chose "Overwrite".
bool ConfirmOverwrite(const char* pszPath, bool bShowName = true);

// Records a "yes" the user gave elsewhere (a file dialog's own overwrite
// prompt), so that the question is not asked again for that path.
void RememberOverwriteConfirmed(const char* pszPath);

// True when the path was confirmed and not yet deleted.
bool IsOverwriteConfirmed(const char* pszPath);
// Forgets every answer (a dialog that is cancelled).
void ForgetOverwriteConfirmations();

// At the start of the operation: deletes the existing file when it was
// confirmed; an error message box says when it cannot be deleted, and the
// result is false. True when nothing is in the way any more (also when the
// file is not there). A file that was never confirmed is left alone (false).
bool DeleteConfirmedOutputFile(const char* pszPath, bool bShowName = true);
