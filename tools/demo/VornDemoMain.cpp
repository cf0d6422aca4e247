// VornDemoMain.cpp: vorndemo.exe, which prepares the demonstration that
// tools/run.sh starts VornGUI.exe on (DemoPreparation.h).
//   vorndemo [--executables FOLDER] [DEMO-FOLDER]
// DEMO-FOLDER defaults to "demo" beside the folder of this program (in the
// build tree: build/win32/demo). --executables makes FOLDER, a real
// emulator's, the executables folder in force. Prints VornGUI.exe's
// arguments on standard output, one a line; a failure on standard error,
// with exit code 1.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "tools/demo/DemoPreparation.h"

namespace {

std::string FullPath(const std::string& strPath)
{
    char szFull[MAX_PATH];
    DWORD n = ::GetFullPathNameA(strPath.c_str(), MAX_PATH, szFull, nullptr);
    return n > 0 && n < MAX_PATH ? std::string(szFull) : strPath;
}

}  // namespace

int main(int argc, char** argv)
{
    char szProgram[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, szProgram, MAX_PATH);
    std::string strProgramDir(szProgram, n);
    strProgramDir.erase(strProgramDir.find_last_of('\\') + 1);

    SDemoRequest request;
    request.strProgramDir = strProgramDir;
    request.strRoot = strProgramDir + "..\\demo";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--executables") == 0 && i + 1 < argc)
            request.strExecutables = FullPath(argv[++i]);
        else if (argv[i][0] != '-')
            request.strRoot = argv[i];
        else {
            std::fprintf(stderr, "usage: vorndemo [--executables FOLDER] [DEMO-FOLDER]\n");
            return 2;
        }
    }
    request.strRoot = FullPath(request.strRoot);
    std::vector<std::string> args;
    std::string strError;
    if (!PrepareDemo(request, args, strError)) {
        std::fprintf(stderr, "vorndemo: %s\n", strError.c_str());
        return 1;
    }
    for (const std::string& strArg : args)
        std::printf("%s\n", strArg.c_str());
    return 0;
}
