// DialogTemplateResource.h: the program's dialog templates read from its
// resources, a template's dialog made without its controls to learn the
// size and units the dialog manager gives it, and a control of a template
// made later in a dialog that was made without it.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/DialogTemplateEx.h"

// Reads template nIDTemplate of the program's resources; false when it is
// missing or not an extended template.
bool LoadDialogTemplate(UINT nIDTemplate, CDialogTemplateEx& tmpl);

// Makes a dialog from the template bytes (such as a HiddenEmptyCopy), child
// or popup of hParent as its style says, with default processing only;
// null when it cannot be made. The caller destroys it.
HWND CreateMeasuringDialog(const std::vector<BYTE>& tmpl, HWND hParent);

// Makes the template's control item in hDlg (a dialog made from a copy of
// the template that left it out) as the dialog manager makes a control:
// its place and size mapped in the dialog's units, its styles (a border
// drawn as a sunken edge), text, creation data, help id and the dialog's
// font, after the controls made before it. Null when it cannot be made.
HWND CreateTemplateControl(HWND hDlg, const SDialogTemplateItem& item);
