// StorageSearch.cpp: search patterns, the walk over storage, the texts.
#include "mainwindow/StorageSearch.h"

#include <algorithm>
#include <cstring>

#include "mainwindow/StorageWindow.h"
#include "platform/CodePage.h"
#include "platform/HexRender.h"
#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"

namespace {

// ParseNumberHexOrDec: one of the two literal forms, nothing wrong with it.
const WORD kClassForms = 0xF000, kClassFaults = 0x0F00;

bool IsWordChar(BYTE ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '_';
}

// A storage byte as text: EBCDIC read as ASCII, zero never a character of
// a pattern, folded to lower case unless the case must match.
BYTE FoldByte(BYTE b, bool bMatchCase)
{
    if (b == 0)
        return 0xFF;
    BYTE ch = EbcdicToAscii(b);
    if (!bMatchCase && ch >= 'A' && ch <= 'Z')
        ch = (BYTE)(ch - 'A' + 'a');
    return ch;
}

}  // namespace

std::vector<BYTE> MakeSearchBytes(const char* pszText, WORD wClass)
{
    std::vector<BYTE> bytes;
    if (!pszText || !*pszText)
        return bytes;
    if ((wClass & kClassForms) != 0 && (wClass & kClassFaults) == 0) {
        CString strDigits = CString(pszText).Mid(2, wClass & 0xFF);
        TrimBlanks(strDigits);
        for (int i = 0; i + 1 < strDigits.GetLength() && bytes.size() < kStorageSearchMaxBytes; i += 2) {
            int hi = HexDigitValue(strDigits[i]), lo = HexDigitValue(strDigits[i + 1]);
            if (hi < 0 || lo < 0)
                break;
            bytes.push_back((BYTE)(hi * 16 + lo));
        }
        return bytes;
    }
    size_t n = std::min(std::strlen(pszText), kStorageSearchMaxBytes);
    bytes.assign((const BYTE*)pszText, (const BYTE*)pszText + n);
    TranslateString(bytes.data(), bytes.size(), true);
    return bytes;
}

CString MakeStorageFindText(const BYTE* pBytes, size_t nCount, bool bHexPane)
{
    nCount = std::min(nCount, kStorageSearchMaxBytes);
    if (!pBytes || nCount == 0)
        return CString();
    if (bHexPane)
        return "x'" + MakeHex(pBytes, nCount) + "'";
    return MakePrt(pBytes, nCount, true);
}

void CStoragePattern::Set(const std::vector<BYTE>& bytes, const SStorageSearchOptions& options)
{
    m_bytes = bytes;
    m_options = options;
    m_folded.resize(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i)
        m_folded[i] = FoldByte(bytes[i], options.bMatchCase);
    if (m_tablesFor != bytes) {
        InitQuickForwardMemSearch(bytes.data(), bytes.size(), m_forward);
        InitQuickBackwardMemSearch(bytes.data(), bytes.size(), m_backward);
        m_tablesFor = bytes;
        ++m_nTableBuilds;
    }
}

bool CStoragePattern::TextMatchAt(const BYTE* pBuf, size_t nBuf, size_t nPos) const
{
    size_t m = m_folded.size();
    for (size_t j = 0; j < m; ++j)
        if (FoldByte(pBuf[nPos + j], m_options.bMatchCase) != m_folded[j])
            return false;
    if (!m_options.bWholeWord)
        return true;
    if (nPos > 0 && IsWordChar(FoldByte(pBuf[nPos - 1], true)))
        return false;
    return nPos + m >= nBuf || !IsWordChar(FoldByte(pBuf[nPos + m], true));
}

bool CStoragePattern::MatchesAt(const BYTE* pBuf, size_t nBuf, size_t nPos) const
{
    size_t m = m_bytes.size();
    if (m == 0 || !pBuf || nPos > nBuf || m > nBuf - nPos)
        return false;
    if (UsesQuickSearch())
        return std::memcmp(pBuf + nPos, m_bytes.data(), m) == 0;
    return TextMatchAt(pBuf, nBuf, nPos);
}

