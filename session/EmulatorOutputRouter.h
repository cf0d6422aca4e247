// EmulatorOutputRouter.h: CEmulatorOutputRouter, the road of every line a
// child process writes: status lines of the emulator become stored fields
// and posted private messages (at most one pending per field), device lines
// go to the host's device list, utility progress lines to their run, and
// every other line is formatted and queued for the console pane. Window-
// free: the host (the view) does the posting, the device list and the
// command writing; tests and the fuzz target drive it natively.
//
// Threads: RouteLine and RouteChunk run on every reader thread at once; the
// Take*/Reset*/option calls on the GUI thread. The status lock guards the
// fields, their pending flags and the indicators; the CPU lock the busy
// samples; the pending-line queue has its own locks.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>

#include "platform/Types.h"
#include "session/ConsoleLineFormat.h"
#include "session/OutputRouterHost.h"
#include "session/PendingLineQueue.h"
#include "session/StatusFieldStore.h"

// The CPU-busy inputs of the averaging (Part of the control panel's meter).
struct SCpuSamples {
    int nBusy = 0;                  // samples with the CPU running
    int nTotal = 0;                 // all samples
    double dBusyFraction = 0.0;     // the emulator's own aggregate, 0.0-1.0
    bool bPercentMode = false;      // the emulator reports "CPUPCT=" itself
};

class CEmulatorOutputRouter {
public:
    enum { kStderr = -12, kStdout = -11 };

    explicit CEmulatorOutputRouter(COutputRouterHost& host);
    CEmulatorOutputRouter(const CEmulatorOutputRouter&) = delete;
    CEmulatorOutputRouter& operator=(const CEmulatorOutputRouter&) = delete;

    // One complete line (no line feed, trailing white space removed). True
    // when it was queued for the console: the reader then waits while the
    // readers are held.
    bool RouteLine(const SLineSource& source, const char* pszLine);
    // A reader's chunk (SplitPipeChunk's contract): routes every complete
    // line; the chunk's console lines share one time stamp and are queued
    // together, and fnQueued is called once after them.
    void RouteChunk(const SLineSource& source, char* pBuffer, int& nLength, const std::function<void()>& fnQueued);

    // Options (GUI thread).
    void SetConsoleOptions(const SConsoleLineOptions& options);
    void SetAggregateStats(bool bAggregate) { m_bAggregate = bAggregate; }
    // Visibility of status parts 0-2 ("StatLineSeePart"); 3 and 4 always post.
    void SetPartVisible(int nPart, bool bVisible);
    // "MessageFloodThreshold": a reader that queues the line that reaches it
    // holds the readers at once (0: only the idle-time flow control does).
    void SetFloodThreshold(size_t nLines) { m_nHoldAt = nLines; }

    // The console queue and its flow control (GUI thread).
    CPendingLineQueue& Pending() { return m_pending; }
    // WM_PENDING_LINES: every waiting line; held readers go on.
    CConsoleBlock TakePendingLines() { return m_pending.TakeAll(m_host); }
    void OnIdleFlowControl(size_t nThreshold) { m_pending.OnIdleFlowControl(m_host, nThreshold); }

    // Message handlers (GUI thread): the newest text; the field is no
    // longer pending.
    std::string TakeRegister(int nField);
    std::string TakePart(int nPart);
    std::string PeekPart(int nPart);
    // The run indicator's message was handled: the running flag the view
    // shows from now on, read in the same step that lets the message be
    // posted again (a change in between would otherwise be lost).
    bool ClearRunPending();
    bool IsRunning();
    bool IsManual();
    // The status-line bar's current processor: the one it last asked for
    // ("cpu %x"), or the one a "STATUS=" line reported since. A report of
    // another processor sets the bar's up-down control (the emulator may
    // refuse a processor it does not have and go on reporting its own).
    unsigned GetCurrentCpu();
    void SelectCpu(unsigned nCpu);
    // Power-on and start-up: no field pending, no samples, no percent mode,
    // main storage unknown, the processor neither running nor stopped.
    void ResetSession();
    // The status fields show their placeholders (start-up, the emulator's
    // end): the parts' stored texts become them too, so that the next
    // session's first report is posted even when it repeats the last one.
    void ResetParts();
    // The handshake clears the percent mode before it asks for "]CPUPCT=1".
    void ClearPercentMode();
    SCpuSamples TakeCpuSamples();

    // What the emulator reported about itself.
    UINT64 GetMainStorAddress() const { return m_nMainStor; }
    UINT64 GetMainStorSize() const { return m_nMainSize; }
    double GetVersion() const { return m_dVersion; }
    void ClearMainStorage() { m_nMainStor = 0; m_nMainSize = 0; }

private:
    bool DispatchStderrLine(const SLineSource& source, const char* pszLine, size_t nLength);
    bool DispatchStdoutLine(const SLineSource& source, const char* pszLine, size_t nLength);
    bool ApplyStatus(const SLineSource& source, const struct SStatusLine& line);
    void ApplyProcessorStatus(const struct SStatusLine& line);
    void ApplyCpuPercent(const struct SStatusLine& line);
    void ApplyCwd(const std::string& strDir);
    // Routes one line; a console line is added to the chunk's block.
    void RouteLineInto(const SLineSource& source, const char* pszLine, size_t nLength, struct SChunkLines& chunk);
    void AddConsoleLine(const char* pszLine, size_t nLength, bool bTab, SChunkLines& chunk);
    bool QueueChunk(SChunkLines& chunk);
    void PostFieldUpdate(int nField, const std::string& strText);
    void PostStatusPartUpdate(int nPart, const std::string& strText);
    void SetRunIndicator(bool bRunning);
    void SetManualIndicator(bool bManual);
    // WM_LOAD_INDICATOR_CHANGED, the last of a report: wParam the load
    // letter, lParam the wait letter.
    void SetLoadIndicator(bool bLoading, bool bWaiting);
    void PostRunLocked();

    COutputRouterHost& m_host;
    CPendingLineQueue m_pending;

    std::mutex m_optionsLock;
    SConsoleLineOptions m_options;
    std::atomic<bool> m_bAggregate{true};
    std::atomic<size_t> m_nHoldAt{0};
    std::atomic<bool> m_bPartVisible[3] = {{true}, {true}, {false}};

    std::mutex m_statusLock;
    CStatusFieldStore m_fields;
    bool m_bRunning = false;
    bool m_bLastPostedRunning = false;
    bool m_bRunPending = false;
    bool m_bManual = false;
    unsigned m_nCurrentCpu = 0;     // the status-line bar's current processor

    std::mutex m_cpuLock;
    SCpuSamples m_cpu;

    std::atomic<UINT64> m_nMainStor{0};
    std::atomic<UINT64> m_nMainSize{0};
    std::atomic<double> m_dVersion{0.0};
};
