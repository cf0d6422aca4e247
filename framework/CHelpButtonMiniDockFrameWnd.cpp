// CHelpButtonMiniDockFrameWnd.cpp: the floating frame's help command.
#include "framework/CHelpButtonMiniDockFrameWnd.h"

#include "platform/AfxIds.h"

BEGIN_MESSAGE_MAP(CHelpButtonMiniDockFrameWnd, CHelpButtonWnd<CMiniDockFrameWnd>)
    ON_COMMAND(ID_HELP, ShowWindowHelp)
END_MESSAGE_MAP()
