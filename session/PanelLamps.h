// PanelLamps.h: SPanelLamps, which of the control panel's five lamps are
// lit, and how the emulator's load, run and manual indicators and its power
// switch them. Window-free; the view shows the lit or unlit window of each
// lamp pair from it.
#pragma once

enum EPanelLamp { kLampSys, kLampMan, kLampWait, kLampLoad, kLampPower, kLampCount };

struct SPanelLamps {
    bool bLit[kLampCount] = {};

    // The load indicator: off turns only the Load lamp off; on lights Load,
    // lights Sys unless Man is lit (else turns it off), and turns Man and
    // Wait off.
    void Load(bool bLoading);
    // The run indicator: Man goes off; then Sys on and Wait off while
    // running, Wait on and Sys off while waiting.
    void Run(bool bRunning);
    // Entering manual state lights Man and turns Sys, Wait and Load off;
    // leaving it turns Man off.
    void Manual(bool bManual);
    // The emulator was started: the Power lamp goes on.
    void PowerOn() { bLit[kLampPower] = true; }
    // The emulator ended: every lamp goes off.
    void Ended();
};
