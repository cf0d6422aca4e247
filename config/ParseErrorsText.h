// ParseErrorsText.h: the text of the parse-errors dialog: each error on a
// line, an empty line, then the configuration file's lines numbered from 1.
//
// The text is bounded: a rich edit takes many seconds to lay out a megabyte
// (a binary file opened by mistake gives thousands of errors and lines of
// garbage), and the errors are what the dialog is for. So the errors come
// first, up to their share of the text; the numbered lines fill what is
// left; each part that does not fit ends with a line that says how many of
// its entries are left out. A shown line is cut after kParseErrorsLineChars
// characters.
#pragma once

#include "platform/CArray.h"
#include "platform/CString.h"

const int kParseErrorsTextChars = 48 * 1024;   // the whole text, about
const int kParseErrorsErrorChars = 16 * 1024;  // the errors' share of it
const int kParseErrorsLineChars = 256;         // one shown line or error

// "%s\r\n" per error, "\r\n", then "%2d: %s\r\n" per line, within the bounds.
CString BuildParseErrorsText(const CStringArray& errors, const CStringArray& lines);
