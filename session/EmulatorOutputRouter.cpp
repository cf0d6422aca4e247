// EmulatorOutputRouter.cpp: routing of child output lines; storing status
// fields under the status lock with at most one message pending per field.
#include "session/EmulatorOutputRouter.h"

#include <cstring>

#include "config/DirectoryValidation.h"
#include "config/Limits.h"
#include "session/ConsoleClassifier.h"
#include "session/LineScan.h"
#include "session/OutputRouterHost.h"
#include "session/PipeChunkSplit.h"
#include "session/PrivateMessages.h"
#include "session/StatusLineParser.h"
#include "session/StatusPlaceholders.h"

namespace {

// The length of a console line, line feed included, that a chunk's room is
// reckoned by: the emulator's messages are about this long.
const size_t kTypicalLineBytes = 64;

const UINT kPartMessage[kStatusPartCount] = {
    WM_STATUSPART0_CHANGED, WM_STATUSPART1_CHANGED, WM_STATUSPART2_CHANGED,
    WM_STATUSPART3_CHANGED, WM_STATUSPART4_CHANGED,
};

}  // namespace

CEmulatorOutputRouter::CEmulatorOutputRouter(COutputRouterHost& host)
    : m_host(host)
{
}

// The console lines of one chunk on their way to the queue: the options
// and the line prefix (time stamp, process id) are taken once per chunk.
struct SChunkLines {
    const SLineSource& source;
    size_t nChunkBytes;         // the chunk's length: the room its block takes
    SConsoleLineOptions options;
    bool bPrefixKnown = false;
    std::string strPrefix;
    CConsoleBlock block;
    std::string strExpanded;    // a line's tabs expanded
    SChunkLines(const SLineSource& s, size_t nBytes) : source(s), nChunkBytes(nBytes) {}
};

void CEmulatorOutputRouter::RouteChunk(const SLineSource& source, char* pBuffer, int& nLength,
                                       const std::function<void()>& fnQueued)
{
    SChunkLines chunk(source, nLength > 0 ? (size_t)nLength : 0);
    SplitPipeChunkSized(pBuffer, nLength,
                        [&](char* pszLine, size_t nLine) { RouteLineInto(source, pszLine, nLine, chunk); });
    if (QueueChunk(chunk) && fnQueued)
        fnQueued();
}

bool CEmulatorOutputRouter::RouteLine(const SLineSource& source, const char* pszLine)
{
    size_t nLength = strlen(pszLine);
    SChunkLines chunk(source, nLength);
    RouteLineInto(source, pszLine, nLength, chunk);
    return QueueChunk(chunk);
}

// The line's length comes with it: a flood's lines were scanned four times
// on their way to the queue (under Wine the C runtime scans a byte at a
// time), now once for the line feed and once for a tab.
void CEmulatorOutputRouter::RouteLineInto(const SLineSource& source, const char* pszLine, size_t nLength,
                                          SChunkLines& chunk)
{
    if (nLength != 0) {
        bool bConsumed = source.nStream == kStderr ? DispatchStderrLine(source, pszLine, nLength)
                         : source.nKind == 0     ? DispatchStdoutLine(source, pszLine, nLength)
                                                 : false;
        if (bConsumed)
            return;
    }
    AddConsoleLine(pszLine, nLength, FindByte(pszLine, nLength, '\t') != nullptr, chunk);
}

bool CEmulatorOutputRouter::DispatchStderrLine(const SLineSource& source, const char* pszLine, size_t nLength)
{
    if (source.nKind != 0)
        return m_host.ApplyProgressLine(source, pszLine);
    return ApplyStatus(source, ParseStatusLine(pszLine, nLength));
}

bool CEmulatorOutputRouter::DispatchStdoutLine(const SLineSource& source, const char* pszLine, size_t nLength)
{
    return ApplyStatus(source, ParseStdoutLine(pszLine, nLength));
}

// Applies a parsed status line; false when the line is for the console.
bool CEmulatorOutputRouter::ApplyStatus(const SLineSource& source, const SStatusLine& line)
{
    switch (line.eKind) {
    case kStatNone:
        return false;
    case kStatSwallowed:
    case kStatStatusBadCpu:
        break;
    case kStatStatus:
        ApplyProcessorStatus(line);
        break;
    case kStatSystem:
        if (m_bAggregate)
            SetRunIndicator(line.bRunning);
        break;
    case kStatSios:
        PostStatusPartUpdate(4, line.strText);
        break;
    case kStatMips:
        PostStatusPartUpdate(3, line.strText);
        break;
    case kStatRegister:
        PostFieldUpdate(line.nField, line.strText);
        break;
    case kStatCpuPercent:
    case kStatCpuPercentOne:
        ApplyCpuPercent(line);
        break;
    case kStatDevice:
        m_host.DeviceLine(line.device);
        break;
    case kStatMainStor:
        m_nMainStor = line.ullValue;
        break;
    case kStatMainSize:
        m_nMainSize = line.ullValue;
        m_host.MainStorageKnown();
        break;
    case kStatVersion:
        m_dVersion = line.dVersion;
        break;
    case kStatOops:
        m_host.SendCommandLine(source, "");
        break;
    case kStatCwd:
        ApplyCwd(line.strText);
        break;
    case kStatBeep:
        m_host.Beep(COutputRouterHost::kBeepAsterisk);
        break;
    case kStatSpoolerCmd:
        if (!line.strText.empty())
            m_host.SendCommandLine(source, line.strText);
        break;
    }
    return true;
}

