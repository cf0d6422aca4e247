// SysCfgBench.cpp: syscfg_bench.exe, the system configuration dialog of
// VornGUI.exe at real sizes. Each round starts the program with a settings
// file of its own (the required folders, the emulator stand-in as its
// emulator so that it asks nothing, and a configuration of N devices of
// every class as its recent file; BenchSupport.h's DeviceStatements) and
// takes, as a user would, through the program's own windows:
//   first open  the recent file from the File menu: the configuration is
//               read and the dialog opens on it;
//   Cancel      the dialog's Cancel at once, while it makes its other
//               pages, until the main window answers again;
//   open        "Configure Devices": the dialog at its Devices page, until
//               the page's list holds every device;
//   settling    the two seconds after, in which the dialog makes its other
//               pages (no time of its own: only the longest answer counts);
//   select      a click on a line of the list;
//   remove      Remove with a range of 250 lines selected (a click and a
//               shift-click), until the list holds 250 lines fewer;
//   add         the OK of the Console button's dialog, until the new line
//               is in the list;
//   edit        the OK of the dialog a double click on that line opens;
//   OK          the dialog's OK, until the main window answers again.
// Each step is timed from the input until its effect can be seen from
// outside (asked with SendMessageTimeout, so only once the program is back
// in its loop), and a 5-ms probe (BenchSupport.h) asks the main window
// WM_NULL from the input until a quarter of a second after it: the longest
// answer is how long the program held still. The program is ended then.
//
// usage: syscfg_bench.exe [devices] [rounds] [--beside OTHER\VornGUI.exe]
// (default 2000 devices, 5 rounds; run it beside VornGUI.exe and
// vornemu.exe). With --beside, another build of the program runs in each
// round after this one, so that two builds meet the same load. Everything
// it writes goes to a folder of its own under the temporary folder, removed
// afterwards.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "resource.h"

namespace {

using namespace bench;

const char kMainClass[] = "VornGUIMainFrame";
const char kDialogClass[] = "#32770";
const UINT kConfigureDevices = 33095;  // Configuration > "Configure Devices..."
const UINT kFirstRecentFile = 0xE110;  // the recent-file list's first entry
const int kRange = 250;                // the lines removed at once
const double kTailSeconds = 0.25;      // the probe goes on this long after a step
const double kWaitSeconds = 120.0;     // a step not done by then failed
const DWORD kAskMs = 60000;            // the longest wait for one answer from outside

const char* const kSteps[] = {"first open", "Cancel", "open", "settling", "select", "remove", "add", "edit", "OK"};
enum { kFirstOpen, kCancel, kOpen, kSettling, kSelect, kRemove, kAdd, kEdit, kOk, kStepCount };
const DWORD kSettlingMs = 2000;

// One message sent to a window of the program; -1 when it did not answer.
LRESULT Ask(HWND hWnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0)
{
    DWORD_PTR r = 0;
    if (!::SendMessageTimeoutA(hWnd, msg, wp, lp, SMTO_NORMAL, kAskMs, &r))
        return -1;
    return (LRESULT)r;
}

// Polls until done() or kWaitSeconds (BenchSupport.h).
bool WaitFor(const SChild& child, const std::function<bool()>& done)
{
    return bench::WaitFor(child, kWaitSeconds, done);
}

// A visible top-level dialog of the program holding a control of that id.
HWND ShownDialogWith(const SChild& child, int nChildId)
{
    HWND h = FindTopWindow(child.pi.dwProcessId, kDialogClass, nChildId);
    return h && ::IsWindowVisible(h) ? h : nullptr;
}

// A click (bDouble: a double click; nKeys: MK_SHIFT for a shift-click) on
// line nLine of the list, which must be in view.
void ClickLine(HWND hList, int nLine, WPARAM nKeys = 0, bool bDouble = false)
{
    int nTop = (int)Ask(hList, LB_GETTOPINDEX);
    int nHeight = (int)Ask(hList, LB_GETITEMHEIGHT);
    LPARAM lpAt = MAKELPARAM(10, (nLine - nTop) * nHeight + nHeight / 2);
    ::PostMessageA(hList, bDouble ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON | nKeys, lpAt);
    ::PostMessageA(hList, WM_LBUTTONUP, nKeys, lpAt);
}

// A button of a dialog pressed: what the button tells its parent.
void PressButton(HWND hParent, int nId)
{
    ::PostMessageA(hParent, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), (LPARAM)::GetDlgItem(hParent, nId));
}

