// VornGUIViewCommands.cpp: commands to the emulator: the "vorn " prefix
// rule, the queue of commands given before the emulator is ready, the
// shutdown watchdog's arming, the start-up handshake, and direct access to
// the emulator's memory.
#include "session/VornGUIView.h"

#include <algorithm>

#include "config/CVornConfigFile.h"
#include "platform/CFrameWnd.h"
#include "platform/CModalLoop.h"
#include "platform/CSyncObject.h"
#include "platform/PathFunctions.h"
#include "session/CommandText.h"
#include "session/ConsoleCommands.h"
#include "session/PipedProcessCtl.h"
#include "session/PrivateMessages.h"
#include "session/ViewSettings.h"

namespace {

// The version of this console's status protocol, told to the emulator.
const int kProtocolMajor = 1;
const int kProtocolMinor = 21;
const DWORD kIdleWaitMs = 100;

void PostIfWindow(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (hWnd && ::IsWindow(hWnd))
        ::PostMessageA(hWnd, msg, wp, lp);
}

}  // namespace

void CVornGUIView::TellCpuPercentBar(const DWORD* pEngineTypes, size_t nCpus)
{
    PostIfWindow(m_receivers.hCpuPercentBar, WM_MAXCPU_CHANGED, nCpus, 0);
    for (size_t n = 0; n < nCpus; ++n)
        PostIfWindow(m_receivers.hCpuPercentBar, WM_CPU_ENGINE_TYPE, n, pEngineTypes[n]);
}

bool CVornGUIView::SendVornCommand(const CString& strCommand)
{
    return SendCommand(VornCommandForEmulator(strCommand, m_router.GetVersion()));
}

// The opening's protocol lines are written at once while an emulator runs:
// only the operator's commands wait for it to be ready.
bool CVornGUIView::SendNow(const CString& strLine)
{
    CSingleLock lock(&m_csCmdQueue, TRUE);
    if (!m_pEmulator)
        return false;
    if (m_bReady)
        return SendCommand(strLine);
    return WriteCommandLine(strLine);
}

bool CVornGUIView::SendCommand(const CString& strCommand)
{
    CString strText = CommandForEmulator(strCommand, m_router.GetVersion());
    CSingleLock lock(&m_csCmdQueue, TRUE);
    if (!m_pEmulator || !m_bReady) {
        m_cmdQueue.push_back(strText);
        return true;
    }
    bool bOk = WriteQueuedCommands();
    // Written under the lock as well: the controller cannot be detached
    // and deleted while a reader thread writes through it.
    return WriteCommandLine(strText) && bOk;
}

// Under the command-queue lock, with an emulator: one command and its line
// feed. A shutdown command tells the storage bar to stop and, once written,
// arms the watchdog.
bool CVornGUIView::WriteCommandLine(const CString& strText)
{
    bool bShutdown = IsShutdownCommand(strText);
    if (bShutdown) {
        m_bStorageBarActive = false;
        PostIfWindow(m_receivers.hDisplayAlterBar, WM_EMULATOR_ACTIVE, 0, 0);
    }
    CString strLine = strText + "\n";
    CPipedProcessCtl* pCtl = m_pEmulator;
    bool bOk = pCtl->WriteStdin(strLine.GetString(), (DWORD)strLine.GetLength());
    if (bShutdown && bOk)
        ArmShutdownWatchdog();
    return bOk;
}

// Under the command-queue lock, with an emulator: the queue, oldest first.
// A failure does not stop the rest.
bool CVornGUIView::WriteQueuedCommands()
{
    bool bOk = true;
    while (!m_cmdQueue.empty()) {
        CString strText = m_cmdQueue.front();
        m_cmdQueue.pop_front();
        bOk = WriteCommandLine(strText) && bOk;
    }
    return bOk;
}

