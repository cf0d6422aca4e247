// CMyColorDialog.h: the colour dialog of the preference pages: the system's
// colour dialog with a title of the caller's choosing, placed on the desktop
// like every other dialog.
#pragma once

#include "platform/CColorDialog.h"
#include "platform/CString.h"

class CMyColorDialog : public CColorDialog {
public:
    // Initial colour black, no options (callers add CC_RGBINIT to pre-select
    // a colour); an empty or missing title becomes "Choose Color".
    explicit CMyColorDialog(LPCSTR pszTitle = nullptr);

    BOOL OnInitDialog() override;
    const CString& GetTitle() const { return m_strTitle; }

private:
    CString m_strTitle;
};
