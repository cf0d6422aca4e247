// SysStmtOptions.cpp: the handlers of the option statements: $ZAPCMD,
// AUTO_SCSI_MOUNT, SCSIMOUNT, AUTOINIT, CODEPAGE, DEVTMAX, DIAG8CMD, IODELAY,
// LDMOD, LEGACYSENSEID, MODPATH, MOUNTED_TAPE_REINIT, NETDEV, OSTAILOR,
// PGMTRACE, SHCMDOPT and TRACEOPT.
#include "config/SysStmtHandler.h"

#include "config/ConfigLimits.h"
#include "config/PgmTrace.h"
#include "config/ValueConversions.h"
#include "platform/NetAddress.h"
#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"

namespace {

// YES, NO or a number of seconds 0..99 (AUTO_SCSI_MOUNT and SCSIMOUNT).
bool ParseScsiMount(CVornConfigFile& cfg, CStringList& tokens, CString& strError)
{
    tokens.RemoveHead();
    if (tokens.IsEmpty()) {
        strError += kMsgMissingParameters;
        return false;
    }
    switch (LookupWord(tokens.GetHead(), {"YES", "NO"})) {
    case 0:
        tokens.RemoveHead();
        cfg.m_nScsiMountEnabled = 1;
        cfg.m_nScsiMountSecs = LimitDefAutoSCSISecs();
        return CheckNoMoreOperands(tokens, strError);
    case 1:
        tokens.RemoveHead();
        cfg.m_nScsiMountEnabled = 0;
        cfg.m_nScsiMountSecs = 0;
        return CheckNoMoreOperands(tokens, strError);
    default:
        cfg.m_nScsiMountEnabled = 1;
        return ParseUIntOperand(tokens, cfg.m_nScsiMountSecs, 0, 99, strError);
    }
}

// One operand that is one of two words (either case): the first sets the flag.
bool ParseSwitch(CStringList& tokens, bool& bFlag, const char* pszOn, const char* pszOff,
                 const char* pszMessage, CString& strError)
{
    CString strValue;
    if (!TakeFirstOperand(tokens, strValue, strError))
        return false;
    int n = LookupWord(strValue, {pszOn, pszOff});
    if (Require(n >= 0, pszMessage, strError))
        bFlag = n == 0;
    return CheckNoMoreOperands(tokens, strError) && n >= 0;
}

// One operand stored as written.
bool ParseAnyText(CStringList& tokens, CString& strValue, CString& strError)
{
    CString strOperand;
    if (!TakeFirstOperand(tokens, strOperand, strError))
        return false;
    strValue = strOperand;
    return CheckNoMoreOperands(tokens, strError);
}

}  // namespace

// Kept as written once it has its two operands, even when the second is wrong.
SYSSTMT_HANDLER(ParseZapcmdStmt)
{
    tokens.RemoveHead();
    if (tokens.GetCount() < 2) {
        strError += kMsgMissingParameters;
        return false;
    }
    tokens.RemoveHead();
    bool bOk = Require(LookupWord(tokens.RemoveHead(), {"Cfg", "NoCfg", "Cmd", "NoCmd"}) >= 0,
                       "\nInvalid $ZAPCMD <cmd> value: must be [No]Cfg or [No]Cmd", strError);
    bOk = CheckNoMoreOperands(tokens, strError) && bOk;
    cfg.m_keptStmts.Add(strLine);
    return bOk;
}

SYSSTMT_HANDLER(ParseAutoScsiMountStmt)
{
    return ParseScsiMount(cfg, tokens, strError);
}

SYSSTMT_HANDLER(ParseScsiMountStmt)
{
    cfg.m_bScsiMountKeyword = true;
    return ParseScsiMount(cfg, tokens, strError);
}

SYSSTMT_HANDLER(ParseAutoinitStmt)
{
    return ParseSwitch(tokens, cfg.m_bAutoInit, "ON", "OFF", "\nInvalid AUTOINIT value: must be ON or OFF",
                       strError);
}

