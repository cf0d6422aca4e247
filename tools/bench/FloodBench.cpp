// FloodBench.cpp: flood_bench.exe, console output through the whole program.
// VornGUI.exe runs with the emulator stand-in as its emulator; the stand-in
// writes N lines of 80 characters (default 1,000,000) on its standard
// output, then waits for "exit". Timed from power-on (the "started" note in
// the log file) until the last line is in the log file, with the program's
// own message loop and no input of any kind. Before each run of the program,
// the bare rate of the same stand-in output read by a plain loop of 64 KB
// ReadFile calls; the runs alternate, and the summary gives medians and
// ranges.
//
// A probe (BenchSupport.h) asks the main window WM_NULL every 5 ms from
// power-on until a second after the last line, and reports how many answers
// it had, the longest and the mean; the working set of VornGUI.exe is
// sampled as the log grows. Every bar is shown (through its View command),
// and a paint probe (PaintProbe.h) reports the longest time any bar stayed
// unpainted, from half a second after every bar shows and the session has
// begun (showing a bar lays the window out, and the session's start enables
// every bar's controls: each paints them all anew) until the probe's end.
//
// With --as-emulator the stand-in writes as the emulator does when it
// traces: the lines in writes of 670 bytes, each as soon as the pipe takes
// it, two processors, and a round of status lines every half second whose
// values change (PSW, MIPS, SIOS, percentages, registers).
//
// usage: flood_bench.exe [lines] [runs] [--as-emulator]
// [--beside OTHER\VornGUI.exe] (default 1000000 lines, 5 rounds; run it
// beside VornGUI.exe and vornemu.exe). With --beside, another build of the
// program runs in each round after this one, so that two builds meet the
// same load. Everything it writes goes to a folder of its own under the
// temporary folder, removed afterwards.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "PaintProbe.h"
#include "resource.h"

