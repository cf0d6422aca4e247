// CHelpButtonFrameWnd.h: the frame window with the caption help button (the
// main frame's base). Its help id is the resource id the frame was loaded
// from; SC_CONTEXTHELP and ID_CONTEXT_HELP enter context-help mode, ID_HELP
// opens the frame's help topic.
#pragma once

#include "framework/HelpButtonWnd.h"
#include "platform/AfxIds.h"
#include "platform/CFrameWnd.h"

#ifndef ID_CONTEXT_HELP
#define ID_CONTEXT_HELP 0xE145
#endif

class CHelpButtonFrameWnd : public CHelpButtonWnd<CFrameWnd> {
    DECLARE_MESSAGE_MAP()
public:
    CHelpButtonFrameWnd() : CHelpButtonWnd<CFrameWnd>(0) {}

    // The resource id the frame was loaded from (LoadFrame keeps it).
    UINT GetHelpDialogId() override { return m_nIDHelp; }
    const char* GetHelpClassName() override { return "CHelpButtonFrameWnd"; }

protected:
    // SC_CONTEXTHELP: the mode starts here, the base's system command goes on.
    void OnSysCommandWatch(UINT nID, LPARAM lParam);
    void OnContextHelp();
    void OnHelpTopic();
};
