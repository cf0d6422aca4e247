// CCreateContext.h: what a document template hands a new frame so that the
// frame can make its view and bind it to the document.
#pragma once

struct CRuntimeClass;
class CDocTemplate;
class CDocument;
class CFrameWnd;

struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};
