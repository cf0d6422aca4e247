// DemoFiles.h: what a demonstration folder holds, window-free: its eight
// folders (one per folder kind of the preferences), the programs of its
// executables folder (the stand-ins under the names VornGUI starts), and its
// data files: the sample configuration with a few devices of each common
// kind, the disk and tape images and the card deck they use, and a CPU
// model list.
#pragma once

#include <string>
#include <vector>

#include "platform/CString.h"
#include "session/ViewSettings.h"

// The folders of a demonstration below its root, in EDirList order, each in
// Windows form with a trailing backslash.
struct SDemoFolders {
    CString dirs[kDirListCount];
};
SDemoFolders DemoFolders(const CString& strRoot);

// The emulator's program: the emulator stand-in copied under its name.
extern const char kDemoEmulatorProgram[];   // "Vornamic.exe"
// The sample configuration, in the configuration folder.
extern const char kDemoConfigName[];        // "vornamic.cnf"

// The utility stand-in's names in the executables folder: every utility of
// the Utilities menu under its program word (each disk utility also in its
// 64-bit form, "VOLMAKE64.exe"), and the card-submission helper
// "VORNRDR.exe".
std::vector<CString> DemoUtilityPrograms();

// One data file: its folder, its name and its bytes.
struct SDemoFile {
    EDirList eFolder;
    CString strName;
    std::string strBytes;
};
// The sample configuration (CPU serial and model, a processor, storage, and
// card readers, a punch, printers, consoles, displays, disks and tapes whose
// files lie in the demonstration's folders), the two disk images, the tape
// image, the card deck and the CPU model list.
std::vector<SDemoFile> DemoDataFiles(const SDemoFolders& folders);

// A compressed CKD image of a 3390 of 1113 cylinders whose tracks are all
// empty, with the 12-digit serial in its header.
std::string DemoDiskImage(const char* pszSerial);
// An AWS tape image: a standard volume label "VOL1" with the volume serial,
// then two tape marks.
std::string DemoTapeImage(const char* pszVolser);