// "STATUS=": the CPU number (against the status-line bar's current one),
// the indicators and the visible parts 0-2.
void CEmulatorOutputRouter::ApplyProcessorStatus(const SStatusLine& line)
{
    bool bCpuChanged = false;
    {
        std::lock_guard<std::mutex> lock(m_statusLock);
        if (line.nCpu != m_nCurrentCpu) {
            m_nCurrentCpu = line.nCpu;
            bCpuChanged = true;
        }
    }
    if (bCpuChanged)
        m_host.CpuNumberChanged(line.nCpu);
    if (!m_bAggregate)
        SetRunIndicator(line.bRunning);
    SetManualIndicator(line.bManual);
    // The state letters: 'W' in place 2 is the wait letter. An offline
    // processor has none: no lamp is lit.
    SetLoadIndicator(line.bLoading, !line.bRunning && !line.bOffline);
    for (int i = 0; i < 3; ++i)
        if (m_bPartVisible[i])
            PostStatusPartUpdate(i, line.strPart[i]);
}

void CEmulatorOutputRouter::ApplyCpuPercent(const SStatusLine& line)
{
    if (line.eKind == kStatCpuPercentOne) {
        // "Limits"/"MaxCPUs" is read once at start-up, before any child runs.
        if (line.nCpu < g_nMaxCPUs && (unsigned)line.nPercent <= 100)
            m_host.PostCpuPercent(line.nCpu, line.nPercent);
        return;
    }
    std::lock_guard<std::mutex> lock(m_cpuLock);
    m_cpu.bPercentMode = true;
    if (line.bHasValue) {
        double d = line.nPercent / 100.0;
        m_cpu.dBusyFraction = d < 0.0 ? 0.0 : d > 1.0 ? 1.0 : d;
    }
}

void CEmulatorOutputRouter::ApplyCwd(const std::string& strDir)
{
    if (!strDir.empty() && IsValidDirectory(CString(strDir.c_str())))
        m_host.ShellDirReported(strDir);
}

void CEmulatorOutputRouter::AddConsoleLine(const char* pszLine, size_t nLength, bool bTab, SChunkLines& chunk)
{
    if (!chunk.bPrefixKnown) {
        {
            std::lock_guard<std::mutex> lock(m_optionsLock);
            chunk.options = m_options;
        }
        bool bTimes = chunk.options.bDates || chunk.options.bTimes;
        SLocalTime now = bTimes ? m_host.LocalTime() : SLocalTime();
        chunk.strPrefix =
            FormatConsolePrefix(chunk.options, chunk.source.strPidText, chunk.source.bSeveralChildren, now);
        chunk.bPrefixKnown = true;
        // Room for the chunk's text, a prefix and CR for every line of a
        // typical length, in one allocation instead of a dozen doublings
        // (the block's room stays with its lines in the console).
        size_t nLines = chunk.nChunkBytes / kTypicalLineBytes + 1;
        chunk.block.Reserve(chunk.nChunkBytes + nLines * (chunk.strPrefix.size() + 1), nLines);
    }
    const SConsoleLineOptions& options = chunk.options;
    if (options.bErrorBeep || options.bWarnBeep) {
        int nKind = ClassifyMessage(pszLine, (int)nLength);
        if ((nKind == kMsgError && options.bErrorBeep) || (nKind == kMsgWarning && options.bWarnBeep))
            m_host.Beep(COutputRouterHost::kBeepMessage);
    }
    if (bTab && ExpandConsoleTabs(pszLine, chunk.strExpanded)) {
        pszLine = chunk.strExpanded.c_str();
        nLength = chunk.strExpanded.size();
    }
    chunk.block.Add(chunk.strPrefix.data(), chunk.strPrefix.size(), pszLine, nLength);
}

// Queues the chunk's console lines; true when there were any (the reader
// then waits while the readers are held).
bool CEmulatorOutputRouter::QueueChunk(SChunkLines& chunk)
{
    if (chunk.block.IsEmpty())
        return false;
    m_pending.Push(std::move(chunk.block), m_host, m_nHoldAt);
    return true;
}

void CEmulatorOutputRouter::PostFieldUpdate(int nField, const std::string& strText)
{
    std::lock_guard<std::mutex> lock(m_statusLock);
    if (m_fields.SetRegister(nField, strText) && !m_host.PostToView(RegisterField(nField).nMessage, 0, 0))
        m_fields.PostFailedRegister(nField);
}

