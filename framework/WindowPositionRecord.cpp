// WindowPositionRecord.cpp: the stored position of a resizable window.
#include "framework/WindowPositionRecord.h"

#include "platform/ProfileStore.h"

namespace {

const char kRootSection[] = "WindowPositions";
const char kValid[] = "(valid)";

void SwapIfReversed(LONG& nLow, LONG& nHigh)
{
    if (nLow > nHigh) {
        LONG n = nLow;
        nLow = nHigh;
        nHigh = n;
    }
}

// Moves [nLow, nHigh) into [nAreaLow, nAreaHigh), shrinking it if needed.
void FitSpan(LONG& nLow, LONG& nHigh, LONG nAreaLow, LONG nAreaHigh)
{
    // In 64 bits: edges read back from the settings may lie up to 2^32 apart,
    // beyond a 32-bit LONG.
    LONGLONG nLen = (LONGLONG)nHigh - nLow;
    if (nLen > (LONGLONG)nAreaHigh - nAreaLow)
        nLen = (LONGLONG)nAreaHigh - nAreaLow;
    LONGLONG nNewLow = nLow < nAreaLow ? nAreaLow : nLow;
    if (nNewLow + nLen > nAreaHigh)
        nNewLow = nAreaHigh - nLen;
    nLow = (LONG)nNewLow;
    nHigh = (LONG)(nNewLow + nLen);
}

}  // namespace

CString FormatPositionName(UINT nId)
{
    CString str;
    str.Format("ID=0x%08lx", (unsigned long)nId);
    return str;
}

CString GetPositionSection(const char* pszSection, const CString& strName)
{
    CString str = pszSection ? CString(pszSection) : CString(kRootSection) + "\\" + strName;
    str.Replace('/', '\\');
    while (str.Replace("\\\\", "\\") > 0) {
    }
    if (!str.IsEmpty() && str[0] == '\\')
        str = str.Mid(1);
    if (!str.IsEmpty() && str[str.GetLength() - 1] == '\\')
        str = str.Left(str.GetLength() - 1);
    if (str.IsEmpty())
        str = kRootSection;
    return str;
}

// The record stored again writes nothing, and a new one is one update of
// the store: the valid flag's round trip alone rewrote an .INI store twice,
// each time flushed to the disk, at every close of a dialog not moved.
bool WriteWindowPosition(const char* pszSection, const WindowPositionRecord& rec)
{
    const struct {
        const char* pszEntry;
        int nValue;
    } fields[] = {
        {"Left", rec.rcNormal.left},     {"Right", rec.rcNormal.right},   {"Top", rec.rcNormal.top},
        {"Bottom", rec.rcNormal.bottom}, {"Visibility", rec.nVisibility}, {"State", rec.nState},
    };
    CSettingsStore* pStore = GetSettingsStore();
    if (!pStore)
        return false;
    bool bStored = (int)ProfileGetInt(pszSection, kValid, 0) == 1;
    for (const auto& f : fields)
        bStored = bStored && (int)ProfileGetInt(pszSection, f.pszEntry, ~f.nValue) == f.nValue;
    if (bStored)
        return true;
    pStore->BeginUpdate();
    bool ok = ProfileWriteInt(pszSection, kValid, 0);
    for (const auto& f : fields)
        ok = ok && ProfileWriteInt(pszSection, f.pszEntry, f.nValue);
    ok = ok && ProfileWriteInt(pszSection, kValid, 1);
    return pStore->EndUpdate() && ok;
}

bool ReadWindowPosition(const char* pszSection, const RECT& rcDefault, WindowPositionRecord& rec)
{
    if ((int)ProfileGetInt(pszSection, kValid, 0) != 1)
        return false;
    rec.rcNormal.left = (int)ProfileGetInt(pszSection, "Left", rcDefault.left);
    rec.rcNormal.right = (int)ProfileGetInt(pszSection, "Right", rcDefault.right);
    rec.rcNormal.top = (int)ProfileGetInt(pszSection, "Top", rcDefault.top);
    rec.rcNormal.bottom = (int)ProfileGetInt(pszSection, "Bottom", rcDefault.bottom);
    rec.nVisibility = (int)ProfileGetInt(pszSection, "Visibility", -1);
    rec.nState = (int)ProfileGetInt(pszSection, "State", -1);
    SwapIfReversed(rec.rcNormal.left, rec.rcNormal.right);
    SwapIfReversed(rec.rcNormal.top, rec.rcNormal.bottom);
    return true;
}

RECT FitRectIntoArea(const RECT& rc, const RECT& rcArea)
{
    RECT r = rc;
    FitSpan(r.left, r.right, rcArea.left, rcArea.right);
    FitSpan(r.top, r.bottom, rcArea.top, rcArea.bottom);
    return r;
}
