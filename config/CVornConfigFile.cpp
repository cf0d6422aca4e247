// CVornConfigFile.cpp: defaults, copy and comparison of a whole configuration.
#include "config/CVornConfigFile.h"

#include <algorithm>

#include "config/ConfigLimits.h"
#include "config/ValueConversions.h"

void CVornConfigFile::Reset()
{
    m_strDescription.Empty();
    m_nMaxShutdownSecs = 15;
    m_strLoadUnit = SettingLoadUnit();
    m_strRCFile = StartupRCFile();
    m_strLogoFile = StartupLogoFile();
    m_strCPUSerial.Empty();
    m_strCPUModel.Empty();
    m_strCPUVersion.Empty();
    m_nCPUModelLine = 0;
    m_nCurrentLine = 0;
    m_bErrorsHidden = false;
    std::fill(std::begin(m_dwEngineTypes), std::end(m_dwEngineTypes), 0);
    m_bSizesWithSuffix = false;
    m_ullMainSize = 2 * 1024 * 1024;
    m_ullXpndSize = 0;
    m_nMaxCPUs = LimitDefMaxCPUs();
    m_nNumCPUs = 1;
    m_nNumVec = LimitDefVectors();
    m_bMaxCPUGiven = m_bNumCPUGiven = false;
    m_strLoadParm.Empty();
    m_strLparNum = "1";
    m_strCPUIdFmt.Empty();
    m_strLparName = LimitDefLPARName();
    m_strModel[0] = LimitDefModelName();
    m_strModel[1].Empty();
    m_strModel[2].Empty();
    m_strModel[3].Empty();
    m_strPlant = LimitDefPlant();
    m_strManufacturer = LimitDefManufacturer();
    m_nShrdPort = 0;
    m_bHttpStart = false;
    m_nHttpPort = 80;
    m_strHttpUser.Empty();
    m_strHttpPassword.Empty();
    m_strHttpRoot.Empty();
    m_nSysEpoch = 1900;
    m_nYrOffset = 0;
    m_strTzOffset = g_strTzOffset;
    m_nPanRate = 50;
    m_nCnslPort = 3270;
    m_nSysgPort = 3278;
    m_bSysgPortEnabled = false;
    m_nKpAlvIdle = LimitDefKpAlvIdleSecs();
    m_nKpAlvIntv = LimitDefKpAlvTimeoutSecs();
    m_nKpAlvCount = LimitDefKpAlvMaxRetries();
    m_nTimerInt = LimitDefTODUpdIntv();
    m_dTodDrag = 1.0;
    m_nIODelay = 0;
    m_wOsTailor = 0;
    m_ullPgmTraceExclude = m_ullPgmTraceInclude = 0;
    m_nDevTMax = 8;
    m_nEcpsvmEnabled = 0;
    m_nEcpsvmLevel = LimitDefECPSVMLevel();
    m_bEcpsvmTrap = true;
    m_nArchMode = kArchZArch;
    m_archLvls.RemoveAll();
    m_archLvls.m_bHasArchLvl = false;
    m_bArchLvlGiven = false;
    m_strCodePage = LimitDefCodePage();
    m_strTraceOpt = LimitDefTraceOpt();
    m_bNoCh9Oflow = false;
    m_bPanNamesOnly = false;
    m_bPanOptGiven = false;
    m_nMsgColor = -1;
    m_strPanTitle.Empty();
    m_nDiag8CmdEnabled = m_nDiag8CmdEcho = 0;
    m_nShCmdOpt = 0;
    m_bScsiMountKeyword = false;
    m_nScsiMountEnabled = 0;
    m_nScsiMountSecs = LimitDefAutoSCSISecs();
    m_bMountedTapeReinit = false;
    m_bAutoInit = true;
    m_bLegacySenseId = false;
    m_strLdMod.Empty();
    m_strModPath.Empty();
    m_strNetDev.Empty();
    m_bCCKDGiven = false;
    m_bCCKDFlag = true;
    m_cckd.SetDefaults();
    m_bHasErrors = false;
    m_bIgnoreParseErrors = false;
    m_bPgmPrdOsLicensed = false;
    m_devices.RemoveAll();
    m_strFolder.Empty();
    m_strFileName.Empty();
    m_lines.RemoveAll();
    m_defsyms.RemoveAll();
    m_keptStmts.RemoveAll();
    m_parseErrors.RemoveAll();
}

