// CConfigFileParseErrorsDlg.cpp: the parse-errors dialog.
#include "config/CConfigFileParseErrorsDlg.h"

#include "config/CVornConfigFile.h"
#include "config/GdiHelpers.h"
#include "config/ParseErrorsText.h"
#include "config/ProcessHelpers.h"
#include "config/WindowHelpers.h"
#include "framework/HelpKeys.h"
#include "framework/VisualStylesXP.h"
#include "platform/CCmdUI.h"
#include "platform/CDC.h"
#include "platform/CMenu.h"
#include "platform/DDX.h"

namespace {

const char kPositionName[] = "CConfigFileParseErrorsDlg";
const int kFirstWidth = 469, kFirstHeight = 306;

struct HelpRow { UINT nCtrl; UINT nString; UINT nHelpId; };
const HelpRow kHelpRows[] = {
    {0, IDS_HELP_PARSE_ERRORS, 4840},
    {IDC_PARSE_ERRORS_TEXT, IDS_HELP_PARSE_ERRORS_TEXT, 4841},
    {IDC_PARSE_ERRORS_IGNORE, IDS_HELP_PARSE_ERRORS_IGNORE, 4842},
    {IDC_PARSE_ERRORS_EDIT, IDS_HELP_PARSE_ERRORS_EDIT, 4843},
    {IDC_PARSE_ERRORS_RETRY, IDS_HELP_PARSE_ERRORS_RETRY, 4844},
    {IDC_PARSE_ERRORS_CANCEL, IDS_HELP_PARSE_ERRORS_CANCEL, 4845},
};

// The buttons in their row, left to right.
const UINT kButtonRow[] = {IDC_PARSE_ERRORS_IGNORE, IDC_PARSE_ERRORS_EDIT, IDC_PARSE_ERRORS_RETRY,
                           IDC_PARSE_ERRORS_CANCEL};

}  // namespace

BEGIN_MESSAGE_MAP(CConfigFileParseErrorsDlg, cdxCDynamicHelpDialog)
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
    ON_WM_DESTROY()
    ON_WM_WINDOWPOSCHANGED()
    ON_BN_CLICKED(IDC_PARSE_ERRORS_EDIT, OnEdit)
    ON_BN_CLICKED(IDC_PARSE_ERRORS_RETRY, OnRetry)
    ON_BN_CLICKED(IDC_PARSE_ERRORS_CANCEL, OnCancelButton)
    ON_BN_CLICKED(IDC_PARSE_ERRORS_IGNORE, OnIgnore)
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CConfigFileParseErrorsDlg, cdxCDynamicHelpDialog)
    DYNAMIC_MAP_ENTRY(IDC_PARSE_ERRORS_TEXT, mdResize, mdResize)
    DYNAMIC_MAP_YENTRY(IDC_PARSE_ERRORS_IGNORE, mdRepos)
    DYNAMIC_MAP_YENTRY(IDC_PARSE_ERRORS_EDIT, mdRepos)
    DYNAMIC_MAP_YENTRY(IDC_PARSE_ERRORS_RETRY, mdRepos)
    DYNAMIC_MAP_YENTRY(IDC_PARSE_ERRORS_CANCEL, mdRepos)
END_DYNAMIC_MAP()

CConfigFileParseErrorsDlg::CConfigFileParseErrorsDlg()
    : cdxCDynamicHelpDialog(IDD, flSizeIcon, nullptr)
{
    // The template's rich edit class must exist before the dialog is made;
    // the library stays loaded for the process.
    ::LoadLibraryA("riched20.dll");
    // The position is restored by OnInitDialog itself, under the class name.
    m_strPositionName.Empty();
}

void CConfigFileParseErrorsDlg::DoDataExchange(CDataExchange* pDX)
{
    cdxCDynamicHelpDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PARSE_ERRORS_TEXT, m_Text);
    DDX_Control(pDX, IDC_PARSE_ERRORS_IGNORE, m_IgnoreButton);
    DDX_Control(pDX, IDC_PARSE_ERRORS_EDIT, m_EditButton);
    DDX_Control(pDX, IDC_PARSE_ERRORS_RETRY, m_RetryButton);
    DDX_Control(pDX, IDC_PARSE_ERRORS_CANCEL, m_CancelButton);
    DDX_Text(pDX, IDC_PARSE_ERRORS_TEXT, m_strText);
}

void CConfigFileParseErrorsDlg::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    cdxCDynamicHelpDialog::RegisterStandardHelpStrings();
    for (const HelpRow& row : kHelpRows)
        SetHelpString(MakeHelpKey(IDD, row.nCtrl), row.nString);
}

