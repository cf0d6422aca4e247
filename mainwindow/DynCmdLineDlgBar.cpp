// DynCmdLineDlgBar.cpp: the command line bar's keys, buttons and colours.
#include "mainwindow/DynCmdLineDlgBar.h"

#include "framework/ControlTextSize.h"
#include "framework/HelpKeys.h"
#include "mainwindow/BarFontLayout.h"
#include "mainwindow/CmdLineKeys.h"
#include "platform/CCmdUI.h"
#include "platform/CDC.h"
#include "session/ConsoleCommands.h"
#include "session/VornGUIView.h"

namespace {

// The console page of the preferences.
const int kConsolePrefsPage = 7;
const UINT kHelpIdBar = 1209, kHelpIdDirButton = 1212, kHelpIdDir = 1409, kHelpIdEdit = 1215;

bool KeyIsDown(int vk)
{
    return (::GetKeyState(vk) & 0x8000) != 0;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDynCmdLineDlgBar, CMainWindowBarDlg)
    ON_COMMAND(IDC_CMDLINE_SEND, OnSend)
    ON_COMMAND(IDC_CMDLINE_DIR_BUTTON, OnTargetDir)
    ON_UPDATE_COMMAND_UI(IDC_CMDLINE_TARGET_DIR, OnUpdateTargetDir)
    ON_WM_LBUTTONDOWN()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CDynCmdLineDlgBar, CMainWindowBarDlg)
    DYNAMIC_MAP_ENTRY(IDC_CMDLINE_TARGET_DIR, mdResize, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_CMDLINE_EDIT, mdResize, mdNone)
END_DYNAMIC_MAP()

CDynCmdLineDlgBar::CDynCmdLineDlgBar(CWnd* pParent)
    : CMainWindowBarDlg(IDD, ID_VIEW_CMDLINE_BAR, kConsolePrefsPage, pParent)
{
    m_nIDHelpDialog = IDD;
    m_brBack.CreateSolidBrush(m_clrBack);
}

BOOL CDynCmdLineDlgBar::OnInitDialog()
{
    SetSmallAppIcon();
    CMainWindowBarDlg::OnInitDialog();
    m_CmdEdit.SubclassDlgItem(IDC_CMDLINE_EDIT, this);
    return TRUE;
}

void CDynCmdLineDlgBar::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    CMainWindowBarDlg::RegisterStandardHelpStrings();
    SetHelpString(MakeHelpKey(IDD, 0), IDS_HELP_CMDLINE_BAR);
    SetHelpString(MakeHelpKey(IDD, IDC_CMDLINE_DIR_BUTTON), IDS_HELP_CMDLINE_DIR_BUTTON);
    SetHelpString(MakeHelpKey(IDD, IDC_CMDLINE_TARGET_DIR), IDS_HELP_CMDLINE_DIR);
    SetHelpString(MakeHelpKey(IDD, IDC_CMDLINE_EDIT), IDS_HELP_CMDLINE_EDIT);
}

void CDynCmdLineDlgBar::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    CMainWindowBarDlg::RegisterHelpStrings();
    SetHelpId(MakeHelpKey(IDD, 0), kHelpIdBar);
    SetHelpId(MakeHelpKey(IDD, IDC_CMDLINE_DIR_BUTTON), kHelpIdDirButton);
    SetHelpId(MakeHelpKey(IDD, IDC_CMDLINE_TARGET_DIR), kHelpIdDir);
    SetHelpId(MakeHelpKey(IDD, IDC_CMDLINE_EDIT), kHelpIdEdit);
    SetHelpId(MakeHelpKey(IDD, IDC_CMDLINE_LABEL), kHelpIdEdit);
}

void CDynCmdLineDlgBar::SetLook(COLORREF clrText, COLORREF clrBack, HFONT hFont)
{
    m_clrText = clrText;
    m_clrBack = clrBack;
    m_brBack.DeleteObject();
    m_brBack.CreateSolidBrush(clrBack);
    if (!m_hWnd)
        return;
    SendMessage(WM_SETFONT, (WPARAM)hFont, FALSE);
    m_CmdEdit.SendMessage(WM_SETFONT, (WPARAM)hFont, FALSE);
    LayoutForFont();
    if (IsWindowVisible())
        RedrawBar();
}

