// AdapterBufferSizes.cpp: the buffer-size rules of the LCS and CTCI pages.
#include "devices/AdapterBufferSizes.h"

#include <algorithm>

#include "config/Limits.h"
#include "platform/NumberParse.h"

namespace {

// A typed size: false when it is no number; digits beyond the unsigned
// range count as the largest value (they are above every maximum).
bool TypedSize(const char* pszText, UINT& nValue)
{
    CString str(pszText);
    str.Trim();
    if (!IsNumericString(str))
        return false;
    nValue = 0;
    if (!StringToUINT(str, nValue))
        nValue = 0xFFFFFFFFu;
    return true;
}

// The position after a step, never negative (the sum is signed, so a
// small position stepped down never wraps).
UINT StepTarget(int nPos, int nDelta)
{
    long long n = (long long)nPos + nDelta;
    return n < 0 ? 0 : (UINT)std::min<long long>(n, 0xFFFFFFFFll);
}

// Below the minimum a downward step (below 1) gives 0, an upward one the
// minimum.
UINT BelowMinimum(int nDelta, UINT nMin) { return nDelta < 1 ? 0 : nMin; }

}  // namespace

UINT TypedBufferSize(const char* pszText)
{
    UINT n = 0;
    return TypedSize(pszText, n) ? n : 0;
}

SBufferSizeLimits CurrentBufferSizeLimits()
{
    SBufferSizeLimits lim;
    lim.nDriverMin = g_nMinCaptureBuffsize;
    lim.nDriverMax = g_nMaxCaptureBuffsize;
    lim.nDllMin = g_nMinPacketBuffsize;
    lim.nDllMax = g_nMaxPacketBuffsize;
    return lim;
}

UINT EnteredDriverSize(const char* pszText, const SBufferSizeLimits& lim)
{
    UINT n = 0;
    if (!TypedSize(pszText, n) || n < lim.nDriverMin)
        return 0;
    return std::min(n, lim.nDriverMax);
}

UINT EnteredDllSize(const char* pszText, UINT nDriver, const SBufferSizeLimits& lim)
{
    UINT n = 0;
    if (!TypedSize(pszText, n) || n < lim.nDllMin)
        return 0;
    return std::min(n, DllSizeLimit(nDriver, lim));
}

UINT SteppedDriverSize(int nPos, int nDelta, const SBufferSizeLimits& lim)
{
    UINT n = StepTarget(nPos, nDelta);
    if (n < lim.nDriverMin)
        return BelowMinimum(nDelta, lim.nDriverMin);
    return std::min(n, lim.nDriverMax);
}

UINT SteppedDllSize(int nPos, int nDelta, UINT nDriver, const SBufferSizeLimits& lim)
{
    UINT n = StepTarget(nPos, nDelta);
    if (n < lim.nDllMin)
        return BelowMinimum(nDelta, lim.nDllMin);
    return std::min(n, DllSizeLimit(nDriver, lim));
}

UINT DllSizeLimit(UINT nDriver, const SBufferSizeLimits& lim) { return std::min(nDriver, lim.nDllMax); }

UINT FollowDllSize(UINT nDll, UINT nDriver) { return std::min(nDll, nDriver); }

bool CheckBufferSizes(UINT nDriver, UINT nDll, const SBufferSizeLimits& lim, SBufferSizeFailure& failure)
{
    failure = SBufferSizeFailure();
    if (nDriver != 0 && (nDriver < lim.nDriverMin || nDriver > lim.nDriverMax)) {
        failure.strTitle = "Driver Buffer Size";
        if (nDriver < lim.nDriverMin)
            failure.strText.Format("The minimum Driver buffer size is %dK", (int)lim.nDriverMin);
        else
            failure.strText.Format("The maximum Driver buffer size is %dK", (int)lim.nDriverMax);
        return false;
    }
    if (nDll == 0)
        return true;
    failure.bDll = true;
    failure.strTitle = "DLL Buffer Size";
    if (nDll < lim.nDllMin)
        failure.strText.Format("The minimum DLL buffer size is %dK", (int)lim.nDllMin);
    else if (nDll > nDriver)
        failure.strText = "The DLL buffer size cannot be greater than the Driver buffer size";
    else if (nDll > lim.nDllMax)
        failure.strText.Format("The maximum DLL buffer size is %dK", (int)lim.nDllMax);
    else
        return true;
    return false;
}
