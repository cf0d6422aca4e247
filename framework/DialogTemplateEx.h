// DialogTemplateEx.h: CDialogTemplateEx, an extended dialog template
// (DLGTEMPLATEEX, what the resource compiler makes of a DIALOGEX) read as
// the dialog manager reads it: the header and each control's item. A
// dialog can be made from a copy that leaves some controls out, and those
// controls made later from their items. Window-free.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/Types.h"

// One control of the template. A class or title given as a number (an
// ordinal: the predefined classes 0x0080-0x0085, a static's icon) has its
// number and an empty name.
struct SDialogTemplateItem {
    DWORD dwHelpId = 0;
    DWORD dwExStyle = 0;
    DWORD dwStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    DWORD nId = 0;
    WORD wClassOrdinal = 0;
    std::u16string strClass;
    WORD wTitleOrdinal = 0;
    std::u16string strTitle;
    std::vector<BYTE> creationData;
    size_t nOffset = 0;  // the item's bytes within the template
    size_t nSize = 0;
};

class CDialogTemplateEx {
public:
    // Reads nSize bytes at pData; false (and no items) for a template that
    // is not an extended one or whose items run past its end.
    bool Parse(const void* pData, size_t nSize);

    const std::vector<SDialogTemplateItem>& Items() const { return m_items; }
    // The dialog's client size in dialog units (0 by 0 before a successful Parse).
    short Width() const { return m_cx; }
    short Height() const { return m_cy; }
    // The item of control nId, or null.
    const SDialogTemplateItem* Find(DWORD nId) const;
    // A copy of the template with only the items bKeep accepts, in their
    // order (empty before a successful Parse).
    std::vector<BYTE> Filtered(const std::function<bool(const SDialogTemplateItem&)>& bKeep) const;
    // A copy without controls and without WS_VISIBLE: made, it has the
    // dialog's size and frame and shows nothing (empty before a Parse).
    std::vector<BYTE> HiddenEmptyCopy() const;

private:
    std::vector<BYTE> m_data;
    size_t m_nHeaderSize = 0;  // up to the first item (unaligned)
    short m_cx = 0, m_cy = 0;
    std::vector<SDialogTemplateItem> m_items;
};
