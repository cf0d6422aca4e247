// VornGUIViewPanel.cpp: what the view does for the operator control panel:
// the panel buttons' commands, the lamps, the CPU-busy averaging thread and
// the meter, the command line's focus after a button, and the view window
// class's background brush.
#include "session/VornGUIView.h"

#include <algorithm>

#include "config/Limits.h"
#include "config/ProcessHelpers.h"
#include "mainwindow/DynControlsDlgBar.h"
#include "mainwindow/FatalErrorReport.h"
#include "platform/CMiniDockFrameWnd.h"
#include "platform/Trace.h"
#include "platform/WindowHelpers.h"
#include "session/ConsoleCommands.h"
#include "session/PrivateMessages.h"

namespace {

// The lit and unlit windows of each lamp pair, by EPanelLamp.
const UINT kLampWindows[kLampCount][2] = {
    {IDC_PANEL_SYSON, IDC_PANEL_SYSOFF},   {IDC_PANEL_MANON, IDC_PANEL_MANOFF},
    {IDC_PANEL_WAITON, IDC_PANEL_WAITOFF}, {IDC_PANEL_LOADON, IDC_PANEL_LOADOFF},
    {IDC_PANEL_POWERONON, IDC_PANEL_POWERONOFF},
};
const UINT kFocusDelayMs = 100;

}  // namespace

void CVornGUIView::FocusCommandLine()
{
    if (m_hWnd)
        SetTimer(kTimerFocusCmdLine, kFocusDelayMs, nullptr);
}

// One shot. A modal window opened meanwhile (the exit question, the
// preferences) keeps the keyboard: its disabled owner is not made active
// under it.
void CVornGUIView::OnFocusCommandLineTimer()
{
    KillTimer(kTimerFocusCmdLine);
    if (!m_hCmdLine || !::IsWindow(m_hCmdLine))
        return;
    HWND hTop = ::GetAncestor(m_hCmdLine, GA_ROOT);
    if (!IsUserInMainWindow(hTop))
        return;
    ::SetActiveWindow(hTop);
    ::SetForegroundWindow(hTop);
    ::SetFocus(m_hCmdLine);
}

bool CVornGUIView::IsUserInMainWindow(HWND hCmdLineTop) const
{
    HWND hMain = m_hWnd ? ::GetAncestor(m_hWnd, GA_ROOT) : nullptr;
    HWND hActive = ::GetActiveWindow();
    if (!hMain || !hActive || !::IsWindowEnabled(hMain) || !::IsWindowEnabled(hCmdLineTop))
        return false;
    if (hActive == hMain || hActive == hCmdLineTop)
        return true;
    return WindowIsOwnedBy(hActive, hMain) &&
           DYNAMIC_DOWNCAST(CMiniDockFrameWnd, CWnd::FromHandlePermanent(hActive)) != nullptr;
}

void CVornGUIView::PlayPressButtonSound()
{
    m_bFollowEnd = true;
    PlaySoundResource("PressButton");
}

// The menu's commands do not wait for their sound: the window answers while
// it plays.
void CVornGUIView::PlayMenuCommandSound()
{
    m_bFollowEnd = true;
    PlaySoundResourceAsync("PressButton");
}

void CVornGUIView::PanelCommand(const CString& strCommand, bool bFocus)
{
    PlayPressButtonSound();
    if (!IsEmulatorRunning())
        return;
    SendVornCommand(strCommand);
    if (bFocus)
        FocusCommandLine();
}

void CVornGUIView::OnStartButton()
{
    PanelCommand("startall", true);
}

// Stop leaves the focus where it is.
void CVornGUIView::OnStopButton()
{
    PanelCommand("stopall", false);
}

void CVornGUIView::OnStoreButton()
{
    PanelCommand("store", true);
}

void CVornGUIView::OnRestartButton()
{
    PanelCommand("restart", true);
}

void CVornGUIView::OnInterruptButton()
{
    PanelCommand("ext", true);
}

// The load unit is the one the panel's dials show.
void CVornGUIView::OnLoadButton()
{
    CString strUnit = m_receivers.pControlsBar ? m_receivers.pControlsBar->GetLoadUnit() : CString("0000");
    PanelCommand("ipl " + strUnit, true);
}

