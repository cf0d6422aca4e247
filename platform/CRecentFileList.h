// CRecentFileList.h: the application's list of recently used files, newest
// first, kept in the settings store as "<section>" "File1" .. "File<n>".
// Paths are compared without case, as Windows compares file names.
#pragma once

#include <vector>

#include "platform/CString.h"

class CRecentFileList {
public:
    CRecentFileList(const char* pszSection, int nSize);

    int GetSize() const { return m_nSize; }
    int GetCount() const { return (int)m_paths.size(); }
    const CString& operator[](int nIndex) const { return m_paths[nIndex]; }

    // Puts the path first; an equal path already listed moves up, and the
    // oldest entry falls off a full list. An empty path is ignored.
    void Add(const char* pszPath);
    // Drops entry nIndex (nothing for an index outside the list).
    void Remove(int nIndex);
    // Reads the entries from the settings store (an empty entry is skipped).
    void ReadList();
    // Writes every entry and removes the stored ones beyond the list.
    void WriteList() const;

private:
    CString m_strSection;
    int m_nSize;
    std::vector<CString> m_paths;
};
