// SysStmtHandler.h: what the files of system-statement handlers share: the
// handler definition macro, the step that removes the keyword and takes the
// one operand, and a case-insensitive word lookup.
#pragma once

#include <initializer_list>

#include "config/CVornConfigFile.h"
#include "config/SysStmtOperands.h"

// Defines the static handler CVornConfigFile::name with the table's signature.
#define SYSSTMT_HANDLER(name)                                                                 \
    bool CVornConfigFile::name(CVornConfigFile& cfg, const CString& strLine, CStringList& tokens, \
                               CString& strError)

// Removes the keyword and takes the first operand ("Missing parameters" when absent).
inline bool TakeFirstOperand(CStringList& tokens, CString& strOperand, CString& strError)
{
    tokens.RemoveHead();
    return TakeOperand(tokens, strOperand, strError);
}

// Index of the word equal to strOperand without regard to case; -1 when none.
inline int LookupWord(const CString& strOperand, std::initializer_list<const char*> words)
{
    int i = 0;
    for (const char* psz : words) {
        if (strOperand.CompareNoCase(psz) == 0)
            return i;
        ++i;
    }
    return -1;
}

// Appends strMessage unless bOk; returns bOk.
inline bool Require(bool bOk, const char* pszMessage, CString& strError)
{
    if (!bOk)
        strError += pszMessage;
    return bOk;
}
