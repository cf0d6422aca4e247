// CGetOpt.h: the companion library's POSIX-style option walker over a word
// list (the words of an argument text, the first word standing for the
// program name and never read as an option).
//
// The option string lists the option letters; a letter followed by ':'
// takes a value, either the rest of its word ("-k1024") or the next word
// ("-k 1024"). Letters without a value may be grouped ("-dk 1024"). The walk
// stops at the first word that does not begin with '-', at a lone "-" (both
// left for the caller) and after "--" (skipped), as getopt does.
#pragma once

#include "platform/CArray.h"
#include "platform/CString.h"

class CGetOpt {
public:
    // The words are copied; word 0 is the program name.
    CGetOpt(const CStringArray& words, const char* pszOptions);

    CGetOpt(const CGetOpt&) = delete;
    CGetOpt& operator=(const CGetOpt&) = delete;

    // The next option letter, with OptArg() holding its value; '?' for a
    // letter the option string does not know or an option whose value is
    // missing (OptOpt() tells the letter, MissingArg() which of the two);
    // -1 at the end of the options.
    int GetOpt();

    // The value of the option returned last (empty for one without value).
    const CString& OptArg() const { return m_strOptArg; }
    // The letter of the last faulty option.
    int OptOpt() const { return m_nOptOpt; }
    // True when the last '?' was a known option lacking its value.
    bool MissingArg() const { return m_bMissingArg; }
    // The index of the next word to read; after -1 the first word that is
    // not an option (the word count when none is left).
    int OptInd() const { return m_nOptInd; }

private:
    CStringArray m_words;
    CString m_strOptions;
    CString m_strOptArg;
    int m_nOptInd = 1;
    int m_nNextChar = 0;  // position inside a word of grouped letters; 0: start a new word
    int m_nOptOpt = 0;
    bool m_bMissingArg = false;
};
