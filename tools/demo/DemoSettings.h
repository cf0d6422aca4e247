// DemoSettings.h: the settings file of a demonstration, the .INI file that
// VornGUI.exe is given with "-i". Written once, in the form the program
// reads and writes (the same profile functions): the eight folder lists,
// each holding its demonstration folder, and the sample configuration as
// the one Power On takes. What the user then changes in the program stays;
// only the executables folder may be changed from outside, to point the
// program at a real emulator's folder. Window-free.
#pragma once

#include "platform/CString.h"
#include "tools/demo/DemoFiles.h"

// Writes a new settings file for the demonstration's folders; false when
// it cannot be written.
bool WriteDemoSettings(const CString& strIniPath, const SDemoFolders& folders);

// Makes the folder the executables folder in force, as the preferences'
// Directories page does: at the head of its list, the earlier ones after
// it. False when the file cannot be written.
bool SetDemoExecutablesFolder(const CString& strIniPath, const CString& strFolder);

// True when the executables folder in force is the demonstration's own
// (so that its emulator stand-in is the program Power On starts).
bool IsDemoEmulatorInForce(const CString& strIniPath, const SDemoFolders& folders);
