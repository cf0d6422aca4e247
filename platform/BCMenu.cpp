// BCMenu.cpp: loading, building and bookkeeping of the owner-drawn menu (see
// BCMenu.h); its measuring and drawing are in BCMenuDraw.cpp.
#include "platform/BCMenu.h"

#include <cctype>
#include <map>
#include <set>

#include "platform/AfxResource.h"
#include "platform/BCMenuItem.h"

namespace {

const LPCSTR kToolbarType = MAKEINTRESOURCEA(241);
const COLORREF kTransparent = RGB(255, 0, 255);

// Menus and items are used on the GUI thread only.
std::map<HMENU, BCMenu*>& Registry()
{
    static std::map<HMENU, BCMenu*> menus;
    return menus;
}

std::set<const BCMenuItem*>& LiveItems()
{
    static std::set<const BCMenuItem*> items;
    return items;
}

#pragma pack(push, 2)
struct ToolbarHeader {
    WORD wVersion, wWidth, wHeight, wItemCount;
};
#pragma pack(pop)

}  // namespace

BCMenuItem* BCMenuItemFromData(ULONG_PTR data)
{
    BCMenuItem* p = (BCMenuItem*)data;
    return LiveItems().count(p) ? p : nullptr;
}

BCMenu::BCMenu() : m_images(std::make_shared<BCMenuImages>())
{
}

BCMenu::BCMenu(HMENU hPopup, std::shared_ptr<BCMenuImages> images) : CMenu(hPopup, false), m_images(images)
{
    Register();
    ConvertItems();
}

BCMenu::~BCMenu()
{
    DestroyMenu();
}

void BCMenu::Register()
{
    m_hRegistered = m_hMenu;
    Registry()[m_hMenu] = this;
}

BOOL BCMenu::DestroyMenu()
{
    m_popups.clear();
    for (auto& item : m_items)
        LiveItems().erase(item.get());
    m_items.clear();
    m_bBar = false;
    if (m_hRegistered)
        Registry().erase(m_hRegistered);
    m_hRegistered = nullptr;
    return CMenu::DestroyMenu();
}

BOOL BCMenu::LoadMenu(UINT nIDResource)
{
    DestroyMenu();
    return CMenu::LoadMenu(nIDResource) && TakeMenuBar();
}

BOOL BCMenu::AttachMenuBar(HMENU hMenuBar)
{
    DestroyMenu();
    return ::IsMenu(hMenuBar) && Attach(hMenuBar) && TakeMenuBar();
}

BOOL BCMenu::TakeMenuBar()
{
    Register();
    m_bBar = true;
    // The top level is a menu bar: only its pop-ups are owner-drawn.
    for (int i = 0; i < GetMenuItemCount(); i++) {
        HMENU hPopup = ::GetSubMenu(m_hMenu, i);
        if (hPopup)
            m_popups.push_back(std::unique_ptr<BCMenu>(new BCMenu(hPopup, m_images)));
    }
    return TRUE;
}

BOOL BCMenu::CreatePopupMenu()
{
    DestroyMenu();
    if (!CMenu::CreatePopupMenu())
        return FALSE;
    Register();
    return TRUE;
}

BCMenuItem* BCMenu::NewItem(UINT nID, LPCSTR pszText, bool bSeparator)
{
    m_items.push_back(std::make_unique<BCMenuItem>());
    BCMenuItem* p = m_items.back().get();
    p->nID = nID;
    p->strText = pszText ? pszText : "";
    p->bSeparator = bSeparator;
    p->pOwner = this;
    LiveItems().insert(p);
    return p;
}

// Turns the plain item at nPos into an owner-drawn one with the same text,
// id, state and sub-menu.
BOOL BCMenu::MakeOwnerDrawn(int nPos)
{
    char szText[256] = "";
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU | MIIM_DATA;
    mii.dwTypeData = szText;
    mii.cch = sizeof(szText);
    if (!::GetMenuItemInfoA(m_hMenu, nPos, TRUE, &mii) || (mii.fType & MFT_OWNERDRAW))
        return FALSE;
    if (mii.hSubMenu && !IsMenu(mii.hSubMenu))
        m_popups.push_back(std::unique_ptr<BCMenu>(new BCMenu(mii.hSubMenu, m_images)));
    bool bSeparator = (mii.fType & MFT_SEPARATOR) != 0;
    BCMenuItem* p = NewItem(mii.hSubMenu ? 0 : mii.wID, szText, bSeparator);
    MENUITEMINFOA set = {};
    set.cbSize = sizeof(set);
    set.fMask = MIIM_FTYPE | MIIM_DATA;
    // A separator stays one: the menu's keys and clicks pass over it.
    set.fType = mii.fType | MFT_OWNERDRAW;
    set.dwItemData = (ULONG_PTR)p;
    return ::SetMenuItemInfoA(m_hMenu, nPos, TRUE, &set);
}

