// EmulatorOutputFuzzer.cpp: what the emulator writes on its standard output
// and standard error, each stream through its own reader's line buffer and
// chunk splitter, in reads of varying size and in any interleaving of the
// two readers; then every line through the view's router
// (CEmulatorOutputRouter) with a host that models the GUI thread's message
// queue: status lines parsed and stored, device lines handed on, every other
// line formatted, classified and queued, with the idle-time flow control.
// Checks that each stream's lines arrive as written and in order, that no
// parsed value reaches past the line or its field's buffer, that a field's
// message is queued at most once and its handler takes the newest text
// (posts failing now and then), that the readers are held exactly while
// the threshold is reached, that the console gets every line nobody
// consumed, formatted, in order (and a line no parser knows is never
// consumed), that message beeps follow the kinds, and that the classifier
// agrees with the whole-line regular expressions that define the kinds.
// The first four bytes choose the read size, how the reads vary, which
// reader gets each chunk (and the flood threshold), and the options.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "config/Limits.h"
#include "platform/TextFunctions.h"
#include "session/ConsoleClassifier.h"
#include "session/DeviceStatusLine.h"
#include "session/EmulatorOutputRouter.h"
#include "session/PipeChunkSplit.h"
#include "session/PipeLineBuffer.h"
#include "session/PrivateMessages.h"
#include "session/RegisterFields.h"
#include "session/StatusFieldStore.h"
#include "session/StatusLineParser.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

enum { kStdout, kStderr, kStreams };

// ---- the message kinds, by their defining regular expressions ------------

const char kIdPrefix[] =
    "((\\d{4}/\\d{2}/\\d{2} )*)((\\d{2}:\\d{2}:\\d{2}\\.\\d{3} )*)((0x[0-9a-fA-F]{8} )*)((.{17} )*)ZQC..\\d{3}";

// The whole-line patterns in the order they are tried.
const std::regex& KindRegex(int i)
{
    static const std::regex patterns[] = {
        std::regex(std::string(kIdPrefix) + "I.*"),
        std::regex(std::string(kIdPrefix) + "D.*"),
        std::regex(std::string(kIdPrefix) + "[ES].*"),
        std::regex(std::string(kIdPrefix) + "W.*"),
    };
    return patterns[i];
}

// The kind by the whole-line patterns, with identifiers looked for only up
// to column kMaxMsgIdColumn: the pattern is matched against the line up to
// the last place such an identifier can end, and the rest must be free of
// line terminators, as ".*" demands.
int ReferenceKind(const char* p, size_t n)
{
    static const int kinds[] = {kMsgInfo, kMsgDebug, kMsgError, kMsgWarning};
    const size_t nHead = std::min(n, (size_t)kMaxMsgIdColumn + 9);
    for (size_t i = nHead; i < n; ++i)
        if (p[i] == '\n' || p[i] == '\r')
            return kMsgPlain;
    for (int i = 0; i < 4; ++i)
        if (std::regex_match(p, p + nHead, KindRegex(i)))
            return kinds[i];
    return kMsgPlain;
}

void CheckClassified(const char* p, size_t n)
{
    const int nKind = ClassifyMessage(p, (int)n);
    const int nReference = ReferenceKind(p, n);
    if (nKind != nReference) {
        std::fprintf(stderr, "kind %d, by the expressions %d, of the %zu bytes: ", nKind, nReference, n);
        for (size_t i = 0; i < n; ++i)
            std::fprintf(stderr, std::isprint((unsigned char)p[i]) ? "%c" : "\\x%02X", (unsigned char)p[i]);
        std::fprintf(stderr, "\n");
    }
    FUZZ_CHECK(nKind == nReference);
}

// ---- reading ---------------------------------------------------------------

