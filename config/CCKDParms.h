// CCKDParms.h: the values of the CCKD statement, the emulator's settings for
// compressed disk images. A plain value type.
#pragma once

#include "platform/Types.h"

class CCKDParms {
public:
    CCKDParms() { SetDefaults(); }

    // Every field to its "Limits" default; compression -1, switches off.
    void SetDefaults();
    bool operator==(const CCKDParms& other) const;
    bool operator!=(const CCKDParms& other) const { return !(*this == other); }

    int m_nRA;        // RA: read-ahead threads
    int m_nRAQ;       // RAQ: read-ahead queue
    int m_nRAT;       // RAT: read-ahead tracks
    int m_nWR;        // WR: writer threads
    int m_nGCINT;     // GCINT: garbage-collection interval
    int m_nTRACE;     // TRACE: trace entries
    int m_nCOMP;      // COMP: -1 default, 0 none, 1 zlib, 2 bzip2
    int m_nCOMPPARM;  // COMPPARM: compression parameter
    int m_nGCPARM;    // GCPARM: garbage-collection parameter
    int m_nFREEPEND;  // FREEPEND: free-space pending
    bool m_bNOSTRESS;
    bool m_bFSYNC;
    bool m_bLINUXNULL;
    bool m_bGCSTART;
    bool m_bNOSFD;
    bool m_bGCMSGS;
};
