// PaintProbe.cpp: how long the bars of VornGUI.exe stay unpainted
// (PaintProbe.h).
#include "PaintProbe.h"

#include <algorithm>

#include "BenchSupport.h"

namespace bench {

namespace {

const DWORD kLookMs = 5;           // the pause between two looks
const double kListSeconds = 0.5;   // the bars' windows are listed again this often

// Whether the window waits for its paint. GetUpdateRect without erasing
// only reads the region the system keeps for the window.
bool Waits(HWND h)
{
    RECT rc;
    return ::GetUpdateRect(h, &rc, FALSE) != FALSE;
}

}  // namespace

void CPaintProbe::Start(HWND hMain)
{
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
}

CPaintProbe::SResult CPaintProbe::Result()
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_result;
}

void CPaintProbe::ListBars(HWND hMain)
{
    std::vector<SBar> bars;
    for (const SBenchBar& info : kBenchBars) {
        HWND hBar = FindChildById(hMain, info.nBarId);
        if (!hBar || !::IsWindowVisible(hBar))
            continue;
        SBar bar = {info.pszTitle, {hBar}, 0};
        if (HWND hDialog = ::GetWindow(hBar, GW_CHILD))
            bar.windows.push_back(hDialog);
        // A bar already waiting keeps the time it has waited.
        for (const SBar& old : m_bars)
            if (old.windows[0] == hBar)
                bar.tUnpainted = old.tUnpainted;
        bars.push_back(bar);
    }
    m_bars.swap(bars);
    std::lock_guard<std::mutex> guard(m_lock);
    m_result.nBars = (int)m_bars.size();
}

void CPaintProbe::TakeMeasuring(double tNow)
{
    bool bOn = m_bWantMeasure;
    if (bOn == m_bMeasure)
        return;
    if (bOn) {
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

void CPaintProbe::Run(HWND hMain)
{
    double tListed = 0, tLastLook = 0, fSumLookMs = 0;
    while (!m_bStop && ::IsWindow(hMain)) {
        double t = Now();
        TakeMeasuring(t);
        if (t - tListed >= kListSeconds) {
            ListBars(hMain);
            tListed = t;
        }
        for (SBar& bar : m_bars) {
            bool bWaits = false;
            for (size_t i = 0; i < bar.windows.size() && !bWaits; ++i)
                bWaits = Waits(bar.windows[i]);
            double tNow = Now();
            if (bWaits && bar.tUnpainted == 0)
                bar.tUnpainted = tNow;
            else if (!bWaits)
                Close(bar, tNow);
        }
        if (m_bMeasure) {
            std::lock_guard<std::mutex> guard(m_lock);
            if (m_result.nLooks++ > 0)
                fSumLookMs += (t - tLastLook) * 1000.0;
            m_result.fLookMs = m_result.nLooks > 1 ? fSumLookMs / (m_result.nLooks - 1) : 0;
        } else {
            fSumLookMs = 0;
        }
        tLastLook = t;
        ::Sleep(kLookMs);
    }
    // The program has gone: what waited counts until now.
    m_bWantMeasure = false;
    TakeMeasuring(Now());
    m_bDone = true;
}

}  // namespace bench
