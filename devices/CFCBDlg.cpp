// CFCBDlg.cpp: the forms-control-buffer editor.
#include "devices/CFCBDlg.h"

#include <commctrl.h>

#include "config/DevClassIcons.h"
#include "framework/HelpKeys.h"
#include "framework/VisualStylesXP.h"
#include "platform/CWindowPlacement.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"

namespace {

const char kPlacementName[] = "CFCBDlg";
const int kPrinterClass = 2;

}  // namespace

BEGIN_MESSAGE_MAP(CFCBDlg, CHelpButtonDlg)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CFCBDlg::CFCBDlg(CWnd* pParent) : CHelpButtonDlg(IDD, pParent), m_strFCB(kLegacyFCB)
{
    ParseFCB();
}

void CFCBDlg::ParseFCB()
{
    SFCBValues values;
    values.nLinesPerPage = m_nLinesPerPage;
    ::ParseFCB(m_strFCB, values);
    m_nLinesPerPage = values.nLinesPerPage;
    for (int n = 0; n < kChannels; ++n)
        m_nChannelLine[n] = values.nChannelLine[n];
}

void CFCBDlg::FormatFCB()
{
    SFCBValues values;
    values.nLinesPerPage = m_nLinesPerPage;
    for (int n = 0; n < kChannels; ++n)
        values.nChannelLine[n] = m_nChannelLine[n];
    m_strFCB = ::FormatFCB(values, m_strFCB);
}

void CFCBDlg::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    CHelpButtonDlg::RegisterStandardHelpStrings();
    SetHelpString(MakeHelpKey(IDD, 0), IDS_HELP_FCB);
    SetHelpString(MakeHelpKey(IDD, IDC_FCB_LINES_LABEL), IDS_HELP_FCB_LINES);
    SetHelpString(MakeHelpKey(IDD, IDC_FCB_LINES), IDS_HELP_FCB_LINES);
    SetHelpString(MakeHelpKey(IDD, IDC_FCB_LINES_SPIN), IDS_HELP_FCB_LINES);
    for (int n = 0; n < kChannels; ++n)
        for (UINT nFirst : {IDC_FCB_FIRST_LABEL, IDC_FCB_FIRST_EDIT, IDC_FCB_FIRST_SPIN})
            SetHelpString(MakeHelpKey(IDD, nFirst + n), IDS_HELP_FCB_CHANNEL);
}

// The help context of a control is its balloon string's id.
void CFCBDlg::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    SetHelpId(MakeHelpKey(IDD, 0), IDS_HELP_FCB);
    for (UINT nID : {IDC_FCB_LINES_LABEL, IDC_FCB_LINES, IDC_FCB_LINES_SPIN})
        SetHelpId(MakeHelpKey(IDD, nID), IDS_HELP_FCB_LINES);
    for (int n = 0; n < kChannels; ++n)
        for (UINT nFirst : {IDC_FCB_FIRST_LABEL, IDC_FCB_FIRST_EDIT, IDC_FCB_FIRST_SPIN})
            SetHelpId(MakeHelpKey(IDD, nFirst + n), IDS_HELP_FCB_CHANNEL);
}

BOOL CFCBDlg::OnInitDialog()
{
    if (m_strFCB.IsEmpty())
        m_strFCB = kLegacyFCB;
    ParseFCB();
    CHelpButtonDlg::OnInitDialog();
    SetIcon(DevClassIcon(kPrinterClass), FALSE);
    SendDlgItemMessage(IDC_FCB_LINES_SPIN, UDM_SETRANGE32, 1, kMaxFCBLine);
    for (int n = 0; n < kChannels; ++n)
        SendDlgItemMessage(IDC_FCB_FIRST_SPIN + n, UDM_SETRANGE32, 0, (LPARAM)m_nLinesPerPage);
    // Where the user left it; without a place of its own, centred over its
    // owner (as every dialog opens).
    CWindowPlacement::Restore(kPlacementName, this);
    return TRUE;
}

// Lines per page first (1 to 99), then each channel up to it.
void CFCBDlg::DoDataExchange(CDataExchange* pDX)
{
    CHelpButtonDlg::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FCB_LINES, m_nLinesPerPage);
    if (pDX->m_bSaveAndValidate && !pDX->m_bFailed && !CheckLinesPerPage(pDX))
        return;
    for (int n = 0; n < kChannels; ++n) {
        DDX_Text(pDX, IDC_FCB_FIRST_EDIT + n, m_nChannelLine[n]);
        DDV_MinMaxUInt_EB(pDX, m_nChannelLine[n], 0, m_nLinesPerPage, "Channel");
    }
    if (!pDX->m_bSaveAndValidate || pDX->m_bFailed)
        return;
    if (ValidateFields(pDX))
        FormatFCB();
}

bool CFCBDlg::CheckLinesPerPage(CDataExchange* pDX)
{
    if (m_nLinesPerPage >= 1 && m_nLinesPerPage <= kMaxFCBLine)
        return true;
    CString strText;
    strText.Format("Invalid lines per page (valid range is 1 to %u)", kMaxFCBLine);
    pDX->PrepareEditCtrl(IDC_FCB_LINES);
    ErrorBalloon(this, IDC_FCB_LINES, "Lines Per Page", strText, kBalloonIconWarning);
    pDX->Fail();
    return false;
}

bool CFCBDlg::ValidateFields(CDataExchange* pDX)
{
    if (!CheckLinesPerPage(pDX))
        return false;
    for (int n = 0; n < kChannels; ++n) {
        if (m_nChannelLine[n] <= m_nLinesPerPage)
            continue;
        CString strText;
        strText.Format("Invalid line number (valid range is 0 to %u)", m_nLinesPerPage);
        pDX->PrepareEditCtrl(IDC_FCB_FIRST_EDIT + n);
        ErrorBalloon(this, IDC_FCB_FIRST_EDIT + n, "Channel", strText, kBalloonIconWarning);
        pDX->Fail();
        return false;
    }
    return true;
}

void CFCBDlg::OnDestroy()
{
    CWindowPlacement::Save(kPlacementName, this);
    g_VisualStylesXP.BufferedPaintUnInit();
    CHelpButtonDlg::OnDestroy();
}
