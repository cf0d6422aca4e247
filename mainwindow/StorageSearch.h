// StorageSearch.h: the window-free half of the storage bar's find and
// replace: the bytes of a find or replace text, the pattern with its match
// rules (hexadecimal bytes; text in EBCDIC code page 37 with or without case
// and whole-word matching), the walk over storage window by window that the
// search thread runs, and the texts the bar shows.
#pragma once

#include <functional>
#include <vector>

#include "platform/CString.h"
#include "platform/MemSearch.h"
#include "platform/Types.h"

// A find or replace text is cut to this many bytes.
constexpr size_t kStorageSearchMaxBytes = 127;

// The bytes of a text by its ParseNumberHexOrDec classification: a valid
// hexadecimal literal ("0x...", "x'...'") gives its bytes, two digits each;
// any other text its first 127 characters in EBCDIC. Empty: no bytes.
std::vector<BYTE> MakeSearchBytes(const char* pszText, WORD wClass);

// The find dialog's starting text for the bytes selected in the storage view
// (at most 127 are taken): "x'C1C2'" from the hex pane, the printable
// characters from the character pane.
CString MakeStorageFindText(const BYTE* pBytes, size_t nCount, bool bHexPane);

struct SStorageSearchOptions {
    bool bHex = false;
    bool bMatchCase = false;
    bool bWholeWord = false;
    bool operator==(const SStorageSearchOptions& o) const
    {
        return bHex == o.bHex && bMatchCase == o.bMatchCase && bWholeWord == o.bWholeWord;
    }
};

// One pattern and its rules. Hexadecimal patterns and case-sensitive text
// without whole-word matching compare raw bytes (quick search); other text
// compares characters: storage bytes read as EBCDIC, zero bytes never
// matching, lower case unless the case must match, and for whole words the
// characters around a match neither letters, digits nor "_".
class CStoragePattern {
public:
    // Takes the bytes and options; the quick-search tables are built again
    // only when the pattern changed.
    void Set(const std::vector<BYTE>& bytes, const SStorageSearchOptions& options);
    size_t Length() const { return m_bytes.size(); }
    const std::vector<BYTE>& Bytes() const { return m_bytes; }
    const SStorageSearchOptions& Options() const { return m_options; }
    bool UsesQuickSearch() const { return m_options.bHex || (m_options.bMatchCase && !m_options.bWholeWord); }
    // Bytes of context a match needs on each side (1 for whole words).
    size_t Context() const { return !UsesQuickSearch() && m_options.bWholeWord ? 1 : 0; }
    // How often the tables were built (for tests).
    int TableBuilds() const { return m_nTableBuilds; }

    // The first (bForward) or last match that starts in [nLo, nHi) of the
    // buffer; the buffer's ends count as the ends of words. False when none.
    bool Find(const BYTE* pBuf, size_t nBuf, size_t nLo, size_t nHi, bool bForward, size_t& nPos) const;
    // True when the pattern matches at nPos of the buffer.
    bool MatchesAt(const BYTE* pBuf, size_t nBuf, size_t nPos) const;

private:
    bool TextMatchAt(const BYTE* pBuf, size_t nBuf, size_t nPos) const;

    std::vector<BYTE> m_bytes;
    std::vector<BYTE> m_folded;  // the pattern as compared in text mode
    SStorageSearchOptions m_options;
    QSTABLE m_forward = {}, m_backward = {};
    std::vector<BYTE> m_tablesFor;
    int m_nTableBuilds = 0;
};

// Reads n bytes of storage at an address into the buffer; false when they
// cannot be read.
typedef std::function<bool(UINT64 nAddress, BYTE* pBuf, size_t n)> StorageReader;

enum EStorageSearchEnd { kStorageFound, kStorageNotFound, kStorageSearchStopped, kStorageReadFailed };

struct SStorageSearchResult {
    EStorageSearchEnd eEnd = kStorageNotFound;
    UINT64 nFound = 0;     // the match's address when found
    UINT64 nPosition = 0;  // where the walk was when it ended
};

// Walks storage of nSize bytes from nStart (the lowest start forward, the
// highest start backward) in windows of at most the buffer's size, each
// overlapping the last by the pattern's length - 1 (and its context), so a
// match across two windows is found. bStop is asked before each window.
SStorageSearchResult SearchStorage(const CStoragePattern& pattern, UINT64 nSize, UINT64 nStart, bool bForward,
                                   std::vector<BYTE>& buffer, const StorageReader& read,
                                   const std::function<bool()>& bStop);

// The bar's messages.
CString StorageNotFoundText(bool bHex, const char* pszFindText, bool bForward);
CString StorageReplacedText(int nCount);
CString StoragePartialWriteText(size_t nWritten, size_t nAsked);
// A search whose read of storage failed: the main instruction, and where
// the walk was.
extern const char kStorageReadErrorText[];
CString StorageSearchReadFailedText(UINT64 nAddress, UINT64 nStorageSize);
// What the storage view shows while storage cannot be read.
extern const char kStorageUnreadableText[];
