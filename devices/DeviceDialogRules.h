// DeviceDialogRules.h: the rules every device definition dialog and its
// callers share, window-free: which dialog edits a device, the folder the
// process's current directory is set to before it opens, the device-type
// list and its choice, the device-number check and the type texts.
#pragma once

#include <functional>

#include "platform/CArray.h"
#include "platform/CString.h"
#include "platform/Types.h"

// The dialog of a device class (index 0 to 7); the statement editor for
// every other class and for the manual edit of any device.
enum EDeviceDialogKind {
    kDeviceDlgCardReader,
    kDeviceDlgCardPunch,
    kDeviceDlgPrinter,
    kDeviceDlgConsole,
    kDeviceDlgDisplay,
    kDeviceDlgDasd,
    kDeviceDlgTape,
    kDeviceDlgComm,
    kDeviceDlgStmtEdit,
};
EDeviceDialogKind DeviceDialogKind(WORD wClass, bool bManualEdit);

// Who opens the dialog: the device-list bar (the running emulator), the
// system configuration's Devices page (the configuration being edited) or
// the view's Load Card Reader and Load Tape.
enum EDeviceDialogCaller { kDeviceCallerDevListBar, kDeviceCallerDevicesPage, kDeviceCallerView };

// The view's folders of each kind of file (the first of each list).
struct SDeviceFolders {
    CString strReader, strPunch, strPrinter, strDisk, strTape, strConfig;
};

// The folder the current directory is set to before the dialog opens, so
// that relative file names resolve there; empty: the current directory
// stays. For the device-list bar it is the folder part of the device's
// file name in Windows form (a name without one, such as "*" or a socket's
// "host:port", leaves it alone).
CString DeviceDialogStartFolder(EDeviceDialogCaller eCaller, EDeviceDialogKind eKind, const CString& strFileName,
                                const SDeviceFolders& folders);

// The folder part of a file name ("C:\decks\a.txt" gives "C:\decks\"),
// empty when it names no folder.
CString FolderPartOf(const CString& strFileName);

// A device's file name as the dialogs' folder and file fields hold it. A
// full name ("C:\prt\a.txt", "\\server\share\a.txt", "\prt\a.txt") is
// made whole and split as the file dialogs do. A relative one ("a.txt",
// "out\a.txt") is the emulator's: it resolves in the emulator's working
// folder, the configuration's, never in this program's current one. So it
// is split as written (folder "" or "out\") and joins back unchanged.
void SplitDeviceFileName(const CString& strName, CString& strDir, CString& strFile);
// True for a folder text that names no drive and no root ("", "out\").
bool IsRelativeFolder(const CString& strDir);
// True when two device file names name one file as Windows reads them:
// full names whose full paths are equal ("C:/dasd/vol1.cckd" and
// "c:\DASD\vol1.cckd"), or relative ones equal but for their separators,
// without regard to case.
bool IsSameDeviceFile(const CString& strA, const CString& strB);
// Where a check looks for a relative folder or file name: below the
// configuration's folder when that is known; any other name as it is.
CString DeviceFileCheckFolder(const CString& strDir, const CString& strConfigFolder);

// The non-empty entries of a ";"-separated type list, in order.
void SplitDeviceTypeList(const char* pszList, CStringArray& types);
// The entry to select for a type name: the equal one, else the first that
// begins with it, else nFallback (all without regard to case; an empty
// name takes the fallback). -1 for an empty list.
int ChooseDeviceTypeIndex(const CStringArray& types, const CString& strTypeName, int nFallback);

// The device type a type name spells: its leading hexadecimal digits
// ("3505" gives 0x3505, "1052-C" 0x1052); 0 when it has none.
WORD DeviceTypeFromName(const CString& strTypeName);
// A device type as its type name: "%04.4X" (0x3525 gives "3525").
CString DeviceTypeName(WORD wDevType);

// The device-number check of an added device (and of the rename dialog).
enum EDevNumCheck { kDevNumOK, kDevNumEmpty, kDevNumInvalid, kDevNumDefined };
// The trimmed text must be "HHHH" or "L:HHHH" and name no device that
// isDefined (the router's question) reports; the key is stored through
// pdwKey when it parses.
EDevNumCheck CheckDevNumText(const CString& strText, const std::function<bool(DWORD)>& isDefined,
                             DWORD* pdwKey = nullptr);
// The balloon text of a failed check (the statement editor writes "Device
// Number" in capitals); empty for kDevNumOK.
const char* DevNumCheckMessage(EDevNumCheck eCheck, bool bCapitalised = false);
// True for the type name of the SYSG integrated console (any case, blanks
// around it ignored). Its statement keeps no number: the console is always
// device 0000.
bool IsSysgTypeName(const CString& strTypeName);
// "device %s is already defined as the SYSG device" with the number of the
// SYSG console the host has.
CString SysgDefinedMessage(DWORD dwSysgKey);
// The title of every device-number balloon.
extern const char kDevNumBalloonTitle[];
// The balloon on a file field whose name another device already uses.
extern const char kFileInUseMessage[];
