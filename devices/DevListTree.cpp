// DevListTree.cpp: the device-list bar's tree, painted off the screen and
// repainted where held changes left it different.
#include "devices/DevListTree.h"

#include <algorithm>
#include <iterator>

#include "platform/CDC.h"

BEGIN_MESSAGE_MAP(CDevListTree, CTreeCtrl)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_NCPAINT, OnNcPaint)
END_MESSAGE_MAP()

namespace {

const LONG kScrollBars[2] = {OBJID_VSCROLL, OBJID_HSCROLL};

// The same picture: bar, arrows and thumb where they were. A range that
// grew by a few hundred items mostly leaves the thumb as it was.
bool SameScrollBar(const SCROLLBARINFO& a, const SCROLLBARINFO& b)
{
    return ::EqualRect(&a.rcScrollBar, &b.rcScrollBar) && a.dxyLineButton == b.dxyLineButton &&
           a.xyThumbTop == b.xyThumbTop && a.xyThumbBottom == b.xyThumbBottom &&
           std::equal(std::begin(a.rgstate), std::end(a.rgstate), std::begin(b.rgstate));
}

}  // namespace

// The part to paint is drawn, background and all, into a bitmap by the
// tree itself (WM_PRINTCLIENT), then copied to the screen at once.
void CDevListTree::OnPaint()
{
    CPaintDC dc(this);
    CRect rc = dc.m_ps.rcPaint;
    if (rc.IsRectEmpty())
        return;
    CDC mem;
    CBitmap bmp;
    if (!mem.CreateCompatibleDC(&dc) || !bmp.CreateCompatibleBitmap(dc, rc.Width(), rc.Height())) {
        DefWindowProc(WM_PRINTCLIENT, (WPARAM)(HDC)dc, PRF_CLIENT | PRF_ERASEBKGND);
        return;
    }
    CDCSelect select(mem, bmp);
    ::SetViewportOrgEx(mem, -rc.left, -rc.top, nullptr);
    DefWindowProc(WM_PRINTCLIENT, (WPARAM)(HDC)mem, PRF_CLIENT | PRF_ERASEBKGND);
    ::SetViewportOrgEx(mem, 0, 0, nullptr);
    dc.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &mem, 0, 0, SRCCOPY);
}

// The picture painted covers the background.
BOOL CDevListTree::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

// Wine's tree view with a theme fills the whole part of its window that the
// region names with the theme's background (white) before it draws its
// frame and scroll bars, client area included, which then shows blank until
// its next paint: a frame changed by scroll bars that come or go, or any
// paint of the frame, blanked the list. It is given the frame alone (the
// region is in screen coordinates, and 1 stands for the whole window).
LRESULT CDevListTree::OnNcPaint(WPARAM wp, LPARAM lp)
{
    CRect rcWnd, rcClient;
    GetWindowRect(&rcWnd);
    GetClientRect(&rcClient);
    ::MapWindowPoints(m_hWnd, nullptr, (POINT*)&rcClient, 2);
    CRgn frame, client;
    if (!frame.CreateRectRgnIndirect(&rcWnd) || !client.CreateRectRgnIndirect(&rcClient))
        return DefWindowProc(WM_NCPAINT, wp, lp);
    frame.CombineRgn(frame, client, RGN_DIFF);
    if (wp > 1)
        frame.CombineRgn(frame, (HRGN)wp, RGN_AND);
    return DefWindowProc(WM_NCPAINT, (WPARAM)(HRGN)frame, lp);
}

void CDevListTree::Hold()
{
    if (m_bHeld)
        return;
    m_bHeld = true;
    std::vector<HTREEITEM> rows = RowsInView();
    m_RowsHeld = DataOf(rows);
    m_nLastRowHeld = rows.empty() ? 0 : LinesOf(rows.back());
    m_SelectedHeld = SelectedData();
    m_nScrollPosHeld = GetScrollPos(SB_HORZ);
    for (int i = 0; i < 2; ++i)
        ScrollBarOf(kScrollBars[i], m_ScrollHeld[i]);
    m_dwStyleHeld = GetStyle() & (WS_VSCROLL | WS_HSCROLL);
    // Windows' WM_SETREDRAW validates the window: what waited is kept.
    m_WaitingHeld.DeleteObject();
    m_WaitingHeld.CreateRectRgn(0, 0, 0, 0);
    ::GetUpdateRgn(m_hWnd, m_WaitingHeld, FALSE);
    SetRedraw(FALSE);
    ::DefWindowProcA(m_hWnd, WM_SETREDRAW, FALSE, 0);
}

