// StartupPaths.h: where VornGUI looks for its help file and which .INI file
// holds its settings. Window-free.
#pragma once

#include "platform/CString.h"

// The folder of the help file, ending in a backslash, from the folder of the
// framework's default help-file path: a build-output folder ("\x64\Debug\",
// "\x64\Release\", "\Release\", "\Debug\", compared without case) is replaced
// by the folder that holds it; any other folder is used unchanged.
CString HelpFileFolder(const char* pszDefaultHelpFolder);

// The help file's full path: HelpFileFolder followed by "VornGUI.chm".
CString HelpFilePath(const char* pszDefaultHelpFolder);

// The settings file given with "-i": the name, or "VornGUI.ini" when it is
// empty; a name without a folder part lies in the start-up directory.
CString IniFilePath(const char* pszIniArg, const char* pszStartupDir);
