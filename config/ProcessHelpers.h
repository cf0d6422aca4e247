// ProcessHelpers.h: starting the text editor or the shell's handler of a
// document, environment references, the control panel's sounds, and where
// the crash report goes.
#pragma once

#include <windows.h>

#include "platform/CString.h"

// The text with its "%name%" references expanded; the text unchanged when
// the expansion fails or needs 32760 characters or more. strOut receives the
// result too.
CString ExpandEnvironmentVars(CString& strOut, const char* pszText);

// Opens the file in the editor (the "Settings" "PreferredEditor" command
// that the caller holds; "notepad" when empty; its environment references
// expanded) as a process of its own that runs on by itself. Nothing happens
// for an empty path. When the editor cannot be started, an error message box
// says so. Returns whether it was started.
bool EditFileInEditor(const char* pszPath, const char* pszEditor);

// Hands a path or URL to the shell (a drive path as "file:///" + path);
// false, with the exclamation beep, when the shell could not open it.
bool OpenDocumentOrUrl(const char* pszText);

// Plays the program's WAVE resource ("PressButton", "TwistDial") and waits
// until it ends. Returns TRUE, or the system error code when it failed.
DWORD PlaySoundResource(const char* pszName);
// The same sound started without waiting for its end; false when it could
// not be started.
bool PlaySoundResourceAsync(const char* pszName);

// The crash report file: the user's documents folder and
// "VornGUI Unhandled Exception Report.txt"; empty when the system cannot
// name the folder.
CString CrashReportPath();
