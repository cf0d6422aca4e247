// CCommonDialog.cpp: binding a common dialog's window to its object.
#include "platform/CCommonDialog.h"

UINT_PTR CCommonDialog::HookMessage(CCommonDialog* pObject, HWND hDlg, UINT msg)
{
    if (msg == WM_INITDIALOG && pObject) {
        // The system's dialog keeps its own data in DWLP_USER: the object
        // is found through the table alone.
        pObject->BindHandle(hDlg, BindSlot::None);
        // TRUE lets the system set the focus, as it does without a hook.
        return AfxCallAtProcedureEdge((UINT_PTR)TRUE, [pObject] { return (UINT_PTR)pObject->OnInitDialog(); });
    }
    CCommonDialog* p = (CCommonDialog*)CWnd::FromHandlePermanent(hDlg);
    if (msg == WM_NCDESTROY && p)
        p->UnbindCommonDialog();
    return FALSE;
}

void CCommonDialog::UnbindCommonDialog()
{
    if (m_hWnd)
        FinishNcDestroy();
}
