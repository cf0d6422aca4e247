// VMFPLC2StmtEditDlg.cpp: the one-line editor of a control file's line.
#include "utilities/VMFPLC2StmtEditDlg.h"

#include "config/WindowHelpers.h"
#include "framework/HelpKeys.h"
#include "platform/DDX.h"

namespace {

const SControlHelp kHelpStrings[] = {{0, IDS_HELP_PLC2_STMT_EDIT_DLG}, {IDC_PLC2_STATEMENT, IDS_HELP_PLC2_STMT_EDIT}};
const SControlHelp kHelpIds[] = {{0, 1565}, {IDC_PLC2_STATEMENT, 1567}, {IDOK, 1569}, {IDCANCEL, 1571}, {IDHELP, 1572}};

}  // namespace

BEGIN_MESSAGE_MAP(CVMFPLC2StmtEditDlg, cdxCDynamicHelpDialog)
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CVMFPLC2StmtEditDlg, cdxCDynamicHelpDialog)
    DYNAMIC_MAP_ENTRY(IDC_PLC2_STATEMENT, mdResize, mdNone)
    DYNAMIC_MAP_ENTRY(IDOK, mdRepos, mdNone)
    DYNAMIC_MAP_ENTRY(IDCANCEL, mdRepos, mdNone)
END_DYNAMIC_MAP()

CVMFPLC2StmtEditDlg::CVMFPLC2StmtEditDlg(CWnd* pParent)
    : cdxCDynamicHelpDialog(IDD, flSizeIcon, pParent)
{
}

void CVMFPLC2StmtEditDlg::DoDataExchange(CDataExchange* pDX)
{
    cdxCDynamicHelpDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PLC2_STATEMENT, m_Edit);
    DDX_Text(pDX, IDC_PLC2_STATEMENT, m_strStatement);
}

// The line in a fixed-pitch font, so that the statement's columns line up,
// and nothing selected: a first key press edits the line instead of
// replacing it.
BOOL CVMFPLC2StmtEditDlg::OnInitDialog()
{
    cdxCDynamicHelpDialog::OnInitDialog();
    SetAppSmallIcon(m_hWnd);
    m_font.CreatePointFont(100, "Courier New", FIXED_PITCH | FF_MODERN);
    m_Edit.SetFont(m_font);
    m_Edit.SendMessage(EM_SETSEL, (WPARAM)-1, 0);
    m_Edit.SendMessage(EM_SCROLLCARET);
    return TRUE;
}

void CVMFPLC2StmtEditDlg::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    cdxCDynamicHelpDialog::RegisterStandardHelpStrings();
    SetControlHelp(*this, &CVMFPLC2StmtEditDlg::SetHelpString, IDD, kHelpStrings);
}

void CVMFPLC2StmtEditDlg::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    SetControlHelp(*this, &CVMFPLC2StmtEditDlg::SetHelpId, IDD, kHelpIds);
}

// Any size the user drags keeps the dialog's height.
void CVMFPLC2StmtEditDlg::OnWindowPosChanging(WINDOWPOS* pPos)
{
    CRect rc;
    if (!(pPos->flags & SWP_NOSIZE) && m_hWnd && ::GetWindowRect(m_hWnd, &rc))
        pPos->cy = rc.Height();
    cdxCDynamicHelpDialog::OnWindowPosChanging(pPos);
}
