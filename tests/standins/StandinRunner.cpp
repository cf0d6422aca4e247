// StandinRunner.cpp: execution of the common script directives.
#include "tests/standins/StandinRunner.h"

#include <cctype>

#include "tests/standins/StandinText.h"

namespace {

// Floods are written in blocks of about this size (whole lines).
const size_t kFloodBlock = 64 * 1024;

}  // namespace

bool ReadStandinFile(const std::string& strPath, std::string& strContents)
{
    HANDLE h = ::CreateFileA(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    strContents.clear();
    char buffer[16384];
    DWORD nRead = 0;
    bool bOk = true;
    while ((bOk = ::ReadFile(h, buffer, sizeof(buffer), &nRead, nullptr) != FALSE) && nRead > 0)
        strContents.append(buffer, nRead);
    ::CloseHandle(h);
    return bOk;
}

std::string StandinProgramName()
{
    char path[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, n);
    name = name.substr(name.find_last_of("\\/") + 1);
    for (char& c : name)
        c = (char)::toupper((unsigned char)c);
    return name.substr(0, name.rfind('.'));
}

CStandinRunner::CStandinRunner(CStandinOutput& output, const char* pszProgram, bool bEmulator)
    : m_output(output), m_strProgram(pszProgram), m_bEmulator(bEmulator)
{
}

bool CStandinRunner::LoadScript(const std::string& strFile, const std::vector<std::string>& extraLines)
{
    std::string script;
    if (!strFile.empty() && !ReadStandinFile(strFile, script)) {
        m_output.Write(kStreamErr, m_strProgram + ": cannot read script " + strFile + "\n");
        return false;
    }
    for (const std::string& line : extraLines)
        script += "\n" + line;
    std::string error;
    if (!ParseStandinScript(script, m_bEmulator, m_directives, error)) {
        m_output.Write(kStreamErr, m_strProgram + ": script " + error + "\n");
        return false;
    }
    return true;
}

void CStandinRunner::Run(size_t nFirst, size_t nLast)
{
    for (size_t i = nFirst; i < nLast && i < m_directives.size(); ++i)
        RunOne(m_directives[i]);
}

void CStandinRunner::Fail(const SStandinDirective& directive, const std::string& strReason)
{
    m_output.Write(kStreamErr, m_strProgram + ": script line " + std::to_string(directive.nLine) +
                                   ": " + strReason + "\n");
    ::ExitProcess(kStandinScriptFailed);
}

void CStandinRunner::RunOther(const SStandinDirective& directive)
{
    Fail(directive, "directive not available here");
}

void CStandinRunner::RunOne(const SStandinDirective& d)
{
    switch (d.eOp) {
    case kOpWrite:
        if (d.bNewline)
            WriteLine(d.eStream, d.strText);
        else
            m_output.Write(d.eStream, d.strText);
        break;
    case kOpSleep:
        ::Sleep((DWORD)d.anNumbers[0]);
        break;
    case kOpPace:
        m_nPaceMs = (DWORD)d.anNumbers[0];
        break;
    case kOpSeq:
        RunSeq(d);
        break;
    case kOpFlood:
        RunFlood(d);
        break;
    case kOpGarbage:
        m_output.Write(d.eStream, MakeGarbage((size_t)d.anNumbers[0],
                                              d.anNumbers.size() > 1 ? (UINT64)d.anNumbers[1] : 1));
        break;
    case kOpClose:
        m_output.Close(d.eStream);
        break;
    case kOpRc:
        m_nReturnCode = (int)d.anNumbers[0];
        break;
    case kOpExit:
        ::ExitProcess((UINT)d.anNumbers[0]);
        break;
    default:
        RunOther(d);
        break;
    }
}

void CStandinRunner::WriteLine(EStandinStream eStream, const std::string& strText)
{
    m_output.Write(eStream, strText + "\n");
    if (m_nPaceMs)
        ::Sleep(m_nPaceMs);
}

void CStandinRunner::RunSeq(const SStandinDirective& d)
{
    INT64 nFrom = d.anNumbers[0], nTo = d.anNumbers[1], nStep = d.anNumbers[2];
    // Without a pace the whole sequence goes out in blocks, like a flood.
    std::string block;
    const INT64 kMax = 0x7FFFFFFFFFFFFFFFll;
    for (INT64 n = nFrom; nStep > 0 ? n <= nTo : n >= nTo; n += nStep) {
        if (m_nPaceMs) {
            WriteLine(d.eStream, ReplaceNumber(d.strText, n));
        } else {
            block += ReplaceNumber(d.strText, n) + "\n";
            if (block.size() >= kFloodBlock) {
                m_output.Write(d.eStream, block);
                block.clear();
            }
        }
        // The next number would leave the 64-bit range: the sequence is complete.
        if (nStep > 0 ? n > kMax - nStep : n < -kMax - 1 - nStep)
            break;
    }
    m_output.Write(d.eStream, block);
}

void CStandinRunner::RunFlood(const SStandinDirective& d)
{
    UINT64 nLines = d.anNumbers[0] > 0 ? (UINT64)d.anNumbers[0] : 0;
    size_t nLength = d.anNumbers[1] > 0 ? (size_t)d.anNumbers[1] : 0;
    // Without a write size, whole lines in blocks; with one, the same bytes
    // in writes of that size, wherever they cut the lines.
    size_t nWrite = d.anNumbers.size() > 2 && d.anNumbers[2] > 0 ? (size_t)d.anNumbers[2] : 0;
    UINT64 nPerBlock = kFloodBlock / (nLength + 1) + 1;
    std::string block, pending;
    for (UINT64 nFirst = 1; nFirst <= nLines; nFirst += nPerBlock) {
        UINT64 nCount = nLines - nFirst + 1 < nPerBlock ? nLines - nFirst + 1 : nPerBlock;
        block.clear();
        AppendFloodLines(block, nFirst, nCount, nLength);
        if (!nWrite) {
            if (!m_output.Write(d.eStream, block))
                return;
            continue;
        }
        pending += block;
        size_t nPos = 0;
        for (; pending.size() - nPos >= nWrite; nPos += nWrite)
            if (!m_output.Write(d.eStream, pending.substr(nPos, nWrite)))
                return;
        pending.erase(0, nPos);
    }
    m_output.Write(d.eStream, pending);
}
