// OverwriteConfirmation.cpp: the overwrite question and the deferred
// deletion of a confirmed output file.
#include "config/OverwriteConfirmation.h"

#include <windows.h>
#include <commctrl.h>

#include <set>
#include <string>

#include "platform/CModalLoop.h"
#include "platform/CentreOnOwner.h"
#include "platform/MessageBoxes.h"
#include "platform/TextFunctions.h"
#include "platform/Trace.h"
#include "platform/WideText.h"

namespace {

const int kOverwriteButton = 6;   // IDYES: "Overwrite"

// Paths the user agreed to overwrite, compared without regard to case.
std::set<std::string>& ConfirmedPaths()
{
    static std::set<std::string> s_paths;
    return s_paths;
}

std::string PathKey(const char* pszPath)
{
    CString s = pszPath ? pszPath : "";
    s.Replace('/', '\\');
    return s.MakeLower().str();
}

int AskOverwrite(const char* pszPath, bool bShowName)
{
    CString strContent;
    if (bShowName)
        strContent.Format("The file:\n\n\"%s\"\n\nalready exists. Do you wish to overwrite it?", pszPath);
    else
        strContent = "The file already exists. Do you wish to overwrite it?";
    std::wstring wTitle = WideFromAnsi("Confirm Overwrite"), wMain = WideFromAnsi("File already exists. Overwrite?");
    std::wstring wContent = WideFromAnsi(BoundShownText(strContent));
    std::wstring wOverwrite = WideFromAnsi("Overwrite"), wCancel = WideFromAnsi("Cancel");
    const TASKDIALOG_BUTTON buttons[] = {{kOverwriteButton, wOverwrite.c_str()}, {IDCANCEL, wCancel.c_str()}};
    TASKDIALOGCONFIG tdc = {};
    tdc.cbSize = sizeof tdc;
    tdc.hwndParent = ModalOwnerWindow(nullptr);
    tdc.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
    tdc.pszWindowTitle = wTitle.c_str();
    tdc.pszMainIcon = TD_WARNING_ICON;
    tdc.pszMainInstruction = wMain.c_str();
    tdc.pszContent = wContent.c_str();
    tdc.cButtons = 2;
    tdc.pButtons = buttons;
    tdc.nDefaultButton = IDCANCEL;
    int nButton = IDCANCEL;
    COwnerChainLock lock(tdc.hwndParent, false);
    CCentreOnOwner centre(tdc.hwndParent);
    if (FAILED(::TaskDialogIndirect(&tdc, &nButton, nullptr, nullptr))) {
        TRACE_FAILED_CALL("TaskDialogIndirect(&tdc, &nButton, nullptr, nullptr)");
        return IDCANCEL;
    }
    return nButton;
}

}  // namespace

bool ConfirmOverwrite(const char* pszPath, bool bShowName)
{
    if (IsOverwriteConfirmed(pszPath))
        return true;
    if (AskOverwrite(pszPath, bShowName) != kOverwriteButton)
        return false;
    RememberOverwriteConfirmed(pszPath);
    return true;
}

void RememberOverwriteConfirmed(const char* pszPath)
{
    ConfirmedPaths().insert(PathKey(pszPath));
}

bool IsOverwriteConfirmed(const char* pszPath)
{
    return ConfirmedPaths().count(PathKey(pszPath)) != 0;
}

void ForgetOverwriteConfirmations()
{
    ConfirmedPaths().clear();
}

bool DeleteConfirmedOutputFile(const char* pszPath, bool bShowName)
{
    if (::GetFileAttributesA(pszPath) == INVALID_FILE_ATTRIBUTES)
        return true;
    if (!IsOverwriteConfirmed(pszPath))
        return false;
    if (!::DeleteFileA(pszPath)) {
        DWORD dwError = TRACE_FAILED_CALL("DeleteFileA(pszPath)");
        CString strMsg;
        if (bShowName)
            strMsg.Format("The file:\n\n\"%s\"\n\ncould not be deleted.", pszPath);
        else
            strMsg = "The file could not be deleted.";
        ErrorMessageBox(strMsg, nullptr, dwError);
        return false;
    }
    ConfirmedPaths().erase(PathKey(pszPath));
    return true;
}
