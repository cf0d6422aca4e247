// CRichEditCtrl.cpp: creating rich edit controls.
#include "platform/CRichEditCtrl.h"

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    // The window class exists once the library is loaded; it stays loaded
    // for the life of the program, as the controls may be made at any time.
    static HMODULE s_hRichEdit = ::LoadLibraryA("riched20.dll");
    if (!s_hRichEdit)
        return FALSE;
    return CreateEx(WS_EX_CLIENTEDGE, RICHEDIT_CLASSA, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}
