// VornEmuMain.cpp: vornemu.exe, the console stand-in for the emulator that
// the tests start in place of the real program. Options: StandinOptions.h;
// script language: StandinScript.cpp; protocol: EmulatorModel.h.
#include "tests/standins/EmulatorStandin.h"

int main(int argc, char** argv)
{
    CStandinOutput output;
    SStandinOptions options;
    std::string error;
    if (!ParseStandinOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        output.Write(kStreamErr, "vornemu: " + error + "\n");
        return kStandinScriptFailed;
    }
    if (options.strScriptFile.empty()) {
        char buffer[MAX_PATH];
        DWORD n = ::GetEnvironmentVariableA("VORNEMU_SCRIPT", buffer, sizeof(buffer));
        if (n > 0 && n < sizeof(buffer))
            options.strScriptFile = buffer;
    }
    // Never destroyed: its detached threads run until ExitProcess.
    CEmulatorStandin* pEmulator = new CEmulatorStandin(output, options);
    ::ExitProcess((UINT)pEmulator->Main(::GetCommandLineA()));
}
