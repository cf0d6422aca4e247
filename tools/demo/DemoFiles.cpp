// DemoFiles.cpp: the contents of a demonstration folder.
#include "tools/demo/DemoFiles.h"

#include "platform/CodePage.h"
#include "platform/PathFunctions.h"
#include "platform/TextFunctions.h"
#include "utilities/UtilityTable.h"

const char kDemoEmulatorProgram[] = "Vornamic.exe";
const char kDemoConfigName[] = "vornamic.cnf";

namespace {

// The sub-folder of each folder kind, in EDirList order.
const char* const kFolderNames[kDirListCount] = {
    "exe", "config", "logs", "reader", "punch", "printer", "tapes", "disks",
};

// 3390 geometry: heads per cylinder and bytes per track as the image
// header gives them, and the cylinders of the smallest model.
const DWORD kHeads = 15;
const DWORD kTrackSize = 56832;
const DWORD kCylinders = 1113;
const int kHeaderBlock = 512;

void PutLittleEndian(std::string& s, size_t nOffset, DWORD dwValue, int nBytes = 4)
{
    for (int i = 0; i < nBytes; ++i)
        s[nOffset + i] = (char)(BYTE)(dwValue >> (8 * i));
}

// An AWS block header: this block's length, the previous block's, the flags.
std::string AwsHeader(WORD wLength, WORD wPrevious, BYTE bFlags)
{
    std::string s(6, '\0');
    PutLittleEndian(s, 0, wLength, 2);
    PutLittleEndian(s, 2, wPrevious, 2);
    s[4] = (char)bFlags;
    return s;
}

// A text file's bytes, its lines ended by CR-LF as Windows writes them.
std::string TextFile(const std::string& strText)
{
    std::string s;
    for (char c : strText) {
        if (c == '\n')
            s += '\r';
        s += c;
    }
    return s;
}

// A device file's name in a configuration statement: the folder in
// standard form, quoted when it holds a blank.
CString StatementPath(const CString& strFolder, const char* pszName)
{
    return QuoteIfNeeded(StandardizedDirectory(strFolder, true) + pszName);
}

std::string ConfigurationText(const SDemoFolders& f)
{
    const CString reader = f.dirs[kDirReaderFiles], punch = f.dirs[kDirPunchFiles],
                  printer = f.dirs[kDirPrinterFiles], tapes = f.dirs[kDirTapeFiles], disks = f.dirs[kDirDiskFiles];
    CString s;
    s += "#\n"
         "# Vornamic Emulator Control file...\n"
         "#\n"
         "# Description:       VornGUI demonstration with the project's emulator stand-in\n"
         "# MaxShutdownSecs:   15\n"
         "# LoadUnit:          0120\n"
         "#\n"
         "\n#  System parameters\n\n"
         "ARCHLVL              z/Arch\n"
         "CPUMODEL             2090\n"
         "CPUSERIAL            012345\n"
         "MAINSIZE             64M\n"
         "NUMCPU               1\n"
         "\n#  Card Readers\n\n";
    s += "000B    3505    127.0.0.1:3505 sockdev ascii trunc eof\n";
    s += "000C    3505    " + StatementPath(reader, "cards.rdr") + " ascii eof\n";
    s += "\n#  Card Punches\n\n";
    s += "000D    3525    " + StatementPath(punch, "pch00d.pch") + " ascii crlf\n";
    s += "\n#  Line Printers\n\n";
    s += "000E    1403    " + StatementPath(printer, "prt00e.prt") + " crlf\n";
    s += "000F    1403    " + StatementPath(printer, "prt00f.prt") + " crlf\n";
    s += "\n#  Console Printers\n\n"
         "0009    3215-C  noprompt\n"
         "001F    3215    noprompt\n"
         "\n#  Display Terminals\n\n"
         "0700.2  3270\n"
         "\n#  Disk Drives\n\n";
    s += "0120    3390    " + StatementPath(disks, "vorn01.cckd") + "\n";
    s += "0121    3390    " + StatementPath(disks, "vorn02.cckd") + "\n";
    s += "\n#  Tape Drives\n\n";
    s += "0580    3420    " + StatementPath(tapes, "vorn80.aws") + "\n";
    s += "0581    3420    *\n";
    return s.str();
}

}  // namespace

