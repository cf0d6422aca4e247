// CHelpButtonMiniDockFrameWnd.h: the floating frame of docking bars with the
// help-button window's help handling (F1, What's-This, WM_HELP balloons).
// Its own caption button is off: the floating sizing bar draws the buttons
// a user sees. Help keys take the frame's help id; ID_HELP (F1 routed as a
// command) shows the frame's help.
#pragma once

#include "framework/HelpButtonWnd.h"
#include "platform/CMiniDockFrameWnd.h"

class CHelpButtonMiniDockFrameWnd : public CHelpButtonWnd<CMiniDockFrameWnd> {
    DECLARE_MESSAGE_MAP()
public:
    CHelpButtonMiniDockFrameWnd() : CHelpButtonWnd<CMiniDockFrameWnd>(0) { m_bHelpButtonVisible = FALSE; }
    bool CanDrawHelpButton() override { return false; }
    BOOL IsHelpButtonVisible() override { return FALSE; }
    UINT GetHelpDialogId() override { return m_nIDHelp; }
    const char* GetHelpClassName() override { return "CHelpButtonMiniDockFrameWnd"; }
};
