// CpuAverage.h: CCpuAverage, the CPU-busy average of the control panel's
// meter: each period's share of status lines that reported the CPU running
// is one sample; the average is the mean of the last three samples.
// Window-free; the view's averaging thread feeds it under the view's lock.
#pragma once

#include <cstddef>
#include <deque>

class CCpuAverage {
public:
    // One period with nBusy of nTotal samples running. A period without
    // samples changes nothing and returns false (nothing to show).
    bool AddPeriod(int nBusy, int nTotal);
    // The emulator reports the busy fraction itself (its "CPUPCT=" lines).
    void SetFraction(double dFraction) { m_dFraction = dFraction; }
    // No samples, an average of 0 (manual state, the emulator's end).
    void Reset();
    double Fraction() const { return m_dFraction; }
    size_t SampleCount() const { return m_samples.size(); }

private:
    std::deque<double> m_samples;  // at most three after each period
    double m_dSum = 0.0;
    double m_dFraction = 0.0;
};
