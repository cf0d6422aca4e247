// ConsoleClassifier.h: the message kind of a console line, told from the
// emulator's message identifier ("ZQC", two characters, three digits and a
// severity letter), which may follow an optional date, time with
// milliseconds, thread identifier and 17-character field.
#pragma once

#include "platform/CString.h"

// Message kinds; they index the console's colours and fonts.
enum EConsoleMsgKind {
    kMsgPlain = 0,
    kMsgInfo = 1,
    kMsgDebug = 2,
    kMsgError = 3,
    kMsgWarning = 4,
    kMsgKindCount = 5,
};

// Identifiers starting after this column are not looked for: no real prefix
// comes near it, and it bounds the work spent on a long line.
const int kMaxMsgIdColumn = 512;

// The kind of one line (0-4). The line must match one of four whole-line
// patterns, tried in the order information, debug, error (E or S), warning.
int ClassifyMessage(const char* pszLine, int nLength);
inline int ClassifyMessage(const CString& strLine)
{
    return ClassifyMessage(strLine.GetString(), strLine.GetLength());
}
