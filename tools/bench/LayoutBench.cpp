// LayoutBench.cpp: layout_bench.exe, how long the main window of VornGUI.exe
// holds still while it lays its bars out, with every bar shown: Maximize,
// Restore, and OK on the preferences' Status Bar page after a font change
// (the font of the status line and register bars). Each round starts the
// program with a settings file of its own (the required folders, the
// emulator stand-in as its emulator, so that it asks nothing, the bar font
// Tahoma and the preferences opening at the Status Bar page) and no
// configuration, shows every hidden bar through its View command, gives the
// window its restored size of 1000 by 760, then takes the three actions as a
// user would (the caption's commands; the page's Font button, a size in the
// font dialog, its OK and the preferences' OK), the font alternating between
// 14 and 10 points. A 5-ms probe (BenchSupport.h) asks the main window
// WM_NULL from each action until a second after it is done; the longest
// answer and the number of answers over 50 ms are reported.
//
// usage: layout_bench.exe [runs] [--beside OTHER\VornGUI.exe]   (default 5
// rounds; run it beside VornGUI.exe and vornemu.exe). With --beside, another
// build of the program runs in each round as well, with a settings file of
// its own.
#include <windows.h>
#include <dlgs.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "resource.h"

namespace {

using namespace bench;

const char kMainClass[] = "VornGUIMainFrame";
const double kTailSeconds = 1.0;   // the probe goes on this long after an action is done
const double kWaitSeconds = 60.0;  // an action not done by then failed

const char* const kActions[] = {"Maximize", "Restore", "font change"};
const int kActionCount = 3;

// Polls until done() or kWaitSeconds; false on time-out or when the
// program ended.
bool WaitFor(const SChild& child, const std::function<bool()>& done)
{
    return bench::WaitFor(child, kWaitSeconds, done);
}

// One action, probed from its start until kTailSeconds after done().
using SAction = SProbedAction;

SAction Probe(const SChild& child, CProbe& probe, const std::function<void()>& act,
              const std::function<bool()>& done)
{
    return ProbeAction(child, probe, kWaitSeconds, kTailSeconds, act, done);
}

// Opens the preferences (at the Status Bar page), chooses nPoints in the
// font dialog of its Font button, and probes the preferences' OK.
SAction ChangeFont(const SChild& child, HWND hMain, CProbe& probe, int nPoints)
{
    const DWORD dwPid = child.pi.dwProcessId;
    HWND hPrefs = nullptr, hFont = nullptr, hButton = nullptr;
    ::PostMessageA(hMain, WM_COMMAND, ID_EDIT_PREFERENCES, 0);
    if (!WaitFor(child, [&] {
            hPrefs = FindTopWindow(dwPid, "#32770", IDC_PREF_FONT);
            hButton = hPrefs ? FindChildById(hPrefs, IDC_PREF_FONT, true) : nullptr;
            return hButton != nullptr;
        })) {
        std::printf("  the preferences did not open at the Status Bar page\n");
        return SAction();
    }
    ::PostMessageA(::GetParent(hButton), WM_COMMAND, MAKEWPARAM(IDC_PREF_FONT, BN_CLICKED), (LPARAM)hButton);
    if (!WaitFor(child, [&] {
            hFont = FindTopWindow(dwPid, "#32770", cmb3);
            return hFont && ::IsWindowVisible(hFont);
        })) {
        std::printf("  the font dialog did not open\n");
        return SAction();
    }
    // The size by the point size each item of the list carries.
    HWND hSize = ::GetDlgItem(hFont, cmb3);
    const int nCount = (int)::SendMessageA(hSize, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < nCount; ++i) {
        if (LOWORD(::SendMessageA(hSize, CB_GETITEMDATA, (WPARAM)i, 0)) != nPoints)
            continue;
        ::SendMessageA(hSize, CB_SETCURSEL, (WPARAM)i, 0);
        ::SendMessageA(hFont, WM_COMMAND, MAKEWPARAM(cmb3, CBN_SELCHANGE), (LPARAM)hSize);
        break;
    }
    ::PostMessageA(hFont, WM_COMMAND, IDOK, 0);
    if (!WaitFor(child, [&] { return !::IsWindow(hFont); })) {
        std::printf("  the font dialog did not close\n");
        return SAction();
    }
    return Probe(child, probe, [&] { ::PostMessageA(hPrefs, WM_COMMAND, IDOK, 0); },
                 [&] { return !::IsWindow(hPrefs); });
}

// One round of one program: its three actions; empty when it failed.
std::vector<SAction> RunOnce(const std::string& strExe, const std::string& strIni, const std::string& strDir,
                             int nPoints)
{
    SChild child;
    if (!child.Start("\"" + strExe + "\" -e vornemu.exe -i \"" + strIni + "\"", strDir))
        return {};
    HWND hMain = nullptr;
    // Shown, every bar with it, and the splash screen gone.
    bool bReady = WaitFor(child, [&] {
        hMain = FindTopWindow(child.pi.dwProcessId, kMainClass);
        return hMain && ::IsWindowVisible(hMain);
    });
    if (bReady && ::IsZoomed(hMain))
        ::SendMessageA(hMain, WM_SYSCOMMAND, SC_RESTORE, 0);
    if (bReady) {
        ::SetWindowPos(hMain, nullptr, 0, 0, 1000, 760, SWP_NOZORDER | SWP_NOACTIVATE);
        ShowEveryBar(hMain);
        bReady = WaitFor(child, [&] {
            HWND hOther = nullptr;
            for (HWND h = ::GetTopWindow(nullptr); h && !hOther; h = ::GetWindow(h, GW_HWNDNEXT)) {
                DWORD dwPid = 0;
                ::GetWindowThreadProcessId(h, &dwPid);
                if (dwPid == child.pi.dwProcessId && h != hMain && ::IsWindowVisible(h))
                    hOther = h;
            }
            return !hOther && EveryBarShown(hMain);
        });
    }
    if (!bReady) {
        std::printf("  %s: not ready with every bar shown within %.0f s\n", strExe.c_str(), kWaitSeconds);
        return {};
    }
    // The bars' dialogs made while the window settles.
    ::WaitForSingleObject(child.pi.hProcess, 2000);
    CProbe probe;
    probe.Start(hMain);
    std::vector<SAction> actions;
    actions.push_back(Probe(child, probe, [&] { ::PostMessageA(hMain, WM_SYSCOMMAND, SC_MAXIMIZE, 0); },
                            [&] { return ::IsZoomed(hMain) != FALSE; }));
    actions.push_back(Probe(child, probe, [&] { ::PostMessageA(hMain, WM_SYSCOMMAND, SC_RESTORE, 0); },
                            [&] { return !::IsZoomed(hMain); }));
    actions.push_back(ChangeFont(child, hMain, probe, nPoints));
    probe.Stop();
    child.Close(hMain, 60000);
    for (int i = 0; i < kActionCount; ++i) {
        if (!actions[(size_t)i].bOk) {
            std::printf("  %s: not done within %.0f s\n", kActions[i], kWaitSeconds);
            return {};
        }
    }
    return actions;
}

// The figures of one program over the rounds.
struct SSeries {
    const char* pszName;
    std::string strExe, strIni;
    std::vector<double> longest[kActionCount];
    long nOver50[kActionCount] = {}, nAsks[kActionCount] = {};
    bool bFailed = false;

