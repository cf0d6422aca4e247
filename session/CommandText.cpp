// CommandText.cpp: the "vorn " prefix rule and the shutdown commands.
#include "session/CommandText.h"

#include "platform/TextFunctions.h"

namespace {

// Drops a leading "vorn " (any case) and trims the rest of blanks at both
// ends; a command without the prefix is left as it is.
void DropVornPrefix(CString& str)
{
    if (str.GetLength() >= 5 && str.Left(5).CompareNoCase("vorn ") == 0) {
        str = str.Mid(5);
        TrimBlanks(str);
    }
}

}  // namespace

CString CommandForEmulator(const CString& strCommand, double dVersion)
{
    CString str = strCommand;
    if (dVersion >= kVornPrefixDroppedVersion)
        DropVornPrefix(str);
    return str;
}

CString VornCommandForEmulator(const CString& strCommand, double dVersion)
{
    CString str = strCommand;
    TrimBlanks(str);
    DropVornPrefix(str);
    return dVersion >= kVornPrefixDroppedVersion ? str : "vorn " + str;
}

bool IsShutdownCommand(const CString& strCommand)
{
    // The trimmed text with one blank appended, so that the word alone and
    // the word followed by more words look alike.
    // Below version 4.0 the commands keep the "vorn " prefix that the
    // program adds itself: the word after it counts ("vorn exit").
    CString str = strCommand;
    TrimBlanks(str);
    if (str.GetLength() >= 5 && str.Left(5).CompareNoCase("vorn ") == 0) {
        str = str.Mid(5);
        TrimBlanks(str);
    }
    str += ' ';
    return str.Left(5).CompareNoCase("exit ") == 0 || str.Left(5).CompareNoCase("quit ") == 0 ||
           str.Left(4).CompareNoCase("ssd ") == 0;
}
