// DevListBench.cpp: devlist_bench.exe, the device list at real sizes.
// VornGUI.exe runs with the emulator stand-in as its emulator and a
// configuration of N devices of every class (2,000 by default): card
// readers, punches, printers and consoles, disks, tapes and channel-to-
// channel adapters one statement each, and half of them display terminals
// in ranges of 250 ("0A00.250 3270"), as terminals are usually defined.
// Each round starts the program, which knows the configuration from its
// settings, and in four phases: Power ON by its menu command, until the
// device list bar shows every device (its tree holds the nine class groups
// and N items, asked from outside with TVM_GETCOUNT); a burst of device
// changes, from the command "devburst" typed into the command line until the
// bar has shown them all: the stand-in then changes the state of 1,000
// devices spread over the list, in 20 reports of 50, 5 ms apart, as the
// emulator reports what changed since its last report, and a last report
// adds one device, which the count shows; the device menu of the first
// display terminal (the largest group, half the devices), from the
// right-click until the menu shows (Esc closes it); and Power OFF until the
// bar shows no device. A 5-ms probe (BenchSupport.h) asks the main window
// WM_NULL during each phase, and for a quarter of a second after it, and the
// longest answer is reported. Then the program is closed.
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
#include <functional>
#include <string>
#include <vector>

#include "BenchSupport.h"