void CDynCmdLineDlgBar::LayoutForFont()
{
    SCmdLineRects tmpl, out;
    if (!m_CmdEdit.m_hWnd || !GetTemplateRect(IDC_CMDLINE_LABEL, tmpl.rcLabel) ||
        !GetTemplateRect(IDC_CMDLINE_EDIT, tmpl.rcEdit))
        return;
    const int cyEdit = EditSizeForText(m_CmdEdit.m_hWnd, "").cy;
    SBarLayoutSizes sizes = LayoutCommandLine(tmpl, GetTemplateSize(), cyEdit, out);
    ::MoveWindow(::GetDlgItem(m_hWnd, IDC_CMDLINE_LABEL), out.rcLabel.left, out.rcLabel.top,
                 out.rcLabel.right - out.rcLabel.left, out.rcLabel.bottom - out.rcLabel.top, TRUE);
    // The edit stretches with the bar's width from its place at the design size.
    AddSzControl(m_CmdEdit.m_hWnd, CDynPos(out.rcEdit, 0, 0, 100, 0), false);
    SetLayoutSizes(sizes.szDesign, sizes.szLeast);
}

BOOL CDynCmdLineDlgBar::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && m_CmdEdit.m_hWnd && ::GetFocus() == m_CmdEdit.m_hWnd &&
        HandleKey((int)pMsg->wParam))
        return TRUE;
    return CMainWindowBarDlg::PreTranslateMessage(pMsg);
}

bool CDynCmdLineDlgBar::HandleKey(int vk)
{
    CString strText;
    m_CmdEdit.GetWindowText(strText);
    SCmdKey key = MapCommandLineKey(vk, KeyIsDown(VK_SHIFT), KeyIsDown(VK_CONTROL), KeyIsDown(VK_MENU),
                                    strText.Find('\n') >= 0);
    switch (key.eAction) {
    case kCmdKeyToEdit:
        return false;
    case kCmdKeyEscape:
        return HandleEscape();
    case kCmdKeyCommand:
        break;
    }
    if (g_pView && g_pView->m_hWnd) {
        if (key.bCollapseSelection)
            g_pView->ClearSelection(true);
        g_pView->SendMessage(WM_COMMAND, key.nCommand, 0);
    }
    return true;
}

// Escape never closes the bar: it collapses the selection (and goes on to
// the dialog), else clears the line, else hands the focus back.
bool CDynCmdLineDlgBar::HandleEscape()
{
    DWORD dwStart = 0, dwEnd = 0;
    m_CmdEdit.SendMessage(EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
    switch (CommandLineEscapeStep(dwStart != dwEnd, m_CmdEdit.GetWindowTextLength() > 0)) {
    case kEscCollapse:
        m_CmdEdit.SendMessage(EM_SETSEL, dwEnd, dwEnd);
        m_CmdEdit.SendMessage(EM_SCROLLCARET);
        return false;
    case kEscClear:
        m_CmdEdit.SetWindowText("");
        return true;
    case kEscFocus:
        break;
    }
    if (g_pView)
        g_pView->FocusCommandLine();
    return true;
}

// The command line waits for a starting emulator: the view keeps what is
// typed meanwhile.
void CDynCmdLineDlgBar::OnLButtonDown(UINT nFlags, CPoint pt)
{
    CRect rc;
    m_CmdEdit.GetWindowRect(&rc);
    ScreenToClient(&rc);
    if (g_pView && !m_CmdEdit.IsWindowEnabled() && rc.PtInRect(pt))
        g_pView->OnWaitingCommandLineClicked();
    CMainWindowBarDlg::OnLButtonDown(nFlags, pt);
}

// Send and the folder button are the view's commands; the main frame
// routes them there.
void CDynCmdLineDlgBar::OnSend()
{
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(WM_COMMAND, IDC_CMDLINE_SEND, 0);
}

void CDynCmdLineDlgBar::OnTargetDir()
{
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(WM_COMMAND, IDC_CMDLINE_DIR_BUTTON, 0);
}

void CDynCmdLineDlgBar::OnUpdateTargetDir(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

HBRUSH CDynCmdLineDlgBar::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor != CTLCOLOR_EDIT && nCtlColor != CTLCOLOR_MSGBOX)
        return CMainWindowBarDlg::OnCtlColor(pDC, pWnd, nCtlColor);
    pDC->SetBkColor(m_clrBack);
    pDC->SetTextColor(m_clrText);
    return (HBRUSH)m_brBack.m_hObject;
}
