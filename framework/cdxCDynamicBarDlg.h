// cdxCDynamicBarDlg.h: cdxCDynamicBarDlg, the base of the dialogs hosted by
// the docking bars: Enter and Escape do not close it, and the bar's idle
// update enables and checks its controls through their update handlers.
#pragma once

#include "framework/cdxCDynamicChildDlg.h"

class cdxCDynamicBar;

class cdxCDynamicBarDlg : public cdxCDynamicChildDlg {
public:
    explicit cdxCDynamicBarDlg(UINT nIDTemplate, CWnd* pParent = nullptr)
        : cdxCDynamicChildDlg(nIDTemplate, pParent), m_nIDTemplate(nIDTemplate)
    {
    }
    // Enter and Escape in a bar's dialog do nothing.
    void OnOK() override {}
    void OnCancel() override {}
    // The idle update of the hosting bar: each control's update handler runs
    // with pTarget; a control without one is disabled when bDisableIfNoHndler.
    virtual void OnUpdateCmdUI(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
    {
        UpdateDialogControls(pTarget, bDisableIfNoHndler);
    }

    UINT m_nIDTemplate;
    cdxCDynamicBar* m_pBar = nullptr;  // the hosting bar (not owned); none until a bar takes the dialog
};
