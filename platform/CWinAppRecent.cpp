// CWinAppRecent.cpp: the application's command line and its recent-file
// list: reading and writing it, the menu items it shows and opening an entry.
#include <stdlib.h>

#include <vector>

#include "platform/CCmdUI.h"
#include "platform/CCommandLineInfo.h"
#include "platform/CMenu.h"
#include "platform/CRecentFileList.h"
#include "platform/CSplitPath.h"
#include "platform/CWinApp.h"

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    // The C runtime has split the command line by Windows' quoting rules.
    rCmdInfo.ParseArgs(__argc, __argv);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    EnsureSettingsStore();
    m_pRecentFileList = std::make_unique<CRecentFileList>("Recent File List", (int)nMaxMRU);
    m_pRecentFileList->ReadList();
    // Entries an older release wrote with '/' are listed in Windows form,
    // oldest first so that the order stays and two spellings become one.
    std::vector<CString> stored;
    for (int i = 0; i < m_pRecentFileList->GetCount(); i++)
        stored.push_back((*m_pRecentFileList)[i]);
    while (m_pRecentFileList->GetCount() > 0)
        m_pRecentFileList->Remove(0);
    for (auto it = stored.rbegin(); it != stored.rend(); ++it)
        m_pRecentFileList->Add(CSplitPath(*it).GetFullPath());
}

// The list holds full paths in Windows form, as Windows shows file names.
void CWinApp::AddToRecentFileList(LPCSTR pszPathName)
{
    if (m_pRecentFileList && pszPathName && *pszPathName)
        m_pRecentFileList->Add(CSplitPath(pszPathName).GetFullPath());
}

int CWinApp::ExitInstance()
{
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList();
    return CWinThread::ExitInstance();
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    CMenu* pMenu = pCmdUI->m_pMenu;
    if (!m_pRecentFileList || !pMenu) {
        pCmdUI->Enable(FALSE);
        return;
    }
    int nCount = m_pRecentFileList->GetCount();
    if (nCount == 0) {
        // The list emptied since the last update: one greyed placeholder.
        for (UINT id = ID_FILE_MRU_FILE1 + 1; id <= ID_FILE_MRU_FILE16; id++)
            pMenu->DeleteMenu(id, MF_BYCOMMAND);
        pMenu->ModifyMenu(ID_FILE_MRU_FILE1, MF_BYCOMMAND | MF_STRING, ID_FILE_MRU_FILE1, "Recent File");
        pCmdUI->Enable(FALSE);
        return;
    }
    // Take out the items of the last update, then put the list in their place.
    CString strFirst;
    UINT nPos = pCmdUI->m_nIndex;
    for (UINT id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_FILE16; id++)
        pMenu->DeleteMenu(id, MF_BYCOMMAND);
    for (int i = 0; i < nCount; i++) {
        // An ampersand in a path is doubled so that it shows as itself.
        CString path = (*m_pRecentFileList)[i];
        path.Replace("&", "&&");
        CString text;
        text.Format("&%d %s", (i + 1) % 10, (const char*)path);
        pMenu->InsertMenu(nPos + (UINT)i, MF_STRING | MF_BYPOSITION, ID_FILE_MRU_FILE1 + (UINT)i, text);
    }
    // The loop of the caller sees the new count of items.
    pCmdUI->m_nIndexMax = (UINT)pMenu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = true;
}

void CWinApp::OnOpenRecentFile(UINT nID)
{
    if (!m_pRecentFileList)
        return;
    int nIndex = (int)(nID - ID_FILE_MRU_FILE1);
    if (nIndex < 0 || nIndex >= m_pRecentFileList->GetCount())
        return;
    CString path = (*m_pRecentFileList)[nIndex];
    if (!OpenDocumentFile(path))
        m_pRecentFileList->Remove(nIndex);
}
