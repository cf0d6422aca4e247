// FindRepMessages.h: the private messages between the find/replace dialog
// and its owner, and the history combo boxes' item-deleted message, with the
// codes of WM_FINDREP_NOTIFY. Part of the application's one set of private
// messages (session/PrivateMessages.h includes this). Window-free.
#pragma once

#include "platform/Types.h"

const UINT WM_FINDREP_NOTIFY = WM_APP + 0xAF;        // dialog <-> owner: wParam the code, lParam the dialog
const UINT WM_FINDREP_REFRESH = WM_APP + 0xB0;       // owner to dialog: wParam multi-line selection
const UINT WM_HISTORY_ITEM_DELETED = WM_APP + 0xB4;  // history combo to parent: wParam the index, lParam the combo

// Codes of WM_FINDREP_NOTIFY.
const WPARAM kFindRepDestroy = 2;      // owner to dialog: close (a modeless dialog destroys itself)
const WPARAM kFindRepFindNext = 91;    // dialog to owner: Find Next
const WPARAM kFindRepClosing = 92;     // dialog to owner: Cancel, Esc or the close box
const WPARAM kFindRepReplace = 93;     // dialog to owner: Replace
const WPARAM kFindRepReplaceAll = 94;  // dialog to owner: Replace All
const WPARAM kFindRepEnable = 95;      // owner to dialog: unlock the controls
const WPARAM kFindRepDisable = 96;     // owner to dialog: lock the controls
const WPARAM kFindRepSearchDone = 97;  // owner to dialog: a search has finished (unlocks)
