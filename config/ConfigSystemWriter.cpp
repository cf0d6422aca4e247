// ConfigSystemWriter.cpp: the header block and the system statements of a
// configuration file, in the order the emulator's sample files use. Only
// values that read back without a message are written: an empty CPU model
// or serial, a maximum of no CPUs and unnamed OS tailoring bits are left out.
#include "config/ConfigSystemWriter.h"

#include <algorithm>

#include "config/CVornConfigFile.h"
#include "config/ConfigLimits.h"
#include "config/ConfigTxf.h"
#include "config/DevNum.h"
#include "config/PgmTrace.h"
#include "config/ProductIdentity.h"
#include "config/ValueConversions.h"
#include "platform/TextFunctions.h"

namespace {

// Appends one statement line.
void Stmt(CString& out, const char* pszKeyword, const CString& strOperands)
{
    out += FormatStatementLine(pszKeyword, strOperands);
}

// The text as one operand: in double quotes when it holds a blank, in single
// quotes when it holds a double quote as well.
CString Quoted(const CString& str)
{
    CString strQuoted = QuoteIfNeeded(str, '"');
    return strQuoted == str ? QuoteIfNeeded(str, '\'') : strQuoted;
}

// An operand that may be empty: an empty one is written as "".
CString QuotedOrEmpty(const CString& str)
{
    return str.IsEmpty() ? CString("\"\"") : Quoted(str);
}

CString OrDefault(const CString& str, const CString& strDefault)
{
    return str.IsEmpty() ? strDefault : str;
}

CString Number(int n)
{
    CString s;
    s.Format("%d", n);
    return s;
}

void FormatHeaderValue(CString& out, const char* pszKey, const CString& strValue)
{
    if (!strValue.IsEmpty())
        out.AppendFormat("# %-18s %s\n", pszKey, strValue.GetString());
}

void FormatTailoringAndTrace(const CVornConfigFile& cfg, CString& out)
{
    CStringArray names;
    OsTailorNamesFromMask(cfg.m_wOsTailor, names);
    bool bFirst = true;
    for (const CString& strName : names) {
        // Bits without a name cannot be written as a statement that reads back.
        if (strName.IsEmpty())
            continue;
        Stmt(out, "OSTAILOR", bFirst ? strName : "+" + strName);
        bFirst = false;
    }
    for (UINT nCode = 0; nCode <= kPgmTraceMaxCode; ++nCode) {
        UINT64 ullBit = PgmTraceBit(nCode);
        CString strCode;
        if (cfg.m_ullPgmTraceInclude & ullBit)
            strCode.Format("+%02.2X", nCode);
        else if (cfg.m_ullPgmTraceExclude & ullBit)
            strCode.Format("-%02.2X", nCode);
        if (!strCode.IsEmpty())
            Stmt(out, "PGMTRACE", strCode);
    }
}

void FormatIdentity(const CVornConfigFile& cfg, CString& out)
{
    if (!cfg.m_strLoadParm.IsEmpty())
        Stmt(out, "LOADPARM", Quoted(cfg.m_strLoadParm));
    Stmt(out, "PGMPRDOS", cfg.m_bPgmPrdOsLicensed ? "LICENSED" : "RESTRICTED");
    out += '\n';
    Stmt(out, "LPARNAME", Quoted(OrDefault(cfg.m_strLparName, LimitDefLPARName())));
    Stmt(out, "LPARNUM", OrDefault(cfg.m_strLparNum, "1"));
    if (!cfg.m_strCPUModel.IsEmpty())
        Stmt(out, "CPUMODEL", cfg.m_strCPUModel);
    if (!cfg.m_strCPUSerial.IsEmpty())
        Stmt(out, "CPUSERIAL", cfg.m_strCPUSerial);
    Stmt(out, "CPUVERID", OrDefault(cfg.m_strCPUVersion, "00"));
    CString strModels = Quoted(OrDefault(cfg.m_strModel[0], LimitDefModelName()));
    for (int i = 1; i < 4; ++i)
        strModels += " " + QuotedOrEmpty(cfg.m_strModel[i]);
    Stmt(out, "MODEL", strModels);
    Stmt(out, "MANUFACTURER", Quoted(OrDefault(cfg.m_strManufacturer, LimitDefManufacturer())));
    Stmt(out, "PLANT", Quoted(OrDefault(cfg.m_strPlant, LimitDefPlant())));
    out += '\n';
}

void FormatProcessors(const CVornConfigFile& cfg, CString& out)
{
    // MAXCPU 0 would be refused on reading; NUMCPU 0 alone gives the same model.
    if (cfg.m_nMaxCPUs > 0)
        Stmt(out, "MAXCPU", Number(cfg.m_nMaxCPUs));
    Stmt(out, "NUMCPU", Number(cfg.m_nNumCPUs));
    if (cfg.m_nNumVec != 0)
        Stmt(out, "NUMVEC", Number(cfg.m_nNumVec));
    CString strEngines;
    for (int i = 0; i < cfg.m_nMaxCPUs && i < kMaxEngines; ++i)
        strEngines += (i ? "," : "") + CString(EngineTypeText((int)cfg.m_dwEngineTypes[i]));
    if (!strEngines.IsEmpty())
        Stmt(out, "ENGINES", strEngines);
    Stmt(out, "MAINSIZE", FormatSizeWithSuffix(cfg.m_ullMainSize, cfg.m_bSizesWithSuffix));
    out += '\n';
}

void FormatFacilities(const CVornConfigFile& cfg, CString& out)
{
    for (const CArchLvl& lvl : cfg.m_archLvls) {
        if (lvl.IsArchLvlEntry()) {
            Stmt(out, "ARCHLVL", lvl.m_strArch);
            continue;
        }
        // Quoted when needed: a name read from "a b" or " " must stay one word.
        CString strOperands;
        strOperands.Format("%-7s  %s%s%s", lvl.m_bEnable ? "ENABLE" : "DISABLE", Quoted(lvl.m_strFacility).GetString(),
                           lvl.m_strArch.IsEmpty() ? "" : "  ", Quoted(lvl.m_strArch).GetString());
        Stmt(out, "FACILITY", strOperands);
    }
    if (!cfg.m_archLvls.IsEmpty())
        out += '\n';
}

// YES for the default seconds, the seconds for others, NO when disabled.
CString ScsiMountOperand(const CVornConfigFile& cfg)
{
    if (cfg.m_nScsiMountEnabled && cfg.m_nScsiMountSecs == LimitDefAutoSCSISecs())
        return "YES";
    if (cfg.m_nScsiMountEnabled && cfg.m_nScsiMountSecs != 0)
        return Number(cfg.m_nScsiMountSecs);
    return "NO";
}

// The CCKD values that differ from their defaults, as name=value items.
CString CckdOperand(const CCKDParms& c)
{
    const CCKDParms d;
    CString s;
    auto num = [&s](const char* pszName, int nValue, int nDefault) {
        if (nValue != nDefault)
            s.AppendFormat(",%s=%d", pszName, nValue);
    };
    auto flag = [&s](const char* pszName, bool bValue, bool bDefault) {
        if (bValue != bDefault)
            s.AppendFormat(",%s=%c", pszName, bValue ? '1' : '0');
    };
    num("COMP", c.m_nCOMP, d.m_nCOMP);
    num("COMPPARM", c.m_nCOMPPARM, d.m_nCOMPPARM);
    num("RA", c.m_nRA, d.m_nRA);
    num("RAQ", c.m_nRAQ, d.m_nRAQ);
    num("RAT", c.m_nRAT, d.m_nRAT);
    num("WR", c.m_nWR, d.m_nWR);
    num("GCINT", c.m_nGCINT, d.m_nGCINT);
    num("GCPARM", c.m_nGCPARM, d.m_nGCPARM);
    flag("NOSTRESS", c.m_bNOSTRESS, d.m_bNOSTRESS);
    num("FREEPEND", c.m_nFREEPEND, d.m_nFREEPEND);
    flag("FSYNC", c.m_bFSYNC, d.m_bFSYNC);
    num("TRACE", c.m_nTRACE, d.m_nTRACE);
    flag("LINUXNULL", c.m_bLINUXNULL, d.m_bLINUXNULL);
    flag("GCSTART", c.m_bGCSTART, d.m_bGCSTART);
    flag("NOSFD", c.m_bNOSFD, d.m_bNOSFD);
    flag("GCMSGS", c.m_bGCMSGS, d.m_bGCMSGS);
    return s.Mid(1);
}

void FormatPortsAndOptions(const CVornConfigFile& cfg, CString& out)
{
    if (!cfg.m_bScsiMountKeyword)
        Stmt(out, "AUTO_SCSI_MOUNT", ScsiMountOperand(cfg));
    CString strCckd = cfg.m_bCCKDGiven ? CckdOperand(cfg.m_cckd) : CString();
    if (!strCckd.IsEmpty())
        Stmt(out, "CCKD", strCckd);
    Stmt(out, "CNSLPORT", Number(cfg.m_nCnslPort));
    Stmt(out, "SYSGPORT", cfg.m_bSysgPortEnabled ? Number(cfg.m_nSysgPort) : CString("NO"));
    CString strKpAlv;
    strKpAlv.Format("(%d,%d,%d)", cfg.m_nKpAlvIdle, cfg.m_nKpAlvIntv, cfg.m_nKpAlvCount);
    Stmt(out, "CONKPALV", strKpAlv);
    Stmt(out, "CODEPAGE", Quoted(OrDefault(cfg.m_strCodePage, LimitDefCodePage())));
    Stmt(out, "DEVTMAX", Number(cfg.m_nDevTMax));
    Stmt(out, "DIAG8CMD", CString(cfg.m_nDiag8CmdEnabled ? "ENABLE" : "DISABLE") + " " +
                              (cfg.m_nDiag8CmdEcho ? "ECHO" : "NOECHO"));
    const char* pszTrap = cfg.m_bEcpsvmTrap ? "TRAP" : "NOTRAP";
    if (!cfg.m_nEcpsvmEnabled)
        Stmt(out, "ECPSVM", "NO");
    else if (cfg.m_nEcpsvmLevel != LimitDefECPSVMLevel())
        Stmt(out, "ECPSVM", "LEVEL " + Number(cfg.m_nEcpsvmLevel) + " " + pszTrap);
    else
        Stmt(out, "ECPSVM", CString("YES ") + pszTrap);
}

void FormatHttp(const CVornConfigFile& cfg, CString& out)
{
    CString strPort = "PORT " + Number(cfg.m_nHttpPort);
    // User and password are quoted when needed so that they read back as one
    // word each; an empty password would otherwise be lost.
    strPort += cfg.m_strHttpUser.IsEmpty()
                   ? CString(" NOAUTH")
                   : " AUTH " + Quoted(cfg.m_strHttpUser) + " " + QuotedOrEmpty(cfg.m_strHttpPassword);
    Stmt(out, "HTTP", strPort);
    if (!cfg.m_strHttpRoot.IsEmpty())
        Stmt(out, "HTTP", "ROOT " + Quoted(cfg.m_strHttpRoot));
    if (cfg.m_bHttpStart)
        Stmt(out, "HTTP", "START");
}

// A module in the module path is written by its file name alone.
CString ModuleName(const CString& strModule, const CString& strModPath)
{
    int nSep = std::max(strModule.ReverseFind('/'), strModule.ReverseFind('\\'));
    if (strModPath.IsEmpty() || nSep < 0)
        return strModule;
    CString strFolder = strModule.Left(nSep + 1);
    if (strFolder.Left(strModPath.GetLength()).CompareNoCase(strModPath) != 0)
        return strModule;
    return strModule.Mid(nSep + 1);
}

void FormatModules(const CVornConfigFile& cfg, CString& out)
{
    if (cfg.m_nIODelay != 0)
        Stmt(out, "IODELAY", Number(cfg.m_nIODelay));
    Stmt(out, "MODPATH", Quoted(OrDefault(cfg.m_strModPath, ".")));
    CStringArray modules;
    ParseStmt(cfg.m_strLdMod, modules);
    for (const CString& strModule : modules)
        Stmt(out, "LDMOD", Quoted(ModuleName(strModule, cfg.m_strModPath)));
    Stmt(out, "LEGACYSENSEID", cfg.m_bLegacySenseId ? "ENABLE" : "DISABLE");
    if (!cfg.m_strCPUIdFmt.IsEmpty())
        Stmt(out, "CPUIDFMT", cfg.m_strCPUIdFmt);
    Stmt(out, "MOUNTED_TAPE_REINIT", cfg.m_bMountedTapeReinit ? "ALLOW" : "DISALLOW");
    Stmt(out, "AUTOINIT", cfg.m_bAutoInit ? "ON" : "OFF");
    if (!cfg.m_strNetDev.IsEmpty())
        Stmt(out, "NETDEV", Quoted(cfg.m_strNetDev));
}

void FormatPanel(const CVornConfigFile& cfg, CString& out)
{
    static const char* const kColours[] = {" MSGCOLOR=NO", " MSGCOLOR=DARK", " MSGCOLOR=LIGHT"};
    CString strColour = cfg.m_nMsgColor >= 0 && cfg.m_nMsgColor <= 2 ? kColours[cfg.m_nMsgColor] : "";
    const char* pszNames = cfg.m_bPanNamesOnly ? "NAMEONLY" : "FULLPATH";
    if (cfg.m_bPanOptGiven) {
        CString strTitle;
        if (!cfg.m_strPanTitle.IsEmpty() && Quoted(cfg.m_strPanTitle) != cfg.m_strPanTitle)
            strTitle = " \"TITLE=" + cfg.m_strPanTitle + "\"";
        else if (!cfg.m_strPanTitle.IsEmpty())
            strTitle = " TITLE=" + cfg.m_strPanTitle;
        Stmt(out, "PANOPT", CString(pszNames) + " RATE=" + Number(cfg.m_nPanRate) + strColour + strTitle);
        return;
    }
    Stmt(out, "PANOPT", pszNames + strColour);
    Stmt(out, "PANRATE", Number(cfg.m_nPanRate));
    // A title with blanks is quoted, or it would read back as extraneous operands.
    if (!cfg.m_strPanTitle.IsEmpty())
        Stmt(out, "PANTITLE", Quoted(cfg.m_strPanTitle));
}

CString ShellCommandOperand(int nOption)
{
    switch (nOption) {
    case 1: return "ENABLE DIAG8";
    case 2: return "ENABLE NODIAG8";
    default: return "DISABLE NODIAG8";
    }
}

void FormatClockAndTrace(const CVornConfigFile& cfg, CString& out)
{
    if (cfg.m_bScsiMountKeyword)
        Stmt(out, "SCSIMOUNT", ScsiMountOperand(cfg));
    Stmt(out, "SHCMDOPT", ShellCommandOperand(cfg.m_nShCmdOpt));
    if ((int)cfg.m_nShrdPort >= LimitMinSHRDPortnum() && (int)cfg.m_nShrdPort <= LimitMaxSHRDPortnum())
        Stmt(out, "SHRDPORT", Number((int)cfg.m_nShrdPort));
    Stmt(out, "SYSEPOCH", Number(cfg.m_nSysEpoch));
    // Under transactional execution an interval below its minimum would be
    // refused on reading (a new configuration holds the non-TXF default):
    // leaving it out gives the same default when the file is read again.
    if (!IsTXFEnabled(cfg) || cfg.m_nTimerInt >= LimitMinTXFTODUpdIntv())
        Stmt(out, "TIMERINT", Number(cfg.m_nTimerInt));
    const double d = cfg.m_dTodDrag;
    CString strDrag;
    if (d != (double)(long long)d)
        strDrag.Format("%.4f", d);
    else if (d > 1.0)
        strDrag.Format("%d", (int)d);
    if (!strDrag.IsEmpty())
        Stmt(out, "TODDRAG", strDrag);
    Stmt(out, "TRACEOPT", Quoted(OrDefault(cfg.m_strTraceOpt, LimitDefTraceOpt())) +
                              (cfg.m_bNoCh9Oflow ? " NOCH9OFLOW" : ""));
    if (!cfg.m_strTzOffset.IsEmpty())
        Stmt(out, "TZOFFSET", Quoted(cfg.m_strTzOffset));
    Stmt(out, "XPNDSIZE", FormatSizeWithSuffix(cfg.m_ullXpndSize, cfg.m_bSizesWithSuffix));
    Stmt(out, "YROFFSET", Number(cfg.m_nYrOffset));
}

}  // namespace

