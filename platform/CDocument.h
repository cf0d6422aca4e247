// CDocument.h: the data of the single-document program, with its views, its
// file name and title, and the modified flag. The New/Open/Save flow calls
// OnNewDocument, OnOpenDocument and OnSaveDocument, which derived documents
// override for their own data; SaveModified asks before changes are lost.
// Documents take commands too (after the active view, before the frame).
#pragma once

#include <vector>

#include "platform/CCmdTarget.h"
#include "platform/MessageMap.h"
#include "platform/CString.h"
#include "platform/Position.h"

class CDocTemplate;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
    DECLARE_MESSAGE_MAP()
public:
    CDocument() = default;
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    // Sets the title and shows it in the frames' captions.
    virtual void SetTitle(LPCSTR pszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // Sets the file name; the title becomes its name part.
    virtual void SetPathName(LPCSTR pszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified != FALSE; }

    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(LPCSTR pszPathName);
    virtual BOOL OnSaveDocument(LPCSTR pszPathName);
    // Closes the views' frames, empties the document and, with m_bAutoDelete, deletes it.
    virtual void OnCloseDocument();
    virtual void DeleteContents() {}
    // True when the document may be closed: unmodified, saved, or the user
    // chose not to save. Asks "Save changes to <title>?".
    virtual BOOL SaveModified();
    // True when the frame may close; default: SaveModified.
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    // Saves under pszPathName, or asks for a name when it is null.
    virtual BOOL DoSave(LPCSTR pszPathName, BOOL bReplace = TRUE);
    BOOL DoFileSave();

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const;
    CView* GetNextView(POSITION& pos) const;
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);

    BOOL m_bAutoDelete = TRUE;

protected:
    void OnFileSave() { DoFileSave(); }
    void OnFileSaveAs() { DoSave(nullptr); }

private:
    friend class CDocTemplate;
    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    std::vector<CView*> m_views;  // not owned: views delete themselves
    bool m_bModified = false;
};

// The common file dialog for a document: open (bOpen) or save as. The filter
// is "Description|*.ext|...||"; strPath receives the chosen path. False when
// cancelled. pszTitle, when given, is the dialog's caption (else the
// system's "Open" or "Save As").
BOOL AfxPromptFileName(CString& strPath, LPCSTR pszInitial, LPCSTR pszFilter, BOOL bOpen, LPCSTR pszTitle = nullptr);
