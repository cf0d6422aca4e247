// PrefsDialogAnswers.h: what a user does on the preferences' pages, for the
// pages' tests and the main window's: a check box clicked, and the colour
// and font dialogs that a page's buttons open, answered.
#pragma once

#include <windows.h>
#include <dlgs.h>

#include <string>
#include <vector>

#include "preferences/PreferencesDlg.h"
#include "tests/platform/ModalDriver.h"

namespace vorntest {

inline void PressButton(HWND hDlg, int nId)
{
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, nId));
}

// A click on a check box: the box toggles, then tells its page.
inline void ToggleBox(CWnd& page, int nId)
{
    bool bChecked = ::IsDlgButtonChecked(page.m_hWnd, nId) == BST_CHECKED;
    ::CheckDlgButton(page.m_hWnd, nId, bChecked ? BST_UNCHECKED : BST_CHECKED);
    PressButton(page.m_hWnd, nId);
}

inline std::string WindowText(HWND h)
{
    char sz[512] = "";
    ::GetWindowTextA(h, sz, sizeof sz);
    return sz;
}

// Answers the colour and font dialogs of this thread, once each: its title
// is recorded; a colour dialog's red, green and blue fields take the colour
// to give before OK (Cancel when there is none to give); a font dialog's
// face and size as it opened are recorded ("face|size"), then it picks the
// face and size given before OK.
struct DialogAnswers {
    // The colour dialog's red field; green and blue follow it.
    static const int kColorRed = 706;

    std::vector<std::string> colorTitles, fontTitles, fontsOpenedOn;
    bool bGive = true;
    COLORREF cr = RGB(1, 2, 3);
    std::string strFace = "Tahoma";
    int nSize = 12;
    CPreferencesDlg* pDlg = nullptr;
    HWND hLast = nullptr;
    DialogDriver driver{[this](HWND h) { return Step(h); }};

    explicit DialogAnswers(CPreferencesDlg& dlg) : pDlg(&dlg) {}

    bool Step(HWND h)
    {
        if (h == pDlg->m_hWnd || h == hLast)
            return true;
        hLast = h;
        if (::GetDlgItem(h, cmb1)) {
            fontTitles.push_back(WindowText(h));
            AnswerFont(h);
            return true;
        }
        colorTitles.push_back(WindowText(h));
        if (bGive) {
            ::SetDlgItemInt(h, kColorRed, GetRValue(cr), FALSE);
            ::SetDlgItemInt(h, kColorRed + 1, GetGValue(cr), FALSE);
            ::SetDlgItemInt(h, kColorRed + 2, GetBValue(cr), FALSE);
        }
        ::PostMessageA(h, WM_COMMAND, bGive ? IDOK : IDCANCEL, 0);
        return true;
    }

    void AnswerFont(HWND h)
    {
        fontsOpenedOn.push_back(WindowText(::GetDlgItem(h, cmb1)) + "|" + WindowText(::GetDlgItem(h, cmb3)));
        HWND hFace = ::GetDlgItem(h, cmb1);
        if (::SendMessageA(hFace, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)strFace.c_str()) != CB_ERR)
            ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), (LPARAM)hFace);
        HWND hSize = ::GetDlgItem(h, cmb3);
        std::string strSize = std::to_string(nSize);
        if (::SendMessageA(hSize, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)strSize.c_str()) == CB_ERR)
            ::SetWindowTextA(hSize, strSize.c_str());
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(cmb3, CBN_SELCHANGE), (LPARAM)hSize);
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
    }
};

// Clicks box (part, column) of the status-bar page's grid as the user would.
inline void ClickGridBox(CWnd& page, int nPart, int nColumn)
{
    ToggleBox(page, IDC_PREF_GRID_FIRST + 5 * nPart + nColumn);
}

}  // namespace vorntest
