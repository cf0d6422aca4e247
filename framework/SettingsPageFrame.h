// SettingsPageFrame.h: CSettingsPageFrame, the etched frame around the
// settings dialog's page area. The system's frame draws its edge alone and
// leaves its inside as it was, and the dialog, which clips its children,
// does not draw there either: where no page lies (a group entry without a
// page of its own) the page shown before stayed on the screen. This one
// erases its inside with the dialog's own ground first; the pages above it
// are clipped out (it clips its siblings), so a page shown is not touched.
#pragma once

#include "platform/CStatic.h"

class CSettingsPageFrame : public CStatic {
    DECLARE_MESSAGE_MAP()
protected:
    BOOL OnEraseBkgnd(CDC* pDC);
};
