// ConfigDeviceList.cpp: adding devices to the map: one device statement, and
// the device-number lists and ranges ("0120-0122", "0120.3", "0120,0130").
#include "config/CVornConfigFile.h"
#include "config/DevNum.h"
#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"

namespace {

void AppendMsg(CString& strError, const CString& strMsg)
{
    if (!strError.IsEmpty())
        strError += '\n';
    strError += strMsg;
}

// The lines of a device's message, one under the other, without empty ones;
// with bErrorsOnly the warnings are left out.
void AppendLines(CString& strError, const CString& strMsg, bool bErrorsOnly)
{
    CStringArray lines;
    SplitString(strMsg, "\n", lines);
    for (const CString& strLine : lines)
        if (!strLine.IsEmpty() && !(bErrorsOnly && strLine.Left(8) == "WARNING:"))
            AppendMsg(strError, strLine);
}

enum { kNoChannel = -1 };

} // namespace

// A device that the parser accepted with argument faults is stored, and the
// faults (not the warnings) are reported with the statement.
bool CVornConfigFile::AddDevice(const CString& strStmt, CString& strError)
{
    CVornDevice dev;
    CString strDevError;
    if (!ParseDeviceStatement(strStmt, dev, strDevError)) {
        AppendLines(strError, strDevError, false);
        return false;
    }
    AppendLines(strError, strDevError, true);
    const DWORD dwKey = dev.GetKey();
    CVornDevice devOld;
    if (m_devices.Lookup(dwKey, devOld)) {
        AppendMsg(strError, "Device already defined");
        return false;
    }
    m_devices.SetAt(dwKey, dev);
    return true;
}

bool CVornConfigFile::AddDeviceList(const CString& strStmt, const CStringArray& tokens,
                                    CString& strError)
{
    // The rest of the statement as written, so that quoted arguments keep
    // their quotes for the parse of each device.
    CString strText = strStmt;
    TrimBlanks(strText);
    const int nBlank = strText.FindOneOf(g_strBlanks);
    CString strRest = nBlank < 0 ? CString() : strText.Mid(nBlank);
    TrimBlanks(strRest);

    const CString& strList = tokens[0];
    if (strList.Left(1) == "," || strList.Right(1) == "," || strList.Find(",,") >= 0) {
        AppendMsg(strError, "Syntax error");
        return false;
    }
    CStringArray items;
    SplitString(strList, ",", items);
    int nChannel = kNoChannel;
    bool bAll = true;
    for (const CString& strItem : items)
        bAll = AddDeviceListItem(strItem, nChannel, strRest, strError) && bAll;
    return bAll;
}

bool CVornConfigFile::AddDeviceListItem(const CString& strItem, int& nChannel,
                                        const CString& strRest, CString& strError)
{
    const int nDash = strItem.Find('-');
    const int nDot = strItem.Find('.');
    const int nSep = nDash >= 0 ? nDash : nDot;
    if (nSep < 0)
        return AddDevice(strItem + " " + strRest, strError);
    if (nSep == 0 || nSep == strItem.GetLength() - 1) {
        AppendMsg(strError, "Syntax error");
        return false;
    }
    WORD wFirst, wLast;
    BYTE bLcss, bLastLcss;
    CString strMsg;
    if (!ParseDevnum(strItem.Left(nSep), wFirst, bLcss, &strMsg)) {
        AppendMsg(strError, strMsg);
        return false;
    }
    const CString strAfter = strItem.Mid(nSep + 1);
    if (nDash >= 0) {
        if (!ParseDevnum(strAfter, wLast, bLastLcss, &strMsg)) {
            AppendMsg(strError, strMsg);
            return false;
        }
        if (strAfter.GetLength() > 1 && strAfter[1] == ':' && bLastLcss != bLcss) {
            AppendMsg(strError, "Device range must be for same LCSS.");
            return false;
        }
    } else {
        UINT nCount = 0;
        if (!IsNumericString(strAfter, 3) || !StringToUINT(strAfter, nCount)) {
            AppendMsg(strError, "Invalid device number \".nnn\" repeat value.");
            return false;
        }
        wLast = (WORD)(wFirst + nCount - 1);
    }
    return AddDeviceRange(wFirst, wLast, bLcss, nChannel, strRest, strError);
}

bool CVornConfigFile::AddDeviceRange(WORD wFirst, WORD wLast, BYTE bLcss, int& nChannel,
                                     const CString& strRest, CString& strError)
{
    if (wFirst >= wLast) {
        AppendMsg(strError, "Invalid devnum range");
        return false;
    }
    if (nChannel == kNoChannel)
        nChannel = wFirst >> 8;
    if ((wFirst >> 8) != nChannel || (wLast >> 8) != nChannel) {
        CString strMsg;
        strMsg.Format("Some devnums not on channel 0x%02.2X", nChannel);
        AppendMsg(strError, strMsg);
        return false;
    }
    bool bAll = true;
    for (DWORD dw = wFirst; dw <= wLast; dw++)
        bAll = AddDevice(FormatDevnum(MakeDevnumKey(bLcss, (WORD)dw)) + " " + strRest, strError) && bAll;
    return bAll;
}
