// MessageBoxes.cpp: error boxes, task-dialog message boxes and the beep.
#include "platform/MessageBoxes.h"

#include <string>

#include "platform/AutoTaskDialog.h"
#include "platform/CModalLoop.h"
#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "platform/CentreOnOwner.h"
#include "platform/TextFunctions.h"
#include "platform/Trace.h"
#include "platform/WideText.h"

namespace {

CString AppTitle()
{
    CWinApp* pApp = AfxGetApp();
    return pApp && !pApp->m_strAppName.IsEmpty() ? pApp->m_strAppName : CString("Error");
}

// A message comes up over the window the user works in, not behind it.
HWND OwnerWindow()
{
    return ModalOwnerWindow(nullptr);
}

TASKDIALOG_COMMON_BUTTON_FLAGS CommonButtons(UINT nStyle)
{
    switch (nStyle & MB_TYPEMASK) {
    case MB_OKCANCEL: return TDCBF_OK_BUTTON | TDCBF_CANCEL_BUTTON;
    case MB_YESNO: return TDCBF_YES_BUTTON | TDCBF_NO_BUTTON;
    case MB_YESNOCANCEL: return TDCBF_YES_BUTTON | TDCBF_NO_BUTTON | TDCBF_CANCEL_BUTTON;
    case MB_RETRYCANCEL: return TDCBF_RETRY_BUTTON | TDCBF_CANCEL_BUTTON;
    default: return TDCBF_OK_BUTTON;
    }
}

PCWSTR MainIcon(UINT nStyle)
{
    switch (nStyle & MB_ICONMASK) {
    case MB_ICONERROR: return TD_ERROR_ICON;
    case MB_ICONWARNING: return TD_WARNING_ICON;
    case MB_ICONINFORMATION: return TD_INFORMATION_ICON;
    default: return nullptr;  // the question mark has no task-dialog icon
    }
}

}  // namespace

CString ComposeErrorMessage(LPCSTR pszText, LPCSTR pszDetail, DWORD dwError)
{
    CString s;
    auto add = [&s](const CString& part) {
        if (part.IsEmpty())
            return;
        if (!s.IsEmpty())
            s += "\n\n";
        s += part;
    };
    add(pszText);
    add(pszDetail);
    if (dwError) {
        CString code;
        code.Format("Error %lu (0x%08lX): ", dwError, dwError);
        add(code + FormatLastError(dwError));
    }
    return BoundShownText(s);
}

namespace {

// An error box that goes once its cause has gone.
struct SBoxCause {
    const CCentreOnOwner* pCentre;  // knows the box, once it shows
    const std::function<bool()>* pStands;
    bool bGone;
};
thread_local SBoxCause* t_pBoxCause = nullptr;

void CALLBACK LookAtBoxCause(HWND, UINT, UINT_PTR, DWORD)
{
    SBoxCause* p = t_pBoxCause;
    HWND hBox = p ? p->pCentre->Dialog() : nullptr;
    if (!hBox || p->bGone || (*p->pStands)())
        return;
    p->bGone = true;
    // Its one button, OK, ends it.
    ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
}

int ShowErrorBox(const CString& strText, const std::function<bool()>* pStands)
{
    HWND hOwner = OwnerWindow();
    // The system disables the owner itself; the windows above it wait too.
    COwnerChainLock lock(hOwner, false);
    CCentreOnOwner centre(hOwner);
    SBoxCause cause = {&centre, pStands, false};
    SBoxCause* pOuter = t_pBoxCause;
    UINT_PTR nTimer = 0;
    if (pStands) {
        t_pBoxCause = &cause;
        nTimer = ::SetTimer(nullptr, 0, 100, LookAtBoxCause);
        if (!nTimer)
            TRACE_FAILED_CALL("SetTimer(nullptr, 0, 100, LookAtBoxCause)");
    }
    int nAnswer = ::MessageBoxA(hOwner, strText, AppTitle(), MB_OK | MB_ICONERROR);
    if (pStands) {
        ::KillTimer(nullptr, nTimer);
        t_pBoxCause = pOuter;
    }
    // A box that could not show counts as answered: nothing waits for it.
    return cause.bGone ? 0 : nAnswer ? nAnswer : IDOK;
}

}  // namespace

int ErrorMessageBox(LPCSTR pszText, LPCSTR pszDetail, DWORD dwError)
{
    return ShowErrorBox(ComposeErrorMessage(pszText, pszDetail, dwError), nullptr);
}

int ErrorMessageBoxWhile(const std::function<bool()>& bStands, LPCSTR pszText, LPCSTR pszDetail)
{
    return ShowErrorBox(ComposeErrorMessage(pszText, pszDetail, 0), &bStands);
}

int TDMessageBox(LPCSTR pszInstruction, LPCSTR pszContent, LPCSTR pszTitle, UINT nStyle)
{
    std::wstring instruction = WideFromAnsi(BoundShownText(pszInstruction));
    std::wstring content = WideFromAnsi(BoundShownText(pszContent));
    std::wstring title = WideFromAnsi(pszTitle ? pszTitle : AppTitle().GetString());
    TASKDIALOGCONFIG tdc = {};
    tdc.cbSize = sizeof(tdc);
    tdc.hwndParent = OwnerWindow();
    tdc.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
    tdc.dwCommonButtons = CommonButtons(nStyle);
    tdc.pszWindowTitle = title.c_str();
    tdc.pszMainIcon = MainIcon(nStyle);
    tdc.pszMainInstruction = instruction.empty() ? nullptr : instruction.c_str();
    tdc.pszContent = content.empty() ? nullptr : content.c_str();
    int nButton = 0;
    if (FAILED(AutoTaskDialog(&tdc, &nButton, nullptr, nullptr)))
        return 0;
    return nButton;
}

void MyMessageBeep()
{
    ::MessageBeep(MB_ICONEXCLAMATION);
}
