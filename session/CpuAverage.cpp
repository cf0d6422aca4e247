// CpuAverage.cpp: the mean of the last three periods' busy fractions.
#include "session/CpuAverage.h"

bool CCpuAverage::AddPeriod(int nBusy, int nTotal)
{
    if (nTotal <= 0)
        return false;
    double dSample = (double)nBusy / (double)nTotal;
    m_samples.push_back(dSample);
    m_dSum += dSample;
    // A fourth sample pushes the oldest out before the division.
    if (m_samples.size() >= 4) {
        m_dSum -= m_samples.front();
        m_samples.pop_front();
    }
    m_dFraction = m_dSum / (double)m_samples.size();
    return true;
}

void CCpuAverage::Reset()
{
    m_samples.clear();
    m_dSum = 0.0;
    m_dFraction = 0.0;
}
