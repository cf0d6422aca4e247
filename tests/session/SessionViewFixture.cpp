// SessionViewFixture.cpp: the view, its receiver window and the stand-in.
#include "tests/session/SessionViewFixture.h"

#include <commctrl.h>

#include <fstream>
#include <sstream>

#include "config/CVornConfigFile.h"
#include "config/Limits.h"
#include "devices/DynDevListDlgBar.h"
#include "platform/CDocTemplate.h"
#include "platform/CFrameWnd.h"
#include "platform/CIniSettingsStore.h"
#include "platform/ProfileStore.h"
#include "session/PipedProcessCtl.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIDoc.h"
#include "tests/session/RequiredFolders.h"
#include "tests/support/HangWatch.h"
#include "tests/support/WinTestUtil.h"

int g_nBarVisibilityRequests = 0;

namespace {

// Counts the handshake's requests for the bars' subscriptions.
class CSessionFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CSessionFrame)
    DECLARE_MESSAGE_MAP()
protected:
    LRESULT OnNotifyBarVisibility(WPARAM, LPARAM)
    {
        ++g_nBarVisibilityRequests;
        return 0;
    }
};
IMPLEMENT_DYNCREATE(CSessionFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(CSessionFrame, CFrameWnd)
    ON_MESSAGE(WM_NOTIFY_BAR_VISIBILITY, OnNotifyBarVisibility)
END_MESSAGE_MAP()

const UINT kIdrFrame = 128;

}  // namespace

BEGIN_MESSAGE_MAP(CBarReceiver, CWnd)
    ON_MESSAGE_RANGE(WM_APP, WM_APP + 0xFF, OnAny)
END_MESSAGE_MAP()

CBarReceiver::CBarReceiver()
{
    CreateEx(0, AfxRegisterWndClass(0), "bars", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr);
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    m_hSpin = ::CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 0, 16, 20, m_hWnd, nullptr, hInst,
                                nullptr);
    ::SendMessageA(m_hSpin, UDM_SETRANGE32, 0, 0xFFFF);
    for (HWND& h : m_hFields)
        h = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, m_hWnd, nullptr, hInst, nullptr);
    for (HWND& h : m_hParts)
        h = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, m_hWnd, nullptr, hInst, nullptr);
    m_hCmdEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_DISABLED, 0, 0, 100, 20, m_hWnd, nullptr, hInst,
                                   nullptr);
    m_hSend = ::CreateWindowExA(0, "BUTTON", "Send", WS_CHILD | WS_DISABLED, 0, 0, 40, 20, m_hWnd, nullptr, hInst,
                                nullptr);
}

CBarReceiver::~CBarReceiver()
{
    DestroyWindow();
}

LRESULT CBarReceiver::OnAny(UINT msg, WPARAM wp, LPARAM lp)
{
    m_received.push_back({msg, wp, lp});
    return 0;
}

std::vector<SReceived> CBarReceiver::Of(UINT msg) const
{
    std::vector<SReceived> out;
    for (const SReceived& r : m_received)
        if (r.msg == msg)
            out.push_back(r);
    return out;
}

void SessionFixture::SetUp()
{
    SetSettingsStore(std::make_unique<CIniSettingsStore>(dir.Path("view.ini").c_str()));
    ProfileWriteInt("Logging", "LogOption", 1);  // memory only: no files
    ProfileWriteInt("Logging", "MemLogLinesLimit", 100000);
    ProfileWriteInt("Logging", "LogTimes", 0);
    ProfileWriteInt("Logging", "LogPidAlways", 0);
    ProfileWriteString("Settings", "CmdTargetDir", dir.Folder().c_str());
    // The stand-ins are the executables; the start-up folder check passes.
    vorntest::WriteValidRequiredFolders(dir.Folder());
    Presets();
    app = std::make_unique<CWinApp>("SessionTest");
    app->AddDocTemplate(new CSingleDocTemplate(kIdrFrame, RUNTIME_CLASS(CVornGUIDoc), RUNTIME_CLASS(CSessionFrame),
                                               RUNTIME_CLASS(CVornGUIView)));
    pDoc = (CVornGUIDoc*)app->OpenDocumentFile(nullptr);
    ASSERT_NE(pDoc, nullptr);
    pView = g_pView;
    ASSERT_NE(pView, nullptr);
    bars = std::make_unique<CBarReceiver>();
    pDevListBar = new CDynDevListDlgBar(bars.get());
    ASSERT_TRUE(pDevListBar->Create(IDD_DEVLIST_BAR, bars.get()));
    ConnectReceivers(pDevListBar);
    pView->SetCommandLineEdit(bars->m_hCmdEdit);
    strRecord = dir.Path("record.txt");
    g_nBarVisibilityRequests = 0;
}

