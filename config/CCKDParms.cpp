// CCKDParms.cpp: defaults and comparison of the compressed-disk values.
#include "config/CCKDParms.h"

#include "config/ConfigLimits.h"

void CCKDParms::SetDefaults()
{
    m_nRA = LimitDefCCKDra();
    m_nRAQ = LimitDefCCKDraq();
    m_nRAT = LimitDefCCKDrat();
    m_nWR = LimitDefCCKDwr();
    m_nGCINT = LimitDefCCKDgcint();
    m_nTRACE = LimitDefCCKDtrace();
    m_nCOMP = -1;
    m_nCOMPPARM = LimitDefCCKDcompparm();
    m_nGCPARM = LimitDefCCKDgcparm();
    m_nFREEPEND = LimitDefCCKDfreepend();
    m_bNOSTRESS = m_bFSYNC = m_bLINUXNULL = m_bGCSTART = m_bNOSFD = m_bGCMSGS = false;
}

bool CCKDParms::operator==(const CCKDParms& o) const
{
    return m_nCOMP == o.m_nCOMP && m_nCOMPPARM == o.m_nCOMPPARM && m_nRA == o.m_nRA
        && m_nRAQ == o.m_nRAQ && m_nRAT == o.m_nRAT && m_nWR == o.m_nWR
        && m_nGCINT == o.m_nGCINT && m_nTRACE == o.m_nTRACE && m_nGCPARM == o.m_nGCPARM
        && m_nFREEPEND == o.m_nFREEPEND && m_bNOSTRESS == o.m_bNOSTRESS
        && m_bFSYNC == o.m_bFSYNC && m_bLINUXNULL == o.m_bLINUXNULL
        && m_bGCSTART == o.m_bGCSTART && m_bNOSFD == o.m_bNOSFD && m_bGCMSGS == o.m_bGCMSGS;
}
