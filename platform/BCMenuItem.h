// BCMenuItem.h: what BCMenu keeps for one owner-drawn item and for the
// toolbar images its menus share (internal to BCMenu.cpp and BCMenuDraw.cpp).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>

#include "platform/CString.h"

class BCMenu;

struct BCMenuItem {
    CString strText;  // with its '&' mnemonic and any "\t" accelerator text
    UINT nID = 0;
    bool bSeparator = false;
    const BCMenu* pOwner = nullptr;  // the menu whose images it shows
};

// The images of one toolbar, by command id.
class BCMenuImages {
public:
    BCMenuImages() = default;
    BCMenuImages(const BCMenuImages&) = delete;
    BCMenuImages& operator=(const BCMenuImages&) = delete;
    ~BCMenuImages() { Reset(); }

    void Reset()
    {
        if (m_hList)
            ImageList_Destroy(m_hList);
        m_hList = nullptr;
        m_index.clear();
    }
    HIMAGELIST m_hList = nullptr;
    int m_cx = 16, m_cy = 16;
    std::map<UINT, int> m_index;  // command id -> image
};

// The item behind an owner-drawn menu item's data, or null when the data is
// not a live BCMenu item.
BCMenuItem* BCMenuItemFromData(ULONG_PTR data);
