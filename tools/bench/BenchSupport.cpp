// BenchSupport.cpp: the helpers that the benchmarks share (BenchSupport.h).
#include "BenchSupport.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "resource.h"

namespace bench {

const SBenchBar kBenchBars[14] = {
    {IDW_DEVLIST_BAR, ID_VIEW_DEVLIST_BAR, "Device List"},
    {IDW_STATUSLINE_BAR, ID_VIEW_STATUSLINE_BAR, "System Status"},
    {IDW_CONTROLS_BAR, ID_VIEW_CONTROLS_BAR, "Control Panel"},
    {IDW_CMDLINE_BAR, ID_VIEW_CMDLINE_BAR, "Command Line"},
    {IDW_GREGS_BAR, ID_VIEW_GREGS_BAR, "32-bit General Registers"},
    {IDW_CREGS_BAR, ID_VIEW_CREGS_BAR, "32-bit Control Registers"},
    {IDW_AREGS_BAR, ID_VIEW_AREGS_BAR, "32-bit Access Registers"},
    {IDW_FREGS_BAR, ID_VIEW_FREGS_BAR, "32-bit Floating Point Registers"},
    {IDW_GREGS64_BAR, ID_VIEW_GREGS64_BAR, "64-bit General Registers"},
    {IDW_CREGS64_BAR, ID_VIEW_CREGS64_BAR, "64-bit Control Registers"},
    {IDW_FREGS64_BAR, ID_VIEW_FREGS64_BAR, "64-bit Floating Point Registers"},
    {IDW_VREGS_BAR, ID_VIEW_VREGS_BAR, "Vector Registers"},
    {IDW_STORAGE_BAR, ID_VIEW_STORAGE_BAR, "Display/Alter Storage"},
    {IDW_CPUPCT_BAR, ID_VIEW_CPUPCT_BAR, "Percent Utilization"},
};

double Now()
{
    LARGE_INTEGER f, c;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&c);
    return (double)c.QuadPart / (double)f.QuadPart;
}

std::string ProgramDir()
{
    char path[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of('\\') + 1);
}

std::string MakeWorkDir(const char* pszName)
{
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    char szDir[MAX_PATH];
    std::snprintf(szDir, sizeof szDir, "%s%s.%lu\\", szTemp, pszName, ::GetCurrentProcessId());
    ::CreateDirectoryA(szDir, nullptr);
    return szDir;
}

bool WriteText(const std::string& strPath, const std::string& strText)
{
    HANDLE h = ::CreateFileA(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD n = 0;
    bool bOk = ::WriteFile(h, strText.data(), (DWORD)strText.size(), &n, nullptr) && n == strText.size();
    ::CloseHandle(h);
    return bOk;
}

void RemoveTree(const std::string& strDir)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = ::FindFirstFileA((strDir + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string name = fd.cFileName;
            if (name == "." || name == "..")
                continue;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(strDir + name + "\\");
            else
                ::DeleteFileA((strDir + name).c_str());
        } while (::FindNextFileA(h, &fd));
        ::FindClose(h);
    }
    ::RemoveDirectoryA(strDir.c_str());
}

std::string WriteProgramIni(const std::string& strDir, const std::string& strLogDir, const std::string& strMore,
                            bool bStayAfterPowerOff)
{
    std::string strIni = strDir + "VornGUI.ini";
    WriteText(strIni, "[ExecutablesFilesDirectories]\r\nNumEntries=1\r\n1=" + ProgramDir() +
                          "\r\n[ConfigurationFilesDirectories]\r\nNumEntries=1\r\n1=" + strDir +
                          "\r\n[LogFilesDirectories]\r\nNumEntries=1\r\n1=" + strLogDir +
                          "\r\n[Options]\r\nPowerOff=" + (bStayAfterPowerOff ? "0" : "1") + "\r\n" + strMore);
    return strIni;
}

