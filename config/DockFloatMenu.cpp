// DockFloatMenu.cpp: the bars' Dock and Float menu items.
#include "config/DockFloatMenu.h"

namespace {

struct DockFloatEntry {
    UINT nBarId, nDock, nFloat;
};

const DockFloatEntry kDockFloat[] = {
    {59501, 35104, 35124}, {59502, 35102, 35122}, {59503, 35101, 35121}, {59504, 35103, 35123},
    {59511, 35107, 35127}, {59512, 35108, 35128}, {59513, 35109, 35129}, {59514, 35110, 35130},
    {59521, 35111, 35131}, {59522, 35112, 35132}, {59523, 35113, 35133}, {59524, 35106, 35126},
    {59525, 35105, 35125}, {59526, 35114, 35134},
};

}  // namespace

bool DockFloatCommands(UINT nBarId, UINT& nDockCmd, UINT& nFloatCmd)
{
    for (const DockFloatEntry& e : kDockFloat)
        if (e.nBarId == nBarId) {
            nDockCmd = e.nDock;
            nFloatCmd = e.nFloat;
            return true;
        }
    return false;
}

bool AppendDockFloatMenuItems(UINT nBarId, bool bDocked, HMENU hMenu)
{
    UINT nDock = 0, nFloat = 0;
    if (!hMenu || !DockFloatCommands(nBarId, nDock, nFloat))
        return false;
    // Each goes in at the top: they end as Dock, Float, separator.
    const UINT kOn = MF_STRING | MF_CHECKED | MF_GRAYED, kOff = MF_STRING | MF_UNCHECKED | MF_ENABLED;
    return ::InsertMenuA(hMenu, 0, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr) &&
           ::InsertMenuA(hMenu, 0, MF_BYPOSITION | (bDocked ? kOff : kOn), nFloat, "Float") &&
           ::InsertMenuA(hMenu, 0, MF_BYPOSITION | (bDocked ? kOn : kOff), nDock, "Dock");
}
