// DevsListBox.cpp: drawing the Devices page's lines.
#include "sysconfig/DevsListBox.h"

#include "platform/CDC.h"

BEGIN_MESSAGE_MAP(CDevsListBox, CListBox)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

void CDevsListBox::DrawItem(LPDRAWITEMSTRUCT pDIS)
{
    CDC dc(pDIS->hDC);
    CRect rc(pDIS->rcItem);
    if ((int)pDIS->itemID < 0) {
        if (pDIS->itemAction & ODA_FOCUS)
            ::DrawFocusRect(dc, &rc);
        return;
    }
    const bool bSelected = (pDIS->itemState & ODS_SELECTED) != 0;
    if (pDIS->itemAction & (ODA_DRAWENTIRE | ODA_SELECT))
        dc.FillSolidRect(&rc, ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const bool bLoadUnit = m_bHasHighlight && (WORD)(pDIS->itemData & 0xFFFF) == m_wHighlightDevnum;
    COLORREF crText = bSelected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT)
                      : bLoadUnit ? m_crHighlight
                                  : ::GetSysColor(COLOR_WINDOWTEXT);
    int nSaved = dc.SaveDC();
    {
        CDCSelect font(dc, bLoadUnit ? m_hBoldFont : nullptr);
        dc.SetTextColor(crText);
        dc.SetBkMode(TRANSPARENT);
        CString strLine;
        GetText((int)pDIS->itemID, strLine);
        UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
        if (GetStyle() & LBS_USETABSTOPS)
            nFormat |= DT_EXPANDTABS;
        dc.DrawText(strLine, &rc, nFormat);
    }
    dc.RestoreDC(nSaved);
    if ((pDIS->itemAction & ODA_FOCUS) || ((pDIS->itemState & ODS_FOCUS) && (pDIS->itemAction & ODA_DRAWENTIRE)))
        ::DrawFocusRect(dc, &rc);
}
