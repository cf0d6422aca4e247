// FindRepDemo.cpp: shows the find/replace dialog, for pictures:
// findrepdemo.exe (find and replace, all options) or findrepdemo.exe find
// (find only, as the console view opens it).
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "framework/MyFindRepDlg.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
    bool bFindOnly = __argc > 1 && std::strcmp(__argv[1], "find") == 0;
    CMyFindRepDlg dlg(nullptr, bFindOnly);
    if (bFindOnly) {
        dlg.m_strCaption = "Find Message";
        dlg.m_strFindText = "ZQC01603I";
        dlg.m_wHideMask |= CMyFindRepDlg::kHideHexSearch | CMyFindRepDlg::kHideRegEx |
                           CMyFindRepDlg::kHideSelectionOnly;
        dlg.m_bWrapAround = TRUE;
    } else {
        dlg.m_strCaption = "Find / Replace Storage";
        dlg.m_strFindText = "x'C1C2'";
        dlg.m_strReplaceText = "0x4040";
    }
    dlg.DoModal();
    return 0;
}
