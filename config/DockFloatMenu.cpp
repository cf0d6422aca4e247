// DockFloatMenu.cpp: the bars' Dock and Float menu items.
#include "config/DockFloatMenu.h"

#include "resources/resource.h"

namespace {

struct DockFloatEntry {
    UINT nBarId, nDock, nFloat;
};

const DockFloatEntry kDockFloat[] = {
    {IDW_CMDLINE_BAR, ID_DOCK_CMDLINE_BAR, ID_FLOAT_CMDLINE_BAR},
    {IDW_CONTROLS_BAR, ID_DOCK_CONTROLS_BAR, ID_FLOAT_CONTROLS_BAR},
    {IDW_DEVLIST_BAR, ID_DOCK_DEVLIST_BAR, ID_FLOAT_DEVLIST_BAR},
    {IDW_STATUSLINE_BAR, ID_DOCK_STATUSLINE_BAR, ID_FLOAT_STATUSLINE_BAR},
    {IDW_GREGS_BAR, ID_DOCK_GREGS_BAR, ID_FLOAT_GREGS_BAR},
    {IDW_CREGS_BAR, ID_DOCK_CREGS_BAR, ID_FLOAT_CREGS_BAR},
    {IDW_AREGS_BAR, ID_DOCK_AREGS_BAR, ID_FLOAT_AREGS_BAR},
    {IDW_FREGS_BAR, ID_DOCK_FREGS_BAR, ID_FLOAT_FREGS_BAR},
    {IDW_GREGS64_BAR, ID_DOCK_GREGS64_BAR, ID_FLOAT_GREGS64_BAR},
    {IDW_CREGS64_BAR, ID_DOCK_CREGS64_BAR, ID_FLOAT_CREGS64_BAR},
    {IDW_FREGS64_BAR, ID_DOCK_FREGS64_BAR, ID_FLOAT_FREGS64_BAR},
    {IDW_STORAGE_BAR, ID_DOCK_STORAGE_BAR, ID_FLOAT_STORAGE_BAR},
    {IDW_CPUPCT_BAR, ID_DOCK_CPUPCT_BAR, ID_FLOAT_CPUPCT_BAR},
    {IDW_VREGS_BAR, ID_DOCK_VREGS_BAR, ID_FLOAT_VREGS_BAR},
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
