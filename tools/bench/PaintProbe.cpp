// PaintProbe.cpp: how long the bars of VornGUI.exe stay unpainted
// (PaintProbe.h).
#include "PaintProbe.h"

#include <algorithm>

#include "BenchSupport.h"

namespace bench {

namespace {

const DWORD kLookMs = 5;           // the pause between two looks
const double kListSeconds = 0.5;   // before the measuring, the bars are listed again this often

// The window's child with that id, among the children of hParent's
// children (a docked bar stands on a dock bar of the main window).
HWND FindGrandchildById(HWND hParent, int nId)
{
    for (HWND hDock = ::GetWindow(hParent, GW_CHILD); hDock; hDock = ::GetWindow(hDock, GW_HWNDNEXT))
        for (HWND h = ::GetWindow(hDock, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
            if (::GetDlgCtrlID(h) == nId)
                return h;
    return nullptr;
}

}  // namespace

void CPaintProbe::Start(HWND hMain)
{
    m_hNow = ::CreateRectRgn(0, 0, 0, 0);
    m_thread = std::thread(&CPaintProbe::Run, this, hMain);
}

void CPaintProbe::Measure(bool bOn)
{
    m_bWantMeasure = bOn;
    while (m_thread.joinable() && !m_bDone && m_bMeasure != bOn)
        ::Sleep(1);
}

void CPaintProbe::Stop()
{
    m_bStop = true;
    if (m_thread.joinable())
        m_thread.join();
    FreeBars(m_bars);
    if (m_hNow)
        ::DeleteObject(m_hNow);
    m_hNow = nullptr;
}

CPaintProbe::SResult CPaintProbe::Result()
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_result;
}

void CPaintProbe::FreeBars(std::vector<SBar>& bars)
{
    for (SBar& bar : bars)
        for (SWindow& w : bar.windows)
            ::DeleteObject(w.hWaiting);
    bars.clear();
}

void CPaintProbe::ListBars(HWND hMain)
{
    std::vector<SBar> bars;
    for (const SBenchBar& info : kBenchBars) {
        HWND hBar = FindGrandchildById(hMain, info.nBarId);
        if (!hBar || !::IsWindowVisible(hBar))
            continue;
        SBar bar = {info.pszTitle, {{hBar, ::CreateRectRgn(0, 0, 0, 0)}}, 0};
        if (HWND hDialog = ::GetWindow(hBar, GW_CHILD))
            bar.windows.push_back({hDialog, ::CreateRectRgn(0, 0, 0, 0)});
        // A bar already waiting keeps the time it has waited.
        for (const SBar& old : m_bars)
            if (old.windows[0].h == hBar) {
                bar.tUnpainted = old.tUnpainted;
                for (size_t i = 0; i < old.windows.size() && i < bar.windows.size(); ++i)
                    ::CombineRgn(bar.windows[i].hWaiting, old.windows[i].hWaiting, nullptr, RGN_COPY);
            }
        bars.push_back(bar);
    }
    m_bars.swap(bars);
    FreeBars(bars);
    std::lock_guard<std::mutex> guard(m_lock);
    m_result.nBars = (int)m_bars.size();
}

void CPaintProbe::TakeMeasuring(double tNow, HWND hMain)
{
    bool bOn = m_bWantMeasure;
    if (bOn == m_bMeasure)
        return;
    if (bOn) {
        ListBars(hMain);
        std::lock_guard<std::mutex> guard(m_lock);
        int nBars = m_result.nBars;
        m_result = SResult();
        m_result.nBars = nBars;
        m_tMeasureStart = tNow;
    } else {
        for (SBar& bar : m_bars)
            Close(bar, tNow);
    }
    m_bMeasure = bOn;
}

// The bar is painted again (or the measuring ends): its time unpainted
// counts while measuring, from the start of the measuring at the earliest.
void CPaintProbe::Close(SBar& bar, double tNow)
{
    if (bar.tUnpainted == 0)
        return;
    double fMs = (tNow - std::max(bar.tUnpainted, m_tMeasureStart)) * 1000.0;
    bar.tUnpainted = 0;
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_bMeasure && fMs > m_result.fLongestMs) {
        m_result.fLongestMs = fMs;
        m_result.strBar = bar.pszTitle;
    }
}

void CPaintProbe::Look(SBar& bar, bool& bWaits, bool& bPainted)
{
    bWaits = bPainted = false;
    for (SWindow& w : bar.windows) {
        // GetUpdateRgn without erasing only reads the region the system
        // keeps for the window.
        if (::GetUpdateRgn(w.h, m_hNow, FALSE) == ERROR)
            ::SetRectRgn(m_hNow, 0, 0, 0, 0);
        // What waited at the last look and waits no more has been painted.
        if (::CombineRgn(w.hWaiting, w.hWaiting, m_hNow, RGN_DIFF) != NULLREGION)
            bPainted = true;
        if (::CombineRgn(w.hWaiting, m_hNow, nullptr, RGN_COPY) != NULLREGION)
            bWaits = true;
    }
}

void CPaintProbe::Run(HWND hMain)
{
    double tListed = 0, tLastLook = 0, fSumLookMs = 0;
    while (!m_bStop && ::IsWindow(hMain)) {
        double t = Now();
        TakeMeasuring(t, hMain);
        if (!m_bMeasure && t - tListed >= kListSeconds) {
            ListBars(hMain);
            tListed = t;
        }
        for (SBar& bar : m_bars) {
            bool bWaits = false, bPainted = false;
            Look(bar, bWaits, bPainted);
            double tNow = Now();
            if (bPainted || !bWaits)
                Close(bar, tNow);
            if (bWaits && bar.tUnpainted == 0)
                bar.tUnpainted = tNow;
        }
        if (m_bMeasure) {
            std::lock_guard<std::mutex> guard(m_lock);
            if (m_result.nLooks++ > 0) {
                fSumLookMs += (t - tLastLook) * 1000.0;
                m_result.fLongestLookMs = std::max(m_result.fLongestLookMs, (t - tLastLook) * 1000.0);
            }
            m_result.fLookMs = m_result.nLooks > 1 ? fSumLookMs / (m_result.nLooks - 1) : 0;
        } else {
            fSumLookMs = 0;
        }
        tLastLook = t;
        ::Sleep(kLookMs);
    }
    // The program has gone: what waited counts until now.
    m_bWantMeasure = false;
    TakeMeasuring(Now(), hMain);
    m_bDone = true;
}

}  // namespace bench
