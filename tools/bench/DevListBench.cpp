// DevListBench.cpp: devlist_bench.exe, the device list at real sizes.
// VornGUI.exe runs with the emulator stand-in as its emulator and a
// configuration of N devices of every class (2,000 by default): card
// readers, punches, printers and consoles, disks, tapes and channel-to-
// channel adapters one statement each, and half of them display terminals
// in ranges of 250 ("0A00.250 3270"), as terminals are usually defined.
// Each round starts the program, which knows the configuration from its
// settings, and powers it on and off by its menu commands: the time from
// Power ON until the device list bar shows every device (its tree holds the
// nine class groups and N items, asked from outside with TVM_GETCOUNT), and
// from Power OFF until it shows none; a 5-ms probe (BenchSupport.h) asks
// the main window WM_NULL during each, and for a quarter of a second after
// it, and the longest answer is reported. Then the program is closed.
//
// usage: devlist_bench.exe [devices] [rounds] [--beside OTHER\VornGUI.exe]
// (default 2000 devices, 3 rounds; run it beside VornGUI.exe and
// vornemu.exe). With --beside, another build of the program runs in each
// round after this one, so that two builds meet the same load. Everything
// it writes goes to a folder of its own under the temporary folder, removed
// afterwards.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BenchSupport.h"

namespace {

using namespace bench;

const int kTreeId = 1540;                      // the device list bar's tree
const UINT kPowerOn = 33083, kPowerOff = 33084;  // Operations > Power ON, Power OFF
const UINT kGroupItems = 9;                    // the tree's class groups
const double kTailSeconds = 0.25;              // the probe goes on this long after the list is full or empty
const double kSettleSeconds = 2.0;             // after the window shows, and after each phase
const double kLimitSeconds = 300;              // a phase that takes longer has failed

// One phase: the seconds it took (0 when it failed) and the longest answer
// of a probe of its own; a probe gives up on a window that does not answer
// for 30 s.
struct SPhase {
    double fSeconds = 0, fLongestMs = 0;
    bool bUnanswered = false;
    std::string Text() const
    {
        char sz[96];
        std::snprintf(sz, sizeof sz, "%7.3f s, longest answer %s", fSeconds,
                      bUnanswered ? "over 30 s" : (std::to_string((int)(fLongestMs + 0.5)) + " ms").c_str());
        return sz;
    }
};

// Sends the command to the main window and waits until the tree holds
// nItems items.
SPhase Phase(HWND hMain, HWND hTree, UINT nCommand, UINT nItems)
{
    SPhase phase;
    CProbe probe;
    probe.Measure(true);
    probe.Start(hMain);
    double t0 = Now();
    ::PostMessageA(hMain, WM_COMMAND, nCommand, 0);
    for (double fLeft = kLimitSeconds; phase.fSeconds == 0 && fLeft > 0; fLeft = kLimitSeconds - (Now() - t0)) {
        DWORD_PTR nCount = 0;
        if (!::SendMessageTimeoutA(hTree, TVM_GETCOUNT, 0, 0, SMTO_NORMAL, (UINT)(fLeft * 1000), &nCount))
            break;
        if (nCount == nItems)
            phase.fSeconds = Now() - t0;
        else
            ::Sleep(probe.CadenceMs());
    }
    if (phase.fSeconds > 0)
        ::Sleep((DWORD)(kTailSeconds * 1000));
    probe.Measure(false);
    probe.Stop();
    CProbe::SResult r = probe.Result();
    phase.fLongestMs = r.fLongestMs;
    phase.bUnanswered = r.bFailed || r.nAsks == 0;
    return phase;
}

// Power ON, then Power OFF; a phase that failed is left at 0 s.
struct SRound {
    SPhase on, off;
};

SRound RunOnce(const std::string& strExe, const std::string& strDir, int nDevices)
{
    SRound round;
    // A new log folder each run: an earlier run's log file would make the
    // program ask how to number the next one.
    std::string strLogDir = strDir + "logs\\";
    RemoveTree(strLogDir);
    ::CreateDirectoryA(strLogDir.c_str(), nullptr);
    // Power ON takes the configuration named in the settings, without a
    // question; the emulator's end leaves the program running. The stand-in
    // is given more than its default two minutes.
    std::string strIni = WriteProgramIni(strDir, strLogDir,
                                         "[Settings]\r\nNoWarnPowerOff=1\r\nPrevConfigDir=" + strDir +
                                             "\r\nPrevConfigFile=devlist.cnf\r\n"
                                             "ExtraCmdLineArgs=--lifetime 900000 EXTERNALGUI\r\n",
                                         true);
    SChild child;
    if (!child.Start("\"" + strExe + "\" -e vornemu.exe -i \"" + strIni + "\"", strDir))
        return round;
    HWND hMain = nullptr, hTree = nullptr;
    while (!hTree && Now() - child.tLaunch < 60) {
        if (::WaitForSingleObject(child.pi.hProcess, 20) == WAIT_OBJECT_0)
            break;
        hMain = FindTopWindow(child.pi.dwProcessId, "VornGUIMainFrame");
        if (hMain && ::IsWindowVisible(hMain))
            hTree = FindChildById(hMain, kTreeId);
    }
    if (!hTree) {
        std::printf("  %s: no device list within 60 s\n", strExe.c_str());
        return round;
    }
    ::Sleep((DWORD)(kSettleSeconds * 1000));
    round.on = Phase(hMain, hTree, kPowerOn, kGroupItems + nDevices);
    if (round.on.fSeconds > 0) {
        ::Sleep((DWORD)(kSettleSeconds * 1000));
        round.off = Phase(hMain, hTree, kPowerOff, kGroupItems);
    }
    child.Close(hMain, 60000);
    return round;
}

// The figures of one program over the rounds.
struct SSeries {
    const char* pszName;
    std::string strExe;
    std::string strDir;
    std::vector<double> on, onLongest, off, offLongest;
    bool bFailed = false;

