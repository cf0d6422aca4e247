// CDocTemplate.h: how documents, their frames and views are made: the
// run-time classes of the three and the resource id of the frame (menu,
// icon, accelerators and the string "<title>\n<document name>\n\n<filter
// name>\n<extension>"). CSingleDocTemplate keeps one document at a time and
// owns it; the application owns the template.
#pragma once

#include "platform/CCmdTarget.h"
#include "platform/CString.h"

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)
public:
    enum DocStringIndex { windowTitle = 0, docName = 1, filterName = 3, filterExt = 4 };

    CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                 const CRuntimeClass* pViewClass);

    // Opens pszPathName, or makes a new document when it is null; null on failure.
    virtual CDocument* OpenDocumentFile(LPCSTR pszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual void RemoveDocument(CDocument* pDoc) = 0;
    BOOL GetDocString(CString& str, DocStringIndex index) const;
    // "Name (*.ext)|*.ext|All Files (*.*)|*.*||", or empty without a filter.
    CString GetFileFilter() const;

protected:
    CDocument* CreateNewDocument();
    CFrameWnd* CreateNewFrame(CDocument* pDoc);

    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;
};

class CSingleDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CSingleDocTemplate)
public:
    using CDocTemplate::CDocTemplate;
    ~CSingleDocTemplate() override;

    CDocument* OpenDocumentFile(LPCSTR pszPathName, BOOL bMakeVisible = TRUE) override;
    void RemoveDocument(CDocument* pDoc) override;
    CDocument* GetDocument() const { return m_pOnlyDoc; }

private:
    // Undoes a document and frame made for a failed New or Open.
    void DiscardNew(bool bCreated, CFrameWnd* pFrame, CDocument* pDoc);
    CDocument* m_pOnlyDoc = nullptr;  // owned
};
