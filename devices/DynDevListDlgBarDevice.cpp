// DynDevListDlgBarDevice.cpp: the device-list bar's commands that define a
// device through its class's definition dialog: Re-Initialize, Add device,
// Load Tape and Rename, and the bar's own Close and Properties.
#include "devices/DynDevListDlgBar.h"

#include "config/CVornDevice.h"
#include "platform/CWinApp.h"
#include "platform/Trace.h"
#include "preferences/PreferencesDlg.h"
#include "session/VornGUIView.h"

// The definition dialogs of the device classes (card reader, punch,
// printer, console, display, DASD, tape, communication adapters and the
// statement editor) and the rename dialog are not part of the program yet:
// a command that needs one changes nothing and sends nothing, as a
// cancelled dialog would.
bool CDynDevListDlgBar::DefineDeviceWithDialog(CVornDevice& dev, bool bAdding, bool bLoadTape)
{
    WrenLibAfxTraceEx("CDynDevListDlgBar::DefineDeviceWithDialog",
                      "no definition dialog for device class %u (adding %d, load tape %d)", dev.m_wClass, bAdding,
                      bLoadTape);
    return false;
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
    WrenLibAfxTraceEx("CDynDevListDlgBar::OnRename", "no rename dialog for device %X", m_nClickedKey);
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
