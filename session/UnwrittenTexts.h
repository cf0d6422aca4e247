// UnwrittenTexts.h: what the console, the log file and the close say of
// console messages that the log file did not take, each count with its noun
// and verb in the singular or the plural. Window-free.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

// The state in the console's note that the log file takes lines again:
// "resumed", or with the messages that went from memory before it could.
CString LogResumedState(INT_PTR nLost);

// The note written in the log file where messages are missing.
CString LogGapNote(INT_PTR nLost);

// The box when the log file cannot take the lines it had not taken (at the
// close, or for Delete Messages' Save): the newest nWaiting messages kept in
// memory only, nLost before them gone from it.
CString UnwrittenLinesText(INT_PTR nWaiting, INT_PTR nLost, const CString& strPath);
