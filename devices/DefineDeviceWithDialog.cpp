// DefineDeviceWithDialog.cpp: choosing, preparing and running a device
// definition dialog for a caller.
#include "devices/DefineDeviceWithDialog.h"

#include "devices/AddCOMMSheet.h"
#include "devices/AddCardPunchDlg.h"
#include "devices/AddConsoleDlg.h"
#include "devices/AddDisplayDlg.h"
#include "devices/AddCardReaderDlg.h"
#include "devices/AddPrinterDlg.h"
#include "devices/AddDasdDlg.h"
#include "devices/AddTapeDlg.h"
#include "devices/CVornDeviceStmtEditDlg.h"
#include "platform/Trace.h"
#include "session/VornGUIView.h"

std::unique_ptr<CDeviceDefinition> CreateDeviceDialog(EDeviceDialogKind eKind, CWnd* pParent)
{
    switch (eKind) {
    case kDeviceDlgCardReader:
        return std::make_unique<CAddCardReaderDlg>(pParent);
    case kDeviceDlgCardPunch:
        return std::make_unique<CAddCardPunchDlg>(pParent);
    case kDeviceDlgPrinter:
        return std::make_unique<CAddPrinterDlg>(pParent);
    case kDeviceDlgConsole:
        return std::make_unique<CAddConsoleDlg>(pParent);
    case kDeviceDlgDisplay:
        return std::make_unique<CAddDisplayDlg>(pParent);
    case kDeviceDlgDasd:
        return std::make_unique<CAddDasdDlg>(pParent);
    case kDeviceDlgTape:
        return std::make_unique<CAddTapeDlg>(pParent);
    case kDeviceDlgComm:
        return std::make_unique<CAddCOMMSheet>(pParent);
    case kDeviceDlgStmtEdit:
        return std::make_unique<CVornDeviceStmtEditDlg>(pParent);
    default:
        return nullptr;
    }
}

SDeviceFolders ViewDeviceFolders()
{
    SDeviceFolders folders;
    if (!g_pView)
        return folders;
    folders.strReader = g_pView->GetReaderFilesDir();
    folders.strPunch = g_pView->GetPunchFilesDir();
    folders.strPrinter = g_pView->GetPrinterFilesDir();
    folders.strDisk = g_pView->GetDiskFilesDir();
    folders.strTape = g_pView->GetTapeFilesDir();
    folders.strConfig = g_pView->GetConfigFilesDir();
    return folders;
}

bool DefineDeviceWithDialog(CVornDevice& dev, CString& strCommand, const SDeviceDialogRun& run)
{
    strCommand.Empty();
    EDeviceDialogKind eKind = DeviceDialogKind(dev.m_wClass, run.bManualEdit);
    std::unique_ptr<CDeviceDefinition> pDlg = CreateDeviceDialog(eKind, run.pParent);
    if (!pDlg) {
        WrenLibAfxTraceEx("DefineDeviceWithDialog", "no definition dialog for device class %u", dev.m_wClass);
        return false;
    }
    CString strFolder = DeviceDialogStartFolder(run.eCaller, eKind, dev.m_strFirstArg, ViewDeviceFolders());
    if (!strFolder.IsEmpty() && !::SetCurrentDirectoryA(strFolder))
        TRACE_FAILED_CALL("SetCurrentDirectoryA(strFolder)");
    pDlg->m_bAdd = run.bAdd;
    pDlg->m_bRunningDevice = run.bRunningDevice;
    pDlg->m_Device = dev;
    pDlg->m_pRouter = run.pRouter;
    if (run.pstrLoadFile && run.pstrLoadArgs) {
        pDlg->m_Device.m_strFirstArg = *run.pstrLoadFile;
        pDlg->m_Device.m_strOtherArgs = *run.pstrLoadArgs;
    }
    pDlg->PrepareToRun();
    if (pDlg->RunModal() != IDOK)
        return false;
    dev = pDlg->m_Device;
    strCommand = pDlg->m_strCommand;
    if (run.pstrLoadFile && run.pstrLoadArgs) {
        *run.pstrLoadFile = dev.m_strFirstArg;
        *run.pstrLoadArgs = dev.m_strOtherArgs;
    }
    return true;
}
