// PrefsRules.cpp: the preferences pages' window-free rules.
#include "preferences/PrefsRules.h"

#include "config/DirectoryValidation.h"
#include "config/FileChecks.h"
#include "config/Limits.h"
#include "platform/TextFunctions.h"

// ---- folder histories -------------------------------------------------------

void AddToHistoryList(CStringArray& list, const CString& strText)
{
    for (INT_PTR i = 0; i < list.GetSize(); ++i) {
        if (list[i].CompareNoCase(strText) == 0) {
            list.RemoveAt(i);
            break;
        }
    }
    list.InsertAt(0, strText);
}

int SelectionAfterHistoryDelete(int nIndex, int nRemaining)
{
    return nIndex < nRemaining ? nIndex : nRemaining - 1;
}

// ---- directory checks --------------------------------------------------------

namespace {

const char* const kDirTitles[kDirListCount] = {
    "Executable Files", "Configuration Files", "Log Files", "Reader Files",
    "Punch Files", "Printer Files", "Tape Files", "Disk Files",
};
const char* const kRequiredMsgs[3] = {
    "The executable files directory is a required directory.",
    "The configuration files directory is a required directory.",
    "The log files directory is a required directory.",
};
const char kBadRequiredDir[] = "Directory does not exist or is invalid.";

}  // namespace

const char* PreferredDirTitle(int nKind)
{
    return nKind >= 0 && nKind < kDirListCount ? kDirTitles[nKind] : "";
}

bool CheckPreferredDirectories(CString dirs[kDirListCount], int& nFailedKind, CString& strMsg)
{
    for (int i = 0; i < kDirListCount; ++i)
        TrimBlanks(dirs[i]);
    for (int i = 0; i < kDirListCount; ++i) {
        bool bRequired = i <= kDirLogFiles;
        CString strReason;
        if (dirs[i].IsEmpty()) {
            if (!bRequired)
                continue;
            strMsg = kRequiredMsgs[i];
        } else if (!ValidateDirectoryMsg(dirs[i], strReason)) {
            if (bRequired)
                strMsg = kBadRequiredDir;
            else
                strMsg.Format("Invalid output directory: %s", strReason.GetString());
        } else if (i == kDirExecutables && !IsValidExecutablesDir(dirs[i])) {
            strMsg.Format("The Vornamic executable %s was not found in this directory.",
                          EmulatorProgramQuoted().GetString());
        } else {
            continue;
        }
        nFailedKind = i;
        return false;
    }
    nFailedKind = -1;
    strMsg.Empty();
    return true;
}

// ---- logging -----------------------------------------------------------------

UINT MaxLogFilesLimit()
{
    return g_nMaxAutologFilenum + 1;
}

bool CheckLogBaseName(const char* pszLogDir, const char* pszName, CString& strMsg)
{
    CString strDir = pszLogDir ? pszLogDir : "", strName = pszName ? pszName : "";
    TrimBlanks(strDir);
    TrimBlanks(strName);
    // The folder first, as the output-file check takes them; a missing
    // folder is refused too (nothing could be logged there).
    if (!IsValidDirectory(strDir))
        strMsg = "The specified directory name is not valid.";
    else if (strName.IsEmpty())
        strMsg = "You must specify an output file.";
    else if (HasInvalidFileNameChars(strName))
        strMsg = "The specified filename contains one or more invalid characters.";
    else {
        strMsg.Empty();
        return true;
    }
    return false;
}

CString LogNumberingInstructions(bool bEnabled, UINT nCurFileNum)
{
    CString str;
    str.Format("Automatic logfile numbering is currently %sabled, and the current automatically assigned logfile "
               "number is %d.\n\nThis value will be incremented whenever VornGUI exits so that the next logfile is "
               "automatically assigned a new number.\n\nIf you wish to set a new \"current logfile number\" so that "
               "it is automatically incremented to the desired value upon exit, enter the new value below:",
               bEnabled ? "en" : "dis", (int)nCurFileNum);
    return str;
}

const char kLogNumberingNote[] =
    "Note: entering a new value will not change the currently assigned logfile number. It will only change the "
    "value that is automatically incremented upon exit, thereby changing the value that will be used the NEXT "
    "time VornGUI is run.";

void ApplyPidRule(SPidChoice& c)
{
    c.bAlwaysEnabled = c.bIfNeededEnabled = true;
    if (c.bAlways) {
        c.bIfNeeded = false;
        c.bIfNeededEnabled = false;
    } else if (c.bIfNeeded) {
        c.bAlwaysEnabled = false;
    }
}

// ---- options -----------------------------------------------------------------

const char* AggregateStatsLabel(bool bAggregate)
{
    return bAggregate ? " Display as totals for the entire system"
                      : " Display as totals for the currently selected Status Bar CPU only";
}
