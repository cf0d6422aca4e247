// DynDevListDlgBarSession.cpp: what the device-list bar asks of the view:
// whether the emulator runs and is ready, the flush of the commands queued
// until it is, the sending of commands, the command line's focus after
// Escape, and the devices of the current configuration. Without a view no
// emulator runs and nothing is configured.
#include "devices/DynDevListDlgBar.h"

#include "config/DevClass.h"
#include "config/DevClassIcons.h"
#include "session/PipedProcessCtl.h"
#include "session/ProgressDlg.h"
#include "session/UtilityCommandLine.h"
#include "session/VornGUIView.h"
#include "platform/Trace.h"

namespace {

const int kCardSubmissionKind = 28;   // the utility kind of the card-submission program

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

void CDynDevListDlgBar::OnCancel()
{
    if (g_pView)
        g_pView->FocusCommandLine();
}

void CDynDevListDlgBar::SendVornCommand(const CString& strCommand)
{
    if (g_pView)
        g_pView->SendVornCommand(strCommand);
}

// The devices of the view's current configuration, by key.
bool CDynDevListDlgBar::LookupConfiguredDevice(int nKey, CVornDevice& dev) const
{
    return g_pView && g_pView->GetConfig().m_devices.Lookup((DWORD)nKey, dev);
}

// The running configuration's devices are those of the view's
// configuration that the emulator reports (a detached one uses no file).
bool CDynDevListDlgBar::IsFileUsedByShownDevice(const CString& strFileName)
{
    return g_pView && g_pView->GetConfig().m_devices.IsFileUsed(
                          strFileName, [this](DWORD dwKey) { return IsDevNumShown(dwKey); });
}

// Takes the device out of the view's configuration, which then counts as
// modified when it differs from the one last opened or saved.
bool CDynDevListDlgBar::RemoveConfiguredDevice(int nKey)
{
    if (!g_pView)
        return false;
    CVornConfigFile cfg = g_pView->GetConfig();
    if (!cfg.m_devices.RemoveKey((DWORD)nKey))
        return false;
    g_pView->ApplyEditedConfiguration(cfg);
    return true;
}

// Adds or replaces the device under its key in the view's configuration,
// which then counts as modified when it differs from the one last saved.
void CDynDevListDlgBar::StoreConfiguredDevice(const CVornDevice& dev)
{
    if (!g_pView)
        return;
    CVornConfigFile cfg = g_pView->GetConfig();
    cfg.m_devices.SetAt(dev.GetKey(), dev);
    g_pView->ApplyEditedConfiguration(cfg);
}

// The file name and argument text of the view's last load of a reader or
// tape (empty without a view).
void CDynDevListDlgBar::GetLastLoad(bool bTape, CString& strFile, CString& strArgs) const
{
    if (!g_pView)
        return;
    const CViewSettings& s = g_pView->Settings();
    strFile = bTape ? s.m_strPrevTapeFile : s.m_strPrevReaderFile;
    strArgs = bTape ? s.m_strPrevTapeParms : s.m_strPrevReaderParms;
}

void CDynDevListDlgBar::SetLastLoad(bool bTape, const CString& strFile, const CString& strArgs)
{
    if (g_pView)
        g_pView->SetLastLoad(bTape, strFile, strArgs);
}

// The configuration's PANRATE, milliseconds (its default without a view).
UINT CDynDevListDlgBar::PanelRefreshRate() const
{
    int nRate = g_pView ? g_pView->GetConfig().m_nPanRate : CVornConfigFile().m_nPanRate;
    return nRate > 0 ? (UINT)nRate : 0;
}

CString CDynDevListDlgBar::ReaderFilesDir() const
{
    return g_pView ? g_pView->Settings().GetFirstDir(kDirReaderFiles) : CString();
}

// The card-submission program, with a progress window, as one of the
// view's running utilities. Like every utility it is the executables
// folder's: its title's first word is the program's name there.
void CDynDevListDlgBar::RunCardSubmission(const CString& strTitle, const CString& strFolder, INT64 nSize)
{
    if (!g_pView)
        return;
    CString strCommand = BuildUtilityCommandLine(strTitle, g_pView->GetExecutablesDir());
    CPipedProcessCtl* pCtl = new CPipedProcessCtl(strTitle, kCardSubmissionKind, DevClassIcon(DEVCLASS_RDR),
                                                  strCommand, strFolder, true,
                                                  (DWORD)nSize, (DWORD)((UINT64)nSize >> 32));
    if (CProgressDlg* pProgress = pCtl->GetProgressDlg())
        pProgress->ShowInactive();
    g_pView->AddRunningUtility(pCtl);
}

void CDynDevListDlgBar::CloseBar()
{
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(WM_COMMAND, ID_VIEW_DEVLIST_BAR);
}

