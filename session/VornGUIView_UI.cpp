// VornGUIView_UI.cpp: the console pane: adding lines, following the end,
// painting, erasing, scrolling and the keyboard commands.
#include "session/VornGUIView.h"

#include "resources/resource.h"

#include "platform/BCMenu.h"
#include "platform/CDC.h"
#include "platform/CWinApp.h"
#include "platform/TextFunctions.h"
#include "resources/resource.h"
#include "session/ConsoleCommands.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIDoc.h"

BEGIN_MESSAGE_MAP(CVornGUIView, CScrollView)
    ON_WM_DESTROY()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_WM_CHAR()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_MESSAGE(WM_MOUSEACTIVATE, OnMouseActivateMsg)
    ON_COMMAND_RANGE(ID_SCROLL_LINE_UP, ID_SCROLL_PAGE_RIGHT, OnScrollCommand)
    ON_COMMAND(ID_CMD_HISTORY_PREV, OnHistoryPrev)
    ON_COMMAND(ID_CMD_HISTORY_NEXT, OnHistoryNext)
    ON_COMMAND(ID_CMDLINE_SEND, OnCommandLineEntered)
    ON_COMMAND(ID_EDIT_COPY_LINES, OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY_LINES, OnUpdateEditCopy)
    ON_COMMAND(ID_EDIT_FIND_MESSAGE, OnEditFind)
    ON_COMMAND(ID_FIND_NEXT, OnFindNext)
    ON_COMMAND(ID_FIND_PREVIOUS, OnFindPrevious)
    ON_UPDATE_COMMAND_UI(ID_EDIT_FIND_MESSAGE, OnUpdateFind)
    ON_UPDATE_COMMAND_UI(ID_FIND_NEXT, OnUpdateFind)
    ON_UPDATE_COMMAND_UI(ID_FIND_PREVIOUS, OnUpdateFind)
    ON_COMMAND(ID_VIEW_DELETE_MESSAGES, OnDeleteMessages)
    ON_COMMAND(ID_EDIT_CLEAR_ALL, OnDeleteSessionMessages)
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_SHELL_TARGET_DIR, OnShellTargetDirButton)
    ON_UPDATE_COMMAND_UI(ID_CMDLINE_SEND, OnUpdateCmdLineSend)
    ON_MESSAGE(WM_CHOOSE_BAR_FONT, OnChooseBarFont)
    // The preferences (VornGUIViewPrefs.cpp).
    ON_MESSAGE(WM_PREFS_APPLY_PAGE, OnPrefsApplyPage)
    ON_COMMAND(ID_EDIT_PREFERENCES, OnPreferences)
    ON_COMMAND(ID_VIEW_PROPERTIES, OnViewProperties)
    ON_COMMAND(ID_STATUSBAR_PROPERTIES, OnStatusBarProperties)
    ON_COMMAND(ID_OPS_START_ALL, OnStartButton)
    ON_COMMAND(ID_OPS_STOP_ALL, OnStopButton)
    ON_COMMAND(ID_OPS_INTERRUPT, OnInterruptButton)
    ON_COMMAND(ID_OPS_STORE_STATUS, OnStoreButton)
    ON_COMMAND(ID_OPS_PSW_RESTART, OnRestartButton)
    ON_UPDATE_COMMAND_UI_RANGE(ID_OPS_IPL, ID_OPS_PSW_RESTART, OnUpdateEmulatorCommand)
    ON_UPDATE_COMMAND_UI(ID_OPS_DEVICE_INTERRUPT, OnUpdateEmulatorCommand)
    ON_UPDATE_COMMAND_UI(ID_OPS_LOAD_READER, OnUpdateReaderCommand)
    ON_UPDATE_COMMAND_UI_RANGE(ID_OPS_LOAD_TAPE, ID_OPS_UNLOAD_TAPE, OnUpdateTapeCommand)
    ON_MESSAGE(WM_FINDREP_NOTIFY, OnFindReplaceNotify)
    // The emulator session (VornGUIViewPipe.cpp, VornGUIViewCommands.cpp).
    ON_MESSAGE(WM_PENDING_LINES, OnPendingLines)
    ON_MESSAGE_RANGE(WM_STATUSPART0_CHANGED, WM_STATUSPART4_CHANGED, OnStatusPartChanged)
    ON_MESSAGE_RANGE(WM_REG_GR0_3, WM_REG_VR30, OnRegisterFieldChanged)
    ON_MESSAGE(WM_SHELL_DIR_REPORTED, OnShellDirReported)
    ON_MESSAGE(WM_ARM_SHUTDOWN_WATCHDOG, OnArmShutdownWatchdog)
    ON_MESSAGE(WM_EMULATOR_READY, OnEmulatorReady)
    ON_MESSAGE(WM_MAIN_STORAGE_KNOWN, OnMainStorageKnown)
    ON_MESSAGE(WM_UTILITY_ENDED, OnUtilityEndedMsg)
    ON_MESSAGE(WM_UTILITY_STATUS, OnUtilityStatus)
    ON_MESSAGE(WM_UTILITY_CANCEL, OnUtilityCancel)
    // The configuration's File commands (VornGUIViewFile.cpp).
    ON_COMMAND(ID_NEW_CONFIGURATION, OnNewConfiguration)
    ON_COMMAND(ID_OPEN_CONFIGURATION, OnOpenConfiguration)
    ON_COMMAND(ID_REOPEN_CONFIGURATION, OnReopenConfiguration)
    ON_COMMAND(ID_CLOSE_CONFIGURATION, OnCloseConfiguration)
    ON_COMMAND(ID_SAVE_CONFIGURATION, OnSaveConfiguration)
    ON_COMMAND(ID_SAVE_CONFIGURATION_AS, OnSaveConfigurationAs)
    ON_COMMAND(ID_CONFIGURE_SETTINGS, OnConfigureSettings)
    ON_COMMAND(ID_CONFIGURE_DEVICES, OnConfigureDevices)
    ON_COMMAND(ID_MANUAL_EDIT, OnManualEdit)
    ON_UPDATE_COMMAND_UI(ID_NEW_CONFIGURATION, OnUpdateNoEmulator)
    ON_UPDATE_COMMAND_UI(ID_OPEN_CONFIGURATION, OnUpdateNoEmulator)
    ON_UPDATE_COMMAND_UI(ID_REOPEN_CONFIGURATION, OnUpdateHasPathNoEmulator)
    ON_UPDATE_COMMAND_UI(ID_CLOSE_CONFIGURATION, OnUpdateHasPathNoEmulator)
    ON_UPDATE_COMMAND_UI(ID_SAVE_CONFIGURATION, OnUpdateSaveConfiguration)
    ON_UPDATE_COMMAND_UI(ID_SAVE_CONFIGURATION_AS, OnUpdateSaveConfigurationAs)
    ON_UPDATE_COMMAND_UI(ID_CONFIGURE_SETTINGS, OnUpdateConfigure)
    ON_UPDATE_COMMAND_UI(ID_CONFIGURE_DEVICES, OnUpdateConfigure)
    ON_UPDATE_COMMAND_UI(ID_MANUAL_EDIT, OnUpdateManualEdit)
    // The emulator's power (VornGUIViewPower.cpp).
    ON_COMMAND(ID_POWER_ON, OnPowerOnCommand)
    ON_COMMAND(ID_POWER_OFF, OnPowerOffCommand)
    ON_UPDATE_COMMAND_UI(ID_POWER_ON, OnUpdatePowerOn)
    ON_UPDATE_COMMAND_UI(ID_POWER_OFF, OnUpdatePowerOff)
    ON_MESSAGE(WM_CHECK_REQUIRED_DIRS, OnCheckRequiredDirs)
    ON_MESSAGE(WM_POWER_ON_REQUEST, OnPowerOnRequest)
    ON_MESSAGE(WM_POWER_ON_STEP, OnPowerOnStep)
    ON_MESSAGE(WM_APPLY_POWER_OFF_OPTION, OnApplyPowerOffOption)
    ON_MESSAGE(WM_SYSCFG_APPLY, OnSysCfgApply)
    ON_MESSAGE(WM_RUN_SYSCFG_DIALOG, OnRunSysCfgDialog)
    // The control panel (VornGUIViewPanel.cpp).
    ON_COMMAND(IDC_PANEL_START, OnStartButton)
    ON_COMMAND(IDC_PANEL_STOP, OnStopButton)
    ON_COMMAND(IDC_PANEL_STORE, OnStoreButton)
    ON_COMMAND(IDC_PANEL_RESTART, OnRestartButton)
    ON_COMMAND(IDC_PANEL_INTERRUPT, OnInterruptButton)
    ON_COMMAND(IDC_PANEL_LOAD, OnLoadButton)
    ON_COMMAND(IDC_PANEL_POWERONOFF, OnPowerOnButton)
    ON_COMMAND(IDC_PANEL_POWERONON, OnPowerOnLight)
    ON_COMMAND(IDC_PANEL_POWEROFF, OnPowerOffButton)
    ON_MESSAGE(WM_LOAD_INDICATOR_CHANGED, OnLoadIndicatorChanged)
    ON_MESSAGE(WM_RUN_INDICATOR_CHANGED, OnRunIndicatorChanged)
    ON_MESSAGE(WM_MANUAL_INDICATOR_CHANGED, OnManualIndicatorChanged)
    ON_MESSAGE(WM_CPU_AVERAGE_READY, OnCpuAverageReady)
    // The Utilities menu (VornGUIView_Utilities.cpp).
    ON_COMMAND(ID_UTIL_WIDENVOL, OnWidenVol)
    ON_COMMAND(ID_UTIL_VOLMAKE, OnVolMake)
    ON_COMMAND(ID_UTIL_VOLRECAST, OnVolRecast)
    ON_COMMAND(ID_UTIL_VOLCLONE, OnVolClone)
    ON_COMMAND(ID_UTIL_VOLBUILD, OnVolBuild)
    ON_COMMAND(ID_UTIL_VOLPATCH, OnVolPatch)
    ON_COMMAND(ID_UTIL_MAPIMPORT, OnMapImport)
    ON_COMMAND(ID_UTIL_PACKFLIP, OnPackFlip)
    ON_COMMAND(ID_UTIL_REELSCAN, OnReelScan)
    ON_COMMAND(ID_UTIL_REELBUILD, OnReelBuild)
    ON_COMMAND(ID_UTIL_REELDIVIDE, OnReelDivide)
    ON_COMMAND(ID_UTIL_REELDUB, OnReelDub)
    ON_COMMAND(ID_UTIL_REELBLANK, OnReelBlank)
    ON_COMMAND(ID_UTIL_REELINFO, OnReelInfo)
    ON_COMMAND(ID_UTIL_REELREPACK, OnReelRepack)
    ON_COMMAND(ID_UTIL_REELFETCH, OnReelFetch)
    ON_COMMAND(ID_UTIL_PACKCHECK, OnPackCheck)
    ON_COMMAND(ID_UTIL_PACKSQUEEZE, OnPackSqueeze)
    ON_COMMAND(ID_UTIL_VOLIDENT, OnVolIdent)
    ON_COMMAND(ID_UTIL_PACKPROBE, OnPackProbe)
    ON_COMMAND(ID_UTIL_PACKLAYOUT, OnPackLayout)
    ON_COMMAND(ID_HELP_DASD_CHART, OnHelpDasdChart)
    ON_MESSAGE(WM_GEOMETRY_CHART_CLOSED, OnGeometryChartClosed)
    ON_COMMAND(ID_UTIL_VOLSHOW, OnVolShow)
    ON_COMMAND(ID_UTIL_VOLEXTRACT, OnVolExtract)
    ON_COMMAND(ID_UTIL_VOLUNLOAD, OnVolUnload)
    ON_COMMAND(ID_UTIL_VOLLIST, OnVolList)
    ON_COMMAND(ID_UTIL_VMFPLC2, OnVMFPLC2)
    // The bars' subscriptions (VornGUIViewSubscribe.cpp).
    ON_MESSAGE(WM_SUBSCRIBE_DEVLIST, OnSubscribeDevList)
    ON_MESSAGE(WM_SUBSCRIBE_STORAGE, OnSubscribeStorage)
    ON_MESSAGE(WM_SUBSCRIBE_CPUPCTALL, OnSubscribeCpuPctAll)
    ON_MESSAGE(WM_SUBSCRIBE_GREGS, OnSubscribeGRegs)
    ON_MESSAGE(WM_SUBSCRIBE_CREGS, OnSubscribeCRegs)
    ON_MESSAGE(WM_SUBSCRIBE_AREGS, OnSubscribeARegs)
    ON_MESSAGE(WM_SUBSCRIBE_FREGS, OnSubscribeFRegs)
    ON_MESSAGE(WM_SUBSCRIBE_GREGS64, OnSubscribeGRegs64)
    ON_MESSAGE(WM_SUBSCRIBE_CREGS64, OnSubscribeCRegs64)
    ON_MESSAGE(WM_SUBSCRIBE_FREGS64, OnSubscribeFRegs64)
    ON_MESSAGE(WM_SUBSCRIBE_VREGS, OnSubscribeVRegs)
