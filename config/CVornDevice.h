// CVornDevice.h: one device of a configuration, what a device statement says
// about one device number. Copied by value; a disk with arguments owns its
// parsed disk options.
#pragma once

#include <memory>

#include "config/CVornDasdParms.h"
#include "platform/CString.h"

// Communication subtypes (class 7).
enum CommSubtype : int {
    COMM_SUBTYPE_UNKNOWN = -1, // a protocol word the console does not know, kept as given
    COMM_SUBTYPE_QETH = 0,     // OSA, OSD, QETH
    COMM_SUBTYPE_LCS = 1,
    COMM_SUBTYPE_CTCI = 2,
    COMM_SUBTYPE_CTCE = 3,
};

class CVornDevice {
public:
    CVornDevice() = default;
    CVornDevice(const CVornDevice& other) { *this = other; }
    // Copies every field; the disk options are copied into new ones owned by
    // (and pointing back to) this device.
    CVornDevice& operator=(const CVornDevice& other);
    bool operator==(const CVornDevice& other) const;
    bool operator!=(const CVornDevice& other) const { return !(*this == other); }

    // Equal in everything but the device number, and on the same channel
    // (high-order byte of the device number).
    bool IsSameButAddress(const CVornDevice& other) const;

    // Fills the device. A disk with other arguments gets its disk options
    // parsed; their faults are appended to *pstrMsg after a line feed.
    // True when there was no fault.
    bool Set(BYTE bLcss, WORD wDevnum, WORD wClass, WORD wDevType, const char* pszTypeWord,
             const CString& strFirstArg, const CString& strOtherArgs, CString* pstrMsg,
             int nSubtype, bool bSysg);

    DWORD GetKey() const { return ((DWORD)m_bLcss << 16) + m_wDevnum; }
    CVornDasdParms* GetDasdParms() const { return m_pDasdParms.get(); }
    // Replaces the disk options by a copy of parms owned by this device.
    void SetDasdParms(const CVornDasdParms& parms) { m_pDasdParms.reset(new CVornDasdParms(this, parms)); }

    BYTE m_bLcss = 0;
    WORD m_wDevnum = 0;
    WORD m_wDevType = 0;
    CString m_strTypeWord;   // the statement's type word as written
    WORD m_wClass = 0;       // device class index
    bool m_bSysg = false;    // the SYSG console
    int m_nSubtype = 0;      // communication subtype
    CString m_strFirstArg;   // image or file name; the protocol word for COMM
    CString m_strOtherArgs;

private:
    std::unique_ptr<CVornDasdParms> m_pDasdParms;
};

// The statement text of one device (number, type, arguments), no line end.
CString FormatDeviceStatement(const CVornDevice& dev);
// A device's file name as one word of a statement or command: in double
// quotes when it needs quoting, in single ones when it holds a double
// quote; a "host:port" stays bare.
CString QuoteDeviceFileArg(const CString& strArg);
