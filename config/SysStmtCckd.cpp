// SysStmtCckd.cpp: the handler of the CCKD statement, the compressed-disk
// options written as one operand of name=value items separated by commas.
#include "config/SysStmtHandler.h"

#include "config/ConfigLimits.h"
#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"

namespace {

// One CCKD parameter: where its value goes, its range and its message. The
// message takes the item, and for the rows with bShowRange also the range.
struct CckdParam {
    const char* pszName;
    int CCKDParms::*pnValue;   // an integer value, or
    bool CCKDParms::*pbValue;  // a 0/1 switch
    int (*pfnMin)();
    int (*pfnMax)();
    const char* pszMessage;
    bool bShowRange;
};

int Zero() { return 0; }
int One() { return 1; }
int Two() { return 2; }
int MinusOne() { return -1; }

const char kMsgNumeric[] = "\n\"%s\": Invalid numeric '%s' value or value out of range";
const char kMsgSwitch[] = "\n\"%s\": Invalid numeric '%s' value or value out of range (0 or 1)";

const CckdParam kCckdParams[] = {
    {"COMP", &CCKDParms::m_nCOMP, nullptr, MinusOne, Two, kMsgNumeric, false},
    // The COMPPARM message has always lacked its closing parenthesis.
    {"COMPPARM", &CCKDParms::m_nCOMPPARM, nullptr, LimitMinCCKDcompparm, LimitMaxCCKDcompparm,
     "\n\"%s\": Invalid numeric 'COMPPARM' value or value out of range (%d - %d", true},
    {"RA", &CCKDParms::m_nRA, nullptr, One, LimitMaxCCKDra, kMsgNumeric, false},
    {"RAQ", &CCKDParms::m_nRAQ, nullptr, Zero, LimitMaxCCKDraq, kMsgNumeric, false},
    {"RAT", &CCKDParms::m_nRAT, nullptr, Zero, LimitMaxCCKDrat, kMsgNumeric, false},
    {"WR", &CCKDParms::m_nWR, nullptr, One, LimitMaxCCKDwr, kMsgNumeric, false},
    {"GCINT", &CCKDParms::m_nGCINT, nullptr, One, LimitMaxCCKDgcint, kMsgNumeric, false},
    {"GCPARM", &CCKDParms::m_nGCPARM, nullptr, LimitMinCCKDgcparm, LimitMaxCCKDgcparm,
     "\n\"%s\": Invalid numeric 'GCPARM' value or value out of range (%d - %d)", true},
    {"NOSTRESS", nullptr, &CCKDParms::m_bNOSTRESS, Zero, One,
     "\n\"%s\": Invalid boolean 'NOSTRESS' value (0 or 1)", false},
    {"FREEPEND", &CCKDParms::m_nFREEPEND, nullptr, MinusOne, LimitMaxCCKDfreepend, kMsgNumeric, false},
    {"FSYNC", nullptr, &CCKDParms::m_bFSYNC, Zero, One, kMsgSwitch, false},
    {"TRACE", &CCKDParms::m_nTRACE, nullptr, Zero, LimitMaxCCKDtrace, kMsgNumeric, false},
    {"LINUXNULL", nullptr, &CCKDParms::m_bLINUXNULL, Zero, One, kMsgSwitch, false},
    {"GCSTART", nullptr, &CCKDParms::m_bGCSTART, Zero, One, kMsgSwitch, false},
    {"NOSFD", nullptr, &CCKDParms::m_bNOSFD, Zero, One, kMsgSwitch, false},
    {"GCMSGS", nullptr, &CCKDParms::m_bGCMSGS, Zero, One, kMsgSwitch, false},
};

const CckdParam* FindCckdParam(const CString& strName)
{
    for (const CckdParam& p : kCckdParams)
        if (strName.CompareNoCase(p.pszName) == 0)
            return &p;
    return nullptr;
}

// One name=value item; an accepted value is stored at once. bComp tells
// whether the item stored COMP or COMPPARM.
void ParseCckdItem(CCKDParms& cckd, const CString& strItem, bool& bComp, CString& strError)
{
    CString strMsg;
    int nEq = strItem.Find('=');
    if (nEq < 1) {
        strMsg.Format("\n\"%s\": Invalid CCKD parameter format", strItem.GetString());
        strError += strMsg;
        return;
    }
    CString strName = strItem.Left(nEq);
    const CckdParam* p = FindCckdParam(strName);
    if (!p) {
        strMsg.Format("\nInvalid/unsupported CCKD parameter: \"%s\"", strName.GetString());
        strError += strMsg;
        return;
    }
    INT n = 0;
    if (!StringToINT(strItem.Mid(nEq + 1), n) || n < p->pfnMin() || n > p->pfnMax()) {
        if (p->bShowRange)
            strMsg.Format(p->pszMessage, strItem.GetString(), p->pfnMin(), p->pfnMax());
        else
            strMsg.Format(p->pszMessage, strItem.GetString(), p->pszName);
        strError += strMsg;
        return;
    }
    if (p->pnValue)
        cckd.*(p->pnValue) = n;
    else
        cckd.*(p->pbValue) = n != 0;
    if (p->pnValue == &CCKDParms::m_nCOMP || p->pnValue == &CCKDParms::m_nCOMPPARM)
        bComp = true;
}

}  // namespace

// The two flags change only when the whole statement was understood.
SYSSTMT_HANDLER(ParseCckdStmt)
{
    CString strItems;
    if (!TakeFirstOperand(tokens, strItems, strError))
        return false;
    CheckNoMoreOperands(tokens, strError);
    CStringArray items;
    SplitString(strItems, ",", items);
    bool bComp = false;
    for (const CString& strItem : items)
        ParseCckdItem(cfg.m_cckd, strItem, bComp, strError);
    if (!strError.IsEmpty())
        return false;
    cfg.m_bCCKDGiven = cfg.m_cckd != CCKDParms();
    cfg.m_bCCKDFlag = bComp;
    return true;
}
