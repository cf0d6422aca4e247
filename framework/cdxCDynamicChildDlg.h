// cdxCDynamicChildDlg.h: cdxCDynamicChildDlg, a resizable dialog that lives
// inside another window (a docking bar): its controls are placed relative to
// its scroll position, it remembers no window position and it keeps help ids.
#pragma once

#include "framework/cdxCDynamicDialog.h"

class cdxCDynamicChildDlg : public cdxCDynamicDialog {
public:
    explicit cdxCDynamicChildDlg(UINT nIDTemplate, CWnd* pParent = nullptr) : cdxCDynamicDialog(nIDTemplate, pParent)
    {
        m_bUseScrollPos = true;
        m_strPositionName.Empty();
    }
    void SetHelpId(DWORD dwKey, UINT nHelpId) override { m_HelpIds[dwKey] = nHelpId; }
};
