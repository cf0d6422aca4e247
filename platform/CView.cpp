// CView.cpp: views of the document.
#include "platform/CView.h"

#include "platform/CCreateContext.h"
#include "platform/CDC.h"
#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CView::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                           (HBRUSH)(COLOR_WINDOW + 1));
    return TRUE;
}

CFrameWnd* CView::GetParentFrame() const
{
    for (HWND h = ::GetParent(m_hWnd); h; h = ::GetParent(h))
        if (CFrameWnd* p = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(h)))
            return p;
    return nullptr;
}

int CView::OnCreate(LPCREATESTRUCT pcs)
{
    CCreateContext* pContext = (CCreateContext*)pcs->lpCreateParams;
    if (pContext && pContext->m_pCurrentDoc)
        pContext->m_pCurrentDoc->AddView(this);
    return CWnd::OnCreate(pcs);
}

void CView::OnDestroy()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy()
{
    delete this;
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, CObject*)
{
    Invalidate(TRUE);
}

bool CView::OnCmdMsg(UINT nID, int nCode, void* pExtra)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra))
        return true;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra);
}
