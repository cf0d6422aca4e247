// IdleBench.cpp: idle_bench.exe, what the program costs while nothing
// happens, beside a plain window (plain_window.exe). For each program, in
// alternating runs:
// - idle: VornGUI.exe powered on with the emulator stand-in, which is idle
//   (one round of status lines a second, as an emulator in its wait state
//   reports); the command line has the focus and its caret blinks. The plain
//   window just stands there.
// - mouse: the mouse moves over the main window, one move every 10 ms along
//   a figure that crosses the console, the bars and their captions.
// Each phase lasts the given seconds (default 20) and reports the program's
// CPU time (user and kernel), the wineserver's CPU time (the prefix's own
// wineserver: the program's server calls land there), and a 5-ms probe of
// the main window (BenchSupport.h): the number of answers, the longest and
// the number over 20 ms.
//
// usage: idle_bench.exe [seconds] [runs] [--beside OTHER\VornGUI.exe]
// (default 20 s, 3 rounds; run it beside VornGUI.exe, vornemu.exe and
// plain_window.exe, on a display and in a prefix where nothing else runs).
// With --beside, another build of the program runs in each round as well.
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchSupport.h"

namespace {

using namespace bench;

const int kCmdLineEditId = 1549;   // the command-line bar's edit

struct SPhase {
    double fCpuPct = 0;       // the program, % of one core
    double fServerPct = -1;   // the wineserver, % of one core (-1: not found)
    CProbe::SResult probe;
};

struct SRun {
    bool bOk = false;
    SPhase idle, mouse;
};

// Moves the mouse over the window's rectangle for the given time: one move
// every 10 ms along a Lissajous figure.
void MoveMouseOver(HWND hWnd, double fSeconds)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    int cxScreen = ::GetSystemMetrics(SM_CXSCREEN), cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    double t0 = Now();
    for (int i = 0;; ++i) {
        double t = Now() - t0;
        if (t >= fSeconds)
            break;
        double x = rc.left + 8 + (rc.right - rc.left - 16) * (0.5 + 0.5 * std::sin(t * 1.3));
        double y = rc.top + 8 + (rc.bottom - rc.top - 16) * (0.5 + 0.5 * std::sin(t * 0.7 + 1.0));
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        in.mi.dx = (LONG)(x * 65535.0 / (cxScreen - 1));
        in.mi.dy = (LONG)(y * 65535.0 / (cyScreen - 1));
        ::SendInput(1, &in, sizeof in);
        double fNext = t0 + (i + 1) * 0.010;
        double fWait = fNext - Now();
        if (fWait > 0)
            ::Sleep((DWORD)(fWait * 1000.0 + 0.5));
    }
}

SPhase MeasurePhase(HANDLE hProcess, HWND hMain, CProbe& probe, double fSeconds, bool bMouse)
{
    SPhase phase;
    double fCpu0 = ProcessCpuSeconds(hProcess), fServer0 = WineserverCpuSeconds();
    double t0 = Now();
    probe.Measure(true);
    if (bMouse)
        MoveMouseOver(hMain, fSeconds);
    else
        ::Sleep((DWORD)(fSeconds * 1000));
    probe.Measure(false);
    double t = Now() - t0;
    double fServer1 = WineserverCpuSeconds();
    phase.fCpuPct = 100.0 * (ProcessCpuSeconds(hProcess) - fCpu0) / t;
    if (fServer0 >= 0 && fServer1 >= 0)
        phase.fServerPct = 100.0 * (fServer1 - fServer0) / t;
    phase.probe = probe.Result();
    return phase;
}

// Waits until the program's main window exists and is visible, and, for
// VornGUI.exe, until the emulator is ready (the command line is enabled).
HWND WaitUntilReady(const SChild& child, const char* pszClass, bool bEmulator)
{
    double t0 = Now();
    HWND hMain = nullptr;
    while (Now() - t0 < 120) {
        if (::WaitForSingleObject(child.pi.hProcess, 20) == WAIT_OBJECT_0)
            return nullptr;
        if (!hMain)
            hMain = FindTopWindow(child.pi.dwProcessId, pszClass);
        if (!hMain || !::IsWindowVisible(hMain))
            continue;
        if (!bEmulator)
            return hMain;
        HWND hEdit = FindChildById(hMain, kCmdLineEditId);
        if (hEdit && ::IsWindowEnabled(hEdit))
            return hMain;
    }
    return nullptr;
}

