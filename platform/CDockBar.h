// CDockBar.h: the strip along one side of a frame (or inside a floating
// mini frame) that holds docked control bars in rows. Its list
// m_arrBars (a CPtrArray) holds a null before every row, bar pointers, and placeholders
// (the control id of a bar that is remembered in that place while it floats
// elsewhere); see DockRowModel.h. Hidden bars keep their entries and take
// no room. The dock bar's thickness is the sum of its rows' thicknesses; a
// row is cut to its cap in m_rowCaps (never below its bars' minimums, and
// a bar with rows of text to whole rows) when the frame is short of room,
// and never reaches past the room the frame offers the side. The bars of a
// row fill its thickness (DockBarFill).
#pragma once

#include "platform/CControlBar.h"
#include "platform/DockRowModel.h"

class CDockBar : public CControlBar {
    DECLARE_DYNAMIC(CDockBar)
    DECLARE_MESSAGE_MAP()
public:
    explicit CDockBar(BOOL bFloating = FALSE);

    // A dock bar of pParent with id nID (AFX_IDW_DOCKBAR_*) and the
    // alignment in dwStyle.
    BOOL Create(CWnd* pParent, DWORD dwStyle, UINT nID);
    BOOL IsDockBar() const override { return TRUE; }
    BOOL IsFloatingDockBar() const { return m_bFloating; }

    // Docks pBar here: at lpRect (screen) when given, in the row and place
    // where pptAt (screen; the rectangle's middle when null) lies; else in
    // the place a placeholder kept for it, else in a new last row. The bar
    // is re-parented, leaves its old dock bar, and its style takes this dock
    // bar's alignment.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr, const POINT* pptAt = nullptr);
    // Docks pBar back into the place its placeholder kept (the row and place
    // it left), starting at lpRect (screen) when given; without a
    // placeholder as DockControlBar.
    void ReDockControlBar(CControlBar* pBar, LPCRECT lpRect);
    // Takes pBar out; with bAddPlaceHolder its entry becomes a placeholder.
    // False when the bar was not here.
    BOOL RemoveControlBar(CControlBar* pBar, BOOL bAddPlaceHolder);
    // Drops the placeholder of nID, if any.
    void RemovePlaceHolder(UINT nID);
    // Bars (not placeholders) in the list, and how many of them are visible.
    int GetDockedCount() const;
    int GetDockedVisibleCount() const;
    // Index of pBar in m_arrBars, or -1.
    int FindBar(const void* pBar) const { return DockListFind(m_arrBars, pBar); }
    // The real bar at entry i, or null for a row break or placeholder.
    CControlBar* GetBarAt(int i) const;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // The real bars of each row, in list order (hidden ones included).
    std::vector<std::vector<CControlBar*>> GetRows() const;
    // What each row with visible bars wants and needs at the least (bHorz:
    // the rows are horizontal), for the frame's sharing of its room.
    std::vector<DockRowNeed> MeasureRows(BOOL bHorz);
    // What one bar of a row wants and needs across it.
    static DockBarNeed MeasureBar(CControlBar* pBar, BOOL bHorz);

    DockEntryList m_arrBars;
    BOOL m_bFloating;
    // The most each row with visible bars may take across, in row order
    // (DockRowCaps; empty: every row as it wants): set by the frame's layout
    // when its sides want more room than the view leaves them; a bar cut to
    // it keeps whole rows of its text (GetWholeRowHeights).
    std::vector<int> m_rowCaps;

protected:
    // Where a bar docked at the screen point pt goes in the list: in the row
    // across which pt lies, before the first bar whose middle lies beyond
    // it; else in a new row before the first row the point precedes, or last.
    int InsertIndexFor(CPoint pt, BOOL bHorz, bool& bNewRow) const;
    // Makes pBar this dock bar's (parent, style, its old dock bar left) and
    // places it at lpRect (screen), or at the start.
    void AttachBar(CControlBar* pBar, LPCRECT lpRect);
    // Lays the rows out from offset 0; moves the bars unless m_bLayoutQuery.
    int LayoutRows(int nLength, BOOL bHorz);
    void OnPaint();
};
