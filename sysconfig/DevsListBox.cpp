// DevsListBox.cpp: drawing the Devices page's lines, and the lines' keys
// and widths kept beside the list.
#include "sysconfig/DevsListBox.h"

#include "platform/CDC.h"

BEGIN_MESSAGE_MAP(CDevsListBox, CListBox)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

namespace {

// Widths of texts in a list's font, as GetTextExtentPoint32 gives them:
// plain ASCII text by the characters' advance widths, asked once, so that
// thousands of lines cost one call; other text measured whole.
class CLineMeasure {
public:
    explicit CLineMeasure(HWND hList)
        : m_dc(hList), m_font(m_dc, (HFONT)::SendMessageA(hList, WM_GETFONT, 0, 0))
    {
        m_bCharWidths = ::GetCharWidth32A(m_dc, 0, 127, m_nCharWidths) != FALSE;
    }

    int Width(const CString& str)
    {
        int nWidth = 0;
        for (int i = 0; i < str.GetLength(); ++i) {
            unsigned char c = (unsigned char)str[i];
            if (c >= 128 || !m_bCharWidths)
                return ExtentWidth(str);
            nWidth += m_nCharWidths[c];
        }
        return nWidth;
    }

private:
    int ExtentWidth(const CString& str)
    {
        SIZE size = {};
        return ::GetTextExtentPoint32A(m_dc, str, str.GetLength(), &size) ? size.cx : 0;
    }

    CClientDC m_dc;
    CDCSelect m_font;
    int m_nCharWidths[128] = {};
    bool m_bCharWidths = false;
};

}  // namespace

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

// Redraw stays off while the lines go in: a list box that draws updates its
// scroll bar at every line, a call to the system each.
void CDevsListBox::BeginLines(const std::vector<SDeviceLine>& lines)
{
    SetRedraw(FALSE);
    ResetContent();
    m_keys.clear();
    m_widths.clear();
    m_widthLines.clear();
    m_nExtentTold = -1;
    size_t nBytes = 0;
    for (const SDeviceLine& line : lines)
        nBytes += (size_t)line.strText.GetLength() + 1;
    SendMessage(LB_INITSTORAGE, (WPARAM)lines.size(), (LPARAM)nBytes);
}

void CDevsListBox::AppendLines(const std::vector<SDeviceLine>& lines, size_t nFirst, size_t nEnd)
{
    CLineMeasure measure(m_hWnd);
    for (size_t i = nFirst; i < nEnd && i < lines.size(); ++i) {
        const SDeviceLine& line = lines[i];
        int nLine = AddString(line.strText);
        SetItemData(nLine, line.dwKey);
        m_keys.push_back(line.dwKey);
        m_widths.push_back(measure.Width(line.strText));
        CountWidth(m_widths.back(), 1);
    }
}

void CDevsListBox::EndLines()
{
    SetRedraw(TRUE);
    Invalidate();
    UpdateHorizontalExtent();
}

int CDevsListBox::InsertLine(int nIndex, const CString& strText, DWORD dwKey)
{
    int nLine = InsertString(nIndex, strText);
    if (nLine < 0)
        return nLine;
    SetItemData(nLine, dwKey);
    int nWidth = CLineMeasure(m_hWnd).Width(strText);
    m_keys.insert(m_keys.begin() + nLine, dwKey);
    m_widths.insert(m_widths.begin() + nLine, nWidth);
    CountWidth(nWidth, 1);
    return nLine;
}

void CDevsListBox::DeleteLine(int nIndex)
{
    if (nIndex < 0 || nIndex >= (int)m_keys.size())
        return;
    DeleteString((UINT)nIndex);
    CountWidth(m_widths[(size_t)nIndex], -1);
    m_keys.erase(m_keys.begin() + nIndex);
    m_widths.erase(m_widths.begin() + nIndex);
}

void CDevsListBox::CountWidth(int nWidth, int nLines)
{
    int& nCount = m_widthLines[nWidth];
    nCount += nLines;
    if (nCount <= 0)
        m_widthLines.erase(nWidth);
}

void CDevsListBox::UpdateHorizontalExtent()
{
    int nExtent = (m_widthLines.empty() ? 0 : m_widthLines.rbegin()->first) + 5;
    if (nExtent == m_nExtentTold)
        return;
    m_nExtentTold = nExtent;
    SetHorizontalExtent(nExtent);
}