// Runs strExe (a VornGUI.exe) or, when it is empty, the plain window.
SRun RunOne(const std::string& strExe, double fSeconds, const std::string& strDir)
{
    bool bProgram = !strExe.empty();
    SRun run;
    SChild child;
    std::string strCmd;
    if (bProgram) {
        // A new log folder each run: an earlier run's log file would make
        // the program ask how to number the next one.
        std::string strLogDir = strDir + "logs\\";
        RemoveTree(strLogDir);
        ::CreateDirectoryA(strLogDir.c_str(), nullptr);
        std::string strConfig = strDir + "idle.cnf";
        WriteText(strConfig, "# MaxShutdownSecs: 30\r\nNUMCPU 1\r\nMAINSIZE 64\r\n0009 3215\r\n");
        std::string strIni = WriteProgramIni(strDir, strLogDir, "[Settings]\r\nNoWarnPowerOff=1\r\n");
        strCmd = "\"" + strExe + "\" -e vornemu.exe -i \"" + strIni + "\" -f \"" + strConfig + "\"";
    } else {
        strCmd = "\"" + ProgramDir() + "plain_window.exe\"";
    }
    if (!child.Start(strCmd, strDir))
        return run;
    HWND hMain = WaitUntilReady(child, bProgram ? "VornGUIMainFrame" : "VornPlainWindow", bProgram);
    if (!hMain) {
        std::printf("  %s: not ready within 120 s\n", bProgram ? "VornGUI.exe" : "plain_window.exe");
        return run;
    }
    // Start-up is over: the splash has gone (it stays 3 s) and the first
    // status rounds have been shown.
    ::Sleep(4000);
    CProbe probe;
    probe.Start(hMain);
    run.idle = MeasurePhase(child.pi.hProcess, hMain, probe, fSeconds, false);
    run.mouse = MeasurePhase(child.pi.hProcess, hMain, probe, fSeconds, true);
    probe.Stop();
    child.Close(hMain, 60000);
    run.bOk = !run.idle.probe.bFailed && !run.mouse.probe.bFailed;
    return run;
}

// The figures of one program over the runs.
struct SSeries {
    const char* pszName;
    std::string strExe;   // empty: the plain window
    std::vector<double> cpu[2], server[2], longest[2], over20[2];
    bool bFailed = false;

    void Run(double fSeconds, const std::string& strDir)
    {
        SRun run = RunOne(strExe, fSeconds, strDir);
        if (!run.bOk) {
            bFailed = true;
            return;
        }
        const SPhase* phases[2] = {&run.idle, &run.mouse};
        for (int i = 0; i < 2; ++i) {
            const SPhase& p = *phases[i];
            std::printf("  %-16s %-5s CPU %5.1f%%, wineserver %5.1f%%; probe: %ld answers, longest %.1f ms, "
                        "mean %.1f ms, %ld over 20 ms\n",
                        pszName, i ? "mouse" : "idle", p.fCpuPct, p.fServerPct, p.probe.nAsks, p.probe.fLongestMs,
                        p.probe.fMeanMs, p.probe.nOver20);
            cpu[i].push_back(p.fCpuPct);
            server[i].push_back(p.fServerPct);
            longest[i].push_back(p.probe.fLongestMs);
            over20[i].push_back(p.probe.nOver20);
        }
    }

    void Summary(int i) const
    {
        std::printf("    %-16s CPU %s%%, wineserver %s%%, longest answer %s ms, answers over 20 ms %s\n", pszName,
                    FormatSpread(Spread(cpu[i]), "%.1f").c_str(), FormatSpread(Spread(server[i]), "%.1f").c_str(),
                    FormatSpread(Spread(longest[i]), "%.1f").c_str(), FormatSpread(Spread(over20[i]), "%.0f").c_str());
    }
};

}  // namespace

int main(int argc, char** argv)
{
    SArgs args = ParseArgs(argc, argv);
    double fSeconds = args.Number(0, 20);
    int nRuns = (int)args.Number(1, 3);
    if (args.bBad || nRuns <= 0) {
        std::printf("usage: idle_bench.exe [seconds] [runs] [--beside OTHER\\VornGUI.exe]\n");
        return 2;
    }
    std::string strDir = MakeWorkDir("idle_bench");
    std::string strScript = strDir + "idle.txt";
    // An emulator in its wait state: a round of status lines every second.
    WriteText(strScript, "interval 1000\nwait-stdin exit\nexit 0\n");
    ::SetEnvironmentVariableA("VORNEMU_SCRIPT", strScript.c_str());
    std::vector<SSeries> series;
    series.push_back({"VornGUI.exe", ProgramDir() + "VornGUI.exe"});
    if (!args.strBeside.empty())
        series.push_back({"beside", args.strBeside});
    series.push_back({"plain_window.exe", std::string()});
    CProbe cadence;
    std::printf("idle_bench: %d rounds of VornGUI.exe (idle emulator)%s and plain_window.exe; phases of %.0f s "
                "idle, then %.0f s of mouse moves every 10 ms; probe: WM_NULL every %lu ms\n",
                nRuns, args.strBeside.empty() ? "" : (", " + args.strBeside).c_str(), fSeconds, fSeconds,
                cadence.CadenceMs());
    std::printf("load average before: %s\n", LoadAverage().c_str());
    bool bFailed = false;
    for (int i = 0; i < nRuns; ++i) {
        std::printf("round %d:\n", i + 1);
        for (SSeries& s : series)
            s.Run(fSeconds, strDir);
    }
    std::printf("load average after: %s\n", LoadAverage().c_str());
    std::printf("summary, median (range); CPU in %% of one core:\n");
    for (int i = 0; i < 2; ++i) {
        std::printf("  %s:\n", i ? "mouse moves" : "idle");
        for (const SSeries& s : series)
            s.Summary(i);
    }
    for (const SSeries& s : series)
        bFailed = bFailed || s.bFailed;
    RemoveTree(strDir);
    return bFailed ? 1 : 0;
}