    void Run(int nDevices)
    {
        SRound r = RunOnce(strExe, strDir, nDevices);
        bool bOk = r.on.fSeconds > 0 && r.off.fSeconds > 0;
        std::printf("  %-12s Power ON to a full list %s; Power OFF to an empty list %s%s\n", pszName,
                    r.on.Text().c_str(), r.off.Text().c_str(), bOk ? "" : " (FAILED)");
        if (!bOk) {
            bFailed = true;
            return;
        }
        on.push_back(r.on.fSeconds);
        off.push_back(r.off.fSeconds);
        // An unanswered probe counts as its 30 s.
        onLongest.push_back(r.on.bUnanswered ? 30000 : r.on.fLongestMs);
        offLongest.push_back(r.off.bUnanswered ? 30000 : r.off.fLongestMs);
    }

    void Summary() const
    {
        std::printf("  %s (%zu rounds):\n", pszName, on.size());
        std::printf("    Power ON to a full list   %s s, longest answer %s ms\n", FormatSpread(Spread(on), "%.3f").c_str(),
                    FormatSpread(Spread(onLongest), "%.1f").c_str());
        std::printf("    Power OFF to an empty one %s s, longest answer %s ms\n",
                    FormatSpread(Spread(off), "%.3f").c_str(), FormatSpread(Spread(offLongest), "%.1f").c_str());
    }
};

}  // namespace

int main(int argc, char** argv)
{
    SArgs args = ParseArgs(argc, argv);
    int nDevices = (int)args.Number(0, 2000);
    int nRuns = (int)args.Number(1, 3);
    if (args.bBad || nDevices <= 0 || nDevices > 60000 || nRuns <= 0) {
        std::printf("usage: devlist_bench.exe [devices] [rounds] [--beside OTHER\\VornGUI.exe]\n");
        return 2;
    }
    std::string strDir = MakeWorkDir("devlist_bench");
    // The stand-in's script: a round of status lines a second until "exit".
    // VornGUI.exe hands the variable on to the emulator it starts.
    std::string strScript = strDir + "emulator.txt";
    WriteText(strScript, "interval 1000\nwait-stdin exit\nexit 0\n");
    ::SetEnvironmentVariableA("VORNEMU_SCRIPT", strScript.c_str());
    std::vector<SSeries> programs;
    programs.push_back({"VornGUI.exe", ProgramDir() + "VornGUI.exe", strDir + "program\\"});
    if (!args.strBeside.empty())
        programs.push_back({"beside", args.strBeside, strDir + "beside\\"});
    // Each program has a folder of its own: its settings, configuration and logs.
    std::string strConfig = "# MaxShutdownSecs: 30\r\nNUMCPU 1\r\nMAINSIZE 64\r\n" + DeviceStatements(nDevices);
    for (const SSeries& series : programs) {
        ::CreateDirectoryA(series.strDir.c_str(), nullptr);
        WriteText(series.strDir + "devlist.cnf", strConfig);
    }
    CProbe cadence;
    std::printf("devlist_bench: %d devices, %d rounds of VornGUI.exe%s, each started, powered on and off; probe: "
                "WM_NULL every %lu ms, during each phase and %.2f s after it\n",
                nDevices, nRuns, args.strBeside.empty() ? "" : (", then " + args.strBeside).c_str(),
                cadence.CadenceMs(), kTailSeconds);
    std::printf("load average before: %s\n", LoadAverage().c_str());
    for (int i = 0; i < nRuns; ++i) {
        std::printf("round %d:\n", i + 1);
        for (SSeries& series : programs)
            series.Run(nDevices);
    }
    std::printf("load average after: %s\n", LoadAverage().c_str());
    std::printf("summary, median (range):\n");
    bool bFailed = false;
    for (const SSeries& series : programs) {
        series.Summary();
        bFailed = bFailed || series.bFailed;
    }
    RemoveTree(strDir);
    return bFailed ? 1 : 0;
}
