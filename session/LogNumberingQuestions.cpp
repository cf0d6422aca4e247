// LogNumberingQuestions.cpp: the log numbering questions as task dialogs.
#include "session/LogNumberingQuestions.h"

#include <commctrl.h>

#include <string>

#include "platform/WLTaskDialog.h"

namespace {

std::wstring Wide(const CString& str)
{
    int n = ::MultiByteToWideChar(CP_ACP, 0, str.GetString(), -1, nullptr, 0);
    std::wstring w((size_t)(n > 0 ? n : 1), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, str.GetString(), -1, &w[0], n);
    w.resize(w.size() - 1);
    return w;
}

}  // namespace

int AskLogNumberingQuestion(HWND hParent, const LogNumberingQuestion& q)
{
    std::wstring title = Wide(q.strTitle), instruction = Wide(q.strInstruction), content = Wide(q.strContent);
    std::wstring details = Wide(q.strDetails), link6 = Wide(q.strLink6), link5 = Wide(q.strLink5);
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
    if (FAILED(WLTaskDialogIndirect(q.pszName, &tdc, &nButton)))
        return 0;
    return nButton;
}
