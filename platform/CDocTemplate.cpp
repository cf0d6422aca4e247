// CDocTemplate.cpp: making documents with their frame and view.
#include "platform/CDocTemplate.h"

#include "platform/CCreateContext.h"
#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CView.h"
#include "platform/CWinApp.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CDocTemplate::CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                           const CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
    m_strDocStrings.LoadString(nIDResource);
}

BOOL CDocTemplate::GetDocString(CString& str, DocStringIndex index) const
{
    int start = 0;
    for (int i = 0; i < (int)index; i++) {
        start = m_strDocStrings.Find('\n', start);
        if (start < 0) {
            str.Empty();
            return FALSE;
        }
        start++;
    }
    int end = m_strDocStrings.Find('\n', start);
    str = end < 0 ? m_strDocStrings.Mid(start) : m_strDocStrings.Mid(start, end - start);
    return !str.IsEmpty();
}

CString CDocTemplate::GetFileFilter() const
{
    CString name, ext;
    if (!GetDocString(name, filterName) || !GetDocString(ext, filterExt))
        return CString();
    return name + "|*" + ext + "|All Files (*.*)|*.*||";
}

CDocument* CDocTemplate::CreateNewDocument()
{
    CObject* pObject = m_pDocClass->CreateObject();
    CDocument* pDoc = DYNAMIC_DOWNCAST(CDocument, pObject);
    if (!pDoc) {
        delete pObject;
        return nullptr;
    }
    pDoc->m_pDocTemplate = this;
    return pDoc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc)
{
    CObject* pObject = m_pFrameClass->CreateObject();
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, pObject);
    if (!pFrame) {
        delete pObject;
        return nullptr;
    }
    CCreateContext context;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewDocTemplate = this;
    context.m_pCurrentFrame = pFrame;
    // A frame that fails to appear has deleted itself (PostNcDestroy).
    return pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context) ? pFrame
                                                                                                   : nullptr;
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    CDocument* pDoc = m_pOnlyDoc;
    m_pOnlyDoc = nullptr;
    if (pDoc) {
        pDoc->m_bAutoDelete = FALSE;
        delete pDoc;
    }
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = nullptr;
}

void CSingleDocTemplate::DiscardNew(bool bCreated, CFrameWnd* pFrame, CDocument* pDoc)
{
    if (!bCreated)
        return;  // the open document stays, as it was
    pFrame->DestroyWindow();
    m_pOnlyDoc = nullptr;
    delete pDoc;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCSTR pszPathName, BOOL bMakeVisible)
{
    CDocument* pDoc = m_pOnlyDoc;
    CFrameWnd* pFrame = nullptr;
    bool bCreated = false;
    if (pDoc) {
        // One document at a time: the open one must be given up first.
        if (!pDoc->SaveModified())
            return nullptr;
        POSITION pos = pDoc->GetFirstViewPosition();
        if (pos)
            pFrame = pDoc->GetNextView(pos)->GetParentFrame();
    } else {
        pDoc = CreateNewDocument();
        if (!pDoc)
            return nullptr;
        m_pOnlyDoc = pDoc;
        bCreated = true;
        pFrame = CreateNewFrame(pDoc);
        if (!pFrame) {
            m_pOnlyDoc = nullptr;
            delete pDoc;
            return nullptr;
        }
    }
    CString name;
    if (!pszPathName) {
        if (!GetDocString(name, docName))
            name = "Untitled";
        if (!pDoc->OnNewDocument()) {
            DiscardNew(bCreated, pFrame, pDoc);
            return nullptr;
        }
        pDoc->SetTitle(name);
    } else {
        if (!pDoc->OnOpenDocument(pszPathName)) {
            DiscardNew(bCreated, pFrame, pDoc);
            return nullptr;
        }
        pDoc->SetPathName(pszPathName);
    }
    CWinApp* pApp = AfxGetApp();
    if (bCreated && pApp && !pApp->m_pMainWnd)
        pApp->m_pMainWnd = pFrame;
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
    return pDoc;
}
