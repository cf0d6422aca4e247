// StandinScript.h: the script language of the console stand-ins for the
// emulator (vornemu.exe) and its utility programs (vornutil.exe).
//
// A script is text with one directive per line; the language is described at
// the top of StandinScript.cpp. ParseStandinScript turns it into a list of
// directives that the stand-in's runner executes in order. Window-free, so
// the parser is tested natively too.
#pragma once

#include <string>
#include <vector>

#include "platform/Types.h"

// The output stream a directive writes to.
enum EStandinStream { kStreamNone = 0, kStreamOut = 1, kStreamErr = 2 };

enum EStandinOp {
    kOpWrite,       // out/err (bNewline set), outraw/errraw: strText
    kOpSleep,       // sleep MS
    kOpPace,        // pace MS: delay after each line written by out/err/seq
    kOpSeq,         // seq STREAM FROM TO STEP TEXT
    kOpFlood,       // flood STREAM N LEN
    kOpGarbage,     // garbage STREAM N [SEED]
    kOpClose,       // close STREAM
    kOpRc,          // rc N: return code of a normal end
    kOpExit,        // exit N: ends the process at once
    // Emulator only:
    kOpWaitStdin,   // wait-stdin [PREFIX]
    kOpIgnoreExit,  // ignore-exit
    kOpDevList,     // devlist
    kOpDevice,      // device DEVNUM TYPE [ARGS]
    kOpDevFlags,    // devflags DEVNUM FLAGS
    kOpDetach,      // detach DEVNUM
    kOpStatus,      // status
    kOpInterval,    // interval MS
    kOpSet,         // set KEY VALUE
    kOpPoke,        // poke OFFSET HEX
};

struct SStandinDirective {
    EStandinOp eOp = kOpWrite;
    EStandinStream eStream = kStreamNone;
    bool bNewline = false;          // kOpWrite: append a line feed
    std::vector<INT64> anNumbers;   // numeric arguments in order
    std::string strText;            // text argument, escapes resolved
    int nLine = 0;                  // line number in the script (from 1)
};

// Parses a whole script. bEmulator allows the emulator-only directives. On
// an error returns false with "line N: reason" in strError; directives then
// holds the ones before the faulty line.
bool ParseStandinScript(const std::string& strScript, bool bEmulator,
                        std::vector<SStandinDirective>& directives, std::string& strError);

// Resolves the escapes of a text argument: \\ \n \r \t \0 and \xHH (two
// hexadecimal digits). An unknown or incomplete escape is kept as written.
std::string UnescapeStandinText(const std::string& strText);

// True for a set-up directive (pace, rc, ignore-exit, device, devflags, set,
// interval): the emulator runs the leading set-up directives before it sends
// its start-up device list.
bool IsStandinSetupDirective(const SStandinDirective& directive);
