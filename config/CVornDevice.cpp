// CVornDevice.cpp: the device record: copy, comparison and Set.
#include "config/CVornDevice.h"

#include "config/ConfigLimits.h"
#include "config/DevClass.h"

CVornDevice& CVornDevice::operator=(const CVornDevice& o)
{
    if (this == &o)
        return *this;
    m_bLcss = o.m_bLcss;
    m_wDevnum = o.m_wDevnum;
    m_wDevType = o.m_wDevType;
    m_strTypeWord = o.m_strTypeWord;
    m_wClass = o.m_wClass;
    m_bSysg = o.m_bSysg;
    m_nSubtype = o.m_nSubtype;
    m_strFirstArg = o.m_strFirstArg;
    m_strOtherArgs = o.m_strOtherArgs;
    m_pDasdParms.reset();
    if (o.m_pDasdParms)
        m_pDasdParms.reset(new CVornDasdParms(this, *o.m_pDasdParms));
    return *this;
}

bool CVornDevice::operator==(const CVornDevice& o) const
{
    if (m_pDasdParms && o.m_pDasdParms) {
        if (*m_pDasdParms != *o.m_pDasdParms)
            return false;
    } else if (m_pDasdParms || o.m_pDasdParms) {
        return false;
    }
    return m_bLcss == o.m_bLcss && m_wDevnum == o.m_wDevnum && m_wClass == o.m_wClass
        && m_wDevType == o.m_wDevType && m_strTypeWord.CompareNoCase(o.m_strTypeWord) == 0
        && m_strFirstArg == o.m_strFirstArg && m_strOtherArgs == o.m_strOtherArgs
        && m_nSubtype == o.m_nSubtype && m_bSysg == o.m_bSysg;
}

bool CVornDevice::IsSameButAddress(const CVornDevice& o) const
{
    if ((m_wDevnum >> 8) != (o.m_wDevnum >> 8))
        return false;
    CVornDevice moved(*this);
    moved.m_bLcss = o.m_bLcss;
    moved.m_wDevnum = o.m_wDevnum;
    return moved == o;
}

bool CVornDevice::Set(BYTE bLcss, WORD wDevnum, WORD wClass, WORD wDevType, const char* pszTypeWord,
                      const CString& strFirstArg, const CString& strOtherArgs, CString* pstrMsg,
                      int nSubtype, bool bSysg)
{
    m_bLcss = bLcss;
    m_wDevnum = wDevnum;
    m_wClass = wClass;
    m_wDevType = wDevType;
    m_strTypeWord = pszTypeWord ? pszTypeWord : "";
    m_strFirstArg = strFirstArg;
    m_strOtherArgs = strOtherArgs;
    m_nSubtype = nSubtype;
    m_bSysg = bSysg;

    m_pDasdParms.reset();
    CString strMsg;
    if (wClass == DEVCLASS_DISK && !strOtherArgs.IsEmpty()) {
        // Parse resets the options for the owner: one read of the image.
        m_pDasdParms.reset(new CVornDasdParms(this, CVornDasdParms()));
        if (!m_pDasdParms->Parse(strOtherArgs, strMsg, wDevType)) {
            if (OptionIgnoreConfigFileParseErrors()) {
                strMsg.Empty();
            } else {
                if (strMsg.IsEmpty())
                    strMsg = "(oops! missing error message)";
                m_pDasdParms.reset();
            }
        }
    }
    if (!strMsg.IsEmpty() && pstrMsg)
        *pstrMsg += "\n" + strMsg;
    return strMsg.IsEmpty();
}
