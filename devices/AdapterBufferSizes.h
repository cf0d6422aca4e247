// AdapterBufferSizes.h: the two optional buffer sizes of the LCS and CTCI
// pages (the host driver's capture buffer and the packet DLL's buffer, in K
// bytes, 0 meaning "not given"), window-free: their limits from the "Limits"
// settings, what a typed or stepped value becomes, and the checks of OK.
//
// The DLL buffer is never larger than the driver buffer: its upper limit is
// the smaller of the driver size and its own maximum.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

struct SBufferSizeLimits {
    UINT nDriverMin = 64, nDriverMax = 16384;   // MinCaptureBuffsize, MaxCaptureBuffsize
    UINT nDllMin = 16, nDllMax = 1024;          // MinPacketBuffsize, MaxPacketBuffsize
};

// The limits as the "Limits" settings hold them now.
SBufferSizeLimits CurrentBufferSizeLimits();

// A size field's text as it stands: its digits' value (digits beyond the
// unsigned range give the largest value), 0 when it is no number.
UINT TypedBufferSize(const char* pszText);

// The driver size a typed text gives when its field loses the focus: not
// a number or below the minimum 0, above the maximum the maximum.
UINT EnteredDriverSize(const char* pszText, const SBufferSizeLimits& lim);
// The same for the DLL size, its upper limit being DllSizeLimit.
UINT EnteredDllSize(const char* pszText, UINT nDriver, const SBufferSizeLimits& lim);

// The driver size a spin step of nDelta from nPos gives: at least the
// minimum it is taken (at most the maximum); below it a downward step gives
// 0 and an upward step the minimum.
UINT SteppedDriverSize(int nPos, int nDelta, const SBufferSizeLimits& lim);
// The same for the DLL size; at least the minimum it is held to the driver
// size (and the DLL maximum).
UINT SteppedDllSize(int nPos, int nDelta, UINT nDriver, const SBufferSizeLimits& lim);

// The upper limit of the DLL size (and its spin): the smaller of the driver
// size and the DLL maximum.
UINT DllSizeLimit(UINT nDriver, const SBufferSizeLimits& lim);
// After the driver size changed: a DLL size above the driver size becomes
// the driver size.
UINT FollowDllSize(UINT nDll, UINT nDriver);

// The first refused size at OK, with its message and balloon title.
struct SBufferSizeFailure {
    bool bDll = false;   // the DLL field, else the driver field
    CString strText;
    CString strTitle;
};
// Driver size: not 0 and below its minimum or above its maximum. DLL size:
// not 0 and below its minimum, above the driver size (a DLL size with no
// driver size included), above its maximum. True when both pass.
bool CheckBufferSizes(UINT nDriver, UINT nDll, const SBufferSizeLimits& lim, SBufferSizeFailure& failure);
