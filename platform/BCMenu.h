// BCMenu.h: the companion library's owner-drawn menu. Items of its pop-ups
// are drawn by the menu itself, each with the image that a toolbar resource
// gives its command id (LoadToolbar), check marks and greyed states drawn to
// match, separators etched. The top level of a menu bar keeps the system's
// drawing. Windows sends WM_MEASUREITEM and WM_DRAWITEM for owner-drawn items
// to the window that owns the menu; CWnd hands those it does not handle
// itself to HandleOwnerDraw. Owner-drawn items have no mnemonics of their
// own for Windows, so WM_MENUCHAR goes to FindKeyboardShortcut.
//
// A toolbar resource (type 241): WORD version 1, image width, image height,
// item count, then one command id a button (0 for a separator); the bitmap
// of the same id holds the images side by side, magenta (255,0,255) being
// transparent.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "platform/CMenu.h"
#include "platform/CString.h"

struct BCMenuItem;
class BCMenuImages;

class BCMenu : public CMenu {
public:
    BCMenu();
    ~BCMenu();
    BCMenu(const BCMenu&) = delete;
    BCMenu& operator=(const BCMenu&) = delete;

    // Loads a menu resource and makes the items of its pop-ups owner-drawn.
    BOOL LoadMenu(UINT nIDResource);
    // The same for a menu bar already loaded (a frame's own): it is owned
    // from now on, as a loaded one.
    BOOL AttachMenuBar(HMENU hMenuBar);
    // Makes an empty pop-up menu whose items are owner-drawn.
    BOOL CreatePopupMenu();
    // Takes the images of a toolbar resource for the items of its ids.
    BOOL LoadToolbar(UINT nIDToolbar);
    // The pop-up at nPos as a BCMenu (owned by this menu), or null.
    BCMenu* GetSubMenu(int nPos);
    // Appends an owner-drawn item (a string, a separator or a pop-up).
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR pszNewItem = nullptr);
    // Frees the menu and the items' data.
    BOOL DestroyMenu();

    // Whether hMenu is a BCMenu or one of its pop-ups.
    static bool IsMenu(HMENU hMenu);
    // Makes owner-drawn any plain items that were added to a BCMenu pop-up
    // behind its back (e.g. by ModifyMenu); true when hMenu is a BCMenu.
    static bool UpdateMenu(HMENU hMenu);
    // WM_MENUCHAR for a BCMenu pop-up: the item whose mnemonic is nChar, as
    // MAKELRESULT(index, MNC_EXECUTE), or 0 when none has it.
    static LRESULT FindKeyboardShortcut(UINT nChar, UINT nFlags, HMENU hMenu);
    // Measures or draws one item of a BCMenu.
    static void MeasureItem(LPMEASUREITEMSTRUCT pMIS);
    static void DrawItem(LPDRAWITEMSTRUCT pDIS);
    // WM_MEASUREITEM / WM_DRAWITEM: true when the item was a BCMenu item and
    // has been measured or drawn.
    static bool HandleOwnerDraw(UINT msg, LPARAM lp);

    // The image index of a command, -1 when the toolbar has none.
    int GetImageIndex(UINT nID) const;

private:
    // A pop-up of this menu; it shares the images, and its handle is owned
    // by the menu that holds it.
    BCMenu(HMENU hPopup, std::shared_ptr<BCMenuImages> images);
    void Register();
    BOOL TakeMenuBar();
    void ConvertItems();
    BOOL MakeOwnerDrawn(int nPos);
    BCMenuItem* NewItem(UINT nID, LPCSTR pszText, bool bSeparator);

    std::shared_ptr<BCMenuImages> m_images;
    std::vector<std::unique_ptr<BCMenuItem>> m_items;
    std::vector<std::unique_ptr<BCMenu>> m_popups;
    bool m_bBar = false;            // loaded from a resource: the top level is a menu bar
    HMENU m_hRegistered = nullptr;  // this menu's handle in the registry (kept after Detach)
};
