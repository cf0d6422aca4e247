// FloodBench.cpp: flood_bench.exe, console output through the whole program.
// VornGUI.exe runs with the emulator stand-in as its emulator; the stand-in
// writes N lines of 80 characters (default 1,000,000) on its standard
// output and ends. Timed from power-on (the "started" note in the log file)
// until the last line is in the log file, with the program's own message
// loop and no input of any kind. Beside it, in the same run, the bare rate
// of the same stand-in output read by a plain loop of 64 KB ReadFile calls.
// A probe thread asks the main window with SendMessageTimeout all the while
// and keeps the longest time it took to answer; the working set of
// VornGUI.exe is sampled as the log grows.
//
// usage: flood_bench.exe [lines]    (run it beside VornGUI.exe and vornemu.exe)
// Everything it writes goes to a folder of its own under the temporary
// folder, removed afterwards; it runs any number of times in one prefix.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

const DWORD kReadSize = 64 * 1024;
const DWORD kStallMs = 20000;   // no new line in the log for this long: stalled

std::string ProgramDir()
{
    char path[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of('\\') + 1);
}

double Now()
{
    LARGE_INTEGER f, c;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&c);
    return (double)c.QuadPart / (double)f.QuadPart;
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

// The only file in the log folder (VornGUI starts one numbered log file).
std::string FindLogFile(const std::string& strDir)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = ::FindFirstFileA((strDir + "*.txt").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return std::string();
    ::FindClose(h);
    return strDir + fd.cFileName;
}

