// CDataExchange.h: one run of a dialog's DoDataExchange, loading the controls
// from the members (m_bSaveAndValidate false) or saving and checking them.
// A failed check calls Fail(): the focus goes to the control the check was
// about, and every later DDX_/DDV_ call of the run does nothing, so the
// members keep the values they had. No exception is involved.
#pragma once

#include <windows.h>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    bool m_bFailed = false;
    HWND m_hWndLastControl = nullptr;  // the control the last DDX_ call was about
    bool m_bEditLastControl = false;

    // The control with the id (asserted to exist); remembered for Fail().
    HWND PrepareCtrl(int nIDC);
    // As PrepareCtrl, for an edit: Fail() selects its text.
    HWND PrepareEditCtrl(int nIDC);
    // Marks the run failed and puts the focus on the last prepared control.
    void Fail();
};
