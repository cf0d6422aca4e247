// CDataExchange.cpp: control lookup and failure of a data exchange run.
#include "platform/CDataExchange.h"

#include "platform/AfxAssert.h"
#include "platform/CWnd.h"

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND h = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    ASSERT(h != nullptr);
    m_hWndLastControl = h;
    m_bEditLastControl = false;
    return h;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND h = PrepareCtrl(nIDC);
    m_bEditLastControl = true;
    return h;
}

void CDataExchange::Fail()
{
    if (m_bFailed)
        return;
    m_bFailed = true;
    if (!m_bSaveAndValidate || !m_hWndLastControl)
        return;
    // WM_NEXTDLGCTL moves the focus the way the dialog manager does (default
    // button state included); an edit gets its whole text selected.
    ::SendMessageA(m_pDlgWnd->m_hWnd, WM_NEXTDLGCTL, (WPARAM)m_hWndLastControl, TRUE);
    if (!m_bEditLastControl)
        return;
    char cls[16] = {};
    ::GetClassNameA(m_hWndLastControl, cls, sizeof(cls));
    // A combo box selects the text of its edit with a message of its own.
    if (lstrcmpiA(cls, "ComboBox") == 0)
        ::SendMessageA(m_hWndLastControl, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    else
        ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
}
