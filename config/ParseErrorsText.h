// ParseErrorsText.h: the text of the parse-errors dialog: each error on a
// line, an empty line, then the configuration file's lines numbered from 1.
#pragma once

#include "platform/CArray.h"
#include "platform/CString.h"

// "%s\r\n" per error, "\r\n", then "%2d: %s\r\n" per line.
CString BuildParseErrorsText(const CStringArray& errors, const CStringArray& lines);
