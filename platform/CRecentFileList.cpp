// CRecentFileList.cpp: the recent-file list and its stored form.
#include "platform/CRecentFileList.h"

#include "platform/ProfileStore.h"

namespace {

CString EntryName(int nIndex)
{
    CString s;
    s.Format("File%d", nIndex + 1);
    return s;
}

}  // namespace

CRecentFileList::CRecentFileList(const char* pszSection, int nSize)
    : m_strSection(pszSection), m_nSize(nSize < 1 ? 1 : nSize)
{
}

void CRecentFileList::Add(const char* pszPath)
{
    CString path(pszPath ? pszPath : "");
    if (path.IsEmpty())
        return;
    for (size_t i = 0; i < m_paths.size(); i++) {
        if (m_paths[i].CompareNoCase(path) == 0) {
            m_paths.erase(m_paths.begin() + (long)i);
            break;
        }
    }
    m_paths.insert(m_paths.begin(), path);
    if ((int)m_paths.size() > m_nSize)
        m_paths.resize((size_t)m_nSize);
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex >= 0 && nIndex < GetCount())
        m_paths.erase(m_paths.begin() + nIndex);
}

void CRecentFileList::ReadList()
{
    m_paths.clear();
    for (int i = 0; i < m_nSize; i++) {
        CString path = ProfileGetString(m_strSection, EntryName(i), "");
        if (!path.IsEmpty())
            m_paths.push_back(path);
    }
}

void CRecentFileList::WriteList() const
{
    for (int i = 0; i < m_nSize; i++) {
        if (i < GetCount())
            ProfileWriteString(m_strSection, EntryName(i), m_paths[i]);
        else
            ProfileWriteString(m_strSection, EntryName(i), nullptr);
    }
}