// One step: the seconds from its input until done(), and the probe's
// longest answer from the input until kTailSeconds after.
SProbedAction Step(const SChild& child, CProbe& probe, const std::function<void()>& act,
                   const std::function<bool()>& done)
{
    return ProbeAction(child, probe, kWaitSeconds, kTailSeconds, act, done);
}

// The device dialog a button or a double click opened, pressed OK as the
// step's input; done when it is gone and the list holds nLines lines.
SProbedAction DeviceDialogOk(const SChild& child, CProbe& probe, HWND hList, int nLines)
{
    HWND hDevice = nullptr;
    if (!WaitFor(child, [&] { return (hDevice = ShownDialogWith(child, IDC_CON_NOPROMPT)) != nullptr; })) {
        std::printf("  the console's dialog did not open\n");
        return SProbedAction();
    }
    return Step(child, probe, [&] { ::PostMessageA(hDevice, WM_COMMAND, IDOK, 0); },
                [&] { return !::IsWindow(hDevice) && Ask(hList, LB_GETCOUNT) == nLines; });
}

// The line the user sees selected after an add: the only one.
int SelectedLine(HWND hList)
{
    int nCount = (int)Ask(hList, LB_GETCOUNT);
    for (int i = 0; i < nCount; ++i)
        if (Ask(hList, LB_GETSEL, (WPARAM)i) > 0)
            return i;
    return -1;
}

// What a step that failed left on the screen: the program's visible
// top-level windows, by class and title.
void PrintShownWindows(const SChild& child)
{
    for (HWND h = ::GetTopWindow(nullptr); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        DWORD dwPid = 0;
        ::GetWindowThreadProcessId(h, &dwPid);
        if (dwPid != child.pi.dwProcessId || !::IsWindowVisible(h))
            continue;
        char szClass[64] = "", szTitle[128] = "";
        ::GetClassNameA(h, szClass, sizeof szClass);
        ::GetWindowTextA(h, szTitle, sizeof szTitle);
        std::printf("    shown: %s \"%s\"\n", szClass, szTitle);
        if (HWND hCaption = FindChildById(h, IDC_SETTINGS_CAPTION)) {
            ::GetWindowTextA(hCaption, szTitle, sizeof szTitle);
            std::printf("      at the page \"%s\"\n", szTitle);
        }
    }
}