END_MESSAGE_MAP()

void CVornGUIView::AddBannerIfDue(int nLines)
{
    if (m_strBanner.IsEmpty())
        return;
    if (m_nBannerCount == 0 || m_nBannerCount >= 1000) {
        m_nBannerCount = 0;
        GetDocument()->WriteLogLines({CString(), m_strBanner, CString()});
    }
    m_nBannerCount += nLines;
}

void CVornGUIView::EnforceMemoryLimit()
{
    CVornGUIDoc* pDoc = GetDocument();
    if (!pDoc->IsMemLimitEnabled())
        return;
    INT_PTR nExcess = pDoc->GetLineCount() - (INT_PTR)pDoc->GetMemLimit();
    if (nExcess <= 0)
        return;
    pDoc->RemoveFirstLines(nExcess);
    m_nTopLine = m_nTopLine > (int)nExcess ? m_nTopLine - (int)nExcess : 0;
    // The selection moves with its lines.
    m_sel.m_nAnchor -= (int)nExcess;
    m_sel.m_nCaret -= (int)nExcess;
    if (m_sel.m_nAnchor < 0 || m_sel.m_nCaret < 0)
        m_sel.SetEmptyAt(0);
}

void CVornGUIView::CopyCountsFromDocument()
{
    CVornGUIDoc* pDoc = GetDocument();
    m_nLineCount = pDoc ? (int)pDoc->GetLineCount() : 0;
    m_nLongest = pDoc && pDoc->GetLongestLength() > 0 ? pDoc->GetLongestLength() - 1 : 0;
}

