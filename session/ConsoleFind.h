// ConsoleFind.h: the search of the console lines for a text, forward or
// backward, within a range of lines, with or without wrap around, and the
// "not found" message. The search examines each line of the range at most
// once, so that it always ends.
#pragma once

#include <functional>

#include "platform/CString.h"

struct CFindOptions {
    bool bForward = true;
    bool bMatchWholeWord = false;
    bool bMatchCase = false;
    bool bWithinSelection = false;
    bool bWrapAround = true;
};

// What the search looks at: the line range and where it starts.
struct CFindScope {
    int nFirst = 0;      // first line of the range
    int nLast = -1;      // last line of the range
    int nStart = -1;     // the line before the first one examined (in the direction)
};

// The scope for a console of nLineCount lines with the selection from
// nSelFirst to nSelLast (-1 when none). Within selection, the range is the
// selection; else all lines. The start is the selected line (one line), the
// line before the selection's first (forward) or after its last (backward)
// line, else the line before the range (forward) or after it (backward).
CFindScope MakeFindScope(int nLineCount, int nSelFirst, int nSelLast, const CFindOptions& opt);

// The pattern as it is compared: lower-cased unless matching case; for whole
// words trimmed and padded with one blank on each side.
CString PrepareFindText(const CString& strText, const CFindOptions& opt);

// Searches the lines of the scope for strFind; returns the line found or -1.
// Without wrap around the search ends when it leaves the range; with it, the
// search goes on at the other end and ends after one full pass.
int FindInLines(const std::function<CString(int)>& getLine, const CFindScope& scope,
                const CString& strFind, const CFindOptions& opt);

// "String \"<text>\" not found" followed by " within selected lines.",
// " searching forward from here." / " searching backward from here." (no
// wrap) or ".".
CString FindNotFoundText(const CString& strFind, const CFindOptions& opt);
