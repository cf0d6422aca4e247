// SysCfgFieldChecks.cpp: the Apply checks of the Identification,
// Architecture, Processors, Engines and Clock pages, in their fixed orders.
#include "sysconfig/SysCfgFieldChecks.h"

#include "config/CVornConfigFile.h"
#include "config/ConfigTxf.h"
#include "config/DirectoryValidation.h"
#include "config/FileChecks.h"
#include "config/Limits.h"
#include "config/OperandValues.h"
#include "config/ValueConversions.h"
#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"
#include "resources/SysConfigRes.h"

namespace {

bool Fail(SysCfgFieldFailure& failure, UINT nCtrlId, const char* pszTitle, const CString& strText, bool bEdit = true)
{
    failure.nCtrlId = nCtrlId;
    failure.bEdit = bEdit;
    failure.strTitle = pszTitle;
    failure.strText = strText;
    return false;
}

CString Between(UINT nMin, UINT nMax)
{
    CString str;
    str.Format("Please enter a value between %u and %u", nMin, nMax);
    return str;
}

CString UpTo(UINT nMax)
{
    CString str;
    str.Format("Please enter a value between 0 and %u", nMax);
    return str;
}

struct IdentField {
    UINT nCtrlId;
    const char* pszTitle;
    const CString CVornConfigFile::*pString;  // or the model name of nModel
    int nModel;
    int nMaxLength;
};

const CString& FieldText(const CVornConfigFile& cfg, const IdentField& f)
{
    return f.pString ? cfg.*(f.pString) : cfg.m_strModel[f.nModel];
}

const IdentField kLparName = {IDC_IDENT_LPARNAME, "LPAR Name", &CVornConfigFile::m_strLparName, 0, 8};
const IdentField kHardware = {IDC_IDENT_HARDWARE, "Hardware", nullptr, 0, 16};
const IdentField kCapacity = {IDC_IDENT_CAPACITY, "Capacity", nullptr, 1, 16};
const IdentField kPerm = {IDC_IDENT_PERM, "Perm", nullptr, 2, 16};
const IdentField kTemp = {IDC_IDENT_TEMP, "Temp", nullptr, 3, 16};
const IdentField kManufacturer = {IDC_IDENT_MANUFACTURER, "Manufacturer", &CVornConfigFile::m_strManufacturer, 0,
                                  16};
const IdentField kPlant = {IDC_IDENT_PLANT, "Plant", &CVornConfigFile::m_strPlant, 0, 4};

// The order of both the length checks (rows 1-7) and the character-set
// checks (rows 11-17).
const IdentField* const kFieldOrder[] = {&kLparName, &kHardware, &kCapacity, &kPerm, &kTemp, &kManufacturer, &kPlant};

}  // namespace

bool FailField(SysCfgFieldFailure& failure, UINT nCtrlId, const char* pszTitle, const CString& strText, bool bEdit)
{
    return Fail(failure, nCtrlId, pszTitle, strText, bEdit);
}

CString BetweenText(UINT nMin, UINT nMax)
{
    return Between(nMin, nMax);
}

bool CheckIdentification(const CVornConfigFile& cfg, SysCfgFieldFailure& failure)
{
    for (const IdentField* f : kFieldOrder) {
        if (FieldText(cfg, *f).GetLength() > f->nMaxLength) {
            CString str;
            str.Format("Enter no more than %d characters", f->nMaxLength);
            return Fail(failure, f->nCtrlId, f->pszTitle, str);
        }
    }
    const CString& strLparNum = cfg.m_strLparNum;
    if (strLparNum.CompareNoCase("BASIC") != 0) {
        if (strLparNum.GetLength() >= 3)
            return Fail(failure, IDC_IDENT_LPARNUM, "LPAR Number",
                        "Enter no more than 2 hex digits or the value \"BASIC\".");
        WORD wLpar = 0;
        if (!IsHexString(strLparNum) || !HexStringToWORD(strLparNum, wLpar) || wLpar >= 0x40)
            return Fail(failure, IDC_IDENT_LPARNUM, "LPAR Number",
                        "Please enter the value \"BASIC\" or a 1 or 2 hex digit number in the range 0-3F.");
    }
    const CString& strFmt = cfg.m_strCPUIdFmt;
    if (!strFmt.IsEmpty() && strFmt.CompareNoCase("BASIC") != 0 && strFmt != "0" && strFmt != "1")
        return Fail(failure, IDC_IDENT_CPUIDFMT, "CPU ID Format", "Enter only the value 0 or 1 or the string \"BASIC\".");
    for (const IdentField* f : kFieldOrder)
        if (!IsBase36String(FieldText(cfg, *f)))
            return Fail(failure, f->nCtrlId, f->pszTitle,
                        "Only uppercase alphanumeric characters 0-9 and/or A-Z are allowed");
    return true;
}

