// FileDialogs.cpp: GetOpenFileName and GetSaveFileName with the initial
// folder, the remembered folder and multiple selection.
#include "config/FileDialogs.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "config/DirectoryValidation.h"
#include "config/FileDialogPaths.h"
#include "platform/CModalLoop.h"
#include "platform/CentreOnOwner.h"
#include "platform/CSplitPath.h"
#include "platform/CWnd.h"
#include "platform/PathFunctions.h"

namespace {

const DWORD kNameBufferChars = 32767;

// "A|*.a|B|*.b||" as the dialog wants it: NUL separators.
std::vector<char> FilterForDialog(const char* pszFilter)
{
    CString strFilter = pszFilter && *pszFilter ? pszFilter : "All Files (*.*)|*.*||";
    std::vector<char> v(strFilter.GetString(), strFilter.GetString() + strFilter.GetLength() + 2);
    for (char& c : v)
        if (c == '|')
            c = '\0';
    return v;
}

CString WindowText(CWnd* pWnd)
{
    CString s;
    if (pWnd && pWnd->m_hWnd) {
        int n = pWnd->GetWindowTextLength();
        std::vector<char> buf((size_t)n + 1, '\0');
        pWnd->GetWindowText(buf.data(), n + 1);
        s = buf.data();
    }
    return s;
}

void SetText(CWnd* pWnd, const CString& s)
{
    if (pWnd && pWnd->m_hWnd)
        pWnd->SetWindowText(s);
}

// The chosen folder becomes the dialogs' remembered folder and the
// process's current directory.
void RememberFolder(const CString& strDir)
{
    if (!IsValidDirectory(strDir))
        return;
    g_strWindowsizedDefaultInitialDir = WindowsizedDirectory(strDir, true);
    ::SetCurrentDirectoryA(g_strWindowsizedDefaultInitialDir);
}

// The open and save dialogs' common parameters: owned by the window of the
// edit they fill (or the window the user works in), explorer style, no
// read-only box; dwFlags adds to that.
OPENFILENAMEA FileNameDialogParams(CWnd* pEdit, std::vector<char>& filter, std::vector<char>& names,
                                   const char* pszInitialDir, const char* pszTitle, DWORD dwFlags)
{
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = ModalOwnerWindow(HwndOf(pEdit));
    ofn.lpstrFilter = filter.data();
    ofn.lpstrFile = names.data();
    ofn.nMaxFile = kNameBufferChars;
    ofn.lpstrInitialDir = pszInitialDir;
    ofn.lpstrTitle = pszTitle;
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | dwFlags;
    return ofn;
}

}  // namespace

INT_PTR BrowseForFile(const char* pszFilter, CString& strPath, const char* pszTitle, const char* pszDefaultPath,
                      CWnd* pEdit, bool bMustExist, CStringArray* pList)
{
    CString strEdit = pList ? CString() : WindowText(pEdit);
    CString strCurrent = pList ? CString() : strPath;
    CString strFirst = pList && pList->GetSize() > 0 ? (*pList)[0] : CString();
    const char* candidates[] = {strEdit, strCurrent, strFirst, pszDefaultPath};
    CString strInitialDir = ChooseInitialFolder(candidates, 4);

    std::vector<char> filter = FilterForDialog(pszFilter);
    std::vector<char> names(kNameBufferChars, '\0');
    if (!pList)
        lstrcpynA(names.data(), CSplitPath(WindowsizedDirectory(strPath)).GetFileNameAndExt(), kNameBufferChars);
    OPENFILENAMEA ofn = FileNameDialogParams(pEdit, filter, names, strInitialDir, pszTitle,
                                             OFN_PATHMUSTEXIST | (bMustExist ? OFN_FILEMUSTEXIST : 0) |
                                                 (pList ? OFN_ALLOWMULTISELECT : 0));
    COwnerChainLock lock(ofn.hwndOwner, false);
    CCentreOnOwner centre(ofn.hwndOwner);
    if (!::GetOpenFileNameA(&ofn))
        return IDCANCEL;
    if (pList) {
        SplitMultiSelectBuffer(names.data(), names.size(), *pList);
        strPath = JoinQuotedPaths(*pList);
        if (pList->GetSize() > 0)
            RememberFolder(CSplitPath((*pList)[0]).GetFullPathOnly());
    } else {
        strPath = WindowsizedDirectory(names.data());
        RememberFolder(CSplitPath(names.data()).GetFullPathOnly());
    }
    SetText(pEdit, strPath);
    return IDOK;
}

INT_PTR BrowseForFileMustExist(const char* pszFilter, CString& strPath, const char* pszTitle,
                               const char* pszDefaultPath, CWnd* pEdit)
{
    return BrowseForFile(pszFilter, strPath, pszTitle, pszDefaultPath, pEdit, true, nullptr);
}

INT_PTR BrowseForShadowFile(const char* pszFilter, CString& strPath, const char* pszDefaultDir)
{
    return BrowseForFile(pszFilter, strPath, "Shadow File", pszDefaultDir, nullptr, false, nullptr);
}

INT_PTR BrowseForSaveFile(CString& strDir, CString& strName, const char* pszTitle, const char* pszDefaultDir,
                          const char* pszFilter, CWnd* pNameEdit, bool bMustExist, bool bOverwritePrompt,
                          CWnd* pDirEdit)
{
    // Directory texts name a folder: their "directory part" needs the separator.
    CString strDirEdit = WindowText(pDirEdit);
    CString c1 = strDirEdit.IsEmpty() ? strDirEdit : StandardizedDirectory(strDirEdit, true);
    CString c2 = strDir.IsEmpty() ? strDir : StandardizedDirectory(strDir, true);
    CString c3 = pszDefaultDir && *pszDefaultDir ? StandardizedDirectory(pszDefaultDir, true) : CString();
    const char* candidates[] = {c1, c2, c3};
    CString strInitialDir = ChooseInitialFolder(candidates, 3);

    std::vector<char> filter = FilterForDialog(pszFilter);
    std::vector<char> names(kNameBufferChars, '\0');
    lstrcpynA(names.data(), strName, kNameBufferChars);
    OPENFILENAMEA ofn = FileNameDialogParams(pNameEdit ? pNameEdit : pDirEdit, filter, names, strInitialDir, pszTitle,
                                             (bMustExist ? OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST : 0) |
                                                 (bOverwritePrompt ? OFN_OVERWRITEPROMPT : 0));
    // The dialog completes a name typed without an extension: with the
    // selected filter's, else with the first filter's; it asks about
    // overwriting under the completed name.
    CString strDefExt = FilterDefaultExtension(pszFilter);
    ofn.lpstrDefExt = strDefExt.IsEmpty() ? nullptr : strDefExt.GetString();
    COwnerChainLock lock(ofn.hwndOwner, false);
    CCentreOnOwner centre(ofn.hwndOwner);
    if (!::GetSaveFileNameA(&ofn))
        return IDCANCEL;
    CSplitPath split(names.data());
    strDir = WindowsizedDirectory(split.GetFullPathOnly(), true);
    strName = split.GetFileNameAndExt();
    SetText(pDirEdit, strDir);
    SetText(pNameEdit, strName);
    RememberFolder(strDir);
    return IDOK;
}
