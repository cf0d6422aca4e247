// CCmdTarget.cpp: command dispatch through the message map.
#include "platform/CCmdTarget.h"

#include <windows.h>

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

bool CCmdTarget::OnWndMsg(UINT, WPARAM, LPARAM, LRESULT*)
{
    return false;
}

bool CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra)
{
    LRESULT r = 0;
    if (nCode == CN_UPDATE_COMMAND_UI)
        return OnWndMsg(WM_VORN_UPDATECMDUI, nID, (LPARAM)pExtra, &r);
    if (nCode == CN_COMMAND_PROBE)
        return OnWndMsg(WM_VORN_COMMANDPROBE, nID, 0, &r);
    return OnWndMsg(WM_COMMAND, MAKEWPARAM(nID, (WORD)nCode), (LPARAM)pExtra, &r);
}
