// CDocumentTest.cpp: the single-document skeleton under Wine: the template
// makes document, frame and scrolling view; New, Open and Save set path,
// title and modified flag; commands route view -> document -> frame ->
// application; menu items update; a busy document refuses to close.
#include <gtest/gtest.h>

#include "platform/Afx.h"
#include "tests/platform/PlatformTestRes.h"

namespace {

bool WriteText(const char* path, const char* text)
{
    HANDLE h = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD n = 0;
    ::WriteFile(h, text, (DWORD)lstrlenA(text), &n, nullptr);
    ::CloseHandle(h);
    return true;
}

bool ReadText(const char* path, CString& text)
{
    HANDLE h = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    char buf[512];
    DWORD n = 0;
    ::ReadFile(h, buf, sizeof(buf), &n, nullptr);
    ::CloseHandle(h);
    text = CString(buf, (int)n);
    return true;
}

CString TempPath(const char* name)
{
    char dir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, dir);
    return CString(dir) + name;
}

CString WindowText(CWnd* p)
{
    CString s;
    p->GetWindowText(s);
    return s;
}

class CTestDoc : public CDocument {
    DECLARE_DYNCREATE(CTestDoc)
    DECLARE_MESSAGE_MAP()
public:
    CString m_text;
    int m_nDo = 0;
    bool m_bBusy = false;

    BOOL OnNewDocument() override
    {
        if (!CDocument::OnNewDocument())
            return FALSE;
        m_text = "new";
        return TRUE;
    }
    BOOL OnOpenDocument(LPCSTR path) override
    {
        CString text;
        if (!ReadText(path, text))
            return FALSE;
        CDocument::OnOpenDocument(path);
        m_text = text;
        return TRUE;
    }
    BOOL OnSaveDocument(LPCSTR path) override
    {
        return WriteText(path, m_text) && CDocument::OnSaveDocument(path);
    }
    BOOL CanCloseFrame(CFrameWnd* pFrame) override { return !m_bBusy && CDocument::CanCloseFrame(pFrame); }

protected:
    void OnDo() { m_nDo++; }
};
IMPLEMENT_DYNCREATE(CTestDoc, CDocument)
BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
    ON_COMMAND(ID_TEST_DO, OnDo)
END_MESSAGE_MAP()

class CTestView : public CScrollView {
    DECLARE_DYNCREATE(CTestView)
public:
    int m_nUpdates = 0;
    void OnInitialUpdate() override
    {
        SetScrollSizes(MM_TEXT, CSize(1000, 3000), CSize(100, 300), CSize(10, 16));
        CScrollView::OnInitialUpdate();
    }
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override
    {
        m_nUpdates++;
        CScrollView::OnUpdate(pSender, lHint, pHint);
    }
    void OnDraw(CDC* pDC) override
    {
        CTestDoc* pDoc = (CTestDoc*)GetDocument();
        pDC->TextOut(0, 0, pDoc->m_text);
    }
};
IMPLEMENT_DYNCREATE(CTestView, CScrollView)

class CTestFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CTestFrame)
};
IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)

class CDocApp : public CWinApp {
public:
    CDocApp() : CWinApp("DocTest")
    {
        AddDocTemplate(new CSingleDocTemplate(IDR_DOCFRAME, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame),
                                              RUNTIME_CLASS(CTestView)));
    }
    CTestDoc* Doc() const { return (CTestDoc*)((CSingleDocTemplate*)GetDocTemplate())->GetDocument(); }
};

// Removes the WM_QUIT that closing the main frame posts.
void DrainQuit()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message != WM_QUIT)
            ::DispatchMessageA(&msg);
}

}  // namespace

