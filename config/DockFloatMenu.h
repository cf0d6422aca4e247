// DockFloatMenu.h: the "Dock" and "Float" items that each of the fourteen
// control bars puts at the top of its context menu.
#pragma once

#include <windows.h>

#include "platform/CMenu.h"

// The Dock and Float commands of a control bar by its control id; false for
// an id that is none of the fourteen bars'.
bool DockFloatCommands(UINT nBarId, UINT& nDockCmd, UINT& nFloatCmd);

// Inserts "Dock", "Float" and a separator at the top of hMenu for the bar
// nBarId: the item of the bar's present state is checked and greyed, the
// other enabled. False, with the menu unchanged, for an id that is no bar's;
// false when an insertion failed.
bool AppendDockFloatMenuItems(UINT nBarId, bool bDocked, HMENU hMenu);

// The same for a control bar object: its own id and its own floating test.
template <class Bar>
bool AppendDockFloatMenuItems(Bar* pBar, CMenu* pMenu)
{
    return pBar && pMenu && AppendDockFloatMenuItems((UINT)pBar->GetDlgCtrlID(), !pBar->IsFloating(), pMenu->m_hMenu);
}