namespace {

using namespace bench;

const DWORD kReadSize = 64 * 1024;
const int kEmulatorWriteBytes = 670;   // --as-emulator: the emulator's writes
const int kEmulatorStatusMs = 500;     // ... and its rounds of status lines
const double kSettleSeconds = 0.5;     // the bars shown and the session begun, the paint probe starts after this
const DWORD kStallMs = 20000;   // no new line in the log for this long: stalled
const double kTailSeconds = 1.0;  // the probe goes on this long after the last line

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

struct SSample {
    double t;
    LONGLONG nLogBytes;
    SIZE_T nWorkingSet;
};

// One flood through VornGUI.exe.
struct SProgramRun {
    double fRate = 0;               // lines per second; 0 when it failed
    double fStartup = 0;            // launch to power-on
    CProbe::SResult probe;
    CPaintProbe::SResult paint;
    double fPeakMB = 0;
    std::vector<double> byTenthMB;  // working set at each tenth of the log
};

SProgramRun ThroughProgram(long nLines, const std::string& strDir, const std::string& strExe, int nCpus)
{
    SProgramRun run;
    std::string strLogDir = strDir + "logs\\";
    RemoveTree(strLogDir);
    ::CreateDirectoryA(strLogDir.c_str(), nullptr);
    std::string strConfig = strDir + "flood.cnf";
    WriteText(strConfig, "# MaxShutdownSecs: 30\r\nNUMCPU " + std::to_string(nCpus) +
                             "\r\nMAINSIZE 64\r\n0009 3215\r\n");
    // The required folders, and "PowerOff" 1: the emulator's end closes the
    // program; closing the window powers off without asking. Every other
    // setting is the program's default.
    std::string strIni = WriteProgramIni(strDir, strLogDir, "[Settings]\r\nNoWarnPowerOff=1\r\n");
    SChild child;
    if (!child.Start("\"" + strExe + "\" -e vornemu.exe -i \"" + strIni + "\" -f \"" + strConfig + "\"", strDir))
        return run;
    HWND hMain = nullptr;
    for (int i = 0; i < 2000 && !hMain; ++i) {
        hMain = FindTopWindow(child.pi.dwProcessId, "VornGUIMainFrame");
        if (!hMain)
            ::Sleep(10);
    }
    // Every bar shown once the window has shown (its start-up hides bars).
    for (int i = 0; i < 2000 && hMain && !::IsWindowVisible(hMain); ++i)
        ::Sleep(10);
    if (hMain)
        ShowEveryBar(hMain);
    CProbe probe;
    CPaintProbe paint;
    if (hMain) {
        probe.Start(hMain);
        paint.Start(hMain);
    }

    char szLast[32];
    std::snprintf(szLast, sizeof szLast, " %09ld ", nLines);
    std::string strLog;
    double tStart = 0, tEnd = 0, tProgress = Now(), tBarsShown = 0;
    HWND hCmdLine = nullptr;
    LONGLONG nLastSize = -1;
    std::vector<SSample> samples;
    bool bStalled = false;
    for (;;) {
        if (::WaitForSingleObject(child.pi.hProcess, 10) == WAIT_OBJECT_0)
            break;
        if (strLog.empty())
            strLog = FindLogFile(strLogDir);
        if (strLog.empty() && (Now() - tProgress) * 1000 > kStallMs) {
            bStalled = true;
            break;
        }
        if (strLog.empty())
            continue;
        LONGLONG nSize = 0;
        std::string tail = ReadTail(strLog, tStart == 0 ? 1 << 20 : 64 * 1024, nSize);
        double t = Now();
        if (tStart == 0) {
            if (tail.find("Vornamic started; process-id") == std::string::npos) {
                if ((t - tProgress) * 1000 > kStallMs) {
                    bStalled = true;
                    break;
                }
                continue;
            }
            tProgress = t;
            tStart = t;
            probe.Measure(true);
        }
        // The session's start enables every bar's controls, which are
        // painted anew, and then the command line.
        if (!hCmdLine)
            hCmdLine = FindChildById(hMain, IDC_CMDLINE_EDIT);
        if (tBarsShown == 0 && hCmdLine && ::IsWindowEnabled(hCmdLine) && EveryBarShown(hMain))
            tBarsShown = t;
        else if (tBarsShown > 0 && t - tBarsShown >= kSettleSeconds)
            paint.Measure(true);
        PROCESS_MEMORY_COUNTERS pmc = {};
        pmc.cb = sizeof pmc;
        ::GetProcessMemoryInfo(child.pi.hProcess, &pmc, sizeof pmc);
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
    // The probe goes on a little past the last line: the end of a flood is
    // part of it.
    if (tEnd > 0)
        ::WaitForSingleObject(child.pi.hProcess, (DWORD)(kTailSeconds * 1000));
    probe.Measure(false);
    paint.Measure(false);
    run.probe = probe.Result();
    run.paint = paint.Result();
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof pmc;
    ::GetProcessMemoryInfo(child.pi.hProcess, &pmc, sizeof pmc);
    run.fPeakMB = pmc.PeakWorkingSetSize / 1048576.0;
    probe.Stop();
    paint.Stop();
    // Closing powers the emulator off ("exit"); its end closes the program.
    child.Close(hMain, 60000);

    if (tStart == 0 || tEnd == 0) {
        std::printf("  VornGUI.exe: %s (log %s, %lld bytes)\n",
                    bStalled ? "the flood stalled" : tStart == 0 ? "never powered on" : "ended before the last line",
                    strLog.empty() ? "missing" : strLog.c_str(), (long long)nLastSize);
        return run;
    }
    run.fRate = nLines / (tEnd - tStart);
    run.fStartup = tStart - child.tLaunch;
    LONGLONG nFinal = samples.empty() ? 0 : samples.back().nLogBytes;
    for (int nTenth = 1, i = 0; nTenth <= 10 && nFinal > 0; ++nTenth) {
        while (i + 1 < (int)samples.size() && samples[i].nLogBytes * 10 < nFinal * nTenth)
            ++i;
        run.byTenthMB.push_back(samples[i].nWorkingSet / 1048576.0);
    }
    return run;
}

// The same stand-in output read by a bare 64 KB ReadFile loop: lines per
// second, 0 on failure.
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
    // Its standard input ends at once: the script's wait for "exit" returns.
    ::CloseHandle(hInWrite);
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
    if (nCounted != nLines) {
        std::printf("  bare loop: %ld lines of %ld\n", nCounted, nLines);
        return 0;
    }
    return nCounted / t;
}

void PrintProgramRun(const char* pszName, const SProgramRun& run, double fBare)
{
    const CProbe::SResult& p = run.probe;
    std::printf("  %s %7.0f lines/s (%3.0f%% of the bare loop's %7.0f); probe: %ld answers in %.1f s, "
                "longest %.1f ms, mean %.1f ms, %ld over 20 ms, %ld over 50 ms%s; working set peak %.1f MB\n",
                pszName, run.fRate, fBare > 0 ? 100.0 * run.fRate / fBare : 0.0, fBare, p.nAsks, p.fSeconds, p.fLongestMs,
                p.fMeanMs, p.nOver20, p.nOver50, p.bFailed ? " (UNANSWERED)" : "", run.fPeakMB);
    const CPaintProbe::SResult& b = run.paint;
    std::printf("    bars: longest unpainted %.0f ms%s%s%s (%d bars shown; %ld looks, one every %.1f ms, at the "
                "longest %.0f ms apart)\n",
                b.fLongestMs, b.strBar.empty() ? "" : " (", b.strBar.c_str(), b.strBar.empty() ? "" : ")", b.nBars,
                b.nLooks, b.fLookMs, b.fLongestLookMs);
    std::printf("    working set by tenth of the log (MB):");
    for (double f : run.byTenthMB)
        std::printf(" %.1f", f);
    std::printf("\n");
}

// The figures of one program over the runs.
struct SSeries {
    const char* pszName;
    std::string strExe;
    std::vector<double> rate, ratio, longest, mean, startup, peak, unpainted;
    long nOver50 = 0, nAsks = 0;
    bool bFailed = false;

