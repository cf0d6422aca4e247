// PanelLamps.cpp: the lamp rules of the control panel.
#include "session/PanelLamps.h"

void SPanelLamps::Manual(bool bManual)
{
    m_bManual = bManual;
    m_bLoadRule = false;
    Follow();
}

void SPanelLamps::Load(bool bLoading, bool bWaiting)
{
    bool bBegins = bLoading && !m_bLoading;
    m_bLoading = bLoading;
    m_bWaiting = bWaiting;
    if (!bBegins) {
        Follow();
        return;
    }
    m_bLoadRule = true;
    bLit[kLampLoad] = true;
    bLit[kLampSys] = !bLit[kLampMan];
    bLit[kLampMan] = false;
    bLit[kLampWait] = false;
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

void SPanelLamps::Follow()
{
    if (m_bLoadRule)
        return;
    bLit[kLampSys] = m_bRunning;
    bLit[kLampMan] = m_bManual;
    bLit[kLampWait] = m_bWaiting;
    bLit[kLampLoad] = m_bLoading;
}
