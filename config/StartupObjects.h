// StartupObjects.h: process-wide objects of the configuration helpers that
// are built before the application object runs and destroyed at exit, in
// the order of StartupObjects.cpp. (The "Limits" variables are in Limits.h,
// the time-zone text in ValueConversions.h; the host adapters are read at
// their first use, CHostAdapterArray.h.)
#pragma once

#include "platform/CString.h"

// The engine-type indexes of "CP", "AP", "IP" and "IL" (0, 2, 3, 1).
extern int g_nEngineTypeCP, g_nEngineTypeAP, g_nEngineTypeIP, g_nEngineTypeIL;

extern CString g_strUpperLetters;            // "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
extern CString g_strDigits0To6;              // "0123456" (seven digits, not ten)
// The 26 letters, the ten digits and the seven characters $ # @ + - : _
extern CString g_strUpperLettersDigits0To6;

// The host last entered in the remote-device dialog, and its port (the
// built-in default SHRD port until one is entered).
extern CString g_strRemoteHost;
extern int g_nRemotePort;

// Command-line and settings values of the start-up.
extern CString g_strStartupConfigFile;       // "-f"
extern CString g_strProfileEmulatorExeName;  // the settings' emulator program name
extern CString g_strEmulatorExeName;         // "-e"
extern CString g_strStartupRunCommandFile;   // "-r": run-command file of a new configuration
extern CString g_strStartupLogoFile;         // "-b": logo file of a new configuration

// The first and the following characters of a dataset-name qualifier.
extern CString g_strNameFirstChars;          // "ABCDEFGHIJKLMNOPQRSTUVWXYZ$#@"
extern CString g_strNameChars;               // g_strNameFirstChars + "-0123456789"
