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
public:
    CHelpButtonFrameWnd() : CHelpButtonWnd<CFrameWnd>(0) {}

    // The resource id the frame was loaded from (LoadFrame keeps it).
    UINT GetHelpDialogId() override { return m_nIDHelp; }
    const char* GetHelpClassName() override { return "CHelpButtonFrameWnd"; }
    bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult) override
    {
        if (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_CONTEXTHELP)
            m_bContextHelpMode = 1;  // the base's system command enters the mode
        if (msg == WM_COMMAND && LOWORD(wp) == ID_CONTEXT_HELP && lp == 0) {
            m_bContextHelpMode = 1;
            SendMessage(WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
            *pResult = 0;
            return true;
        }
        if (msg == WM_COMMAND && LOWORD(wp) == ID_HELP && lp == 0) {
            ShowWindowHelp();
            *pResult = 0;
            return true;
        }
        return CHelpButtonWnd<CFrameWnd>::OnWndMsg(msg, wp, lp, pResult);
    }
};