CString FormatStatementLine(const char* pszKeyword, const CString& strOperands)
{
    CString s;
    s.Format("%-20s %s\n", pszKeyword, strOperands.GetString());
    return s;
}

CString FormatConfigHeader(const CVornConfigFile& cfg)
{
    CString out = "#\n# Vornamic Emulator Control file...\n#\n";
    FormatHeaderValue(out, "Description:", cfg.m_strDescription);
    FormatHeaderValue(out, "MaxShutdownSecs:", Number(cfg.m_nMaxShutdownSecs));
    FormatHeaderValue(out, "LoadUnit:", cfg.m_strLoadUnit);
    FormatHeaderValue(out, "RCFile:", cfg.m_strRCFile);
    FormatHeaderValue(out, "LogoFile:", cfg.m_strLogoFile);
    if (cfg.m_bIgnoreParseErrors)
        out += "# IgnoreParseErrors: 1\n";
    FormatHeaderValue(out, "VornGUI Version:", g_strProductVersion);
    out += "#\n\n#  System parameters\n\n";
    return out;
}

CString FormatSystemStatements(const CVornConfigFile& cfg)
{
    CString out;
    for (const CString& strLine : cfg.m_defsyms)
        out += strLine + '\n';
    if (!cfg.m_defsyms.IsEmpty())
        out += '\n';
    if (!cfg.m_archLvls.m_bHasArchLvl)
        Stmt(out, "ARCHLVL", ArchModeName(cfg.m_nArchMode));
    FormatTailoringAndTrace(cfg, out);
    FormatIdentity(cfg, out);
    FormatProcessors(cfg, out);
    FormatFacilities(cfg, out);
    FormatPortsAndOptions(cfg, out);
    FormatHttp(cfg, out);
    FormatModules(cfg, out);
    FormatPanel(cfg, out);
    FormatClockAndTrace(cfg, out);
    CString strKept;
    for (const CString& strLine : cfg.m_keptStmts)
        if (!IsKeptDeviceStatement(strLine))
            strKept += strLine + '\n';
    if (!strKept.IsEmpty())
        out += '\n' + strKept;
    return out;
}

bool IsKeptDeviceStatement(const CString& strLine)
{
    CStringArray words;
    return ParseStmt(strLine, words) > 0 && IsDeviceStatementWord(words[0]);
}