void CVornGUIView::AddMessage(const CString& strText, bool bTimestamp, int nKind)
{
    AddBannerIfDue(1);
    CString strLine = strText;
    if (bTimestamp)
        FormatTimestamp(strLine);
    GetDocument()->WriteLogLine(strLine, nKind);
    EnforceMemoryLimit();
    CopyCountsFromDocument();
    UpdateTitle();  // the unsaved-messages mark of memory-only logging
}

void CVornGUIView::AddMessages(CConsoleBlock&& lines)
{
    AddBannerIfDue((int)lines.GetCount());
    GetDocument()->WriteLogLines(std::move(lines));
    EnforceMemoryLimit();
    CopyCountsFromDocument();
    UpdateTitle();
}

void CVornGUIView::RefreshAfterAppend(int nAdded)
{
    if (!m_hWnd)
        return;
    if (m_nLineCount == m_nTopLine) {
        m_nEraseMode = 2;
        Invalidate(TRUE);
    } else if (m_nLineCount <= m_nTopLine + m_nLinesFit) {
        int nBottom = (m_nLineCount - m_nTopLine) * m_nLineHeight;
        CRect rc(0, nBottom - (nAdded + 1) * m_nLineHeight, m_rcClient.right, nBottom);
        m_bFollowEnd = true;
        if (m_bFollowRedrawDue)
            return;  // the whole pane is redrawn soon
        InvalidateRect(&rc, FALSE);
    } else if (m_bFollowEnd) {
        m_nTopLine = m_nLinesFit >= 2 ? m_nLineCount - m_nLinesFit / 2 : m_nLineCount - 1;
        m_nEraseMode = 2;
        // A flood jumps on every batch: the whole pane and its scroll bars
        // are redrawn at most every kFollowEndRedrawMs, the rest by a timer.
        if (m_bFollowRedrawDue)
            return;
        DWORD dwNow = ::GetTickCount();
        DWORD dwSince = dwNow - m_dwLastFollowRedraw;
        if (dwSince < kFollowEndRedrawMs) {
            m_bFollowRedrawDue = true;
            SetTimer(kTimerFollowEndRedraw, kFollowEndRedrawMs - dwSince, nullptr);
            return;
        }
        m_dwLastFollowRedraw = dwNow;
        Invalidate(TRUE);
    } else if (m_bFollowRedrawDue) {
        return;
    }
    UpdateScrollBars();
}