// A timer belongs to the thread of its window: a command sent from a reader
// thread has the GUI thread start it. The maximum shutdown time is the
// configuration's at this moment: the Options page may change it while the
// emulator runs.
void CVornGUIView::ArmShutdownWatchdog()
{
    if (::GetCurrentThreadId() == m_dwGuiThreadId)
        SetTimer(kTimerShutdownWatchdog, (UINT)m_config.m_nMaxShutdownSecs * 1000, nullptr);
    else
        PostToView(WM_ARM_SHUTDOWN_WATCHDOG, 0, 0);
}

LRESULT CVornGUIView::OnArmShutdownWatchdog(WPARAM, LPARAM)
{
    ArmShutdownWatchdog();
    return 0;
}

void CVornGUIView::FlushQueuedCommands()
{
    bool bWasReady;
    {
        CSingleLock lock(&m_csCmdQueue, TRUE);
        bWasReady = m_bReady;
        m_bReady = true;
        // Without an emulator (it ended before its list was handled) the
        // commands stay queued.
        if (m_pEmulator)
            WriteQueuedCommands();
    }
    if (!bWasReady)
        PostToView(WM_EMULATOR_READY, 0, 0);
}

bool CVornGUIView::IsEmulatorReady()
{
    CSingleLock lock(&m_csCmdQueue, TRUE);
    return m_pEmulator && m_bReady;
}

int CVornGUIView::GetQueuedCommandCount()
{
    CSingleLock lock(&m_csCmdQueue, TRUE);
    return (int)m_cmdQueue.size();
}

void CVornGUIView::SendAggregateStats()
{
    if (!m_pEmulator)
        return;
    CString str;
    str.Format("]AGGREGATE=%c", g_bAggregateStats ? '1' : '0');
    SendCommand(str);
}

void CVornGUIView::AttachEmulator(CPipedProcessCtl* pCtl, const CVornConfigFile& config)
{
    PrepareEmulatorSession(config);
    TakeEmulator(pCtl);
    OpenEmulatorSession();
    EnableRecentConfigurations(false);
}

void CVornGUIView::PrepareEmulatorSession(const CVornConfigFile& config)
{
    int nCpus = std::max(0, std::min(config.m_nNumCPUs, (int)kMaxEngines));
    m_engineTypes.assign(config.m_dwEngineTypes, config.m_dwEngineTypes + nCpus);
    ::ResetEvent(m_hMainStorEvent);
    m_router.ResetSession();
}

void CVornGUIView::TakeEmulator(CPipedProcessCtl* pCtl)
{
    {
        CSingleLock lock(&m_csCmdQueue, TRUE);
        m_pEmulator = pCtl;
        m_bReady = false;
    }
    ::ResetEvent(m_hSessionEnded);
    // The averaging thread learns from this event that an emulator runs.
    ::SetEvent(m_hRunningEvent);
}

void CVornGUIView::OpenEmulatorSession()
{
    m_lamps.PowerOn();
    ShowLamps(false);
    // The emulator reports its devices only when asked, and the list that
    // makes it ready is asked for once its version and storage are known.
    SendNow(ProtocolVersionLine());
    SendNow("]MAINSTOR=");
}

CString CVornGUIView::ProtocolVersionLine()
{
    CString str;
    str.Format("]VERS=%d.%d", kProtocolMajor, kProtocolMinor);
    return str;
}

LRESULT CVornGUIView::OnMainStorageKnown(WPARAM, LPARAM)
{
    if (IsEmulatorRunning() && !IsEmulatorReady())
        SubscribeDeviceList();
    return 0;
}

CPipedProcessCtl* CVornGUIView::DetachEmulator()
{
    CPipedProcessCtl* pCtl;
    {
        CSingleLock lock(&m_csCmdQueue, TRUE);
        pCtl = m_pEmulator;
        m_pEmulator = nullptr;
        m_bReady = false;
        // What this session did not take must not reach the next emulator.
        if (pCtl)
            m_cmdQueue.clear();
    }
    ::SetEvent(m_hSessionEnded);
    ::ResetEvent(m_hRunningEvent);
    m_router.ClearMainStorage();
    EnableCommandLine(false);
    m_strTypedAhead.Empty();
    EnableRecentConfigurations(true);
    return pCtl;
}

