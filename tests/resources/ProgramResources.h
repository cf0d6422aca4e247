// ProgramResources.h: VornGUI.exe beside the test program, loaded as a data
// file, so that tests read the resources the program itself carries.
#pragma once

#include <windows.h>

#include <string>

namespace vorntest {

class ProgramResources {
public:
    ProgramResources()
    {
        char sz[MAX_PATH] = "";
        ::GetModuleFileNameA(nullptr, sz, MAX_PATH);
        std::string strPath = sz;
        strPath = strPath.substr(0, strPath.rfind('\\') + 1) + "VornGUI.exe";
        m_hModule = ::LoadLibraryExA(strPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    ~ProgramResources()
    {
        if (m_hModule)
            ::FreeLibrary(m_hModule);
    }
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;

    HMODULE Module() const { return m_hModule; }
    // The string-table entry nId ("" when there is none).
    std::string String(UINT nId) const
    {
        char sz[1024] = "";
        return ::LoadStringA(m_hModule, nId, sz, sizeof sz) > 0 ? sz : "";
    }

private:
    HMODULE m_hModule = nullptr;
};

}  // namespace vorntest
