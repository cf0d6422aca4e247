// DefineDeviceWithDialog.h: the one way every caller opens a device
// definition dialog: the device-list bar (the running emulator), the
// system configuration's Devices page (the configuration being edited) and
// the view's Load Card Reader and Load Tape.
//
// The steps: the dialog by the device's class index (the statement editor
// for other types and for the manual edit); the process's current
// directory set to the folder the dialog's file browsing starts in; the
// dialog built with the caller's window as parent; the add flag, a copy of
// the device and the router given to it; for a load, the remembered file
// name and argument text in place of the device's; the modal run; on OK
// only, the device copied back over the caller's and the command taken.
// The caller sends the command (the view gives it the prefix the emulator's
// version wants) or queues it.
#pragma once

#include <memory>

#include "devices/CDeviceDlg.h"
#include "devices/DeviceDialogRules.h"

struct SDeviceDialogRun {
    EDeviceDialogCaller eCaller = kDeviceCallerDevListBar;
    CWnd* pParent = nullptr;  // the view passes none
    bool bAdd = false;
    bool bManualEdit = false;  // the Devices page's manual edit: the statement editor
    // A device of the running emulator (the device list; the Devices page
    // while the emulator runs, whose commands then go out at Apply).
    bool bRunningDevice = false;
    CIsDevNumDefinedFuncRouterObject* pRouter = nullptr;  // not owned; none from the view
    // Load Card Reader and Load Tape: the file name and argument text of
    // the previous load, put in place of the device's; after OK they
    // receive the dialog's. Null for every other opening.
    CString* pstrLoadFile = nullptr;
    CString* pstrLoadArgs = nullptr;
};

// True after OK: dev is the edited device and strCommand the dialog's
// command. Otherwise (Cancel, or a class without its dialog) nothing
// changes and strCommand is empty.
bool DefineDeviceWithDialog(CVornDevice& dev, CString& strCommand, const SDeviceDialogRun& run);

// The dialog of a kind, parent pParent; null for a kind whose dialog the
// program does not have.
std::unique_ptr<CDeviceDefinition> CreateDeviceDialog(EDeviceDialogKind eKind, CWnd* pParent);

// The view's folders (empty ones without a view).
SDeviceFolders ViewDeviceFolders();
