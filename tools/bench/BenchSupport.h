// BenchSupport.h: what the benchmarks that run VornGUI.exe beside a plain
// window share: clocks and files, starting a program and finding its main
// window, the 5-ms probe of a window, CPU times of the program and of the
// wineserver, the load average, and medians and ranges
// of repeated runs.
//
// The benchmarks run by hand under tools/wine-run.sh, never by ctest. The
// machine they run on is usually shared: every figure is taken several times,
// alternating the program and its baseline, and reported as a median and a
// range beside the load average of the machine.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace bench {

// Seconds on the performance counter.
double Now();
// The folder of this executable, with a trailing backslash.
std::string ProgramDir();
// A new folder under the temporary folder, named after the benchmark and
// this process, with a trailing backslash.
std::string MakeWorkDir(const char* pszName);
bool WriteText(const std::string& strPath, const std::string& strText);
void RemoveTree(const std::string& strDir);

// The settings file that lets VornGUI.exe start without asking for folders:
// executables beside the benchmark, configurations in strDir, logs in
// strLogDir; "PowerOff" 1 (the emulator's end closes the program) unless
// bStayAfterPowerOff; then strMore (more sections) as it is.
std::string WriteProgramIni(const std::string& strDir, const std::string& strLogDir,
                            const std::string& strMore = std::string(), bool bStayAfterPowerOff = false);

// The device statements of a configuration of nDevices devices of every
// class, one statement each, but half of them display terminals in ranges
// of 250 ("0A00.250 3270"), as terminals are usually defined. The devices'
// numbers go to pDevnums when it is given.
std::string DeviceStatements(int nDevices, std::vector<int>* pDevnums = nullptr);

// A started program; the destructor ends it when it still runs.
struct SChild {
    PROCESS_INFORMATION pi = {};
    double tLaunch = 0;
    bool Start(const std::string& strCommand, const std::string& strDir);
    // Closes the main window and waits for the end; terminates it after
    // nWaitMs.
    void Close(HWND hMain, DWORD nWaitMs);
    ~SChild();
};

// The process's top-level window of that class (with nChildId, one that
// holds a window of that id among its children or theirs: a dialog's
// control or a control of one of its pages), or null. Each question is a
// call to the Wine server, which the program waits on too: a few windows
// are asked, not all their descendants.
HWND FindTopWindow(DWORD dwPid, const char* pszClass, int nChildId = 0);
// The first window of that id among hParent's descendants (with bShown,
// the first that is visible), or null.
HWND FindChildById(HWND hParent, int nId, bool bShown = false);

// The main window's fourteen bars: control id, View command (which shows or
// hides the bar) and title.
struct SBenchBar {
    int nBarId;
    UINT nViewCmd;
    const char* pszTitle;
};
extern const SBenchBar kBenchBars[14];
// Posts the View command of every bar of the main window that is hidden.
void ShowEveryBar(HWND hMain);
// Whether every bar of the main window is shown.
bool EveryBarShown(HWND hMain);

// Polls done() every 5 ms; true once it is, false when fSeconds passed or
// the program ended first.
bool WaitFor(const SChild& child, double fSeconds, const std::function<bool()>& done);

// Asks a window WM_NULL with SendMessageTimeout from a thread of its own on
// a fixed cadence (by default every 5 ms: the next question is due 5 ms after
// the previous one was due; one that is overdue goes at once). Answers are
// counted only while measuring.
class CProbe {
public:
    struct SResult {
        long nAsks = 0;          // questions answered while measuring
        double fSeconds = 0;     // time spent measuring
        double fLongestMs = 0;   // the longest answer
        double fMeanMs = 0;
        long nOver20 = 0;        // answers that took more than 20 ms
        long nOver50 = 0;        // ... more than 50 ms
        bool bFailed = false;    // a question went unanswered for 30 s
        double tFirstAnswer = 0;     // Now() when the first answer came
        double tLastOver50End = 0;   // Now() when the last answer over 50 ms came; 0: none
    };
    explicit CProbe(DWORD nCadenceMs = 5) : m_nCadenceMs(nCadenceMs) {}
    ~CProbe() { Stop(); }
    void Start(HWND hWnd);
    void Measure(bool bOn);
    void Stop();
    SResult Result() const { return m_result; }
    DWORD CadenceMs() const { return m_nCadenceMs; }

private:
    void Run(HWND hWnd);
    DWORD m_nCadenceMs;
    std::thread m_thread;
    std::atomic<bool> m_bMeasure{false}, m_bStop{false};
    double m_tMeasureStart = 0;
    double m_fSumMs = 0;
    SResult m_result;
};

// One action probed: act(), then done() awaited for up to fWaitSeconds,
// the probe measuring from the act until fTailSeconds after done().
struct SProbedAction {
    bool bOk = false;        // done() came and every question was answered
    double fSeconds = 0;     // from act() to done()
    CProbe::SResult probe;
};
SProbedAction ProbeAction(const SChild& child, CProbe& probe, double fWaitSeconds, double fTailSeconds,
                          const std::function<void()>& act, const std::function<bool()>& done);

// User plus kernel CPU seconds of a Windows process.
double ProcessCpuSeconds(HANDLE hProcess);
// CPU seconds (user plus system) of the wineserver of this prefix (the one
// whose environment holds this WINEPREFIX), read from /proc through drive Z:;
// -1 when it was not found.
double WineserverCpuSeconds();
// The machine's load average ("20.41 21.02 20.87"), or "unknown".
std::string LoadAverage();

// The command line: numbers in order, and "--beside PATH", another
// VornGUI.exe (an earlier build) that runs in the same rounds, so that two
// builds are compared under the same load.
struct SArgs {
    std::vector<double> numbers;
    std::string strBeside;
    bool bBad = false;
    double Number(size_t i, double fDefault) const { return i < numbers.size() ? numbers[i] : fDefault; }
};
SArgs ParseArgs(int argc, char** argv);

// Median and range of a set of figures.
struct SSpread {
    double fMedian = 0, fMin = 0, fMax = 0;
};
SSpread Spread(std::vector<double> values);
// "median 12.3 (10.1-14.2)" with the given printf format for one figure.
std::string FormatSpread(const SSpread& s, const char* pszFormat);

// The rounds of a benchmark, each running every series in turn (the
// program, then its baseline), between the load averages; then each
// series' summary. Removes the work folder; 1 when a series failed.
template <class Series, class RunRound>
int RunRounds(std::vector<Series>& series, int nRuns, const std::string& strDir, RunRound runRound)
{
    std::printf("load average before: %s\n", LoadAverage().c_str());
    for (int i = 0; i < nRuns; ++i) {
        std::printf("round %d:\n", i + 1);
        for (Series& s : series)
            runRound(s, i);
    }
    std::printf("load average after: %s\n", LoadAverage().c_str());
    std::printf("summary, median (range):\n");
    bool bFailed = false;
    for (const Series& s : series) {
        s.Summary();
        bFailed = bFailed || s.bFailed;
    }
    RemoveTree(strDir);
    return bFailed ? 1 : 0;
}

}  // namespace bench