// One round of one program: its steps; empty when one failed.
std::vector<SProbedAction> RunOnce(const std::string& strExe, const std::string& strIni, const std::string& strDir,
                           int nDevices)
{
    SChild child;
    if (!child.Start("\"" + strExe + "\" -e vornemu.exe -i \"" + strIni + "\"", strDir))
        return {};
    HWND hMain = nullptr;
    if (!WaitFor(child, [&] {
            hMain = FindTopWindow(child.pi.dwProcessId, kMainClass);
            return hMain && ::IsWindowVisible(hMain);
        })) {
        std::printf("  %s: no main window within %.0f s\n", strExe.c_str(), kWaitSeconds);
        return {};
    }
    // The splash screen goes and the bars settle.
    ::WaitForSingleObject(child.pi.hProcess, 2000);
    CProbe probe;
    probe.Start(hMain);
    std::vector<SProbedAction> steps;
    HWND hDlg = nullptr, hPage = nullptr, hList = nullptr;
    int nLines = nDevices;
    auto Failed = [&](const char* pszWhat) {
        std::printf("  %s: %s\n", strExe.c_str(), pszWhat);
        PrintShownWindows(child);
        probe.Stop();
        return std::vector<SProbedAction>();
    };

    steps.push_back(Step(child, probe, [&] { ::PostMessageA(hMain, WM_COMMAND, kFirstRecentFile, 0); },
                         [&] {
                             hDlg = ShownDialogWith(child, IDC_SETTINGS_TREE);
                             return hDlg && Ask(hDlg, WM_NULL) == 0;
                         }));
    if (!steps.back().bOk)
        return Failed("the dialog did not open on the recent file");
    steps.push_back(Step(child, probe, [&] { ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0); },
                         [&] { return !::IsWindow(hDlg) && Ask(hMain, WM_NULL) == 0; }));
    if (!steps.back().bOk)
        return Failed("the dialog did not close on Cancel");

    steps.push_back(Step(child, probe, [&] { ::PostMessageA(hMain, WM_COMMAND, kConfigureDevices, 0); }, [&] {
        hDlg = hList ? hDlg : ShownDialogWith(child, IDC_DEVICES_LIST);
        hList = hList ? hList : hDlg ? FindChildById(hDlg, IDC_DEVICES_LIST, true) : nullptr;
        return hList && Ask(hList, LB_GETCOUNT) == nLines;
    }));
    if (!steps.back().bOk)
        return Failed("the Devices page did not show every device");
    hPage = ::GetParent(hList);
    HWND hRemove = ::GetDlgItem(hPage, IDC_DEVICES_REMOVE);
    steps.push_back(Step(child, probe, [&] { ::WaitForSingleObject(child.pi.hProcess, kSettlingMs); },
                         [] { return true; }));

    const int nClicked = (int)Ask(hList, LB_GETTOPINDEX) + 3;
    steps.push_back(Step(child, probe, [&] { ClickLine(hList, nClicked); },
                         [&] { return Ask(hList, LB_GETSEL, (WPARAM)nClicked) > 0 && ::IsWindowEnabled(hRemove); }));

    // The range: a click on its first line, the list scrolled, a shift-click
    // on its last; then Remove.
    const int nFirst = nLines - 2 * kRange;
    // A message sent goes before those posted: the click must be taken
    // before the list scrolls.
    Ask(hList, LB_SETTOPINDEX, (WPARAM)nFirst);
    ClickLine(hList, nFirst);
    if (!WaitFor(child,
                 [&] { return Ask(hList, LB_GETSELCOUNT) == 1 && Ask(hList, LB_GETSEL, (WPARAM)nFirst) > 0; }))
        return Failed("the range's first line was not selected");
    Ask(hList, LB_SETTOPINDEX, (WPARAM)(nFirst + kRange - 5));
    ClickLine(hList, nFirst + kRange - 1, MK_SHIFT);
    if (!WaitFor(child, [&] { return Ask(hList, LB_GETSELCOUNT) == kRange; }))
        return Failed("the range was not selected");
    nLines -= kRange;
    steps.push_back(Step(child, probe, [&] { PressButton(hPage, IDC_DEVICES_REMOVE); },
                         [&] { return Ask(hList, LB_GETCOUNT) == nLines; }));

    PressButton(hPage, IDC_DEVICES_CONSOLE);
    steps.push_back(DeviceDialogOk(child, probe, hList, ++nLines));
    if (!steps.back().bOk)
        return Failed("the console was not added");

    int nNew = SelectedLine(hList);
    Ask(hList, LB_SETTOPINDEX, (WPARAM)nNew);
    ClickLine(hList, nNew, 0, true);
    steps.push_back(DeviceDialogOk(child, probe, hList, nLines));
    if (!steps.back().bOk)
        return Failed("the console was not edited");

    steps.push_back(Step(child, probe, [&] { ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0); },
                         [&] { return !::IsWindow(hDlg) && Ask(hMain, WM_NULL) == 0; }));
    probe.Stop();
    for (int i = 0; i < kStepCount; ++i)
        if (!steps[(size_t)i].bOk)
            return Failed((std::string(kSteps[i]) + ": not done").c_str());
    // The configuration is modified: the program would ask to save it.
    ::TerminateProcess(child.pi.hProcess, 0);
    return steps;
}

