// CView.h: a view: the child window of the frame that shows the document.
// It is made by the frame from the template's run-time class, joins its
// document at WM_CREATE and leaves it at WM_DESTROY; it deletes itself after
// its window is gone. Commands go to the view first, then to its document.
#pragma once

#include "platform/CWnd.h"

class CDC;
class CDocument;
class CFrameWnd;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
    DECLARE_MESSAGE_MAP()
public:
    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWnd* GetParentFrame() const;

    // Draws the document; pDC is prepared by OnPrepareDC.
    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnPrepareDC(CDC*) {}
    // First display after a document was made or opened; default: OnUpdate.
    virtual void OnInitialUpdate();
    // The document changed; default: repaint all.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    bool OnCmdMsg(UINT nID, int nCode, void* pExtra) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void PostNcDestroy() override;
    int OnCreate(LPCREATESTRUCT pcs);
    void OnDestroy();
    void OnPaint();

private:
    friend class CDocument;
    CDocument* m_pDocument = nullptr;
};
