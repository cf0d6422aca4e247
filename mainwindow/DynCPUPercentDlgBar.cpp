// DynCPUPercentDlgBar.cpp: the CPU busy-percentage bar's rows, messages and
// colours.
#include "mainwindow/DynCPUPercentDlgBar.h"

#include "config/Limits.h"
#include "config/ValueConversions.h"
#include "config/WindowHelpers.h"
#include "framework/HelpKeys.h"
#include "platform/CCmdUI.h"
#include "platform/CDC.h"
#include "platform/CWinApp.h"
#include "platform/OneStepPaint.h"
#include "session/PrivateMessages.h"

namespace {

const char kSection[] = "Settings\\PercentBar";
const UINT kHelpIdBar = 1981;

// The rows the bar has that "MaxCPUs" allows.
int MaxRows()
{
    return (int)g_nMaxCPUs < CDynCPUPercentDlgBar::kRows ? (int)g_nMaxCPUs : CDynCPUPercentDlgBar::kRows;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDynCPUPercentDlgBar, CMainWindowBarDlg)
    ON_MESSAGE(WM_MAXCPU_CHANGED, OnMaxCPUChanged)
    ON_MESSAGE(WM_CPU_PERCENT, OnCPUPercent)
    ON_MESSAGE(WM_CPU_ENGINE_TYPE, OnEngineType)
    ON_MESSAGE(WM_EMULATOR_ACTIVE, OnEmulatorPower)
    ON_UPDATE_COMMAND_UI_RANGE(IDC_CPUPCT_METER0, IDC_CPUPCT_METER0 + kRows, OnUpdateMeter)
    ON_WM_CTLCOLOR()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

// Each row's meter stretches with the width, its percentage moves with it.
// The last row comes first: the rows made, 0 .. n-1, are the table's last
// 2n entries.
struct SRowMap {
    cdxDynamicMapEntry entries[2 * CDynCPUPercentDlgBar::kRows + 1];
    SRowMap()
    {
        for (int n = 0; n < CDynCPUPercentDlgBar::kRows; ++n) {
            int i = 2 * (CDynCPUPercentDlgBar::kRows - 1 - n);
            entries[i] = {kDynMapPercents, (DWORD)(IDC_CPUPCT_METER0 + n), 0, 0, 100, 0};
            entries[i + 1] = {kDynMapPercents, (DWORD)(IDC_CPUPCT_PERCENT0 + n), 100, 0, 100, 0};
        }
        entries[2 * CDynCPUPercentDlgBar::kRows] = {kDynMapEnd, 0, 0, 0, 0, 0};
    }
    const cdxDynamicMapEntry* RowsBelow(int nRows) const { return entries + 2 * (CDynCPUPercentDlgBar::kRows - nRows); }
};
const SRowMap kRowMap;

// Row n's controls, or -1 for another control.
int RowOfControl(UINT nID)
{
    for (UINT nBase : {IDC_CPUPCT_ENGINE0, IDC_CPUPCT_METER0, IDC_CPUPCT_PERCENT0})
        if (nID >= nBase && nID < nBase + CDynCPUPercentDlgBar::kRows)
            return (int)(nID - nBase);
    return -1;
}

}  // namespace

const cdxDynamicMapEntry* CDynCPUPercentDlgBar::GetDynamicMap(const cdxDynamicMapEntry* pPrev)
{
    const cdxDynamicMapEntry* pRows = kRowMap.RowsBelow(m_nRowsMade);
    if (pPrev == pRows)
        return nullptr;
    const cdxDynamicMapEntry* p = CMainWindowBarDlg::GetDynamicMap(pPrev);
    return p ? p : pRows;
}

CDynCPUPercentDlgBar::CDynCPUPercentDlgBar(CWnd* pParent)
    : CMainWindowBarDlg(IDD, ID_VIEW_CPUPCT_BAR, 10, pParent)
{
    m_nIDHelpDialog = IDD;
    if (CWinApp* pApp = AfxGetApp()) {
        for (int t = 0; t < kEngineTypes; ++t) {
            CString strName = EngineTypeName(t);
            m_nMeterColor[t] = pApp->GetProfileInt(kSection, "Color" + strName, 1);
            m_nMeterStyle[t] = pApp->GetProfileInt(kSection, "Type" + strName, 1);
        }
        clrFont = (COLORREF)pApp->GetProfileInt(kSection, "clrFont", (int)clrFont);
        clrBG = (COLORREF)pApp->GetProfileInt(kSection, "clrBG", (int)clrBG);
        // A stored count this bar cannot show starts with no rows.
        int nCount = pApp->GetProfileInt(kSection, "LRUMaxCPUs", 0);
        m_nCPUCount = nCount >= 0 && nCount <= MaxRows() ? nCount : 0;
    }
    m_brBG.CreateSolidBrush(clrBG);
}