bool StringListsEqual(const CStringArray& a, const CStringArray& b)
{
    if (a.GetSize() != b.GetSize())
        return false;
    for (INT_PTR i = 0; i < a.GetSize(); i++)
        if (a[i] != b[i])
            return false;
    return true;
}

// Identification, storage, clock and panel values.
static bool EqualValues(const CVornConfigFile& a, const CVornConfigFile& b)
{
    const int nEngines = std::min<int>(LimitMaxCPUs(), kMaxEngines);
    if (!std::equal(a.m_dwEngineTypes, a.m_dwEngineTypes + nEngines, b.m_dwEngineTypes))
        return false;
    for (int i = 0; i < 4; i++)
        if (a.m_strModel[i] != b.m_strModel[i])
            return false;
    return a.m_strDescription == b.m_strDescription && a.m_nMaxShutdownSecs == b.m_nMaxShutdownSecs
        && a.m_strLoadUnit == b.m_strLoadUnit && a.m_strRCFile == b.m_strRCFile
        && a.m_strLogoFile == b.m_strLogoFile && a.m_strCPUSerial == b.m_strCPUSerial
        && a.m_strCPUModel == b.m_strCPUModel && a.m_strCPUVersion == b.m_strCPUVersion
        && a.m_nCPUModelLine == b.m_nCPUModelLine && a.m_nCurrentLine == b.m_nCurrentLine
        && a.m_bSizesWithSuffix == b.m_bSizesWithSuffix && a.m_ullMainSize == b.m_ullMainSize
        && a.m_ullXpndSize == b.m_ullXpndSize && a.m_nMaxCPUs == b.m_nMaxCPUs
        && a.m_nNumCPUs == b.m_nNumCPUs && a.m_nNumVec == b.m_nNumVec
        && a.m_bMaxCPUGiven == b.m_bMaxCPUGiven && a.m_bNumCPUGiven == b.m_bNumCPUGiven
        && a.m_strLoadParm == b.m_strLoadParm && a.m_strLparNum == b.m_strLparNum
        && a.m_strCPUIdFmt == b.m_strCPUIdFmt && a.m_strLparName == b.m_strLparName
        && a.m_strPlant == b.m_strPlant && a.m_strManufacturer == b.m_strManufacturer
        && a.m_nShrdPort == b.m_nShrdPort && a.m_bHttpStart == b.m_bHttpStart
        && a.m_nHttpPort == b.m_nHttpPort && a.m_strHttpUser == b.m_strHttpUser
        && a.m_strHttpPassword == b.m_strHttpPassword && a.m_strHttpRoot == b.m_strHttpRoot
        && a.m_nSysEpoch == b.m_nSysEpoch && a.m_nYrOffset == b.m_nYrOffset
        && a.m_strTzOffset == b.m_strTzOffset && a.m_nPanRate == b.m_nPanRate
        && a.m_nCnslPort == b.m_nCnslPort && a.m_nSysgPort == b.m_nSysgPort
        && a.m_bSysgPortEnabled == b.m_bSysgPortEnabled && a.m_nKpAlvIdle == b.m_nKpAlvIdle
        && a.m_nKpAlvIntv == b.m_nKpAlvIntv && a.m_nKpAlvCount == b.m_nKpAlvCount
        && a.m_nTimerInt == b.m_nTimerInt && a.m_dTodDrag == b.m_dTodDrag;
}

