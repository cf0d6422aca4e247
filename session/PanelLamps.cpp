// PanelLamps.cpp: the lamp rules of the control panel.
#include "session/PanelLamps.h"

void SPanelLamps::Manual(bool bManual)
{
    if (bManual && !m_bManual) {
        m_bWaiting = false;
        m_bLoading = false;
    }
    m_bManual = bManual;
    Follow();
}

void SPanelLamps::Load(bool bLoading, bool bWaiting)
{
    m_bLoading = bLoading;
    m_bWaiting = bWaiting;
    Follow();
}

void SPanelLamps::Run(bool bRunning)
{
    m_bRunning = bRunning;
    Follow();
}

void SPanelLamps::Ended()
{
    *this = SPanelLamps();
}

// A stopped processor does not run, whatever the last run indicator said.
void SPanelLamps::Follow()
{
    bLit[kLampSys] = m_bRunning && !m_bManual;
    bLit[kLampMan] = m_bManual;
    bLit[kLampWait] = m_bWaiting;
    bLit[kLampLoad] = m_bLoading;
}
