// CRegistrySettingsStore.cpp: the settings store in the registry.
#include "platform/CRegistrySettingsStore.h"

#include <cstring>
#include <vector>

#include "platform/Trace.h"

namespace {

// An open registry key, closed when it goes.
class CRegKey {
public:
    CRegKey() = default;
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;
    ~CRegKey()
    {
        if (m_hKey)
            ::RegCloseKey(m_hKey);
    }
    LONG Open(const char* pszPath, REGSAM sam)
    {
        return ::RegOpenKeyExA(HKEY_CURRENT_USER, pszPath, 0, sam, &m_hKey);
    }
    LONG Create(const char* pszPath)
    {
        return ::RegCreateKeyExA(HKEY_CURRENT_USER, pszPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                                 nullptr, &m_hKey, nullptr);
    }
    HKEY Get() const { return m_hKey; }

private:
    HKEY m_hKey = nullptr;
};

bool IsValidName(const char* psz) { return psz && *psz; }

}  // namespace

CRegistrySettingsStore::CRegistrySettingsStore(const char* pszCompany, const char* pszAppName)
{
    m_strAppKey.Format("Software\\%s\\%s", pszCompany ? pszCompany : "", pszAppName ? pszAppName : "");
}

CString CRegistrySettingsStore::SectionPath(const char* pszSection) const
{
    return m_strAppKey + "\\" + pszSection;
}

bool CRegistrySettingsStore::GetInt(const char* pszSection, const char* pszKey, int& nValue) const
{
    CRegKey key;
    if (!IsValidName(pszSection) || !pszKey || key.Open(SectionPath(pszSection), KEY_READ) != ERROR_SUCCESS)
        return false;
    DWORD dwType = 0, dwValue = 0, cb = sizeof dwValue;
    if (::RegQueryValueExA(key.Get(), pszKey, nullptr, &dwType, (BYTE*)&dwValue, &cb) != ERROR_SUCCESS ||
        dwType != REG_DWORD || cb != sizeof dwValue)
        return false;
    nValue = (int)dwValue;
    return true;
}

bool CRegistrySettingsStore::GetString(const char* pszSection, const char* pszKey, CString& strValue) const
{
    CRegKey key;
    if (!IsValidName(pszSection) || !pszKey || key.Open(SectionPath(pszSection), KEY_READ) != ERROR_SUCCESS)
        return false;
    DWORD dwType = 0, cb = 0;
    if (::RegQueryValueExA(key.Get(), pszKey, nullptr, &dwType, nullptr, &cb) != ERROR_SUCCESS ||
        (dwType != REG_SZ && dwType != REG_EXPAND_SZ))
        return false;
    // The stored text need not end in a NUL; one more byte keeps it terminated.
    std::vector<char> buf(cb + 1, '\0');
    if (::RegQueryValueExA(key.Get(), pszKey, nullptr, &dwType, (BYTE*)buf.data(), &cb) != ERROR_SUCCESS)
        return false;
    strValue = CString(buf.data());
    return true;
}

bool CRegistrySettingsStore::SetValue(const char* pszSection, const char* pszKey, DWORD dwType, const void* pData,
                                      DWORD cbData)
{
    if (!IsValidName(pszSection) || !pszKey)
        return false;
    CRegKey key;
    LONG rc = key.Create(SectionPath(pszSection));
    if (rc != ERROR_SUCCESS) {
        TraceFailedCall(__PRETTY_FUNCTION__, "RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath(pszSection), ...)",
                        (DWORD)rc);
        return false;
    }
    rc = ::RegSetValueExA(key.Get(), pszKey, 0, dwType, (const BYTE*)pData, cbData);
    if (rc != ERROR_SUCCESS) {
        TraceFailedCall(__PRETTY_FUNCTION__, "RegSetValueExA(key, pszKey, ...)", (DWORD)rc);
        return false;
    }
    return true;
}

bool CRegistrySettingsStore::WriteInt(const char* pszSection, const char* pszKey, int nValue)
{
    DWORD dw = (DWORD)nValue;
    return SetValue(pszSection, pszKey, REG_DWORD, &dw, sizeof dw);
}

bool CRegistrySettingsStore::WriteString(const char* pszSection, const char* pszKey, const char* pszValue)
{
    if (!pszValue)
        return DeleteEntry(pszSection, pszKey);
    return SetValue(pszSection, pszKey, REG_SZ, pszValue, (DWORD)std::strlen(pszValue) + 1);
}

bool CRegistrySettingsStore::DeleteEntry(const char* pszSection, const char* pszKey)
{
    if (!IsValidName(pszSection) || !pszKey)
        return false;
    CRegKey key;
    if (key.Open(SectionPath(pszSection), KEY_WRITE) != ERROR_SUCCESS)
        return true;  // no section, so no entry
    LONG rc = ::RegDeleteValueA(key.Get(), pszKey);
    if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND) {
        TraceFailedCall(__PRETTY_FUNCTION__, "RegDeleteValueA(key, pszKey)", (DWORD)rc);
        return false;
    }
    return true;
}

bool CRegistrySettingsStore::DeleteSection(const char* pszSection)
{
    if (!IsValidName(pszSection))
        return false;
    LONG rc = ::RegDeleteTreeA(HKEY_CURRENT_USER, SectionPath(pszSection));
    if (rc == ERROR_SUCCESS)
        rc = ::RegDeleteKeyA(HKEY_CURRENT_USER, SectionPath(pszSection));
    if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND) {
        TraceFailedCall(__PRETTY_FUNCTION__, "RegDeleteTreeA(HKEY_CURRENT_USER, SectionPath(pszSection))", (DWORD)rc);
        return false;
    }
    return true;
}
