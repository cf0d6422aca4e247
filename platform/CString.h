// CString.h: the program's one string class (char based, system code page).
// A thin value type over std::string with the members the application code
// calls: printf-style Format, case and no-case comparison, search, slice,
// trim, case, replace and tokenize. Positions are zero-based ints; a count or
// position out of range is clamped, never an overrun.
#pragma once

#include <cstdarg>
#include <string>

#include "platform/Types.h"

class CString {
public:
    CString() = default;
    CString(const char* psz) : m_s(psz ? psz : "") {}
    CString(const char* pch, int nLength) : m_s(pch ? pch : "", pch && nLength > 0 ? (size_t)nLength : 0) {}
    CString(char ch, int nRepeat = 1) : m_s(nRepeat > 0 ? (size_t)nRepeat : 0, ch) {}
    CString(const std::string& s) : m_s(s) {}

    int GetLength() const { return (int)m_s.size(); }
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    char GetAt(int i) const;
    void SetAt(int i, char ch);
    char operator[](int i) const { return GetAt(i); }
    const char* GetString() const { return m_s.c_str(); }
    operator const char*() const { return m_s.c_str(); }
    const std::string& str() const { return m_s; }

    CString& operator=(const char* psz) { m_s = psz ? psz : ""; return *this; }
    CString& operator=(char ch) { m_s.assign(1, ch); return *this; }
    CString& operator+=(const CString& s) { m_s += s.m_s; return *this; }
    CString& operator+=(const char* psz) { if (psz) m_s += psz; return *this; }
    CString& operator+=(char ch) { m_s += ch; return *this; }
    void Append(const char* pch, int n) { if (pch && n > 0) m_s.append(pch, (size_t)n); }

    // Ordinal and case-insensitive (ASCII) comparison: <0, 0, >0.
    int Compare(const char* psz) const;
    int CompareNoCase(const char* psz) const;
    int Collate(const char* psz) const { return Compare(psz); }
    int CollateNoCase(const char* psz) const { return CompareNoCase(psz); }

    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(const char* pszCharSet) const;
    CString SpanExcluding(const char* pszCharSet) const;

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // Replace returns the number of replacements; an empty old text replaces nothing.
    int Replace(char chOld, char chNew);
    int Replace(const char* pszOld, const char* pszNew);
    int Remove(char ch);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, const char* psz);
    int Delete(int nIndex, int nCount = 1);

    CString& Trim();
    CString& Trim(char ch);
    CString& Trim(const char* pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(char ch);
    CString& TrimLeft(const char* pszTargets);
    CString& TrimRight();
    CString& TrimRight(char ch);
    CString& TrimRight(const char* pszTargets);

    // Searches return -1 when there is no match.
    int Find(char ch, int nStart = 0) const;
    int Find(const char* pszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* pszCharSet) const;

    // printf semantics; "%I64d", "%I64u", "%I64x" and "%I64X" take 64-bit values.
    void Format(const char* pszFormat, ...);
    void FormatV(const char* pszFormat, va_list args);
    void AppendFormat(const char* pszFormat, ...);

    // Next token after nStart, skipping leading delimiters; at the end returns
    // an empty string and sets nStart to -1.
    CString Tokenize(const char* pszTokens, int& nStart) const;

    // Direct buffer access: GetBuffer gives at least nMinLength writable chars
    // (plus the terminator); ReleaseBuffer(-1) takes the length up to the first NUL.
    char* GetBuffer(int nMinLength = 0);
    char* GetBufferSetLength(int nLength);
    void ReleaseBuffer(int nNewLength = -1);

    // Loads a string table entry of the program's resources (Windows only).
    BOOL LoadString(UINT nID);
    // The ANSI form of nLength UTF-16 characters, or of the whole
    // NUL-terminated text when nLength is negative (Windows only).
    static CString FromWide(const wchar_t* pw, int nLength = -1);

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_s + b.m_s); }
    friend CString operator+(const CString& a, const char* b) { CString r(a); r += b; return r; }
    friend CString operator+(const char* a, const CString& b) { CString r(a); r += b; return r; }
    friend CString operator+(const CString& a, char b) { CString r(a); r += b; return r; }
    friend CString operator+(char a, const CString& b) { CString r(a); r += b; return r; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_s == b.m_s; }
    friend bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
    friend bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_s != b.m_s; }
    friend bool operator!=(const CString& a, const char* b) { return a.Compare(b) != 0; }
    friend bool operator!=(const char* a, const CString& b) { return b.Compare(a) != 0; }
    friend bool operator<(const CString& a, const CString& b) { return a.m_s < b.m_s; }
    friend bool operator>(const CString& a, const CString& b) { return a.m_s > b.m_s; }
    friend bool operator<=(const CString& a, const CString& b) { return a.m_s <= b.m_s; }
    friend bool operator>=(const CString& a, const CString& b) { return a.m_s >= b.m_s; }

private:
    std::string m_s;
};

// Rewrites the "I64" size prefix of a printf format into the standard "ll".
std::string TranslateFormatI64(const char* pszFormat);
