// DialogTemplateResource.h: the program's dialog templates read from its
// resources, and a template's dialog made without its controls to learn
// the size and units the dialog manager gives it.
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