// Consecutive numbers from 0100 (a terminal range starts a channel of its
// own): a fortieth each of readers, punches, printers and consoles, a
// quarter disks, a tenth tapes, a twentieth adapters, the rest terminals.
std::string DeviceStatements(int nDevices, std::vector<int>* pDevnums)
{
    struct SClass {
        int nPerMille;
        const char* pszFormat;  // the statement of one device, given its number twice
    };
    static const SClass kClasses[] = {
        {25, "%04X 3505 cards%04X.txt ascii"}, {25, "%04X 3525 punch%04X.txt ascii"},
        {25, "%04X 1403 print%04X.txt"},       {25, "%04X 3215"},
        {250, "%04X 3390 disk%04X.cckd"},      {100, "%04X 3420 *"},
        {50, "%04X CTCI 192.168.200.1 192.168.200.2"},
    };
    std::string s;
    char szLine[128];
    int nDevnum = 0x0100, nLeft = nDevices;
    for (const SClass& c : kClasses) {
        for (int i = 0; i < nDevices * c.nPerMille / 1000 && nLeft > 0; ++i, --nLeft, ++nDevnum) {
            std::snprintf(szLine, sizeof szLine, c.pszFormat, nDevnum, nDevnum);
            s += std::string(szLine) + "\r\n";
            if (pDevnums)
                pDevnums->push_back(nDevnum);
        }
    }
    for (nDevnum = (nDevnum + 0xFF) & ~0xFF; nLeft > 0; nDevnum += 0x100) {
        int nRange = nLeft < 250 ? nLeft : 250;
        std::snprintf(szLine, sizeof szLine, nRange > 1 ? "%04X.%d 3270" : "%04X 3270", nDevnum, nRange);
        s += std::string(szLine) + "\r\n";
        for (int i = 0; i < nRange && pDevnums; ++i)
            pDevnums->push_back(nDevnum + i);
        nLeft -= nRange;
    }
    return s;
}

bool SChild::Start(const std::string& strCommand, const std::string& strDir)
{
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    std::string cmd = strCommand;
    tLaunch = Now();
    if (!::CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, strDir.c_str(), &si, &pi)) {
        std::printf("could not start %s (error %lu)\n", strCommand.c_str(), ::GetLastError());
        pi = {};
        return false;
    }
    return true;
}

void SChild::Close(HWND hMain, DWORD nWaitMs)
{
    if (!pi.hProcess)
        return;
    if (hMain)
        ::PostMessageA(hMain, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(pi.hProcess, nWaitMs) != WAIT_OBJECT_0) {
        std::printf("  (the program did not end by itself: terminated)\n");
        ::TerminateProcess(pi.hProcess, 1);
        ::WaitForSingleObject(pi.hProcess, 10000);
    }
}

SChild::~SChild()
{
    if (!pi.hProcess)
        return;
    if (::WaitForSingleObject(pi.hProcess, 0) != WAIT_OBJECT_0) {
        ::TerminateProcess(pi.hProcess, 1);
        ::WaitForSingleObject(pi.hProcess, 10000);
    }
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
}

