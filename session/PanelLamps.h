// PanelLamps.h: SPanelLamps, which of the control panel's five lamps are
// lit, and how the emulator's reports and its power switch them. Each
// status report brings the state letters (manual, wait, load); the run
// indicator says whether the system runs. Manual, Wait and Load show their
// letters, System the run state unless the processor is stopped. Entering
// manual state darkens the other lamps at once: a stopped emulator sends no
// run indicator, and the report's own letters light Wait and Load again
// (a failed load stops in a wait with Load on). Window-free; the view shows
// the lit or unlit window of each lamp pair from it.
#pragma once

enum EPanelLamp { kLampSys, kLampMan, kLampWait, kLampLoad, kLampPower, kLampCount };

struct SPanelLamps {
    bool bLit[kLampCount] = {};

    // A report's manual letter, the first news of each report.
    void Manual(bool bManual);
    // A report's load and wait letters, its last news.
    void Load(bool bLoading, bool bWaiting);
    // The run indicator.
    void Run(bool bRunning);
    // The emulator was started: the Power lamp goes on.
    void PowerOn() { bLit[kLampPower] = true; }
    // The emulator ended: every lamp goes off, nothing is reported.
    void Ended();
    bool IsManual() const { return m_bManual; }

private:
    // The lamps from the reported state.
    void Follow();

    bool m_bManual = false;
    bool m_bWaiting = false;
    bool m_bLoading = false;
    bool m_bRunning = false;
};
