// HelpKeys.h: the keys of the help tables that every help-button window
// keeps, the standard balloon strings every window registers, and the split
// of a balloon string into body and title. Window-free.
//
// A help key is 32 bits: (dialog id << 16) | control id names one control of
// one dialog, (dialog id << 16) names the window itself, and 0x40000 plus a
// hit-test code names a non-client area of any window.
#pragma once

#include <cstddef>

#include "platform/CMap.h"
#include "platform/CString.h"
#include "platform/Types.h"

// Balloon strings: help key to the string-table id of "body\ntitle".
typedef CMap<DWORD, DWORD, UINT, UINT> CHelpStringsMap;
// HTML Help context ids: help key to context id.
typedef CMap<UINT, UINT, UINT, UINT> CHelpIdRemap;

// Help-id bases of the framework (high word of a help id).
const DWORD kHelpIdCommandBase = 0x10000;    // commands
const DWORD kHelpIdWindowBase = 0x20000;     // windows (resources)
const DWORD kHelpIdNonClientBase = 0x40000;  // non-client areas, plus the hit-test code
const DWORD kHelpIdControlBase = 0x50000;    // control bars
const DWORD kStatusBarHelpKey = 0x5E801;     // the main window's status bar
const DWORD kTitleBarHelpKey = 0x40002;      // kHelpIdNonClientBase + HTCAPTION

// Control ids with a meaning of their own in help requests.
const UINT kIdBarCloseButton = 30000;
const UINT kIdBarContextHelpButton = 30001;
const UINT kIdHelpCommand = 30002;  // the caption button's help command
const UINT kIdSizeGrip = 0xEA20;
const UINT kIdStatusIndicatorFirst = 0xE700;

// String-table ids used by the help routing.
const UINT kIdsWhatsThisTitle = 30100;     // "What's This? Help"
const UINT kIdsHelpUnavailable = 30101;    // "Help Unavailable"
const UINT kIdsNoBalloonDefined = 30103;   // "... for control #%d ..."
const UINT kIdsTitleBarFallback = 30104;   // the title bar of a dialog
const UINT kIdsStatusIndicatorFirst = 30140;

inline DWORD MakeHelpKey(UINT nDialogId, UINT nCtrlId)
{
    return (DWORD)(nDialogId << 16) | (nCtrlId & 0xFFFF);
}
inline DWORD WindowHelpKey(UINT nDialogId) { return (DWORD)(nDialogId << 16); }

// One control of a dialog (0: the dialog) with its balloon string or help
// context id; SetControlHelp registers a table of them with a help-button
// window (its SetHelpString or SetHelpId).
struct SControlHelp {
    UINT nCtrl;
    UINT nValue;
};
template <class TWnd, class TSetter, size_t N>
void SetControlHelp(TWnd& wnd, TSetter setter, UINT nDialogId, const SControlHelp (&rows)[N])
{
    for (const SControlHelp& row : rows)
        (wnd.*setter)(MakeHelpKey(nDialogId, row.nCtrl), row.nValue);
}
inline DWORD NonClientHelpKey(UINT nHitTest) { return kHelpIdNonClientBase + nHitTest; }

// All dock bars answer as the top one (0xE81C-0xE81E as 0xE81B) and all
// panes as the first (0xE901-0xE9FF as 0xE900); other ids are unchanged.
UINT CanonicalHelpControlId(UINT nCtrlId);

// One entry of the standard balloon table: a key relative to the dialog
// (the low word, added to dialog id << 16) or a fixed non-client key.
struct StandardHelpString {
    DWORD dwKey;
    bool bDialogRelative;
    UINT nStringId;
};

// The standard table in registration order, and its length.
const StandardHelpString* StandardHelpStrings(size_t& nCount);
// The key of an entry for a window whose dialog id is nDialogId.
DWORD StandardHelpKey(const StandardHelpString& entry, UINT nDialogId);

// Splits a balloon string at its last newline: the text after it is the
// title, the text before it the body, both trimmed. A string without a
// newline, or whose only newline is its first character, is all body.
void SplitBalloonText(const CString& strText, CString& strBody, CString& strTitle);

// What a help request shows: the balloon's texts and the values handed to
// the balloon window.
struct BalloonSpec {
    CString strBody;
    CString strTitle;
    int nIcon = -1;      // -1: the help icon; 3: the warning icon
    int nWidth = 200;    // the balloon's ninth argument
    bool bShow = false;  // false when body or title trims to nothing
};

// The balloon for a looked-up string (empty when none was found): a found
// string gives its body and title (title default strDefaultTitle), and shows
// nothing when its body trims to nothing; none
// gives strUnavailableTitle and strNoBalloonFormat formatted with the
// control id. Titles are cut to their first 99 characters.
BalloonSpec BuildBalloonSpec(const CString& strText, int nCtrlId, const CString& strDefaultTitle,
                             const CString& strUnavailableTitle, const CString& strNoBalloonFormat);
