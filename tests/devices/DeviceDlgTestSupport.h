// DeviceDlgTestSupport.h: what the device dialogs' tests share: a router
// that answers from sets and counts the questions, reading and setting
// controls, and OK pressed by message with the balloon it brought.
#pragma once

#include <windows.h>

#include <functional>
#include <set>
#include <string>

#include "devices/CDeviceDlg.h"
#include "platform/ErrorBalloon.h"
#include "tests/platform/ModalDriver.h"

namespace devtest {

class CSetRouter : public CIsDevNumDefinedFuncRouterObject {
public:
    std::set<DWORD> keys;
    std::set<std::string> files;
    int nNumberQuestions = 0;
    int nFileQuestions = 0;
    bool IsDevNumDefined(DWORD dwKey) override
    {
        ++nNumberQuestions;
        return keys.count(dwKey) != 0;
    }
    bool IsSysgDefined(DWORD*) override { return false; }
    bool IsFileInUse(const CString& strFile) override
    {
        ++nFileQuestions;
        return files.count((const char*)strFile) != 0;
    }
};

inline std::string Text(HWND hDlg, int nID)
{
    char sz[1024] = "";
    ::GetDlgItemTextA(hDlg, nID, sz, sizeof sz);
    return sz;
}

inline std::string Caption(HWND h)
{
    char sz[256] = "";
    ::GetWindowTextA(h, sz, sizeof sz);
    return sz;
}

inline bool Enabled(HWND hDlg, int nID) { return ::IsWindowEnabled(::GetDlgItem(hDlg, nID)) != FALSE; }
inline bool Checked(HWND hDlg, int nID) { return ::IsDlgButtonChecked(hDlg, nID) == BST_CHECKED; }

// Clicks a button (check boxes toggle as a click would).
inline void Click(HWND hDlg, int nID) { ::SendMessageA(::GetDlgItem(hDlg, nID), BM_CLICK, 0, 0); }

// Sets an edit's text; the edit tells its dialog as typing would.
inline void SetText(HWND hDlg, int nID, const char* psz) { ::SetDlgItemTextA(hDlg, nID, psz); }

struct SOkResult {
    INT_PTR nResult = 0;
    std::string strBalloon;  // "title: text" of a refusal
};

// Runs the dialog: fill(hDlg), then OK. A refusal's balloon is read, the
// dialog then cancelled. inspect(hDlg) runs before fill when given.
inline SOkResult PressOk(CDialog& dlg, const std::function<void(HWND)>& fill,
                         const std::function<void(HWND)>& inspect = nullptr)
{
    SOkResult out;
    out.nResult = vorntest::RunModal(dlg, [&](HWND h) {
        if (inspect)
            inspect(h);
        if (fill)
            fill(h);
        ::SendMessageA(h, WM_COMMAND, IDOK, 0);
        CString strTitle, strText;
        if (ErrorBalloonWindow(&strTitle, &strText)) {
            out.strBalloon = std::string(strTitle) + ": " + std::string(strText);
            ErrorBalloonHide();
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        }
        return false;
    });
    return out;
}

}  // namespace devtest