    void Run(long nLines, const std::string& strDir, double fBare, int nCpus)
    {
        SProgramRun run = ThroughProgram(nLines, strDir, strExe, nCpus);
        PrintProgramRun(pszName, run, fBare);
        if (fBare <= 0 || run.fRate <= 0 || run.probe.bFailed) {
            bFailed = true;
            return;
        }
        rate.push_back(run.fRate);
        ratio.push_back(100.0 * run.fRate / fBare);
        longest.push_back(run.probe.fLongestMs);
        mean.push_back(run.probe.fMeanMs);
        startup.push_back(run.fStartup);
        peak.push_back(run.fPeakMB);
        unpainted.push_back(run.paint.fLongestMs);
        nOver50 += run.probe.nOver50;
        nAsks += run.probe.nAsks;
    }

    void Summary() const
    {
        std::printf("  %s (%zu runs):\n", pszName, rate.size());
        std::printf("    rate                 %s lines/s\n", FormatSpread(Spread(rate), "%.0f").c_str());
        std::printf("    ratio                %s %% of the bare rate of the same run\n",
                    FormatSpread(Spread(ratio), "%.0f").c_str());
        std::printf("    probe longest answer %s ms; %ld of %ld answers over 50 ms\n",
                    FormatSpread(Spread(longest), "%.1f").c_str(), nOver50, nAsks);
        std::printf("    probe mean answer    %s ms\n", FormatSpread(Spread(mean), "%.1f").c_str());
        std::printf("    bars unpainted       %s ms at the longest\n", FormatSpread(Spread(unpainted), "%.0f").c_str());
        std::printf("    launch to power-on   %s s\n", FormatSpread(Spread(startup), "%.2f").c_str());
        std::printf("    working set peak     %s MB\n", FormatSpread(Spread(peak), "%.1f").c_str());
    }
};

}  // namespace

int main(int argc, char** argv)
{
    // --as-emulator is this benchmark's own; the rest are the common ones.
    std::vector<char*> argvRest;
    bool bAsEmulator = false;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && std::strcmp(argv[i], "--as-emulator") == 0)
            bAsEmulator = true;
        else
            argvRest.push_back(argv[i]);
    }
    SArgs args = ParseArgs((int)argvRest.size(), argvRest.data());
    long nLines = (long)args.Number(0, 1000000);
    int nRuns = (int)args.Number(1, 5);
    if (args.bBad || nLines <= 0 || nRuns <= 0) {
        std::printf("usage: flood_bench.exe [lines] [runs] [--as-emulator] [--beside OTHER\\VornGUI.exe]\n");
        return 2;
    }
    std::string strDir = MakeWorkDir("flood_bench");
    // The stand-in's script: the flood, then it waits for "exit". VornGUI.exe
    // hands the variable on to the emulator it starts.
    std::string strScript = strDir + "flood.txt";
    const int nCpus = bAsEmulator ? 2 : 1;
    std::string strFlood = "flood out " + std::to_string(nLines) + " 80";
    if (bAsEmulator)
        strFlood = "set cpus 2\nset vary 1\ninterval " + std::to_string(kEmulatorStatusMs) + "\n" + strFlood + " " +
                   std::to_string(kEmulatorWriteBytes);
    WriteText(strScript, strFlood + "\nwait-stdin exit\nexit 0\n");
    ::SetEnvironmentVariableA("VORNEMU_SCRIPT", strScript.c_str());

    std::vector<SSeries> programs;
    programs.push_back({"VornGUI.exe", ProgramDir() + "VornGUI.exe"});
    if (!args.strBeside.empty())
        programs.push_back({"beside", args.strBeside});
    CProbe cadence;
    std::printf("flood_bench: %ld lines of 80 characters%s; %d rounds of the bare 64 KB ReadFile loop, then "
                "VornGUI.exe%s with every bar shown; probe: WM_NULL every %lu ms, from power-on until %.1f s after "
                "the last line\n",
                nLines,
                bAsEmulator ? (" as the emulator writes them (" + std::to_string(kEmulatorWriteBytes) +
                               "-byte writes, 2 processors, status values changing every " +
                               std::to_string(kEmulatorStatusMs) + " ms)").c_str()
                            : " in 64 KB writes",
                nRuns, args.strBeside.empty() ? "" : (", then " + args.strBeside).c_str(), cadence.CadenceMs(),
                kTailSeconds);
    std::printf("load average before: %s\n", LoadAverage().c_str());
    std::vector<double> bare;
    bool bFailed = false;
    for (int i = 0; i < nRuns; ++i) {
        std::printf("round %d:\n", i + 1);
        double fBare = BareReadLoop(nLines, strScript);
        std::printf("  bare 64 KB ReadFile loop %7.0f lines/s\n", fBare);
        if (fBare > 0)
            bare.push_back(fBare);
        else
            bFailed = true;
        for (SSeries& series : programs)
            series.Run(nLines, strDir, fBare, nCpus);
    }
    std::printf("load average after: %s\n", LoadAverage().c_str());
    std::printf("summary, median (range):\n");
    std::printf("  bare 64 KB ReadFile loop: %s lines/s\n", FormatSpread(Spread(bare), "%.0f").c_str());
    for (const SSeries& series : programs) {
        series.Summary();
        bFailed = bFailed || series.bFailed;
    }
    RemoveTree(strDir);
    return bFailed ? 1 : 0;
}