// The lines a reader should hand on (as in the progress target): cut at LF,
// an over-long one shortened with the marker, trailing white space removed,
// the text up to an embedded NUL.
std::vector<std::string> ExpectedLines(const std::string& strBytes)
{
    std::vector<std::string> lines;
    std::string line;
    auto add = [&] {
        if (line.size() > (size_t)CPipeLineBuffer::kMaxLine)
            line = line.substr(0, CPipeLineBuffer::kCutLength) + "...(truncated)";
        while (!line.empty() && std::isspace((unsigned char)line.back()))
            line.pop_back();
        lines.push_back(line.c_str());
        line.clear();
    };
    for (char ch : strBytes) {
        if (ch == '\n')
            add();
        else
            line += ch;
    }
    if (!line.empty())
        add();
    return lines;
}

struct SRead {
    int nStream;
    std::string strLine;
};

// One reader per stream, each with its own buffer; chunks go to the stream
// the selector's bits name, in the order the readers would deliver them.
class CReaders {
public:
    CReaders(size_t nReadSize) : m_buffers{CPipeLineBuffer(nReadSize), CPipeLineBuffer(nReadSize)} {}

    void Deliver(int nStream, const uint8_t* p, size_t n)
    {
        CPipeLineBuffer& buffer = m_buffers[nStream];
        m_bytes[nStream].append((const char*)p, n);
        std::memcpy(buffer.ReadTarget(), p, n);
        if (buffer.Accept(n))
            HandOver(nStream);
    }

    void Finish()
    {
        for (int s = 0; s < kStreams; ++s)
            if (m_buffers[s].Finish())
                HandOver(s);
    }

    size_t Capacity() const { return m_buffers[0].ReadCapacity(); }
    const std::vector<SRead>& Lines() const { return m_lines; }
    const std::string& Bytes(int nStream) const { return m_bytes[nStream]; }

private:
    void HandOver(int nStream)
    {
        CPipeLineBuffer& buffer = m_buffers[nStream];
        SplitPipeChunk(buffer.Data(), buffer.Length(),
                       [&](char* psz) { m_lines.push_back({nStream, psz}); });
        buffer.KeepAfterHandOver();
    }

    CPipeLineBuffer m_buffers[kStreams];
    std::string m_bytes[kStreams];
    std::vector<SRead> m_lines;
};

// ---- routing ---------------------------------------------------------------

bool IsPrefixOf(const std::string& strPart, const char* p, size_t n)
{
    return strPart.size() <= n && std::memcmp(strPart.data(), p, strPart.size()) == 0;
}

// Values of a consumed line stay within the line and their buffers.
void CheckParsed(const SStatusLine& r, const char* p, size_t n)
{
    switch (r.eKind) {
    case kStatRegister: {
        FUZZ_CHECK(r.nField >= 0 && r.nField < kRegisterFieldCount);
        const SRegisterField& field = RegisterField(r.nField);
        const size_t nKeyword = std::strlen(field.pszKeyword);
        FUZZ_CHECK(n >= nKeyword && std::memcmp(p, field.pszKeyword, nKeyword) == 0);
        FUZZ_CHECK(r.strText.size() < field.nBufferSize);
        const size_t nSkip = field.bDropPrefix ? 3 : 0;
        FUZZ_CHECK(IsPrefixOf(r.strText, p + nSkip, n - nSkip));
        break;
    }
    case kStatStatus:
        for (int i = 0; i < 3; ++i)
            FUZZ_CHECK(r.strPart[i].size() < kStatusPartSize[i]);
        FUZZ_CHECK(r.strPart[1].size() == 8);
        FUZZ_CHECK(r.strPart[2].compare(0, 10, "instcount=") == 0);
        FUZZ_CHECK(IsPrefixOf(r.strPart[0], p + 7, n - 7));
        FUZZ_CHECK(r.nCpu <= 0xFFFF);
        break;
    case kStatSios:
    case kStatMips:
        FUZZ_CHECK(r.strText.size() < kStatusPartSize[r.eKind == kStatSios ? 4 : 3]);
        FUZZ_CHECK(IsPrefixOf(r.strText, p, n));
        break;
    case kStatCpuPercentOne:
        FUZZ_CHECK(r.nCpu <= 99);
        break;
    case kStatMainSize:
        FUZZ_CHECK(r.ullValue > 1000);
        break;
    case kStatCwd:
    case kStatSpoolerCmd:
        FUZZ_CHECK(r.strText.size() <= n);
        FUZZ_CHECK(r.strText.empty() || (r.strText.front() != ' ' && r.strText.back() != ' '));
        break;
    default:
        break;
    }
}

