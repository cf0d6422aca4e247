// CFontDialog.cpp: the common font dialog.
#include "platform/CFontDialog.h"

#include "platform/CModalLoop.h"
#include "platform/CentreOnOwner.h"
#include "platform/Trace.h"

CFontDialog::CFontDialog(const LOGFONTA* lplfInitial, DWORD dwFlags, HDC hdcPrinter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_cf(), m_lf()
{
    m_cf.lStructSize = sizeof(m_cf);
    m_cf.lpLogFont = &m_lf;
    m_cf.hDC = hdcPrinter;
    m_cf.Flags = dwFlags | CF_ENABLEHOOK;
    m_cf.lpfnHook = HookProc;
    m_cf.lCustData = (LPARAM)this;
    if (lplfInitial) {
        m_lf = *lplfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
}

UINT_PTR CALLBACK CFontDialog::HookProc(HWND hDlg, UINT msg, WPARAM, LPARAM lp)
{
    CFontDialog* p = msg == WM_INITDIALOG ? (CFontDialog*)((CHOOSEFONTA*)lp)->lCustData : nullptr;
    return HookMessage(p, hDlg, msg);
}

INT_PTR CFontDialog::DoModal()
{
    ASSERT(m_hWnd == nullptr);
    m_cf.hwndOwner = CommonDialogOwner();
    m_cf.lpLogFont = &m_lf;  // the object may have been copied or moved
    m_cf.lCustData = (LPARAM)this;
    // The system disables the owner itself; the windows above it wait too.
    COwnerChainLock lock(m_cf.hwndOwner, false);
    CCentreOnOwner centre(m_cf.hwndOwner);
    BOOL bOK = ::ChooseFontA(&m_cf);
    lock.Release();
    UnbindCommonDialog();
    if (bOK)
        return IDOK;
    DWORD dwError = ::CommDlgExtendedError();
    if (dwError != 0) {
        WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "ChooseFontA() FAILED! CommDlgExtendedError = 0x%lX\n", (unsigned long)dwError);
        return -1;
    }
    return IDCANCEL;
}

void CFontDialog::GetCurrentFont(LOGFONTA* plf)
{
    if (m_hWnd)
        ::SendMessageA(m_hWnd, WM_CHOOSEFONT_GETLOGFONT, 0, (LPARAM)plf);
    else
        *plf = m_lf;
}