CDynCPUPercentDlgBar::~CDynCPUPercentDlgBar()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->WriteProfileInt(kSection, "LRUMaxCPUs", m_nCPUCount);
}

void CDynCPUPercentDlgBar::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    CMainWindowBarDlg::RegisterStandardHelpStrings();
    SetHelpString(MakeHelpKey(IDD, 0), IDS_HELP_CPUPCT_BAR);
    for (UINT n = 0; n < kRows; ++n) {
        SetHelpString(MakeHelpKey(IDD, IDC_CPUPCT_ENGINE0 + n), IDS_HELP_CPUPCT_BAR + 1);
        SetHelpString(MakeHelpKey(IDD, IDC_CPUPCT_METER0 + n), IDS_HELP_CPUPCT_BAR + 2);
        SetHelpString(MakeHelpKey(IDD, IDC_CPUPCT_PERCENT0 + n), IDS_HELP_CPUPCT_BAR + 3);
    }
}

void CDynCPUPercentDlgBar::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    CMainWindowBarDlg::RegisterHelpStrings();
    SetHelpId(MakeHelpKey(IDD, 0), kHelpIdBar);
}

bool CDynCPUPercentDlgBar::Create(CSizingControlBar* pHostBar)
{
    m_nRowsMade = m_nCPUCount;
    if (CreateWithout(pHostBar, [this](UINT nID) { return RowOfControl(nID) >= m_nCPUCount; }))
        return true;
    m_nRowsMade = kRows;
    return false;
}

BOOL CDynCPUPercentDlgBar::OnInitDialog()
{
    SetSmallAppIcon();
    CMainWindowBarDlg::OnInitDialog();
    for (int n = 0; n < m_nRowsMade; ++n)
        InitRow(n);
    SetCPUCount(m_nCPUCount);
    return TRUE;
}

