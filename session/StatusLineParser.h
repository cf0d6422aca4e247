// StatusLineParser.h: the status lines that the emulator, started with
// "EXTERNALGUI", writes on its standard error and standard output. Window-
// free: the parser only says what a line means; the view stores the values
// under its locks and posts its private messages.
//
// A line is given without its line feed and trailing white space. A line that
// is no status line, or that begins like one but is cut short or garbled,
// is not consumed (kStatNone) and goes to the console as it is.
#pragma once

#include <cstddef>
#include <string>

#include "platform/Types.h"
#include "session/DeviceStatusLine.h"

enum EStatusLineKind {
    kStatNone,          // not consumed: the console shows the line
    kStatSwallowed,     // consumed without effect
    kStatStatus,        // "STATUS=": parts 0-2, CPU and indicators (bOffline: none)
    kStatStatusBadCpu,  // "STATUS=" whose CPU is not hexadecimal: consumed, no update
    kStatSystem,        // "SYS=": bRunning
    kStatSios,          // "SIOS=": strText is status part 4
    kStatMips,          // "MIPS=": strText is status part 3
    kStatRegister,      // nField (RegisterField) with strText
    kStatCpuPercent,    // "CPUPCT=": bHasValue, nPercent (aggregate of all CPUs)
    kStatCpuPercentOne, // "CPUPCTnn=": nCpu, nPercent
    kStatDevice,        // a device line: device
    kStatMainStor,      // "MAINSTOR=": ullValue, the guest storage address
    kStatMainSize,      // "MAINSIZE=" above 1000: ullValue, the storage size
    kStatVersion,       // "MAINSIZE=" up to 1000: dVersion
    kStatOops,          // "]!OOPS!": send an empty command line
    kStatCwd,           // "]CWD=": strText the directory, trimmed (may be empty)
    kStatBeep,          // "]BEEP!"
    kStatSpoolerCmd,    // "]SPLRCMD=" on standard output: strText the command (may be empty)
};

// Sizes of the status-part buffers; texts are cut at the size less one.
enum { kStatusPartCount = 5 };
extern const size_t kStatusPartSize[kStatusPartCount];

struct SStatusLine {
    EStatusLineKind eKind = kStatNone;
    std::string strText;
    int nField = -1;
    // "STATUS=": parts 0 (processor and PSW), 1 (state letters), 2
    // ("instcount=" and the count grouped by threes with ',').
    std::string strPart[3];
    unsigned nCpu = 0;
    bool bRunning = false;      // "SYS=", or state letter 2 is not 'W'
    bool bManual = false;       // state letter 0 is 'M'
    bool bLoading = false;      // state letter 3 is 'L'
    // "STATUS=" of an offline processor ("CP02 (((OFFLINE)))", shorter than
    // a status line): its parts are empty and no state is set.
    bool bOffline = false;
    bool bHasValue = false;
    int nPercent = 0;
    UINT64 ullValue = 0;
    double dVersion = 0.0;
    SDeviceStatusLine device;
};

// A standard-error line of the emulator.
SStatusLine ParseStatusLine(const char* pLine, size_t nLength);
// A standard-output line of the emulator.
SStatusLine ParseStdoutLine(const char* pLine, size_t nLength);
