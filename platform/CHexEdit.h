// CHexEdit.h: the companion library's hex edit control: a hex pane and a
// character pane over data the control does not hold. It asks the caller for
// bytes through a read callback (address, length: a pointer to that many
// bytes) and hands typed bytes back through a write callback, so the data may
// be as large as 64-bit addresses reach and may live anywhere (another
// process's memory, for the storage display). Parameters come in one record,
// HEPARMS, whose mask says which fields count.
//
// The control: an address column, the hex pane in groups, the character pane
// (ASCII, or EBCDIC translated); a selection of whole bytes; a caret in one
// pane at a byte (and, in the hex pane, a digit); typing overwrites, it never
// inserts. Keys: arrows, Home/End (row; with Ctrl the data), Page Up/Down,
// Tab (the other pane; in a dialog Ctrl+Tab, as plain
// Tab moves on to the next control), Shift extends the selection, Ctrl+A selects all, Ctrl+C
// copies. The context menu offers Copy and Select All; derived classes add
// their own items in AddContextMenuItems, and commands that are not the
// control's own go to the control as WM_COMMAND.
//
// Without data (a data size of 0) the control shows its window text, if
// any, centred in its read-only colours: why there is nothing to show.
//
// Split by concern: CHexEdit.cpp (creation, parameters, selection, scrolling),
// CHexEditPaint.cpp, CHexEditKeys.cpp (keyboard and mouse), CHexEditMenu.cpp.
#pragma once

#include <windows.h>

#include "platform/CGdiObject.h"
#include "platform/CWnd.h"
#include "platform/HexEditLayout.h"

class CMenu;

// The data at nAddress, at least nLength bytes; null when there is none.
typedef const BYTE* (*HEXEDITREADPROC)(void* pContext, UINT64 nAddress, UINT nLength);
// Stores nLength bytes at nAddress.
typedef void (*HEXEDITWRITEPROC)(void* pContext, UINT64 nAddress, const BYTE* pData, UINT nLength);

// HEPARMS.dwMask bits: which fields SetParms takes.
enum : DWORD {
    HEPM_COLORS = 0x0001,          // clrText, clrBack, clrHighlightText, clrHighlightBack
    HEPM_READONLYCOLORS = 0x0002,  // the four clrReadOnly... colours
    HEPM_FONT = 0x0004,            // lfFont
    HEPM_DATASIZE = 0x0008,        // nDataSize
    HEPM_DATA = 0x0010,            // pData: fixed bytes, read and written in place
    HEPM_CALLBACKS = 0x0020,       // pfnRead, pfnWrite, pContext
    HEPM_LAYOUT = 0x0040,          // nGroupBytes, nPaneGap
    HEPM_FLAGS = 0x0080,           // dwFlags
};

// HEPARMS.dwFlags
enum : DWORD {
    HEF_WIDEADDRESS = 0x0001,   // 16-digit addresses (data beyond 4 GiB)
    HEF_READONLY = 0x0002,      // no typing; the read-only colours
    HEF_EBCDIC = 0x0004,        // the character pane shows EBCDIC code page 37
    HEF_NOHIDESEL = 0x0008,     // the selection shows without the focus too
};

struct HEPARMS {
    UINT cbSize = sizeof(HEPARMS);
    DWORD dwMask = 0;
    COLORREF clrText = 0, clrBack = 0, clrHighlightText = 0, clrHighlightBack = 0;
    COLORREF clrReadOnlyText = 0, clrReadOnlyBack = 0, clrReadOnlyHighlightText = 0,
             clrReadOnlyHighlightBack = 0;
    LOGFONTA lfFont = {};
    UINT64 nDataSize = 0;
    BYTE* pData = nullptr;
    HEXEDITREADPROC pfnRead = nullptr;
    HEXEDITWRITEPROC pfnWrite = nullptr;
    void* pContext = nullptr;
    UINT nGroupBytes = 4;  // bytes between the blanks of the hex pane
    UINT nPaneGap = 2;     // blanks between address, hex and character panes
    DWORD dwFlags = 0;
};

// Context-menu commands of the control itself.
enum : UINT { ID_HEXEDIT_COPY = 0xE8F0, ID_HEXEDIT_SELECTALL = 0xE8F1 };

