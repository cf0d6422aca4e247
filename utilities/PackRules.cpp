// PackRules.cpp: the option words and field rules of the compressed-image
// dialogs and of VolIdent.
#include "utilities/PackRules.h"

#include <cstring>

#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"

CString PackCheckOptionWords(int nLevel, bool bReadOnly, bool bForce)
{
    CString str;
    str.Format("-%d", nLevel);
    if (bReadOnly)
        str += " -ro";
    if (bForce)
        str += " -f";
    return str;
}

CString FileListRunTitle(const char* pszProgram, const char* pszOptionWords, const char* pszFirstNameExt,
                         int nFiles)
{
    CString str = pszProgram;
    str += " ";
    if (pszOptionWords && *pszOptionWords) {
        str += pszOptionWords;
        str += " ";
    }
    str += pszFirstNameExt ? pszFirstNameExt : "";
    if (nFiles > 1)
        str += " ...";
    return str;
}

int SqueezeSliderPosition(int nPos, int nCode, int nLastLevel)
{
    if (nPos != 2)
        return nPos;
    switch (nCode) {
    case kTrackLineDown:
    case kTrackPageDown:
        return 3;
    case kTrackThumbTrack:
    case kTrackThumbPosition:
        return nLastLevel < 3 ? 3 : 1;
    default:
        return 1;
    }
}

const char* ProbeNumberRefusal(const char* pszText)
{
    const char* psz = pszText ? pszText : "";
    if (psz[0] == '0' && (psz[1] == 'x' || psz[1] == 'X'))
        return IsHexString(psz + 2) ? nullptr : "Invalid hexadecimal value.";
    return IsNumericString(psz) ? nullptr : "Invalid numeric value.";
}

bool ProbeL2TabCounts(const SProbeOptions& o)
{
    return o.bL2Tab && (o.bCCHH || o.bTT);
}

bool ProbeHasOption(const SProbeOptions& o)
{
    return o.bDevHdr || o.bCDevHdr || o.bL1Tab || ProbeL2TabCounts(o) || o.bTrackSummary || o.bHexDump ||
           o.bCCHH || o.bTT || o.bRawOffset;
}

CString PackProbeOptionWords(const SProbeOptions& o)
{
    CString str;
    const struct {
        bool bOn;
        const char* pszWord;
    } kFlags[] = {{o.bDevHdr, " -d"}, {o.bCDevHdr, " -c"}, {o.bL1Tab, " -1"},
                  {o.bL2Tab, " -2"},  {o.bTrackSummary, " -t"}, {o.bHexDump, " -x"}};
    for (const auto& f : kFlags)
        if (f.bOn)
            str += f.pszWord;
    if (o.bCCHH)
        str += " -a " + o.strCylinder + " " + o.strHead;
    if (o.bTT)
        str += " -r " + o.strTrack;
    if (o.bRawOffset)
        str += " -o " + o.strOffset + " " + o.strLength;
    if (o.bDebug)
        str += " -g";
    TrimBlanks(str);
    return str;
}

bool PackLayoutOptionWords(bool bSummaryOnly, bool bTrackData, bool bVerbose, CString& strWords)
{
    strWords.Empty();
    if (bSummaryOnly) {
        if (bTrackData || bVerbose)
            return false;
        strWords = "-i ";
        return true;
    }
    if (bTrackData)
        strWords += "-t ";
    if (bVerbose)
        strWords += "-v ";
    return true;
}

bool IsValidVolumeSerial(const char* pszSerial)
{
    const char* psz = pszSerial ? pszSerial : "";
    return *psz == '\0' || (std::strlen(psz) == 12 && IsNumericString(psz));
}

bool VolumeSerialIsSent(bool bReadOnly, const char* pszSerial, const char* pszImageSerial)
{
    const char* psz = pszSerial ? pszSerial : "";
    return !bReadOnly && *psz != '\0' && std::strcmp(psz, pszImageSerial ? pszImageSerial : "") != 0;
}