// A device line's fields are whole and within their widths.
void CheckDeviceLine(const SDeviceStatusLine& d)
{
    if (d.eKind == kDevLineEnd)
        return;
    FUZZ_CHECK(d.eKind == kDevLineEntry);
    FUZZ_CHECK(d.nLcss <= 9);
    FUZZ_CHECK(d.bNewFormat == (d.chAction != 0));
    if (d.chAction == 'D') {
        FUZZ_CHECK(d.wState == kDevStateDeleted && d.strType.empty());
    } else {
        FUZZ_CHECK(d.strType.size() == 4 && d.strClass.size() == 4);
        FUZZ_CHECK((d.wState & 0x0FF0) == 0);
    }
}

const UINT kPartMessages[kStatusPartCount] = {
    WM_STATUSPART0_CHANGED, WM_STATUSPART1_CHANGED, WM_STATUSPART2_CHANGED,
    WM_STATUSPART3_CHANGED, WM_STATUSPART4_CHANGED,
};

// The view as the router sees it, with a model of its message queue: every
// field message may be queued at most once; a post fails while bFailPosts.
class CFuzzHost : public COutputRouterHost {
public:
    bool PostToView(UINT nMessage, UINT_PTR, INT_PTR) override
    {
        if (m_bFailPosts)
            return false;
        if (IsFieldMessage(nMessage) || nMessage == WM_PENDING_LINES || nMessage == WM_RUN_INDICATOR_CHANGED)
            FUZZ_CHECK(m_queued.count(nMessage) == 0);
        m_queued.insert(nMessage);
        return true;
    }
    void PostCpuPercent(unsigned nCpu, int nPercent) override
    {
        FUZZ_CHECK(nCpu < g_nMaxCPUs && nPercent >= 0 && nPercent <= 100);
    }
    void CpuNumberChanged(unsigned nCpu) override { FUZZ_CHECK(nCpu <= 0xFFFF); }
    void DeviceLine(const SDeviceStatusLine& line) override { CheckDeviceLine(line); }
    void MainStorageKnown() override {}
    void SendCommandLine(const SLineSource&, const std::string& strCommand) override
    {
        FUZZ_CHECK(strCommand.find('\n') == std::string::npos);
    }
    void ShellDirReported(const std::string& strDir) override { FUZZ_CHECK(!strDir.empty()); }
    void Beep(EBeep eBeep) override { m_nBeeps += eBeep == kBeepMessage; }
    bool ApplyProgressLine(const SLineSource&, const char*) override { return false; }
    SLocalTime LocalTime() override { return m_time; }
    void SetReadersRunning(bool bRunning) override
    {
        FUZZ_CHECK(bRunning == m_bReadersHeld);
        m_bReadersHeld = !bRunning;
    }

    static bool IsFieldMessage(UINT nMessage)
    {
        for (UINT n : kPartMessages)
            if (n == nMessage)
                return true;
        return nMessage >= RegisterField(0).nMessage && nMessage <= RegisterField(kRegisterFieldCount - 1).nMessage;
    }

    std::set<UINT> m_queued;
    bool m_bFailPosts = false;
    bool m_bReadersHeld = false;
    size_t m_nBeeps = 0;
    SLocalTime m_time;
};

// The stored text of a field is what its newest report said, cut at the
// field's buffer.
struct SNewest {
    std::string strRegister[kRegisterFieldCount];
    std::string strPart[kStatusPartCount];
    bool bRegisterSet[kRegisterFieldCount] = {};
    bool bPartSet[kStatusPartCount] = {};

