// SysStmtTable.cpp: the system-statement keyword table and the handlers that
// keep a statement as written.
#include "config/CVornConfigFile.h"

typedef CVornConfigFile C;

const SysStmtRow g_SysStmtTable[] = {
    {"$ZAPCMD", C::ParseZapcmdStmt},
    {"ARCHLVL", C::ParseArchlvlStmt},
    {"ARCHMODE", C::ParseArchlvlStmt},
    {"AUTO_SCSI_MOUNT", C::ParseAutoScsiMountStmt},
    {"AUTOINIT", C::ParseAutoinitStmt},
    {"AUTOMOUNT", C::KeepStatement},
    {"CCKD", C::ParseCckdStmt},
    {"CMDLEVEL", C::KeepStatement},
    {"CMDLVL", C::KeepStatement},
    {"CNSLPORT", C::ParseCnslportStmt},
    {"CONKPALV", C::ParseConkpalvStmt},
    {"CODEPAGE", C::ParseCodepageStmt},
    {"CPUMODEL", C::ParseCpumodelStmt},
    {"CPUPRIO", C::KeepStatement},
    {"CPUSERIAL", C::ParseCpuserialStmt},
    {"CPUVERID", C::ParseCpuveridStmt},
    {"DEFSYM", C::ParseDefsymStmt},
    {"DEVPRIO", C::KeepStatement},
    {"DEVTMAX", C::ParseDevtmaxStmt},
    {"DIAG8CMD", C::ParseDiag8cmdStmt},
    {"ECPSVM", C::ParseEcpsvmStmt},
    {"ENGINES", C::ParseEnginesStmt},
    {"FACILITY", C::ParseFacilityStmt},
    {"VORNPRIO", C::KeepStatement},
    {"HTTP", C::ParseHttpStmt},
    {"IGNORE", C::KeepStatement},
    {"INCLUDE", C::KeepStatement},
    {"IODELAY", C::ParseIodelayStmt},
    {"LDMOD", C::ParseLdmodStmt},
    {"LEGACYSENSEID", C::ParseLegacySenseIdStmt},
    {"LOADPARM", C::ParseLoadparmStmt},
    {"LPARNUM", C::ParseLparnumStmt},
    {"CPUIDFMT", C::ParseCpuidfmtStmt},
    {"LPARNAME", C::ParseLparnameStmt},
    {"MAINSIZE", C::ParseMainsizeStmt},
    {"MANUFACTURER", C::ParseManufacturerStmt},
    {"MAXCPU", C::ParseMaxcpuStmt},
    {"MODEL", C::ParseModelStmt},
    {"MODPATH", C::ParseModpathStmt},
    {"MOUNTED_TAPE_REINIT", C::ParseMountedTapeReinitStmt},
    {"MSGLEVEL", C::KeepStatement},
    {"MSGLVL", C::KeepStatement},
    {"NETDEV", C::ParseNetdevStmt},
    {"NUMCPU", C::ParseNumcpuStmt},
    {"NUMVEC", C::ParseNumvecStmt},
    {"OSTAILOR", C::ParseOstailorStmt},
    {"PANOPT", C::ParsePanoptStmt},
    {"PANRATE", C::ParsePanrateStmt},
    {"PANTITLE", C::ParsePantitleStmt},
    {"PGMPRDOS", C::ParsePgmprdosStmt},
    {"PGMTRACE", C::ParsePgmtraceStmt},
    {"PLANT", C::ParsePlantStmt},
    {"PTT", C::KeepStatement},
    {"SCSIMOUNT", C::ParseScsiMountStmt},
    {"SHCMDOPT", C::ParseShcmdoptStmt},
    {"SHRDPORT", C::ParseShrdportStmt},
    {"SYSEPOCH", C::ParseSysepochStmt},
    {"SYSGPORT", C::ParseSysgportStmt},
    {"TIMERINT", C::ParseTimerintStmt},
    {"TODDRAG", C::ParseToddragStmt},
    {"TODPRIO", C::KeepStatement},
    {"TRACEOPT", C::ParseTraceoptStmt},
    {"TZOFFSET", C::ParseTzoffsetStmt},
    {"XPNDSIZE", C::ParseXpndsizeStmt},
    {"YROFFSET", C::ParseYroffsetStmt},
    {nullptr, nullptr},
};

bool CVornConfigFile::KeepStatement(CVornConfigFile& cfg, const CString& strLine, CStringList& tokens,
                                    CString& strError)
{
    cfg.m_keptStmts.Add(strLine);
    return true;
}

bool CVornConfigFile::ParseDefsymStmt(CVornConfigFile& cfg, const CString& strLine,
                                      CStringList& tokens, CString& strError)
{
    cfg.m_defsyms.Add(strLine);
    return true;
}
