// DasdGeometryChartDlg.cpp: the geometry chart window.
#include "utilities/DasdGeometryChartDlg.h"

#include "config/DevClassIcons.h"
#include "config/GdiHelpers.h"
#include "framework/HelpKeys.h"
#include "framework/VisualStylesXP.h"
#include "platform/BCMenu.h"
#include "platform/CCmdUI.h"
#include "platform/CWindowPlacement.h"
#include "platform/DDX.h"
#include "platform/WindowHelpers.h"
#include "session/PrivateMessages.h"
#include "utilities/DasdGeometryChart.h"
#include "utilities/UtilityTable.h"

const char* const CDasdGeometryChartDlg::kPlacementName = "CDasdGeometryChartDlg";

namespace {

struct SHelpRow {
    UINT nCtrl;
    UINT nString;
};
const SHelpRow kHelpRows[] = {
    {0, IDS_HELP_DASD_CHART},
    {IDC_DASD_CHART_TEXT, IDS_HELP_DASD_CHART_TEXT},
    {IDOK, IDS_HELP_DASD_CHART},
};

}  // namespace

BEGIN_MESSAGE_MAP(CDasdGeometryChartDlg, cdxCDynamicHelpDialog)
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CDasdGeometryChartDlg, cdxCDynamicHelpDialog)
    DYNAMIC_MAP_ENTRY(IDC_DASD_CHART_TEXT, mdResize, mdResize)
    DYNAMIC_MAP_ENTRY(IDOK, mdRelative, mdRepos)
END_DYNAMIC_MAP()

CDasdGeometryChartDlg::CDasdGeometryChartDlg()
    : cdxCDynamicHelpDialog(IDD, flSizeIcon, nullptr), m_strChart(BuildDasdGeometryChart())
{
    // The template's rich edit class must exist before the window is made.
    ::LoadLibraryA("riched20.dll");
    // The placement is kept under the class name by the dialog itself.
    m_strPositionName.Empty();
}

BOOL CDasdGeometryChartDlg::Create(CWnd* pParent)
{
    m_hNotify = pParent ? pParent->m_hWnd : nullptr;
    return CDialog::Create(IDD, pParent);
}

void CDasdGeometryChartDlg::DoDataExchange(CDataExchange* pDX)
{
    cdxCDynamicHelpDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DASD_CHART_TEXT, m_Text);
    DDX_Text(pDX, IDC_DASD_CHART_TEXT, m_strChart);
}

void CDasdGeometryChartDlg::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    cdxCDynamicHelpDialog::RegisterStandardHelpStrings();
    for (const SHelpRow& row : kHelpRows)
        SetHelpString(MakeHelpKey(IDD, row.nCtrl), row.nString);
}

void CDasdGeometryChartDlg::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    cdxCDynamicHelpDialog::RegisterHelpStrings();
    for (const SHelpRow& row : kHelpRows)
        SetHelpId(MakeHelpKey(IDD, row.nCtrl), row.nString);
}

BOOL CDasdGeometryChartDlg::OnInitDialog()
{
    SetIcon(DevClassIcon(kUtilityGroupDisk), FALSE);
    cdxCDynamicHelpDialog::OnInitDialog();
    m_Text.SendMessage(EM_SETOPTIONS, ECOOP_SET,
                       ECO_READONLY | ECO_SAVESEL | ECO_NOHIDESEL | ECO_AUTOVSCROLL | ECO_AUTOHSCROLL |
                           ECO_AUTOWORDSELECTION);
    CHARFORMATA cf = {};
    if (MakeFixedPitchCharFormat(this, m_Font, cf)) {
        LOGFONTA lf = {};
        m_Font.GetLogFont(&lf);
        cf.dwMask |= CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED | CFM_COLOR;
        cf.dwEffects = (lf.lfWeight >= FW_BOLD ? CFE_BOLD : 0) | (lf.lfItalic ? CFE_ITALIC : 0) |
                       (lf.lfUnderline ? CFE_UNDERLINE : 0) | (lf.lfStrikeOut ? CFE_STRIKEOUT : 0) | CFE_PROTECTED;
        cf.crTextColor = RGB(0, 0, 0);
        m_Text.SetDefaultCharFormat(cf);
        m_Text.SendMessage(EM_SETCHARFORMAT, SCF_ALL, (LPARAM)&cf);
    }
    m_Text.SetSel(0, 0);
    // Where the user left it; without a place of its own, centred over its
    // owner (as every dialog opens).
    CWindowPlacement::Restore(kPlacementName, this, TRUE);
    return TRUE;
}

// A modeless dialog has no modal loop to end: the window goes.
void CDasdGeometryChartDlg::OnOK()
{
    cdxCDynamicHelpDialog::OnOK();
    if (m_hWnd)
        DestroyWindow();
}

void CDasdGeometryChartDlg::OnClose()
{
    Default();
    if (m_hWnd)
        DestroyWindow();
}

void CDasdGeometryChartDlg::OnDestroy()
{
    CWindowPlacement::Save(kPlacementName, this);
    EndDynamicLayout();
    cdxCDynamicHelpDialog::DefWindowProc(WM_DESTROY, 0, 0);
    g_VisualStylesXP.BufferedPaintUnInit();
    if (m_hNotify)
        ::PostMessageA(m_hNotify, WM_GEOMETRY_CHART_CLOSED, 0, 0);
}

// Copy with the menu images, greyed while nothing is selected; the posted
// WM_NULL lets the tracked menu close properly.
void CDasdGeometryChartDlg::OnContextMenu(CWnd*, CPoint point)
{
    BCMenu menu;
    if (!menu.LoadMenu(IDR_DASD_CHART_MENU))
        return;
    menu.LoadToolbar(IDR_MENU_IMAGES);
    BCMenu* pPopup = menu.GetSubMenu(0);
    if (!pPopup)
        return;
    if (m_Text.SendMessage(EM_SELECTIONTYPE) == SEL_EMPTY)
        pPopup->EnableMenuItem(ID_EDIT_COPY, MF_BYCOMMAND | MF_GRAYED);
    CPoint pt = CalcContextMenuPoint(&m_Text, point);
    SetForegroundWindow();
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, this);
    PostMessage(WM_NULL);
}

void CDasdGeometryChartDlg::OnEditCopy()
{
    m_Text.SendMessage(WM_COPY);
}

void CDasdGeometryChartDlg::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}
