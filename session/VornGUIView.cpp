// VornGUIView.cpp: the console view's construction, stored settings,
// fonts, start-up and destruction.
#include "session/VornGUIView.h"

#include "platform/CDC.h"
#include "devices/CDevListMap.h"
#include "session/ConsoleCommands.h"
#include "session/PipedProcessCtl.h"
#include "session/PrivateMessages.h"
#include "resources/resource.h"
#include "session/VornGUIDoc.h"

CVornGUIView* g_pView = nullptr;

IMPLEMENT_DYNCREATE(CVornGUIView, CScrollView)

CVornGUIView::CVornGUIView()
    : m_strDefaultConfigName(DefaultConfigFileName())
{
    m_dwGuiThreadId = ::GetCurrentThreadId();
    for (int i = 0; i < kDirListCount; ++i)
        LoadDirectoryList(m_settings.m_dirs[i], kDirListNames[i]);
}

CVornGUIView::~CVornGUIView()
{
    if (m_bInitialised)
        m_settings.Save();
    if (g_pView == this)
        g_pView = nullptr;
    if (g_pChildHost == this)
        g_pChildHost = nullptr;
}

CVornGUIDoc* CVornGUIView::GetDocument() const
{
    return static_cast<CVornGUIDoc*>(CView::GetDocument());
}

BOOL CVornGUIView::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!CScrollView::PreCreateWindow(cs))
        return FALSE;
    // The program's icon, as the main frame's class carries it.
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW), nullptr,
                                       ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
    return TRUE;
}

void CVornGUIView::LoadSettings()
{
    // The folder lists were read at construction; the rest now, in order.
    CStringArray dirs[kDirListCount];
    for (int i = 0; i < kDirListCount; ++i)
        dirs[i].Copy(m_settings.m_dirs[i]);
    m_settings.Load();
    for (int i = 0; i < kDirListCount; ++i)
        m_settings.m_dirs[i].Copy(dirs[i]);
    m_findOpt.bForward = m_settings.m_bSearchFwd;
    CreateFonts();
}

void CVornGUIView::CreateFonts()
{
    CreateConsoleFonts();
    m_statusFont.DeleteObject();
    MakeBarFont(m_statusFont, m_settings.m_strStatusFontName, m_settings.m_nStatusFontSize);
}

void CVornGUIView::CreateConsoleFonts()
{
    CFont base;
    base.CreatePointFont(m_settings.m_nFontSize * 10, m_settings.m_strFontName);
    ::GetObjectA((HFONT)base.m_hObject, sizeof(m_lfBase), &m_lfBase);
    for (int k = 0; k < kMsgKindCount; ++k) {
        LOGFONTA lf = m_lfBase;
        lf.lfWeight = m_settings.m_styles[k].bBold ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = m_settings.m_styles[k].bItalic ? TRUE : FALSE;
        m_fonts[k].DeleteObject();
        m_fonts[k].CreateFontIndirect(&lf);
    }
}

void CVornGUIView::MeasureFont()
{
    CClientDC dc(this);
    CDCSelect sel(dc.m_hDC, (HFONT)m_fonts[kMsgPlain].m_hObject);
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(dc.m_hDC, &tm);
    m_nLineHeight = tm.tmHeight + tm.tmExternalLeading > 0 ? tm.tmHeight + tm.tmExternalLeading : 1;
    m_nCharWidth = tm.tmAveCharWidth > 0 ? tm.tmAveCharWidth : 1;
}

void CVornGUIView::OnInitialUpdate()
{
    CScrollView::OnInitialUpdate();
    if (!m_bInitialised) {
        m_bInitialised = true;
        g_pView = this;
        g_pChildHost = this;
        LoadSettings();
        MeasureFont();
        GetClientRect(&m_rcClient);
        RecalcPaneGeometry();
        GetDocument()->SetLogFolder(GetLogFilesDir());
        char szProgram[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, szProgram, MAX_PATH);
        CString strProgram(szProgram);
        m_settings.m_strCmdTargetDir = ChooseShellTargetDir(m_settings.m_strCmdTargetDir, GetConfigFilesDir(),
                                                            strProgram.Left(strProgram.ReverseFind('\\') + 1));
    }
    // No status field pending, no CPU samples (the bars take new texts).
    m_router.ResetSession();
    ApplyConsoleLineOptions();
    m_nTopLine = 0;
    m_nFirstColumn = 0;
    m_bFollowEnd = true;
    SetScrollSizes(MM_TEXT, CSize(32767, 32767), CSize(32767, 32767), CSize(32767, 32767));
    CopyCountsFromDocument();
    UpdateScrollBars();
    SetBrushBackground();
    StartAveragingThread();
    PostMessage(WM_CHECK_REQUIRED_DIRS);
}

void CVornGUIView::OnDestroy()
{
    // Readers paused by flow control are released before anything waits for
    // them: a paused reader never reaches its end otherwise.
    ::SetEvent(m_hResumeReaders);
    ::ResetEvent(m_hRunningEvent);
    ::SetEvent(m_hStopEvent);
    if (m_hAveragingThread) {
        ::WaitForSingleObject(m_hAveragingThread, INFINITE);
        ::CloseHandle(m_hAveragingThread);
        m_hAveragingThread = nullptr;
    }
    // No child may hand output to a view that is gone.
    if (CPipedProcessCtl* pCtl = DetachEmulator()) {
        pCtl->Kill(false);
        delete pCtl;
    }
    m_utilityRuns.KillAll();
    KillTimer(kTimerAutoScrollFirst);
    KillTimer(kTimerAutoScrollRepeat);
    CloseFindDialog();
    m_statusFont.DeleteObject();
    ReleaseBrushBackground();
    CScrollView::OnDestroy();
}
