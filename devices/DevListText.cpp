// DevListText.cpp: texts and numbers of the device-list bar.
#include "devices/DevListText.h"

#include "config/DevNum.h"
#include "platform/TextFunctions.h"
#include "resources/resource.h"

namespace {

const int kFreeKeyTries = 257;

// The device-menu commands that are one emulator command with the device number.
struct DevCommandRow { UINT nID; const char* pszFormat; };
const DevCommandRow kDevCommands[] = {
    {ID_DEVLIST_START, "start %s"},
    {ID_DEVLIST_STOP, "stop %s"},
    {ID_DEVLIST_UNLOAD_TAPE, "devinit %s *"},
    {ID_DEVLIST_SUBCHANNEL_STATUS, "ds %s"},
    {ID_DEVLIST_ATTENTION, "i %s"},
    {ID_DEVLIST_DETACH, "detach %s"},
};

void AppendWord(CString& str, const CString& strWord)
{
    if (!strWord.IsEmpty())
        str += " " + strWord;
}

}  // namespace

CString DevListItemText(int nKey, const CDevListEntry& entry)
{
    CString str;
    str.Format("%s  %s  %s", (LPCSTR)FormatDevnum((DWORD)nKey), (LPCSTR)entry.m_strDevType,
               (LPCSTR)entry.m_strDesc);
    return str;
}

int DevListItemImage(WORD wState)
{
    if (wState & kDevListIntPending)
        return kDevImageRedLed;
    if (wState & kDevListBusy)
        return kDevImageYellowLed;
    if (wState & kDevListOpened)
        return kDevImageGreenLed;
    return kDevImageGrayLed;
}

int NextFreeDevKey(int nLastKey, const std::function<bool(int)>& isTaken, bool bEven)
{
    int nFirst = nLastKey + 1;
    int nStep = 1;
    if (bEven) {
        nFirst += nFirst & 1;
        nStep = 2;
    }
    for (int i = 0; i < kFreeKeyTries; ++i)
        if (!isTaken(nFirst + i * nStep))
            return nFirst + i * nStep;
    return nFirst;
}

CString DeviceMenuCommand(UINT nID, int nKey, bool bTracing)
{
    CString strDev = FormatDevnum((DWORD)nKey), str;
    if (nID == ID_DEVLIST_TRACE_CCWS) {
        str.Format(bTracing ? "t-%s" : "t+%s", (LPCSTR)strDev);
        return str;
    }
    for (const DevCommandRow& row : kDevCommands)
        if (row.nID == nID)
            str.Format(row.pszFormat, (LPCSTR)strDev);
    return str;
}

CString LoadCardsCommand(int nKey, const CString& strDeck, const CString& strOtherArgs)
{
    CString str;
    str.Format("devinit %s", (LPCSTR)FormatDevnum((DWORD)nKey));
    AppendWord(str, strDeck.IsEmpty() ? strDeck : QuoteIfNeeded(strDeck, '"'));
    AppendWord(str, strOtherArgs);
    return str;
}

CString SocketLoadCardsTitle(const CString& strHostPort, const CString& strDeckName)
{
    CString str;
    str.Format("VornRdr %s %s", (LPCSTR)strHostPort, (LPCSTR)QuoteIfNeeded(strDeckName, '"'));
    return str;
}
