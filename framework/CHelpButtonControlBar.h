// CHelpButtonControlBar.h: the control bar with the help-button window's
// help tables and requests (balloons on WM_HELP, HTML Help on F1); a bar
// has no caption of its own, so the template's caption button is never
// drawn (the sizing bar draws its own help button).
#pragma once

#include "framework/HelpButtonWnd.h"
#include "platform/CControlBar.h"

class CHelpButtonControlBar : public CHelpButtonWnd<CControlBar> {
public:
    CHelpButtonControlBar() : CHelpButtonWnd<CControlBar>(0) {}
    bool CanDrawHelpButton() override { return false; }
    const char* GetHelpClassName() override { return "CHelpButtonControlBar"; }
};
