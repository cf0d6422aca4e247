// ProcessHelpers.cpp: the editor, the shell, environment references, the
// control panel's sounds and the crash report's place.
#include "config/ProcessHelpers.h"

#include <shlobj.h>
#include <shellapi.h>
#include <mmsystem.h>

#include <vector>

#include "config/EditorCommand.h"
#include "platform/MessageBoxes.h"
#include "platform/Trace.h"

CString ExpandEnvironmentVars(CString& strOut, const char* pszText)
{
    const DWORD kBufferChars = 32762;
    std::vector<char> buf(kBufferChars, '\0');
    DWORD n = ::ExpandEnvironmentStringsA(pszText ? pszText : "", buf.data(), kBufferChars);
    // n counts the terminating NUL: a result of 32760 characters or more is
    // taken as failed, as is one that did not fit.
    if (n == 0 || n - 1 >= 32760)
        strOut = pszText ? pszText : "";
    else
        strOut = buf.data();
    return strOut;
}

bool EditFileInEditor(const char* pszPath, const char* pszEditor)
{
    if (!pszPath || !*pszPath)
        return false;
    CString strEditor = pszEditor ? pszEditor : "";
    if (strEditor.Find('%') >= 0)
        ExpandEnvironmentVars(strEditor, CString(strEditor));
    CString strCmd = BuildEditorCommandLine(strEditor, pszPath);
    std::vector<char> cmd(strCmd.GetString(), strCmd.GetString() + strCmd.GetLength() + 1);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        DWORD dwError = TRACE_FAILED_CALL("CreateProcessA(nullptr, cmd.data(), ...)");
        CString strMsg;
        strMsg.Format("CreateProcess() for \"%s\" failed!", strEditor.IsEmpty() ? "notepad" : strEditor.GetString());
        ErrorMessageBox(strMsg, nullptr, dwError);
        return false;
    }
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return true;
}

bool OpenDocumentOrUrl(const char* pszText)
{
    CString strTarget = pszText ? pszText : "";
    if (strTarget.GetLength() > 1 && strTarget[1] == ':')
        strTarget = "file:///" + strTarget;
    HINSTANCE h = ::ShellExecuteA(nullptr, "open", strTarget, nullptr, nullptr, SW_SHOWNORMAL);
    if ((INT_PTR)h <= 32) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

DWORD PlaySoundResource(const char* pszName)
{
    if (::PlaySoundA(pszName, ::GetModuleHandleA(nullptr), SND_RESOURCE | SND_SYNC | SND_NODEFAULT))
        return TRUE;
    DWORD dwError = ::GetLastError();
    return dwError ? dwError : ERROR_RESOURCE_NAME_NOT_FOUND;
}

bool PlaySoundResourceAsync(const char* pszName)
{
    return ::PlaySoundA(pszName, ::GetModuleHandleA(nullptr), SND_RESOURCE | SND_ASYNC | SND_NODEFAULT) != FALSE;
}

CString CrashReportPath()
{
    char szDocs[MAX_PATH] = "";
    HRESULT hr = ::SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, szDocs);
    if (FAILED(hr)) {
        TraceFailedCall(__PRETTY_FUNCTION__, "SHGetFolderPathA(nullptr, CSIDL_PERSONAL, ...)", (DWORD)hr);
        return CString();
    }
    CString strPath = szDocs;
    if (strPath.IsEmpty() || strPath[strPath.GetLength() - 1] != '\\')
        strPath += '\\';
    return strPath + "VornGUI Unhandled Exception Report.txt";
}