bool CheckEcpsVmLevel(const CVornConfigFile& cfg, SysCfgFieldFailure& failure)
{
    if (cfg.m_nEcpsvmLevel < 0 || (UINT)cfg.m_nEcpsvmLevel > g_nMaxECPSVMLevel)
        return Fail(failure, IDC_ARCH_ECPSVM_LEVEL, "ECPSVM Level", UpTo(g_nMaxECPSVMLevel));
    return true;
}

SysCfgFieldFailure MainStorageFailure()
{
    SysCfgFieldFailure failure;
    Fail(failure, IDC_PROCS_MAINSIZE, "Main Storage",
         "Please enter a value between 2M and " + FormatSizeWithSuffix(g_ullMaxMainMem, true));
    return failure;
}

SysCfgFieldFailure ExpandedStorageFailure()
{
    SysCfgFieldFailure failure;
    Fail(failure, IDC_PROCS_XPNDSIZE, "Expanded Storage",
         "Please enter a value between 0M and " + FormatSizeWithSuffix(g_ullMaxExpandedMem, true));
    return failure;
}

bool CheckProcessors(const CVornConfigFile& cfg, SysCfgFieldFailure& failure)
{
    // The reader takes the three identifiers in hexadecimal only.
    const char kHexOnly[] = "Only hexadecimal digits 0-9 and A-F are allowed";
    if (cfg.m_strCPUSerial.GetLength() != 6)
        return Fail(failure, IDC_PROCS_SERIAL, "CPU Serial Number", "6-digit CPU Serial number required");
    if (!IsHexString(cfg.m_strCPUSerial))
        return Fail(failure, IDC_PROCS_SERIAL, "CPU Serial Number", kHexOnly);
    if (cfg.m_strCPUModel.GetLength() != 4)
        return Fail(failure, IDC_PROCS_MODEL, "CPU Model Number", "4-digit CPU Model number required");
    if (!IsHexString(cfg.m_strCPUModel))
        return Fail(failure, IDC_PROCS_MODEL, "CPU Model Number", kHexOnly);
    if (IsTXFEnabled(cfg) && !IsZSeriesModel(cfg.m_strCPUModel))
        return Fail(failure, IDC_PROCS_MODEL, "CPU Model Number", "Your chosen CPU Model does not support TXF");
    // No version is written as "00".
    const CString& strVersion = cfg.m_strCPUVersion;
    if (!strVersion.IsEmpty() && strVersion.GetLength() != 2)
        return Fail(failure, IDC_PROCS_VERSION, "CPU Version Code", "2-digit CPU Version code required");
    if (!strVersion.IsEmpty() && !IsHexString(strVersion))
        return Fail(failure, IDC_PROCS_VERSION, "CPU Version Code", kHexOnly);
    UINT nMaxCpu = (UINT)cfg.m_nMaxCPUs;
    if (nMaxCpu > g_nMaxCPUs)
        return Fail(failure, IDC_PROCS_MAXCPU, "Maximum CPUs", UpTo(g_nMaxCPUs));
    if ((UINT)cfg.m_nNumCPUs > nMaxCpu)
        return Fail(failure, IDC_PROCS_NUMCPU, "Numbr of CPUs", UpTo(nMaxCpu));
    if ((UINT)cfg.m_nNumVec > g_nMaxCPUs)
        return Fail(failure, IDC_PROCS_NUMVEC, "Vector Facilities", UpTo(g_nMaxCPUs));
    if (cfg.m_ullMainSize < 2 * 1048576ull || cfg.m_ullMainSize > g_ullMaxMainMem) {
        failure = MainStorageFailure();
        return false;
    }
    if (cfg.m_ullXpndSize > g_ullMaxExpandedMem) {
        failure = ExpandedStorageFailure();
        return false;
    }
    return true;
}

bool CheckEngineTypes(const CVornConfigFile& cfg, UINT nFirst, SysCfgFieldFailure& failure)
{
    for (UINT n = 0; n < 32 && nFirst + n < (UINT)kMaxEngines; ++n) {
        if (cfg.m_dwEngineTypes[nFirst + n] > 3) {
            CString strTitle;
            strTitle.Format("CPU %02.2X", nFirst + n);
            return Fail(failure, IDC_ENGINES_COMBO0 + n, strTitle, "Invalid CPU Type", false);
        }
    }
    return true;
}

UINT MinTodUpdateInterval(const CVornConfigFile& cfg)
{
    return IsTXFEnabled(cfg) ? g_nMinTXFTODUpdIntv : g_nMinTODUpdIntv;
}

