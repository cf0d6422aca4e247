// StartupBench.cpp: startup_bench.exe, how long VornGUI.exe takes to show its
// main window, beside a plain window (plain_window.exe), both started by
// this program in the same prefix and on the same display, alternating.
// For each start it reports the time from CreateProcess until the main
// window is visible ("shown"), and until it answers promptly after that
// ("answering"): a 5-ms probe asks the window WM_NULL for the first second
// after it shows, and the window answers from the end of the last answer
// that took over 50 ms, or from its first answer when none did; the longest
// answer of that second is reported too. Then the window is closed and the
// process awaited. VornGUI.exe starts with a settings file of its own that
// names the required folders and with the emulator stand-in as its
// emulator, so that it asks nothing, without a configuration; the first
// start of each program is a warm-up (it also writes the docking layout
// that the later starts restore) and is not counted.
//
// usage: startup_bench.exe [runs] [--beside OTHER\VornGUI.exe]   (default 7
// rounds; run it beside VornGUI.exe, vornemu.exe and plain_window.exe). With
// --beside, another build of the program starts in each round as well.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchSupport.h"

namespace {

using namespace bench;

struct SStart {
    bool bOk = false;
    double fShown = 0, fAnswering = 0;   // seconds from launch
    double fLongestMs = 0;               // the longest answer in the first second after shown
};

// How long the probe asks after the window shows.
const double kProbeSeconds = 1.0;

SStart StartOnce(const std::string& strCommand, const char* pszClass, const std::string& strDir)
{
    SStart start;
    SChild child;
    if (!child.Start(strCommand, strDir))
        return start;
    HWND hMain = nullptr;
    while (Now() - child.tLaunch < 60) {
        if (::WaitForSingleObject(child.pi.hProcess, 1) == WAIT_OBJECT_0)
            return start;
        if (!hMain)
            hMain = FindTopWindow(child.pi.dwProcessId, pszClass);
        if (hMain && ::IsWindowVisible(hMain)) {
            start.fShown = Now() - child.tLaunch;
            break;
        }
    }
    if (start.fShown == 0)
        return start;
    CProbe probe;
    probe.Measure(true);
    probe.Start(hMain);
    double tShown = child.tLaunch + start.fShown;
    while (Now() - tShown < kProbeSeconds)
        if (::WaitForSingleObject(child.pi.hProcess, 5) == WAIT_OBJECT_0)
            break;
    probe.Measure(false);
    probe.Stop();
    CProbe::SResult r = probe.Result();
    if (r.bFailed || r.nAsks == 0)
        return start;
    start.fAnswering = (r.tLastOver50End > 0 ? r.tLastOver50End : r.tFirstAnswer) - child.tLaunch;
    start.fLongestMs = r.fLongestMs;
    child.Close(hMain, 60000);
    start.bOk = true;
    return start;
}

}  // namespace

int main(int argc, char** argv)
{
    SArgs args = ParseArgs(argc, argv);
    int nRuns = (int)args.Number(0, 7);
    if (args.bBad || nRuns <= 0) {
        std::printf("usage: startup_bench.exe [runs] [--beside OTHER\\VornGUI.exe]\n");
        return 2;
    }
    std::string strDir = MakeWorkDir("startup_bench");
    std::string strLogDir = strDir + "logs\\";
    ::CreateDirectoryA(strLogDir.c_str(), nullptr);
    std::string strIni = WriteProgramIni(strDir, strLogDir);
    struct SSeries {
        const char* pszName;
        std::string strCommand;
        const char* pszClass;
        std::vector<double> shown, answering, longest, ratio;
    };
    std::vector<SSeries> series;
    series.push_back({"VornGUI.exe", "\"" + ProgramDir() + "VornGUI.exe\" -e vornemu.exe -i \"" + strIni + "\"",
                      "VornGUIMainFrame"});
    if (!args.strBeside.empty())
        series.push_back({"beside", "\"" + args.strBeside + "\" -e vornemu.exe -i \"" + strIni + "\"", "VornGUIMainFrame"});
    series.push_back({"plain window", "\"" + ProgramDir() + "plain_window.exe\"", "VornPlainWindow"});

    std::printf("startup_bench: %d rounds of VornGUI.exe%s and plain_window.exe, after one warm-up start of each\n",
                nRuns, args.strBeside.empty() ? "" : (", " + args.strBeside).c_str());
    std::printf("load average before: %s\n", LoadAverage().c_str());
    for (SSeries& s : series)
        StartOnce(s.strCommand, s.pszClass, strDir);
    bool bFailed = false;
    for (int i = 0; i < nRuns; ++i) {
        std::printf("round %d:", i + 1);
        std::vector<SStart> starts;
        for (SSeries& s : series) {
            starts.push_back(StartOnce(s.strCommand, s.pszClass, strDir));
            std::printf("  %s shown %.3f s, answering %.3f s, longest answer %.0f ms;", s.pszName,
                        starts.back().fShown, starts.back().fAnswering, starts.back().fLongestMs);
        }
        std::printf("\n");
        const SStart& plain = starts.back();
        for (size_t j = 0; j < series.size(); ++j) {
            if (!starts[j].bOk || !plain.bOk) {
                bFailed = true;
                continue;
            }
            series[j].shown.push_back(starts[j].fShown);
            series[j].answering.push_back(starts[j].fAnswering);
            series[j].longest.push_back(starts[j].fLongestMs);
            series[j].ratio.push_back(starts[j].fShown / plain.fShown);
        }
    }
    std::printf("load average after: %s\n", LoadAverage().c_str());
    std::printf("summary, median (range):\n");
    for (const SSeries& s : series)
        std::printf("  %-12s shown %s s, answering %s s, longest answer %s ms; shown / plain window shown in the "
                    "same round: %s\n",
                    s.pszName, FormatSpread(Spread(s.shown), "%.3f").c_str(),
                    FormatSpread(Spread(s.answering), "%.3f").c_str(), FormatSpread(Spread(s.longest), "%.0f").c_str(),
                    FormatSpread(Spread(s.ratio), "%.2f").c_str());
    RemoveTree(strDir);
    return bFailed ? 1 : 0;
}