void CEmulatorOutputRouter::PostStatusPartUpdate(int nPart, const std::string& strText)
{
    std::lock_guard<std::mutex> lock(m_statusLock);
    if (m_fields.SetPart(nPart, strText) && !m_host.PostToView(kPartMessage[nPart], 0, 0))
        m_fields.PostFailedPart(nPart);
}

void CEmulatorOutputRouter::SetRunIndicator(bool bRunning)
{
    {
        std::lock_guard<std::mutex> lock(m_cpuLock);
        ++m_cpu.nTotal;
        if (bRunning)
            ++m_cpu.nBusy;
    }
    std::lock_guard<std::mutex> lock(m_statusLock);
    m_bRunning = bRunning;
    if (bRunning == m_bLastPostedRunning)
        return;
    m_bLastPostedRunning = bRunning;
    PostRunLocked();
}

// Under the status lock: WM_RUN_INDICATOR_CHANGED unless one is pending.
void CEmulatorOutputRouter::PostRunLocked()
{
    if (!m_bRunPending && m_host.PostToView(WM_RUN_INDICATOR_CHANGED, m_bRunning, 0))
        m_bRunPending = true;
}

void CEmulatorOutputRouter::SetManualIndicator(bool bManual)
{
    std::lock_guard<std::mutex> lock(m_statusLock);
    m_bManual = bManual;
    m_host.PostToView(WM_MANUAL_INDICATOR_CHANGED, bManual, 0);
    if (!bManual)
        PostRunLocked();
}

void CEmulatorOutputRouter::SetLoadIndicator(bool bLoading, bool bWaiting)
{
    m_host.PostToView(WM_LOAD_INDICATOR_CHANGED, bLoading, bWaiting);
}

void CEmulatorOutputRouter::SetConsoleOptions(const SConsoleLineOptions& options)
{
    std::lock_guard<std::mutex> lock(m_optionsLock);
    m_options = options;
}

void CEmulatorOutputRouter::SetPartVisible(int nPart, bool bVisible)
{
    if (nPart >= 0 && nPart < 3)
        m_bPartVisible[nPart] = bVisible;
}

std::string CEmulatorOutputRouter::TakeRegister(int nField)
{
    std::lock_guard<std::mutex> lock(m_statusLock);
    return m_fields.TakeRegister(nField);
}

std::string CEmulatorOutputRouter::TakePart(int nPart)
{
    std::lock_guard<std::mutex> lock(m_statusLock);
    return m_fields.TakePart(nPart);
}

std::string CEmulatorOutputRouter::PeekPart(int nPart)
{
    std::lock_guard<std::mutex> lock(m_statusLock);
    return m_fields.PeekPart(nPart);
}

bool CEmulatorOutputRouter::ClearRunPending()
{
    std::lock_guard<std::mutex> lock(m_statusLock);
    m_bRunPending = false;
    m_bLastPostedRunning = m_bRunning;
    return m_bRunning;
}

bool CEmulatorOutputRouter::IsRunning()
{
    std::lock_guard<std::mutex> lock(m_statusLock);
    return m_bRunning;
}

bool CEmulatorOutputRouter::IsManual()
{
    std::lock_guard<std::mutex> lock(m_statusLock);
    return m_bManual;
}

unsigned CEmulatorOutputRouter::GetCurrentCpu()
{
    std::lock_guard<std::mutex> lock(m_statusLock);
    return m_nCurrentCpu;
}

void CEmulatorOutputRouter::SelectCpu(unsigned nCpu)
{
    std::lock_guard<std::mutex> lock(m_statusLock);
    m_nCurrentCpu = nCpu;
}

void CEmulatorOutputRouter::ResetSession()
{
    {
        std::lock_guard<std::mutex> lock(m_statusLock);
        m_fields.ClearPending();
        m_bRunPending = false;
        m_bRunning = false;
        m_bLastPostedRunning = false;
        m_bManual = false;
    }
    {
        std::lock_guard<std::mutex> lock(m_cpuLock);
        m_cpu = SCpuSamples();
    }
    ClearMainStorage();
}

void CEmulatorOutputRouter::ResetParts()
{
    std::lock_guard<std::mutex> lock(m_statusLock);
    for (int i = 0; i < kStatusPartCount; ++i)
        m_fields.ResetPart(i, StatusPartPlaceholder(i).str());
}

void CEmulatorOutputRouter::ClearPercentMode()
{
    std::lock_guard<std::mutex> lock(m_cpuLock);
    m_cpu.bPercentMode = false;
}

SCpuSamples CEmulatorOutputRouter::TakeCpuSamples()
{
    std::lock_guard<std::mutex> lock(m_cpuLock);
    SCpuSamples samples = m_cpu;
    m_cpu.nBusy = 0;
    m_cpu.nTotal = 0;
    return samples;
}
