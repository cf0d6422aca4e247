// ProgressDlg.cpp: the progress window of a utility run.
#include "session/ProgressDlg.h"

#include "framework/HelpKeys.h"
#include "platform/DDX.h"
#include "platform/Trace.h"
#include "session/PipedProcessCtl.h"
#include "session/SessionMessages.h"
#include "session/UtilityProgress.h"
#include "session/WindowPlaceClear.h"

#include <vector>

namespace {
// The bar's range: tenths of a percent.
const int kBarRange = 1000;
// Width of a window with no remembered placement.
const int kDefaultWidth = 375;
}  // namespace

// The HTML Help topics of the window and its controls.
const UINT kHelpIdProgress = 4828;
const UINT kHelpIdProgressCancel = 4829;
const UINT kHelpIdProgressBar = 4830;

BEGIN_MESSAGE_MAP(CProgressDlg, cdxCDynamicHelpDialog)
    ON_BN_CLICKED(IDC_PROGRESS_CANCEL, OnCancelButton)
    ON_SYSCOMMAND_ID(SC_CLOSE, OnCancelButton)
    ON_WM_CLOSE()
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

// The bar stretches with the width, the percentage follows the right edge,
// Cancel stays in the middle.
BEGIN_DYNAMIC_MAP(CProgressDlg, cdxCDynamicHelpDialog)
    DYNAMIC_MAP_ENTRY(IDC_PROGRESS_BAR, mdResize, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_PROGRESS_PERCENT, mdRepos, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_PROGRESS_CANCEL, mdRelative, mdNone)
END_DYNAMIC_MAP()

CProgressDlg::CProgressDlg(CPipedProcessCtl* pOwner, HICON hIcon, INT64 nLow, INT64 nHigh)
    : cdxCDynamicHelpDialog(IDD), m_pOwner(pOwner), m_hIcon(hIcon)
{
    // Every progress window shares one remembered placement.
    m_strPositionName = "CProgressDlg";
    SetRange64(nLow, nHigh);
}

CProgressDlg::CProgressDlg(CPipedProcessCtl* pOwner, HICON hIcon, double fLow, double fHigh)
    : cdxCDynamicHelpDialog(IDD), m_pOwner(pOwner), m_hIcon(hIcon)
{
    m_strPositionName = "CProgressDlg";
    SetRangeDouble(fLow, fHigh);
}

void CProgressDlg::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    cdxCDynamicHelpDialog::RegisterStandardHelpStrings();
    SetHelpString(WindowHelpKey(IDD), IDS_HELP_PROGRESS);
    SetHelpString(MakeHelpKey(IDD, IDC_PROGRESS_PERCENT), IDS_HELP_PROGRESS_PERCENT);
    SetHelpString(MakeHelpKey(IDD, IDC_PROGRESS_BAR), IDS_HELP_PROGRESS_BAR);
    SetHelpString(MakeHelpKey(IDD, IDC_PROGRESS_CANCEL), IDS_HELP_PROGRESS_CANCEL);
}

void CProgressDlg::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    cdxCDynamicHelpDialog::RegisterHelpStrings();
    SetHelpId(WindowHelpKey(IDD), kHelpIdProgress);
    SetHelpId(MakeHelpKey(IDD, IDC_PROGRESS_CANCEL), kHelpIdProgressCancel);
    SetHelpId(MakeHelpKey(IDD, IDC_PROGRESS_BAR), kHelpIdProgressBar);
}

BOOL CProgressDlg::CreateHidden(HWND hParent)
{
    m_hNotifyWnd = hParent;
    return Create(IDD, CWnd::FromHandle(hParent));
}

void CProgressDlg::ShowInactive()
{
    // SW_SHOWNA: on top of the windows of its level, not activated.
    ShowWindow(SW_SHOWNA);
}

void CProgressDlg::DoDataExchange(CDataExchange* pDX)
{
    cdxCDynamicHelpDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROGRESS_CANCEL, m_CancelButton);
    DDX_Control(pDX, IDC_PROGRESS_PERCENT, m_Percent);
    DDX_Control(pDX, IDC_PROGRESS_BAR, m_Progress);
}

BOOL CProgressDlg::OnInitDialog()
{
    // The width of a window with no remembered placement; the layout takes
    // it as the smallest.
    CRect rect;
    GetWindowRect(&rect);
    SetWindowPos(nullptr, 0, 0, kDefaultWidth, rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Data exchange, then the layout, which restores the placement or centres.
    cdxCDynamicHelpDialog::OnInitDialog();
    HICON hIcon = m_hIcon;
    if (!hIcon)
        hIcon = (HICON)::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                    ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON),
                                    LR_SHARED);
    SetIcon(hIcon, FALSE);
    if (m_pOwner)
        SetWindowText(m_pOwner->GetName());
    m_Progress.SetRange32(0, kBarRange);
    m_Progress.SetPos(0);
    m_Percent.SetWindowText("0.0%");
    PlaceClearOfOtherRuns();
    // No focus yet: made hidden and shown without activation, the window
    // leaves the focus where the user works. The click that activates it
    // has the dialog manager put the focus on Cancel, its first tab stop.
    return FALSE;
}

