// CHyperLink.h: a static text that works as a link: hand cursor, link
// colour, underlined (a font of its own, freed with it), and a click opens
// its address (its own text when no address is set) through the shell.
#pragma once

#include "platform/CGdiObject.h"
#include "platform/CStatic.h"

class CHyperLink : public CStatic {
    DECLARE_MESSAGE_MAP()
public:
    void SetURL(LPCSTR pszURL) { m_strURL = pszURL; }
    // The link's text colour (CLR_INVALID: the system's hot-track colour).
    void SetLinkColor(COLORREF clr) { m_clrLink = clr; }
    const CString& GetURL() const { return m_strURL; }
    // Opens pszURL with the shell; the shell's result, above 32 on success.
    static INT_PTR GotoURL(LPCSTR pszURL, int nShowCmd = SW_SHOWNORMAL);

protected:
    void PreSubclassWindow() override;
    BOOL OnClicked();
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

private:
    CString m_strURL;
    COLORREF m_clrLink = CLR_INVALID;
    CFont m_font;  // the parent's font, underlined
};
