// DynDevListDlgBarSession.cpp: what the device-list bar asks of the view:
// whether the emulator runs and is ready, the flush of the commands queued
// until it is, and the sending of commands. Without a view no emulator runs.
#include "devices/DynDevListDlgBar.h"

#include "session/PipedProcessCtl.h"
#include "session/ProgressDlg.h"
#include "session/VornGUIView.h"
#include "platform/Trace.h"

namespace {

const int kCardSubmissionKind = 28;   // the utility kind of the card-submission program
const int kDevListPrefsPage = 8;      // "Device List"

}  // namespace

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

// The view keeps no configuration of its own yet (issue 12): no device is
// configured, and the panel refresh rate is the configuration's default.
bool CDynDevListDlgBar::LookupConfiguredDevice(int, CVornDevice&) const
{
    return false;
}

bool CDynDevListDlgBar::RemoveConfiguredDevice(int)
{
    return false;
}

UINT CDynDevListDlgBar::PanelRefreshRate() const
{
    return 50;
}

CString CDynDevListDlgBar::ReaderFilesDir() const
{
    return g_pView ? g_pView->Settings().GetFirstDir(kDirReaderFiles) : CString();
}

// No reader-file extension is stored in the view's settings: every file.
CString CDynDevListDlgBar::ReaderFileExtension() const
{
    return "*.*";
}

// The card-submission program, with a progress window, as one of the
// view's running utilities.
void CDynDevListDlgBar::RunCardSubmission(const CString& strTitle, const CString& strFolder, INT64 nSize)
{
    if (!g_pView)
        return;
    CString strCommand = strTitle + " EXTERNALGUI";
    CPipedProcessCtl* pCtl = new CPipedProcessCtl(strTitle, kCardSubmissionKind, nullptr, strCommand, strFolder, true,
                                                  (DWORD)nSize, (DWORD)((UINT64)nSize >> 32));
    if (CProgressDlg* pProgress = pCtl->GetProgressDlg())
        pProgress->ShowWindow(SW_SHOW);
    g_pView->AddRunningUtility(pCtl);
}

void CDynDevListDlgBar::CloseBar()
{
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(WM_COMMAND, ID_VIEW_DEVLIST_BAR);
}

// The preferences dialog is not part of the program yet (issue 13 builds
// its base): Properties opens nothing.
void CDynDevListDlgBar::ShowPreferences()
{
    WrenLibAfxTraceEx("CDynDevListDlgBar::ShowPreferences", "no preferences dialog for page %d", kDevListPrefsPage);
}
