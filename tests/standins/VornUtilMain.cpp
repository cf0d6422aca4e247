// VornUtilMain.cpp: vornutil.exe, the console stand-in for the emulator's
// utility programs. Copied to a utility's name ("VOLMAKE.exe") it plays that
// utility; it appends its command line and its current folder to the record
// file (one line per run: the command line, a tab, the folder), runs its script
// (or the kind's default script: progress lines in the kind's keywords; as
// the card-submission helper, the bytes of the deck it is given) and ends
// with the chosen return code. Options: StandinOptions.h; script
// language: StandinScript.cpp.
#include <thread>

#include "session/UtilityProgress.h"
#include "tests/standins/StandinOptions.h"
#include "tests/standins/StandinRunner.h"
#include "tests/standins/UtilityKinds.h"

namespace {

const UINT kLifetimeExpired = 124;
const int kDeckNotFound = 2;  // the card-submission helper's deck cannot be opened

std::string Environment(const std::string& strName)
{
    char buffer[MAX_PATH];
    DWORD n = ::GetEnvironmentVariableA(strName.c_str(), buffer, sizeof(buffer));
    return n > 0 && n < sizeof(buffer) ? std::string(buffer) : std::string();
}

// Appends the command line and, after a tab, the current folder to the
// record file, one line per run.
void RecordCommandLine(const std::string& strPath)
{
    if (strPath.empty())
        return;
    HANDLE h = ::CreateFileA(strPath.c_str(), FILE_APPEND_DATA,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    char szFolder[MAX_PATH] = "";
    ::GetCurrentDirectoryA(MAX_PATH, szFolder);
    std::string line = std::string(::GetCommandLineA()) + "\t" + szFolder + "\n";
    DWORD nWritten = 0;
    ::WriteFile(h, line.data(), (DWORD)line.size(), &nWritten, nullptr);
    ::CloseHandle(h);
}

}  // namespace

int main(int argc, char** argv)
{
    CStandinOutput output;
    SStandinOptions options;
    std::string error;
    if (!ParseStandinOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        output.Write(kStreamErr, "vornutil: " + error + "\n");
        return kStandinScriptFailed;
    }
    std::string name = StandinProgramName();
    int nKind = UtilityKindFromProgram(name);
    if (!options.strKind.empty() && !ParseUtilityKind(options.strKind, nKind)) {
        output.Write(kStreamErr, "vornutil: unknown kind " + options.strKind + "\n");
        return kStandinScriptFailed;
    }
    RecordCommandLine(options.strRecordFile.empty() ? Environment("VORNUTIL_RECORD")
                                                    : options.strRecordFile);
    if (options.nLifetimeMs) {
        DWORD nMs = options.nLifetimeMs;
        std::thread([nMs] { ::Sleep(nMs); ::ExitProcess(kLifetimeExpired); }).detach();
    }

    std::string script = options.strScriptFile;
    if (script.empty())
        script = Environment("VORNUTIL_SCRIPT_" + name);
    if (script.empty())
        script = Environment("VORNUTIL_SCRIPT");
    std::vector<std::string> lines = options.doLines;
    if (script.empty() && lines.empty() && nKind == kUtilCardSubmit && options.operands.size() >= 2) {
        // The helper sends the deck it is given after host:port, named
        // relative to its current folder.
        const std::string& strDeck = options.operands[1];
        WIN32_FILE_ATTRIBUTE_DATA fad = {};
        if (!::GetFileAttributesExA(strDeck.c_str(), GetFileExInfoStandard, &fad)) {
            output.Write(kStreamErr, "VORNRDR: cannot open " + strDeck + "\n");
            return kDeckNotFound;
        }
        lines.push_back(CardSubmissionScript(((unsigned long long)fad.nFileSizeHigh << 32) + fad.nFileSizeLow));
    }
    if (script.empty() && lines.empty())
        lines.insert(lines.begin(), DefaultUtilityScript(nKind));

    CStandinRunner runner(output, "vornutil", false);
    runner.SetReturnCode(options.nReturnCode);
    if (!runner.LoadScript(script, lines))
        return kStandinScriptFailed;
    runner.Run(0, runner.Directives().size());
    ::ExitProcess((UINT)runner.ReturnCode());
}
