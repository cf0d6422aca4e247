// ControlPanelMath.cpp: dials, needle and mail links of the control panel
// and the About box.
#include "mainwindow/ControlPanelMath.h"

#include <cstdio>
#include <cstring>

#include "platform/NumberParse.h"

bool DialsFromLoadUnit(const char* pszText, SLoadUnitDials& dials)
{
    WORD wValue = 0;
    bool bValid = pszText && std::strlen(pszText) == 4 && IsHexString(pszText, 4) && HexStringToWORD(pszText, wValue);
    if (!bValid)
        wValue = 0;
    for (int i = 0; i < 4; ++i)
        dials.nDigit[i] = (wValue >> (12 - 4 * i)) & 0xF;
    return bValid;
}

std::string LoadUnitText(const SLoadUnitDials& dials)
{
    char sz[16];
    std::snprintf(sz, sizeof sz, "%X%X%X%X", dials.nDigit[0] & 0xF, dials.nDigit[1] & 0xF, dials.nDigit[2] & 0xF,
                  dials.nDigit[3] & 0xF);
    return sz;
}

int TurnDialDigit(int nDigit, int x, int nLeft, int nRight)
{
    if (x > nLeft + (nRight - nLeft) / 2)
        return nDigit + 1 > 15 ? 0 : nDigit + 1;
    return nDigit - 1 < 0 ? 15 : nDigit - 1;
}

double CMeterNeedle::Next(double dValue)
{
    m_dPrev = dValue == 0.0 ? 0.0 : (2.0 * m_dPrev + dValue) / 3.0;
    return m_dPrev;
}

double NeedleAngle(double dSmoothed)
{
    return 124.0 - 65.0 * dSmoothed;
}

void NeedleCentre(int nLeft, int nTop, int nRight, int nBottom, int& x, int& y)
{
    x = nLeft + (nRight - nLeft) / 2;
    y = 2 * nBottom - nTop + (nBottom - nTop) / 2;
}

std::string BuildSupportMailLink(const std::string& strAddress, const char* pszProduct, const char* pszVersion)
{
    return "mailto:" + strAddress + "?subject=" + pszProduct + " -- Version " + pszVersion;
}

std::string BuildBugReportMailLink(const std::string& strAddress, const char* pszProduct, const char* pszVersion)
{
    return "mailto:" + strAddress + "?subject=BUG REPORT: " + pszProduct + " -- Version " + pszVersion;
}

std::string BuildEmulatorMailLink(const std::string& strAddress)
{
    return "mailto:" + strAddress + "?subject=Vornamic support question";
}