LRESULT CVornGUIView::OnEmulatorReady(WPARAM, LPARAM)
{
    OnEmulatorStarted();
    return 0;
}

// The start-up handshake: protocol version and main storage (unless the
// opening learned them already), CPU percentages, the command folder, the
// bars' subscriptions, then the command line.
void CVornGUIView::OnEmulatorStarted()
{
    if (!IsMainStorageKnown()) {
        m_router.ClearMainStorage();
        SendCommand(ProtocolVersionLine());
        SendCommand("]MAINSTOR=");
        if (!WaitForMainStorage())
            return;
    }
    m_bStorageBarActive = true;
    PostIfWindow(m_receivers.hDisplayAlterBar, WM_EMULATOR_ACTIVE, 1, 0);
    PostIfWindow(m_receivers.hCpuPercentBar, WM_EMULATOR_ACTIVE, 1, 0);
    m_router.ClearPercentMode();
    SendCommand("]CPUPCT=1");
    SendCommand("]SCD=" + WindowsizedDirectory(m_settings.m_strCmdTargetDir));
    // The main frame posts one subscription per data bar (the frame's
    // library builds on this one, so it is asked by message).
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->SendMessage(WM_NOTIFY_BAR_VISIBILITY);
    TellCpuPercentBar(m_engineTypes.data(), m_engineTypes.size());
    SendAggregateStats();
    EnableCommandLine(true);
    // What was typed while the emulator started goes into the command line
    // now, whichever window is active; the focus follows only while the
    // user is in the main window.
    HandTypedAheadOn();
    FocusCommandLine();
}

// Waits for the main storage report while messages keep flowing and the
// readers are kept going (a held reader would never deliver it). False
// when the wait was abandoned: the emulator ended, the view went, or the
// quit message came (then the application quits).
bool CVornGUIView::WaitForMainStorage()
{
    // The handshake goes on after it: a close waits for its end.
    CNestedLoopScope loop;
    HANDLE handles[2] = { m_hMainStorEvent, m_hSessionEnded };
    for (;;) {
        // Readers queue lines without a message: the wait wakes at least
        // every kIdleWaitMs to run the flow control (and to see a quit
        // message, which does not always wake it).
        DWORD dw = ::MsgWaitForMultipleObjects(2, handles, FALSE, kIdleWaitMs, QS_ALLINPUT);
        if (dw == WAIT_OBJECT_0)
            return true;
        if (dw == WAIT_OBJECT_0 + 1)
            return false;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage((int)msg.wParam);
                return false;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (!::IsWindow(m_hWnd)) {
            ::PostQuitMessage(0);
            return false;
        }
        OnIdleFlowControl();
    }
}

void CVornGUIView::EnableCommandLine(bool bEnable)
{
    for (HWND h : { m_receivers.hCmdSend, m_hCmdLine })
        if (h && ::IsWindow(h))
            ::EnableWindow(h, bEnable);
}

SIZE_T CVornGUIView::ReadChildMemory(UINT64 nAddress, void* pBuffer, SIZE_T nLength)
{
    if (!g_pView)
        return 0;
    CSingleLock lock(&g_pView->m_csCmdQueue, TRUE);
    CPipedProcessCtl* pCtl = g_pView->m_pEmulator;
    return pCtl ? pCtl->TransferMemory(nAddress, pBuffer, nLength, false) : 0;
}

SIZE_T CVornGUIView::WriteChildMemory(UINT64 nAddress, const void* pBuffer, SIZE_T nLength)
{
    if (!g_pView)
        return 0;
    CSingleLock lock(&g_pView->m_csCmdQueue, TRUE);
    CPipedProcessCtl* pCtl = g_pView->m_pEmulator;
    return pCtl ? pCtl->TransferMemory(nAddress, const_cast<void*>(pBuffer), nLength, true) : 0;
}