    void Note(const SStatusLine& r, const bool bPartVisible[3])
    {
        if (r.eKind == kStatRegister) {
            strRegister[r.nField] = r.strText.substr(0, RegisterField(r.nField).nBufferSize - 1);
            bRegisterSet[r.nField] = true;
        } else if (r.eKind == kStatStatus) {
            for (int i = 0; i < 3; ++i)
                if (bPartVisible[i])
                    SetPart(i, r.strPart[i]);
        } else if (r.eKind == kStatMips || r.eKind == kStatSios) {
            SetPart(r.eKind == kStatMips ? 3 : 4, r.strText);
        }
    }
    void SetPart(int i, const std::string& str)
    {
        strPart[i] = str.substr(0, kStatusPartSize[i] - 1);
        bPartSet[i] = true;
    }
};

// The GUI thread: the queued field messages are handled (each takes the
// newest text), the console lines taken, and the idle-time flow control run.
class CGuiSide {
public:
    CGuiSide(CFuzzHost& host, CEmulatorOutputRouter& router, size_t nThreshold)
        : m_host(host), m_router(router), m_nThreshold(nThreshold) {}

    void Dispatch(const SNewest& newest)
    {
        for (int i = 0; i < kRegisterFieldCount; ++i)
            if (m_host.m_queued.erase(RegisterField(i).nMessage)) {
                FUZZ_CHECK(newest.bRegisterSet[i]);
                FUZZ_CHECK(m_router.TakeRegister(i) == newest.strRegister[i]);
            }
        for (int i = 0; i < kStatusPartCount; ++i)
            if (m_host.m_queued.erase(kPartMessages[i])) {
                FUZZ_CHECK(newest.bPartSet[i]);
                FUZZ_CHECK(m_router.TakePart(i) == newest.strPart[i]);
            }
        if (m_host.m_queued.erase(WM_RUN_INDICATOR_CHANGED))
            m_router.ClearRunPending();
        m_host.m_queued.erase(WM_MANUAL_INDICATOR_CHANGED);
        m_host.m_queued.erase(WM_LOAD_INDICATOR_CHANGED);
        if (m_host.m_queued.erase(WM_PENDING_LINES))
            TakeLines();
        Idle();
    }

    void Idle()
    {
        m_router.OnIdleFlowControl(m_nThreshold);
        FUZZ_CHECK(m_host.m_bReadersHeld == (m_router.Pending().Count() >= m_nThreshold));
        FUZZ_CHECK(m_router.Pending().IsPaused() == m_host.m_bReadersHeld);
    }

    void TakeLines()
    {
        const CConsoleBlock lines = m_router.TakePendingLines();
        for (size_t i = 0; i < lines.GetCount(); ++i)
            m_console.push_back(lines.Line(i));
    }

    std::vector<std::string> m_console;

private:
    CFuzzHost& m_host;
    CEmulatorOutputRouter& m_router;
    size_t m_nThreshold;
};

