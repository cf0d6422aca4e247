// SysStmtOperands.cpp: the operand parsers shared by the system-statement
// handlers.
#include "config/SysStmtOperands.h"

#include "config/ConfigLimits.h"
#include "config/OperandValues.h"
#include "platform/NumberParse.h"

const char kMsgMissingParameters[] = "\nMissing parameters";
const char kMsgExtraneousParameters[] = "\nExtraneous parameters";
const char kMsgInvalidNumeric[] = "\nInvalid numeric value or value out of range";

bool TakeOperand(CStringList& tokens, CString& strOperand, CString& strError)
{
    if (tokens.IsEmpty()) {
        strError += kMsgMissingParameters;
        return false;
    }
    strOperand = tokens.RemoveHead();
    return true;
}

bool CheckNoMoreOperands(const CStringList& tokens, CString& strError)
{
    if (tokens.IsEmpty())
        return true;
    strError += kMsgExtraneousParameters;
    return false;
}

bool ParseUIntInRange(const CString& strText, UINT nMin, UINT nMax, UINT& nValue)
{
    UINT n = 0;
    if (!IsNumericString(strText) || !StringToUINT(strText, n) || n < nMin || n > nMax)
        return false;
    nValue = n;
    return true;
}

bool ParseUIntOperand(CStringList& tokens, UINT& nValue, UINT nMin, UINT nMax, CString& strError)
{
    CString strOperand;
    if (!TakeOperand(tokens, strOperand, strError))
        return false;
    bool bOk = ParseUIntInRange(strOperand, nMin, nMax, nValue);
    if (!bOk)
        strError += kMsgInvalidNumeric;
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

bool ParseUIntOperand(CStringList& tokens, int& nValue, UINT nMin, UINT nMax, CString& strError)
{
    // Every int member's range lies within 0..INT_MAX, so the value fits.
    UINT n = (UINT)nValue;
    bool bOk = ParseUIntOperand(tokens, n, nMin, nMax, strError);
    nValue = (int)n;
    return bOk;
}

bool ParseIntOperand(CStringList& tokens, int& nValue, CString& strError)
{
    CString strOperand;
    if (!TakeOperand(tokens, strOperand, strError))
        return false;
    INT n = 0;
    bool bOk = StringToINT(strOperand, n) && n >= LimitMinYearOffset() && n <= LimitMaxYearOffset();
    if (bOk)
        nValue = n;
    else
        strError += kMsgInvalidNumeric;
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

bool ParseSizeOperand(CStringList& tokens, UINT64& ullValue, UINT64 ullMin, UINT64 ullMax,
                      bool& bSuffixGiven, CString& strError)
{
    bSuffixGiven = false;
    CString strOperand;
    if (!TakeOperand(tokens, strOperand, strError))
        return false;
    bool bOk = ParseSizeValue(strOperand, ullMin, ullMax, ullValue, bSuffixGiven);
    if (!bOk)
        strError += kMsgInvalidNumeric;
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

bool ParseNameOperand(const CString& strOperand, CString& strValue, const char* pszLabel,
                      int nMaxLength, CString& strError)
{
    bool bLengthOk = strOperand.GetLength() <= nMaxLength;
    bool bCharsOk = IsBase36String(strOperand);
    if (bLengthOk && bCharsOk) {
        strValue = strOperand;
        return true;
    }
    CString strMsg;
    if (!bLengthOk) {
        strMsg.Format("\n%s: value longer than %d-character maximum", pszLabel, nMaxLength);
        strError += strMsg;
    }
    if (!bCharsOk) {
        strMsg.Format("\n%s: only uppercase A-Z and/or 0-9 allowed", pszLabel);
        strError += strMsg;
    }
    return false;
}
