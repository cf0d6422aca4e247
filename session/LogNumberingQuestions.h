// LogNumberingQuestions.h: shows a log numbering question (LogNumberingTexts)
// as a named task dialog with its two command links.
#pragma once

#include <windows.h>

#include "session/LogNumberingTexts.h"

// The button chosen: 6 (the recommended link), 5, or 2 when the dialog was
// closed; 0 when it could not be shown. While the question shows, its
// window is in *phShowing when given (null again once it has gone), so that
// the caller can end it.
int AskLogNumberingQuestion(HWND hParent, const LogNumberingQuestion& q, HWND* phShowing = nullptr);
