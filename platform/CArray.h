// CArray.h: the framework's dynamic array, a thin adapter over std::vector,
// and the named arrays built on it (CStringArray, CWordArray, CDWordArray,
// CUIntArray, CByteArray, CPtrArray). ARG is the argument type of the members
// that take an element (T or const T&). Indexes are INT_PTR; an index out of
// range is a programming error: element access stops the program (abort)
// rather than touch foreign memory; the removal and insertion members clamp.
#pragma once

#include <cstdlib>
#include <vector>

#include "platform/CString.h"
#include "platform/Types.h"

template <class T, class ARG = const T&>
class CArray {
public:
    CArray() = default;

    INT_PTR GetSize() const { return (INT_PTR)m_v.size(); }
    INT_PTR GetCount() const { return (INT_PTR)m_v.size(); }
    INT_PTR GetUpperBound() const { return (INT_PTR)m_v.size() - 1; }
    bool IsEmpty() const { return m_v.empty(); }

    // nGrowBy is accepted for the callers' sake; std::vector decides growth.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1) { m_v.resize(nNewSize > 0 ? (size_t)nNewSize : 0); }
    void RemoveAll() { m_v.clear(); }
    void FreeExtra() { m_v.shrink_to_fit(); }

    const T& GetAt(INT_PTR i) const { return At(i); }
    T& GetAt(INT_PTR i) { return At(i); }
    void SetAt(INT_PTR i, ARG e) { At(i) = e; }
    T& ElementAt(INT_PTR i) { return At(i); }
    const T& ElementAt(INT_PTR i) const { return At(i); }
    T& operator[](INT_PTR i) { return At(i); }
    const T& operator[](INT_PTR i) const { return At(i); }
    T* GetData() { return m_v.data(); }
    const T* GetData() const { return m_v.data(); }

    // Sets element i, growing the array with default elements when needed.
    void SetAtGrow(INT_PTR i, ARG e);
    // Appends a copy and returns its index.
    INT_PTR Add(ARG e) { m_v.push_back(e); return (INT_PTR)m_v.size() - 1; }
    // Appends the other array; returns the index of its first element here.
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src) { if (this != &src) m_v = src.m_v; }
    // Inserts nCount copies before index i (clamped to 0..size).
    void InsertAt(INT_PTR i, ARG e, INT_PTR nCount = 1);
    // Removes nCount elements from index i; the part outside the array is ignored.
    void RemoveAt(INT_PTR i, INT_PTR nCount = 1);

    typename std::vector<T>::iterator begin() { return m_v.begin(); }
    typename std::vector<T>::iterator end() { return m_v.end(); }
    typename std::vector<T>::const_iterator begin() const { return m_v.begin(); }
    typename std::vector<T>::const_iterator end() const { return m_v.end(); }

private:
    T& At(INT_PTR i) { if (i < 0 || (size_t)i >= m_v.size()) std::abort(); return m_v[(size_t)i]; }
    const T& At(INT_PTR i) const { if (i < 0 || (size_t)i >= m_v.size()) std::abort(); return m_v[(size_t)i]; }

    std::vector<T> m_v;
};

template <class T, class ARG>
void CArray<T, ARG>::SetAtGrow(INT_PTR i, ARG e)
{
    if (i < 0)
        return;
    if ((size_t)i >= m_v.size())
        m_v.resize((size_t)i + 1);
    m_v[(size_t)i] = e;
}

template <class T, class ARG>
INT_PTR CArray<T, ARG>::Append(const CArray& src)
{
    INT_PTR first = GetSize();
    if (this == &src) {
        std::vector<T> copy(src.m_v);
        m_v.insert(m_v.end(), copy.begin(), copy.end());
    } else {
        m_v.insert(m_v.end(), src.m_v.begin(), src.m_v.end());
    }
    return first;
}

template <class T, class ARG>
void CArray<T, ARG>::InsertAt(INT_PTR i, ARG e, INT_PTR nCount)
{
    if (nCount <= 0)
        return;
    if (i < 0)
        i = 0;
    if ((size_t)i > m_v.size())
        i = (INT_PTR)m_v.size();
    T copy(e);  // e may refer into this array
    m_v.insert(m_v.begin() + i, (size_t)nCount, copy);
}

template <class T, class ARG>
void CArray<T, ARG>::RemoveAt(INT_PTR i, INT_PTR nCount)
{
    INT_PTR n = GetSize();
    if (i < 0 || i >= n || nCount <= 0)
        return;
    INT_PTR last = (nCount > n - i) ? n : i + nCount;
    m_v.erase(m_v.begin() + i, m_v.begin() + last);
}

// Named arrays: classes rather than typedefs so that they can be forward-declared.
class CStringArray : public CArray<CString, const CString&> {};
class CWordArray : public CArray<WORD, WORD> {};
class CDWordArray : public CArray<DWORD, DWORD> {};
class CUIntArray : public CArray<UINT, UINT> {};
class CByteArray : public CArray<BYTE, BYTE> {};
class CPtrArray : public CArray<void*, void*> {};