SYSSTMT_HANDLER(ParseMountedTapeReinitStmt)
{
    return ParseSwitch(tokens, cfg.m_bMountedTapeReinit, "ALLOW", "DISALLOW",
                       "\nInvalid MOUNTED_TAPE_REINIT value: must be ALLOW or DISALLOW", strError);
}

SYSSTMT_HANDLER(ParseLegacySenseIdStmt)
{
    CString strValue;
    if (!TakeFirstOperand(tokens, strValue, strError))
        return false;
    int n = LookupWord(strValue, {"ENABLE", "ON", "DISABLE", "OFF"});
    if (Require(n >= 0, "\nUnrecognized LEGACYSENSEID value: must be ON or ENABLE or OFF or DISABLE", strError))
        cfg.m_bLegacySenseId = n < 2;
    return CheckNoMoreOperands(tokens, strError) && n >= 0;
}

SYSSTMT_HANDLER(ParseCodepageStmt)
{
    return ParseAnyText(tokens, cfg.m_strCodePage, strError);
}

SYSSTMT_HANDLER(ParseModpathStmt)
{
    return ParseAnyText(tokens, cfg.m_strModPath, strError);
}

SYSSTMT_HANDLER(ParseDevtmaxStmt)
{
    CString strValue;
    if (!TakeFirstOperand(tokens, strValue, strError))
        return false;
    int nSign = 1;
    if (strValue.Left(1) == "-") {
        nSign = -1;
        strValue = strValue.Mid(1);
    }
    INT n = 0;
    bool bOk = IsNumericString(strValue) && StringToINT(strValue, n) && nSign * n >= -1 && nSign * n <= 999;
    if (Require(bOk, "\nInvalid DEVTMAX numeric value or value out of range", strError))
        cfg.m_nDevTMax = nSign * n;
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

SYSSTMT_HANDLER(ParseDiag8cmdStmt)
{
    CString strValue;
    if (!TakeFirstOperand(tokens, strValue, strError))
        return false;
    int nEnable = LookupWord(strValue, {"DISABLE", "ENABLE"});
    bool bOk = Require(nEnable >= 0, "\nInvalid DIAG8CMD operand: must be ENABLE or DISABLE", strError);
    if (bOk)
        cfg.m_nDiag8CmdEnabled = nEnable;
    if (tokens.IsEmpty()) {
        cfg.m_nDiag8CmdEcho = 0;
        return bOk;
    }
    int nEcho = LookupWord(tokens.RemoveHead(), {"NOECHO", "ECHO"});
    if (Require(nEcho >= 0, "\nInvalid DIAG8CMD operand: must be ECHO or NOECHO", strError))
        cfg.m_nDiag8CmdEcho = nEcho;
    return CheckNoMoreOperands(tokens, strError) && bOk && nEcho >= 0;
}

SYSSTMT_HANDLER(ParseIodelayStmt)
{
    tokens.RemoveHead();
    return ParseUIntOperand(tokens, cfg.m_nIODelay, 0, 1000000, strError);
}

// Several LDMOD statements add to the one list of module names.
SYSSTMT_HANDLER(ParseLdmodStmt)
{
    tokens.RemoveHead();
    if (tokens.IsEmpty()) {
        strError += kMsgMissingParameters;
        return false;
    }
    cfg.m_strLdMod += ' ';
    while (!tokens.IsEmpty())
        cfg.m_strLdMod += QuoteIfNeeded(tokens.RemoveHead(), '"') + ' ';
    TrimBlanks(cfg.m_strLdMod);
    return true;
}

// The text is kept even when it is no address.
SYSSTMT_HANDLER(ParseNetdevStmt)
{
    CString strDev;
    if (!TakeFirstOperand(tokens, strDev, strError))
        return false;
    cfg.m_strNetDev = strDev;
    DWORD dwAddr = 0;
    BYTE abyMAC[6] = {};
    bool bOk = Require(ParseIPAddress(strDev, dwAddr) || ParseMACAddress(strDev, abyMAC),
                       "\nInvalid IP or MAC address", strError);
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

// Each statement adds its flag; nothing clears one.
SYSSTMT_HANDLER(ParseOstailorStmt)
{
    CString strName;
    if (!TakeFirstOperand(tokens, strName, strError))
        return false;
    if (strName.Left(1) == "+")
        strName = strName.Mid(1);
    WORD wFlag = OsTailorFlagFromName(strName);
    if (Require(wFlag != 0,
                "\nUnrecognized OSTAILOR value: must be either QUIET or NULL, or VM, VSE, z/VSE, LINUX, "
                "OpenSolaris, OS/390 and/or z/OS.",
                strError))
        cfg.m_wOsTailor |= wFlag;
    return CheckNoMoreOperands(tokens, strError) && wFlag != 0;
}

SYSSTMT_HANDLER(ParsePgmtraceStmt)
{
    CString strCode;
    if (!TakeFirstOperand(tokens, strCode, strError))
        return false;
    bool bExclude = strCode.Left(1) == "-";
    if (bExclude || strCode.Left(1) == "+")
        strCode = strCode.Mid(1);
    UINT nCode = 0;
    bool bOk = IsHexString(strCode, 2) && HexStringToUINT(strCode, nCode) && nCode <= kPgmTraceMaxCode;
    if (Require(bOk, "\nInvalid PGMTRACE value", strError)) {
        UINT64 ullBit = PgmTraceBit(nCode);
        (bExclude ? cfg.m_ullPgmTraceExclude : cfg.m_ullPgmTraceInclude) |= ullBit;
        (bExclude ? cfg.m_ullPgmTraceInclude : cfg.m_ullPgmTraceExclude) &= ~ullBit;
    }
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

// SHCMDOPT {DISABLE|ENABLE|NODIAG8} [DIAG8|NODIAG8]; 2 means ENABLE NODIAG8.
SYSSTMT_HANDLER(ParseShcmdoptStmt)
{
    CString strValue;
    if (!TakeFirstOperand(tokens, strValue, strError))
        return false;
    int n = LookupWord(strValue, {"DISABLE", "ENABLE", "NODIAG8"});
    if (!Require(n >= 0, "\nInvalid SHCMDOPT value: must be ENABLE, DISABLE or NODIAG8", strError)) {
        CheckNoMoreOperands(tokens, strError);
        return false;
    }
    cfg.m_nShCmdOpt = n;
    bool bOk = true;
    if (n != 2 && !tokens.IsEmpty()) {
        switch (LookupWord(tokens.RemoveHead(), {"DIAG8", "NODIAG8"})) {
        case 0:
            bOk = Require(cfg.m_nShCmdOpt != 0, "\n\"DISABLE DIAG8\" not supported", strError);
            break;
        case 1:
            if (cfg.m_nShCmdOpt == 1)
                cfg.m_nShCmdOpt = 2;
            break;
        default:
            strError += "\nUnrecognized SHCMDOPT value";
            bOk = false;
        }
    }
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

// A wrong second operand replaces the error text rather than adding to it.
SYSSTMT_HANDLER(ParseTraceoptStmt)
{
    CString strMode;
    if (!TakeFirstOperand(tokens, strMode, strError))
        return false;
    cfg.m_strTraceOpt = strMode;
    bool bOk = true;
    if (!tokens.IsEmpty()) {
        cfg.m_bNoCh9Oflow = IsAbbrevNoCase(tokens.RemoveHead(), "NOCH9OFLOW", 5);
        if (!cfg.m_bNoCh9Oflow) {
            strError = "Unrecognized or unsupported TRACEOPT argument";
            bOk = false;
        }
    }
    return CheckNoMoreOperands(tokens, strError) && bOk;
}
