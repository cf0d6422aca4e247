// CWinAppProfile.cpp: the application's profile functions over the settings
// store: the registry when SetRegistryKey was called, else an .INI file.
#include "platform/CWinApp.h"

#include <memory>

#include "platform/CIniSettingsStore.h"
#include "platform/CRegistrySettingsStore.h"
#include "platform/ProfileStore.h"

namespace {

// The folder of the program, with a trailing backslash.
CString ProgramFolder()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    CString s(path);
    return s.Left(s.ReverseFind('\\') + 1);
}

}  // namespace

void CWinApp::SetRegistryKey(LPCSTR pszCompany)
{
    m_strRegistryKey = pszCompany;
    if (m_strProfileName.IsEmpty())
        m_strProfileName = m_strAppName.IsEmpty() ? m_strExeName : m_strAppName;
    SetSettingsStore(std::make_unique<CRegistrySettingsStore>(m_strRegistryKey, m_strProfileName));
}

void CWinApp::SetRegistryKey(UINT nIDCompany)
{
    CString company;
    company.LoadString(nIDCompany);
    SetRegistryKey(company);
}

void CWinApp::EnsureSettingsStore()
{
    if (GetSettingsStore())
        return;
    CString path = m_strProfileName;
    if (path.IsEmpty())
        path = (m_strExeName.IsEmpty() ? m_strAppName : m_strExeName) + ".ini";
    // A bare file name lies beside the program (not in the Windows folder).
    if (path.FindOneOf("\\/:") < 0)
        path = ProgramFolder() + path;
    m_strProfileName = path;
    SetSettingsStore(std::make_unique<CIniSettingsStore>(path));
}

UINT CWinApp::GetProfileInt(LPCSTR pszSection, LPCSTR pszEntry, int nDefault)
{
    EnsureSettingsStore();
    return ProfileGetInt(pszSection, pszEntry, nDefault);
}

CString CWinApp::GetProfileString(LPCSTR pszSection, LPCSTR pszEntry, LPCSTR pszDefault)
{
    EnsureSettingsStore();
    return ProfileGetString(pszSection, pszEntry, pszDefault);
}

BOOL CWinApp::WriteProfileInt(LPCSTR pszSection, LPCSTR pszEntry, int nValue)
{
    EnsureSettingsStore();
    return ProfileWriteInt(pszSection, pszEntry, nValue);
}

BOOL CWinApp::WriteProfileString(LPCSTR pszSection, LPCSTR pszEntry, LPCSTR pszValue)
{
    EnsureSettingsStore();
    return ProfileWriteString(pszSection, pszEntry, pszValue);
}