SDemoFolders DemoFolders(const CString& strRoot)
{
    SDemoFolders folders;
    CString strBase = WindowsizedDirectory(strRoot, true);
    for (int i = 0; i < kDirListCount; ++i)
        folders.dirs[i] = strBase + kFolderNames[i] + "\\";
    return folders;
}

std::vector<CString> DemoUtilityPrograms()
{
    std::vector<CString> names;
    for (const SUtilityInfo& info : kUtilities) {
        names.push_back(CString(info.pszCaption) + ".exe");
        if (info.eGroup == kUtilityGroupDisk)
            names.push_back(CString(info.pszCaption) + "64.exe");
    }
    names.push_back("VORNRDR.exe");
    return names;
}

std::string DemoDiskImage(const char* pszSerial)
{
    const DWORD dwL1Entries = (kCylinders * kHeads + 255) / 256;
    const DWORD dwSize = 2 * kHeaderBlock + 4 * dwL1Entries;
    std::string s(dwSize, '\0');
    // The device header: signature, geometry, device type code, serial.
    s.replace(0, 8, "CKD_C370");
    PutLittleEndian(s, 8, kHeads);
    PutLittleEndian(s, 12, kTrackSize);
    s[16] = (char)0x90;
    s.replace(20, 12, std::string(pszSerial).substr(0, 12));
    // The compressed device header: version 0.3.1, the level-1 table's
    // entries (each 0: no track written yet) of 256 tracks each, the file's
    // size and used bytes, the cylinders.
    const size_t b = kHeaderBlock;
    s[b + 1] = 3;
    s[b + 2] = 1;
    PutLittleEndian(s, b + 4, dwL1Entries);
    PutLittleEndian(s, b + 8, 256);
    PutLittleEndian(s, b + 12, dwSize);
    PutLittleEndian(s, b + 16, dwSize);
    PutLittleEndian(s, b + 40, kCylinders);
    return s;
}

std::string DemoTapeImage(const char* pszVolser)
{
    CString strLabel;
    strLabel.Format("VOL1%-6.6s", pszVolser);
    std::string label(strLabel.str());
    label.resize(80, ' ');
    for (char& c : label)
        c = (char)AsciiToEbcdic((BYTE)c);
    const BYTE kNewRecord = 0xA0, kTapeMark = 0x40;
    return AwsHeader(80, 0, kNewRecord) + label + AwsHeader(0, 80, kTapeMark) + AwsHeader(0, 0, kTapeMark);
}

std::vector<SDemoFile> DemoDataFiles(const SDemoFolders& folders)
{
    return {
        {kDirConfigFiles, kDemoConfigName, TextFile(ConfigurationText(folders))},
        {kDirConfigFiles, "cpu-types.txt",
         TextFile("# CPU models of the demonstration: name;;description;model;version\n"
                  "Vornamic;;demonstration model 1090;1090;00\n"
                  "Vornamic;;demonstration model 2090;2090;00\n"
                  "Vornamic;;demonstration model 3090;3090;00\n")},
        {kDirReaderFiles, "cards.rdr", TextFile("VORNAMIC DEMONSTRATION DECK\nCARD 2 OF 3\nCARD 3 OF 3\n")},
        {kDirDiskFiles, "vorn01.cckd", DemoDiskImage("000000000120")},
        {kDirDiskFiles, "vorn02.cckd", DemoDiskImage("000000000121")},
        {kDirTapeFiles, "vorn80.aws", DemoTapeImage("VORN80")},
    };
}
