// EmulatorStandin.cpp: the emulator stand-in's threads, storage and record.
#include "tests/standins/EmulatorStandin.h"

#include <algorithm>
#include <cstdio>
#include <thread>

#include "tests/standins/EmulatorCopy.h"
#include "tests/standins/StandinText.h"

namespace {

// The exit code when --lifetime runs out.
const UINT kLifetimeExpired = 124;

void WriteAll(HANDLE h, const std::string& strBytes)
{
    DWORD nWritten = 0;
    if (h != INVALID_HANDLE_VALUE)
        ::WriteFile(h, strBytes.data(), (DWORD)strBytes.size(), &nWritten, nullptr);
}

HANDLE CreateShared(const std::string& strPath)
{
    return ::CreateFileA(strPath.c_str(), GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

CEmulatorStandin::CEmulatorStandin(CStandinOutput& output, const SStandinOptions& options, bool bProgramScript)
    : CStandinRunner(output, "vornemu", true), m_options(options), m_bProgramScript(bProgramScript)
{
    SetReturnCode(options.nReturnCode);
}

int CEmulatorStandin::Main(const std::string& strCommandLine)
{
    m_model.SetDeviceReports(m_options.bDevReports);
    std::string config;
    int nDevices = 0;
    if (!m_options.strConfigFile.empty() && ReadStandinFile(m_options.strConfigFile, config))
        nDevices = m_model.LoadConfigDevices(config);
    std::vector<std::string> lines = m_options.doLines;
    if (m_bProgramScript)
        lines.push_back(EmulatorProgramScript(m_options.strConfigFile, nDevices));
    if (!LoadScript(m_options.strScriptFile, lines))
        return kStandinScriptFailed;
    if (!AllocateStorage()) {
        m_output.Write(kStreamErr, "vornemu: no main storage\n");
        return kStandinScriptFailed;
    }
    OpenRecord(strCommandLine);
    if (m_options.nLifetimeMs) {
        DWORD nMs = m_options.nLifetimeMs;
        std::thread([nMs] { ::Sleep(nMs); ::ExitProcess(kLifetimeExpired); }).detach();
    }

    // The set-up directives at the top run before the start-up device list,
    // and before any command is read: "ignore-exit" must already hold for
    // an "exit" that arrives at once.
    const std::vector<SStandinDirective>& script = Directives();
    size_t nSetup = 0;
    while (nSetup < script.size() && IsStandinSetupDirective(script[nSetup]))
        ++nSetup;
    Run(0, nSetup);
    std::thread([this] { ReaderLoop(); }).detach();
    if (m_options.bDevList)
        ModelCall([](CEmulatorModel& m, CEmuLines& out) { m.DeviceList(out); return true; });
    RunReportingDevices(nSetup, script.size());

    std::unique_lock<std::mutex> lock(m_stateLock);
    m_stateChanged.wait(lock, [this] { return m_bShutdown || m_bEndOfInput; });
    return ReturnCode();
}

// Main storage lies at or above 512 MB where the address space has room.
// Wine keeps the space below that reserved for itself: memory released
// there stays mapped without access, and another process still reads it
// (as zeros). Released above it, memory is gone, as it is on Windows, and
// reading it from outside fails. (Wine reports that space as reserved, not
// free, so the places are tried rather than looked up.)
bool CEmulatorStandin::AllocateStorage()
{
    size_t nSize = (size_t)(m_options.nStorageKB * 1024);
    for (DWORD_PTR nBase = 0x20000000; !m_pStorage && nBase < 0x80000000; nBase += 0x10000000)
        m_pStorage = (BYTE*)::VirtualAlloc((void*)nBase, nSize, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (!m_pStorage)
        m_pStorage = (BYTE*)::VirtualAlloc(nullptr, nSize, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (!m_pStorage)
        return false;
    FillStandinStorage(m_pStorage, nSize, 0);
    m_model.SetStorage((UINT64)(DWORD_PTR)m_pStorage, nSize);
    return true;
}

// A run of device directives is one moment of the emulator's: its changes
// go out in one report once the run ends.
void CEmulatorStandin::RunReportingDevices(size_t nFirst, size_t nLast)
{
    auto isDeviceChange = [](const SStandinDirective& d) {
        return d.eOp == kOpDevice || d.eOp == kOpDevFlags || d.eOp == kOpDetach;
    };
    const std::vector<SStandinDirective>& script = Directives();
    for (size_t i = nFirst; i < nLast; ++i) {
        Run(i, i + 1);
        if (isDeviceChange(script[i]) && (i + 1 == nLast || !isDeviceChange(script[i + 1])))
            ModelCall([](CEmulatorModel& m, CEmuLines& out) { m.ReportDeviceChanges(out); return true; });
    }
}

void CEmulatorStandin::OpenRecord(const std::string& strCommandLine)
{
    std::string path = m_options.strRecordFile;
    if (path.empty()) {
        char buffer[MAX_PATH];
        DWORD n = ::GetEnvironmentVariableA("VORNEMU_RECORD", buffer, sizeof(buffer));
        if (n > 0 && n < sizeof(buffer))
            path = buffer;
    }
    if (path.empty())
        return;
    m_hRecord = CreateShared(path);
    m_hRecordTimes = CreateShared(path + ".times");
    HANDLE hCommandLine = CreateShared(path + ".cmdline");
    WriteAll(hCommandLine, strCommandLine + "\n");
    if (hCommandLine != INVALID_HANDLE_VALUE)
        ::CloseHandle(hCommandLine);
}

void CEmulatorStandin::ReaderLoop()
{
    HANDLE hIn = ::GetStdHandle(STD_INPUT_HANDLE);
    std::string pending;
    char buffer[4096];
    DWORD nRead = 0;
    while (hIn != nullptr && hIn != INVALID_HANDLE_VALUE &&
           ::ReadFile(hIn, buffer, sizeof(buffer), &nRead, nullptr) && nRead > 0) {
        pending.append(buffer, nRead);
        for (size_t end; (end = pending.find('\n')) != std::string::npos;) {
            std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            OnCommandLine(line);
        }
    }
    if (!pending.empty())
        OnCommandLine(pending);
    std::lock_guard<std::mutex> guard(m_stateLock);
    m_bEndOfInput = true;
    m_stateChanged.notify_all();
}

void CEmulatorStandin::OnCommandLine(const std::string& strLine)
{
    WriteAll(m_hRecord, strLine + "\n");
    WriteAll(m_hRecordTimes, std::to_string(::GetTickCount()) + " " + strLine + "\n");
    CEmuLines out;
    CEmulatorModel::ECommandResult result;
    {
        std::lock_guard<std::mutex> guard(m_modelLock);
        result = m_model.HandleCommand(strLine, out);
    }
    if (strLine.compare(0, 5, "peek ") == 0)
        out.push_back({ kStreamOut, PeekStorage(strLine.substr(5)) });
    if (strLine.compare(0, 5, "poke ") == 0)
        out.push_back({ kStreamOut, PokeStorage(strLine.substr(5)) ? "POKE=OK" : "POKE=?" });
    if (strLine == "release-storage") {
        ReleaseStorage();
        out.push_back({ kStreamOut, "RELEASE=OK" });
    }
    WriteLines(out);
    std::lock_guard<std::mutex> guard(m_stateLock);
    m_received.push_back(strLine);
    if (result == CEmulatorModel::kCommandShutdown && !m_bIgnoreExit)
        m_bShutdown = true;
    m_stateChanged.notify_all();
}

// "peek OFFSET LEN": "PEEK=" and the bytes in hexadecimal; "PEEK=?" for a
// range outside main storage or bad numbers.
std::string CEmulatorStandin::PeekStorage(const std::string& strArgs) const
{
    unsigned long long nOffset = 0, nLength = 0;
    UINT64 nSize = m_options.nStorageKB * 1024;
    std::lock_guard<std::mutex> guard(m_storageLock);
    if (!m_pStorage || sscanf(strArgs.c_str(), "%llu %llu", &nOffset, &nLength) != 2 || nOffset > nSize ||
        nLength > nSize - nOffset)
        return "PEEK=?";
    std::string str = "PEEK=";
    static const char kHex[] = "0123456789ABCDEF";
    for (unsigned long long i = 0; i < nLength; ++i) {
        BYTE b = m_pStorage[nOffset + i];
        str += kHex[b >> 4];
        str += kHex[b & 15];
    }
    return str;
}

bool CEmulatorStandin::PokeStorage(const std::string& strArgs)
{
    UINT64 nOffset = 0, nSize = m_options.nStorageKB * 1024;
    std::string bytes;
    std::lock_guard<std::mutex> guard(m_storageLock);
    if (!m_pStorage || !ParsePokeArgs(strArgs, nOffset, bytes) || nOffset > nSize || bytes.size() > nSize - nOffset)
        return false;
    std::copy(bytes.begin(), bytes.end(), m_pStorage + nOffset);
    return true;
}

void CEmulatorStandin::ReleaseStorage()
{
    std::lock_guard<std::mutex> guard(m_storageLock);
    if (m_pStorage)
        ::VirtualFree(m_pStorage, 0, MEM_RELEASE);
    m_pStorage = nullptr;
}

void CEmulatorStandin::WriteLines(const CEmuLines& lines)
{
    // Consecutive lines of one stream go out in one write: a device list
    // arrives as one block, as the emulator writes it.
    for (size_t i = 0; i < lines.size();) {
        std::string block;
        EStandinStream eStream = lines[i].eStream;
        for (; i < lines.size() && lines[i].eStream == eStream; ++i)
            block += lines[i].strText + "\n";
        m_output.Write(eStream, block);
    }
}

template <class F> bool CEmulatorStandin::ModelCall(F call)
{
    CEmuLines out;
    bool bOk;
    {
        std::lock_guard<std::mutex> guard(m_modelLock);
        bOk = call(m_model, out);
    }
    WriteLines(out);
    return bOk;
}

void CEmulatorStandin::WaitStdin(const std::string& strPrefix)
{
    std::unique_lock<std::mutex> lock(m_stateLock);
    m_stateChanged.wait(lock, [&] {
        for (size_t i = m_nWaitIndex; i < m_received.size(); ++i) {
            if (m_received[i].compare(0, strPrefix.size(), strPrefix) == 0) {
                m_nWaitIndex = i + 1;
                return true;
            }
        }
        return m_bEndOfInput;
    });
}

void CEmulatorStandin::SetInterval(DWORD nMs)
{
    std::lock_guard<std::mutex> guard(m_stateLock);
    m_nIntervalMs = nMs;
    if (nMs && !m_bIntervalThread) {
        m_bIntervalThread = true;
        std::thread([this] { IntervalLoop(); }).detach();
    }
    m_stateChanged.notify_all();
}

void CEmulatorStandin::IntervalLoop()
{
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(m_stateLock);
            DWORD nMs = m_nIntervalMs;
            if (nMs == 0)
                m_stateChanged.wait(lock, [this] { return m_nIntervalMs != 0; });
            else
                m_stateChanged.wait_for(lock, std::chrono::milliseconds(nMs));
            if (m_nIntervalMs == 0)
                continue;
        }
        ModelCall([](CEmulatorModel& m, CEmuLines& out) { m.StatusRound(out); return true; });
    }
}

void CEmulatorStandin::RunOther(const SStandinDirective& d)
{
    const std::string& text = d.strText;
    bool bOk = true;
    switch (d.eOp) {
    case kOpWaitStdin:
        WaitStdin(text);
        break;
    case kOpIgnoreExit: {
        std::lock_guard<std::mutex> guard(m_stateLock);
        m_bIgnoreExit = true;
        break;
    }
    case kOpDevList:
        ModelCall([](CEmulatorModel& m, CEmuLines& out) { m.DeviceList(out); return true; });
        break;
    case kOpDevice:
        bOk = ModelCall([&](CEmulatorModel& m, CEmuLines&) { return m.AttachDevice(text); });
        break;
    case kOpDevFlags:
        bOk = ModelCall([&](CEmulatorModel& m, CEmuLines&) { return m.SetDeviceFlags(text); });
        break;
    case kOpDetach:
        bOk = ModelCall([&](CEmulatorModel& m, CEmuLines&) { return m.DetachDevice(text); });
        break;
    case kOpStatus:
        ModelCall([](CEmulatorModel& m, CEmuLines& out) { m.StatusRound(out); return true; });
        break;
    case kOpInterval:
        SetInterval((DWORD)d.anNumbers[0]);
        break;
    case kOpSet:
        bOk = ModelCall([&](CEmulatorModel& m, CEmuLines&) { return m.Set(text); });
        break;
    case kOpPoke:
        bOk = PokeStorage(std::to_string(d.anNumbers[0]) + " " + text);
        break;
    default:
        CStandinRunner::RunOther(d);
        break;
    }
    if (!bOk)
        Fail(d, "cannot " + text);
}
