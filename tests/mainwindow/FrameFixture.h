// FrameFixture.h: the main frame, its bars and the view under the
// program's single-document template, started as the application starts
// them, with the settings in a temporary .INI file.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "mainwindow/MainFrame.h"
#include "mainwindow/VornGUIApp.h"
#include "platform/CDocTemplate.h"
#include "platform/CIniSettingsStore.h"
#include "platform/CWindowPlacement.h"
#include "platform/ProfileStore.h"
#include "resource.h"
#include "config/CVornConfigFile.h"
#include "session/PipedProcessCtl.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIDoc.h"
#include "session/VornGUIView.h"
#include "tests/config/TempFile.h"
#include "tests/session/RequiredFolders.h"
#include "tests/support/HangWatch.h"
#include "tests/support/WinTestUtil.h"

extern CVornGUIApp theApp;

inline std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

inline void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message != WM_QUIT)
            ::DispatchMessageA(&msg);
}

// A control anywhere inside a dialog (the pages are child dialogs).
inline HWND FindControl(HWND hDlg, int nID)
{
    for (HWND h = ::GetWindow(hDlg, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        if (HWND hFound = ::GetDlgCtrlID(h) == nID ? h : FindControl(h, nID))
            return hFound;
    return nullptr;
}

// The test's own window, made the foreground one: a close that brings a box
// to the front takes the foreground from it.
struct CForegroundTaker {
    HWND h = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr, nullptr, nullptr);
    ~CForegroundTaker() { ::DestroyWindow(h); }
    bool Take() { return ::SetForegroundWindow(h) && ::GetForegroundWindow() == h; }
};

// Whether a box shows in front, and whether its edits wait to be applied.
inline std::string BoxState(HWND h)
{
    HWND hApply = ::GetDlgItem(h, ID_APPLY_NOW);
    return std::string(::GetForegroundWindow() == h ? "front" : "behind") +
           (hApply && ::IsWindowEnabled(hApply) ? ", edit kept" : "");
}

struct FrameFixture : ::testing::Test {
    TempDir dir;
    CMainFrame* pFrame = nullptr;
    // The console's messages, kept in memory only ("At Shutdown"), saved to
    // console.log in the test's folder: a close writes them there unasked.
    bool bConsoleLogNamed = true;

    void SetUp() override
    {
        SetSettingsStore(std::make_unique<CIniSettingsStore>(dir.Path("frame.ini").c_str()));
        ProfileWriteInt("Logging", "LogOption", 1);  // memory only: no log files of their own
        vorntest::WriteValidRequiredFolders(dir.Folder());  // the start-up asks nothing
        g_strWindowPlacementSubkey = "CWindowPlacement";
    }
    void TearDown() override
    {
        if (pFrame && ::IsWindow(pFrame->m_hWnd))
            pFrame->DestroyWindow();
        Pump();
        theApp.AddDocTemplate(nullptr);
        SetSettingsStore(nullptr);
    }
    // The start-up steps of the application that concern the frame.
    void OpenFrame(bool bPump = true)
    {
        theApp.m_pMainWnd = nullptr;
        theApp.m_bNoSavedBarState = ProfileGetInt("BarsState\\BarsState-Summary", "Bars", 0) == 0;
        theApp.HoldWindowStacking(true);
        theApp.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CVornGUIDoc),
                                                     RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CVornGUIView)));
        CDocument* pDoc = theApp.CWinApp::OpenDocumentFile(nullptr);
        pFrame = g_pMainFrame;
        if (!pDoc || !pFrame)
            theApp.HoldWindowStacking(false);
        ASSERT_NE(pDoc, nullptr);
        ASSERT_NE(pFrame, nullptr);
        if (bConsoleLogNamed && static_cast<CVornGUIDoc*>(pDoc)->IsLogMemoryOnly())
            pDoc->SetPathName(dir.Path("console.log").c_str(), FALSE);
        CWindowPlacement::Restore("CMainFrame", pFrame, FALSE);
        pFrame->SendMessage(WM_RESTORE_BAR_STATE, 0);
        theApp.HoldWindowStacking(false);
        CWindowPlacement::Restore("CMainFrame", pFrame, TRUE);
        pFrame->SendMessage(WM_RESTORE_BAR_STATE, 1);
        pFrame->ShowWindow(SW_SHOW);
        if (bPump)
            Pump();
    }
    // A modified configuration, as the system configuration dialog leaves it.
    static void ModifyConfiguration()
    {
        CVornConfigFile cfg = g_pView->GetConfig();
        cfg.m_strDescription = "changed by the test";
        g_pView->ApplyEditedConfiguration(cfg);
    }
    bool BarVisible(int i) { return (pFrame->GetMainBar(i)->GetStyle() & WS_VISIBLE) != 0; }
    bool FrameAlive() { return pFrame && ::IsWindow(pFrame->m_hWnd); }
    // vornemu.exe with the arguments before "EXTERNALGUI" as the view's
    // emulator (its shutdown time 30 s).
    void AttachStandin(const std::string& strArgs)
    {
        std::string cmd = "\"" + vorntest::ProgramDir() + "vornemu.exe\" " + strArgs + " EXTERNALGUI";
        CPipedProcessCtl* pCtl =
            new CPipedProcessCtl("Vornamic", 0, nullptr, cmd.c_str(), dir.Folder().c_str(), false, 0, 0);
        CVornConfigFile config;
        config.m_nMaxShutdownSecs = 30;
        g_pView->AttachEmulator(pCtl, config);
    }
    // Pumps (as the program's loop does, with its idle flow control) until
    // done() or the time-out; false on time-out.
    template <class F>
    bool PumpUntil(F done, DWORD dwTimeoutMs = 20000, const char* pszFile = __builtin_FILE(),
                   int nLine = __builtin_LINE())
    {
        vorntest::WaitingFor waiting("a condition", pszFile, nLine);
        for (DWORD dwStart = ::GetTickCount(); !done();) {
            if (::GetTickCount() - dwStart > dwTimeoutMs)
                return false;
            Pump();
            if (g_pView)
                g_pView->OnIdleFlowControl();
            ::Sleep(10);
        }
        return true;
    }
    void PumpFor(DWORD dwMs)
    {
        DWORD dwStart = ::GetTickCount();
        PumpUntil([&] { return ::GetTickCount() - dwStart >= dwMs; }, dwMs + 1000);
    }
};