void SessionFixture::TearDown()
{
    if (pView && pView->GetEmulator())
        EndEmulator();
    if (pDevListBar) {
        pDevListBar->DestroyWindow();
        delete pDevListBar;
    }
    bars.reset();
    if (app && app->m_pMainWnd)
        app->m_pMainWnd->DestroyWindow();
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message != WM_QUIT)
            ::DispatchMessageA(&msg);
    app.reset();
    SetSettingsStore(nullptr);
}

CPipedProcessCtl* SessionFixture::StartEmulator(const std::string& strArgs, int nCpus)
{
    std::string cmd = "\"" + vorntest::ProgramDir() + "vornemu.exe\" --lifetime 30000 --record \"" + strRecord +
                      "\" " + strArgs + " EXTERNALGUI";
    CPipedProcessCtl* pCtl =
        new CPipedProcessCtl("Vornamic", 0, nullptr, cmd.c_str(), dir.Folder().c_str(), false, 0, 0);
    CVornConfigFile config;
    config.m_nMaxShutdownSecs = 30;
    config.m_nNumCPUs = nCpus;
    for (int i = 0; i < nCpus; ++i)
        config.m_dwEngineTypes[i] = (DWORD)(i % 4);
    pView->AttachEmulator(pCtl, config);
    return pCtl;
}

void SessionFixture::ConnectReceivers(CDynDevListDlgBar* pBar)
{
    SSessionReceivers r;
    r.hDisplayAlterBar = r.hCpuPercentBar = bars->m_hWnd;
    r.pDevListBar = pBar;
    r.hCpuSpin = bars->m_hSpin;
    r.hCmdSend = bars->m_hSend;
    for (int i = 0; i < kRegisterFieldCount; ++i)
        r.hRegisterFields[i] = bars->m_hFields[i];
    for (int i = 0; i < kStatusPartCount; ++i)
        r.hStatusParts[i] = bars->m_hParts[i];
    pView->SetSessionReceivers(r);
}

bool SessionFixture::Pump(const std::function<bool()>& done, DWORD dwTimeoutMs, const char* pszFile, int nLine)
{
    vorntest::WaitingFor waiting("a condition", pszFile, nLine);
    DWORD dwStart = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - dwStart > dwTimeoutMs)
            return false;
        // As the program's loop does: every waiting message, through the
        // windows' PreTranslateMessage (a modeless dialog's keys), then the
        // idle step once the queue is empty, and only after a message was
        // taken. Waiting here wakes nothing: the time-out only looks at done().
        bool bTook = false;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            bTook = true;
            if (msg.message == WM_QUIT) {
                bQuitSeen = true;
                continue;
            }
            app->DispatchOne(msg);
        }
        if (bTook)
            pView->OnIdleFlowControl();
        else
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void SessionFixture::PumpFor(DWORD dwMs)
{
    DWORD dwStart = ::GetTickCount();
    Pump([&] { return ::GetTickCount() - dwStart >= dwMs; }, dwMs + 1000);
}

std::vector<std::string> SessionFixture::Received() const
{
    std::ifstream in(strRecord, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool SessionFixture::HasReceived(const std::string& strLine) const
{
    for (const std::string& s : Received())
        if (s == strLine)
            return true;
    return false;
}

bool SessionFixture::PumpUntilReady()
{
    return Pump([&] { return HasReceived("]AGGREGATE=1"); });
}

std::vector<std::string> SessionFixture::ConsoleLines() const
{
    std::vector<std::string> lines;
    for (int i = 0; i < pDoc->GetLineCount(); ++i)
        lines.push_back(pDoc->GetLine(i).GetString());
    return lines;
}

bool SessionFixture::ConsoleHas(const std::string& strLine) const
{
    for (const std::string& s : ConsoleLines())
        if (s == strLine)
            return true;
    return false;
}

void SessionFixture::EndEmulator()
{
    if (CPipedProcessCtl* pCtl = pView->GetEmulator())
        pCtl->Kill(false);
    Pump([&] { return pView->GetEmulator() == nullptr; });
}
