// cdxCDynamicWndEx.h: the layout engine with window-position memory: a
// resizable window reopens where and as large as it was closed (section
// "WindowPositions\<name>" of the settings store), or centred when nothing
// valid is stored. Rectangles are stored and restored through the window
// placement, in its workspace coordinates both ways, and a position that is
// no longer on any monitor is brought back into the nearest work area.
#pragma once

#include "framework/WindowPositionRecord.h"
#include "framework/cdxCDynamicWnd.h"
#include "platform/CString.h"

class cdxCDynamicWndEx : public cdxCDynamicWnd {
public:
    enum : DWORD { optState = 1, optVisibility = 2 };

    explicit cdxCDynamicWndEx(UINT nFlags) : cdxCDynamicWnd(3, nFlags) {}

    void OnWindowInitialized() override;
    void OnWindowClosing() override;

    bool StoreWindowPosition(const char* pszSection = nullptr);
    bool RestoreWindowPosition(const char* pszSection = nullptr);
    CString GetPositionSection(const char* pszSection = nullptr) const;
    void SetIdName(UINT nId) { m_strPositionName = FormatPositionName(nId); }

    DWORD m_nOptions = optState;
    CString m_strPositionName;
};
