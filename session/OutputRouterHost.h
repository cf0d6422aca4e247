// OutputRouterHost.h: COutputRouterHost, what the routing of a child's
// output lines (CEmulatorOutputRouter) asks of its owner. In the program the
// view is the host: it posts to its own and the bars' windows, collects the
// device list and writes commands. Window-free, so that a recording host can
// drive the whole output path in tests and fuzzing.
//
// Every call comes on a pipe-reader thread, SetReadersRunning also on the
// GUI thread.
#pragma once

#include <string>

#include "platform/Types.h"
#include "session/ConsoleLineFormat.h"
#include "session/DeviceStatusLine.h"

// Where a line comes from.
struct SLineSource {
    int nStream = -12;              // -12 standard error, -11 standard output
    int nKind = 0;                  // the controller's kind: 0 the emulator
    std::string strPidText;         // "0x%8.8X" of the child
    bool bSeveralChildren = false;  // more than one child runs
    void* pChild = nullptr;         // the host's controller of the child (opaque here)
};

class COutputRouterHost {
public:
    enum EBeep {
        kBeepMessage,   // an error or warning line (the user's message beep)
        kBeepAsterisk,  // "]BEEP!" (the asterisk sound)
    };

    // Posts a private message to the view window; false when there is no
    // window or the post failed (the field then stays not pending).
    virtual bool PostToView(UINT nMessage, UINT_PTR wParam, INT_PTR lParam) = 0;
    // A per-CPU busy percentage for the CPU-percent bar (when it exists).
    virtual void PostCpuPercent(unsigned nCpu, int nPercent) = 0;
    // "STATUS=" reported another CPU than before: the status-line bar's CPU
    // up-down control is to show it.
    virtual void CpuNumberChanged(unsigned nCpu) = 0;
    // One line of a device list, or its end (eKind kDevLineEnd).
    virtual void DeviceLine(const SDeviceStatusLine& line) = 0;
    // "MAINSIZE=" gave the main storage size: the handshake may go on.
    virtual void MainStorageKnown() = 0;
    // A command the emulator asked for ("]!OOPS!", "]SPLRCMD="); only for
    // the child it came from (not a later one).
    virtual void SendCommandLine(const SLineSource& source, const std::string& strCommand) = 0;
    // "]CWD=" named an existing directory (trimmed, not empty).
    virtual void ShellDirReported(const std::string& strDir) = 0;
    virtual void Beep(EBeep eBeep) = 0;
    // A standard-error line of a utility (kind other than 0): true when it
    // was a progress line of that utility (not shown).
    virtual bool ApplyProgressLine(const SLineSource& source, const char* pszLine) = 0;
    // The local time for the console's time stamps.
    virtual SLocalTime LocalTime() = 0;
    // Flow control: let the readers go on (true, GUI thread) or hold them
    // after their next queued line (false; GUI thread, or the reader whose
    // line reached the flood threshold).
    virtual void SetReadersRunning(bool bRunning) = 0;

protected:
    ~COutputRouterHost() = default;
};
