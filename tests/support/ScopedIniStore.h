// ScopedIniStore.h: a fresh .INI settings store in a named file for as long
// as the object lives. The file is removed before the store is installed and
// again after it is taken down, so no test sees what another one left.
#pragma once

#include <cstdio>
#include <memory>

#include "platform/CIniSettingsStore.h"
#include "platform/ProfileStore.h"

namespace vorntest {

class ScopedIniStore {
public:
    explicit ScopedIniStore(const char* pszIni) : m_pszIni(pszIni)
    {
        std::remove(m_pszIni);
        SetSettingsStore(std::make_unique<CIniSettingsStore>(m_pszIni));
    }
    ~ScopedIniStore()
    {
        SetSettingsStore(nullptr);
        std::remove(m_pszIni);
    }
    ScopedIniStore(const ScopedIniStore&) = delete;
    ScopedIniStore& operator=(const ScopedIniStore&) = delete;

private:
    const char* m_pszIni;
};

}  // namespace vorntest
