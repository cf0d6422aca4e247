// CHelpButtonDlg.h: the dialog with the caption help button, base of the
// fixed-size dialogs and (through cdxCDynamicHelpDialog) of the resizable ones.
#pragma once

#include "framework/HelpButtonWnd.h"
#include "platform/CDialog.h"

class CHelpButtonDlg : public CHelpButtonWnd<CDialog> {
public:
    CHelpButtonDlg(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
        : CHelpButtonWnd<CDialog>(nIDTemplate, nIDTemplate, pParentWnd)
    {
    }
    const char* GetHelpClassName() override { return "CHelpButtonDlg"; }
    // The dialog layer keeps help ids.
    void SetHelpId(DWORD dwKey, UINT nHelpId) override { m_HelpIds[dwKey] = nHelpId; }
};
