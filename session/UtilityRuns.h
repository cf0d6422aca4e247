// UtilityRuns.h: CUtilityRuns, the utility programs the view runs: starting
// one with its progress window, its progress and Cancel messages, its end
// report, and killing them all when the view goes. The view owns one and
// hands it the WM_UTILITY_STATUS, WM_UTILITY_CANCEL and WM_UTILITY_ENDED of
// every controller that is not the emulator's. GUI thread only, but for
// GetCount, which the reader threads ask too.
#pragma once

#include <windows.h>

#include <atomic>
#include <vector>

#include "platform/CString.h"

class CPipedProcessCtl;

class CUtilityRuns {
public:
    CUtilityRuns() = default;
    CUtilityRuns(const CUtilityRuns&) = delete;
    CUtilityRuns& operator=(const CUtilityRuns&) = delete;
    // Kills and deletes every run still listed.
    ~CUtilityRuns();

    // Starts a utility dialog's command line: the program from pszExeDir,
    // re-quoted, with " EXTERNALGUI" last; the progress window is shown
    // unless the kind is -1. The run is listed until its end is handled.
    CPipedProcessCtl* Run(LPCSTR pszCommand, int nKind, HICON hIcon, LPCSTR pszTitle, INT64 nTotal,
                          LPCSTR pszExeDir);
    // Adds a controller started elsewhere (the card-submission helper).
    void Add(CPipedProcessCtl* pCtl);

    // WM_UTILITY_STATUS: shows the run's progress. A message of a run that
    // has ended meanwhile is ignored.
    void OnStatus(CPipedProcessCtl* pCtl);
    // WM_UTILITY_CANCEL: kills the run (its end report follows).
    void OnCancel(CPipedProcessCtl* pCtl);
    // WM_UTILITY_ENDED: unlists the run, then writes "... ended; rc=%d" (so
    // its process-id prefix is decided on the runs left) and deletes it.
    // False when the controller is not one of the listed runs.
    bool OnEnded(CPipedProcessCtl* pCtl, DWORD dwExitCode);

    // Kills and deletes every run (the view's destruction).
    void KillAll();

    // The runs listed; any thread.
    int GetCount() const { return m_nCount; }
    // True when more than one child runs: the emulator and a utility, or two
    // utilities. Console notes and lines then carry the process-id text.
    bool IsPidPrefixNeeded(bool bEmulatorRunning) const { return GetCount() >= (bEmulatorRunning ? 1 : 2); }
    bool Contains(const CPipedProcessCtl* pCtl) const;

private:
    void Counted() { m_nCount = (int)m_runs.size(); }

    std::vector<CPipedProcessCtl*> m_runs;
    std::atomic<int> m_nCount{0};   // m_runs' size, for the reader threads
};
