// CCmdUI.h: the state of one user-interface item (menu item, dialog control,
// bar button or status pane) handed to ON_UPDATE_COMMAND_UI handlers, which
// enable, check or label it. Bars derive their own item kinds from it.
#pragma once

#include "platform/Types.h"

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI {
public:
    virtual ~CCmdUI() = default;

    UINT m_nID = 0;
    UINT m_nIndex = 0;            // menu position, or the bar's item index
    UINT m_nIndexMax = 0;
    CMenu* m_pMenu = nullptr;     // set when the item is a menu item
    CWnd* m_pOther = nullptr;     // set when the item is a window (control, bar)
    bool m_bEnableChanged = false;
    bool m_bContinueRouting = false;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);  // 0 clear, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCSTR pszText);
    // Called by a handler to let the next target of the route answer as well.
    void ContinueRouting() { m_bContinueRouting = true; }

    // Asks pTarget's update handlers; when none answers and bDisableIfNoHndler
    // is set, the item is disabled unless a command handler exists for it.
    // True when an update handler answered.
    bool DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};
