// AutoTaskDialog.cpp: the task dialog, native or through a message box.
#include "platform/AutoTaskDialog.h"

#include <string>

#include "platform/CModalLoop.h"
#include "platform/CentreOnOwner.h"

namespace {

typedef HRESULT(WINAPI* TaskDialogIndirectProc)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

// Looked up once; only comctl32 version 6 (chosen by the manifest) has it.
TaskDialogIndirectProc TaskDialogIndirectEntry()
{
    static TaskDialogIndirectProc s_pfn = [] {
        HMODULE h = ::GetModuleHandleA("comctl32.dll");
        return h ? (TaskDialogIndirectProc)(void*)::GetProcAddress(h, "TaskDialogIndirect") : nullptr;
    }();
    return s_pfn;
}

// A resource id or a text, as the task dialog takes them.
std::wstring TextOf(HINSTANCE hInst, PCWSTR psz)
{
    if (!psz)
        return std::wstring();
    if (IS_INTRESOURCE(psz)) {
        const wchar_t* p = nullptr;
        int n = ::LoadStringW(hInst, (UINT)(UINT_PTR)psz, (LPWSTR)&p, 0);
        return n > 0 ? std::wstring(p, (size_t)n) : std::wstring();
    }
    return psz;
}

UINT MessageBoxStyle(const TASKDIALOGCONFIG* c)
{
    TASKDIALOG_COMMON_BUTTON_FLAGS b = c->dwCommonButtons;
    UINT type = MB_OK;
    if ((b & TDCBF_YES_BUTTON) && (b & TDCBF_NO_BUTTON))
        type = (b & TDCBF_CANCEL_BUTTON) ? MB_YESNOCANCEL : MB_YESNO;
    else if ((b & TDCBF_RETRY_BUTTON) && (b & TDCBF_CANCEL_BUTTON))
        type = MB_RETRYCANCEL;
    else if ((b & TDCBF_OK_BUTTON) && (b & TDCBF_CANCEL_BUTTON))
        type = MB_OKCANCEL;
    UINT icon = 0;
    if (!(c->dwFlags & TDF_USE_HICON_MAIN)) {
        if (c->pszMainIcon == TD_ERROR_ICON) icon = MB_ICONERROR;
        else if (c->pszMainIcon == TD_WARNING_ICON) icon = MB_ICONWARNING;
        else if (c->pszMainIcon == TD_INFORMATION_ICON) icon = MB_ICONINFORMATION;
    }
    return type | icon;
}

HRESULT MessageBoxStandIn(const TASKDIALOGCONFIG* c, int* pnButton, BOOL* pfVerification)
{
    if (c->cButtons > 0)
        return E_NOTIMPL;
    std::wstring text = TextOf(c->hInstance, c->pszMainInstruction);
    std::wstring content = TextOf(c->hInstance, c->pszContent);
    if (!text.empty() && !content.empty())
        text += L"\n\n";
    text += content;
    std::wstring title = TextOf(c->hInstance, c->pszWindowTitle);
    int r = ::MessageBoxW(c->hwndParent, text.c_str(), title.c_str(), MessageBoxStyle(c));
    if (pnButton)
        *pnButton = r;
    if (pfVerification)
        *pfVerification = FALSE;
    return r ? S_OK : E_FAIL;
}

}  // namespace

bool IsTaskDialogAvailable()
{
    return TaskDialogIndirectEntry() != nullptr;
}

HRESULT AutoTaskDialog(const TASKDIALOGCONFIG* pConfig, int* pnButton, int* pnRadioButton, BOOL* pfVerification)
{
    if (!pConfig)
        return E_INVALIDARG;
    if (pnRadioButton)
        *pnRadioButton = 0;
    // The system disables the owner itself; the windows above it and beside
    // it wait too.
    COwnerChainLock lock(pConfig->hwndParent, false);
    CCentreOnOwner centre(pConfig->hwndParent);
    if (TaskDialogIndirectProc pfn = TaskDialogIndirectEntry())
        return pfn(pConfig, pnButton, pnRadioButton, pfVerification);
    return MessageBoxStandIn(pConfig, pnButton, pfVerification);
}
