// WindowStackingTest.cpp: the window stacking keeper works only where no
// window manager stacks Wine's windows: it follows Wine's "Managed" setting.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/WindowStacking.h"

namespace {

// Sets (or, with null, removes) Wine's "Managed" setting.
void SetManaged(const char* pszValue)
{
    HKEY hKey = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\X11 Driver", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hKey,
                      nullptr);
    if (pszValue)
        ::RegSetValueExA(hKey, "Managed", 0, REG_SZ, (const BYTE*)pszValue, lstrlenA(pszValue) + 1);
    else
        ::RegDeleteValueA(hKey, "Managed");
    ::RegCloseKey(hKey);
}

// On the default desktop (the tests' own, in a prefix of their own that
// leaves Wine's windows unmanaged), a window manager stacks the windows
// unless Wine is told to leave them unmanaged.
TEST(WindowStacking, KeepsOnlyWhereNoWindowManagerStacks)
{
    const struct {
        const char* pszManaged;  // null: no setting
        bool bKeeps;
    } cases[] = {{"N", true}, {"false", true}, {"0", true}, {"Y", false}, {"true", false}, {nullptr, false}};
    for (const auto& c : cases) {
        SetManaged(c.pszManaged);
        EXPECT_EQ(CWindowStackingKeeper::DisplayNeedsKeeping(), c.bKeeps) << (c.pszManaged ? c.pszManaged : "none");
    }
    SetManaged("N");
}

}  // namespace
