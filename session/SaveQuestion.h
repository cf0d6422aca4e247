// SaveQuestion.h: the question asked before work the user has not saved
// would be dropped (the configuration's changes, the console log's
// messages): Save, Don't Save or Cancel.
#pragma once

#include <windows.h>

// Shows the task dialog pszName ("WLTDI_...") over hParent, titled with
// the application's name, with the warning icon, pszInstruction and
// pszContent (none when null): IDYES for "Save" (the default), IDNO for
// "Don't Save", IDCANCEL for Cancel or when closed.
int AskToSave(HWND hParent, LPCSTR pszName, LPCSTR pszInstruction, LPCSTR pszContent);

// "Do you want to save the console log?", over hParent, for its nLines
// messages kept in memory only.
int AskToSaveConsoleLog(HWND hParent, INT_PTR nLines);
