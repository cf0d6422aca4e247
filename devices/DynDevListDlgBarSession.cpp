// DynDevListDlgBarSession.cpp: what the device-list bar asks of the view:
// whether the emulator runs and is ready, the flush of the commands queued
// until it is, and the sending of commands.
#include "devices/DynDevListDlgBar.h"

#include "session/VornGUIView.h"

// The view's running and ready flags and its command queue come with the
// emulator protocol (issue 11); until then no emulator runs, and the bar
// drops the lists it is given.
bool CDynDevListDlgBar::IsEmulatorRunning() const
{
    return false;
}

bool CDynDevListDlgBar::IsEmulatorReady() const
{
    return false;
}

void CDynDevListDlgBar::FlushQueuedCommands()
{
}

void CDynDevListDlgBar::SendCommand(const CString& strCommand)
{
    if (g_pView)
        g_pView->SendCommand(strCommand);
}
