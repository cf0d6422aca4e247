// PowerOnText.h: the texts of an emulator session that need no window: the
// power-on time, the "******** " header lines written before the emulator
// starts, the shutdown watchdog's decision and its "* " notes, and the
// question about a bad required folder.
#pragma once

#include <vector>

#include "platform/CString.h"
#include "platform/Types.h"

// "%04u/%02u/%02u at %02u:%02u:%02u %cM": the hour 00-23, then 'A' for an
// hour below 12, else 'P'.
CString FormatPowerOnTime(UINT nYear, UINT nMonth, UINT nDay, UINT nHour, UINT nMinute, UINT nSecond);

// What the header of one power-on shows.
struct SPowerOnHeader {
    CString strSessionDesc;  // empty: no description line
    CString strTime;         // FormatPowerOnTime
    CString strWorkingDir;   // the configuration folder
    CString strConfigPath;   // empty: a run without configuration ("none")
    CString strCommandLine;
    CString strLogFile;      // the document's current log file; empty: none
};

// The header lines in their order: the session description (when there is
// one), date and time, working directory (quoted when needed), control file,
// command line, and the current log file (its '\' turned into '/', quoted
// when needed) when there is one.
std::vector<CString> BuildPowerOnHeader(const SPowerOnHeader& header);

// The shutdown watchdog, after its question: the emulator ended meanwhile,
// the user waits once more, or the user has it ended by force.
enum EWatchdogAction { kWatchdogEnded, kWatchdogWaitMore, kWatchdogKill };

// Buttons of the watchdog's question.
enum { kWatchdogButtonKill = 3, kWatchdogButtonWait = 4 };

// The action for the button pressed while the emulator still runs (or not).
EWatchdogAction DecideWatchdogAction(bool bStillRunning, int nButton);
// The console note of an action; nSeconds is the configuration's maximum
// shutdown time.
CString WatchdogNote(EWatchdogAction eAction, UINT nSeconds);

// The kinds of required folders, in the order they are checked.
enum ERequiredDir { kRequiredExecutables, kRequiredConfig, kRequiredLogs, kRequiredCount };
// "Executable Files", "Configuration Files", "Log Files".
const char* RequiredDirKindName(ERequiredDir eKind);
// The main instruction ("Bad %s directory") and the content of the question
// shown before the preferences open for a bad required folder.
CString BadRequiredDirInstruction(ERequiredDir eKind);
CString BadRequiredDirContent(ERequiredDir eKind, const char* pszProgramName);
