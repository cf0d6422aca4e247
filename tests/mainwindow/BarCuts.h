// BarCuts.h: what of a docked bar's dialog the user sees cut by the bar's
// layout, for the tests of the main frame's bars.
#pragma once

#include <windows.h>

#include <string>

#include "framework/cdxCDynamicBar.h"
#include "platform/CDockBar.h"
#include "tests/support/WinTestUtil.h"

// The controls of the bar's dialog that the user sees only in part of their
// height (cut by the bar's client area or by its dock bar), or with bHidden
// not at all.
inline std::string CutControls(cdxCDynamicBar* pBar, bool bHidden = false)
{
    RECT rcShown, rcDock;
    pBar->m_pDlg->GetClientRect(&rcShown);
    ::MapWindowPoints(pBar->m_pDlg->m_hWnd, nullptr, (POINT*)&rcShown, 2);
    pBar->m_pDockBar->GetWindowRect(&rcDock);
    ::IntersectRect(&rcShown, &rcShown, &rcDock);
    std::string str;
    for (HWND h = ::GetWindow(pBar->m_pDlg->m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        RECT rc, rcIn;
        if (!(::GetWindowLongA(h, GWL_STYLE) & WS_VISIBLE))
            continue;
        ::GetWindowRect(h, &rc);
        bool bSeen = ::IntersectRect(&rcIn, &rc, &rcShown) != FALSE;
        if (bHidden ? !bSeen : bSeen && (rcIn.top != rc.top || rcIn.bottom != rc.bottom))
            str += " control " + std::to_string(::GetDlgCtrlID(h)) + " " + vorntest::RectText(rc) + " in " +
                   vorntest::RectText(rcShown);
    }
    return str;
}

