// UtilityTable.h: the utility programs of the Utilities menu, in menu order:
// per utility its menu command, dialog template, caption (also the name of
// its settings section and, in capitals, its program word), icon group,
// progress kind, the folder made current before its dialog opens and the
// width of its expected total. Window-free.
#pragma once

#include "platform/Types.h"

// The icon group: the device-class icon index of disk and tape devices.
enum EUtilityGroup : int { kUtilityGroupDisk = 5, kUtilityGroupTape = 6 };

// The folder made current before the dialog opens: the view's first disk
// files, tape files or configuration folder.
enum EUtilityFolder : int { kUtilityFolderDisk, kUtilityFolderTape, kUtilityFolderConfig };

struct SUtilityInfo {
    UINT nCommandId;
    UINT nTemplateId;
    const char* pszCaption;
    EUtilityGroup eGroup;
    int nKind;               // EUtilityKind; -1 runs without a progress window
    EUtilityFolder eFolder;
    bool b32BitTotal;        // a signed 32-bit expected total (else 64-bit)
};

enum { kUtilityCount = 26 };
extern const SUtilityInfo kUtilities[kUtilityCount];

// The row of a menu command or of a dialog template; null when none.
const SUtilityInfo* FindUtilityByCommand(UINT nCommandId);
const SUtilityInfo* FindUtilityByTemplate(UINT nTemplateId);

// True when a separator follows the row in the Utilities menu.
bool IsUtilityMenuGroupEnd(const SUtilityInfo& info);