namespace {

using namespace bench;

const int kTreeId = 1540;                      // the device list bar's tree
const UINT kPowerOn = 33083, kPowerOff = 33084;  // Operations > Power ON, Power OFF
const int kCmdLineEdit = 1549;                 // the command line bar's edit
const UINT kCmdLineSend = 1002;                // its Send command
const int kBurstChanges = 1000, kBurstReports = 20;
const int kTerminalGroup = 4;                  // "Display Terminals", the tree's fifth group
const UINT kGroupItems = 9;                    // the tree's class groups
const double kTailSeconds = 0.25;              // the probe goes on this long after the list is full or empty
const double kSettleSeconds = 2.0;             // after the window shows, and after each phase
const double kLimitSeconds = 300;              // a phase that takes longer has failed

// The stand-in's script: a round of status lines a second; on "devburst"
// the burst of changes (each device once, opened, busy or interrupt pending
// in turn), then device 0050 (below every other) added; then until "exit".
std::string EmulatorScript(const std::vector<int>& devnums)
{
    static const char* const kFlags[] = {"1000", "0100", "0010"};
    std::string s = "interval 1000\nwait-stdin devburst\n";
    char szLine[64];
    for (int i = 0; i < kBurstChanges; ++i) {
        std::snprintf(szLine, sizeof szLine, "devflags %04X %s\n", devnums[i * devnums.size() / kBurstChanges],
                      kFlags[i % 3]);
        s += szLine;
        if ((i + 1) % (kBurstChanges / kBurstReports) == 0)
            s += "sleep 5\n";
    }
    return s + "device 0050 3390 added.cckd\nwait-stdin exit\nexit 0\n";
}

const char* const kPhaseNames[4] = {"Power ON to a full list   ", "1,000 changes shown       ",
                                    "device menu shown         ", "Power OFF to an empty list"};

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

// Does start(), then waits until done() (asked at the probe's cadence for as
// long as the phase may take; false when the window no longer answers).
SPhase Phase(HWND hMain, const std::function<void()>& start, const std::function<bool(double fLeft, bool& bDone)>& done)
{
    SPhase phase;
    CProbe probe;
    probe.Measure(true);
    probe.Start(hMain);
    double t0 = Now();
    start();
    for (double fLeft = kLimitSeconds; phase.fSeconds == 0 && fLeft > 0; fLeft = kLimitSeconds - (Now() - t0)) {
        bool bDone = false;
        if (!done(fLeft, bDone))
            break;
        if (bDone)
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

// True, with bDone, once the tree holds nItems items.
bool TreeHolds(HWND hTree, UINT nItems, double fLeft, bool& bDone)
{
    DWORD_PTR nCount = 0;
    if (!::SendMessageTimeoutA(hTree, TVM_GETCOUNT, 0, 0, SMTO_NORMAL, (UINT)(fLeft * 1000), &nCount))
        return false;
    bDone = nCount == nItems;
    return true;
}

// A point on the text of the first device of the terminals' group, in
// screen coordinates, the item scrolled into view; the rectangle is asked
// through memory of the program's (TVM_GETITEMRECT reads and writes it).
bool FirstTerminalPoint(HANDLE hProcess, HWND hTree, POINT& pt)
{
    HTREEITEM hItem = (HTREEITEM)::SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    for (int i = 0; hItem && i < kTerminalGroup; ++i)
        hItem = (HTREEITEM)::SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_NEXT, (LPARAM)hItem);
    hItem = hItem ? (HTREEITEM)::SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_CHILD, (LPARAM)hItem) : nullptr;
    void* pRemote = hItem ? ::VirtualAllocEx(hProcess, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE) : nullptr;
    if (!pRemote)
        return false;
    ::SendMessageA(hTree, TVM_ENSUREVISIBLE, 0, (LPARAM)hItem);
    RECT rc = {};
    SIZE_T n = 0;
    bool bOk = ::WriteProcessMemory(hProcess, pRemote, &hItem, sizeof hItem, &n) &&
               ::SendMessageA(hTree, TVM_GETITEMRECT, TRUE, (LPARAM)pRemote) &&
               ::ReadProcessMemory(hProcess, pRemote, &rc, sizeof rc, &n);
    ::VirtualFreeEx(hProcess, pRemote, 0, MEM_RELEASE);
    pt = {rc.left + 2, (rc.top + rc.bottom) / 2};
    return bOk && ::ClientToScreen(hTree, &pt);
}

// Power ON, a burst of changes, the device menu, Power OFF; a phase that
// failed is left at 0 s.
struct SRound {
    SPhase on, burst, menu, off;
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
    auto command = [hMain](UINT nCommand) { return [=] { ::PostMessageA(hMain, WM_COMMAND, nCommand, 0); }; };
    auto holds = [hTree](UINT nItems) {
        return [=](double fLeft, bool& bDone) { return TreeHolds(hTree, nItems, fLeft, bDone); };
    };
    ::Sleep((DWORD)(kSettleSeconds * 1000));
    round.on = Phase(hMain, command(kPowerOn), holds(kGroupItems + nDevices));
    HWND hCmdLine = FindChildById(hMain, kCmdLineEdit);
    if (round.on.fSeconds > 0 && hCmdLine) {
        ::Sleep((DWORD)(kSettleSeconds * 1000));
        ::SendMessageTimeoutA(hCmdLine, WM_SETTEXT, 0, (LPARAM)"devburst", SMTO_NORMAL, 30000, nullptr);
        round.burst = Phase(hMain, command(kCmdLineSend), holds(kGroupItems + nDevices + 1));
    }
    POINT pt;
    if (round.burst.fSeconds > 0 && FirstTerminalPoint(child.pi.hProcess, hTree, pt)) {
        ::Sleep((DWORD)(kSettleSeconds * 1000));
        HWND hMenu = nullptr;
        round.menu = Phase(
            hMain, [&] { ::PostMessageA(hTree, WM_CONTEXTMENU, (WPARAM)hTree, MAKELPARAM(pt.x, pt.y)); },
            [&](double, bool& bDone) {
                hMenu = FindTopWindow(child.pi.dwProcessId, "#32768");
                bDone = hMenu && ::IsWindowVisible(hMenu);
                return true;
            });
        if (hMenu) {
            ::PostMessageA(hMenu, WM_KEYDOWN, VK_ESCAPE, 0);
            ::PostMessageA(hMenu, WM_KEYUP, VK_ESCAPE, 0);
            for (double t = Now(); ::IsWindowVisible(hMenu) && Now() - t < 5;)
                ::Sleep(5);
        }
    }
    if (round.menu.fSeconds > 0) {
        ::Sleep((DWORD)(kSettleSeconds * 1000));
        round.off = Phase(hMain, command(kPowerOff), holds(kGroupItems));
    }
    child.Close(hMain, 60000);
    return round;
}

// The figures of one program over the rounds.
struct SSeries {
    const char* pszName;
    std::string strExe;
    std::string strDir;
    // Per phase: the seconds and the longest answers (ms) of the rounds.
    std::vector<double> seconds[4], longest[4];
    bool bFailed = false;

