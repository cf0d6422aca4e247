// WideText.h: ANSI text in the UTF-16 form that the wide-only Windows APIs
// (task dialogs, themed text) take.
#pragma once

#include <string>

// The text in the ANSI code page as UTF-16, without the terminator; empty for
// a null or empty text and for one the system cannot convert.
std::wstring WideFromAnsi(const char* psz);