// False when no parser may take the line: a status line begins with one of
// the keywords' first characters; the emulator's standard output carries
// only "MAN=", "LOAD=" and "]SPLRCMD=".
bool MayBeConsumed(int nStream, const std::string& strLine)
{
    if (nStream == kStderr)
        return !strLine.empty() && std::strchr("SCD6VGAFMPL]", strLine[0]);
    for (const char* pszKeyword : {"MAN=", "LOAD=", "]SPLRCMD="})
        if (strLine.compare(0, std::strlen(pszKeyword), pszKeyword) == 0)
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    const size_t nReadSize = 1 + (size_t)data[0] * 16;
    const unsigned nVary = data[1];
    const unsigned nMix = data[2];
    const unsigned nOptions = data[3];
    data += 4;
    size -= 4;
    // Any bytes at all, NULs included, as one line for the classifier.
    CheckClassified((const char*)data, std::min<size_t>(size, 600));

    CReaders readers(nReadSize);
    size_t nPos = 0;
    for (unsigned i = 1; nPos < size; i++) {
        const size_t nWanted = nVary ? 1 + (i * nVary) % readers.Capacity() : readers.Capacity();
        const size_t n = std::min(nWanted, size - nPos);
        readers.Deliver((nMix >> (i % 8)) & 1, data + nPos, n);
        nPos += n;
    }
    readers.Finish();
    std::vector<std::string> perStream[kStreams];
    for (const SRead& read : readers.Lines())
        perStream[read.nStream].push_back(read.strLine);
    for (int s = 0; s < kStreams; ++s)
        FUZZ_CHECK(perStream[s] == ExpectedLines(readers.Bytes(s)));

    // The option bits: beeps, process id, dates, times, aggregate statistics,
    // part 2 visible; the mix byte also sets the flood threshold.
    CFuzzHost host;
    host.m_time = {2026, 12, 7, 10, 11, 12, 345};
    CEmulatorOutputRouter router(host);
    SConsoleLineOptions options;
    options.bErrorBeep = nOptions & 1;
    options.bWarnBeep = nOptions & 2;
    options.bPidAlways = nOptions & 4;
    options.bDates = nOptions & 8;
    options.bTimes = nOptions & 16;
    router.SetConsoleOptions(options);
    router.SetAggregateStats(nOptions & 32);
    const bool bPartVisible[3] = {true, true, (nOptions & 64) != 0};
    router.SetPartVisible(2, bPartVisible[2]);
    const size_t nThreshold = 1 + nMix % 13;
    if (nOptions & 128)
        router.SetFloodThreshold(nThreshold);
    CGuiSide gui(host, router, nThreshold);

    SLineSource sources[kStreams];
    sources[kStdout].nStream = CEmulatorOutputRouter::kStdout;
    sources[kStderr].nStream = CEmulatorOutputRouter::kStderr;
    sources[kStdout].strPidText = sources[kStderr].strPidText = "0x00001234";
    SNewest newest;
    std::vector<std::string> expectedConsole;
    size_t nExpectedBeeps = 0, nLine = 0;
    for (const SRead& read : readers.Lines()) {
        const char* p = read.strLine.c_str();
        const size_t n = read.strLine.size();
        const SStatusLine r = read.nStream == kStderr ? ParseStatusLine(p, n) : ParseStdoutLine(p, n);
        CheckParsed(r, p, n);
        newest.Note(r, bPartVisible);
        const bool bQueued = router.RouteLine(sources[read.nStream], p);
        // Held by the reader itself once the queue reaches the threshold.
        if (nOptions & 128)
            FUZZ_CHECK(router.Pending().Count() < nThreshold || host.m_bReadersHeld);
        FUZZ_CHECK(bQueued == (n == 0 || r.eKind == kStatNone));
        FUZZ_CHECK(bQueued || MayBeConsumed(read.nStream, read.strLine));
        if (bQueued) {
            const CString strShown = ExpandTabs(p, 8);
            FUZZ_CHECK(strShown.Find('\t') < 0 && strShown.GetLength() >= (int)n);
            const int nKind = ClassifyMessage(p, (int)n);
            CheckClassified(p, n);
            CheckClassified(strShown.GetString(), (size_t)strShown.GetLength());
            nExpectedBeeps += (nKind == kMsgError && options.bErrorBeep) || (nKind == kMsgWarning && options.bWarnBeep);
            expectedConsole.push_back(FormatConsoleLine(p, options, "0x00001234", false, host.m_time));
        }
        // Posts fail now and then (no window); the GUI thread runs between
        // bursts of lines of the mix byte's length.
        host.m_bFailPosts = (nLine % 11) == (nOptions >> 7) * 5;
        if (++nLine % (1 + nMix % 7) == 0)
            gui.Dispatch(newest);
    }
    host.m_bFailPosts = false;
    gui.Dispatch(newest);
    gui.TakeLines();
    FUZZ_CHECK(gui.m_console == expectedConsole);
    FUZZ_CHECK(host.m_nBeeps == nExpectedBeeps);
    return 0;
}
