// BrowseForDirectory.cpp: the folder picker over SHBrowseForFolder.
#include "platform/BrowseForDirectory.h"

#include <objbase.h>
#include <shlobj.h>

#include "platform/CModalLoop.h"
#include "platform/PathFunctions.h"
#include "platform/WindowHelpers.h"

namespace {

int CALLBACK BrowseCallback(HWND hWnd, UINT msg, LPARAM, LPARAM lpData)
{
    if (msg != BFFM_INITIALIZED)
        return 0;
    // The picker opens where the system puts it (the screen's corner):
    // over its owner, as every question does.
    CenterWindowOn(hWnd, ::GetWindow(hWnd, GW_OWNER));
    // Wine's picker walks its tree down to the folder, expanding each level
    // as it goes; the first walk can stop at a level whose folders are not
    // listed yet (it then selects that level). The second walk finds every
    // level filled. On Windows the second selection changes nothing.
    if (lpData) {
        ::SendMessageA(hWnd, BFFM_SETSELECTIONA, TRUE, lpData);
        ::SendMessageA(hWnd, BFFM_SETSELECTIONA, TRUE, lpData);
    }
    return 0;
}

}  // namespace

BOOL BrowseForDirectoryEx(HWND hParent, LPCSTR pszTitle, LPCSTR pszStartFolder, CString& strFolder, LPCSTR pszRoot)
{
    // The picker's new style needs COM on this thread; balanced below.
    HRESULT hrInit = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // The shell takes folders only in Windows form ("C:/dir/" selects nothing).
    PIDLIST_ABSOLUTE pidlRoot = nullptr;
    CString root = WindowsizedDirectory(pszRoot ? pszRoot : "");
    if (!root.IsEmpty()) {
        WCHAR wroot[MAX_PATH];
        ::MultiByteToWideChar(CP_ACP, 0, root, -1, wroot, MAX_PATH);
        ::SHParseDisplayName(wroot, nullptr, &pidlRoot, 0, nullptr);
    }
    CString start = WindowsizedDirectory(pszStartFolder ? pszStartFolder : "");
    DWORD attr = start.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(start);
    bool bStart = attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
    BROWSEINFOA bi = {};
    bi.hwndOwner = hParent;
    bi.pidlRoot = pidlRoot;
    bi.lpszTitle = pszTitle;
    bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    bi.lpfn = BrowseCallback;
    bi.lParam = bStart ? (LPARAM)start.GetString() : 0;
    PIDLIST_ABSOLUTE pidl;
    {
        COwnerChainLock lock(::GetAncestor(hParent, GA_ROOT), false);
        pidl = ::SHBrowseForFolderA(&bi);
    }
    BOOL ok = FALSE;
    if (pidl) {
        char path[MAX_PATH] = {};
        if (::SHGetPathFromIDListA(pidl, path)) {
            strFolder = path;
            ok = TRUE;
        }
        ::CoTaskMemFree(pidl);
    }
    if (pidlRoot)
        ::CoTaskMemFree(pidlRoot);
    if (SUCCEEDED(hrInit))
        ::CoUninitialize();
    return ok;
}
