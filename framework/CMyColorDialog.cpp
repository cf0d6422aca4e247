// CMyColorDialog.cpp: the titled colour dialog.
#include "framework/CMyColorDialog.h"

#include "config/WindowHelpers.h"

CMyColorDialog::CMyColorDialog(LPCSTR pszTitle)
    : CColorDialog(0, 0, nullptr), m_strTitle(pszTitle && *pszTitle ? pszTitle : "Choose Color")
{
}

BOOL CMyColorDialog::OnInitDialog()
{
    CColorDialog::OnInitDialog();
    SetWindowText(m_strTitle);
    // On the desktop; the system's dialog that has an owner is then centred
    // over it (CCentreOnOwner), as every dialog is.
    PositionWindowOnDesktop(this);
    return TRUE;
}