void BCMenu::ConvertItems()
{
    for (int i = 0; i < GetMenuItemCount(); i++)
        MakeOwnerDrawn(i);
}

BOOL BCMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR pszNewItem)
{
    if (!m_hMenu)
        return FALSE;
    if (!::AppendMenuA(m_hMenu, nFlags, nIDNewItem, pszNewItem))
        return FALSE;
    if (!m_bBar) {
        MakeOwnerDrawn(GetMenuItemCount() - 1);
    } else if ((nFlags & MF_POPUP) && !IsMenu((HMENU)nIDNewItem)) {
        // A menu bar keeps the system's drawing; its new pop-up is ours.
        m_popups.push_back(std::unique_ptr<BCMenu>(new BCMenu((HMENU)nIDNewItem, m_images)));
    }
    return TRUE;
}

BCMenu* BCMenu::GetSubMenu(int nPos)
{
    HMENU hPopup = ::GetSubMenu(m_hMenu ? m_hMenu : m_hRegistered, nPos);
    for (auto& p : m_popups)
        if (p->m_hMenu == hPopup)
            return p.get();
    return nullptr;
}

BOOL BCMenu::LoadToolbar(UINT nIDToolbar)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRes = ::FindResourceA(hInst, MAKEINTRESOURCEA(nIDToolbar), kToolbarType);
    HGLOBAL hData = hRes ? ::LoadResource(hInst, hRes) : nullptr;
    const ToolbarHeader* pHdr = hData ? (const ToolbarHeader*)::LockResource(hData) : nullptr;
    if (!pHdr || pHdr->wVersion != 1 || ::SizeofResource(hInst, hRes) < sizeof(ToolbarHeader) + pHdr->wItemCount * sizeof(WORD))
        return FALSE;
    HBITMAP hBmp = (HBITMAP)::LoadImageA(hInst, MAKEINTRESOURCEA(nIDToolbar), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (!hBmp)
        return FALSE;
    m_images->Reset();
    m_images->m_cx = pHdr->wWidth;
    m_images->m_cy = pHdr->wHeight;
    m_images->m_hList = ImageList_Create(pHdr->wWidth, pHdr->wHeight, ILC_COLOR24 | ILC_MASK, pHdr->wItemCount, 4);
    int nAdded = m_images->m_hList ? ImageList_AddMasked(m_images->m_hList, hBmp, kTransparent) : -1;
    ::DeleteObject(hBmp);
    if (nAdded < 0) {
        m_images->Reset();
        return FALSE;
    }
    const WORD* pIds = (const WORD*)(pHdr + 1);
    int nImage = 0;
    for (WORD i = 0; i < pHdr->wItemCount; i++)
        if (pIds[i] != 0)
            m_images->m_index[pIds[i]] = nImage++;
    return TRUE;
}

int BCMenu::GetImageIndex(UINT nID) const
{
    auto it = m_images->m_index.find(nID);
    return it == m_images->m_index.end() ? -1 : it->second;
}

bool BCMenu::IsMenu(HMENU hMenu)
{
    return hMenu && Registry().count(hMenu) != 0;
}

bool BCMenu::UpdateMenu(HMENU hMenu)
{
    auto it = Registry().find(hMenu);
    if (it == Registry().end())
        return false;
    it->second->ConvertItems();
    return true;
}

LRESULT BCMenu::FindKeyboardShortcut(UINT nChar, UINT, HMENU hMenu)
{
    if (!IsMenu(hMenu))
        return 0;
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++) {
        MENUITEMINFOA mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_DATA | MIIM_STATE;
        if (!::GetMenuItemInfoA(hMenu, i, TRUE, &mii) || (mii.fState & MFS_DISABLED))
            continue;
        BCMenuItem* p = BCMenuItemFromData(mii.dwItemData);
        int nAmp = p ? p->strText.Find('&') : -1;
        if (nAmp >= 0 && nAmp + 1 < p->strText.GetLength() &&
            tolower((unsigned char)p->strText[nAmp + 1]) == tolower((int)(nChar & 0xFF)))
            return MAKELRESULT(i, MNC_EXECUTE);
    }
    return 0;
}

bool BCMenu::HandleOwnerDraw(UINT msg, LPARAM lp)
{
    if (msg == WM_MEASUREITEM) {
        LPMEASUREITEMSTRUCT p = (LPMEASUREITEMSTRUCT)lp;
        if (p->CtlType != ODT_MENU || !BCMenuItemFromData(p->itemData))
            return false;
        MeasureItem(p);
        return true;
    }
    if (msg == WM_DRAWITEM) {
        LPDRAWITEMSTRUCT p = (LPDRAWITEMSTRUCT)lp;
        if (p->CtlType != ODT_MENU || !BCMenuItemFromData(p->itemData))
            return false;
        DrawItem(p);
        return true;
    }
    return false;
}
