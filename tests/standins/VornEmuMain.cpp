// VornEmuMain.cpp: vornemu.exe, the console stand-in for the emulator that
// the tests start in place of the real program. Copied under another name
// (the emulator's, "Vornamic.exe") it plays the emulator program itself:
// EmulatorCopy.h. Options: StandinOptions.h; script language:
// StandinScript.cpp; protocol: EmulatorModel.h.
#include "tests/standins/EmulatorCopy.h"
#include "tests/standins/EmulatorStandin.h"

int main(int argc, char** argv)
{
    CStandinOutput output;
    std::string name = StandinProgramName();
    SStandinOptions options;
    options.nLifetimeMs = DefaultEmulatorLifetimeMs(name);
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
    bool bProgramScript = PlaysEmulatorProgram(name) && options.strScriptFile.empty() && options.doLines.empty();
    // Never destroyed: its detached threads run until ExitProcess.
    CEmulatorStandin* pEmulator = new CEmulatorStandin(output, options, bProgramScript);
    ::ExitProcess((UINT)pEmulator->Main(::GetCommandLineA()));
}
