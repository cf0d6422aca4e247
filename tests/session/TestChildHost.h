// TestChildHost.h: the stand-in for the view in the session tests: a hidden
// window that hosts child processes, records every line, note and message
// it gets, runs utilities through CUtilityRuns and can hold its readers the
// way the view's flow control does.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Afx.h"
#include "platform/CSyncObject.h"
#include "session/ChildProcessHost.h"
#include "session/UtilityRuns.h"

// A kill or Cancel ends a run at once: within this even on a loaded machine,
// far within the floods and sleeps of the runs it ends.
constexpr DWORD kAtOnceMs = 5000;

class CTestChildHost : public CWnd, public CChildProcessHost {
    DECLARE_MESSAGE_MAP()
public:
    CTestChildHost();
    ~CTestChildHost() override;

    // Dispatches messages until done() holds or the time-out passes; false on time-out.
    bool PumpUntil(const std::function<bool()>& done, DWORD dwTimeoutMs = 20000,
                   const char* pszFile = __builtin_FILE(), int nLine = __builtin_LINE());
    bool PumpUntilEnded(int nEnds = 1, DWORD dwTimeoutMs = 20000);

    // Flow control: while paused, every reader blocks after its next line.
    void Pause() { m_resume.ResetEvent(); }
    void Resume() { m_resume.SetEvent(); }

    std::vector<std::string> OutLines();
    std::vector<std::string> ErrLines();
    size_t LineCount();

    CUtilityRuns m_runs;
    std::vector<std::string> m_notes;
    std::vector<bool> m_noteFailures;           // per note: given as a failure
    std::vector<std::string> m_errors;          // text + "|" + detail of start errors
    std::vector<DWORD> m_exitCodes;             // one per WM_UTILITY_ENDED
    int m_nStatusMessages = 0;
    int m_nCancelMessages = 0;
    // WM_UTILITY_STATUS messages found still queued while one was handled.
    int m_nQueuedStatusSeen = 0;
    // Per run name: the progress window's percentage text and bar position
    // when the run's end arrived.
    std::map<std::string, std::string> m_endPercent;
    std::map<std::string, int> m_endBarPos;
    bool m_bPidPrefix = false;

    // CChildProcessHost
    HWND GetChildNotifyWnd() const override { return m_hWnd; }
    void OnPipeData(int nStream, CPipedProcessCtl* pCtl, char* pBuffer, int& nLength) override;
    void AddChildNote(const CString& strLine, bool bFailure) override
    {
        m_notes.push_back((const char*)strLine);
        m_noteFailures.push_back(bFailure);
    }
    bool IsPidPrefixNeeded() const override { return m_bPidPrefix; }
    void ShowChildStartError(const CString& strText, const CString& strDetail) override;

protected:
    LRESULT OnUtilityStatus(WPARAM wp, LPARAM lp);
    LRESULT OnUtilityCancel(WPARAM wp, LPARAM lp);
    LRESULT OnUtilityEnded(WPARAM wp, LPARAM lp);

private:
    std::mutex m_linesLock;
    std::vector<std::string> m_outLines;
    std::vector<std::string> m_errLines;
    CEvent m_resume{TRUE, TRUE};
};
