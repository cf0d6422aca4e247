// SessDescDlg.cpp: the session description dialog.
#include "mainwindow/SessDescDlg.h"

#include "framework/HelpKeys.h"
#include "platform/DDX.h"

BEGIN_MESSAGE_MAP(CSessDescDlg, cdxCDynamicHelpDialog)
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

// The edit widens with the dialog; the buttons keep to its right edge.
BEGIN_DYNAMIC_MAP(CSessDescDlg, cdxCDynamicHelpDialog)
    DYNAMIC_MAP_ENTRY(IDC_SESSION_DESC, mdResize, mdNone)
    DYNAMIC_MAP_ENTRY(IDOK, mdRepos, mdNone)
    DYNAMIC_MAP_ENTRY(IDCANCEL, mdRepos, mdNone)
END_DYNAMIC_MAP()

CSessDescDlg::CSessDescDlg(CWnd* pParent) : cdxCDynamicHelpDialog(IDD, flSizeIcon, pParent)
{
}

void CSessDescDlg::DoDataExchange(CDataExchange* pDX)
{
    cdxCDynamicHelpDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SESSION_DESC, m_strDescription);
}

void CSessDescDlg::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    cdxCDynamicHelpDialog::RegisterStandardHelpStrings();
    SetHelpString(MakeHelpKey(IDD, 0), IDS_HELP_SESSION_DESC);
    SetHelpString(MakeHelpKey(IDD, IDC_SESSION_DESC), IDS_HELP_SESSION_DESC_EDIT);
}

BOOL CSessDescDlg::OnInitDialog()
{
    cdxCDynamicHelpDialog::OnInitDialog();
    return TRUE;
}

// Any size the user drags keeps the dialog's height.
void CSessDescDlg::OnWindowPosChanging(WINDOWPOS* pPos)
{
    CRect rc;
    if (!(pPos->flags & SWP_NOSIZE) && m_hWnd && ::GetWindowRect(m_hWnd, &rc))
        pPos->cy = rc.Height();
    cdxCDynamicHelpDialog::OnWindowPosChanging(pPos);
}
