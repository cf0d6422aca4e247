// FindRepMessages.h: the private messages between the find/replace dialog
// and its owner, and the history combo boxes' item-deleted message, with the
// codes of WM_FINDREP_NOTIFY. Part of the application's one set of private
// messages (session/PrivateMessages.h includes this). Window-free.
#pragma once

#include "platform/Types.h"

#ifndef WM_APP
#define WM_APP 0x8000  // the host build: Windows' value
#endif

const UINT WM_FINDREP_NOTIFY = WM_APP + 0xAF;        // dialog <-> owner: wParam the code, lParam the dialog
const UINT WM_FINDREP_REFRESH = WM_APP + 0xB0;       // owner to dialog: wParam multi-line selection
const UINT WM_HISTORY_ITEM_DELETED = WM_APP + 0xB4;  // history combo to parent: wParam the index, lParam the combo

// Codes of WM_FINDREP_NOTIFY.
const UINT_PTR kFindRepDestroy = 2;      // owner to dialog: close (a modeless dialog destroys itself)
const UINT_PTR kFindRepFindNext = 91;    // dialog to owner: Find Next
const UINT_PTR kFindRepClosing = 92;     // dialog to owner: Cancel, Esc or the close box
const UINT_PTR kFindRepReplace = 93;     // dialog to owner: Replace
const UINT_PTR kFindRepReplaceAll = 94;  // dialog to owner: Replace All
const UINT_PTR kFindRepEnable = 95;      // owner to dialog: unlock the controls
const UINT_PTR kFindRepDisable = 96;     // owner to dialog: lock the controls
const UINT_PTR kFindRepSearchDone = 97;  // owner to dialog: a search has finished (unlocks)