void CVornGUIView::OnPowerOnButton()
{
    PlayPressButtonSound();
    PowerOn();
}

void CVornGUIView::OnPowerOnLight()
{
    PlayPressButtonSound();
}

void CVornGUIView::OnPowerOffButton()
{
    PlayPressButtonSound();
    PowerOff();
}

// Each lamp is two windows at one place: the lit or the unlit one shows and
// is redrawn. A new panel gets every pair shown.
void CVornGUIView::ShowLamps(bool bAll)
{
    CDynControlsDlgBar* pBar = m_receivers.pControlsBar;
    if (!pBar || !pBar->m_hWnd || !::IsWindow(pBar->m_hWnd))
        return;
    if (pBar->m_hWnd != m_hLampsShownOn)
        bAll = true;
    m_hLampsShownOn = pBar->m_hWnd;
    for (int i = 0; i < kLampCount; ++i) {
        bool bLit = m_lamps.bLit[i];
        if (!bAll && bLit == m_lampsShown.bLit[i])
            continue;
        m_lampsShown.bLit[i] = bLit;
        // A lit window the panel has not made yet is made now; one not made
        // needs no hiding.
        HWND hShow = pBar->GetLampWindow(kLampWindows[i][bLit ? 0 : 1]);
        HWND hHide = ::GetDlgItem(pBar->m_hWnd, (int)kLampWindows[i][bLit ? 1 : 0]);
        if (!hShow)
            continue;
        // A pair that already shows so (the unlit windows of a new panel)
        // is left alone.
        LONG lHideStyle = hHide ? ::GetWindowLongA(hHide, GWL_STYLE) : 0;
        LONG lShowStyle = ::GetWindowLongA(hShow, GWL_STYLE);
        if ((lShowStyle & WS_VISIBLE) && !(lHideStyle & WS_VISIBLE))
            continue;
        if (hHide)
            ::SetWindowLongA(hHide, GWL_STYLE, lHideStyle & ~WS_VISIBLE);
        ::SetWindowLongA(hShow, GWL_STYLE, lShowStyle | WS_VISIBLE);
        // Without an erase: the lamp's image covers it, drawn in one piece
        // (an owner-drawn button's erase fills it blank first).
        ::RedrawWindow(hShow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

// The last news of a status report: its load and wait letters.
LRESULT CVornGUIView::OnLoadIndicatorChanged(WPARAM wp, LPARAM lp)
{
    m_lamps.Load(wp != 0, lp != 0);
    ShowLamps(false);
    return 0;
}

// By the running flag the status-line parser keeps, read as the pending
// flag is cleared, so that the indicator may be posted again.
LRESULT CVornGUIView::OnRunIndicatorChanged(WPARAM, LPARAM)
{
    m_lamps.Run(ClearRunIndicatorPending());
    ShowLamps(false);
    return 0;
}

// Entering manual state stops the processors: the meter drops to 0 at once.
LRESULT CVornGUIView::OnManualIndicatorChanged(WPARAM wp, LPARAM)
{
    bool bEntering = wp != 0 && !m_lamps.IsManual();
    m_lamps.Manual(wp != 0);
    ShowLamps(false);
    if (bEntering) {
        bool bPercentMode;
        {
            CSingleLock lock(&m_csCpuAverage, TRUE);
            bPercentMode = m_router.TakeCpuSamples().bPercentMode;
            m_cpuAverage.Reset();
        }
        if (!bPercentMode)
            PostMessage(WM_CPU_AVERAGE_READY);
    }
    return 0;
}

double CVornGUIView::GetCpuAverage()
{
    CSingleLock lock(&m_csCpuAverage, TRUE);
    return m_cpuAverage.Fraction();
}

LRESULT CVornGUIView::OnCpuAverageReady(WPARAM, LPARAM)
{
    CDynControlsDlgBar* pBar = m_receivers.pControlsBar;
    if (!pBar || !pBar->m_hWnd)
        return 0;
    pBar->SetMeterValue(GetCpuAverage());
    if (HWND hMeter = ::GetDlgItem(pBar->m_hWnd, IDC_PANEL_METER)) {
        ::InvalidateRect(hMeter, nullptr, FALSE);
        ::UpdateWindow(hMeter);
    }
    return 0;
}

void CVornGUIView::ResetCpuAverage()
{
    CSingleLock lock(&m_csCpuAverage, TRUE);
    m_router.TakeCpuSamples();
    m_cpuAverage.Reset();
}

void CVornGUIView::StartAveragingThread()
{
    if (m_hAveragingThread)
        return;
    m_hAveragingThread = ::CreateThread(nullptr, 0, AveragingThreadProc, this, 0, nullptr);
    if (!m_hAveragingThread) {
        TRACE_FAILED_CALL("CreateThread(nullptr, 0, AveragingThreadProc, this, 0, nullptr)");
        return;
    }
    ::SetThreadPriority(m_hAveragingThread, THREAD_PRIORITY_TIME_CRITICAL);
}

// A fatal fault on the thread is offered as a report, as one on the GUI
// thread is, and ends the thread.
DWORD WINAPI CVornGUIView::AveragingThreadProc(LPVOID pParam)
{
    DWORD dwResult = 0;
    RunReportingFatalErrors([&] { dwResult = ((CVornGUIView*)pParam)->AveragingThread(); });
    return dwResult;
}

// Once per "MeterThreadRate" period while an emulator runs: the period's
// samples into the average, and the meter told. While none runs (the
// running event, which the GUI thread sets and resets with the emulator's
// controller) the thread sleeps until one starts or the view goes.
DWORD CVornGUIView::AveragingThread()
{
    HANDLE hWake[2] = {m_hStopEvent, m_hRunningEvent};
    for (;;) {
        if (::WaitForSingleObject(m_hStopEvent, g_nMeterThreadRate) != WAIT_TIMEOUT)
            return 0;
        bool bPost = false;
        {
            CSingleLock lock(&m_csCpuAverage, TRUE);
            if (::WaitForSingleObject(m_hRunningEvent, 0) != WAIT_OBJECT_0) {
                lock.Unlock();
                ::WaitForMultipleObjects(2, hWake, FALSE, INFINITE);
                continue;
            }
            SCpuSamples samples = m_router.TakeCpuSamples();
            if (samples.bPercentMode) {
                m_cpuAverage.SetFraction(samples.dBusyFraction);
                bPost = true;
            } else {
                bPost = m_cpuAverage.AddPeriod(samples.nBusy, samples.nTotal);
            }
        }
        HWND hWnd = m_hWnd;
        if (bPost && hWnd)
            ::PostMessageA(hWnd, WM_CPU_AVERAGE_READY, 0, 0);
    }
}

void CVornGUIView::ShowConfigurationOnPanels()
{
    if (m_receivers.pControlsBar)
        m_receivers.pControlsBar->SetDialsHex(m_config.m_strLoadUnit);
    int nCpus = std::max(0, std::min(m_config.m_nNumCPUs, (int)kMaxEngines));
    TellCpuPercentBar(m_config.m_dwEngineTypes, (size_t)nCpus);
}

void CVornGUIView::SetBrushBackground()
{
    CBrush brush;
    if (!m_hWnd || !brush.CreateSolidBrush(m_settings.m_crBackground))
        return;
    ::SetClassLongPtrA(m_hWnd, GCLP_HBRBACKGROUND, (LONG_PTR)brush.m_hObject);
    m_brBackground = std::move(brush);
}

// The window class outlives the view: it gets the system's window colour
// back before the view's brush is deleted.
void CVornGUIView::ReleaseBrushBackground()
{
    if (m_hWnd && m_brBackground.m_hObject &&
        ::GetClassLongPtrA(m_hWnd, GCLP_HBRBACKGROUND) == (ULONG_PTR)m_brBackground.m_hObject)
        ::SetClassLongPtrA(m_hWnd, GCLP_HBRBACKGROUND, (LONG_PTR)(COLOR_WINDOW + 1));
    m_brBackground.DeleteObject();
}
