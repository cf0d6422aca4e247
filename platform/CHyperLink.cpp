// CHyperLink.cpp: link controls.
#include "platform/CHyperLink.h"

#include <shellapi.h>

#include "platform/CDC.h"

BEGIN_MESSAGE_MAP(CHyperLink, CStatic)
    ON_CONTROL_REFLECT_EX(STN_CLICKED, OnClicked)
    ON_WM_SETCURSOR()
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

INT_PTR CHyperLink::GotoURL(LPCSTR pszURL, int nShowCmd)
{
    return (INT_PTR)::ShellExecuteA(nullptr, "open", pszURL, nullptr, nullptr, nShowCmd);
}

void CHyperLink::PreSubclassWindow()
{
    // Clicks reach the parent (and come back reflected) only with SS_NOTIFY.
    ModifyStyle(0, SS_NOTIFY);
    LOGFONTA lf = {};
    HFONT hFont = GetFontHandle();
    if (::GetObjectA(hFont ? (HGDIOBJ)hFont : ::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf)) {
        lf.lfUnderline = TRUE;
        if (m_font.CreateFontIndirect(&lf))
            SetFont(m_font, FALSE);
    }
}

BOOL CHyperLink::OnClicked()
{
    CString url = m_strURL;
    if (url.IsEmpty())
        GetWindowText(url);
    GotoURL(url);
    return TRUE;
}

BOOL CHyperLink::OnSetCursor(CWnd*, UINT, UINT)
{
    ::SetCursor(::LoadCursorA(nullptr, IDC_HAND));
    return TRUE;
}

HBRUSH CHyperLink::CtlColor(CDC* pDC, UINT)
{
    pDC->SetTextColor(m_clrLink != CLR_INVALID ? m_clrLink : ::GetSysColor(COLOR_HOTLIGHT));
    pDC->SetBkMode(TRANSPARENT);
    return ::GetSysColorBrush(COLOR_BTNFACE);  // a system brush: not freed
}