bool CVornGUIView::SetLogRetryTimer(UINT nMs)
{
    if (!m_hWnd)
        return false;
    if (nMs > 0)
        return SetTimer(kTimerLogRetry, nMs, nullptr) != 0;
    KillTimer(kTimerLogRetry);
    return true;
}

void CVornGUIView::OnLogRetryTimer()
{
    if (GetDocument()->WriteWaitingLines())
        RefreshAfterAppend(1);  // the note that logging resumed
}

void CVornGUIView::OnFollowEndRedrawTimer()
{
    KillTimer(kTimerFollowEndRedraw);
    if (!m_bFollowRedrawDue)
        return;
    m_bFollowRedrawDue = false;
    m_dwLastFollowRedraw = ::GetTickCount();
    m_nEraseMode = 2;
    Invalidate(TRUE);
    UpdateScrollBars();
}

void CVornGUIView::RecalcPaneGeometry()
{
    m_nLinesFit = m_rcClient.Height() / m_nLineHeight;
    m_nVisibleColumns = std::max(2, m_rcClient.Width() / m_nCharWidth);
    m_nVisibleLines = std::max(2, m_nLinesFit);
    if (m_nFirstColumn > 0 && m_nVisibleColumns >= m_nLongest) {
        m_nFirstColumn = 0;
        m_nEraseMode = 2;
        Invalidate(TRUE);
    }
}

void CVornGUIView::UpdateScrollBars()
{
    SCROLLINFO si = {};
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMax = m_nLineCount > 0 ? m_nLineCount - 1 : 0;
    si.nPage = (UINT)m_nVisibleLines;
    si.nPos = m_nTopLine;
    SetScrollBar(SB_VERT, si);
    si.nMax = m_nLongest > 0 ? m_nLongest - 1 : 0;
    si.nPage = (UINT)m_nVisibleColumns;
    si.nPos = m_nFirstColumn;
    SetScrollBar(SB_HORZ, si);
}

