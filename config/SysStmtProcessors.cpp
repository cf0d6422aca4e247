// SysStmtProcessors.cpp: the handlers of the storage and processor
// statements: MAINSIZE, XPNDSIZE, MAXCPU, NUMCPU, NUMVEC, ENGINES and ECPSVM.
#include "config/SysStmtHandler.h"

#include "config/ConfigLimits.h"
#include "config/OperandValues.h"

namespace {

// "TRAP" or "NOTRAP" into the trap flag.
bool ParseTrapOption(const CString& strOption, bool& bTrap, CString& strError)
{
    int n = LookupWord(strOption, {"TRAP", "NOTRAP"});
    if (n < 0) {
        strError += "\nInvalid ECPSVM trap option: must be TRAP or NOTRAP";
        return false;
    }
    bTrap = n == 0;
    return true;
}

// ECPSVM LEVEL n [TRAP|NOTRAP]: the level's messages come before the trap word's.
bool ParseEcpsvmLevel(CVornConfigFile& cfg, CStringList& tokens, CString& strError)
{
    cfg.m_nEcpsvmEnabled = 1;
    CString strLevel;
    if (!TakeOperand(tokens, strLevel, strError))
        return false;
    bool bHasTrap = !tokens.IsEmpty();
    CString strTrap = bHasTrap ? tokens.RemoveHead() : CString();
    tokens.AddHead(strLevel);
    bool bOk = ParseUIntOperand(tokens, cfg.m_nEcpsvmLevel, 0, (UINT)LimitMaxECPSVMLevel(), strError);
    if (!bHasTrap) {
        cfg.m_bEcpsvmTrap = true;
        return bOk;
    }
    return ParseTrapOption(strTrap, cfg.m_bEcpsvmTrap, strError) && bOk;
}

}  // namespace

SYSSTMT_HANDLER(ParseMainsizeStmt)
{
    tokens.RemoveHead();
    bool bSuffix = false;
    bool bOk = ParseSizeOperand(tokens, cfg.m_ullMainSize, 8192, LimitMaxMainMem(), bSuffix, strError);
    if (bSuffix)
        cfg.m_bSizesWithSuffix = true;
    return bOk;
}

SYSSTMT_HANDLER(ParseXpndsizeStmt)
{
    tokens.RemoveHead();
    bool bSuffix = false;
    bool bOk = ParseSizeOperand(tokens, cfg.m_ullXpndSize, 0, LimitMaxExpandedMem(), bSuffix, strError);
    if (bSuffix)
        cfg.m_bSizesWithSuffix = true;
    return bOk;
}

SYSSTMT_HANDLER(ParseMaxcpuStmt)
{
    tokens.RemoveHead();
    cfg.m_bMaxCPUGiven = true;
    UINT nMin = cfg.m_bNumCPUGiven ? (UINT)cfg.m_nNumCPUs : 1;
    return ParseUIntOperand(tokens, cfg.m_nMaxCPUs, nMin, (UINT)LimitMaxCPUs(), strError);
}

// Without a MAXCPU statement the number of CPUs is also the maximum.
SYSSTMT_HANDLER(ParseNumcpuStmt)
{
    tokens.RemoveHead();
    cfg.m_bNumCPUGiven = true;
    UINT nMax = cfg.m_bMaxCPUGiven ? (UINT)cfg.m_nMaxCPUs : (UINT)LimitMaxCPUs();
    bool bOk = ParseUIntOperand(tokens, cfg.m_nNumCPUs, 0, nMax, strError);
    if (!cfg.m_bMaxCPUGiven)
        cfg.m_nMaxCPUs = cfg.m_nNumCPUs;
    return bOk;
}

SYSSTMT_HANDLER(ParseNumvecStmt)
{
    tokens.RemoveHead();
    return ParseUIntOperand(tokens, cfg.m_nNumVec, 0, (UINT)LimitMaxCPUs(), strError);
}

// The first bad item ends the statement without the extraneous check.
SYSSTMT_HANDLER(ParseEnginesStmt)
{
    CString strList;
    if (!TakeFirstOperand(tokens, strList, strError))
        return false;
    if (!ParseEnginesList(strList, LimitMaxCPUs(), cfg.m_dwEngineTypes, strError))
        return false;
    return CheckNoMoreOperands(tokens, strError);
}

SYSSTMT_HANDLER(ParseEcpsvmStmt)
{
    CString strOption;
    if (!TakeFirstOperand(tokens, strOption, strError))
        return false;
    switch (LookupWord(strOption, {"YES", "NO", "LEVEL"})) {
    case 0: {
        cfg.m_nEcpsvmEnabled = 1;
        cfg.m_nEcpsvmLevel = LimitDefECPSVMLevel();
        bool bOk = true;
        if (tokens.IsEmpty())
            cfg.m_bEcpsvmTrap = true;
        else
            bOk = ParseTrapOption(tokens.RemoveHead(), cfg.m_bEcpsvmTrap, strError);
        return CheckNoMoreOperands(tokens, strError) && bOk;
    }
    case 1:
        cfg.m_nEcpsvmEnabled = 0;
        cfg.m_bEcpsvmTrap = false;
        cfg.m_nEcpsvmLevel = LimitDefECPSVMLevel();
        return CheckNoMoreOperands(tokens, strError);
    case 2:
        return ParseEcpsvmLevel(cfg, tokens, strError);
    default:
        strError += "\nInvalid ECPSVM option: must be NO, YES or LEVEL n";
        return false;
    }
}