class CHexEdit : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    // The window class; dialog templates may name it and subclass the item.
    static constexpr const char* kClassName = "WLHexEdit";
    static BOOL RegisterClass();

    CHexEdit();
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Takes the fields dwMask names; FALSE for a record of the wrong size.
    BOOL SetParms(const HEPARMS& parms);
    const HEPARMS& GetParms() const { return m_parms; }

    // The selection [nStart, nEnd); empty when nStart == nEnd (the caret).
    void GetSel(UINT64& nStart, UINT64& nEnd) const;
    // Selects [nStart, nEnd) (clamped to the data), caret at nStart, scrolled
    // into view.
    void SetSel(UINT64 nStart, UINT64 nEnd);
    // Writes the bytes over the data from the selection's start (as many as
    // fit before the data's end) and selects what was written. FALSE when
    // read-only or nothing can be written.
    BOOL ReplaceSel(const BYTE* pData, UINT nLength);
    // The caret's address, and its point in client coordinates.
    UINT64 GetCaretAddress() const { return m_caret.nAddress; }
    CPoint GetCaretPoint() const;
    HexPane GetActivePane() const { return m_pane; }
    void SetActivePane(HexPane pane);
    // The first address shown.
    UINT64 GetTopAddress() const { return m_nTopRow * m_layout.nBytesPerRow; }
    // Shows the row of nAddress first, as far as the data lets the last page
    // fill (a row on the last page stays where that page puts it).
    void ScrollAddressToTop(UINT64 nAddress);
    const HexEditLayout& GetLayout() const { return m_layout; }
    // One character cell in pixels.
    CSize GetCellSize() const { return m_cell; }

protected:
    // Adds items to the context menu before it shows; the base adds none.
    virtual void AddContextMenuItems(CMenu& popup);
    // The context menu: the control's items (Copy greyed without a
    // selection, Select All), then AddContextMenuItems.
    void BuildContextMenu(CMenu& popup);
    // Carries out a command chosen from the context menu: the control's own,
    // or WM_COMMAND to the control for the others.
    void RunContextMenuCommand(UINT nID);

    int OnCreate(LPCREATESTRUCT pcs);
    void OnDestroy();
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    LRESULT OnEnableMsg(WPARAM wp, LPARAM lp);
    LRESULT OnGetDlgCodeMsg(WPARAM wp, LPARAM lp);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    // WM_GETFONT: the control's own font; WM_SETFONT is ignored (the font
    // comes from the parameters, fixed pitch).
    LRESULT OnGetFontMsg(WPARAM wp, LPARAM lp);
    void PreSubclassWindow() override;

private:
    // Geometry and scrolling (CHexEdit.cpp).
    void Init();
    void Recalc();
    UINT64 RowCount() const;
    int VisibleRows() const;
    void ScrollToRow(UINT64 nRow);
    void EnsureCaretVisible();
    void UpdateScrollBar();
    void PlaceCaret();
    bool IsReadOnly() const;

    // Data access.
    const BYTE* ReadBytes(UINT64 nAddress, UINT nLength) const;
    void WriteBytes(UINT64 nAddress, const BYTE* pData, UINT nLength);

    // Painting (CHexEditPaint.cpp).
    void PaintRow(CDC& dc, UINT64 nRow, int y);
    void PaintCells(CDC& dc, int x, int y, const char* psz, int n, bool bSelected);
    void PaintNoDataText(CDC& dc, const CRect& rcClient);

    // Keys and mouse (CHexEditKeys.cpp).
    void MoveCaret(HexCaret caret, bool bExtend);
    void MoveByRows(INT64 nRows, bool bExtend);
    void TypeHexDigit(int nDigit);
    void TypeChar(BYTE ch);
    bool HitTest(CPoint point, HexCaret& caret, HexPane& pane) const;

    // The context menu and its commands (CHexEditMenu.cpp).
    void CopySelection();

    HEPARMS m_parms;
    CFont m_font;               // made from m_parms.lfFont
    HexEditLayout m_layout;
    CSize m_cell;               // one character cell in pixels
    UINT64 m_nTopRow = 0;
    HexCaret m_caret;
    UINT64 m_nAnchor = 0;       // the selection's fixed end
    HexPane m_pane = HexPane::Hex;
    bool m_bDragging = false;
    bool m_bHasCaret = false;
};
