// ShutdownBlockReason.h: CShutdownBlockReason, the reason a window gives
// Windows for holding the end of the session while it asks its user, shown
// on the screen where Windows lists the programs that keep it from ending.
// Windows before Vista has none: nothing is given there.
#pragma once

#include <windows.h>

class CShutdownBlockReason {
public:
    CShutdownBlockReason(HWND hWnd, LPCWSTR pszReason);
    ~CShutdownBlockReason();
    CShutdownBlockReason(const CShutdownBlockReason&) = delete;
    CShutdownBlockReason& operator=(const CShutdownBlockReason&) = delete;

private:
    HWND m_hWnd = nullptr;  // not owned; null when no reason was given
};
