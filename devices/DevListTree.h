// DevListTree.h: CDevListTree, the device-list bar's tree view. It paints
// itself off the screen and puts the finished picture on the screen all at
// once, and paints its frame without touching its client area, so that the
// tree is never seen erased, blank or half drawn; and while it is held (many
// items coming, going or changing at once) it paints nothing, and
// afterwards repaints only what those changes moved or changed in view.
// Its items are known by their data, which is unique among them: an item's
// handle is not kept while items go and come, as a new item may take the
// address of one gone (Windows' tree view, unlike Wine's, takes any handle
// it is given).
#pragma once

#include <optional>
#include <vector>

#include "platform/CGdiObject.h"
#include "platform/CTreeCtrl.h"

class CDevListTree : public CTreeCtrl {
    DECLARE_MESSAGE_MAP()
public:
    // The tree's redraw off, and the window's, which Windows' default
    // handling of WM_SETREDRAW keeps: under Wine the tree keeps the message
    // to itself, and then repaints its scroll bars for every item whose text
    // changes. What waited to be painted, and what is in view, is kept.
    void Hold();
    // The redraw back on; the rows in view from the first that changed (and
    // the one above it, whose lines may lead on to it), the last row when it
    // gained or lost a sibling or children below the view, the rows of the
    // items with the data given (those that changed, or came in place of
    // one with the same data), the selection's when it moved and what
    // waited before are repainted, and the frame when the scroll bars look
    // different (a long list changes their range at every step, which
    // mostly leaves the thumb where it was). (A paint of any part costs the
    // tree every row in view, and of the frame its scroll bars: nothing
    // unchanged is repainted.)
    void Resume(const std::vector<DWORD_PTR>& changedItems);
    bool IsHeld() const { return m_bHeld; }
    // Repaints the rows in view of the items with the data given.
    void RepaintRows(const std::vector<DWORD_PTR>& items);

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnNcPaint(WPARAM wp, LPARAM lp);

private:
    std::vector<HTREEITEM> RowsInView() const;
    std::vector<DWORD_PTR> DataOf(const std::vector<HTREEITEM>& rows) const;
    std::optional<DWORD_PTR> SelectedData() const;
    void RepaintRows(const std::vector<HTREEITEM>& rows, const std::vector<DWORD_PTR>& data,
                     const std::vector<DWORD_PTR>& items);
    int LinesOf(HTREEITEM hItem) const;
    void InvalidateRow(HTREEITEM hItem, bool bToBottom = false);
    void ScrollBarOf(LONG idObject, SCROLLBARINFO& info) const;
    bool ScrollBarsDiffer() const;

    bool m_bHeld = false;
    std::vector<DWORD_PTR> m_RowsHeld;     // the data of the rows in view when held
    int m_nLastRowHeld = 0;                // LinesOf the last of them
    std::optional<DWORD_PTR> m_SelectedHeld;
    int m_nScrollPosHeld = 0;              // horizontal
    SCROLLBARINFO m_ScrollHeld[2] = {};    // vertical, horizontal
    DWORD m_dwStyleHeld = 0;
    CRgn m_WaitingHeld;                    // what waited to be painted
};