bool CheckClock(const CVornConfigFile& cfg, SysCfgFieldFailure& failure)
{
    if (cfg.m_nSysEpoch < 0 || (UINT)cfg.m_nSysEpoch < g_nMinEpoch || (UINT)cfg.m_nSysEpoch > g_nMaxEpoch)
        return Fail(failure, IDC_CLOCK_EPOCH, "Clock Epoch", Between(g_nMinEpoch, g_nMaxEpoch));
    if (cfg.m_nYrOffset < g_nMinYearOffset || cfg.m_nYrOffset > g_nMaxYearOffset) {
        CString str;
        str.Format("Please enter a value between %d and %d", g_nMinYearOffset, g_nMaxYearOffset);
        return Fail(failure, IDC_CLOCK_YROFFSET, "Year Offset", str);
    }
    UINT nMinInterval = MinTodUpdateInterval(cfg);
    if (cfg.m_nTimerInt < 0 || (UINT)cfg.m_nTimerInt < nMinInterval || (UINT)cfg.m_nTimerInt > g_nMaxTODUpdIntv)
        return Fail(failure, IDC_CLOCK_INTERVAL, "Update Interval", Between(nMinInterval, g_nMaxTODUpdIntv));
    if (!(cfg.m_dTodDrag >= g_dMinTODDrag && cfg.m_dTodDrag <= g_dMaxTODDrag)) {
        CString str;
        str.Format("Please enter a value between %.4f and %.4f", g_dMinTODDrag, g_dMaxTODDrag);
        return Fail(failure, IDC_CLOCK_DRAG, "Drag Factor", str);
    }
    // None (a host at universal time has none) writes no TZOFFSET statement.
    if (!cfg.m_strTzOffset.IsEmpty() && !IsValidTzOffset(cfg.m_strTzOffset))
        return Fail(failure, IDC_CLOCK_TZOFFSET, "Time Zone Offset",
                    "Enter the offset from UTC as +hhmm or -hhmm (hours 00-23, minutes 00-59)");
    return true;
}

bool IsValidTzOffset(const CString& strOffset)
{
    if (strOffset.GetLength() != 5 || (strOffset[0] != '+' && strOffset[0] != '-'))
        return false;
    for (int i = 1; i < 5; ++i)
        if (strOffset[i] < '0' || strOffset[i] > '9')
            return false;
    int nHours = (strOffset[1] - '0') * 10 + (strOffset[2] - '0');
    int nMinutes = (strOffset[3] - '0') * 10 + (strOffset[4] - '0');
    return nHours <= 23 && nMinutes <= 59;
}

bool CheckHttpServer(const CVornConfigFile& cfg, SysCfgFieldFailure& failure)
{
    if (cfg.m_nHttpPort != 80 && (cfg.m_nHttpPort < 1024 || cfg.m_nHttpPort > 65535))
        return Fail(failure, IDC_HTTP_PORT, "Port Number", "Invalid port number (must be 80 or 1024 to 65535)");
    if (!cfg.m_strHttpUser.IsEmpty() && cfg.m_strHttpPassword.IsEmpty())
        return Fail(failure, IDC_HTTP_PASSWORD, "Password", "Password required for userid");
    if (cfg.m_bHttpStart) {
        if (cfg.m_strHttpRoot.IsEmpty())
            return Fail(failure, IDC_HTTP_ROOT, "Directory", "HTTP root directory required");
        CString strReason;
        if (!ValidateDirectoryMsg(cfg.m_strHttpRoot, strReason))
            return Fail(failure, IDC_HTTP_ROOT, "Directory", strReason);
    }
    return true;
}

bool IsValidConsolePort(int nPort)
{
    return nPort == 23 || (nPort >= 1024 && nPort <= 65535);
}

bool CheckSettings(const CVornConfigFile& cfg, SysCfgFieldFailure& failure)
{
    const UINT kMaxSeconds = 2147483647;
    if (cfg.m_nPanRate < (int)g_nMinPanRate || cfg.m_nPanRate > (int)g_nMaxPanRate)
        return Fail(failure, IDC_SET_PANRATE, "Refresh Rate", Between(g_nMinPanRate, g_nMaxPanRate));
    if (!IsValidConsolePort(cfg.m_nCnslPort))
        return Fail(failure, IDC_SET_CNSLPORT, "Console Port", "Invalid Console connection port");
    if (cfg.m_bSysgPortEnabled && !IsValidConsolePort(cfg.m_nSysgPort))
        return Fail(failure, IDC_SET_SYSGPORT, "SYSG Port", "Invalid SYSG console port");
    // A count that parsed beyond the signed range reads negative here.
    if (cfg.m_nKpAlvIdle < 1)
        return Fail(failure, IDC_SET_KPALV_IDLE, "Idle Seconds", Between(1, kMaxSeconds));
    if (cfg.m_nKpAlvIntv < 1)
        return Fail(failure, IDC_SET_KPALV_TIMEOUT, "Probe Timeout", Between(1, kMaxSeconds));
    const struct {
        const CString& strFile;
        UINT nCtrlId;
        const char* pszTitle;
    } files[] = {
        {cfg.m_strRCFile, IDC_SET_RCFILE, ".RC File"},
        {cfg.m_strLogoFile, IDC_SET_LOGOFILE, "Logo File"},
    };
    for (const auto& f : files) {
        // Only blanks count as no file (the check would ask for one).
        CString strFile = f.strFile, strReason;
        if (!TrimBlanks(strFile).IsEmpty() && !CheckInputFile(strFile, strReason))
            return Fail(failure, f.nCtrlId, f.pszTitle, strReason);
    }
    return true;
}
