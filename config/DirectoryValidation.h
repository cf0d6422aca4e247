// DirectoryValidation.h: whether a text names an existing directory, with
// the reason in words when it does not.
#pragma once

#include "platform/CString.h"

// Reasons: 0 empty, 1 not a valid directory name or path, 2 invalid name, 3 not found.
bool ValidateDirectory(const CString& strDir, int& nReason);
// True with an empty message for an existing directory; otherwise false with
// "You must specify a valid directory.", "The specified directory was not
// found." or "The specified directory name or path is not valid.".
bool ValidateDirectoryMsg(const CString& strDir, CString& strMsg);
bool IsValidDirectory(const CString& strDir);
// True when the folder exists and holds the emulator's program file (the
// configured name, g_strEmulatorExeName). Records nothing: whether the folder
// holds the 64-bit utilities is the view's to note for the folder it takes.
bool IsValidExecutablesDir(const CString& strDir);
// The emulator's program file in double quotes, followed by " (named with
// -e)" when the command line named a program other than the settings' one:
// "\"NoSuch.exe\" (named with -e)". For the messages that say it is missing.
CString EmulatorProgramQuoted();