// Options, facilities, devices, path and the lists.
static bool EqualOptions(const CVornConfigFile& a, const CVornConfigFile& b)
{
    return a.m_nIODelay == b.m_nIODelay && a.m_wOsTailor == b.m_wOsTailor
        && a.m_ullPgmTraceExclude == b.m_ullPgmTraceExclude
        && a.m_ullPgmTraceInclude == b.m_ullPgmTraceInclude && a.m_nDevTMax == b.m_nDevTMax
        && a.m_nEcpsvmEnabled == b.m_nEcpsvmEnabled && a.m_nEcpsvmLevel == b.m_nEcpsvmLevel
        && a.m_bEcpsvmTrap == b.m_bEcpsvmTrap && a.m_nArchMode == b.m_nArchMode
        && a.m_bArchLvlGiven == b.m_bArchLvlGiven && a.m_strCodePage == b.m_strCodePage
        && a.m_strTraceOpt == b.m_strTraceOpt && a.m_bNoCh9Oflow == b.m_bNoCh9Oflow
        && a.m_bPanNamesOnly == b.m_bPanNamesOnly && a.m_bPanOptGiven == b.m_bPanOptGiven
        && a.m_nMsgColor == b.m_nMsgColor && a.m_strPanTitle == b.m_strPanTitle
        && a.m_nDiag8CmdEnabled == b.m_nDiag8CmdEnabled && a.m_nDiag8CmdEcho == b.m_nDiag8CmdEcho
        && a.m_nShCmdOpt == b.m_nShCmdOpt && a.m_bScsiMountKeyword == b.m_bScsiMountKeyword
        && a.m_nScsiMountEnabled == b.m_nScsiMountEnabled
        && a.m_nScsiMountSecs == b.m_nScsiMountSecs
        && a.m_bMountedTapeReinit == b.m_bMountedTapeReinit && a.m_bAutoInit == b.m_bAutoInit
        && a.m_bLegacySenseId == b.m_bLegacySenseId && a.m_strLdMod == b.m_strLdMod
        && a.m_strModPath == b.m_strModPath && a.m_strNetDev == b.m_strNetDev
        && a.m_bCCKDGiven == b.m_bCCKDGiven && a.m_bCCKDFlag == b.m_bCCKDFlag
        && a.m_cckd == b.m_cckd && a.m_bHasErrors == b.m_bHasErrors
        && a.m_bIgnoreParseErrors == b.m_bIgnoreParseErrors
        && a.m_bPgmPrdOsLicensed == b.m_bPgmPrdOsLicensed && a.m_strFolder == b.m_strFolder
        && a.m_strFileName == b.m_strFileName && a.m_devices == b.m_devices
        && !(a.m_archLvls != b.m_archLvls) && StringListsEqual(a.m_lines, b.m_lines)
        && StringListsEqual(a.m_defsyms, b.m_defsyms)
        && StringListsEqual(a.m_keptStmts, b.m_keptStmts)
        && StringListsEqual(a.m_parseErrors, b.m_parseErrors);
}

bool CVornConfigFile::operator==(const CVornConfigFile& other) const
{
    return EqualValues(*this, other) && EqualOptions(*this, other);
}

int CompareDevices(const void* p1, const void* p2)
{
    const CVornDevice& a = *static_cast<const CVornDevice*>(p1);
    const CVornDevice& b = *static_cast<const CVornDevice*>(p2);
    if (a.m_wClass != b.m_wClass)
        return a.m_wClass < b.m_wClass ? -1 : 1;
    if (a.GetKey() != b.GetKey())
        return a.GetKey() < b.GetKey() ? -1 : 1;
    return 0;
}

void CVornConfigFile::GetSortedDevices(CArray<CVornDevice, const CVornDevice&>& devices) const
{
    devices.RemoveAll();
    POSITION pos = m_devices.GetStartPosition();
    while (pos) {
        DWORD dwKey;
        CVornDevice dev;
        m_devices.GetNextAssoc(pos, dwKey, dev);
        devices.Add(dev);
    }
    std::stable_sort(devices.begin(), devices.end(), [](const CVornDevice& a, const CVornDevice& b) {
        return CompareDevices(&a, &b) < 0;
    });
}

bool CVornConfigFile::IsDevNumDefined(WORD wDevnum) const
{
    POSITION pos = m_devices.GetStartPosition();
    while (pos) {
        DWORD dwKey;
        CVornDevice dev;
        m_devices.GetNextAssoc(pos, dwKey, dev);
        if ((dwKey & 0xFFFF) == wDevnum)
            return true;
    }
    return false;
}

void DeleteConfigFile(CVornConfigFile* pConfig)
{
    delete pConfig;
}