// Reads up to nMax bytes of the file ending at its end; its size in nSize.
std::string ReadTail(const std::string& strPath, size_t nMax, LONGLONG& nSize)
{
    nSize = 0;
    HANDLE h = ::CreateFileA(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return std::string();
    LARGE_INTEGER size = {};
    ::GetFileSizeEx(h, &size);
    nSize = size.QuadPart;
    LONGLONG nFrom = std::max<LONGLONG>(0, size.QuadPart - (LONGLONG)nMax);
    LARGE_INTEGER pos;
    pos.QuadPart = nFrom;
    ::SetFilePointerEx(h, pos, nullptr, FILE_BEGIN);
    std::string s((size_t)(size.QuadPart - nFrom), '\0');
    DWORD nRead = 0;
    if (!s.empty() && !::ReadFile(h, &s[0], (DWORD)s.size(), &nRead, nullptr))
        nRead = 0;
    s.resize(nRead);
    ::CloseHandle(h);
    return s;
}

struct SFindMain {
    DWORD dwPid;
    HWND hWnd;
};

BOOL CALLBACK FindMainProc(HWND h, LPARAM lp)
{
    SFindMain* p = (SFindMain*)lp;
    DWORD dwPid = 0;
    char szClass[64] = {};
    ::GetWindowThreadProcessId(h, &dwPid);
    ::GetClassNameA(h, szClass, sizeof szClass);
    if (dwPid == p->dwPid && std::strcmp(szClass, "VornGUIMainFrame") == 0) {
        p->hWnd = h;
        return FALSE;
    }
    return TRUE;
}

// Asks the window every few milliseconds until told to stop; keeps the
// longest answer while bMeasure is set.
void Probe(HWND hWnd, const std::atomic<bool>* pMeasure, const std::atomic<bool>* pStop, double* pLongest)
{
    while (!*pStop) {
        DWORD_PTR r = 0;
        double t0 = Now();
        bool bMeasuring = *pMeasure;
        if (!::SendMessageTimeoutA(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &r))
            break;
        double t = Now() - t0;
        if (bMeasuring && *pMeasure && t > *pLongest)
            *pLongest = t;
        ::Sleep(5);
    }
}

struct SSample {
    double t;
    LONGLONG nLogBytes;
    SIZE_T nWorkingSet;
};

// The flood through VornGUI.exe. Returns the lines per second (0 on failure).
double ThroughProgram(long nLines, const std::string& strDir)
{
    std::string strExeDir = ProgramDir();
    std::string strLogDir = strDir + "logs\\";
    ::CreateDirectoryA(strLogDir.c_str(), nullptr);
    std::string strConfig = strDir + "flood.cnf";
    std::string strIni = strDir + "VornGUI.ini";
    WriteText(strConfig, "# MaxShutdownSecs: 30\r\nNUMCPU 1\r\nMAINSIZE 64\r\n0009 3215\r\n");
    // The required folders, and "PowerOff" 1: the emulator's end closes the
    // program. Every other setting is the program's default.
    WriteText(strIni, "[ExecutablesFilesDirectories]\r\nNumEntries=1\r\n1=" + strExeDir +
                          "\r\n[ConfigurationFilesDirectories]\r\nNumEntries=1\r\n1=" + strDir +
                          "\r\n[LogFilesDirectories]\r\nNumEntries=1\r\n1=" + strLogDir +
                          "\r\n[Options]\r\nPowerOff=1\r\n");
    std::string strCmd = "\"" + strExeDir + "VornGUI.exe\" -e vornemu.exe -i \"" + strIni + "\" -f \"" +
                         strConfig + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    double tLaunch = Now();
    if (!::CreateProcessA(nullptr, &strCmd[0], nullptr, nullptr, FALSE, 0, nullptr, strDir.c_str(), &si, &pi)) {
        std::printf("VornGUI.exe could not be started (error %lu)\n", ::GetLastError());
        return 0;
    }
    SFindMain find = {pi.dwProcessId, nullptr};
    for (int i = 0; i < 400 && !find.hWnd; ++i) {
        ::EnumWindows(FindMainProc, (LPARAM)&find);
        if (!find.hWnd)
            ::Sleep(25);
    }
    std::atomic<bool> bMeasure{false}, bStop{false};
    double tLongest = 0;
    std::thread probe;
    if (find.hWnd)
        probe = std::thread(Probe, find.hWnd, &bMeasure, &bStop, &tLongest);

    char szLast[32];
    std::snprintf(szLast, sizeof szLast, " %09ld ", nLines);
    std::string strLog;
    double tStart = 0, tEnd = 0, tProgress = Now();
    LONGLONG nLastSize = -1;
    std::vector<SSample> samples;
    bool bStalled = false;
    for (;;) {
        if (::WaitForSingleObject(pi.hProcess, 10) == WAIT_OBJECT_0)
            break;
        if (strLog.empty())
            strLog = FindLogFile(strLogDir);
        if (strLog.empty())
            continue;
        LONGLONG nSize = 0;
        std::string tail = ReadTail(strLog, tStart == 0 ? 1 << 20 : 64 * 1024, nSize);
        double t = Now();
        if (tStart == 0) {
            if (tail.find("Vornamic started; process-id") == std::string::npos)
                continue;
            tStart = t;
            bMeasure = true;
        }
        PROCESS_MEMORY_COUNTERS pmc = {};
        pmc.cb = sizeof pmc;
        ::GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof pmc);
        if (samples.empty() || t - samples.back().t >= 0.1)
            samples.push_back({t - tStart, nSize, pmc.WorkingSetSize});
        if (tail.find(szLast) != std::string::npos) {
            tEnd = t;
            break;
        }
        if (nSize != nLastSize) {
            nLastSize = nSize;
            tProgress = t;
        } else if ((t - tProgress) * 1000 > kStallMs) {
            bStalled = true;
            break;
        }
    }
    bMeasure = false;
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof pmc;
    ::GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof pmc);
    // The emulator has ended (or ends now): "PowerOff" 1 closes the program.
    DWORD dwExit = 0;
    if (::WaitForSingleObject(pi.hProcess, 60000) != WAIT_OBJECT_0) {
        std::printf("VornGUI.exe did not end by itself: terminated\n");
        ::TerminateProcess(pi.hProcess, 1);
        ::WaitForSingleObject(pi.hProcess, 10000);
    }
    ::GetExitCodeProcess(pi.hProcess, &dwExit);
    bStop = true;
    if (probe.joinable())
        probe.join();
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);

    if (tStart == 0 || tEnd == 0) {
        std::printf("VornGUI.exe: %s (log %s, %lld bytes)\n",
                    bStalled ? "the flood stalled" : tStart == 0 ? "never powered on" : "ended before the last line",
                    strLog.empty() ? "missing" : strLog.c_str(), (long long)nLastSize);
        return 0;
    }
    double tFlood = tEnd - tStart;
    std::printf("VornGUI.exe: %ld lines in %.2f s from power-on to the last line in the log: %.0f lines/s\n", nLines,
                tFlood, nLines / tFlood);
    std::printf("  start-up before power-on %.2f s; VornGUI.exe ended with %lu\n", tStart - tLaunch, dwExit);
    std::printf("  longest answer of the main window during the flood: %.1f ms%s\n", tLongest * 1000.0,
                find.hWnd ? "" : " (main window not found)");
    std::printf("  working set: peak %.1f MB; by share of the log written:", pmc.PeakWorkingSetSize / 1048576.0);
    LONGLONG nFinal = samples.empty() ? 0 : samples.back().nLogBytes;
    for (int nTenth = 1, i = 0; nTenth <= 10 && nFinal > 0; ++nTenth) {
        while (i + 1 < (int)samples.size() && samples[i].nLogBytes * 10 < nFinal * nTenth)
            ++i;
        std::printf(" %d%% %.1f", nTenth * 10, samples[i].nWorkingSet / 1048576.0);
    }
    std::printf(" MB\n");
    return nLines / tFlood;
}

