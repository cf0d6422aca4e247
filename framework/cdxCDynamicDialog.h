// cdxCDynamicDialog.h: cdxCDynamicDialog, a resizable dialog without the
// caption help button (no size grip) that still keeps a
// balloon-string table and a help-id table under its own dialog id. Base of
// the child dialogs that live inside other windows.
#pragma once

#include "framework/HelpKeys.h"
#include "framework/cdxCDynamicDlg.h"
#include "platform/CDialog.h"

class cdxCDynamicDialog : public cdxCDynamicDlg<CDialog> {
public:
    explicit cdxCDynamicDialog(UINT nIDTemplate, CWnd* pParent = nullptr)
        : cdxCDynamicDlg<CDialog>(nIDTemplate, 0, pParent)
    {
    }

    // ---- the help tables, keyed (dialog id << 16) | control id ----
    virtual void SetHelpString(DWORD dwKey, UINT nStringId) { m_HelpStrings[dwKey] = nStringId; }
    // The balloon text of a key (body, newline, title), or empty.
    virtual CString GetHelpString(DWORD dwKey);
    // Registers the standard table while the balloon table is empty.
    virtual void RegisterStandardHelpStrings();
    // This level keeps no help ids; a child dialog does.
    virtual void SetHelpId(DWORD, UINT) {}
    // The mapped help id, or the key itself.
    virtual UINT GetHelpId(DWORD dwKey);
    virtual void RegisterHelpStrings() {}

    UINT m_nIDHelpDialog = 0;  // the dialog id of the help keys; set by the window that creates it
    CHelpStringsMap m_HelpStrings;
    CHelpIdRemap m_HelpIds;
};
