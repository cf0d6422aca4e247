// PaintProbe.h: how long the bars of VornGUI.exe's main window stay
// unpainted. A thread of the benchmark looks every few milliseconds at the
// update regions of each shown bar's window and of the dialog that fills
// it: what the system has still to paint there (erased or invalidated, and
// not yet painted by its WM_PAINT), as after the bar was erased or laid out
// again. A bar counts as unpainted from the first look that finds one of
// them waiting until the first look that finds neither, or that finds part
// of what waited at the look before gone from its region (painted, or cut
// off by a window made smaller, which is laid out and so invalidated anew):
// a window painted between two looks and invalidated again in part waits
// anew from the second. (One invalidated again as a whole between two looks
// is not told from one that waited throughout.) The longest such time of
// any bar while measuring is the figure; the longest time between two looks
// says how exact it is. (Each look is a server call per window, which a
// flood makes slow: the controls' own waits for new values are not looked
// at, so that the looks stay frequent.) The bars are found among the
// children of the main window's dock bars, every half second until the
// measuring starts and once as it starts: a search of every descendant of
// the window for each bar asked the server thousands of times, and held the
// looks up for a quarter of a second and more every half second.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace bench {

class CPaintProbe {
public:
    struct SResult {
        double fLongestMs = 0;   // the longest time any bar stayed unpainted
        std::string strBar;      // which bar that was
        long nLooks = 0;         // looks at every bar while measuring
        double fLookMs = 0;      // the mean time between looks
        double fLongestLookMs = 0;  // the longest time between two looks
        int nBars = 0;           // bars shown at the last listing
    };
    CPaintProbe() = default;
    CPaintProbe(const CPaintProbe&) = delete;
    CPaintProbe& operator=(const CPaintProbe&) = delete;
    ~CPaintProbe() { Stop(); }
    void Start(HWND hMain);
    // Starts or ends the measuring (again and again: a start while measuring
    // does nothing); returns once the probe's thread has taken it (or has
    // ended). A bar still waiting at the end counts until then.
    void Measure(bool bOn);
    void Stop();
    SResult Result();

private:
    struct SWindow {
        HWND h;
        HRGN hWaiting;  // its update region at the last look (owned)
    };
    struct SBar {
        const char* pszTitle;
        std::vector<SWindow> windows;  // the bar and its dialog
        double tUnpainted = 0;         // since when it waits; 0: painted
    };
    void Run(HWND hMain);
    void ListBars(HWND hMain);
    void FreeBars(std::vector<SBar>& bars);
    // Looks at the bar's windows: whether one waits, and whether part of
    // what waited at the last look has been painted since.
    void Look(SBar& bar, bool& bWaits, bool& bPainted);
    // The measuring asked for starts or ends now.
    void TakeMeasuring(double tNow, HWND hMain);
    void Close(SBar& bar, double tNow);

    std::thread m_thread;
    std::atomic<bool> m_bStop{false}, m_bDone{false};
    std::atomic<bool> m_bWantMeasure{false};  // asked by Measure
    std::atomic<bool> m_bMeasure{false};      // as the thread measures
    std::mutex m_lock;  // guards m_result
    std::vector<SBar> m_bars;
    HRGN m_hNow = nullptr;  // the region of the look under way
    double m_tMeasureStart = 0;
    SResult m_result;
};

}  // namespace bench
