// EmulatorCommandLine.cpp: the emulator's start command line.
#include "session/EmulatorCommandLine.h"

#include "platform/TextFunctions.h"

CString BuildEmulatorCommandLine(const SEmulatorStart& start)
{
    CString strLine = QuoteIfNeeded(start.strExecutablesDir + start.strExeName);
    strLine += " -f ";
    strLine += start.strConfigPath.IsEmpty() ? CString("none") : QuoteIfNeeded(start.strConfigPath);
    if (!start.strRCFile.IsEmpty())
        strLine += " -r " + QuoteIfNeeded(start.strRCFile);
    if (!start.strLogoFile.IsEmpty())
        strLine += " -b " + QuoteIfNeeded(start.strLogoFile);
    strLine += " " + start.strExtraArgs;
    return strLine;
}
