// CDocument.cpp: documents, their views and the save flow.
#include "platform/CDocument.h"

#include <windows.h>
#include <commdlg.h>

#include <algorithm>

#include "platform/AfxIds.h"
#include "platform/CDocTemplate.h"
#include "platform/CFrameWnd.h"
#include "platform/CModalLoop.h"
#include "platform/CentreOnOwner.h"
#include "platform/CView.h"
#include "platform/CWinApp.h"
#include "platform/MessageMap.h"
#include "platform/TextFunctions.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::~CDocument()
{
    for (CView* pView : m_views)
        pView->m_pDocument = nullptr;
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCSTR pszTitle)
{
    m_strTitle = pszTitle;
    for (CView* pView : m_views)
        if (CFrameWnd* pFrame = pView->GetParentFrame())
            pFrame->OnUpdateFrameTitle(TRUE);
}

void CDocument::SetPathName(LPCSTR pszPathName, BOOL)
{
    char full[MAX_PATH] = {};
    char* pName = nullptr;
    if (!::GetFullPathNameA(pszPathName, MAX_PATH, full, &pName))
        ::lstrcpynA(full, pszPathName, MAX_PATH);
    m_strPathName = full;
    SetTitle(pName ? pName : full);
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCSTR)
{
    DeleteContents();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCSTR)
{
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    // Closing a frame removes its view from m_views: work on a copy.
    std::vector<CView*> views = m_views;
    bool bAutoDelete = m_bAutoDelete != FALSE;
    m_bAutoDelete = FALSE;  // not deleted by the last view going
    for (CView* pView : views)
        if (CFrameWnd* pFrame = pView->GetParentFrame())
            pFrame->DestroyWindow();
    DeleteContents();
    if (bAutoDelete)
        delete this;
    else
        m_bAutoDelete = bAutoDelete;
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString name = m_strTitle.IsEmpty() ? CString("Untitled") : m_strTitle;
    CString prompt;
    prompt.Format("Save changes to %s?", name.GetString());
    CWinApp* pApp = AfxGetApp();
    CWnd* pMain = AfxGetMainWnd();
    COwnerChainLock lock(HwndOf(pMain), false);
    CCentreOnOwner centre(HwndOf(pMain));
    int r = ::MessageBoxA(HwndOf(pMain), BoundShownText(prompt), pApp ? pApp->m_strAppName.GetString() : "",
                          MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    if (r == IDCANCEL)
        return FALSE;
    return r == IDYES ? DoFileSave() : TRUE;
}

BOOL CDocument::CanCloseFrame(CFrameWnd*)
{
    return SaveModified();
}

BOOL CDocument::DoFileSave()
{
    DWORD attr = m_strPathName.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(m_strPathName);
    // A new or read-only document is saved under a name the user picks.
    if (attr == INVALID_FILE_ATTRIBUTES || (attr & FILE_ATTRIBUTE_READONLY))
        return DoSave(nullptr);
    return DoSave(m_strPathName);
}

BOOL CDocument::DoSave(LPCSTR pszPathName, BOOL bReplace)
{
    CString path = pszPathName;
    if (path.IsEmpty()) {
        CString filter = m_pDocTemplate ? m_pDocTemplate->GetFileFilter() : CString();
        if (!AfxPromptFileName(path, m_strPathName.IsEmpty() ? m_strTitle : m_strPathName, filter, FALSE))
            return FALSE;
    }
    if (!OnSaveDocument(path))
        return FALSE;
    if (bReplace)
        SetPathName(path);
    return TRUE;
}

void CDocument::AddView(CView* pView)
{
    m_views.push_back(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView)
{
    for (size_t i = 0; i < m_views.size(); i++) {
        if (m_views[i] == pView) {
            m_views.erase(m_views.begin() + (std::ptrdiff_t)i);
            break;
        }
    }
    pView->m_pDocument = nullptr;
}

// A POSITION is the index of the next view plus one.
POSITION CDocument::GetFirstViewPosition() const
{
    return m_views.empty() ? nullptr : (POSITION)(UINT_PTR)1;
}

CView* CDocument::GetNextView(POSITION& pos) const
{
    size_t i = (size_t)(UINT_PTR)pos - 1;
    CView* pView = m_views[i];
    pos = i + 1 < m_views.size() ? (POSITION)(UINT_PTR)(i + 2) : nullptr;
    return pView;
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    for (CView* pView : m_views)
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
}

BOOL AfxPromptFileName(CString& strPath, LPCSTR pszInitial, LPCSTR pszFilter, BOOL bOpen, LPCSTR pszTitle)
{
    // The filter text uses '|' between parts, as in the string table.
    CString filter = (pszFilter && *pszFilter) ? CString(pszFilter) : CString("All Files (*.*)|*.*||");
    filter.Replace('|', '\0');
    // A path's folder is where the dialog opens, its name the one it
    // proposes. Given as the initial folder: Windows' dialog opens in the
    // folder it used last whenever the initial folder is the one of its
    // first use in the program (none, each time), whatever path the name has.
    CString strFolder = pszInitial ? pszInitial : "";
    int nName = std::max(strFolder.ReverseFind('\\'), strFolder.ReverseFind('/')) + 1;
    char file[MAX_PATH] = {};
    ::lstrcpynA(file, strFolder.Mid(nName), MAX_PATH);
    strFolder = strFolder.Left(nName);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = ModalOwnerWindow(nullptr);
    ofn.lpstrFilter = filter.GetString();
    ofn.lpstrInitialDir = strFolder.IsEmpty() ? nullptr : strFolder.GetString();
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = pszTitle;
    ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER |
                (bOpen ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
    COwnerChainLock lock(ofn.hwndOwner, false);
    CCentreOnOwner centre(ofn.hwndOwner);
    BOOL ok = bOpen ? ::GetOpenFileNameA(&ofn) : ::GetSaveFileNameA(&ofn);
    if (ok)
        strPath = file;
    return ok;
}
