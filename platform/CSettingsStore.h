// CSettingsStore.h: where the application's settings live, addressed by
// section and key. Two stores implement it: an .INI file
// (CIniSettingsStore) and, on Windows, the registry under
// HKEY_CURRENT_USER\Software\<company>\<application>\<section>
// (CRegistrySettingsStore). The application picks one at start-up and hands
// it to SetSettingsStore (ProfileStore.h). Sections may hold backslashes
// ("Settings\FindRep"); section and key names compare without regard to case.
#pragma once

#include "platform/CString.h"

class CSettingsStore {
public:
    virtual ~CSettingsStore() = default;

    // False when the entry is absent or does not hold a value of that type;
    // nValue/strValue are then left unchanged.
    virtual bool GetInt(const char* pszSection, const char* pszKey, int& nValue) const = 0;
    virtual bool GetString(const char* pszSection, const char* pszKey, CString& strValue) const = 0;

    // False when the store refused the write (the failure is traced).
    virtual bool WriteInt(const char* pszSection, const char* pszKey, int nValue) = 0;
    virtual bool WriteString(const char* pszSection, const char* pszKey, const char* pszValue) = 0;

    // Removing what is not there succeeds.
    virtual bool DeleteEntry(const char* pszSection, const char* pszKey) = 0;
    virtual bool DeleteSection(const char* pszSection) = 0;

    // Brackets a batch of writes (a stored list) that a store may commit at
    // once; EndUpdate returns false when that commit failed.
    virtual void BeginUpdate() {}
    virtual bool EndUpdate() { return true; }
};
