// The command line's key table and the steps of Escape.
#include <gtest/gtest.h>

#include "mainwindow/CmdLineKeys.h"
#include "session/ConsoleCommands.h"

namespace {

struct SKeyCase {
    int vk;
    bool bShift, bCtrl, bAlt, bLineFeed;
    ECmdKeyAction eAction;
    unsigned nCommand;
    bool bCollapse;
};

const SKeyCase kCases[] = {
    {kVkF3, true, false, false, false, kCmdKeyCommand, ID_FIND_PREVIOUS, false},
    {kVkUp, false, false, false, false, kCmdKeyCommand, ID_CMD_HISTORY_PREV, false},
    {kVkDown, false, false, false, false, kCmdKeyCommand, ID_CMD_HISTORY_NEXT, false},
    {kVkUp, false, false, false, true, kCmdKeyToEdit, 0, false},
    {kVkDown, false, false, false, true, kCmdKeyToEdit, 0, false},
    {kVkPageDown, false, false, false, false, kCmdKeyCommand, ID_SCROLL_PAGE_DOWN, true},
    {kVkPageUp, false, false, false, true, kCmdKeyCommand, ID_SCROLL_PAGE_UP, true},
    {kVkF3, false, false, false, false, kCmdKeyCommand, ID_FIND_NEXT, false},
    {kVkEscape, false, false, false, false, kCmdKeyEscape, 0, false},
    {kVkUp, false, true, false, true, kCmdKeyCommand, ID_SCROLL_LINE_UP, false},
    {kVkDown, false, true, false, false, kCmdKeyCommand, ID_SCROLL_LINE_DOWN, false},
    {kVkHome, false, true, false, false, kCmdKeyCommand, ID_SCROLL_TOP, true},
    {kVkEnd, true, true, false, false, kCmdKeyCommand, ID_SCROLL_BOTTOM, true},
    {kVkPageDown, false, true, false, false, kCmdKeyCommand, ID_SCROLL_PAGE_RIGHT, false},
    {kVkPageUp, false, true, false, false, kCmdKeyCommand, ID_SCROLL_PAGE_LEFT, false},
    {kVkF, false, true, false, false, kCmdKeyCommand, ID_EDIT_FIND_MESSAGE, false},
    // Plain Home and End, F without Ctrl, Shift with arrows: the edit's.
    {kVkHome, false, false, false, false, kCmdKeyToEdit, 0, false},
    {kVkEnd, false, false, false, false, kCmdKeyToEdit, 0, false},
    {kVkF, false, false, false, false, kCmdKeyToEdit, 0, false},
    {kVkUp, true, false, false, false, kCmdKeyToEdit, 0, false},
    {kVkPageDown, true, false, false, false, kCmdKeyToEdit, 0, false},
    {kVkEscape, true, false, false, false, kCmdKeyToEdit, 0, false},
    // Anything with Alt goes to the edit.
    {kVkF3, false, false, true, false, kCmdKeyToEdit, 0, false},
    {kVkUp, false, true, true, false, kCmdKeyToEdit, 0, false},
    {kVkEscape, false, false, true, false, kCmdKeyToEdit, 0, false},
};

}  // namespace

TEST(CmdLineKeys, TableOfKeysAndModifiers)
{
    for (const SKeyCase& c : kCases) {
        SCmdKey key = MapCommandLineKey(c.vk, c.bShift, c.bCtrl, c.bAlt, c.bLineFeed);
        SCOPED_TRACE(testing::Message() << "vk " << c.vk << " shift " << c.bShift << " ctrl " << c.bCtrl << " alt "
                                        << c.bAlt << " lf " << c.bLineFeed);
        EXPECT_EQ(c.eAction, key.eAction);
        EXPECT_EQ(c.nCommand, key.nCommand);
        EXPECT_EQ(c.bCollapse, key.bCollapseSelection);
    }
}

TEST(CmdLineKeys, EscapeCollapsesThenClearsThenFocuses)
{
    EXPECT_EQ(kEscCollapse, CommandLineEscapeStep(true, true));
    EXPECT_EQ(kEscClear, CommandLineEscapeStep(false, true));
    EXPECT_EQ(kEscFocus, CommandLineEscapeStep(false, false));
}

#include "session/ChildCounts.h"

TEST(ChildCounts, MultipleChildrenTable)
{
    const struct {
        int nUtilities;
        bool bEmulator;
        bool bMultiple;
    } cases[] = {
        {0, false, false}, {1, false, false}, {2, false, true}, {0, true, false}, {1, true, true}, {3, true, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.bMultiple, HasMultipleChildren(c.nUtilities, c.bEmulator)) << c.nUtilities << " " << c.bEmulator;
}
