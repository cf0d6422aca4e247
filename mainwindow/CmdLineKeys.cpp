// CmdLineKeys.cpp: the command line's key table.
#include "mainwindow/CmdLineKeys.h"

#include "session/ConsoleCommands.h"

namespace {

enum EMods { kNone, kShiftOnly, kCtrl };

struct SKeyRow {
    EMods eMods;
    int vk;
    unsigned nCommand;
    bool bCollapse;
};

const SKeyRow kKeys[] = {
    {kShiftOnly, kVkF3, ID_FIND_PREVIOUS, false},
    {kNone, kVkUp, ID_CMD_HISTORY_PREV, false},
    {kNone, kVkDown, ID_CMD_HISTORY_NEXT, false},
    {kNone, kVkPageDown, ID_SCROLL_PAGE_DOWN, true},
    {kNone, kVkPageUp, ID_SCROLL_PAGE_UP, true},
    {kNone, kVkF3, ID_FIND_NEXT, false},
    {kCtrl, kVkUp, ID_SCROLL_LINE_UP, false},
    {kCtrl, kVkDown, ID_SCROLL_LINE_DOWN, false},
    {kCtrl, kVkHome, ID_SCROLL_TOP, true},
    {kCtrl, kVkEnd, ID_SCROLL_BOTTOM, true},
    {kCtrl, kVkPageDown, ID_SCROLL_PAGE_RIGHT, false},
    {kCtrl, kVkPageUp, ID_SCROLL_PAGE_LEFT, false},
    {kCtrl, kVkF, ID_EDIT_FIND_MESSAGE, false},
};

}  // namespace

SCmdKey MapCommandLineKey(int vk, bool bShift, bool bCtrl, bool bAlt, bool bLineFeed)
{
    const SCmdKey toEdit = {kCmdKeyToEdit, 0, false};
    if (bAlt)
        return toEdit;
    if (!bShift && !bCtrl && vk == kVkEscape)
        return {kCmdKeyEscape, 0, false};
    // Ctrl rows hold with or without Shift; Shift-only and plain rows need
    // exactly that.
    EMods eMods = bCtrl ? kCtrl : bShift ? kShiftOnly : kNone;
    for (const SKeyRow& row : kKeys) {
        if (row.vk != vk || row.eMods != eMods)
            continue;
        if (eMods == kNone && (vk == kVkUp || vk == kVkDown) && bLineFeed)
            return toEdit;
        return {kCmdKeyCommand, row.nCommand, row.bCollapse};
    }
    return toEdit;
}

EEscapeStep CommandLineEscapeStep(bool bHasSelection, bool bHasText)
{
    if (bHasSelection)
        return kEscCollapse;
    return bHasText ? kEscClear : kEscFocus;
}
