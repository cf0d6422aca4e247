// DevsListBox.h: CDevsListBox, the Devices page's owner-drawn list of device
// statements. Each line's item data is its device key; the line whose
// device number (any channel subsystem) is the IPL load unit is drawn bold
// in the highlight colour.
#pragma once

#include "platform/CListBox.h"

class CDevsListBox : public CListBox {
    DECLARE_MESSAGE_MAP()
public:
    // Reflected WM_DRAWITEM: one line.
    void DrawItem(LPDRAWITEMSTRUCT pDIS);

    HFONT m_hBoldFont = nullptr;       // not owned: the page's bold twin of the list font
    bool m_bHasHighlight = false;      // a load unit is set
    WORD m_wHighlightDevnum = 0;       // the load unit's device number
    COLORREF m_crHighlight = 0xFF0000;  // blue, as a COLORREF
};
