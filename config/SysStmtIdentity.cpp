// SysStmtIdentity.cpp: the handlers of the statements that identify the
// machine: CPUMODEL, CPUSERIAL, CPUVERID, CPUIDFMT, LPARNUM, LPARNAME,
// LOADPARM, MODEL, MANUFACTURER, PLANT and PGMPRDOS.
#include "config/SysStmtHandler.h"

#include "config/ConfigLimits.h"
#include "config/ConfigTxf.h"
#include "config/OperandValues.h"
#include "config/ValueConversions.h"
#include "platform/NumberParse.h"

namespace {

bool IsHexOfLength(const CString& str, int nLength)
{
    return str.GetLength() == nLength && IsHexString(str);
}

const char* const kModelLabels[4] = {
    "MODEL operand-1 Hardware-Model",
    "MODEL operand-2 Capacity-Model",
    "MODEL operand-3 Perm-Capacity-Model",
    "MODEL operand-4 Temp-Capacity-Model",
};

}  // namespace

SYSSTMT_HANDLER(ParseCpumodelStmt)
{
    cfg.m_nCPUModelLine = cfg.m_nCurrentLine;
    CString strModel;
    if (!TakeFirstOperand(tokens, strModel, strError))
        return false;
    if (strModel.Left(2) == "$(")
        strModel = ResolveModelSymbol(strModel);
    bool bOk = Require(IsHexOfLength(strModel, 4), "\nInvalid CPUMODEL hex value or value out of range",
                       strError);
    if (bOk && cfg.m_bArchLvlGiven && cfg.m_nArchMode == kArchZArch && IsTXFEnabled(cfg) &&
        !IsZSeriesModel(strModel)) {
        strError += "\nSpecified CPU Model does not support TXF";
        bOk = false;
    }
    if (bOk)
        cfg.m_strCPUModel = strModel;
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

SYSSTMT_HANDLER(ParseCpuserialStmt)
{
    CString strSerial;
    if (!TakeFirstOperand(tokens, strSerial, strError))
        return false;
    bool bOk = Require(IsHexOfLength(strSerial, 6), "\nInvalid CPUSERIAL hex value or value out of range",
                       strError);
    if (bOk)
        cfg.m_strCPUSerial = strSerial;
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

SYSSTMT_HANDLER(ParseCpuveridStmt)
{
    CString strVersion;
    if (!TakeFirstOperand(tokens, strVersion, strError))
        return false;
    bool bOk = Require(IsHexOfLength(strVersion, 2), "\nInvalid CPUVERID hex value or value out of range",
                       strError);
    if (bOk)
        cfg.m_strCPUVersion = strVersion;
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

SYSSTMT_HANDLER(ParseCpuidfmtStmt)
{
    CString strFormat;
    if (!TakeFirstOperand(tokens, strFormat, strError))
        return false;
    bool bOk = Require(strFormat.CompareNoCase("BASIC") == 0 || IsNumericString(strFormat),
                       "\nInvalid CPUIDFMT value: must be either 0, 1 or BASIC.", strError);
    if (bOk)
        cfg.m_strCPUIdFmt = strFormat;
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

SYSSTMT_HANDLER(ParseLparnumStmt)
{
    CString strNum;
    if (!TakeFirstOperand(tokens, strNum, strError))
        return false;
    UINT nNum = 0;
    bool bOk = strNum.CompareNoCase("BASIC") == 0 ||
               (IsHexString(strNum, 2) && HexStringToUINT(strNum, nNum) && nNum <= 0x3F);
    if (Require(bOk, "\nInvalid LPARNUM hex value or value out of range (0-3F)", strError))
        cfg.m_strLparNum = strNum;
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

SYSSTMT_HANDLER(ParseLparnameStmt)
{
    CString strName;
    if (!TakeFirstOperand(tokens, strName, strError))
        return false;
    bool bOk = Require(strName.GetLength() <= 8, "\nLPARNAME value too long (8 characters maximum)", strError);
    if (bOk)
        cfg.m_strLparName = strName;
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

// The emulator pads a load parameter with dots to its eight characters.
SYSSTMT_HANDLER(ParseLoadparmStmt)
{
    CString strParm;
    if (!TakeFirstOperand(tokens, strParm, strError))
        return false;
    bool bOk = Require(strParm.GetLength() <= 8, "\nLOADPARM value too long (8 characters maximum)", strError);
    if (bOk)
        cfg.m_strLoadParm = strParm + CString('.', 8 - strParm.GetLength());
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

SYSSTMT_HANDLER(ParseModelStmt)
{
    CString strName;
    if (!TakeFirstOperand(tokens, strName, strError))
        return false;
    bool bOk = true;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (tokens.IsEmpty())
                break;
            strName = tokens.RemoveHead();
        }
        bOk = ParseNameOperand(strName, cfg.m_strModel[i], kModelLabels[i], 16, strError) && bOk;
        if (i == 0 && cfg.m_strModel[0].IsEmpty())
            cfg.m_strModel[0] = LimitDefModelName();
    }
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

SYSSTMT_HANDLER(ParseManufacturerStmt)
{
    CString strName;
    if (!TakeFirstOperand(tokens, strName, strError))
        return false;
    bool bOk = ParseNameOperand(strName, cfg.m_strManufacturer, "MANUFACTURER", 16, strError);
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

SYSSTMT_HANDLER(ParsePlantStmt)
{
    CString strName;
    if (!TakeFirstOperand(tokens, strName, strError))
        return false;
    bool bOk = ParseNameOperand(strName, cfg.m_strPlant, "PLANT", 4, strError);
    return CheckNoMoreOperands(tokens, strError) && bOk;
}

SYSSTMT_HANDLER(ParsePgmprdosStmt)
{
    CString strValue;
    if (!TakeFirstOperand(tokens, strValue, strError))
        return false;
    int n = LookupWord(strValue, {"RESTRICTED", "LICENSED"});
    if (Require(n >= 0, "\nInvalid PGMPRDOS value: must be RESTRICTED or LICENSED", strError))
        cfg.m_bPgmPrdOsLicensed = n == 1;
    return CheckNoMoreOperands(tokens, strError) && n >= 0;
}
