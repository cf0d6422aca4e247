// StandinOptions.h: the command-line options of the two stand-ins.
//
// vornemu.exe (the emulator stand-in):
//   -f FILE          configuration file; its device statements ("0120 3390
//                    disk.img", first word a device number) are the devices
//   -r FILE, -b FILE accepted and ignored (run-command and logo files)
//   --script FILE    the script (else environment variable VORNEMU_SCRIPT)
//   --do DIRECTIVE   one more script line, run after the file's; repeatable
//   --record FILE    every line received on standard input is appended to
//                    FILE (else VORNEMU_RECORD); the command line is written
//                    to FILE.cmdline, and each line after the tick count
//                    (milliseconds) of its arrival and a blank to FILE.times
//   --rc N           return code of a normal end (default 0)
//   --devlist-at-start  the complete device list at start-up, unasked (the
//                    emulator itself reports its devices only once the
//                    console subscribes to them)
//   --no-devlist     no device reports at all, not even when subscribed
//   --storage-kb N   size of main storage in KB (default 1024)
//   --lifetime MS    end with return code 124 after MS ms (0 never; by
//                    default 120000, so a forgotten stand-in does not
//                    linger, but none for a copy that plays the emulator
//                    program under its name: EmulatorCopy.h)
//   any other word ("EXTERNALGUI") is ignored
//   A copy under another name (the emulator's) given neither --script, the
//   variable nor --do speaks as the emulator does (EmulatorCopy.h).
//
// vornutil.exe (the utility stand-in):
//   --kind NAME|N    the utility it plays (else from its own program name)
//   --script FILE    the script (else VORNUTIL_SCRIPT_<NAME>, NAME the program
//                    name in capitals without extension, e.g.
//                    VORNUTIL_SCRIPT_VOLMAKE64; then VORNUTIL_SCRIPT; with
//                    neither a script nor --do, the kind's default script)
//   --do, --rc as above; --lifetime as above, by default 120000
//   --record FILE    the command line, a tab and the current folder are
//                    appended to FILE as one line (else VORNUTIL_RECORD)
//   any other word is one of the utility's own operands (options.operands);
//   playing the card-submission helper (VORNRDR) it reads them as that
//   helper is given them: host:port, the deck, "EXTERNALGUI"
#pragma once

#include <string>
#include <vector>

#include "platform/Types.h"

struct SStandinOptions {
    std::string strConfigFile;
    std::string strScriptFile;
    std::vector<std::string> doLines;
    std::string strRecordFile;
    std::string strKind;
    int nReturnCode = 0;
    bool bDevList = false;      // the list at start-up, unasked
    bool bDevReports = true;    // device reports once subscribed
    UINT64 nStorageKB = 1024;
    DWORD nLifetimeMs = 120000;
    std::vector<std::string> operands;  // the other words, in order
};

// Parses the arguments after the program name; false with the reason in
// strError for a missing or bad value. Unknown words are the operands.
bool ParseStandinOptions(const std::vector<std::string>& args, SStandinOptions& options,
                         std::string& strError);
