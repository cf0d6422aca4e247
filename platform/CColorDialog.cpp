// CColorDialog.cpp: the common colour dialog.
#include "platform/CColorDialog.h"

#include "platform/CModalLoop.h"
#include "platform/CentreOnOwner.h"
#include "platform/Trace.h"

// White, as the system's dialog shows unset custom colours.
COLORREF CColorDialog::s_clrCustom[16] = {
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
};

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) : CCommonDialog(pParentWnd), m_cc()
{
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.rgbResult = clrInit;
    m_cc.lpCustColors = s_clrCustom;
    m_cc.Flags = dwFlags | CC_ENABLEHOOK;
    m_cc.lpfnHook = HookProc;
}

UINT_PTR CALLBACK CColorDialog::HookProc(HWND hDlg, UINT msg, WPARAM, LPARAM lp)
{
    CColorDialog* p = msg == WM_INITDIALOG ? (CColorDialog*)((CHOOSECOLORA*)lp)->lCustData : nullptr;
    return HookMessage(p, hDlg, msg);
}

INT_PTR CColorDialog::DoModal()
{
    ASSERT(m_hWnd == nullptr);
    m_cc.hwndOwner = CommonDialogOwner();
    m_cc.lCustData = (LPARAM)this;
    // The system disables the owner itself; the windows above it wait too.
    COwnerChainLock lock(m_cc.hwndOwner, false);
    CCentreOnOwner centre(m_cc.hwndOwner);
    BOOL bOK = ::ChooseColorA(&m_cc);
    lock.Release();
    UnbindCommonDialog();
    if (bOK)
        return IDOK;
    DWORD dwError = ::CommDlgExtendedError();
    if (dwError != 0) {
        WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "ChooseColorA() FAILED! CommDlgExtendedError = 0x%lX\n", (unsigned long)dwError);
        return -1;
    }
    return IDCANCEL;
}
