// CString.cpp: the window-free members of CString.
#include "platform/CString.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

const char kBlankChars[] = " \t\r\n\v\f";

int ClampIndex(int i, int n) { return i < 0 ? 0 : (i > n ? n : i); }

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c; }
char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? (char)(c - 'a' + 'A') : c; }

bool InSet(char c, const char* set) { return set && c != '\0' && std::strchr(set, c) != nullptr; }

}  // namespace

char CString::GetAt(int i) const
{
    return (i >= 0 && i < GetLength()) ? m_s[(size_t)i] : '\0';
}

void CString::SetAt(int i, char ch)
{
    if (i >= 0 && i < GetLength())
        m_s[(size_t)i] = ch;
}

int CString::Compare(const char* psz) const
{
    int r = std::strcmp(m_s.c_str(), psz ? psz : "");
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(const char* psz) const
{
    const unsigned char* a = (const unsigned char*)m_s.c_str();
    const unsigned char* b = (const unsigned char*)(psz ? psz : "");
    for (;; ++a, ++b) {
        unsigned char ca = (unsigned char)AsciiLower((char)*a), cb = (unsigned char)AsciiLower((char)*b);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    int n = GetLength();
    int first = ClampIndex(nFirst, n);
    int count = std::max(0, std::min(nCount, n - first));
    return CString(m_s.substr((size_t)first, (size_t)count));
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    int n = GetLength();
    int count = ClampIndex(nCount, n);
    return CString(m_s.substr((size_t)(n - count)));
}

CString CString::SpanIncluding(const char* pszCharSet) const
{
    int i = 0;
    while (i < GetLength() && InSet(m_s[(size_t)i], pszCharSet))
        ++i;
    return Left(i);
}

CString CString::SpanExcluding(const char* pszCharSet) const
{
    int i = 0;
    while (i < GetLength() && !InSet(m_s[(size_t)i], pszCharSet))
        ++i;
    return Left(i);
}

CString& CString::MakeUpper()
{
    for (char& c : m_s)
        c = AsciiUpper(c);
    return *this;
}

CString& CString::MakeLower()
{
    for (char& c : m_s)
        c = AsciiLower(c);
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_s.begin(), m_s.end());
    return *this;
}

int CString::Replace(char chOld, char chNew)
{
    int n = 0;
    for (char& c : m_s)
        if (c == chOld) {
            c = chNew;
            ++n;
        }
    return n;
}

int CString::Replace(const char* pszOld, const char* pszNew)
{
    if (!pszOld || !*pszOld)
        return 0;
    const std::string from(pszOld), to(pszNew ? pszNew : "");
    std::string out;
    int n = 0;
    size_t pos = 0;
    for (size_t hit; (hit = m_s.find(from, pos)) != std::string::npos; pos = hit + from.size()) {
        out.append(m_s, pos, hit - pos);
        out += to;
        ++n;
    }
    if (n) {
        out.append(m_s, pos, std::string::npos);
        m_s.swap(out);
    }
    return n;
}

int CString::Remove(char ch)
{
    size_t before = m_s.size();
    m_s.erase(std::remove(m_s.begin(), m_s.end(), ch), m_s.end());
    return (int)(before - m_s.size());
}

int CString::Insert(int nIndex, char ch)
{
    m_s.insert((size_t)ClampIndex(nIndex, GetLength()), 1, ch);
    return GetLength();
}

int CString::Insert(int nIndex, const char* psz)
{
    if (psz)
        m_s.insert((size_t)ClampIndex(nIndex, GetLength()), psz);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    int n = GetLength();
    if (nIndex >= 0 && nIndex < n && nCount > 0)
        m_s.erase((size_t)nIndex, (size_t)std::min(nCount, n - nIndex));
    return GetLength();
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(char ch) { return TrimRight(ch).TrimLeft(ch); }
CString& CString::Trim(const char* pszTargets) { return TrimRight(pszTargets).TrimLeft(pszTargets); }
CString& CString::TrimLeft() { return TrimLeft(kBlankChars); }
CString& CString::TrimRight() { return TrimRight(kBlankChars); }

CString& CString::TrimLeft(char ch)
{
    char set[2] = {ch, '\0'};
    return TrimLeft(set);
}

CString& CString::TrimRight(char ch)
{
    char set[2] = {ch, '\0'};
    return TrimRight(set);
}

CString& CString::TrimLeft(const char* pszTargets)
{
    size_t i = 0;
    while (i < m_s.size() && InSet(m_s[i], pszTargets))
        ++i;
    m_s.erase(0, i);
    return *this;
}

CString& CString::TrimRight(const char* pszTargets)
{
    size_t n = m_s.size();
    while (n > 0 && InSet(m_s[n - 1], pszTargets))
        --n;
    m_s.resize(n);
    return *this;
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    size_t r = m_s.find(ch, (size_t)nStart);
    return r == std::string::npos ? -1 : (int)r;
}

int CString::Find(const char* pszSub, int nStart) const
{
    if (!pszSub || nStart < 0 || nStart > GetLength())
        return -1;
    size_t r = m_s.find(pszSub, (size_t)nStart);
    return r == std::string::npos ? -1 : (int)r;
}

int CString::ReverseFind(char ch) const
{
    size_t r = m_s.rfind(ch);
    return r == std::string::npos ? -1 : (int)r;
}

int CString::FindOneOf(const char* pszCharSet) const
{
    if (!pszCharSet || !*pszCharSet)
        return -1;
    size_t r = m_s.find_first_of(pszCharSet);
    return r == std::string::npos ? -1 : (int)r;
}

std::string TranslateFormatI64(const char* pszFormat)
{
    std::string out;
    if (!pszFormat)
        return out;
    for (const char* p = pszFormat; *p; ++p) {
        out += *p;
        if (*p != '%')
            continue;
        if (p[1] == '%') {
            out += *++p;
            continue;
        }
        // Flags, width and precision, then the size prefix.
        while (p[1] && std::strchr("-+ #0123456789.*", p[1]))
            out += *++p;
        if (p[1] == 'I' && p[2] == '6' && p[3] == '4') {
            out += "ll";
            p += 3;
        }
    }
    return out;
}

void CString::FormatV(const char* pszFormat, va_list args)
{
    const std::string fmt = TranslateFormatI64(pszFormat);
    va_list probe;
    va_copy(probe, args);
    int n = std::vsnprintf(nullptr, 0, fmt.c_str(), probe);
    va_end(probe);
    if (n < 0) {
        m_s.clear();
        return;
    }
    std::string buf((size_t)n + 1, '\0');
    std::vsnprintf(&buf[0], buf.size(), fmt.c_str(), args);
    buf.resize((size_t)n);
    m_s.swap(buf);
}

void CString::Format(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::AppendFormat(const char* pszFormat, ...)
{
    CString tail;
    va_list args;
    va_start(args, pszFormat);
    tail.FormatV(pszFormat, args);
    va_end(args);
    m_s += tail.m_s;
}

CString CString::Tokenize(const char* pszTokens, int& nStart) const
{
    int n = GetLength();
    if (nStart < 0 || nStart >= n) {
        nStart = -1;
        return CString();
    }
    int i = nStart;
    while (i < n && InSet(m_s[(size_t)i], pszTokens))
        ++i;
    if (i >= n) {
        nStart = -1;
        return CString();
    }
    int j = i;
    while (j < n && !InSet(m_s[(size_t)j], pszTokens))
        ++j;
    nStart = j + 1;
    return Mid(i, j - i);
}

char* CString::GetBuffer(int nMinLength)
{
    if (nMinLength > GetLength())
        m_s.resize((size_t)nMinLength);
    return &m_s[0];
}

char* CString::GetBufferSetLength(int nLength)
{
    m_s.resize((size_t)std::max(0, nLength));
    return &m_s[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = (int)std::strlen(m_s.c_str());
    m_s.resize((size_t)std::min(nNewLength, GetLength()));
}