bool CStoragePattern::Find(const BYTE* pBuf, size_t nBuf, size_t nLo, size_t nHi, bool bForward,
                           size_t& nPos) const
{
    size_t m = m_bytes.size();
    if (m == 0 || !pBuf || m > nBuf)
        return false;
    nHi = std::min(nHi, nBuf - m + 1);
    if (nLo >= nHi)
        return false;
    if (UsesQuickSearch()) {
        const BYTE* pRegion = pBuf + nLo;
        size_t nRegion = nHi - nLo + m - 1;
        const BYTE* p = bForward ? QuickForwardMemSearch(pRegion, nRegion, m_bytes.data(), m, m_forward)
                                 : QuickBackwardMemSearch(pRegion, nRegion, m_bytes.data(), m, m_backward);
        if (!p)
            return false;
        nPos = (size_t)(p - pBuf);
        return true;
    }
    if (bForward) {
        for (size_t i = nLo; i < nHi; ++i)
            if (TextMatchAt(pBuf, nBuf, i)) {
                nPos = i;
                return true;
            }
    } else {
        for (size_t i = nHi; i-- > nLo;)
            if (TextMatchAt(pBuf, nBuf, i)) {
                nPos = i;
                return true;
            }
    }
    return false;
}

SStorageSearchResult SearchStorage(const CStoragePattern& pattern, UINT64 nSize, UINT64 nStart, bool bForward,
                                   std::vector<BYTE>& buffer, const StorageReader& read,
                                   const std::function<bool()>& bStop)
{
    SStorageSearchResult result;
    const UINT64 m = pattern.Length(), c = pattern.Context();
    const UINT64 w = std::min<UINT64>(buffer.size(), nSize);
    // A window of all storage needs no context around it.
    if (m == 0 || m > nSize || (w < nSize && w < m + 2 * c))
        return result;
    UINT64 s = nStart;  // forward: the lowest start left; backward: the highest
    if (bForward ? s > nSize - m : false)
        return result;
    if (!bForward)
        s = std::min(s, nSize - m);
    for (;;) {
        result.nPosition = s;
        if (bStop && bStop()) {
            result.eEnd = kStorageSearchStopped;
            return result;
        }
        // The window: the starts it decides and the bytes around them.
        UINT64 nReadLo, nReadHi, nLo, nHi;
        if (bForward) {
            nReadLo = s >= c ? s - c : 0;
            nReadHi = std::min(nSize, nReadLo + w);
            nLo = s;
            nHi = nReadHi - m + 1 - (nReadHi < nSize ? c : 0);
        } else {
            nReadHi = std::min(nSize, s + m + c);
            nReadLo = nReadHi > w ? nReadHi - w : 0;
            nLo = nReadLo + (nReadLo > 0 ? c : 0);
            nHi = s + 1;
        }
        size_t n = (size_t)(nReadHi - nReadLo);
        if (!read(nReadLo, buffer.data(), n)) {
            result.eEnd = kStorageReadFailed;
            return result;
        }
        size_t nPos = 0;
        if (pattern.Find(buffer.data(), n, (size_t)(nLo - nReadLo), (size_t)(nHi - nReadLo), bForward, nPos)) {
            result.eEnd = kStorageFound;
            result.nFound = nReadLo + nPos;
            return result;
        }
        if (bForward) {
            if (nReadHi >= nSize)
                return result;
            s = nHi;
        } else {
            if (nLo == 0)
                return result;
            s = nLo - 1;
        }
    }
}

CString StorageNotFoundText(bool bHex, const char* pszFindText, bool bForward)
{
    CString str;
    str.Format(bHex ? "Hex data %s not found searching " : "String \"%s\" not found searching ",
               pszFindText ? pszFindText : "");
    str += bForward ? "forward from here." : "backward from here.";
    return str;
}

CString StorageReplacedText(int nCount)
{
    CString str;
    str.Format("%d occurrence(s) replaced", nCount);
    return str;
}

CString StoragePartialWriteText(size_t nWritten, size_t nAsked)
{
    CString str;
    str.Format("Error writing to Vornamic main storage!\n\n(%d of %d bytes updated)", (int)nWritten, (int)nAsked);
    return str;
}

const char kStorageReadErrorText[] = "Error reading Vornamic main storage!";

CString StorageSearchReadFailedText(UINT64 nAddress, UINT64 nStorageSize)
{
    CString str;
    str.Format("The search stopped at address %s: storage there cannot be read.",
               (const char*)FormatStorageAddress(nAddress, nStorageSize));
    return str;
}

const char kStorageUnreadableText[] = "Vornamic main storage cannot be read.";
