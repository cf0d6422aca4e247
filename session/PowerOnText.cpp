// PowerOnText.cpp: texts of power-on, the shutdown watchdog and the
// required-folder check.
#include "session/PowerOnText.h"

#include "platform/TextFunctions.h"

namespace {

const int kButtonYes = 6;  // IDYES

}  // namespace

CString FormatPowerOnTime(UINT nYear, UINT nMonth, UINT nDay, UINT nHour, UINT nMinute, UINT nSecond)
{
    CString str;
    str.Format("%04u/%02u/%02u at %02u:%02u:%02u %cM", nYear, nMonth, nDay, nHour, nMinute, nSecond,
               nHour < 12 ? 'A' : 'P');
    return str;
}

namespace {

CString HeaderLine(const char* pszLabel, const CString& strValue)
{
    CString str;
    str.Format("******** %s = %s", pszLabel, strValue.GetString());
    return str;
}

}  // namespace

std::vector<CString> BuildPowerOnHeader(const SPowerOnHeader& header)
{
    std::vector<CString> lines;
    if (!header.strSessionDesc.IsEmpty())
        lines.push_back(HeaderLine("Session Description    ", header.strSessionDesc));
    lines.push_back(HeaderLine("Power-On Date and Time ", header.strTime));
    lines.push_back(HeaderLine("Working directory to be", QuoteIfNeeded(header.strWorkingDir)));
    lines.push_back(HeaderLine("Control file being used",
                               header.strConfigPath.IsEmpty() ? CString("none") : header.strConfigPath));
    lines.push_back(HeaderLine("Command line to execute", header.strCommandLine));
    if (!header.strLogFile.IsEmpty()) {
        // In Windows form, as every other path of the header.
        CString strLog = header.strLogFile;
        strLog.Replace('/', '\\');
        lines.push_back(HeaderLine("Current active log file", QuoteIfNeeded(strLog)));
    }
    lines.insert(lines.end(), header.notes.begin(), header.notes.end());
    return lines;
}

EWatchdogAction DecideWatchdogAction(bool bStillRunning, int nButton)
{
    if (!bStillRunning)
        return kWatchdogEnded;
    return nButton == kWatchdogButtonWait ? kWatchdogWaitMore : kWatchdogKill;
}

CString WatchdogNote(EWatchdogAction eAction, UINT nSeconds)
{
    CString str;
    switch (eAction) {
    case kWatchdogWaitMore:
        str.Format("* Waiting another %u seconds for Vornamic to exit...", nSeconds);
        break;
    case kWatchdogKill:
        // Said plainly: the process did not end by itself.
        str = "* Vornamic forcibly terminated by user request";
        break;
    case kWatchdogEnded:
        str = "* Vornamic appears to have finally exited on its own.";
        break;
    }
    return str;
}

const char* RequiredDirKindName(ERequiredDir eKind)
{
    static const char* const kNames[kRequiredCount] = {"Executable Files", "Configuration Files", "Log Files"};
    return eKind >= 0 && eKind < kRequiredCount ? kNames[eKind] : "";
}

CString BadRequiredDirInstruction(ERequiredDir eKind)
{
    CString str;
    str.Format("Bad %s directory", RequiredDirKindName(eKind));
    return str;
}

CString BadRequiredDirContent(ERequiredDir eKind, const char* pszProgramName)
{
    CString str;
    str.Format("The %s directory is either not defined yet or is invalid. The 'Preferences' dialog will now be "
               "displayed so that you can define a valid %s directory.\n\nPlease note that because this "
               "directory is a required directory, clicking 'Cancel' to dismiss the 'Preferences' dialog "
               "without correcting this error will cause %s to immediately abort.",
               RequiredDirKindName(eKind), RequiredDirKindName(eKind), pszProgramName ? pszProgramName : "");
    return str;
}

CString MissingEmulatorInstruction()
{
    return "Vornamic program not found";
}

CString MissingEmulatorContent(const char* pszEmulator, const char* pszDir, const char* pszProgramName)
{
    CString str;
    str.Format("The Vornamic program %s was not found in the Executable Files directory \"%s\". The "
               "'Preferences' dialog will now be displayed so that you can define an Executable Files directory "
               "that holds it.\n\nPlease note that because this directory is a required directory, clicking "
               "'Cancel' to dismiss the 'Preferences' dialog without correcting this error will cause %s to "
               "immediately abort.",
               pszEmulator ? pszEmulator : "", pszDir ? pszDir : "", pszProgramName ? pszProgramName : "");
    return str;
}

ELicensedAnswer DecideLicensedAnswer(bool bTimedOut, int nButton)
{
    if (bTimedOut)
        return kLicensedPresumed;
    return nButton == kButtonYes ? kLicensedVerified : kLicensedRefused;
}

std::vector<CString> LicensedModeNotes(ELicensedAnswer eAnswer)
{
    switch (eAnswer) {
    case kLicensedVerified:
        return {"******** ZQC046I Acceptance of PGMPRDOS LICENSED setting verified"};
    case kLicensedPresumed:
        return {"******** ZQC046W Timeout waiting for user response...",
                "******** ZQC046W Acceptance of PGMPRDOS LICENSED setting presumed"};
    case kLicensedRefused:
        break;
    }
    return {};
}

CString LicensedModeCountdown(UINT nTimeoutMs, UINT nElapsedMs)
{
    long long nLeft = ((long long)nTimeoutMs - (long long)nElapsedMs + 500) / 1000;
    CString str;
    str.Format("%d seconds remaining...", nLeft > 0 ? (int)nLeft : 0);
    return str;
}
