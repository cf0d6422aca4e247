// MainWindowBarDlg.cpp: the data bars' shared context menu and commands.
#include "mainwindow/MainWindowBarDlg.h"

#include "config/DockFloatMenu.h"
#include "framework/CSizingControlBar.h"
#include "platform/BCMenu.h"
#include "platform/CDC.h"
#include "platform/Trace.h"
#include "platform/WindowHelpers.h"
#include "resources/resource.h"
#include "session/VornGUIView.h"

BEGIN_MESSAGE_MAP(CMainWindowBarDlg, cdxCDynamicBarDlg)
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_BAR_CLOSE, OnBarClose)
    ON_COMMAND(ID_BAR_PROPERTIES, OnBarProperties)
    ON_COMMAND_RANGE(ID_DOCK_FIRST, ID_DOCK_LAST, OnDockFloat)
    ON_COMMAND_RANGE(ID_FLOAT_FIRST, ID_FLOAT_LAST, OnDockFloat)
END_MESSAGE_MAP()

const UINT CMainWindowBarDlg::kDefaultBarMenu = IDR_BAR_MENU;

void CMainWindowBarDlg::OnCancel()
{
    if (g_pView)
        g_pView->FocusCommandLine();
}

void CMainWindowBarDlg::SetSmallAppIcon()
{
    HICON hIcon = (HICON)::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                      ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hIcon);
}

// The shared bar menu with the menu images and the host bar's Dock or
// Float, opened after the bar comes to the foreground; the posted WM_NULL
// lets the menu close properly (Windows' tracked-menu rule).
void CMainWindowBarDlg::OnContextMenu(CWnd*, CPoint point)
{
    BCMenu menu;
    if (!menu.LoadMenu(m_nContextMenu))
        return;
    menu.LoadToolbar(IDR_MENU_IMAGES);
    BCMenu* pPopup = menu.GetSubMenu(0);
    if (!pPopup)
        return;
    AppendDockFloatMenuItems(m_pHostBar, pPopup);
    PrepareContextMenu(pPopup);
    CPoint pt = CalcContextMenuPoint(this, point);
    SetForegroundWindow();
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, this);
    PostMessage(WM_NULL);
}

HBRUSH CMainWindowBarDlg::SetBarColors(CDC* pDC, COLORREF clrText, COLORREF clrBack, const CBrush& brBack)
{
    pDC->SetBkColor(clrBack);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(clrText);
    return (HBRUSH)brBack.m_hObject;
}

BOOL CMainWindowBarDlg::FillClient(CDC* pDC, COLORREF clrBack)
{
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, clrBack);
    return TRUE;
}

void CMainWindowBarDlg::RedrawBar()
{
    if (m_hWnd)
        ::RedrawWindow(m_hWnd, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_INTERNALPAINT | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
}

void CMainWindowBarDlg::OnBarClose()
{
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(WM_COMMAND, m_nViewCmd, 0);
}

// The preferences at the bar's page.
void CMainWindowBarDlg::OnBarProperties()
{
    if (g_pView && m_nPrefsPage >= 0)
        g_pView->ShowPreferences(m_nPrefsPage, false);
}

void CMainWindowBarDlg::OnDockFloat(UINT nID)
{
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(WM_COMMAND, nID);
}
