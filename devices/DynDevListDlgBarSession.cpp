// DynDevListDlgBarSession.cpp: what the device-list bar asks of the view:
// whether the emulator runs and is ready, the flush of the commands queued
// until it is, and the sending of commands. Without a view no emulator runs.
#include "devices/DynDevListDlgBar.h"

#include "session/VornGUIView.h"

bool CDynDevListDlgBar::IsEmulatorRunning() const
{
    return g_pView && g_pView->IsEmulatorRunning();
}

bool CDynDevListDlgBar::IsEmulatorReady() const
{
    return g_pView && g_pView->IsEmulatorReady();
}

void CDynDevListDlgBar::FlushQueuedCommands()
{
    if (g_pView)
        g_pView->FlushQueuedCommands();
}

void CDynDevListDlgBar::SendCommand(const CString& strCommand)
{
    if (g_pView)
        g_pView->SendCommand(strCommand);
}
