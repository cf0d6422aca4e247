// DevOptsRules.cpp: the Options page's window-free rules.
#include "sysconfig/DevOptsRules.h"

#include "config/CHostAdapterArray.h"
#include "config/CVornConfigFile.h"
#include "config/Limits.h"
#include "platform/NetAddress.h"
#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"
#include "resources/SysConfigRes.h"

namespace {

const char kNoAddress[] = "0.0.0.0";

bool CheckHostAdapter(const CVornConfigFile& cfg, const HostAdapterChoice& choice, const CHostAdapterArray& adapters,
                      SysCfgFieldFailure& failure)
{
    const CString& strValue = cfg.m_strNetDev;
    if (!choice.strIP.IsEmpty() && strValue == choice.strIP) {
        DWORD dwAddr = 0;
        if (!ParseIPAddress(strValue, dwAddr))
            return FailField(failure, IDC_DEVOPTS_IPADDR, "IP Address", "Invalid or improperly formatted IP address",
                             false);
        if (adapters.FindByIP(dwAddr) < 0)
            return FailField(failure, IDC_DEVOPTS_IPADDR, "IP Address", "No host adapter with this IP address exists",
                             false);
    } else if (!choice.strMAC.IsEmpty() && strValue == choice.strMAC) {
        BYTE abyMAC[6] = {};
        if (!ParseMACAddress(strValue, abyMAC))
            return FailField(failure, IDC_DEVOPTS_MACADDR, "MAC Address", "Invalid or improperly formatted MAC address");
        if (adapters.FindByMAC(abyMAC) < 0)
            return FailField(failure, IDC_DEVOPTS_MACADDR, "MAC Address",
                             "No host adapter with this MAC address exists");
    }
    return true;
}

}  // namespace

void SplitHostAdapterAddress(CString& strNetDev, HostAdapterChoice& choice)
{
    choice.strIP.Empty();
    choice.strMAC.Empty();
    if (strNetDev == kNoAddress)
        strNetDev.Empty();
    choice.bOn = !strNetDev.IsEmpty();
    if (!choice.bOn)
        return;
    BYTE abyMAC[6] = {};
    DWORD dwAddr = 0;
    if (ParseMACAddress(strNetDev, abyMAC))
        choice.strMAC = strNetDev;
    else if (ParseIPAddress(strNetDev, dwAddr, false))
        choice.strIP = strNetDev;
    else {
        choice.bOn = false;
        strNetDev.Empty();
    }
}

bool IsValidLoadUnit(const CString& strUnit)
{
    return strUnit.IsEmpty() || (strUnit.GetLength() == 4 && IsHexString(strUnit));
}

CString PadLoadParm(const CString& strTyped)
{
    CString strTrimmed = strTyped;
    if (TrimBlanks(strTrimmed).IsEmpty())
        return strTyped;
    return (strTyped + "........").Left(8);
}

bool StepSharedPort(UINT nPort, int nDelta, UINT nMin, UINT nDef, UINT nMax, UINT& nNew)
{
    if ((nPort == nMax && nDelta > 0) || (nPort == 0 && nDelta < 0))
        return false;
    long long n = (long long)nPort + nDelta;
    if (n > (long long)nMax)
        n = nMax;
    if (n < 0)
        n = 0;
    if (n < (long long)nMin)
        n = nDelta > 0 ? nDef : 0;
    nNew = (UINT)n;
    return true;
}

bool CheckDeviceOptions(CVornConfigFile& cfg, HostAdapterChoice& choice,
                        const std::function<const CHostAdapterArray&()>& adapters, SysCfgFieldFailure& failure)
{
    if (!choice.bOn)
        cfg.m_strNetDev.Empty();
    else if (choice.strIP == kNoAddress)
        choice.strIP.Empty();
    if (cfg.m_nScsiMountEnabled && (cfg.m_nScsiMountSecs < 1 || cfg.m_nScsiMountSecs > 99))
        return FailField(failure, IDC_DEVOPTS_SCSI_SECS, "SCSI Mount", "Please enter a value between 1 and 99");
    if (cfg.m_nDevTMax < -1 || cfg.m_nDevTMax > 999)
        return FailField(failure, IDC_DEVOPTS_DEVTMAX, "Device Threads", "Please enter a value between -1 and 999");
    if (cfg.m_nMaxShutdownSecs < 1 || cfg.m_nMaxShutdownSecs > 999)
        return FailField(failure, IDC_DEVOPTS_SHUTDOWN, "Shutdown Time", "Please enter a value between 1 and 999");
    if (cfg.m_nShrdPort != 0 && (cfg.m_nShrdPort < g_nMinSHRDPortnum || cfg.m_nShrdPort > g_nMaxSHRDPortnum))
        return FailField(failure, IDC_DEVOPTS_SHRDPORT, "Shared Port", BetweenText(g_nMinSHRDPortnum, g_nMaxSHRDPortnum));
    if (!IsValidLoadUnit(cfg.m_strLoadUnit))
        return FailField(failure, IDC_DEVOPTS_LOADUNIT, "Load Unit", "Value must be 4-digit hexadecimal number");
    if (choice.bOn) {
        if (choice.strIP.IsEmpty() && choice.strMAC.IsEmpty())
            choice.bOn = false;
        else if (!CheckHostAdapter(cfg, choice, adapters(), failure))
            return false;
    }
    if (!choice.bOn)
        cfg.m_strNetDev.Empty();
    return true;
}
