// ProfileStore.cpp: the process's settings store, the profile functions and
// stored lists.
#include "platform/ProfileStore.h"

#include <vector>

namespace {

std::unique_ptr<CSettingsStore> g_pStore;

CString CountKey(const char* pszKey)
{
    CString s;
    s.Format("%s_nCount", pszKey);
    return s;
}

CString ItemKey(const char* pszKey, int i)
{
    CString s;
    s.Format("%s_%04d", pszKey, i);
    return s;
}

int StoredCount(const char* pszSection, const char* pszKey)
{
    int n = (int)ProfileGetInt(pszSection, CountKey(pszKey), 0);
    return n < 0 ? 0 : (n > kMaxProfileListItems ? kMaxProfileListItems : n);
}

std::vector<CString> ReadList(const char* pszSection, const char* pszKey)
{
    std::vector<CString> items;
    if (!g_pStore || !pszKey)
        return items;
    int n = StoredCount(pszSection, pszKey);
    for (int i = 0; i < n; ++i) {
        CString value;
        if (!g_pStore->GetString(pszSection, ItemKey(pszKey, i), value))
            break;
        items.push_back(value);
    }
    return items;
}

BOOL WriteList(const char* pszSection, const char* pszKey, const std::vector<CString>& items)
{
    if (!g_pStore || !pszKey || items.size() > (size_t)kMaxProfileListItems)
        return FALSE;
    int nOld = StoredCount(pszSection, pszKey);
    int n = (int)items.size();
    g_pStore->BeginUpdate();
    bool ok = g_pStore->WriteInt(pszSection, CountKey(pszKey), n);
    for (int i = 0; ok && i < n; ++i)
        ok = g_pStore->WriteString(pszSection, ItemKey(pszKey, i), items[(size_t)i]);
    for (int i = n; ok && i < nOld; ++i)
        ok = g_pStore->DeleteEntry(pszSection, ItemKey(pszKey, i));
    bool committed = g_pStore->EndUpdate();
    return ok && committed;
}

}  // namespace

void SetSettingsStore(std::unique_ptr<CSettingsStore> pStore)
{
    g_pStore = std::move(pStore);
}

CSettingsStore* GetSettingsStore()
{
    return g_pStore.get();
}

UINT ProfileGetInt(const char* pszSection, const char* pszEntry, int nDefault)
{
    int n = nDefault;
    if (g_pStore)
        g_pStore->GetInt(pszSection, pszEntry, n);
    return (UINT)n;
}

CString ProfileGetString(const char* pszSection, const char* pszEntry, const char* pszDefault)
{
    CString s(pszDefault);
    if (g_pStore)
        g_pStore->GetString(pszSection, pszEntry, s);
    return s;
}

BOOL ProfileWriteInt(const char* pszSection, const char* pszEntry, int nValue)
{
    return g_pStore && g_pStore->WriteInt(pszSection, pszEntry, nValue);
}

BOOL ProfileWriteString(const char* pszSection, const char* pszEntry, const char* pszValue)
{
    if (!g_pStore)
        return FALSE;
    if (!pszEntry)
        return g_pStore->DeleteSection(pszSection);
    if (!pszValue)
        return g_pStore->DeleteEntry(pszSection, pszEntry);
    return g_pStore->WriteString(pszSection, pszEntry, pszValue);
}

int WLGetProfileMultiString(const char* pszSection, const char* pszKey, CStringArray& list)
{
    list.RemoveAll();
    for (const CString& s : ReadList(pszSection, pszKey))
        list.Add(s);
    return (int)list.GetSize();
}

int WLGetProfileMultiString(const char* pszSection, const char* pszKey, CStringList& list)
{
    list.RemoveAll();
    for (const CString& s : ReadList(pszSection, pszKey))
        list.AddTail(s);
    return (int)list.GetCount();
}

BOOL WLWriteProfileMultiString(const char* pszSection, const char* pszKey, const CStringArray& list)
{
    return WriteList(pszSection, pszKey, std::vector<CString>(list.begin(), list.end()));
}

BOOL WLWriteProfileMultiString(const char* pszSection, const char* pszKey, const CStringList& list)
{
    std::vector<CString> items;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        items.push_back(list.GetNext(pos));
    return WriteList(pszSection, pszKey, items);
}
