// DynRegsDlgBar.cpp: what the register bars share.
#include "mainwindow/DynRegsDlgBar.h"

#include "session/PrivateMessages.h"
#include "session/VornGUIView.h"

BEGIN_MESSAGE_MAP(CRegsDlgBar, CMainWindowBarDlg)
    ON_COMMAND(ID_REGS_BAR_FONT, OnFont)
END_MESSAGE_MAP()

// The register bars have no preferences page of their own.
CRegsDlgBar::CRegsDlgBar(UINT nIDTemplate, UINT nViewCmd, CWnd* pParent)
    : CMainWindowBarDlg(nIDTemplate, nViewCmd, -1, pParent)
{
    m_nIDHelpDialog = nIDTemplate;
    m_nContextMenu = IDR_REGS_BAR_MENU;
}

void CRegsDlgBar::OnFont()
{
    if (g_pView && g_pView->m_hWnd)
        g_pView->SendMessage(WM_CHOOSE_BAR_FONT, 0, 0);
}

void CRegsDlgBar::SubclassRegisterControls(CHexSimpleEdit* pEdits, int nCount, UINT nFirst)
{
    m_nFirstControl = nFirst;
    for (int i = 0; i < nCount; ++i) {
        pEdits[i].SubclassDlgItem(nFirst + (UINT)i, this);
        pEdits[i].SendMessage(EM_SETREADONLY, TRUE);
    }
}
