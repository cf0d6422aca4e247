// CCommandLineInfo.h: what a program takes from its command line. The
// application's ParseCommandLine hands each parameter, in order, to
// ParseParam: bFlag when it began with '-' or '/' (the text is what follows
// that character), bLast for the final one. The base keeps nothing; a
// program derives its own and stores what it needs.
#pragma once

#include "platform/CString.h"

class CCommandLineInfo {
public:
    virtual ~CCommandLineInfo() = default;
    virtual void ParseParam(const char* pszParam, bool bFlag, bool bLast) {}

    // Gives each of argv[1] .. argv[argc - 1] to ParseParam.
    void ParseArgs(int argc, const char* const* argv);
};
