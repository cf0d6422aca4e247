// ViewTestFrame.cpp: the view's test host and the dialog sequence driver.
#include "tests/session/ViewTestFrame.h"

#include "config/StartupObjects.h"
#include "platform/CDocTemplate.h"
#include "platform/CFrameWnd.h"
#include "platform/CIniSettingsStore.h"
#include "platform/ProfileStore.h"
#include "session/VornGUIDoc.h"
#include "tests/support/HangWatch.h"
#include "session/VornGUIView.h"
#include "tests/session/RequiredFolders.h"

namespace vorntest {

namespace {

class CViewTestFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CViewTestFrame)
};
IMPLEMENT_DYNCREATE(CViewTestFrame, CFrameWnd)

const UINT kIdrFrame = 128;

}  // namespace

ViewHost::ViewHost(const TempDir& dir, const std::function<void()>& presets)
{
    SetSettingsStore(std::make_unique<CIniSettingsStore>(dir.Path("view.ini").c_str()));
    ProfileWriteInt("Logging", "LogOption", 1);  // memory only: no files
    WriteValidRequiredFolders(dir.Folder());
    if (presets)
        presets();
    m_app = std::make_unique<CWinApp>("VornGUI");
    m_app->AddDocTemplate(new CSingleDocTemplate(kIdrFrame, RUNTIME_CLASS(CVornGUIDoc),
                                                 RUNTIME_CLASS(CViewTestFrame), RUNTIME_CLASS(CVornGUIView)));
    m_pDoc = (CVornGUIDoc*)m_app->OpenDocumentFile(nullptr);
    m_pView = g_pView;
    if (m_pView)
        m_pView->GetParent()->MoveWindow(0, 0, 640, 400);
}

ViewHost::~ViewHost()
{
    if (m_app && m_app->m_pMainWnd)
        m_app->m_pMainWnd->DestroyWindow();
    Pump(0);
    m_app.reset();
    SetSettingsStore(nullptr);
}

std::string ViewHost::FrameText() const
{
    char text[512] = {};
    if (m_pView)
        ::GetWindowTextA(m_pView->GetParent()->m_hWnd, text, sizeof text);
    return text;
}

bool ViewHost::Pump(DWORD dwMs, const std::function<bool()>& done, const char* pszFile, int nLine)
{
    vorntest::WaitingFor waiting(done ? "a condition" : "time to pass", pszFile, nLine);
    DWORD dwStart = ::GetTickCount();
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message != WM_QUIT) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        if (done && done())
            return true;
        if (::GetTickCount() - dwStart >= dwMs)
            return !done;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

DialogSequence::DialogSequence(std::vector<std::function<void(HWND)>> steps)
    : m_steps(std::move(steps)), m_driver([this](HWND h) { return Step(h); })
{
}

bool DialogSequence::Step(HWND hDlg)
{
    if (hDlg == m_hLast)
        return true;  // still closing
    m_hLast = hDlg;
    char caption[256] = {};
    ::GetWindowTextA(hDlg, caption, sizeof caption);
    m_seen.push_back(SeenDialog{caption, DialogTexts(hDlg)});
    size_t i = m_seen.size() - 1;
    if (i < m_steps.size())
        m_steps[i](hDlg);
    else
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    return true;
}

std::function<void(HWND)> ClickTask(int nButton)
{
    return [nButton](HWND h) { ::PostMessageA(h, kTdmClickButton, (WPARAM)nButton, 0); };
}

std::function<void(HWND)> ClickControl(int nId)
{
    return [nId](HWND h) { ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), (LPARAM)::GetDlgItem(h, nId)); };
}

bool OpenAsAtStartup(CVornGUIView* pView, const std::string& strPath)
{
    g_strStartupConfigFile = strPath.c_str();
    bool bOpened = pView->OpenConfiguration(strPath.c_str());
    g_strStartupConfigFile.Empty();
    return bOpened;
}

}  // namespace vorntest