// Every SetScrollInfo redraws the bar (themed, and under Wine through the X
// server): during a flood at the line limit the values stay the same batch
// after batch, so a bar is set only when they differ from what it was last
// given, or when its position was moved since (a thumb drag).
void CVornGUIView::SetScrollBar(int nBar, SCROLLINFO& si)
{
    SShownScroll& shown = m_shownScroll[nBar == SB_VERT ? 1 : 0];
    SCROLLINFO now = {};
    now.fMask = SIF_POS;
    if (shown.bValid && shown.nMax == si.nMax && shown.nPage == si.nPage && shown.nPos == si.nPos
        && GetScrollInfo(nBar, &now) && now.nPos == shown.nActualPos)
        return;
    SetScrollInfo(nBar, &si, TRUE);
    shown = {true, si.nMax, si.nPage, si.nPos, GetScrollInfo(nBar, &now) ? now.nPos : -1};
}

void CVornGUIView::OnSize(UINT nType, int cx, int cy)
{
    int nOldFit = m_nLinesFit;
    m_nEraseMode += (nType == SIZE_RESTORED || nType == SIZE_MAXIMIZED) ? 2 : 1;
    GetClientRect(&m_rcClient);
    RecalcPaneGeometry();
    UpdateScrollBars();
    if (m_nEraseMode > 1) {
        Invalidate(TRUE);
    } else if (m_nLinesFit != nOldFit) {
        CRect rc(0, nOldFit * m_nLineHeight, m_rcClient.right, m_rcClient.bottom);
        InvalidateRect(&rc, FALSE);
    }
}

void CVornGUIView::OnDraw(CDC* pDC)
{
    CVornGUIDoc* pDoc = GetDocument();
    if (m_nLinesFit <= 0 || !pDoc || !pDoc->HasLines())
        return;
    ::SetViewportOrgEx(pDC->m_hDC, -m_nFirstColumn * m_nCharWidth, 0, nullptr);
    CDCSelect selPlain(pDC->m_hDC, m_fonts[kMsgPlain].m_hObject);
    ::SetBkMode(pDC->m_hDC, OPAQUE);
    // Whole rows only: a part row below them would keep its line after the
    // lines scroll (only whole rows move) and show one the pane no longer holds.
    for (int row = 0; row < m_nLinesFit && m_nTopLine + row < m_nLineCount; ++row) {
        int nLine = m_nTopLine + row;
        CString strLine = pDoc->GetLine(nLine);
        int nKind = pDoc->GetGivenKind(nLine);
        if (nKind < 0)
            nKind = ::ClassifyMessage(strLine);
        DWORD crKind = m_settings.m_styles[nKind].crColor;
        CDCSelect selKind(pDC->m_hDC, m_fonts[nKind].m_hObject);
        bool bSel = m_sel.IsSelected(nLine);
        ::SetTextColor(pDC->m_hDC, bSel ? m_settings.m_crBackground : crKind);
        ::SetBkColor(pDC->m_hDC, bSel ? crKind : m_settings.m_crBackground);
        ::TextOutA(pDC->m_hDC, 3, row * m_nLineHeight, strLine, strLine.GetLength());
    }
}

int CVornGUIView::ClampTop(int n) const
{
    if (n > m_nLineCount - 1)
        n = m_nLineCount - 1;
    return n < 0 ? 0 : n;
}

void CVornGUIView::ScrollLines(int nDelta)
{
    UpdateScrollBars();
    if (std::abs(nDelta) < m_nLinesFit) {
        CRect rc(0, 0, m_rcClient.right, m_nLinesFit * m_nLineHeight);
        ScrollWindow(0, -nDelta * m_nLineHeight, &rc, &rc);
    } else {
        m_nEraseMode = 2;
        Invalidate(TRUE);
    }
}

void CVornGUIView::ScrollColumns(int nDelta)
{
    UpdateScrollBars();
    if (std::abs(nDelta) < m_nVisibleColumns) {
        ScrollWindow(-nDelta * m_nCharWidth, 0, &m_rcClient, &m_rcClient);
    } else {
        m_nEraseMode = 2;
        Invalidate(TRUE);
    }
}

void CVornGUIView::SetTopLine(int nLine)
{
    int nNew = ClampTop(nLine);
    int nDelta = nNew - m_nTopLine;
    m_nTopLine = nNew;
    if (nDelta)
        ScrollLines(nDelta);
    RecomputeFollowEnd();
}

void CVornGUIView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    int n = m_nTopLine;
    SCROLLINFO si = {};
    si.fMask = SIF_TRACKPOS | SIF_POS;
    GetScrollInfo(SB_VERT, &si);
    switch (nSBCode) {
    case SB_LINEUP: n -= 1; break;
    case SB_LINEDOWN: n += 1; break;
    case SB_PAGEUP: n -= m_nLinesFit; break;
    case SB_PAGEDOWN: n += m_nLinesFit; break;
    case SB_THUMBTRACK: n = si.nTrackPos; break;
    case SB_THUMBPOSITION: n = si.nPos; break;
    case SB_TOP: n = 0; break;
    case SB_BOTTOM: n = m_nLineCount - 1; break;
    default: return;
    }
    SetTopLine(n);
}