    void Run(const std::string& strDir, int nPoints)
    {
        std::vector<SAction> actions = RunOnce(strExe, strIni, strDir, nPoints);
        if (actions.empty()) {
            std::printf("  %-12s failed\n", pszName);
            bFailed = true;
            return;
        }
        std::printf("  %-12s", pszName);
        for (int i = 0; i < kActionCount; ++i) {
            const CProbe::SResult& p = actions[(size_t)i].probe;
            std::printf("  %s: longest %.1f ms, %ld of %ld answers over 50 ms;", kActions[i], p.fLongestMs,
                        p.nOver50, p.nAsks);
            longest[i].push_back(p.fLongestMs);
            nOver50[i] += p.nOver50;
            nAsks[i] += p.nAsks;
        }
        std::printf("\n");
    }

    void Summary() const
    {
        std::printf("  %s (%zu runs):\n", pszName, longest[0].size());
        for (int i = 0; i < kActionCount; ++i)
            std::printf("    %-12s longest answer %s ms; %ld of %ld answers over 50 ms\n", kActions[i],
                        FormatSpread(Spread(longest[i]), "%.1f").c_str(), nOver50[i], nAsks[i]);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    SArgs args = ParseArgs(argc, argv);
    int nRuns = (int)args.Number(0, 5);
    if (args.bBad || nRuns <= 0) {
        std::printf("usage: layout_bench.exe [runs] [--beside OTHER\\VornGUI.exe]\n");
        return 2;
    }
    std::string strDir = MakeWorkDir("layout_bench");
    std::vector<SSeries> series;
    series.push_back({"VornGUI.exe", ProgramDir() + "VornGUI.exe"});
    if (!args.strBeside.empty())
        series.push_back({"beside", args.strBeside});
    for (size_t i = 0; i < series.size(); ++i) {
        std::string strOwn = strDir + std::to_string(i) + "\\";
        ::CreateDirectoryA(strOwn.c_str(), nullptr);
        std::string strLogDir = strOwn + "logs\\";
        ::CreateDirectoryA(strLogDir.c_str(), nullptr);
        series[i].strIni =
            WriteProgramIni(strOwn, strLogDir, "[Settings]\r\nStatusFontName=Tahoma\r\nStatusFontSize=10\r\n"
                                               "PrevPrefPage=11\r\n");
    }
    CProbe cadence;
    std::printf("layout_bench: %d rounds of VornGUI.exe%s with every bar shown, restored at 1000 x 760: Maximize, "
                "Restore, OK after a bar font change; probe: WM_NULL every %lu ms from each action until %.1f s "
                "after it is done\n",
                nRuns, args.strBeside.empty() ? "" : (", then " + args.strBeside).c_str(), cadence.CadenceMs(),
                kTailSeconds);
    return RunRounds(series, nRuns, strDir, [&](SSeries& s, int i) { s.Run(strDir, i % 2 ? 10 : 14); });
}