// The same stand-in output read by a bare 64 KB ReadFile loop.
double BareReadLoop(long nLines, const std::string& strScript)
{
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE hRead, hWrite, hInRead, hInWrite;
    ::CreatePipe(&hRead, &hWrite, &sa, kReadSize);
    ::SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    ::CreatePipe(&hInRead, &hInWrite, &sa, 1024);
    ::SetHandleInformation(hInWrite, HANDLE_FLAG_INHERIT, 0);
    HANDLE hNul = ::CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &sa, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = hInRead;
    si.hStdOutput = hWrite;
    si.hStdError = hNul;
    PROCESS_INFORMATION pi = {};
    std::string strCmd = "\"" + ProgramDir() + "vornemu.exe\" --script \"" + strScript + "\" EXTERNALGUI";
    double t0 = Now();
    if (!::CreateProcessA(nullptr, &strCmd[0], nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr, nullptr, &si,
                          &pi))
        return 0;
    ::CloseHandle(hWrite);
    ::CloseHandle(hInRead);
    ::CloseHandle(hNul);
    std::vector<char> buffer(kReadSize);
    DWORD n = 0;
    long nCounted = 0;
    while (::ReadFile(hRead, buffer.data(), kReadSize, &n, nullptr) && n > 0)
        for (const char* p = buffer.data(); (p = (const char*)std::memchr(p, '\n', buffer.data() + n - p)); ++p)
            ++nCounted;
    ::WaitForSingleObject(pi.hProcess, INFINITE);
    double t = Now() - t0;
    ::CloseHandle(pi.hProcess);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(hRead);
    ::CloseHandle(hInWrite);
    std::printf("bare 64 KB ReadFile loop: %ld lines in %.2f s: %.0f lines/s%s\n", nCounted, t, nCounted / t,
                nCounted == nLines ? "" : "  (LINES MISSING)");
    return nCounted / t;
}

}  // namespace

int main(int argc, char** argv)
{
    long nLines = argc > 1 ? std::atol(argv[1]) : 1000000;
    if (nLines <= 0) {
        std::printf("usage: flood_bench.exe [lines]\n");
        return 2;
    }
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    char szDir[MAX_PATH];
    std::snprintf(szDir, sizeof szDir, "%sflood_bench.%lu\\", szTemp, ::GetCurrentProcessId());
    std::string strDir = szDir;
    ::CreateDirectoryA(strDir.c_str(), nullptr);
    // The stand-in's script: the flood, then its end. VornGUI.exe hands the
    // variable on to the emulator it starts.
    std::string strScript = strDir + "flood.txt";
    WriteText(strScript, "flood out " + std::to_string(nLines) + " 80\nexit 0\n");
    ::SetEnvironmentVariableA("VORNEMU_SCRIPT", strScript.c_str());

    double fBare = BareReadLoop(nLines, strScript);
    double fProgram = ThroughProgram(nLines, strDir);
    if (fBare > 0 && fProgram > 0)
        std::printf("ratio: %.0f%% of the bare pipe rate\n", 100.0 * fProgram / fBare);
    RemoveTree(strDir);
    return fProgram > 0 ? 0 : 1;
}
