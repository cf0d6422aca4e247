// PanelLamps.cpp: the lamp rules of the control panel.
#include "session/PanelLamps.h"

void SPanelLamps::Load(bool bLoading)
{
    if (!bLoading) {
        bLit[kLampLoad] = false;
        return;
    }
    bLit[kLampLoad] = true;
    bLit[kLampSys] = !bLit[kLampMan];
    bLit[kLampMan] = false;
    bLit[kLampWait] = false;
}

void SPanelLamps::Run(bool bRunning)
{
    bLit[kLampMan] = false;
    bLit[kLampSys] = bRunning;
    bLit[kLampWait] = !bRunning;
}

void SPanelLamps::Manual(bool bManual)
{
    bLit[kLampMan] = bManual;
    if (bManual)
        bLit[kLampSys] = bLit[kLampWait] = bLit[kLampLoad] = false;
}

void SPanelLamps::Ended()
{
    for (bool& b : bLit)
        b = false;
}