void CVornGUIView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    GetClientRect(&m_rcClient);
    int nPage = m_rcClient.Width() / m_nCharWidth;
    int n = m_nFirstColumn;
    SCROLLINFO si = {};
    si.fMask = SIF_TRACKPOS | SIF_POS;
    GetScrollInfo(SB_HORZ, &si);
    switch (nSBCode) {
    case SB_LINELEFT: n -= 1; break;
    case SB_LINERIGHT: n += 1; break;
    case SB_PAGELEFT: n -= nPage; break;
    case SB_PAGERIGHT: n += nPage; break;
    case SB_THUMBTRACK: n = si.nTrackPos; break;
    case SB_THUMBPOSITION: n = si.nPos; break;
    case SB_LEFT: n = 0; break;
    case SB_RIGHT: n = m_nLongest - 1; break;
    default: return;
    }
    n = std::max(0, std::min(n, m_nLongest > 0 ? m_nLongest - 1 : 0));
    int nDelta = n - m_nFirstColumn;
    m_nFirstColumn = n;
    if (nDelta)
        ScrollColumns(nDelta);
}

BOOL CVornGUIView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll)
{
    if (!bDoScroll)
        return TRUE;
    int dy = sizeScroll.cy, dx = sizeScroll.cx;
    int nLines = dy > 0 ? (dy + m_nLineHeight - 1) / m_nLineHeight : (dy - m_nLineHeight + 1) / m_nLineHeight;
    int nCols = dx > 0 ? (dx + m_nCharWidth - 1) / m_nCharWidth : (dx - m_nCharWidth + 1) / m_nCharWidth;
    SetTopLine(m_nTopLine + nLines);
    int nCol = std::max(0, std::min(m_nFirstColumn + nCols, std::max(0, m_nLongest - 1)));
    int nDelta = nCol - m_nFirstColumn;
    m_nFirstColumn = nCol;
    if (nDelta)
        ScrollColumns(nDelta);
    return TRUE;
}

BOOL CVornGUIView::OnMouseWheel(UINT, short zDelta, CPoint)
{
    UINT nLines = 3;
    ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &nLines, 0);
    SetTopLine(m_nTopLine - (zDelta * (int)nLines) / 120);
    return TRUE;
}

bool CVornGUIView::KeyDown(int vk) const
{
    return (::GetAsyncKeyState(vk) & 0x8001) == 0x8001;
}

// One step of a keyboard scroll command; false (nothing moved) when the
// document is empty or the pane is already where the command goes.
bool CVornGUIView::ScrollOnePass(UINT nID)
{
    int nPage = m_nLinesFit > 0 ? m_nLinesFit : 1;
    int nTop = m_nTopLine, nCol = m_nFirstColumn;
    switch (nID) {
    case ID_SCROLL_LINE_UP: nTop -= 1; break;
    case ID_SCROLL_LINE_DOWN: nTop += 1; break;
    case ID_SCROLL_PAGE_UP: nTop -= nPage; break;
    case ID_SCROLL_PAGE_DOWN: nTop += nPage; break;
    case ID_SCROLL_TOP: nTop = 0; nCol = 0; break;
    case ID_SCROLL_BOTTOM: nTop = std::max(0, m_nLineCount - (m_nLinesFit - 1)); nCol = 0; break;
    case ID_SCROLL_COLUMN_LEFT: nCol -= 1; break;
    case ID_SCROLL_COLUMN_RIGHT: nCol += 1; break;
    case ID_SCROLL_PAGE_LEFT: nCol -= m_rcClient.Width() / m_nCharWidth; break;
    case ID_SCROLL_PAGE_RIGHT: nCol += m_rcClient.Width() / m_nCharWidth; break;
    }
    nTop = ClampTop(nTop);
    nCol = std::max(0, std::min(nCol, std::max(0, m_nLongest - 1)));
    if (m_nLineCount == 0 || (nTop == m_nTopLine && nCol == m_nFirstColumn))
        return false;
    int nColDelta = nCol - m_nFirstColumn;
    m_nFirstColumn = nCol;
    if (nColDelta)
        ScrollColumns(nColDelta);
    SetTopLine(nTop);
    return true;
}

