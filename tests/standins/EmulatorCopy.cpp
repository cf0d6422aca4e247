// EmulatorCopy.cpp: the emulator stand-in playing the emulator program.
#include "tests/standins/EmulatorCopy.h"

const char kEmulatorStandinName[] = "VORNEMU";

namespace {

// A forgotten stand-in of the tests ends by itself after this long.
const DWORD kStandinLifetimeMs = 120000;

// The text as a script's TEXT argument: its backslashes (a Windows path's)
// written as escapes, so that "\t" in "C:\tmp" stays two characters.
std::string ScriptText(const std::string& strText)
{
    std::string s;
    for (char c : strText) {
        if (c == '\\')
            s += '\\';
        s += c;
    }
    return s;
}

}  // namespace

bool PlaysEmulatorProgram(const std::string& strProgramName)
{
    return strProgramName != kEmulatorStandinName;
}

DWORD DefaultEmulatorLifetimeMs(const std::string& strProgramName)
{
    return PlaysEmulatorProgram(strProgramName) ? 0 : kStandinLifetimeMs;
}

std::string EmulatorProgramScript(const std::string& strConfigFile, int nDevices)
{
    std::string config = strConfigFile.empty() || strConfigFile == "none" ? "none" : "\"" + strConfigFile + "\"";
    return "set letters M.......\n"
           "set echo 1\n"
           "interval 500\n"
           "out ZQCST001I Vornamic emulator stand-in, version 4.7: it runs no guest system\n"
           "out ZQCST002I Configuration file " + ScriptText(config) + ": " + std::to_string(nDevices) +
           " devices\n"
           "out ZQCST003I CP00 stopped: IPL a device to start it\n";
}
