// CFrameWnd.cpp: the main frame window.
#include "platform/CFrameWnd.h"

#include "platform/AfxIds.h"
#include "platform/CCmdUI.h"
#include "platform/CDocument.h"
#include "platform/CMenu.h"
#include "platform/CView.h"
#include "platform/CWinApp.h"

IMPLEMENT_DYNAMIC(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_INITMENUPOPUP()
    ON_WM_SETFOCUS()
    ON_WM_ACTIVATE()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_RECALCLAYOUT_SOON, OnRecalcLayoutSoon)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
END_MESSAGE_MAP()

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW), nullptr);
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString title;
    if (title.LoadString(nIDResource)) {
        int nl = title.Find('\n');
        m_strTitle = nl >= 0 ? title.Left(nl) : title;
    }
    HINSTANCE hRes = AfxGetResourceHandle();
    m_hMenuDefault = ::LoadMenuA(hRes, MAKEINTRESOURCEA(nIDResource));
    m_hAccelTable = ::LoadAcceleratorsA(hRes, MAKEINTRESOURCEA(nIDResource));
    HICON hIcon = ::LoadIconA(hRes, MAKEINTRESOURCEA(nIDResource));
    DWORD style = dwDefaultStyle & ~FWS_ADDTOTITLE;
    if (!CreateEx(0, nullptr, m_strTitle, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  HwndOf(pParentWnd), m_hMenuDefault, pContext)) {
        // The menu is freed with a window; without one it is ours to free.
        if (m_hMenuDefault && !::IsMenu(m_hMenuDefault))
            m_hMenuDefault = nullptr;
        return FALSE;
    }
    if (hIcon) {
        SetIcon(hIcon, TRUE);
        SetIcon(hIcon, FALSE);
    }
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT pcs)
{
    if (CWnd::OnCreate(pcs) == -1)
        return -1;
    return OnCreateClient(pcs, (CCreateContext*)pcs->lpCreateParams) ? 0 : -1;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (!pContext || !pContext->m_pNewViewClass)
        return TRUE;
    return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    CView* pView = DYNAMIC_DOWNCAST(CView, pObject);
    if (!pView) {
        delete pObject;
        return nullptr;
    }
    // A view that fails to appear has deleted itself (PostNcDestroy).
    if (!pView->CreateEx(WS_EX_CLIENTEDGE, nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this,
                         nID, pContext))
        return nullptr;
    m_pViewActive = pView;
    return pView;
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}

CDocument* CFrameWnd::GetActiveDocument()
{
    return m_pViewActive ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout || !m_hWnd)
        return;
    if (m_nLayoutHolds > 0) {
        m_bDelayedRecalc = TRUE;
        return;
    }
    m_bInRecalcLayout = TRUE;
    m_bDelayedRecalc = FALSE;
    const std::vector<CRect> before = DockedGeometry();
    CRect rc;
    GetClientRect(&rc);
    LayoutControlBars(rc);
    HWND hView = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST);
    if (hView)
        ::SetWindowPos(hView, nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    if (m_bRedrawBarsAfterLayout || DockedGeometry() != before) {
        m_bRedrawBarsAfterLayout = false;
        RedrawDockedBars();
    }
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::RecalcLayoutSoon()
{
    m_bDelayedRecalc = TRUE;
    if (m_bInRecalcLayout || m_bLayoutPosted || !m_hWnd)
        return;
    m_bLayoutPosted = ::PostMessageA(m_hWnd, WM_RECALCLAYOUT_SOON, 0, 0) != FALSE;
}

LRESULT CFrameWnd::OnRecalcLayoutSoon(WPARAM, LPARAM)
{
    m_bLayoutPosted = false;
    if (m_bDelayedRecalc)
        RecalcLayout();
    return 0;
}

void CFrameWnd::HoldLayout(bool bHold)
{
    m_nLayoutHolds += bHold ? 1 : -1;
    ASSERT(m_nLayoutHolds >= 0);
    if (m_nLayoutHolds == 0 && m_bDelayedRecalc)
        RecalcLayout();
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive && m_pViewActive->m_hWnd)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

// As a dialog does, the frame gives the keyboard back to the window that
// had it when the frame went inactive (a box or dialog it opened took the
// activation, or another program), while that window can take it: a bar's
// control keeps the keys after F1's box or a command's dialog. Else the
// frame takes the focus, and its view (OnSetFocus).
void CFrameWnd::OnActivate(UINT nState, CWnd*, BOOL bMinimized)
{
    if (nState == WA_INACTIVE) {
        HWND hFocus = ::GetFocus();
        m_hWndFocusBack = hFocus && ::IsChild(m_hWnd, hFocus) ? hFocus : nullptr;
        return;
    }
    HWND hBack = m_hWndFocusBack;
    m_hWndFocusBack = nullptr;
    if (!bMinimized && hBack && ::IsChild(m_hWnd, hBack) && ::IsWindowVisible(hBack) && ::IsWindowEnabled(hBack))
        ::SetFocus(hBack);
    else
        Default();
}

void CFrameWnd::OnClose()
{
    CDocument* pDoc = GetActiveDocument();
    if (pDoc && !pDoc->CanCloseFrame(this))
        return;
    if (pDoc)
        pDoc->OnCloseDocument();  // destroys this frame with the document's views
    else
        DestroyWindow();
}

void CFrameWnd::OnDestroy()
{
    m_pViewActive = nullptr;
    CWinApp* pApp = AfxGetApp();
    // The main frame going ends the program's message loop.
    if (pApp && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    CWnd::OnDestroy();
}

bool CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra)
{
    if (m_pViewActive && m_pViewActive->OnCmdMsg(nID, nCode, pExtra))
        return true;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra))
        return true;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode, pExtra);
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopup, UINT nIndex, BOOL bSysMenu)
{
    CWnd::OnInitMenuPopup(pPopup, nIndex, bSysMenu);
    if (bSysMenu)
        return;
    // The count is read again each time: an update handler (the recent-file
    // list) may add items.
    for (int i = 0; i < pPopup->GetMenuItemCount(); i++) {
        UINT nID = pPopup->GetMenuItemID(i);
        if (nID == 0 || nID == (UINT)-1)
            continue;  // separators and sub-menus
        CCmdUI state;
        state.m_pMenu = pPopup;
        state.m_nIndex = (UINT)i;
        state.m_nIndexMax = (UINT)pPopup->GetMenuItemCount();
        state.m_nID = nID;
        state.DoUpdate(this, m_bAutoMenuEnable);
    }
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_hAccelTable && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg);
    return FALSE;
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CDocument* pDoc = GetActiveDocument();
    if (!bAddToTitle || !pDoc) {
        SetWindowText(m_strTitle);
        return;
    }
    CString title = pDoc->GetTitle() + " - " + m_strTitle;
    SetWindowText(title);
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    if (m_pViewActive)
        m_pViewActive->OnInitialUpdate();
    OnUpdateFrameTitle(pDoc != nullptr);
    RecalcLayout();
    if (bMakeVisible)
        ActivateFrame();
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
        nCmdShow = IsIconic() ? SW_RESTORE : (IsWindowVisible() ? SW_SHOW : SW_SHOWNORMAL);
    ShowWindow(nCmdShow);
    BringWindowToTop();
}

void CFrameWnd::SetMessageText(LPCSTR pszText)
{
    HWND hStatus = ::GetDlgItem(m_hWnd, AFX_IDW_STATUS_BAR_ID);
    if (hStatus)
        ::SendMessageA(hStatus, SB_SETTEXTA, 0, (LPARAM)pszText);
}
