// ErrorBalloon.cpp: the field-error balloon, a CXBalloonMsg on the control.
#include "platform/ErrorBalloon.h"

#include "platform/CWnd.h"
#include "platform/CXBalloonMsg.h"

bool ErrorBalloon(HWND hDlg, UINT nID, LPCSTR pszTitle, LPCSTR pszText, int nIcon)
{
    HWND hCtrl = ::GetDlgItem(hDlg, (int)nID);
    if (!hCtrl)
        return false;
    // Closes on the next click or key, when the user goes on editing.
    CXBalloonMsg::Show(hDlg, hCtrl, pszText, pszTitle, nullptr, POINT{-1, -1}, nIcon, 0, 0, TRUE, TRUE, FALSE);
    return false;
}

bool BalloonAt(HWND hWnd, POINT ptScreen, LPCSTR pszTitle, LPCSTR pszText, int nIcon)
{
    return hWnd && CXBalloonMsg::Show(hWnd, nullptr, pszText, pszTitle, nullptr, ptScreen, nIcon, 0, 0, TRUE, TRUE,
                                      FALSE);
}

bool ErrorBalloon(CWnd* pDlg, UINT nID, LPCSTR pszTitle, LPCSTR pszText, int nIcon)
{
    return ErrorBalloon(HwndOf(pDlg), nID, pszTitle, pszText, nIcon);
}

HWND ErrorBalloonWindow(CString* pTitle, CString* pText)
{
    return CXBalloonMsg::GetShowing(pTitle, pText);
}

void ErrorBalloonHide()
{
    CXBalloonMsg::Hide();
}

CString GetControlLabel(HWND hCtrl)
{
    CString label;
    HWND hPrev = ::GetWindow(hCtrl, GW_HWNDPREV);
    char cls[16] = {};
    if (hPrev)
        ::GetClassNameA(hPrev, cls, sizeof(cls));
    CWnd::FromHandle(lstrcmpiA(cls, "Static") == 0 ? hPrev : hCtrl)->GetWindowText(label);
    label.Remove('&');
    label.Trim();
    label.TrimRight(':');
    return label;
}
