// CCommandLineInfo.cpp: splitting a command line's parameters into flags
// and plain words.
#include "platform/CCommandLineInfo.h"

void CCommandLineInfo::ParseArgs(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; i++) {
        const char* p = argv[i] ? argv[i] : "";
        bool bFlag = p[0] == '-' || p[0] == '/';
        ParseParam(bFlag ? p + 1 : p, bFlag, i == argc - 1);
    }
}
