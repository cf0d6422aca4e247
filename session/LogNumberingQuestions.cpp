// LogNumberingQuestions.cpp: the log numbering questions as task dialogs.
#include "session/LogNumberingQuestions.h"

#include <commctrl.h>

#include <string>

#include "platform/TextFunctions.h"
#include "platform/WLTaskDialog.h"
#include "platform/WideText.h"

int AskLogNumberingQuestion(HWND hParent, const LogNumberingQuestion& q)
{
    std::wstring title = WideFromAnsi(q.strTitle), instruction = WideFromAnsi(q.strInstruction);
    std::wstring content = WideFromAnsi(BoundShownText(q.strContent));
    std::wstring details = WideFromAnsi(BoundShownText(q.strDetails));
    std::wstring link6 = WideFromAnsi(q.strLink6), link5 = WideFromAnsi(q.strLink5);
    const TASKDIALOG_BUTTON buttons[2] = {{IDYES, link6.c_str()}, {IDNO, link5.c_str()}};
    TASKDIALOGCONFIG tdc = {};
    tdc.cbSize = sizeof(tdc);
    tdc.hwndParent = hParent;
    tdc.dwFlags = TDF_USE_COMMAND_LINKS | TDF_POSITION_RELATIVE_TO_WINDOW | TDF_EXPAND_FOOTER_AREA;
    tdc.pszWindowTitle = title.c_str();
    tdc.pszMainIcon = TD_WARNING_ICON;
    tdc.pszMainInstruction = instruction.c_str();
    tdc.pszContent = content.c_str();
    tdc.cButtons = 2;
    tdc.pButtons = buttons;
    tdc.nDefaultButton = IDYES;
    tdc.pszExpandedInformation = details.c_str();
    tdc.pszExpandedControlText = L"Less Information";
    tdc.pszCollapsedControlText = L"More Information";
    int nButton = 0;
    HRESULT hr = WLTaskDialogIndirect(q.pszName, &tdc, &nButton);
    if (FAILED(hr))
        return 0;
    return nButton;
}
