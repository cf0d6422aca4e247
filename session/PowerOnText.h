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
    std::vector<CString> notes;  // written last (the licensed-mode notes)
};

// The header lines in their order: the session description (when there is
// one), date and time, working directory (quoted when needed), control file,
// command line, and the current log file (in Windows form, quoted when
// needed) when there is one; then the notes.
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
// The same question when the executables folder exists but does not hold
// the emulator's program: "Vornamic program not found", and a content that
// names the program (pszEmulator, as EmulatorProgramQuoted gives it) and the
// folder.
CString MissingEmulatorInstruction();
CString MissingEmulatorContent(const char* pszEmulator, const char* pszDir, const char* pszProgramName);

// The acknowledgement of the licensed mode ("PGMPRDOS LICENSED") asked
// before the emulator starts: verified by the user, presumed after the
// question timed out, or refused (power-on ends).
enum ELicensedAnswer { kLicensedVerified, kLicensedPresumed, kLicensedRefused };

// How long the question waits for an answer (ten minutes).
const UINT kLicensedModeTimeoutMs = 600000;

// The answer for the button that closed the question; bTimedOut when the
// question pressed its Yes button itself at the time-out.
ELicensedAnswer DecideLicensedAnswer(bool bTimedOut, int nButton);
// The "******** ZQC046" notes of an answer, written after the header.
std::vector<CString> LicensedModeNotes(ELicensedAnswer eAnswer);
// The question's window title while it waits: "%d seconds remaining..."
// with (time-out - elapsed + 500) / 1000, never below 0.
CString LicensedModeCountdown(UINT nTimeoutMs, UINT nElapsedMs);