void CDynCPUPercentDlgBar::InitRow(int nRow)
{
    m_lblEngine[nRow].SubclassDlgItem(IDC_CPUPCT_ENGINE0 + nRow, this);
    m_meters[nRow].SubclassDlgItem(IDC_CPUPCT_METER0 + nRow, this);
    m_lblPercent[nRow].SubclassDlgItem(IDC_CPUPCT_PERCENT0 + nRow, this);
    StyleMeter(nRow);
    m_meters[nRow].SendMessage(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    m_meters[nRow].SetPos(0);
}

// In template order, a row at a time: each row's three controls follow the
// rows made before it.
void CDynCPUPercentDlgBar::MakeRows(int nRows)
{
    if (!m_hWnd)
        return;
    for (int n = m_nRowsMade; n < nRows && n < kRows; ++n) {
        m_nRowsMade = n + 1;  // its layout entries join the map first
        for (UINT nBase : {IDC_CPUPCT_ENGINE0, IDC_CPUPCT_METER0, IDC_CPUPCT_PERCENT0})
            MakeTemplateControl(nBase + (UINT)n);
        InitRow(n);
    }
}

CMyProgCtl& CDynCPUPercentDlgBar::Meter(int n)
{
    MakeRows(n + 1);
    return m_meters[n];
}

void CDynCPUPercentDlgBar::StyleMeter(int nRow)
{
    int nType = m_nEngineType[nRow];
    m_meters[nRow].SetFillState(m_nMeterColor[nType]);
    m_meters[nRow].SetBarPart(m_nMeterStyle[nType]);
}

void CDynCPUPercentDlgBar::SetCPUCount(int nCount)
{
    if (nCount < 0 || nCount > (int)g_nMaxCPUs)
        return;
    m_nCPUCount = nCount;
    if (!m_hWnd)
        return;
    MakeRows(nCount);
    // Only the rows whose visibility changes are touched: the template's 64
    // rows start hidden, and most stay so (rows not made are hidden).
    for (int n = 0; n < m_nRowsMade; ++n) {
        bool bShow = n < nCount;
        for (CWnd* pCtl : {(CWnd*)&m_lblEngine[n], (CWnd*)&m_meters[n], (CWnd*)&m_lblPercent[n]}) {
            if (((pCtl->GetStyle() & WS_VISIBLE) != 0) == bShow)
                continue;
            pCtl->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
            if (bShow)
                pCtl->Invalidate();
        }
    }
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    // A row per processor shown: the bar is cut only between them, and
    // docked at the top or bottom it is as high as they are.
    SetHostRowStops(IDC_CPUPCT_METER0, kRows);
}

LRESULT CDynCPUPercentDlgBar::OnMaxCPUChanged(WPARAM wp, LPARAM)
{
    SetCPUCount((int)wp);
    return 0;
}

// Unsigned comparisons: a negative processor or percentage is out of range.
LRESULT CDynCPUPercentDlgBar::OnCPUPercent(WPARAM wp, LPARAM lp)
{
    if ((UINT)wp >= kRows || (UINT)lp > 100)
        return 0;
    MakeRows((int)wp + 1);
    ShowPercent((int)wp, m_bEmulatorActive ? (int)lp : 0);
    return 0;
}

void CDynCPUPercentDlgBar::ShowPercent(int nRow, int nPercent)
{
    if (!m_hWnd)
        return;
    CString strText;
    strText.Format("%d%%", nPercent);
    const bool bNewPos = m_meters[nRow].SetPos(nPercent) != nPercent;
    if (ShowWindowText(m_lblPercent[nRow].m_hWnd, strText) || bNewPos)
        DrawRow(nRow);
}

void CDynCPUPercentDlgBar::DrawRow(int nRow)
{
    DrawChildrenInOneStep(m_hWnd, {m_lblEngine[nRow].m_hWnd, m_meters[nRow].m_hWnd, m_lblPercent[nRow].m_hWnd});
}

LRESULT CDynCPUPercentDlgBar::OnEngineType(WPARAM wp, LPARAM lp)
{
    if ((int)wp < 0 || (int)wp >= m_nCPUCount || (int)wp >= kRows || (UINT)lp >= kEngineTypes)
        return 0;
    int nRow = (int)wp;
    m_nEngineType[nRow] = (int)lp;
    CString strLabel;
    strLabel.Format("%s%02.2d", EngineTypeName((int)lp), nRow);
    if (m_hWnd) {
        m_lblEngine[nRow].SetWindowText(strLabel);
        StyleMeter(nRow);
        DrawRow(nRow);
    }
    return 0;
}

LRESULT CDynCPUPercentDlgBar::OnEmulatorPower(WPARAM wp, LPARAM)
{
    m_bEmulatorActive = wp != 0;
    if (!m_bEmulatorActive)
        for (int n = 0; n < m_nCPUCount && n < kRows; ++n)
            ShowPercent(n, 0);
    return 1;
}

void CDynCPUPercentDlgBar::OnUpdateMeter(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

void CDynCPUPercentDlgBar::ApplyAppearance()
{
    m_brBG.DeleteObject();
    m_brBG.CreateSolidBrush(clrBG);
    if (m_hWnd)
        for (int n = 0; n < MaxRows() && n < m_nRowsMade; ++n)
            StyleMeter(n);
    if (CWinApp* pApp = AfxGetApp()) {
        for (int t = 0; t < kEngineTypes; ++t) {
            CString strName = EngineTypeName(t);
            pApp->WriteProfileInt(kSection, "Color" + strName, m_nMeterColor[t]);
            pApp->WriteProfileInt(kSection, "Type" + strName, m_nMeterStyle[t]);
        }
        pApp->WriteProfileInt(kSection, "clrFont", (int)clrFont);
        pApp->WriteProfileInt(kSection, "clrBG", (int)clrBG);
    }
    RedrawBar();
}

HBRUSH CDynCPUPercentDlgBar::OnCtlColor(CDC* pDC, CWnd*, UINT nCtlColor)
{
    if (nCtlColor != CTLCOLOR_STATIC)
        return nullptr;
    return SetBarColors(pDC, clrFont, clrBG, m_brBG);
}

BOOL CDynCPUPercentDlgBar::OnEraseBkgnd(CDC* pDC)
{
    return FillClient(pDC, clrBG);
}