// The figures of one program over the rounds.
struct SSeries {
    const char* pszName;
    std::string strExe, strDir, strIni;
    std::vector<double> seconds[kStepCount], longest[kStepCount];
    bool bFailed = false;

    void Run(int nDevices)
    {
        std::vector<SProbedAction> steps = RunOnce(strExe, strIni, strDir, nDevices);
        if (steps.empty()) {
            std::printf("  %-12s failed\n", pszName);
            bFailed = true;
            return;
        }
        std::printf("  %-12s", pszName);
        for (int i = 0; i < kStepCount; ++i) {
            const SProbedAction& s = steps[(size_t)i];
            std::printf(" %s %.0f ms (longest answer %.0f ms);", kSteps[i], s.fSeconds * 1000, s.probe.fLongestMs);
            seconds[i].push_back(s.fSeconds * 1000);
            longest[i].push_back(s.probe.fLongestMs);
        }
        std::printf("\n");
    }

    void Summary() const
    {
        std::printf("  %s (%zu rounds):\n", pszName, seconds[0].size());
        for (int i = 0; i < kStepCount; ++i)
            std::printf("    %-11s %s ms, longest answer %s ms\n", kSteps[i],
                        FormatSpread(Spread(seconds[i]), "%.0f").c_str(),
                        FormatSpread(Spread(longest[i]), "%.0f").c_str());
    }
};

}  // namespace

int main(int argc, char** argv)
{
    SArgs args = ParseArgs(argc, argv);
    int nDevices = (int)args.Number(0, 2000);
    int nRuns = (int)args.Number(1, 5);
    if (args.bBad || nDevices < 2 * kRange || nDevices > 60000 || nRuns <= 0) {
        std::printf("usage: syscfg_bench.exe [devices (%d or more)] [rounds] [--beside OTHER\\VornGUI.exe]\n",
                    2 * kRange);
        return 2;
    }
    std::string strDir = MakeWorkDir("syscfg_bench");
    std::vector<SSeries> series;
    series.push_back({"VornGUI.exe", ProgramDir() + "VornGUI.exe", strDir + "program\\"});
    if (!args.strBeside.empty())
        series.push_back({"beside", args.strBeside, strDir + "beside\\"});
    // Each program has a folder of its own: its settings, configuration and logs.
    // Every page passes its checks: the dialog's OK goes through.
    std::string strConfig =
        "CPUSERIAL 000611\r\nCPUMODEL 2094\r\nNUMCPU 1\r\nMAINSIZE 64\r\n" + DeviceStatements(nDevices);
    for (SSeries& s : series) {
        ::CreateDirectoryA(s.strDir.c_str(), nullptr);
        std::string strLogDir = s.strDir + "logs\\";
        ::CreateDirectoryA(strLogDir.c_str(), nullptr);
        WriteText(s.strDir + "syscfg.cnf", strConfig);
        s.strIni = WriteProgramIni(s.strDir, strLogDir, "[Recent File List]\r\nFile1=" + s.strDir + "syscfg.cnf\r\n");
    }
    CProbe cadence;
    std::printf("syscfg_bench: %d devices, %d rounds of VornGUI.exe%s: the system configuration dialog opened, a "
                "line selected, %d removed, a console added and edited, OK; probe: WM_NULL every %lu ms from each "
                "step until %.2f s after it\n",
                nDevices, nRuns, args.strBeside.empty() ? "" : (", then " + args.strBeside).c_str(), kRange,
                cadence.CadenceMs(), kTailSeconds);
    return RunRounds(series, nRuns, strDir, [&](SSeries& s, int) { s.Run(nDevices); });
}
