// DefaultDevices.h: the devices with which a new configuration starts, one
// of every class: a socket card reader, a card punch, a printer, a console,
// a display, a disk, a tape, an OSA adapter and a 2703 line.
#pragma once

#include "config/CVornDevice.h"
#include "platform/CString.h"

enum { kDefaultDeviceCount = 9 };

// The console's folders for the device files, each ending with a separator
// or empty (then the file names stand alone).
struct DefaultDeviceFolders {
    CString strPunch;
    CString strPrinter;
    CString strDisk;
    CString strTape;
};

// Fills the nine slots in device-class order. Returns false, with the
// parser's messages in strError, when a statement did not parse.
bool BuildDefaultDeviceStatements(CVornDevice devices[kDefaultDeviceCount], const DefaultDeviceFolders& folders,
                                  CString& strError);

// A new device proposed from the last one of its class (the class's
// prototype): what belongs to that one device alone does not carry over.
// A SYSG console is proposed as a 3270 display: there is only one SYSG. A
// disk keeps its options but its serial number and shadow file.
void ProposeFromPrototype(CVornDevice& dev);
