// SysStmtConsole.cpp: the handlers of the statements about the console,
// the panel and the ports: CNSLPORT, SYSGPORT, SHRDPORT, CONKPALV, PANOPT,
// PANRATE, PANTITLE and HTTP.
#include "config/SysStmtHandler.h"

#include "config/ConfigLimits.h"
#include "config/DirectoryValidation.h"
#include "platform/TextFunctions.h"

namespace {

const UINT kSysgPortDefault = 3278;

// Telnet's port 23, or a port above the well-known ones.
bool ParseTelnetPort(const CString& strPort, int& nPort)
{
    UINT n = 0;
    if (!ParseUIntInRange(strPort, 23, 65535, n) || (n != 23 && n < 1024))
        return false;
    nPort = (int)n;
    return true;
}

// FAST, SLOW or a number of milliseconds in the "Limits" range.
bool ParsePanelRate(const CString& strRate, int& nRate)
{
    switch (LookupWord(strRate, {"FAST", "SLOW"})) {
    case 0: nRate = 50; return true;
    case 1: nRate = 500; return true;
    default: break;
    }
    UINT n = 0;
    if (!ParseUIntInRange(strRate, (UINT)LimitMinPanRate(), (UINT)LimitMaxPanRate(), n))
        return false;
    nRate = (int)n;
    return true;
}

// One PANOPT option; a bad one does not stop the others.
void ParsePanelOption(CVornConfigFile& cfg, const CString& strOption, CString& strError)
{
    CString strUpper(strOption);
    strUpper.MakeUpper();
    if (IsAbbrevNoCase(strOption, "NAMEONLY", 4)) {
        cfg.m_bPanNamesOnly = true;
    } else if (IsAbbrevNoCase(strOption, "FULLPATH", 4)) {
        cfg.m_bPanNamesOnly = false;
    } else if (strUpper.Left(5) == "RATE=") {
        cfg.m_bPanOptGiven = true;
        Require(ParsePanelRate(strOption.Mid(5), cfg.m_nPanRate),
                "\nInvalid PANOPT RATE= numeric value or value out of range", strError);
    } else if (strUpper.Left(9) == "MSGCOLOR=") {
        int n = LookupWord(strOption.Mid(9), {"NO", "DARK", "LIGHT"});
        if (Require(n >= 0, "\nInvalid PANOPT MSGCOLOR= value or value out of range", strError))
            cfg.m_nMsgColor = n;
    } else if (strUpper.Left(7) == "TITLE=\"") {
        // The tokeniser removes correct quoting, so a quote left here is improper.
        cfg.m_bPanOptGiven = true;
        strError += "\nImproper PANOPT TITLE= syntax";
    } else if (strUpper.Left(6) == "TITLE=") {
        cfg.m_bPanOptGiven = true;
        cfg.m_strPanTitle = strOption.Mid(6);
    } else {
        strError += "\nUnrecognized or unsupported PANOPT option";
    }
}

// "(idle,intv,count)": three numbers 1..2147483647, stored together.
bool ParseKeepAlive(CVornConfigFile& cfg, const CString& strValue, CString& strError)
{
    CString strCounted(strValue);
    int nLen = strValue.GetLength();
    if (nLen < 7 || strValue[0] != '(' || strValue[nLen - 1] != ')' || strCounted.Replace(",", ";") != 2) {
        strError += "\nSyntax error";
        return false;
    }
    CStringArray fields;
    SplitString(strValue.Mid(1, nLen - 2), ",", fields);
    UINT n[3] = {};
    for (int i = 0; i < 3; ++i) {
        if (!ParseUIntInRange(fields[i], 1, 2147483647u, n[i])) {
            strError += "\nInvalid CONKPALV numeric value or value out of range (1 to 2147483647)";
            return false;
        }
    }
    cfg.m_nKpAlvIdle = (int)n[0];
    cfg.m_nKpAlvIntv = (int)n[1];
    cfg.m_nKpAlvCount = (int)n[2];
    return true;
}

// HTTP PORT n {NOAUTH | AUTH user password}. The AUTH word is not stored:
// an empty user means NOAUTH.
bool ParseHttpPort(CVornConfigFile& cfg, CStringList& tokens, CString& strError)
{
    cfg.m_strHttpUser.Empty();
    cfg.m_strHttpPassword.Empty();
    CString strPort;
    if (!TakeOperand(tokens, strPort, strError))
        return false;
    UINT nPort = 0;
    bool bOk = ParseUIntInRange(strPort, 80, 65535, nPort) && (nPort == 80 || nPort >= 1024);
    if (Require(bOk, "\nInvalid HTTP PORT value: must be 80 or 1024 to 65535", strError))
        cfg.m_nHttpPort = (int)nPort;
    if (tokens.IsEmpty()) {
        strError += "\nMissing HTTP PORT authorization option";
        return false;
    }
    int nAuth = LookupWord(tokens.RemoveHead(), {"AUTH", "NOAUTH"});
    if (nAuth < 0) {
        strError += "\nInvalid HTTP PORT authorization option; must be AUTH or NOAUTH";
        return false;
    }
    if (nAuth == 1)
        return CheckNoMoreOperands(tokens, strError) && bOk;
    if (tokens.GetCount() < 2) {
        strError += "\nMissing HTTP PORT USERID and/or PASSWORD";
        return false;
    }
    cfg.m_strHttpUser = tokens.RemoveHead();
    cfg.m_strHttpPassword = tokens.RemoveHead();
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

bool ParseHttpRoot(CVornConfigFile& cfg, CStringList& tokens, CString& strError)
{
    CString strRoot;
    if (!TakeOperand(tokens, strRoot, strError))
        return false;
    CString strMsg;
    bool bOk = ValidateDirectoryMsg(strRoot, strMsg);
    if (bOk)
        cfg.m_strHttpRoot = strRoot;
    else
        strError += "\nInvalid HTTP ROOT directory: \n" + strMsg;
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

}  // namespace

SYSSTMT_HANDLER(ParseCnslportStmt)
{
    CString strPort;
    if (!TakeFirstOperand(tokens, strPort, strError))
        return false;
    bool bOk = Require(ParseTelnetPort(strPort, cfg.m_nCnslPort),
                       "\nInvalid CNSLPORT value: must be 23 or 1024 to 65535", strError);
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

SYSSTMT_HANDLER(ParseSysgportStmt)
{
    cfg.m_bSysgPortEnabled = false;
    CString strPort;
    if (!TakeFirstOperand(tokens, strPort, strError))
        return false;
    bool bOk = true;
    if (strPort.CompareNoCase("NO") == 0)
        cfg.m_nSysgPort = (int)kSysgPortDefault;
    else if (Require(ParseTelnetPort(strPort, cfg.m_nSysgPort),
                     "\nInvalid SYSGPORT value: must be 23 or 1024 to 65535", strError))
        cfg.m_bSysgPortEnabled = true;
    else
        bOk = false;
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

SYSSTMT_HANDLER(ParseShrdportStmt)
{
    CString strPort;
    if (!TakeFirstOperand(tokens, strPort, strError))
        return false;
    bool bOk = Require(ParseUIntInRange(strPort, (UINT)LimitMinSHRDPortnum(), (UINT)LimitMaxSHRDPortnum(),
                                        cfg.m_nShrdPort),
                       "\nInvalid SHRDPORT numeric value or value out of range", strError);
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

// Exactly one operand: blanks after the commas split it, which is a syntax error.
SYSSTMT_HANDLER(ParseConkpalvStmt)
{
    CString strValue;
    if (!TakeFirstOperand(tokens, strValue, strError))
        return false;
    if (!tokens.IsEmpty()) {
        strError += "\nSyntax error";
        return false;
    }
    return ParseKeepAlive(cfg, strValue, strError);
}

SYSSTMT_HANDLER(ParsePanoptStmt)
{
    CString strOption;
    if (!TakeFirstOperand(tokens, strOption, strError))
        return false;
    int nErrorLength = strError.GetLength();
    ParsePanelOption(cfg, strOption, strError);
    while (!tokens.IsEmpty())
        ParsePanelOption(cfg, tokens.RemoveHead(), strError);
    return strError.GetLength() == nErrorLength;
}

SYSSTMT_HANDLER(ParsePanrateStmt)
{
    CString strRate;
    if (!TakeFirstOperand(tokens, strRate, strError))
        return false;
    bool bOk = Require(ParsePanelRate(strRate, cfg.m_nPanRate),
                       "\nInvalid PANRATE numeric value or value out of range", strError);
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

SYSSTMT_HANDLER(ParsePantitleStmt)
{
    CString strTitle;
    if (!TakeFirstOperand(tokens, strTitle, strError))
        return false;
    cfg.m_strPanTitle = strTitle;
    return CheckNoMoreOperands(tokens, strError);
}

SYSSTMT_HANDLER(ParseHttpStmt)
{
    CString strOption;
    if (!TakeFirstOperand(tokens, strOption, strError))
        return false;
    switch (LookupWord(strOption, {"PORT", "ROOT", "START"})) {
    case 0:
        return ParseHttpPort(cfg, tokens, strError);
    case 1:
        return ParseHttpRoot(cfg, tokens, strError);
    case 2:
        // Operands after START are ignored.
        cfg.m_bHttpStart = true;
        return true;
    default:
        strError += "\nInvalid HTTP operand: must be PORT, ROOT or START";
        return false;
    }
}
