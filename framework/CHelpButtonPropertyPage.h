// CHelpButtonPropertyPage.h: the property page with help tables, balloons
// and F1 help; a page never draws a caption button.
#pragma once

#include "framework/HelpButtonWnd.h"
#include "platform/CPropertyPage.h"

class CHelpButtonPropertyPage : public CHelpButtonWnd<CPropertyPage> {
public:
    explicit CHelpButtonPropertyPage(UINT nIDTemplate)
        : CHelpButtonWnd<CPropertyPage>(nIDTemplate, nIDTemplate, 0u)
    {
    }
    bool CanDrawHelpButton() override { return false; }
    const char* GetHelpClassName() override { return "CHelpButtonPropertyPage"; }
    void SetHelpId(DWORD dwKey, UINT nHelpId) override { m_HelpIds[dwKey] = nHelpId; }
};
