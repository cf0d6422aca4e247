// AppearanceRules.cpp: see AppearanceRules.h.
#include "preferences/AppearanceRules.h"

#include <cstring>

// Kinds, in order: three information lines, a debug line, information, an
// error, the IPL echo, three mode changes, a warning, information, eight
// installer lines without an identifier, the reply's echo and the reply.
const char* const g_apszSampleConsoleLines[kSampleConsoleLines] = {
    "ZQC01413I Vornamic version 4.7.0 (x86) built Jun 12 2026 at 09:21:44",
    "ZQC01414I (C) Copyright the Vornamic authors, all rights reserved",
    "ZQC01415I Network driver library VNET version 3.2.1 loaded",
    "ZQC01490D Storage key table at 0x0000000003A10000, 4096 entries",
    "ZQC00111I Dynamic module vornscsi initiated",
    "ZQC01508E Script file 'startup.rc' not found",
    "ZQC00100I ipl 0a80 parm C:\\vorn\\dasd\\install.ins",
    "ZQC00811I Processor CP00: architecture mode ESA/390",
    "ZQC00811I Processor CP01: architecture mode ESA/390",
    "ZQC00811I Processor CP00: architecture mode z/Arch",
    "ZQC17006W LPARNAME not set: licensed programs may refuse to run",
    "ZQC01603I Integrated console interface active",
    "Select the network device to install from:",
    "The installer reads the system from the device you choose below.",
    "",
    "  Network devices",
    "    1) OSA Express (QETH)",
    "    2) LAN channel station (LCS)",
    "    3) Channel-to-channel (CTC)",
    "Enter a number:",
    "ZQC00008I .1",
    "1",
};

CString SampleConsoleText()
{
    CString str;
    for (const char* psz : g_apszSampleConsoleLines) {
        str += psz;
        str += "\n";
    }
    return str;
}

long FontHeightTwips(long nHeight, long nInternalLeading, int nPixelsPerInch)
{
    if (nPixelsPerInch <= 0)
        return 0;
    return ((nHeight - nInternalLeading) * 72 / nPixelsPerInch) * 20;
}

int PercentColorToIndex(int nColor)
{
    return nColor >= 1 && nColor <= 4 ? nColor - 1 : 0;
}

int PercentIndexToColor(int nIndex)
{
    return nIndex >= 0 && nIndex <= 3 ? nIndex + 1 : 1;
}

int PercentStyleToIndex(int nStyle)
{
    return nStyle == 2 ? 1 : 0;
}

int PercentIndexToStyle(int nIndex)
{
    return nIndex == 1 ? 2 : 1;
}

const char* const g_apszStatusPartSamples[kStatusLineParts] = {
    " CP00 PSW=07542000 80000000 0000000004089BB8", " .......Z", " instcount=124999579", " MIPS=  39.17",
    " SIOS= 400",
};

void SStatusPartGrid::Set(const BYTE newOrder[kStatusLineParts], const bool newVisible[kStatusLineParts])
{
    bool bValid = IsStatusLinePartOrder(newOrder);
    for (int p = 0; p < kStatusLineParts; ++p) {
        order[p] = bValid ? newOrder[p] : (BYTE)p;
        visible[p] = newVisible[p];
    }
    for (int p = 0; p < kStatusLineParts; ++p)
        position[order[p]] = (BYTE)p;
}

void SStatusPartGrid::Click(int nPart, int nColumn, bool bTicked)
{
    if (nPart < 0 || nPart >= kStatusLineParts || nColumn < 0 || nColumn >= kStatusLineParts)
        return;
    int nOld = position[nPart];
    int nOther = order[nColumn];
    order[nColumn] = (BYTE)nPart;
    order[nOld] = (BYTE)nOther;
    position[nPart] = (BYTE)nColumn;
    position[nOther] = (BYTE)nOld;
    visible[nPart] = bTicked;
}

bool SStatusPartGrid::IsTicked(int nPart, int nColumn) const
{
    return nPart >= 0 && nPart < kStatusLineParts && visible[nPart] && position[nPart] == nColumn;
}

CString SStatusPartGrid::SampleLines(const std::function<int(const CString&)>& width, int cxLine,
                                     int nLines) const
{
    CString strText, strLine;
    int nLine = 1;
    for (int p = 0; p < kStatusLineParts; ++p) {
        if (!visible[order[p]])
            continue;
        CString strPart = g_apszStatusPartSamples[order[p]];
        CString strLonger = strLine + strPart;
        strLonger.TrimLeft();
        if (width(strLonger) <= cxLine) {
            strLine = strLonger;
            continue;
        }
        // The part begins the next line, or nothing more shows.
        strPart.TrimLeft();
        if (strLine.IsEmpty() || nLine >= nLines || width(strPart) > cxLine)
            break;
        strText += strLine + "\r\n";
        strLine = strPart;
        ++nLine;
    }
    return strText + strLine;
}

bool FontLookChanged(const SFontLook& a, const SFontLook& b)
{
    return a.strFace != b.strFace || IsBoldWeight(a.nWeight) != IsBoldWeight(b.nWeight) || a.bItalic != b.bItalic ||
           a.nPointSize != b.nPointSize || a.crText != b.crText || a.crBack != b.crBack;
}
