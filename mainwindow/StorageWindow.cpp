// StorageWindow.cpp: the storage window, address texts, interval snapping
// and the jump address.
#include "mainwindow/StorageWindow.h"

#include <algorithm>

#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"

void CStorageWindow::Reset(UINT64 nStorageSize)
{
    m_nStorage = nStorageSize;
    m_nWindow = (UINT)std::min<UINT64>(kStorageWindowMax, nStorageSize);
    m_nOffset = 0;
}

void CStorageWindow::SetOffset(UINT64 nOffset)
{
    m_nOffset = std::min(nOffset, m_nStorage - m_nWindow);
}

CStorageWindow::EPlace CStorageWindow::Place(UINT64 nAddress, UINT64 nLength)
{
    if (nLength == 0 || nLength > m_nWindow || nAddress > m_nStorage - nLength)
        return kRefused;
    if (Contains(nAddress, nLength))
        return kInside;
    UINT64 nHalf = (m_nWindow - nLength) / 2;
    SetOffset(nAddress >= nHalf ? nAddress - nHalf : nAddress);
    return kMoved;
}

int StorageAddressDigits(UINT64 nStorageSize)
{
    return nStorageSize > kStorageWideAbove ? 16 : 8;
}

CString FormatStorageAddress(UINT64 nAddress, UINT64 nStorageSize)
{
    CString str;
    str.Format(StorageAddressDigits(nStorageSize) == 16 ? "%16.16I64X" : "%8.8I64X", (unsigned long long)nAddress);
    return str;
}

int SnapRefreshInterval(int nPosition)
{
    return std::max(kRefreshStepMs, nPosition / kRefreshStepMs * kRefreshStepMs);
}

bool ParseJumpAddress(const char* pszText, UINT64 nStorageSize, UINT64& nAddress, bool& bClamped)
{
    bClamped = false;
    if (nStorageSize == 0)
        return false;
    CString str(pszText ? pszText : "");
    TrimBlanks(str);
    if (str.IsEmpty())
        str = "00000000";
    UINT64 n = 0;
    if (!HexStringToUINT64(str, n))
        return false;
    if (n >= nStorageSize) {
        n = nStorageSize - 1;
        bClamped = true;
    }
    nAddress = n;
    return true;
}
