// CHelpButtonFrameWnd.cpp: the frame's help commands.
#include "framework/CHelpButtonFrameWnd.h"

BEGIN_MESSAGE_MAP(CHelpButtonFrameWnd, CHelpButtonWnd<CFrameWnd>)
    ON_WM_SYSCOMMAND_WATCH(OnSysCommandWatch)
    ON_COMMAND(ID_CONTEXT_HELP, OnContextHelp)
    ON_COMMAND(ID_HELP, OnHelpTopic)
END_MESSAGE_MAP()

void CHelpButtonFrameWnd::OnSysCommandWatch(UINT nID, LPARAM)
{
    if ((nID & 0xFFF0) == SC_CONTEXTHELP)
        m_bContextHelpMode = 1;
}

// The menu item and its accelerator: the system's context-help mode.
void CHelpButtonFrameWnd::OnContextHelp()
{
    m_bContextHelpMode = 1;
    SendMessage(WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
}

void CHelpButtonFrameWnd::OnHelpTopic()
{
    ShowWindowHelp();
}