// The tree takes its redraw back while the window still holds its own: it
// sets its scroll bars without painting them, and its own repainting of
// everything is lost on the hidden window.
void CDevListTree::Resume(const std::vector<DWORD_PTR>& changedItems)
{
    if (!m_bHeld)
        return;
    m_bHeld = false;
    SetRedraw(TRUE);
    ::DefWindowProcA(m_hWnd, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRgn(m_hWnd, m_WaitingHeld, FALSE);
    std::vector<HTREEITEM> rows = RowsInView();
    if (GetScrollPos(SB_HORZ) != m_nScrollPosHeld || rows.empty()) {
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    } else {
        std::vector<DWORD_PTR> data = DataOf(rows);
        size_t nFirst = std::mismatch(data.begin(), data.end(), m_RowsHeld.begin(), m_RowsHeld.end()).first -
                        data.begin();
        // The rows from here on are repainted whole.
        size_t nFrom = rows.size();
        if (nFirst < rows.size() || rows.size() != m_RowsHeld.size()) {
            nFrom = nFirst ? std::min(nFirst, rows.size()) - 1 : 0;
            InvalidateRow(rows[nFrom], true);
        } else if (LinesOf(rows.back()) != m_nLastRowHeld) {
            InvalidateRow(rows.back());
        }
        std::vector<DWORD_PTR> items = changedItems;
        std::optional<DWORD_PTR> selected = SelectedData();
        if (selected != m_SelectedHeld) {
            for (const std::optional<DWORD_PTR>& item : {selected, m_SelectedHeld})
                if (item)
                    items.push_back(*item);
        }
        rows.resize(nFrom);
        data.resize(nFrom);
        RepaintRows(rows, data, items);
    }
    if (ScrollBarsDiffer()) {
        // The frame alone: the part of the update region outside the client
        // area reaches WM_NCPAINT.
        CRect rcWnd, rcClient;
        GetWindowRect(&rcWnd);
        ::MapWindowPoints(nullptr, m_hWnd, (POINT*)&rcWnd, 2);
        GetClientRect(&rcClient);
        CRgn frame, client;
        frame.CreateRectRgnIndirect(&rcWnd);
        client.CreateRectRgnIndirect(&rcClient);
        frame.CombineRgn(frame, client, RGN_DIFF);
        ::RedrawWindow(m_hWnd, nullptr, frame, RDW_INVALIDATE | RDW_FRAME);
    }
    m_RowsHeld.clear();
}

void CDevListTree::RepaintRows(const std::vector<DWORD_PTR>& items)
{
    if (items.empty())
        return;
    std::vector<HTREEITEM> rows = RowsInView();
    RepaintRows(rows, DataOf(rows), items);
}

// rows and data: rows in view and their items' data.
void CDevListTree::RepaintRows(const std::vector<HTREEITEM>& rows, const std::vector<DWORD_PTR>& data,
                               const std::vector<DWORD_PTR>& items)
{
    if (items.empty() || rows.empty())
        return;
    std::vector<DWORD_PTR> sorted = items;
    std::sort(sorted.begin(), sorted.end());
    for (size_t i = 0; i < rows.size(); ++i)
        if (std::binary_search(sorted.begin(), sorted.end(), data[i]))
            InvalidateRow(rows[i]);
}

// The items from the first in view on, as many as the view holds (the last
// one perhaps in part).
std::vector<HTREEITEM> CDevListTree::RowsInView() const
{
    std::vector<HTREEITEM> rows;
    size_t nRows = (size_t)::SendMessageA(m_hWnd, TVM_GETVISIBLECOUNT, 0, 0) + 1;
    for (HTREEITEM h = GetNextItem(nullptr, TVGN_FIRSTVISIBLE); h && rows.size() < nRows;
         h = GetNextItem(h, TVGN_NEXTVISIBLE))
        rows.push_back(h);
    return rows;
}

std::vector<DWORD_PTR> CDevListTree::DataOf(const std::vector<HTREEITEM>& rows) const
{
    std::vector<DWORD_PTR> data;
    data.reserve(rows.size());
    for (HTREEITEM hItem : rows)
        data.push_back(GetItemData(hItem));
    return data;
}

// The selected item's data; none without a selection.
std::optional<DWORD_PTR> CDevListTree::SelectedData() const
{
    HTREEITEM hSelected = GetSelectedItem();
    return hSelected ? std::optional<DWORD_PTR>(GetItemData(hSelected)) : std::nullopt;
}

// What a row's lines and button show of the items around it: whether it
// has a sibling after it and children.
int CDevListTree::LinesOf(HTREEITEM hItem) const
{
    return (GetNextSiblingItem(hItem) ? 1 : 0) | (GetChildItem(hItem) ? 2 : 0);
}

void CDevListTree::InvalidateRow(HTREEITEM hItem, bool bToBottom)
{
    CRect rc, rcClient;
    if (!GetItemRect(hItem, &rc, FALSE))
        return;
    GetClientRect(&rcClient);
    rc.left = rcClient.left;
    rc.right = rcClient.right;
    if (bToBottom)
        rc.bottom = rcClient.bottom;
    ::InvalidateRect(m_hWnd, &rc, FALSE);
}

void CDevListTree::ScrollBarOf(LONG idObject, SCROLLBARINFO& info) const
{
    info = SCROLLBARINFO{sizeof(SCROLLBARINFO)};
    ::GetScrollBarInfo(m_hWnd, idObject, &info);
}

bool CDevListTree::ScrollBarsDiffer() const
{
    if ((GetStyle() & (WS_VSCROLL | WS_HSCROLL)) != m_dwStyleHeld)
        return true;
    for (int i = 0; i < 2; ++i) {
        SCROLLBARINFO info;
        ScrollBarOf(kScrollBars[i], info);
        if (!SameScrollBar(info, m_ScrollHeld[i]))
            return true;
    }
    return false;
}
