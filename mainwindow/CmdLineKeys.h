// CmdLineKeys.h: what a key pressed in the command line's edit does,
// window-free: the console commands that keys send to the view, and the
// three steps of Escape.
#pragma once

// Virtual-key codes the table uses (the Windows values).
enum : int {
    kVkEscape = 0x1B,
    kVkPageUp = 0x21,
    kVkPageDown = 0x22,
    kVkEnd = 0x23,
    kVkHome = 0x24,
    kVkUp = 0x26,
    kVkDown = 0x28,
    kVkF = 0x46,
    kVkF3 = 0x72,
};

enum ECmdKeyAction {
    kCmdKeyToEdit,    // the key goes on to the edit (the base class)
    kCmdKeyCommand,   // the command goes to the view; the key stops here
    kCmdKeyEscape,    // Escape: see CommandLineEscapeStep
};

struct SCmdKey {
    ECmdKeyAction eAction;
    unsigned nCommand;        // with kCmdKeyCommand
    bool bCollapseSelection;  // the console's selection collapses first
};

// The key with its modifiers (either key of a pair counts); bLineFeed: the
// edit's text holds a line feed (Up and Down then move the caret).
SCmdKey MapCommandLineKey(int vk, bool bShift, bool bCtrl, bool bAlt, bool bLineFeed);

enum EEscapeStep {
    kEscCollapse,  // the selection collapses to its end; the key goes on
    kEscClear,     // the text is cleared
    kEscFocus,     // the view gives the command line the focus
};
EEscapeStep CommandLineEscapeStep(bool bHasSelection, bool bHasText);