namespace {

struct SOtherWindows {
    HWND hSelf;
    std::vector<RECT> rects;
};

BOOL CALLBACK CollectVisibleProgressWindow(HWND hWnd, LPARAM lParam)
{
    SOtherWindows* pOthers = (SOtherWindows*)lParam;
    RECT rc;
    if (hWnd != pOthers->hSelf && ::IsWindowVisible(hWnd) &&
        dynamic_cast<CProgressDlg*>(CWnd::FromHandlePermanent(hWnd)) && ::GetWindowRect(hWnd, &rc))
        pOthers->rects.push_back(rc);
    return TRUE;
}

}  // namespace

void CProgressDlg::PlaceClearOfOtherRuns()
{
    // Every run opens at the one remembered place: the progress windows of
    // runs that go on at the same time would hide one another.
    SOtherWindows others{ m_hWnd, {} };
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectVisibleProgressWindow, (LPARAM)&others);
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    if (!::GetMonitorInfoA(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &mi)) {
        TRACE_FAILED_CALL("GetMonitorInfo(...)");
        return;
    }
    CRect rcWant;
    GetWindowRect(&rcWant);
    int nStep = ::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYSIZEFRAME);
    RECT rc = PlaceWindowClear(rcWant, others.rects, mi.rcWork, nStep);
    if (rc.left != rcWant.left || rc.top != rcWant.top)
        SetWindowPos(nullptr, rc.left, rc.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

template <class T>
void CProgressDlg::TakeRange(SRange<T>& range, T tLow, T tHigh)
{
    m_bDescending = tLow > tHigh;
    range.tLow = m_bDescending ? tHigh : tLow;
    range.tHigh = m_bDescending ? tLow : tHigh;
    range.tPos = range.tLow;
}

// A total of 0 stays at 0%: the position is clamped onto its one value.
template <class T>
T CProgressDlg::MoveTo(SRange<T>& range, T tPos, double (*pfnFraction)(T, T, T))
{
    T tPrevious = range.tPos;
    range.tPos = ClampProgress(tPos, range.tLow, range.tHigh);
    SetPercent(m_bDescending ? pfnFraction(range.tHigh, range.tLow, range.tPos)
                             : pfnFraction(range.tLow, range.tHigh, range.tPos));
    return tPrevious;
}

void CProgressDlg::SetRange64(INT64 nLow, INT64 nHigh)
{
    TakeRange(m_range64, nLow, nHigh);
    m_rangeDouble = { 0.0, kDefaultDoubleRange, 0.0 };
    SetPos64(m_range64.tLow);
}

void CProgressDlg::SetRangeDouble(double fLow, double fHigh)
{
    TakeRange(m_rangeDouble, fLow, fHigh);
    m_range64 = { 0, (INT64)kDefaultDoubleRange, 0 };
    SetPosDouble(m_rangeDouble.tLow);
}

INT64 CProgressDlg::SetPos64(INT64 nPos)
{
    return MoveTo(m_range64, nPos, ProgressFraction);
}

double CProgressDlg::SetPosDouble(double fPos)
{
    return MoveTo(m_rangeDouble, fPos, ProgressFractionDouble);
}

void CProgressDlg::SetPercent(double fFraction)
{
    if (!m_hWnd)
        return;
    double fPercent = fFraction * 100.0;
    m_Progress.SetPos((int)(fPercent * 10.0));
    CString strText;
    strText.Format("%5.1f%%", fPercent);
    m_Percent.SetWindowText(strText);
}

void CProgressDlg::OnCancelButton()
{
    // Disabled after the first press: one WM_UTILITY_CANCEL per run.
    if (!m_CancelButton.IsWindowEnabled())
        return;
    m_CancelButton.EnableWindow(FALSE);
    if (m_hNotifyWnd)
        ::PostMessageA(m_hNotifyWnd, WM_UTILITY_CANCEL, 0, (LPARAM)m_pOwner);
}

void CProgressDlg::OnCancel()
{
    OnCancelButton();
    // Only hidden: the owner destroys the window when the run has ended.
    ShowWindow(SW_HIDE);
}

void CProgressDlg::OnOK()
{
    // On Windows Enter presses the focused button; Wine's dialog manager does
    // not make the focused Cancel button the default one and sends IDOK.
    OnCancelButton();
}

void CProgressDlg::OnClose()
{
    // Not the user's close of this window (that is its SC_CLOSE): another
    // program's (taskkill, the system's end task). The run goes on; the
    // window comes up with its caption flashing, without the activation of
    // the window the user works in, unless a modal window holds it.
    if (!IsWindowVisible() || !IsWindowEnabled())
        return;
    ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    FLASHWINFO fi = {sizeof fi, m_hWnd, FLASHW_CAPTION, 3, 0};
    ::FlashWindowEx(&fi);
}

void CProgressDlg::OnWindowPosChanging(WINDOWPOS* pPos)
{
    // Resizable in width only: the height stays what it is.
    if (!(pPos->flags & SWP_NOSIZE)) {
        CRect rect;
        GetWindowRect(&rect);
        pPos->cy = rect.Height();
    }
    cdxCDynamicHelpDialog::OnWindowPosChanging(pPos);
}

void CProgressDlg::PostNcDestroy()
{
    delete this;
}
