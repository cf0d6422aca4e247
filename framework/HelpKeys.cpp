// HelpKeys.cpp: the standard balloon table and the balloon text rules.
#include "framework/HelpKeys.h"

namespace {

// Registered in this order; a later entry for the same key replaces an
// earlier one.
const StandardHelpString kStandard[] = {
    {0x0001, true, 30110},  {0x0002, true, 30111},  {0x0009, true, 30112},
    {0x3021, true, 30113},  {0x3024, true, 30114},  {0x3023, true, 30115},
    {0x3025, true, 30116},  {0x3020, true, 30130},  {0xE800, true, 30131},
    {0xE801, true, 30132},  {0xE802, true, 30133},  {0xE81B, true, 30134},
    {0xE900, true, 30135},  {0xEA20, true, 30150},  {0xE700, true, 30140},
    {0xE701, true, 30141},  {0xE702, true, 30142},  {0xE703, true, 30143},
    {0xE704, true, 30144},  {0xE705, true, 30145},  {0xE706, true, 30146},
    {0x40002, false, 30151}, {0x40004, false, 30152}, {0x40006, false, 30153},
    {0x40007, false, 30154}, {0x40008, false, 30155}, {0x40009, false, 30156},
    {0x40014, false, 30157}, {0x40015, false, 30158}, {0x4000A, false, 30170},
    {0x4000B, false, 30171}, {0x4000C, false, 30172}, {0x4000D, false, 30173},
    {0x4000E, false, 30174}, {0x4000F, false, 30175}, {0x40010, false, 30176},
    {0x40011, false, 30177}, {0x40012, false, 30178}, {0x7532, true, 30190},
    {0x7530, true, 30191},  {0x7531, true, 30192},
};

const int kMaxTitleChars = 99;

}  // namespace

UINT CanonicalHelpControlId(UINT nCtrlId)
{
    if (nCtrlId >= 0xE81C && nCtrlId <= 0xE81E)
        return 0xE81B;
    if (nCtrlId >= 0xE901 && nCtrlId <= 0xE9FF)
        return 0xE900;
    return nCtrlId;
}

const StandardHelpString* StandardHelpStrings(size_t& nCount)
{
    nCount = sizeof(kStandard) / sizeof(kStandard[0]);
    return kStandard;
}

DWORD StandardHelpKey(const StandardHelpString& entry, UINT nDialogId)
{
    return entry.bDialogRelative ? MakeHelpKey(nDialogId, entry.dwKey) : entry.dwKey;
}

void SplitBalloonText(const CString& strText, CString& strBody, CString& strTitle)
{
    int nNewline = strText.ReverseFind('\n');
    if (nNewline > 0) {
        strBody = strText.Left(nNewline);
        strTitle = strText.Mid(nNewline + 1);
    } else {
        strBody = strText;
        strTitle.Empty();
    }
    strBody.Trim();
    strTitle.Trim();
}

BalloonSpec BuildBalloonSpec(const CString& strText, int nCtrlId, const CString& strDefaultTitle,
                             const CString& strUnavailableTitle, const CString& strNoBalloonFormat)
{
    BalloonSpec spec;
    SplitBalloonText(strText, spec.strBody, spec.strTitle);
    if (!strText.IsEmpty()) {
        if (spec.strTitle.IsEmpty())
            spec.strTitle = strDefaultTitle;
    } else {
        spec.nIcon = 3;
        spec.nWidth = 150;
        spec.strTitle = strUnavailableTitle;
        spec.strBody.Format(strNoBalloonFormat, nCtrlId);
    }
    spec.strBody.Trim();
    spec.strTitle.Trim();
    spec.strTitle = spec.strTitle.Left(kMaxTitleChars);
    spec.bShow = !spec.strBody.IsEmpty() && !spec.strTitle.IsEmpty();
    return spec;
}
