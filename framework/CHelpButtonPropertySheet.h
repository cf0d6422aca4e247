// CHelpButtonPropertySheet.h: the property sheet with the caption help
// button (none on a wizard); its window help opens the active page's topic.
#pragma once

#include "framework/CHelpButtonPropertyPage.h"
#include "platform/CPropertySheet.h"

const UINT kIdsSheetCaption = 203;

class CHelpButtonPropertySheet : public CHelpButtonWnd<CPropertySheet> {
public:
    explicit CHelpButtonPropertySheet(CWnd* pParentWnd = nullptr)
        : CHelpButtonWnd<CPropertySheet>(0u, kIdsSheetCaption, pParentWnd, 0u)
    {
    }
    CHelpButtonPropertyPage* GetActiveHelpPage() override
    {
        return m_hWnd ? dynamic_cast<CHelpButtonPropertyPage*>(GetActivePage()) : nullptr;
    }
    bool IsWizard() override { return (m_psh.dwFlags & PSH_WIZARD) != 0; }
    bool CanDrawHelpButton() override { return !IsWizard() && m_bNcPaintAllowed != 0; }
    const char* GetHelpClassName() override { return "CHelpButtonPropertySheet"; }
    void SetHelpId(DWORD dwKey, UINT nHelpId) override { m_HelpIds[dwKey] = nHelpId; }

protected:
    // The sheet is bound after the control's WM_INITDIALOG: the caption button
    // is set up here instead.
    BOOL OnInitDialog() override
    {
        InitHelpButton();
        return CHelpButtonWnd<CPropertySheet>::OnInitDialog();
    }
};
