// SaveQuestion.cpp: the Save, Don't Save or Cancel question.
#include "session/SaveQuestion.h"

#include <commctrl.h>

#include <string>

#include "platform/CWinApp.h"
#include "platform/MessageBoxes.h"
#include "platform/WLTaskDialog.h"
#include "platform/WideText.h"

int AskToSave(HWND hParent, LPCSTR pszName, LPCSTR pszInstruction, LPCSTR pszContent)
{
    CWinApp* pApp = AfxGetApp();
    CString strAppName = pApp && !pApp->m_strAppName.IsEmpty() ? pApp->m_strAppName : CString("VornGUI");
    std::wstring strTitle = WideFromAnsi(strAppName);
    std::wstring strInstruction = WideFromAnsi(pszInstruction);
    std::wstring strContent = pszContent ? WideFromAnsi(pszContent) : std::wstring();
    const TASKDIALOG_BUTTON buttons[] = {{IDYES, L"Save"}, {IDNO, L"Don't Save"}};
    TASKDIALOGCONFIG tdc = {};
    tdc.cbSize = sizeof tdc;
    tdc.hwndParent = hParent;
    tdc.dwFlags = TDF_POSITION_RELATIVE_TO_WINDOW | TDF_ALLOW_DIALOG_CANCELLATION;
    tdc.dwCommonButtons = TDCBF_CANCEL_BUTTON;
    tdc.pszWindowTitle = strTitle.c_str();
    tdc.pszMainIcon = TD_WARNING_ICON;
    tdc.pszMainInstruction = strInstruction.c_str();
    tdc.pszContent = strContent.empty() ? nullptr : strContent.c_str();
    tdc.pButtons = buttons;
    tdc.cButtons = 2;
    tdc.nDefaultButton = IDYES;
    int nButton = IDCANCEL;
    if (FAILED(WLTaskDialogIndirect(pszName, &tdc, &nButton)))
        nButton = TDMessageBox(pszInstruction, pszContent, strAppName, MB_YESNOCANCEL | MB_ICONWARNING);
    return nButton == IDYES || nButton == IDNO ? nButton : IDCANCEL;
}

int AskToSaveConsoleLog(HWND hParent, INT_PTR nLines)
{
    CString strContent;
    if (nLines == 1)
        strContent = "Its 1 message is kept in memory only and is lost unless saved.";
    else
        strContent.Format("Its %d messages are kept in memory only and are lost unless saved.", (int)nLines);
    return AskToSave(hParent, "WLTDI_SaveConsoleLog", "Do you want to save the console log?", strContent);
}