void CVornGUIView::OnChar(UINT nChar, UINT, UINT)
{
    if (nChar == VK_ESCAPE) {
        // A running storage search or auto-refresh is stopped first, and
        // that is all Esc does then (the storage bar's own rule).
        HWND hStorageBar = m_receivers.hDisplayAlterBar;
        if (hStorageBar && ::IsWindow(hStorageBar) && ::SendMessageA(hStorageBar, WM_STORAGE_BAR_ESCAPE, 0, 0))
            return;
        // Focus back to the view (and on to an open find dialog); a
        // selection out of sight is brought into view, one in sight is
        // cleared when the view already had the focus.
        bool bHadFocus = ::GetFocus() == m_hWnd;
        if (!bHadFocus) {
            SetFocus();
            if (m_hFindDlg && ::IsWindow(m_hFindDlg) && ::IsWindowVisible(m_hFindDlg))
                ::SetFocus(m_hFindDlg);
        }
        if (m_sel.HasSelection()) {
            int nTop = TopLineShowing(m_sel.GetFirst(), m_nTopLine, m_nLinesFit);
            if (nTop != m_nTopLine)
                SetTopLine(nTop);
            else if (bHadFocus)
                ClearSelection(true);
        }
        return;
    }
    TypeIntoCommandLine((char)nChar);
}

void CVornGUIView::TypeIntoCommandLine(char ch)
{
    // A line's worth, for an emulator that never gets ready.
    const int kMaxTypedAhead = 4095;
    bool bEnabled = m_hCmdLine && ::IsWindowEnabled(m_hCmdLine);
    if (!bEnabled && !IsEmulatorRunning() && !m_bPoweringOn)
        return;
    if (m_strTypedAhead.GetLength() < kMaxTypedAhead)
        m_strTypedAhead += ch;
    if (!bEnabled)
        return;
    ::SetFocus(m_hCmdLine);
    HandTypedAheadOn();
}

// As typed: a run of printable characters replaces the selection in one
// step, any other character goes as WM_CHAR (Backspace takes one back), and
// an Enter sends what stands in the line by then.
void CVornGUIView::HandTypedAheadOn()
{
    CString strTyped = m_strTypedAhead;
    m_strTypedAhead.Empty();
    if (!m_hCmdLine || !::IsWindow(m_hCmdLine))
        return;
    const int nLength = strTyped.GetLength();
    for (int i = 0; i < nLength;) {
        int nEnd = i;
        while (nEnd < nLength && (BYTE)strTyped[nEnd] >= ' ')
            ++nEnd;
        if (nEnd > i)
            ::SendMessageA(m_hCmdLine, EM_REPLACESEL, TRUE, (LPARAM)(LPCSTR)strTyped.Mid(i, nEnd - i));
        else if (strTyped[i] == '\r')
            SendCommandLineText();
        else
            ::SendMessageA(m_hCmdLine, WM_CHAR, (BYTE)strTyped[i], 0);
        i = std::max(nEnd, i + 1);
    }
}

void CVornGUIView::OnWaitingCommandLineClicked()
{
    bool bWaiting = m_hCmdLine && !::IsWindowEnabled(m_hCmdLine) && (IsEmulatorRunning() || m_bPoweringOn);
    if (bWaiting && m_hWnd)
        SetFocus();
}

// Enter in the command line: its lines go to the emulator, and the edit,
// emptied, keeps the focus with the caret in view.
void CVornGUIView::OnCommandLineEntered()
{
    if (!m_hCmdLine || !IsEmulatorRunning())
        return;
    SendCommandLineText();
    ::SetFocus(m_hCmdLine);
    for (int nStart : {0, -1}) {
        ::SendMessageA(m_hCmdLine, EM_SETSEL, (WPARAM)nStart, -1);
        ::SendMessageA(m_hCmdLine, EM_SCROLLCARET, 0, 0);
    }
}

void CVornGUIView::SendCommandLineText()
{
    m_bFollowEnd = true;
    // The whole text, however long: the emulator reads its commands line by
    // line, of any length, and a command cut short would be another one.
    CString strText;
    CWnd::FromHandle(m_hCmdLine)->GetWindowText(strText);
    TrimBlanks(strText);
    CStringArray pieces;
    if (SplitString(strText, "\n", pieces) == 0)
        SendCommand("");
    for (const CString& strPiece : pieces) {
        CString str = strPiece;
        str.TrimRight("\r");
        SendCommand(str);
        if (!str.IsEmpty() && (m_history.empty() || m_history.back() != str))
            m_history.push_back(str);
    }
    ::SetWindowTextA(m_hCmdLine, "");
    m_nHistoryPos = -1;
}

void CVornGUIView::SetCommandLineEdit(HWND hEdit)
{
    m_hCmdLine = hEdit;
    if (hEdit)
        ::SendMessageA(hEdit, EM_SETLIMITTEXT, 0, 0);
}

// The history is retrieved only into a command line that can send: the
// emulator runs and the command line is enabled.
bool CVornGUIView::CanRetrieveCommand() const
{
    return m_hCmdLine && IsEmulatorRunning() && ::IsWindowEnabled(m_hCmdLine);
}

