// CRegistrySettingsStore.h: the settings store in the registry, under
// HKEY_CURRENT_USER\Software\<company>\<application>\<section>, one value
// per key: integers as REG_DWORD, texts as REG_SZ. A section with
// backslashes ("Settings\FindRep") is a path of subkeys. Windows only.
#pragma once

#include "platform/CSettingsStore.h"

class CRegistrySettingsStore : public CSettingsStore {
public:
    CRegistrySettingsStore(const char* pszCompany, const char* pszAppName);

    bool GetInt(const char* pszSection, const char* pszKey, int& nValue) const override;
    bool GetString(const char* pszSection, const char* pszKey, CString& strValue) const override;
    bool WriteInt(const char* pszSection, const char* pszKey, int nValue) override;
    bool WriteString(const char* pszSection, const char* pszKey, const char* pszValue) override;
    bool DeleteEntry(const char* pszSection, const char* pszKey) override;
    // Removes the section's key with its values and subkeys.
    bool DeleteSection(const char* pszSection) override;

    // "Software\<company>\<application>", below HKEY_CURRENT_USER.
    const CString& GetAppKeyPath() const { return m_strAppKey; }

private:
    CString SectionPath(const char* pszSection) const;
    bool SetValue(const char* pszSection, const char* pszKey, DWORD dwType, const void* pData, DWORD cbData);

    CString m_strAppKey;
};
