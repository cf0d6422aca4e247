// CDevListEntry.cpp: one reported device.
#include "devices/CDevListEntry.h"

#include "platform/NumberParse.h"
#include "session/DeviceStatusLine.h"

namespace {

const char* OrEmpty(const char* psz) { return psz ? psz : ""; }

bool IsSysgText(const char* psz) { return CString(psz).CompareNoCase("SYSG") == 0; }

WORD StateFromLetter(char chAction)
{
    switch (chAction) {
    case 'A': return kDevListAdded;
    case 'D': return kDevListDeleted;
    case 'C': return kDevListChanged;
    default: return 0;
    }
}

// Bits 8, 4, 2, 1 for a '1' in the first to fourth character; the text may
// be shorter than four characters.
WORD StatusBits(const char* pszStatus)
{
    WORD wBits = 0;
    for (int i = 0; i < 4 && pszStatus[i]; ++i)
        if (pszStatus[i] == '1')
            wBits |= (WORD)(0x8 >> i);
    return wBits;
}

BYTE LcssFromDigit(char chLcss)
{
    return (chLcss >= '0' && chLcss <= '9') ? (BYTE)(chLcss - '0') : 0;
}

}  // namespace

void CDevListEntry::SetFromStatusFields(char chLcss, const char* pszDevnum, const char* pszType,
                                        const char* pszClass, const char* pszStatus, const char* pszRest,
                                        char chAction)
{
    *this = CDevListEntry();
    pszDevnum = OrEmpty(pszDevnum);
    pszType = OrEmpty(pszType);
    CString strType;
    if (IsSysgText(pszType) || (chAction == 'D' && IsSysgText(pszDevnum))) {
        strType = "SYSG";
        m_wDevnum = 0;
    } else {
        WORD wDevnum = 0;
        m_wDevnum = HexStringToWORD(pszDevnum, wDevnum) ? wDevnum : 0;
        strType = pszType;
    }
    m_wState = StateFromLetter(chAction);
    m_bLcss = LcssFromDigit(chLcss);
    if (chAction == 'D')
        return;
    m_strDevType = strType;
    m_strClass = OrEmpty(pszClass);
    m_strDesc = OrEmpty(pszRest);
    m_wState |= StatusBits(OrEmpty(pszStatus));
}

void CDevListEntry::SetFromStatusLine(const SDeviceStatusLine& line)
{
    *this = CDevListEntry();
    m_bLcss = line.nLcss;
    m_wDevnum = line.wDevnum;
    m_wState = line.wState;
    if (line.chAction == 'D')
        return;
    m_strDevType = line.strType.c_str();
    m_strClass = line.strClass.c_str();
    m_strDesc = CString(line.strRest.c_str(), (int)line.strRest.size());
}

bool CDevListEntry::operator==(const CDevListEntry& o) const
{
    return m_bLcss == o.m_bLcss && m_wDevnum == o.m_wDevnum && m_wState == o.m_wState &&
           m_strDevType == o.m_strDevType && m_strClass == o.m_strClass && m_strDesc == o.m_strDesc &&
           m_bCCWTrace == o.m_bCCWTrace;
}