namespace {

// A window of that id among the children of hWnd or theirs.
bool HoldsControl(HWND hWnd, int nChildId)
{
    if (::GetDlgItem(hWnd, nChildId))
        return true;
    for (HWND h = ::GetWindow(hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        if (::GetDlgItem(h, nChildId))
            return true;
    return false;
}

struct SFindTop {
    DWORD dwPid;
    const char* pszClass;
    int nChildId;
    HWND hWnd;
};

BOOL CALLBACK FindTopProc(HWND h, LPARAM lp)
{
    SFindTop* p = (SFindTop*)lp;
    DWORD dwPid = 0;
    char szClass[64] = {};
    ::GetWindowThreadProcessId(h, &dwPid);
    if (dwPid != p->dwPid)
        return TRUE;
    ::GetClassNameA(h, szClass, sizeof szClass);
    if (std::strcmp(szClass, p->pszClass) != 0 || (p->nChildId && !HoldsControl(h, p->nChildId)))
        return TRUE;
    p->hWnd = h;
    return FALSE;
}

struct SFindChild {
    int nId;
    bool bShown;
    HWND h;
};

BOOL CALLBACK FindChildProc(HWND h, LPARAM lp)
{
    SFindChild* p = (SFindChild*)lp;
    if (::GetDlgCtrlID(h) != p->nId || (p->bShown && !::IsWindowVisible(h)))
        return TRUE;
    p->h = h;
    return FALSE;
}

}  // namespace

HWND FindTopWindow(DWORD dwPid, const char* pszClass, int nChildId)
{
    SFindTop find = {dwPid, pszClass, nChildId, nullptr};
    ::EnumWindows(FindTopProc, (LPARAM)&find);
    return find.hWnd;
}

HWND FindChildById(HWND hParent, int nId, bool bShown)
{
    SFindChild find = {nId, bShown, nullptr};
    ::EnumChildWindows(hParent, FindChildProc, (LPARAM)&find);
    return find.h;
}

void ShowEveryBar(HWND hMain)
{
    for (const SBenchBar& bar : kBenchBars) {
        HWND h = FindChildById(hMain, bar.nBarId);
        if (!h || !::IsWindowVisible(h))
            ::PostMessageA(hMain, WM_COMMAND, bar.nViewCmd, 0);
    }
}

bool EveryBarShown(HWND hMain)
{
    for (const SBenchBar& bar : kBenchBars) {
        HWND h = FindChildById(hMain, bar.nBarId);
        if (!h || !::IsWindowVisible(h))
            return false;
    }
    return true;
}

bool WaitFor(const SChild& child, double fSeconds, const std::function<bool()>& done)
{
    for (double t0 = Now(); !done();) {
        if (Now() - t0 > fSeconds || ::WaitForSingleObject(child.pi.hProcess, 5) == WAIT_OBJECT_0)
            return false;
    }
    return true;
}

SProbedAction ProbeAction(const SChild& child, CProbe& probe, double fWaitSeconds, double fTailSeconds,
                          const std::function<void()>& act, const std::function<bool()>& done)
{
    SProbedAction action;
    probe.Measure(true);
    double t0 = Now();
    act();
    action.bOk = WaitFor(child, fWaitSeconds, done);
    action.fSeconds = Now() - t0;
    ::WaitForSingleObject(child.pi.hProcess, (DWORD)(fTailSeconds * 1000));
    probe.Measure(false);
    action.probe = probe.Result();
    action.bOk = action.bOk && !action.probe.bFailed;
    return action;
}

void CProbe::Start(HWND hWnd)
{
    m_thread = std::thread(&CProbe::Run, this, hWnd);
}

void CProbe::Measure(bool bOn)
{
    if (bOn && !m_bMeasure) {
        m_result = SResult();
        m_fSumMs = 0;
        m_tMeasureStart = Now();
        m_bMeasure = true;
    } else if (!bOn && m_bMeasure) {
        m_bMeasure = false;
        m_result.fSeconds = Now() - m_tMeasureStart;
    }
}

void CProbe::Stop()
{
    m_bStop = true;
    if (m_thread.joinable())
        m_thread.join();
}

void CProbe::Run(HWND hWnd)
{
    const double fCadence = m_nCadenceMs / 1000.0;
    double tDue = Now();
    while (!m_bStop) {
        double t0 = Now();
        bool bMeasuring = m_bMeasure;
        DWORD_PTR r = 0;
        if (!::SendMessageTimeoutA(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &r)) {
            if (bMeasuring && m_bMeasure && ::IsWindow(hWnd))
                m_result.bFailed = true;
            return;
        }
        double t1 = Now();
        double fMs = (t1 - t0) * 1000.0;
        // Only an answer asked and given while measuring counts.
        if (bMeasuring && m_bMeasure) {
            if (m_result.nAsks++ == 0)
                m_result.tFirstAnswer = t1;
            m_fSumMs += fMs;
            m_result.fMeanMs = m_fSumMs / m_result.nAsks;
            m_result.fLongestMs = std::max(m_result.fLongestMs, fMs);
            m_result.nOver20 += fMs > 20.0;
            if (fMs > 50.0) {
                ++m_result.nOver50;
                m_result.tLastOver50End = t1;
            }
        }
        tDue += fCadence;
        if (tDue < t1)
            tDue = t1;   // overdue: ask again at once, and keep the cadence from now on
        double fWait = tDue - Now();
        if (fWait > 0)
            ::Sleep((DWORD)(fWait * 1000.0 + 0.5));
    }
}

double ProcessCpuSeconds(HANDLE hProcess)
{
    FILETIME c, e, k, u;
    if (!::GetProcessTimes(hProcess, &c, &e, &k, &u))
        return 0;
    ULARGE_INTEGER uk, uu;
    uk.LowPart = k.dwLowDateTime;
    uk.HighPart = k.dwHighDateTime;
    uu.LowPart = u.dwLowDateTime;
    uu.HighPart = u.dwHighDateTime;
    return (double)(uk.QuadPart + uu.QuadPart) / 1e7;
}

namespace {

// A whole file of /proc (whose size reads as 0).
std::string ReadProcFile(const std::string& strPath)
{
    HANDLE h = ::CreateFileA(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                             0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return std::string();
    std::string s;
    char buf[4096];
    DWORD n = 0;
    while (::ReadFile(h, buf, sizeof buf, &n, nullptr) && n > 0)
        s.append(buf, n);
    ::CloseHandle(h);
    return s;
}

// utime + stime of /proc/PID/stat, in seconds (the kernel's 100 ticks a second).
double UnixCpuSeconds(const std::string& strPid)
{
    std::string stat = ReadProcFile("Z:\\proc\\" + strPid + "\\stat");
    size_t p = stat.rfind(')');
    if (p == std::string::npos)
        return -1;
    // After the command: state is field 3; utime and stime are fields 14 and 15.
    const char* s = stat.c_str() + p + 2;
    long long utime = 0, stime = 0;
    for (int field = 3; field <= 15 && *s; ++field) {
        if (field == 14)
            utime = std::atoll(s);
        if (field == 15)
            stime = std::atoll(s);
        s = std::strchr(s, ' ');
        if (!s)
            break;
        ++s;
    }
    return (utime + stime) / 100.0;
}

// The pid of the process whose command name starts with pszComm and, when
// pszEnv is given, whose environment holds that "NAME=value" entry.
std::string FindUnixProcess(const char* pszComm, const std::string& strEnv)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = ::FindFirstFileA("Z:\\proc\\*", &fd);
    if (h == INVALID_HANDLE_VALUE)
        return std::string();
    std::string found;
    do {
        std::string pid = fd.cFileName;
        if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::string comm = ReadProcFile("Z:\\proc\\" + pid + "\\comm");
        if (comm.compare(0, std::strlen(pszComm), pszComm) != 0)
            continue;
        if (!strEnv.empty()) {
            std::string env = ReadProcFile("Z:\\proc\\" + pid + "\\environ");
            std::string key = strEnv + '\0';
            if (env.compare(0, key.size(), key) != 0 && env.find('\0' + key) == std::string::npos)
                continue;
        }
        found = pid;
        break;
    } while (::FindNextFileA(h, &fd));
    ::FindClose(h);
    return found;
}

std::string EnvEntry(const char* pszName)
{
    char buf[1024];
    DWORD n = ::GetEnvironmentVariableA(pszName, buf, sizeof buf);
    if (n == 0 || n >= sizeof buf)
        return std::string();
    return std::string(pszName) + "=" + std::string(buf, n);
}

}  // namespace

double WineserverCpuSeconds()
{
    static std::string s_pid;
    std::string prefix = EnvEntry("WINEPREFIX");
    if (s_pid.empty() && !prefix.empty())
        s_pid = FindUnixProcess("wineserver", prefix);
    return s_pid.empty() ? -1 : UnixCpuSeconds(s_pid);
}

std::string LoadAverage()
{
    std::string s = ReadProcFile("Z:\\proc\\loadavg");
    // "1.00 2.00 3.00 4/500 1234": the three averages.
    size_t n = 0;
    for (int i = 0; i < 3 && n != std::string::npos; ++i)
        n = s.find(' ', n + (i ? 1 : 0));
    return s.empty() ? "unknown" : s.substr(0, n);
}

SArgs ParseArgs(int argc, char** argv)
{
    SArgs args;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--beside" && i + 1 < argc) {
            args.strBeside = argv[++i];
            continue;
        }
        char* pEnd = nullptr;
        double f = std::strtod(arg.c_str(), &pEnd);
        if (arg.empty() || *pEnd || f <= 0)
            args.bBad = true;
        else
            args.numbers.push_back(f);
    }
    return args;
}

SSpread Spread(std::vector<double> values)
{
    SSpread s;
    if (values.empty())
        return s;
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    s.fMedian = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    s.fMin = values.front();
    s.fMax = values.back();
    return s;
}

std::string FormatSpread(const SSpread& s, const char* pszFormat)
{
    char a[32], b[32], c[32], out[128];
    std::snprintf(a, sizeof a, pszFormat, s.fMedian);
    std::snprintf(b, sizeof b, pszFormat, s.fMin);
    std::snprintf(c, sizeof c, pszFormat, s.fMax);
    std::snprintf(out, sizeof out, "%s (%s-%s)", a, b, c);
    return out;
}

}  // namespace bench
