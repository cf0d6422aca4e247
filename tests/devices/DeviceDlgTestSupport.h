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
#include "platform/PathFunctions.h"
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

// Clicks hDlg's button nID; the dialog it opens is answered by answer(h)
// once it shows. Returns that dialog's caption (empty when none opened).
inline std::string PressAndAnswer(HWND hDlg, int nID, const std::function<void(HWND)>& answer)
{
    std::string strCaption;
    vorntest::DialogDriver driver([&](HWND) {
        HWND h = vorntest::OtherDialog(hDlg);
        if (!h)
            return true;
        strCaption = Caption(h);
        answer(h);
        return false;
    });
    Click(hDlg, nID);
    return strCaption;
}

// A file dialog's choice becomes the process's current folder and the
// remembered one: both are put back.
struct SKeepFolders {
    char szCurrent[MAX_PATH] = "";
    CString strInitial = g_strWindowsizedDefaultInitialDir;
    SKeepFolders() { ::GetCurrentDirectoryA(MAX_PATH, szCurrent); }
    ~SKeepFolders()
    {
        ::SetCurrentDirectoryA(szCurrent);
        g_strWindowsizedDefaultInitialDir = strInitial;
    }
};

// A path as a file dialog's choice puts it in its field (Windows form).
inline std::string Standard(const std::string& strPath)
{
    return WindowsizedDirectory(strPath.c_str()).GetString();
}

// Answers of a file dialog: a name typed into its name box and OK, or
// Cancel.
inline void ChooseFile(HWND hFileDlg, const std::string& strName)
{
    ::SetDlgItemTextA(hFileDlg, 0x47C, strName.c_str());
    ::PostMessageA(hFileDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(hFileDlg, IDOK));
}

inline void CancelDialog(HWND h) { ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }

// The balloon showing now as "title: text", hidden once read; empty when
// none shows.
inline std::string TakeBalloon()
{
    CString strTitle, strText;
    if (!ErrorBalloonWindow(&strTitle, &strText))
        return std::string();
    ErrorBalloonHide();
    return std::string(strTitle) + ": " + std::string(strText);
}

// Selects the list entry of that exact text and ends the selection as the
// user's choice does.
inline void ChooseListEntry(HWND hDlg, int nID, const char* pszEntry)
{
    HWND hList = ::GetDlgItem(hDlg, nID);
    LRESULT i = ::SendMessageA(hList, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)pszEntry);
    ::SendMessageA(hList, CB_SETCURSEL, (WPARAM)i, 0);
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nID, CBN_SELENDOK), (LPARAM)hList);
}

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
        out.strBalloon = TakeBalloon();
        if (!out.strBalloon.empty())
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    return out;
}

}  // namespace devtest