TEST(CDocument, NewOpenSaveSetPathTitleAndModifiedFlag)
{
    CDocApp app;
    CTestDoc* pDoc = (CTestDoc*)app.OpenDocumentFile(nullptr);
    ASSERT_NE(pDoc, nullptr);
    CFrameWnd* pFrame = (CFrameWnd*)app.m_pMainWnd;
    ASSERT_NE(pFrame, nullptr);
    EXPECT_EQ(pFrame->GetActiveDocument(), pDoc);
    EXPECT_EQ(pDoc->m_text, "new");
    EXPECT_EQ(pDoc->GetTitle(), "Log");
    EXPECT_EQ(WindowText(pFrame), "Log - DocTest");
    EXPECT_TRUE(pDoc->GetPathName().IsEmpty());
    CTestView* pView = (CTestView*)pFrame->GetActiveView();
    ASSERT_NE(pView, nullptr);
    EXPECT_EQ(pView->GetDocument(), pDoc);
    EXPECT_EQ(pView->m_nUpdates, 1);

    pDoc->m_text = "saved text";
    pDoc->SetModifiedFlag();
    EXPECT_TRUE(pDoc->IsModified());
    CString path = TempPath("doctest-save.txt");
    ASSERT_TRUE(pDoc->DoSave(path));
    CString onDisk;
    ASSERT_TRUE(ReadText(path, onDisk));
    EXPECT_EQ(onDisk, "saved text");
    EXPECT_FALSE(pDoc->IsModified());
    EXPECT_EQ(pDoc->GetTitle(), "doctest-save.txt");
    EXPECT_EQ(WindowText(pFrame), "doctest-save.txt - DocTest");
    EXPECT_EQ(pDoc->GetPathName().CompareNoCase(path), 0);

    CString path2 = TempPath("doctest-open.txt");
    ASSERT_TRUE(WriteText(path2, "opened"));
    EXPECT_EQ(app.OpenDocumentFile(path2), pDoc);  // one document: the same object
    EXPECT_EQ(pDoc->m_text, "opened");
    EXPECT_EQ(WindowText(pFrame), "doctest-open.txt - DocTest");

    // A file that cannot be read leaves the open document as it was.
    EXPECT_EQ(app.OpenDocumentFile(TempPath("doctest-missing.txt")), nullptr);
    EXPECT_EQ(pDoc->m_text, "opened");
    EXPECT_EQ(app.Doc(), pDoc);

    pFrame->SendMessage(WM_CLOSE);
    EXPECT_EQ(app.Doc(), nullptr);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    DrainQuit();
    ::DeleteFileA(path);
    ::DeleteFileA(path2);
}

TEST(CDocument, CommandsRouteThroughViewToDocumentAndMenusUpdate)
{
    CDocApp app;
    CTestDoc* pDoc = (CTestDoc*)app.OpenDocumentFile(nullptr);
    ASSERT_NE(pDoc, nullptr);
    CFrameWnd* pFrame = (CFrameWnd*)app.m_pMainWnd;
    pFrame->SendMessage(WM_COMMAND, ID_TEST_DO);
    EXPECT_EQ(pDoc->m_nDo, 1);

    CMenu menu(::GetSubMenu(::GetMenu(pFrame->m_hWnd), 0));
    pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)menu.m_hMenu, 0);
    EXPECT_FALSE(menu.GetMenuState(ID_TEST_DO, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(ID_TEST_NONE, MF_BYCOMMAND) & MF_GRAYED);

    pDoc->m_bBusy = true;  // refuses to close
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(pFrame->m_hWnd));
    EXPECT_EQ(app.Doc(), pDoc);
    pDoc->m_bBusy = false;
    pFrame->SendMessage(WM_COMMAND, ID_APP_EXIT);  // routed to the application
    EXPECT_EQ(app.Doc(), nullptr);
    DrainQuit();
}

TEST(CScrollView, ScrollBarsMoveWithinTheTotalSize)
{
    CDocApp app;
    ASSERT_NE(app.OpenDocumentFile(nullptr), nullptr);
    CFrameWnd* pFrame = (CFrameWnd*)app.m_pMainWnd;
    CTestView* pView = (CTestView*)pFrame->GetActiveView();
    pFrame->MoveWindow(0, 0, 400, 300);
    EXPECT_EQ(pView->GetTotalSize(), CSize(1000, 3000));
    pView->SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(0, 16));
    pView->SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(0, 316));
    pView->SendMessage(WM_VSCROLL, SB_LINEUP);
    pView->SendMessage(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(0, 0));
    CRect rc;
    pView->GetClientRect(&rc);
    pView->SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(pView->GetScrollPosition().y, 3000 - rc.Height());
    pView->ScrollToPosition(CPoint(-50, 99999));  // clamped
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(0, 3000 - rc.Height()));
    pFrame->SendMessage(WM_CLOSE);
    DrainQuit();
}

TEST(CFrameWnd, OpenAndCloseLeavesNoGdiObjects)
{
    auto openClose = [] {
        CDocApp app;
        app.OpenDocumentFile(nullptr);
        app.m_pMainWnd->UpdateWindow();
        app.m_pMainWnd->SendMessage(WM_CLOSE);
        DrainQuit();
    };
    openClose();
    DWORD before = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 5; i++)
        openClose();
    EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), before);
}
