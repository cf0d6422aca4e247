// PrefsFrameDriver.h: the preferences dialog opened in the real main frame
// by a command, as the user opens it, and worked from inside its modal loop.
#pragma once

#include <functional>

#include "preferences/PreferencesDlg.h"
#include "session/VornGUIView.h"
#include "tests/platform/ModalDriver.h"

namespace vorntest {

// Sends the command nCmd to hTarget; step acts once the preferences dialog
// has opened and must close it. False when no dialog opened.
inline bool WithPreferences(HWND hTarget, UINT nCmd, const std::function<void(HWND, CPreferencesDlg&)>& step)
{
    bool bDone = false;
    DialogDriver driver([&](HWND h) {
        CPreferencesDlg* pDlg = g_pView->GetPreferencesDlg();
        if (bDone || !pDlg || pDlg->m_hWnd != h)
            return !bDone;
        bDone = true;
        step(h, *pDlg);
        return false;
    });
    ::SendMessageA(hTarget, WM_COMMAND, nCmd, 0);
    return bDone;
}

}  // namespace vorntest
