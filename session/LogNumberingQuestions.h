// LogNumberingQuestions.h: shows a log numbering question (LogNumberingTexts)
// as a named task dialog with its two command links.
#pragma once

#include <windows.h>

#include "session/LogNumberingTexts.h"

// The button chosen: 6 (the recommended link), 5, or 2 when the dialog was
// closed; 0 when it could not be shown.
int AskLogNumberingQuestion(HWND hParent, const LogNumberingQuestion& q);
