// WindowStackingTest.cpp: the window stacking keeper works only where no
// window manager stacks Wine's windows: it follows Wine's "Managed" setting.
#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

#include "platform/WindowStacking.h"

namespace {

const char kX11Key[] = "Software\\Wine\\X11 Driver";

// The setting as the test found it, put back at the end.
struct ManagedSetting {
    ManagedSetting()
    {
        HKEY hKey = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, kX11Key, 0, KEY_READ, &hKey) == ERROR_SUCCESS) {
            DWORD cb = sizeof szSaved - 1;
            bSaved = ::RegQueryValueExA(hKey, "Managed", nullptr, nullptr, (BYTE*)szSaved, &cb) == ERROR_SUCCESS;
            ::RegCloseKey(hKey);
        }
    }
    ~ManagedSetting() { Set(bSaved ? szSaved : nullptr); }
    static void Set(const char* pszValue)
    {
        HKEY hKey = nullptr;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, kX11Key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hKey, nullptr);
        if (pszValue)
            ::RegSetValueExA(hKey, "Managed", 0, REG_SZ, (const BYTE*)pszValue, lstrlenA(pszValue) + 1);
        else
            ::RegDeleteValueA(hKey, "Managed");
        ::RegCloseKey(hKey);
    }
    char szSaved[64] = {};
    bool bSaved = false;
};

// Under Wine on the default desktop, a window manager stacks the windows
// unless Wine is told to leave them unmanaged; a keeper made on a thread
// then keeps it, and only then.
TEST(WindowStacking, KeepsOnlyWhereNoWindowManagerStacks)
{
    char szDesktop[64] = {};
    ::GetUserObjectInformationA(::GetThreadDesktop(::GetCurrentThreadId()), UOI_NAME, szDesktop, sizeof szDesktop - 1,
                                nullptr);
    ASSERT_STREQ(szDesktop, "Default") << "the tests run on the default desktop";
    struct Case {
        const char* pszManaged;  // null: no setting
        bool bKeeps;
    };
    const Case cases[] = {
        {"N", true}, {"n", true}, {"false", true}, {"0", true},
        {"Y", false}, {"true", false}, {"1", false}, {nullptr, false},
    };
    ManagedSetting saved;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszManaged ? c.pszManaged : "(none)");
        ManagedSetting::Set(c.pszManaged);
        EXPECT_EQ(CWindowStackingKeeper::DisplayNeedsKeeping(), c.bKeeps);
        bool bKeeping = !c.bKeeps;
        std::thread([&] {
            CWindowStackingKeeper keeper;
            bKeeping = keeper.IsKeeping();
        }).join();
        EXPECT_EQ(bKeeping, c.bKeeps);
    }
}

}  // namespace
