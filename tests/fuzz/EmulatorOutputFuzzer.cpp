// EmulatorOutputFuzzer.cpp: what the emulator writes on its standard output
// and standard error, each stream through its own reader's line buffer and
// chunk splitter, in reads of varying size and in any interleaving of the
// two readers; then every line routed as the view routes it: status lines
// parsed, their fields stored (at most one message pending per field),
// device lines collected into lists, every other line expanded and
// classified for the console queue.
// Checks that each stream's lines arrive as written and in order, that no
// parsed value reaches past the line or its field's buffer, that a field's
// message is asked for only when none is pending and its handler then
// takes the newest text, that lines no parser knows reach the console, and
// that the classifier agrees with the whole-line regular
// expressions that define the message kinds.
// The first three bytes choose the read size, how the reads vary and which
// reader gets each chunk.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "platform/TextFunctions.h"
#include "session/ConsoleClassifier.h"
#include "session/DeviceStatusLine.h"
#include "session/PipeChunkSplit.h"
#include "session/PipeLineBuffer.h"
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

// The device lists as the view collects them: entries keyed by device, an
// end line hands the list over and starts a new one.
struct SDeviceLists {
    std::map<DWORD, SDeviceStatusLine> building;
    size_t nHandedOver = 0;

    void Take(const SDeviceStatusLine& d)
    {
        if (d.eKind == kDevLineEnd) {
            building.clear();
            ++nHandedOver;
            return;
        }
        FUZZ_CHECK(d.eKind == kDevLineEntry);
        FUZZ_CHECK(d.nLcss <= 9);
        FUZZ_CHECK(d.bNewFormat == (d.chAction != 0));
        if (d.chAction == 'D') {
            FUZZ_CHECK(d.wState == kDevStateDeleted && d.strType.empty());
        } else {
            FUZZ_CHECK(d.strType.size() == 4 && d.strClass.size() == 4);
            FUZZ_CHECK((d.wState & 0x0FF0) == 0);
        }
        building[DeviceKey(d)] = d;
    }
};

// The status fields with a model of the messages in the GUI queue.
class CFieldModel {
public:
    void SetRegister(int nField, const std::string& strText)
    {
        const bool bPost = m_store.SetRegister(nField, strText);
        FUZZ_CHECK(bPost == !m_bRegQueued[nField]);
        m_strRegNewest[nField] = strText.substr(0, RegisterField(nField).nBufferSize - 1);
        m_bRegQueued[nField] = m_bRegQueued[nField] || bPost;
    }

    void SetPart(int nPart, const std::string& strText)
    {
        const bool bPost = m_store.SetPart(nPart, strText);
        FUZZ_CHECK(!bPost || !m_bPartQueued[nPart]);
        m_strPartNewest[nPart] = strText.substr(0, kStatusPartSize[nPart] - 1);
        m_bPartQueued[nPart] = m_bPartQueued[nPart] || bPost;
    }

    // The GUI thread handles every queued message; a failed post (bFail)
    // leaves the field to be posted by the next report.
    void Dispatch(bool bFail)
    {
        for (int i = 0; i < kRegisterFieldCount; ++i) {
            if (!m_bRegQueued[i])
                continue;
            m_bRegQueued[i] = false;
            if (bFail) {
                m_store.PostFailedRegister(i);
                continue;
            }
            FUZZ_CHECK(m_store.TakeRegister(i) == m_strRegNewest[i]);
            FUZZ_CHECK(!m_store.RegisterPending(i));
        }
        for (int i = 0; i < kStatusPartCount; ++i) {
            if (!m_bPartQueued[i])
                continue;
            m_bPartQueued[i] = false;
            if (bFail) {
                m_store.PostFailedPart(i);
                continue;
            }
            FUZZ_CHECK(m_store.TakePart(i) == m_strPartNewest[i]);
        }
    }

private:
    CStatusFieldStore m_store;
    bool m_bRegQueued[kRegisterFieldCount] = {};
    bool m_bPartQueued[kStatusPartCount] = {};
    std::string m_strRegNewest[kRegisterFieldCount];
    std::string m_strPartNewest[kStatusPartCount];
};

struct SRouter {
    CFieldModel fields;
    SDeviceLists devices;
    std::vector<std::string> console;

    void Route(int nStream, const std::string& strLine)
    {
        const char* p = strLine.c_str();
        const size_t n = strLine.size();
        const SStatusLine r = nStream == kStderr ? ParseStatusLine(p, n) : ParseStdoutLine(p, n);
        CheckParsed(r, p, n);
        switch (r.eKind) {
        case kStatNone: {
            const CString strShown = ExpandTabs(p, 8);
            FUZZ_CHECK(strShown.Find('\t') < 0 && strShown.GetLength() >= (int)n);
            CheckClassified(strShown.GetString(), (size_t)strShown.GetLength());
            console.push_back(strShown.str());
            return;
        }
        case kStatRegister: fields.SetRegister(r.nField, r.strText); break;
        case kStatStatus:
            for (int i = 0; i < 3; ++i)
                fields.SetPart(i, r.strPart[i]);
            break;
        case kStatMips: fields.SetPart(3, r.strText); break;
        case kStatSios: fields.SetPart(4, r.strText); break;
        case kStatDevice: devices.Take(r.device); break;
        default: break;
        }
    }
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
    if (size < 3)
        return 0;
    const size_t nReadSize = 1 + (size_t)data[0] * 16;
    const unsigned nVary = data[1];
    const unsigned nMix = data[2];
    data += 3;
    size -= 3;
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

    SRouter router;
    std::vector<std::string> perStream[kStreams];
    size_t nLine = 0;
    for (const SRead& read : readers.Lines()) {
        perStream[read.nStream].push_back(read.strLine);
        const size_t nBefore = router.console.size();
        router.Route(read.nStream, read.strLine);
        if (!MayBeConsumed(read.nStream, read.strLine)) {
            FUZZ_CHECK(router.console.size() == nBefore + 1);
            FUZZ_CHECK(router.console.back() == ExpandTabs(read.strLine.c_str(), 8).str());
        }
        if (++nLine % (1 + nMix % 7) == 0)
            router.fields.Dispatch(nLine % 5 == 0);
    }
    router.fields.Dispatch(false);
    for (int s = 0; s < kStreams; ++s)
        FUZZ_CHECK(perStream[s] == ExpectedLines(readers.Bytes(s)));
    return 0;
}
