// DasdParmsRules.cpp: the Dasd Parameters page's range checks.
#include "sysconfig/DasdParmsRules.h"

#include "config/Limits.h"
#include "resources/SysConfigRes.h"

namespace {

// One unsigned field: its value, control, balloon title and range.
struct UnsignedField {
    int CCKDParms::*pValue;
    UINT nCtrlId;
    const char* pszTitle;
    UINT nMin;
    const UINT* pnMax;
};

bool CheckUnsigned(const CCKDParms& cckd, const UnsignedField& f, SysCfgFieldFailure& failure)
{
    // A value that did not parse is negative, so it is refused as unsigned.
    UINT n = (UINT)(cckd.*(f.pValue));
    if (n < f.nMin || n > *f.pnMax)
        return FailField(failure, f.nCtrlId, f.pszTitle, BetweenText(f.nMin, *f.pnMax));
    return true;
}

bool CheckSigned(int nValue, UINT nCtrlId, const char* pszTitle, int nMin, int nMax, bool bEdit,
                 SysCfgFieldFailure& failure)
{
    if (nValue >= nMin && nValue <= nMax)
        return true;
    CString str;
    str.Format("Please enter a value between %d and %d", nMin, nMax);
    return FailField(failure, nCtrlId, pszTitle, str, bEdit);
}

}  // namespace

bool CheckDasdParms(const CCKDParms& cckd, SysCfgFieldFailure& failure)
{
    const UnsignedField first[] = {
        {&CCKDParms::m_nRA, IDC_DASD_RA, "Read-ahead Threads", 1, &g_nMaxCCKDra},
        {&CCKDParms::m_nRAQ, IDC_DASD_RAQ, "Read-ahead Queue", 0, &g_nMaxCCKDraq},
        {&CCKDParms::m_nRAT, IDC_DASD_RAT, "Read-ahead Tracks", 0, &g_nMaxCCKDrat},
        {&CCKDParms::m_nWR, IDC_DASD_WR, "Writer Threads", 1, &g_nMaxCCKDwr},
        {&CCKDParms::m_nGCINT, IDC_DASD_GCINT, "Garbage Collection", 1, &g_nMaxCCKDgcint},
    };
    for (const UnsignedField& f : first)
        if (!CheckUnsigned(cckd, f, failure))
            return false;
    if (!CheckSigned(cckd.m_nGCPARM, IDC_DASD_GCPARM, "Aggressiveness", g_nMinCCKDgcparm, g_nMaxCCKDgcparm, false,
                     failure))
        return false;
    if (!CheckSigned(cckd.m_nFREEPEND, IDC_DASD_FREEPEND, "Freespace Pending", -1, g_nMaxCCKDfreepend, true, failure))
        return false;
    const UnsignedField trace = {&CCKDParms::m_nTRACE, IDC_DASD_TRACE, "Trace Table Size", 0, &g_nMaxCCKDtrace};
    return CheckUnsigned(cckd, trace, failure);
}
