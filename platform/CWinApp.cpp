// CWinApp.cpp: the application object.
#include "platform/CWinApp.h"

#include <commctrl.h>

#include "platform/AfxIds.h"
#include "platform/AfxThreadState.h"
#include "platform/CDocTemplate.h"
#include "platform/CDocument.h"
#include "platform/CRecentFileList.h"
#include "platform/CWnd.h"

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
    ON_COMMAND_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
END_MESSAGE_MAP()

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWnd* AfxGetMainWnd()
{
    CWinThread* p = AfxGetThread();
    return p ? p->GetMainWnd() : nullptr;
}

CWinApp::CWinApp(LPCSTR pszAppName) : m_strAppName(pszAppName)
{
    ASSERT(g_pApp == nullptr);
    g_pApp = this;
    m_bAutoDelete = FALSE;
    // The application object is built on the main thread before WinMain.
    AfxGetThreadState().pThread = this;
}

CWinApp::~CWinApp()
{
    delete m_pDocTemplate;
    if (g_pApp == this)
        g_pApp = nullptr;
    if (AfxGetThreadState().pThread == this)
        AfxGetThreadState().pThread = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    // The main window updates its items from the update handlers: a frame
    // hands the step to each of its bars (the only windows that answer it),
    // and a hidden bar skips it. Walking all the window's descendants cost
    // one server call per window under Wine, hundreds a pass.
    if (lCount == 0 && m_pMainWnd && m_pMainWnd->m_hWnd)
        m_pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    return CWinThread::OnIdle(lCount);
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    delete m_pDocTemplate;
    m_pDocTemplate = pTemplate;
}

CDocument* CWinApp::OpenDocumentFile(LPCSTR pszFileName)
{
    return m_pDocTemplate ? m_pDocTemplate->OpenDocumentFile(pszFileName) : nullptr;
}

BOOL CWinApp::SaveAllModified()
{
    CSingleDocTemplate* pTemplate = DYNAMIC_DOWNCAST(CSingleDocTemplate, m_pDocTemplate);
    CDocument* pDoc = pTemplate ? pTemplate->GetDocument() : nullptr;
    return pDoc ? pDoc->SaveModified() : TRUE;
}

void CWinApp::OnFileNew()
{
    OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    CString path;
    CString filter = m_pDocTemplate ? m_pDocTemplate->GetFileFilter() : CString();
    if (AfxPromptFileName(path, nullptr, filter, TRUE))
        OpenDocumentFile(path);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
}

int AfxWinMain(HINSTANCE hInstance, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return -1;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_USEREX_CLASSES |
                                                 ICC_INTERNET_CLASSES | ICC_LINK_CLASS};
    ::InitCommonControlsEx(&icc);
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    CString name(path);
    name = name.Mid(name.ReverseFind('\\') + 1);
    int dot = name.ReverseFind('.');
    pApp->m_strExeName = dot > 0 ? name.Left(dot) : name;
    if (pApp->m_strAppName.IsEmpty())
        pApp->m_strAppName = pApp->m_strExeName;
    if (!pApp->InitInstance())
        return pApp->ExitInstance();
    return pApp->Run();
}
