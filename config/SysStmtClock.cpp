// SysStmtClock.cpp: the handlers of the clock statements: SYSEPOCH,
// YROFFSET, TZOFFSET, TIMERINT and TODDRAG.
#include "config/SysStmtHandler.h"

#include <cstdlib>

#include "config/ConfigLimits.h"
#include "config/ConfigTxf.h"

// SYSEPOCH year [offset]. A year that is refused is reported even when an
// offset follows it; the offset is then still taken.
SYSSTMT_HANDLER(ParseSysepochStmt)
{
    CString strYear;
    if (!TakeFirstOperand(tokens, strYear, strError))
        return false;
    UINT nYear = 0;
    bool bOk = Require(ParseUIntInRange(strYear, (UINT)LimitMinEpoch(), (UINT)LimitMaxEpoch(), nYear),
                       kMsgInvalidNumeric, strError);
    if (bOk)
        cfg.m_nSysEpoch = (int)nYear;
    if (tokens.IsEmpty())
        return bOk;
    return ParseIntOperand(tokens, cfg.m_nYrOffset, strError) && bOk;
}

SYSSTMT_HANDLER(ParseYroffsetStmt)
{
    tokens.RemoveHead();
    return ParseIntOperand(tokens, cfg.m_nYrOffset, strError);
}

SYSSTMT_HANDLER(ParseTzoffsetStmt)
{
    CString strOffset;
    if (!TakeFirstOperand(tokens, strOffset, strError))
        return false;
    cfg.m_strTzOffset = strOffset;
    return CheckNoMoreOperands(tokens, strError);
}

// With transactional execution the clock may not be updated more often.
SYSSTMT_HANDLER(ParseTimerintStmt)
{
    tokens.RemoveHead();
    bool bTxf = IsTXFEnabled(cfg);
    if (!tokens.IsEmpty() && tokens.GetHead().CompareNoCase("DEFAULT") == 0) {
        tokens.RemoveHead();
        cfg.m_nTimerInt = bTxf ? LimitDefTXFTODUpdIntv() : LimitDefTODUpdIntv();
        return CheckNoMoreOperands(tokens, strError);
    }
    UINT nMin = (UINT)(bTxf ? LimitMinTXFTODUpdIntv() : LimitMinTODUpdIntv());
    UINT nMax = (UINT)LimitMaxTODUpdIntv();
    int nErrorLength = strError.GetLength();
    bool bOk = ParseUIntOperand(tokens, cfg.m_nTimerInt, nMin, nMax, strError);
    if (bTxf && strError.GetLength() != nErrorLength)
        strError.AppendFormat("\n(acceptable range for TXF is %u - %u)", nMin, nMax);
    return bOk;
}

// A text that is no number converts to 0, which is refused.
SYSSTMT_HANDLER(ParseToddragStmt)
{
    CString strDrag;
    if (!TakeFirstOperand(tokens, strDrag, strError))
        return false;
    double d = std::atof(strDrag);
    bool bOk = Require(d != 0.0 && d >= LimitMinTODDrag() && d <= LimitMaxTODDrag(),
                       "\nInvalid TODDRAG numeric value or value out of range", strError);
    if (bOk)
        cfg.m_dTodDrag = d;
    return CheckNoMoreOperands(tokens, strError) && bOk;
}