    void Run(int nDevices)
    {
        SRound r = RunOnce(strExe, strDir, nDevices);
        const SPhase* phases[4] = {&r.on, &r.burst, &r.menu, &r.off};
        bool bOk = r.off.fSeconds > 0;
        std::printf("  %s%s\n", pszName, bOk ? "" : " (FAILED)");
        for (int i = 0; i < 4; ++i)
            std::printf("    %s %s\n", kPhaseNames[i], phases[i]->Text().c_str());
        if (!bOk) {
            bFailed = true;
            return;
        }
        for (int i = 0; i < 4; ++i) {
            seconds[i].push_back(phases[i]->fSeconds);
            // An unanswered probe counts as its 30 s.
            longest[i].push_back(phases[i]->bUnanswered ? 30000 : phases[i]->fLongestMs);
        }
    }

    void Summary() const
    {
        std::printf("  %s (%zu rounds):\n", pszName, seconds[0].size());
        for (int i = 0; i < 4; ++i)
            std::printf("    %s %s s, longest answer %s ms\n", kPhaseNames[i],
                        FormatSpread(Spread(seconds[i]), "%.3f").c_str(), FormatSpread(Spread(longest[i]), "%.1f").c_str());
    }
};

}  // namespace

int main(int argc, char** argv)
{
    SArgs args = ParseArgs(argc, argv);
    int nDevices = (int)args.Number(0, 2000);
    int nRuns = (int)args.Number(1, 3);
    if (args.bBad || nDevices < kBurstChanges || nDevices > 60000 || nRuns <= 0) {
        std::printf("usage: devlist_bench.exe [devices] [rounds] [--beside OTHER\\VornGUI.exe]\n");
        return 2;
    }
    std::string strDir = MakeWorkDir("devlist_bench");
    std::vector<int> devnums;
    std::string strConfig =
        "# MaxShutdownSecs: 30\r\nNUMCPU 1\r\nMAINSIZE 64\r\n" + DeviceStatements(nDevices, &devnums);
    // VornGUI.exe hands the variable on to the emulator it starts.
    std::string strScript = strDir + "emulator.txt";
    WriteText(strScript, EmulatorScript(devnums));
    ::SetEnvironmentVariableA("VORNEMU_SCRIPT", strScript.c_str());
    std::vector<SSeries> programs;
    programs.push_back({"VornGUI.exe", ProgramDir() + "VornGUI.exe", strDir + "program\\"});
    if (!args.strBeside.empty())
        programs.push_back({"beside", args.strBeside, strDir + "beside\\"});
    // Each program has a folder of its own: its settings, configuration and logs.
    for (const SSeries& series : programs) {
        ::CreateDirectoryA(series.strDir.c_str(), nullptr);
        WriteText(series.strDir + "devlist.cnf", strConfig);
    }
    CProbe cadence;
    std::printf("devlist_bench: %d devices, %d rounds of VornGUI.exe%s, each started, powered on, given a burst of "
                "changes, its device menu opened and closed, powered off; probe: "
                "WM_NULL every %lu ms, during each phase and %.2f s after it\n",
                nDevices, nRuns, args.strBeside.empty() ? "" : (", then " + args.strBeside).c_str(),
                cadence.CadenceMs(), kTailSeconds);
    return RunRounds(programs, nRuns, strDir, [&](SSeries& s, int) { s.Run(nDevices); });
}