void CVornGUIView::OnHistoryPrev()
{
    if (!CanRetrieveCommand())
        return;
    if (m_history.empty() || m_nHistoryPos == 0) {
        ::MessageBeep(MB_OK);
        return;
    }
    m_nHistoryPos = m_nHistoryPos < 0 ? (int)m_history.size() - 1 : m_nHistoryPos - 1;
    ::SetWindowTextA(m_hCmdLine, m_history[(size_t)m_nHistoryPos]);
    ::SetFocus(m_hCmdLine);
}

void CVornGUIView::OnHistoryNext()
{
    if (!CanRetrieveCommand())
        return;
    if (m_history.empty() || m_nHistoryPos < 0 || m_nHistoryPos == (int)m_history.size() - 1) {
        ::MessageBeep(MB_OK);
        return;
    }
    ++m_nHistoryPos;
    ::SetWindowTextA(m_hCmdLine, m_history[(size_t)m_nHistoryPos]);
    ::SetFocus(m_hCmdLine);
}

// Where a menu asked for from the keyboard (Shift+F10, the menu key: the
// point is -1, -1) opens, in screen coordinates: on the first shown line of
// a selection of several lines, else on the caret's line when it is shown,
// else at the pane's top-left corner. The pane has no system caret, so the
// point the framework computes from one would always be that corner, and a
// keyboard user's selection would be collapsed by every such menu.
CPoint CVornGUIView::KeyboardMenuPoint() const
{
    const int kInset = 8;
    int nLast = m_nTopLine + std::max(m_nLinesFit, 1) - 1;
    int nLine = -1;
    if (m_sel.GetLineCount() >= 2 && m_sel.GetLast() >= m_nTopLine && m_sel.GetFirst() <= nLast)
        nLine = std::max(m_sel.GetFirst(), m_nTopLine);
    else if (m_sel.m_nCaret >= m_nTopLine && m_sel.m_nCaret <= nLast && m_sel.m_nCaret < m_nLineCount)
        nLine = m_sel.m_nCaret;
    CPoint pt(kInset, kInset);
    if (nLine >= 0)
        pt.y = m_rcClient.top + (nLine - m_nTopLine) * m_nLineHeight + m_nLineHeight / 2;
    ::ClientToScreen(m_hWnd, &pt);
    return pt;
}

// The console pane's context menu: inside a selection of several lines the
// editing menu, else (the selection collapsed to its anchor) the view menu;
// both with the menu images, their commands going to the main frame. The
// posted WM_NULL lets the tracked menu close properly.
void CVornGUIView::OnContextMenu(CWnd*, CPoint point)
{
    CPoint pt = point.x == -1 && point.y == -1 ? KeyboardMenuPoint() : point;
    CPoint ptClient = pt;
    ScreenToClient(&ptClient);
    int nLine = LineFromPoint(ptClient.x, ptClient.y);
    bool bInSelection = m_sel.GetLineCount() >= 2 && m_sel.IsSelected(nLine);
    if (!bInSelection) {
        int nFirst = m_sel.GetFirst(), nLast = m_sel.GetLast();
        m_sel.SetEmptyAt(m_sel.m_nAnchor);
        if (nFirst >= 0)
            InvalidateLines(nFirst, nLast);
        UpdateSelection();
    }
    BCMenu menu;
    if (!menu.LoadMenu(bInSelection ? IDR_CONSOLE_EDIT_MENU : IDR_CONSOLE_MENU))
        return;
    menu.LoadToolbar(IDR_MENU_IMAGES);
    BCMenu* pPopup = menu.GetSubMenu(0);
    if (!pPopup)
        return;
    CWnd* pMain = AfxGetMainWnd();
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, pMain ? pMain : this);
    PostMessage(WM_NULL);
}

// Delete Messages: the framework's Clear All.
void CVornGUIView::OnDeleteMessages()
{
    SendMessage(WM_COMMAND, ID_EDIT_CLEAR_ALL);
}

// Empties the console, offering first to save the lines that no file holds
// (in any logging mode); the memory-only console notes the deletion. A file
// they were saved to keeps them: the lines after the deletion are saved
// anew, not over it.
void CVornGUIView::OnDeleteSessionMessages()
{
    CVornGUIDoc* pDoc = GetDocument();
    if (!pDoc->HasLines())
        return;
    if (!pDoc->OfferToSaveLines())
        return;
    pDoc->DeleteContents();
    if (pDoc->IsLogMemoryOnly()) {
        pDoc->SetPathName("", FALSE);
        UpdateTitle();
    }
    m_sel.SetEmptyAt(0);
    UpdateSelection();
    m_nTopLine = 0;
    m_nFirstColumn = 0;
    m_bFollowEnd = true;
    CopyCountsFromDocument();
    m_nEraseMode = 2;
    Invalidate(TRUE);
    UpdateScrollBars();
    if (pDoc->IsLogMemoryOnly()) {
        AddMessage("----------------( all previous messages deleted )----------------", false);
        RefreshAfterAppend(1);
    }
}
