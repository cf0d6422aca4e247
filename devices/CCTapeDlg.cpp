// CCTapeDlg.cpp: the carriage-control tape editor.
#include "devices/CCTapeDlg.h"

#include <commctrl.h>

#include "config/DevClassIcons.h"
#include "framework/HelpKeys.h"
#include "framework/VisualStylesXP.h"
#include "platform/CWindowPlacement.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"

namespace {

const char kPlacementName[] = "CCTapeDlg";
const int kPrinterClass = 2;

// The three controls of each half of a row, by their first ids.
const UINT kLineFirsts[] = {IDC_CCT_FIRST_LINE_LABEL, IDC_CCT_FIRST_LINE, IDC_CCT_FIRST_LINE_SPIN};
const UINT kChannelFirsts[] = {IDC_CCT_FIRST_CHAN_LABEL, IDC_CCT_FIRST_CHAN, IDC_CCT_FIRST_CHAN_SPIN};

}  // namespace

BEGIN_MESSAGE_MAP(CCTapeDlg, CHelpButtonDlg)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CCTapeDlg::CCTapeDlg(CWnd* pParent) : CHelpButtonDlg(IDD, pParent), m_strCCTape(kLegacyCCTape)
{
    ParseCCTape();
}

void CCTapeDlg::ParseCCTape()
{
    SCCTapeValues values;
    ::ParseCCTape(m_strCCTape, values);
    for (int r = 0; r < kChannels; ++r) {
        m_nPunchLine[r] = values.nLine[r];
        m_nPunchChannel[r] = values.nChannel[r];
    }
    m_nPunches = values.nPunches;
}

void CCTapeDlg::FormatCCTape()
{
    SCCTapeValues values;
    for (int r = 0; r < kChannels; ++r) {
        values.nLine[r] = m_nPunchLine[r];
        values.nChannel[r] = m_nPunchChannel[r];
    }
    m_strCCTape = ::FormatCCTape(values);
}

void CCTapeDlg::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    CHelpButtonDlg::RegisterStandardHelpStrings();
    SetHelpString(MakeHelpKey(IDD, 0), IDS_HELP_CCT);
    for (int r = 0; r < kChannels; ++r) {
        for (UINT nFirst : kLineFirsts)
            SetHelpString(MakeHelpKey(IDD, nFirst + r), IDS_HELP_CCT_LINE);
        for (UINT nFirst : kChannelFirsts)
            SetHelpString(MakeHelpKey(IDD, nFirst + r), IDS_HELP_CCT_CHANNEL);
    }
}

// The help context of a control is its balloon string's id.
void CCTapeDlg::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    SetHelpId(MakeHelpKey(IDD, 0), IDS_HELP_CCT);
    for (int r = 0; r < kChannels; ++r) {
        for (UINT nFirst : kLineFirsts)
            SetHelpId(MakeHelpKey(IDD, nFirst + r), IDS_HELP_CCT_LINE);
        for (UINT nFirst : kChannelFirsts)
            SetHelpId(MakeHelpKey(IDD, nFirst + r), IDS_HELP_CCT_CHANNEL);
    }
}

BOOL CCTapeDlg::OnInitDialog()
{
    if (m_strCCTape.IsEmpty())
        m_strCCTape = kLegacyCCTape;
    ParseCCTape();
    CHelpButtonDlg::OnInitDialog();
    SetIcon(DevClassIcon(kPrinterClass), FALSE);
    for (int r = 0; r < kChannels; ++r) {
        SendDlgItemMessage(IDC_CCT_FIRST_LINE_SPIN + r, UDM_SETRANGE32, 1, kMaxTapeLine);
        SendDlgItemMessage(IDC_CCT_FIRST_CHAN_SPIN + r, UDM_SETRANGE32, 1, kChannels);
    }
    if (TooLong()) {
        CString strNote;
        strNote.Format("This tape has %d punches, but the editor holds only twelve: the first twelve are shown, "
                       "and OK leaves the tape unchanged.",
                       m_nPunches);
        SetDlgItemText(IDC_CCT_TOO_LONG, strNote);
        ::ShowWindow(::GetDlgItem(m_hWnd, IDC_CCT_TOO_LONG), SW_SHOW);
        for (int r = 0; r < kChannels; ++r)
            for (UINT nID : {IDC_CCT_FIRST_LINE + r, IDC_CCT_FIRST_LINE_SPIN + r, IDC_CCT_FIRST_CHAN + r,
                             IDC_CCT_FIRST_CHAN_SPIN + r})
                ::EnableWindow(::GetDlgItem(m_hWnd, (int)nID), FALSE);
    }
    // Where the user left it; without a place of its own, centred over its
    // owner (as every dialog opens).
    CWindowPlacement::Restore(kPlacementName, this);
    return TRUE;
}

void CCTapeDlg::DoDataExchange(CDataExchange* pDX)
{
    CHelpButtonDlg::DoDataExchange(pDX);
    if (pDX->m_bSaveAndValidate && TooLong())
        return;  // the tape goes back as it came
    for (int r = 0; r < kChannels; ++r) {
        DDX_Text(pDX, IDC_CCT_FIRST_LINE + r, m_nPunchLine[r]);
        DDX_Text(pDX, IDC_CCT_FIRST_CHAN + r, m_nPunchChannel[r]);
    }
    // The ranges are checked once, row by row, with one text each (a
    // range check of its own here would let line 0 by with another text).
    if (!pDX->m_bSaveAndValidate || pDX->m_bFailed)
        return;
    if (ValidateFields(pDX))
        FormatCCTape();
}

// Every row a line of 1 to 255 and a channel of 1 to 12, row by row.
bool CCTapeDlg::ValidateFields(CDataExchange* pDX)
{
    for (int r = 0; r < kChannels; ++r) {
        UINT nID = 0;
        CString strTitle, strText;
        if (m_nPunchLine[r] < 1 || m_nPunchLine[r] > kMaxTapeLine) {
            nID = IDC_CCT_FIRST_LINE + r;
            strTitle = "Line";
            strText.Format("Invalid line number (valid range is 1 to %u)", kMaxTapeLine);
        } else if (m_nPunchChannel[r] < 1 || m_nPunchChannel[r] > (unsigned)kChannels) {
            nID = IDC_CCT_FIRST_CHAN + r;
            strTitle = "Channel";
            strText = "Invalid channel number (valid range is 1 to 12)";
        } else
            continue;
        pDX->PrepareEditCtrl((int)nID);
        ErrorBalloon(this, nID, strTitle, strText, kBalloonIconWarning);
        pDX->Fail();
        return false;
    }
    return true;
}

void CCTapeDlg::OnDestroy()
{
    CWindowPlacement::Save(kPlacementName, this);
    g_VisualStylesXP.BufferedPaintUnInit();
    CHelpButtonDlg::OnDestroy();
}
