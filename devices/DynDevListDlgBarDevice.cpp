// DynDevListDlgBarDevice.cpp: the device-list bar's commands that define a
// device through its class's definition dialog: Re-Initialize, Add device,
// Load Tape and Rename, and the bar's own Close and Properties.
#include "devices/DynDevListDlgBar.h"

#include "config/CVornDevice.h"
#include "devices/DefineDeviceWithDialog.h"
#include "devices/RenameDeviceDlg.h"
#include "platform/CWinApp.h"
#include "preferences/PreferencesDlg.h"
#include "session/VornGUIView.h"

// The class's definition dialog on a copy of the device, with the bar's
// router; for Load Tape it starts from the last load's file and options,
// which it then remembers. After OK a command goes to the emulator and the
// device into the view's configuration.
bool CDynDevListDlgBar::DefineDeviceWithDialog(CVornDevice& dev, bool bAdding, bool bLoadTape)
{
    SDeviceDialogRun run;
    run.eCaller = kDeviceCallerDevListBar;
    run.pParent = this;
    run.bAdd = bAdding;
    run.bRunningDevice = true;
    run.pRouter = &m_Router;
    CString strLoadFile, strLoadArgs;
    if (bLoadTape) {
        GetLastLoad(true, strLoadFile, strLoadArgs);
        run.pstrLoadFile = &strLoadFile;
        run.pstrLoadArgs = &strLoadArgs;
    }
    CString strCommand;
    if (!::DefineDeviceWithDialog(dev, strCommand, run))
        return false;
    if (bLoadTape)
        SetLastLoad(true, strLoadFile, strLoadArgs);
    if (!strCommand.IsEmpty()) {
        StoreConfiguredDevice(dev);
        SendVornCommand(strCommand);
    }
    return true;
}

void CDynDevListDlgBar::OnReinit()
{
    CVornDevice dev;
    if (!LookupConfiguredDevice(m_nClickedKey, dev))
        return;
    dev.m_wClass = m_wClickedClass;
    DefineDeviceWithDialog(dev, false, false);
}

void CDynDevListDlgBar::OnLoadTape()
{
    CVornDevice dev;
    if (!LookupConfiguredDevice(m_nClickedKey, dev))
        return;
    dev.m_wClass = m_wClickedClass;
    DefineDeviceWithDialog(dev, false, true);
}

// A copy of the class template with the class's next free number; after
// the dialog, whatever its answer, the copy is the class's template.
void CDynDevListDlgBar::OnAddDevice()
{
    bool bTemplate = m_wClickedClass < kDefaultDeviceCount;
    CVornDevice dev = bTemplate ? m_ClassTemplates[m_wClickedClass] : CVornDevice();
    ProposeFromPrototype(dev);
    dev.m_wClass = m_wClickedClass;
    dev.m_bLcss = (BYTE)(m_nNextFreeKey >> 16);
    dev.m_wDevnum = (WORD)m_nNextFreeKey;
    DefineDeviceWithDialog(dev, true, false);
    if (bTemplate)
        m_ClassTemplates[m_wClickedClass] = dev;
}

void CDynDevListDlgBar::OnRename()
{
    CVornDevice dev;
    if (!LookupConfiguredDevice(m_nClickedKey, dev))
        return;
    CRenameDeviceDlg dlg(this);
    dlg.m_dwOldKey = (DWORD)m_nClickedKey;
    dlg.m_dwNewKey = (DWORD)m_nNextFreeKey;
    dlg.m_pRouter = &m_Router;
    if (dlg.DoModal() != IDOK)
        return;
    int nOldKey = m_nClickedKey;
    MoveShownDevice(nOldKey, (int)dlg.m_dwNewKey);
    dev.m_bLcss = (BYTE)(dlg.m_dwNewKey >> 16);
    dev.m_wDevnum = (WORD)dlg.m_dwNewKey;
    StoreConfiguredDevice(dev);
    SendVornCommand(dlg.m_strCommand);
    ScheduleRemoval(nOldKey);
}

void CDynDevListDlgBar::OnBarClose()
{
    CloseBar();
}

// The main frame docks and floats the bars.
void CDynDevListDlgBar::OnDockFloat(UINT nID)
{
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(WM_COMMAND, nID);
}

// The preferences at the "Device List" page.
void CDynDevListDlgBar::OnBarProperties()
{
    if (g_pView)
        g_pView->ShowPreferences(kPrefsDevList, false);
}
