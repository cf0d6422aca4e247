// DevsListBox.h: CDevsListBox, the Devices page's owner-drawn list of device
// statements. Each line's item data is its device key; the line whose
// device number (any channel subsystem) is the IPL load unit is drawn bold
// in the highlight colour.
//
// The lines change only through BeginLines/AppendLines/EndLines, InsertLine
// and DeleteLine, which keep the lines' keys and widths beside the list: a
// change costs what it changes, never a pass over thousands of lines (the
// horizontal extent is the widest line's, kept as lines come and go).
#pragma once

#include <map>
#include <vector>

#include "platform/CListBox.h"

// One line: a device's statement and its key.
struct SDeviceLine {
    CString strText;
    DWORD dwKey;
};

class CDevsListBox : public CListBox {
    DECLARE_MESSAGE_MAP()
public:
    // Reflected WM_DRAWITEM: one line.
    void DrawItem(LPDRAWITEMSTRUCT pDIS);

    // The list's lines replaced by these in parts, for a list not shown
    // meanwhile: the list emptied (nothing drawn until EndLines) with room
    // for the lines, lines [nFirst, nEnd) appended, then drawn once. The
    // list has its font by then: widths are measured in it.
    void BeginLines(const std::vector<SDeviceLine>& lines);
    void AppendLines(const std::vector<SDeviceLine>& lines, size_t nFirst, size_t nEnd);
    void EndLines();
    // Line nIndex (-1: at the end) before the line there; returns its index.
    int InsertLine(int nIndex, const CString& strText, DWORD dwKey);
    void DeleteLine(int nIndex);
    // The keys of the lines, in list order.
    const std::vector<DWORD>& LineKeys() const { return m_keys; }
    // The horizontal scroll extent: the widest line's width plus 5 pixels
    // (5 for no line), told to the list when it changed.
    void UpdateHorizontalExtent();

    HFONT m_hBoldFont = nullptr;       // not owned: the page's bold twin of the list font
    bool m_bHasHighlight = false;      // a load unit is set
    WORD m_wHighlightDevnum = 0;       // the load unit's device number
    COLORREF m_crHighlight = 0xFF0000;  // blue, as a COLORREF

private:
    void CountWidth(int nWidth, int nLines);

    std::vector<DWORD> m_keys;       // of each line
    std::vector<int> m_widths;       // of each line, in the list's font
    std::map<int, int> m_widthLines;  // how many lines have each width
    int m_nExtentTold = -1;          // the extent last told to the list
};
