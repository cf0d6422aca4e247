// SysCfgValues.cpp: storage sizes in megabytes, the drag-factor spin's
// acceleration and the engines' enabling.
#include "sysconfig/SysCfgValues.h"

#include <cmath>

#include "platform/NumberParse.h"

CString BytesToMegabytesText(UINT64 ullBytes)
{
    CString str;
    str.Format("%I64u", ullBytes / kBytesPerMB);
    return str;
}

bool MegabytesTextToBytes(const char* pszText, UINT64 ullStoredBytes, UINT64 ullMaxBytes, UINT64& ullBytes)
{
    if (BytesToMegabytesText(ullStoredBytes) == pszText) {
        ullBytes = ullStoredBytes;
        return true;
    }
    UINT64 ullMB = 0;
    if (!StringToUINT64(pszText, ullMB) || ullMB > ullMaxBytes / kBytesPerMB)
        return false;
    ullBytes = ullMB * kBytesPerMB;
    return true;
}

std::vector<SpinAccel> DragFactorAcceleration(double dMin, double dMax)
{
    std::vector<SpinAccel> table;
    if (!(dMin > 0) || !(dMin < dMax))
        return table;
    double dEntries = std::trunc(std::log10((dMax - dMin) / dMin) + 0.5) - 1;
    if (!(dEntries >= 1))
        return table;
    int k = dEntries > 10 ? 10 : (int)dEntries;
    UINT nInc = 1;
    for (int i = 0; i < k; ++i, nInc *= 10)
        table.push_back(SpinAccel{3 * (UINT)(i + 1), nInc});
    return table;
}

bool IsEngineEnabled(UINT nFirst, UINT n, int nMaxCpu)
{
    return (int)(nFirst + n) < nMaxCpu;
}

const char* ShellCmdModeText(int nMode)
{
    static const char* const kTexts[] = {"(disabled)", "(enabled)", "(only from cmdline)"};
    return nMode >= 0 && nMode <= 2 ? kTexts[nMode] : "";
}
