// CFrameWnd.h: the main frame of the single-document program: caption, menu,
// accelerators and icon from one resource id, the view in its client area,
// command routing (active view, then document, then frame, then
// application), menu item updates through the update handlers, and the
// caption "<document> - <application>". RecalcLayout places the control
// bars (LayoutControlBars; the status bar by default) and gives the view
// what is left. The frame deletes itself after its window is gone; closing
// the main frame ends the program's message loop.
#pragma once

#include "platform/CCreateContext.h"
#include "platform/CWnd.h"

class CDocument;
class CView;

#ifndef FWS_ADDTOTITLE
#define FWS_ADDTOTITLE 0x00008000L
#endif

class CFrameWnd : public CWnd {
    DECLARE_DYNAMIC(CFrameWnd)
    DECLARE_MESSAGE_MAP()
public:
    // Makes the frame with the menu, icon, accelerators and title (the first
    // part of the string, up to '\n') of nIDResource.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pView) { m_pViewActive = pView; }
    virtual CDocument* GetActiveDocument();
    // Places the bars and the view; called on every size change.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    // Shows the frame after a document was made or opened.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);
    // Shows a text in the status bar's first pane.
    void SetMessageText(LPCSTR pszText);
    CWnd* GetMessageBar() const { return GetDlgItem(AFX_IDW_STATUS_BAR_ID); }

    bool OnCmdMsg(UINT nID, int nCode, void* pExtra) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    BOOL m_bAutoMenuEnable = TRUE;  // menu items without a handler are disabled
    CString m_strTitle;

protected:
    static const int AFX_IDW_STATUS_BAR_ID = 0xE801;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void PostNcDestroy() override;
    // Makes the view of pContext; false fails the frame's creation.
    virtual BOOL OnCreateClient(LPCREATESTRUCT pcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID);
    // Places the control bars and shrinks rcClient by what they take.
    virtual void LayoutControlBars(CRect& rcClient);

    int OnCreate(LPCREATESTRUCT pcs);
    void OnSize(UINT nType, int cx, int cy);
    void OnClose();
    void OnDestroy();
    void OnInitMenuPopup(CMenu* pPopup, UINT nIndex, BOOL bSysMenu);
    void OnSetFocus(CWnd* pOldWnd);

    HACCEL m_hAccelTable = nullptr;  // a resource: not freed
    HMENU m_hMenuDefault = nullptr;  // destroyed with the window

private:
    CView* m_pViewActive = nullptr;
};
