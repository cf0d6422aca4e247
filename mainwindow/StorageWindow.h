// StorageWindow.h: the window-free arithmetic of the storage display/alter
// bar: the 2 MiB window of guest storage that the bar keeps in its buffer and
// moves so that a requested range is inside it, the address texts, the
// auto-refresh interval's snapping and the jump-to-address field.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

// The bar's buffer: at most this much of storage is held at a time.
constexpr UINT kStorageWindowMax = 0x200000;
// Storage larger than this is addressed with 16 digits.
constexpr UINT64 kStorageWideAbove = 0x100000000ull;

// Where the window lies in storage. Storage of 0 bytes has a window of 0.
class CStorageWindow {
public:
    enum EPlace {
        kRefused,  // the range cannot be shown: nothing moved
        kInside,   // already inside the window
        kMoved,    // the window moved (its bytes must be read again)
    };

    // A new storage size: the window is min(2 MiB, size), at offset 0.
    void Reset(UINT64 nStorageSize);
    // Makes [nAddress, nAddress + nLength) visible: refused for an empty
    // range, one longer than the window or one that ends beyond storage;
    // else the window is recentred on the range when it is not inside
    // (offset = nAddress - (window - nLength) / 2, at least 0, at most
    // storage - window).
    EPlace Place(UINT64 nAddress, UINT64 nLength);
    // The window at an offset (clamped to storage - window).
    void SetOffset(UINT64 nOffset);

    bool Contains(UINT64 nAddress, UINT64 nLength) const
    {
        return nAddress >= m_nOffset && nLength <= m_nWindow && nAddress - m_nOffset <= m_nWindow - nLength;
    }
    UINT64 StorageSize() const { return m_nStorage; }
    UINT WindowSize() const { return m_nWindow; }
    UINT64 Offset() const { return m_nOffset; }

private:
    UINT64 m_nStorage = 0;
    UINT m_nWindow = 0;
    UINT64 m_nOffset = 0;
};

// Digits of an address for a storage size: 8, or 16 above 4 GiB.
int StorageAddressDigits(UINT64 nStorageSize);
// "%8.8I64X" or "%16.16I64X" by storage size.
CString FormatStorageAddress(UINT64 nAddress, UINT64 nStorageSize);

// The refresh interval for a trackbar position: truncated to a multiple of
// 250 milliseconds, never below 250.
int SnapRefreshInterval(int nPosition);
constexpr int kRefreshStepMs = 250;

// The jump-to-address field: the text trimmed, empty meaning 0, read as a
// 64-bit hexadecimal number. An address at or beyond the end becomes the
// last address (bClamped set). False for a text that is no hexadecimal
// number or for storage of 0 bytes.
bool ParseJumpAddress(const char* pszText, UINT64 nStorageSize, UINT64& nAddress, bool& bClamped);