void CConfigFileParseErrorsDlg::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    cdxCDynamicHelpDialog::RegisterHelpStrings();
    for (const HelpRow& row : kHelpRows)
        SetHelpId(MakeHelpKey(IDD, row.nCtrl), row.nHelpId);
}

BOOL CConfigFileParseErrorsDlg::OnInitDialog()
{
    if (m_pConfig)
        m_strText = BuildParseErrorsText(m_pConfig->m_parseErrors, m_pConfig->m_lines);
    HICON hIcon = (HICON)::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                      ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hIcon);
    cdxCDynamicHelpDialog::OnInitDialog();
    if (!m_pConfig || m_pConfig->m_strFolder.IsEmpty() || m_pConfig->m_strFileName.IsEmpty())
        m_EditButton.EnableWindow(FALSE);
    // No word wrap: long lines reach the horizontal scroll bar.
    m_Text.SendMessage(EM_SETTARGETDEVICE, 0, 1);
    m_Text.SetSel(0, 0);
    m_Text.SendMessage(EM_SETOPTIONS, ECOOP_OR, ECO_SAVESEL);
    SetFixedPitchFont();
    for (int i = 0; i < 4; i++)
        AddSzXControlEvenMove(4, i + 1, kButtonRow[i], false);
    PlaceWindow();
    return TRUE;
}

// A 10-point Courier New as the rich edit's default character format.
void CConfigFileParseErrorsDlg::SetFixedPitchFont()
{
    CHARFORMATA cf = {};
    if (!MakeFixedPitchCharFormat(this, m_Font, cf))
        return;
    m_Text.SetDefaultCharFormat(cf);
    // The text is already in: it takes the format too.
    m_Text.SendMessage(EM_SETCHARFORMAT, SCF_ALL, (LPARAM)&cf);
}

// Where the user left it; the first time 469 x 306, centred over its owner
// (as every dialog opens). The width is changed by one pixel and back so
// that the layout runs once at the final size.
void CConfigFileParseErrorsDlg::PlaceWindow()
{
    m_strPositionName = kPositionName;
    if (!RestoreWindowPosition())
        SetWindowPos(nullptr, 0, 0, kFirstWidth, kFirstHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rc;
    GetWindowRect(&rc);
    SetWindowPos(nullptr, 0, 0, rc.Width() + 1, rc.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(nullptr, 0, 0, rc.Width(), rc.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CConfigFileParseErrorsDlg::OnContextMenu(CWnd* pWnd, CPoint point)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_PARSE_ERRORS_MENU))
        return;
    CMenu popup = menu.GetSubMenu(0);
    if (m_Text.SendMessage(EM_SELECTIONTYPE) == SEL_EMPTY)
        popup.EnableMenuItem(ID_EDIT_COPY, MF_BYCOMMAND | MF_GRAYED);
    if (point.x == -1 && point.y == -1)
        ::GetCursorPos(&point);
    SetForegroundWindow();
    ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, m_hWnd, nullptr);
    PostMessage(WM_NULL);
}

void CConfigFileParseErrorsDlg::OnEditCopy()
{
    m_Text.SendMessage(WM_COPY);
}

void CConfigFileParseErrorsDlg::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

void CConfigFileParseErrorsDlg::OnDestroy()
{
    StoreWindowPosition();
    EndDynamicLayout();
    cdxCDynamicHelpDialog::DefWindowProc(WM_DESTROY, 0, 0);
    g_VisualStylesXP.BufferedPaintUnInit();
}

void CConfigFileParseErrorsDlg::OnWindowPosChanged(WINDOWPOS* pPos)
{
    Default();
    if (m_Text.m_hWnd)
        m_Text.Invalidate(TRUE);
}

void CConfigFileParseErrorsDlg::OnIgnore()
{
    m_bIgnore = true;
    EndDialog(IDOK);
}

void CConfigFileParseErrorsDlg::OnEdit()
{
    if (m_pConfig)
        EditFileInEditor(m_pConfig->GetFullPath(), m_strEditor);
}

void CConfigFileParseErrorsDlg::OnRetry()
{
    EndDialog(IDOK);
}

void CConfigFileParseErrorsDlg::OnCancelButton()
{
    EndDialog(IDCANCEL);
}

ParseErrorsAnswer AskAboutParseErrors(CVornConfigFile* pConfig, const char* pszEditor)
{
    CConfigFileParseErrorsDlg dlg;
    dlg.m_pConfig = pConfig;
    dlg.m_strEditor = pszEditor ? pszEditor : "";
    if (dlg.DoModal() != IDOK)
        return kParseErrorsCancel;
    return dlg.m_bIgnore ? kParseErrorsIgnore : kParseErrorsRetry;
}
