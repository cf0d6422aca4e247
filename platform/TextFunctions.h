// TextFunctions.h: statement tokenising, splitting, trimming, quoting and
// tab expansion for configuration statements, command lines and console text.
#pragma once

#include "platform/CArray.h"
#include "platform/CList.h"
#include "platform/CString.h"

// The blank characters (blank and tab; a line feed is not a blank, so that a
// message beginning with one keeps its layout) and the hexadecimal digits.
// Plain arrays, so that other start-up initialisers may use them safely.
extern const char g_strBlanks[];
extern const char g_strHex[];

// Removes blanks (g_strBlanks) from both ends of str in place; returns a copy.
CString TrimBlanks(CString& str);

// The text enclosed in chQuote when it holds a blank or begins with a quote
// character ('"' or '\''); unchanged when empty, already enclosed in chQuote, or
// when it contains chQuote itself (it cannot be quoted with that character, so
// a caller may try the other quote).
CString QuoteIfNeeded(const char* psz, char chQuote = '"');

// True when pszAbbrev is at least nMinLength (at least 1) and at most
// strlen(pszWord) characters long and begins pszWord, without regard to case.
bool IsAbbrevNoCase(const char* pszAbbrev, const char* pszWord, int nMinLength = 1);

// Splits a statement into its words, replacing the list's contents; returns
// the word count. Words are separated by blanks. A word that begins with '"'
// or '\'' runs to the next same quote, which is removed with it: the word may
// hold blanks and may be empty (""); the closing quote also ends the word.
// A quote without its closing partner is an ordinary character.
int ParseStmt(const char* pszStmt, CStringArray& words);
int ParseStmt(const char* pszStmt, CStringList& words);

// Splits a command line into its words by the standard Windows rules: blanks
// and tabs separate words outside double quotes; a double quote opens or
// closes a quoted part (two in a row inside one give a literal quote); 2n
// backslashes before a double quote give n backslashes, 2n + 1 give n and a
// literal quote; other backslashes are ordinary. False (the list emptied)
// when a quoted part is not closed. An empty pair of quotes is an empty word.
bool StdMSWinCommandLineParse(const char* pszCmdLine, CStringArray& words);

// Splits text at each occurrence of pszSep, replacing the list's contents;
// returns the piece count. Empty pieces between separators are kept; an
// empty text gives no piece, and a separator at the very end adds none.
// An empty separator gives the whole text as the one piece.
int SplitString(const char* psz, const char* pszSep, CStringArray& pieces);
int SplitString(const char* psz, const char* pszSep, CStringList& pieces);

// Replaces each tab by blanks up to the next multiple of nTabSize (8 when
// below 1); the column starts again after a line feed or carriage return.
CString ExpandTabs(const char* psz, int nTabSize = 8);

// A text as a message box shows it, where a file name or a command of any
// length may stand: each line of at most kShownLineMax characters, a longer
// one cut in its middle to its start, "..." and its end (a path keeps its
// drive and its file name, a command its program and its last words); and
// no run of more than kShownRunMax characters without a blank, which a box
// draws on one line wider than the screen: a longer run is broken after
// its last path separator ('\' or '/') in the second half of the limit,
// else at the limit. A text within both limits is returned unchanged.
const int kShownLineMax = 512;
const int kShownRunMax = 64;
CString BoundShownText(const char* psz);
