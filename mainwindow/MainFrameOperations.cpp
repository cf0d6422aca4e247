// MainFrameOperations.cpp: the Command and Operations menus' device
// dialogs: IPL with its load parameter, the device interrupt, and the choice
// of the card reader or tape drive to load or unload. The view enables the
// items and sends the commands.
#include "mainwindow/MainFrame.h"

#include "config/DevNum.h"
#include "devices/DefineDeviceWithDialog.h"
#include "devices/DevIntDlg.h"
#include "devices/SelectDevice.h"
#include "platform/MessageBoxes.h"
#include "session/VornGUIView.h"

// IPL from the panel's load unit: the device and load parameter are asked
// for unless "Don't ask me again" was ticked for this configuration; the
// load parameter entered serves this IPL only.
void CMainFrame::OnIplLoad()
{
    if (!g_pView)
        return;
    CString strLoadParm = NormaliseLoadParm(g_pView->GetConfig().m_strLoadParm);
    CDynControlsDlgBar* pPanel = &m_wndControlsBar.m_dlg;
    if (!g_pView->IsLoadParmAsked()) {
        CDevIntDlg dlg(g_pView);
        dlg.m_strPurpose = "IPL";
        dlg.m_strPrompt = "Enter device number to IPL from:";
        dlg.m_strDevNum = pPanel ? pPanel->GetLoadUnit() : CString("0000");
        dlg.m_strLoadParm = strLoadParm;
        dlg.m_bDontAsk = 0;
        dlg.m_pDevListBar = &m_wndDevListBar.m_dlg;
        if (dlg.DoModal() != IDOK)
            return;
        if (pPanel)
            pPanel->SetDialsHex(dlg.m_strDevNum);
        strLoadParm = dlg.m_strLoadParm;
        g_pView->SetLoadParmAsked(dlg.m_bDontAsk != 0);
    }
    g_pView->SendIpl(strLoadParm, pPanel ? pPanel->GetLoadUnit() : CString("0000"));
}

void CMainFrame::OnDeviceInterrupt()
{
    if (!g_pView)
        return;
    CDevIntDlg dlg(g_pView);
    dlg.m_strPurpose = "Device Interrupt";
    dlg.m_strPrompt = "Enter device number to present device attention interrupt for:";
    dlg.m_pDevListBar = &m_wndDevListBar.m_dlg;
    if (dlg.DoModal() == IDOK)
        g_pView->SendVornCommand("i " + dlg.m_strDevNum);
}

bool CMainFrame::SelectDeviceOfClass(CVornDevice& device, EDeviceChoice eChoice)
{
    if (!g_pView)
        return false;
    const SDeviceChoiceTexts& texts = DeviceChoiceTexts(eChoice);
    CSelectDevice dlg(g_pView);
    POSITION pos = g_pView->GetConfig().m_devices.GetStartPosition();
    while (pos) {
        DWORD dwKey = 0;
        CVornDevice each;
        g_pView->GetConfig().m_devices.GetNextAssoc(pos, dwKey, each);
        if (each.m_wClass == texts.wClass)
            dlg.m_DevList.AddTail(each);
    }
    DWORD dwKey = 0;
    if (dlg.m_DevList.IsEmpty()) {
        TDMessageBox(texts.pszNone, nullptr, "VornGUI", MB_ICONWARNING);
        return false;
    }
    if (dlg.m_DevList.GetCount() == 1) {
        dwKey = dlg.m_DevList.GetHead().GetKey();
    } else {
        dlg.m_strTitle = texts.pszTitle;
        dlg.m_strLabel = texts.pszLabel;
        dlg.m_strPrompt = texts.pszPrompt;
        if (dlg.DoModal() != IDOK)
            return false;
        dwKey = dlg.m_dwDevnum;
    }
    return g_pView->GetConfig().m_devices.Lookup(dwKey, device) != FALSE;
}

// The chosen reader or tape drive is reinitialised through its class's
// dialog, which starts from the last load's file and options; after OK the
// view remembers them for the next load and sends the command.
void CMainFrame::LoadDeviceWithDialog(EDeviceChoice eChoice)
{
    CVornDevice device;
    if (!SelectDeviceOfClass(device, eChoice))
        return;
    bool bTape = eChoice == kChoiceLoadTape;
    const CViewSettings& settings = g_pView->Settings();
    CString strFile = bTape ? settings.m_strPrevTapeFile : settings.m_strPrevReaderFile;
    CString strArgs = bTape ? settings.m_strPrevTapeParms : settings.m_strPrevReaderParms;
    SDeviceDialogRun run;
    run.eCaller = kDeviceCallerView;
    run.pstrLoadFile = &strFile;
    run.pstrLoadArgs = &strArgs;
    CString strCommand;
    if (!DefineDeviceWithDialog(device, strCommand, run))
        return;
    g_pView->SetLastLoad(bTape, strFile, strArgs);
    g_pView->SendVornCommand(strCommand);
}

void CMainFrame::OnLoadReader()
{
    LoadDeviceWithDialog(kChoiceLoadReader);
}

void CMainFrame::OnLoadTape()
{
    LoadDeviceWithDialog(kChoiceLoadTape);
}

void CMainFrame::OnUnloadTape()
{
    CVornDevice device;
    if (SelectDeviceOfClass(device, kChoiceUnloadTape))
        g_pView->SendVornCommand("devinit " + FormatDevnum(device.GetKey()) + " *");
}

