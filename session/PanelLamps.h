// PanelLamps.h: SPanelLamps, which of the control panel's five lamps are
// lit, and how the emulator's reports and its power switch them. Each
// status report brings the state letters (manual, wait, load) and the run
// indicator whether the system runs: Manual, Wait and Load follow their
// letters and System the run state. A report that begins a load lights Load
// and System (unless Manual was lit) and darkens Manual and Wait; that
// holds until the next report. Window-free; the view shows the lit or unlit
// window of each lamp pair from it.
#pragma once

enum EPanelLamp { kLampSys, kLampMan, kLampWait, kLampLoad, kLampPower, kLampCount };

struct SPanelLamps {
    bool bLit[kLampCount] = {};

    // A report's manual letter, the first news of each report: the load
    // rule no longer holds.
    void Manual(bool bManual);
    // A report's load and wait letters, its last news. The report that
    // begins a load applies the load rule.
    void Load(bool bLoading, bool bWaiting);
    // The run indicator.
    void Run(bool bRunning);
    // The emulator was started: the Power lamp goes on.
    void PowerOn() { bLit[kLampPower] = true; }
    // The emulator ended: every lamp goes off, nothing is reported.
    void Ended();
    bool IsManual() const { return m_bManual; }

private:
    // The lamps from the reported state, unless the load rule holds.
    void Follow();

    bool m_bManual = false;
    bool m_bWaiting = false;
    bool m_bLoading = false;
    bool m_bRunning = false;
    bool m_bLoadRule = false;
};
