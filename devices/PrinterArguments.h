// PrinterArguments.h: a line printer's device arguments, window-free: the
// output file (folder and name), the print-to-pipe program ("|", the
// program and its arguments) or the socket ("host:port" with "sockdev"),
// "crlf", the channel settings ("fcb=" or, for a 1403, "cctape=") and the
// emulator commands that attach or reinitialise it.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

struct SPrinterFields {
    bool bSockdev = false;
    bool bCrlf = false;
    DWORD dwIPAddress = 0;  // host order
    UINT nPort = 0;
    CString strOutputDir;     // the output file's (or pipe program's) folder
    CString strFileName;      // the file's name, or "|" and the program's
    CString strChannelSettings;
    // A pipe's program arguments; for a file or socket printer the words
    // that are neither options nor channel settings.
    CString strPipeArgs;
};

// The device's file name and argument text into the fields. The option
// words count in any case; a file name with a blank is never a socket; a
// socket's address that does not resolve leaves the address 0 and the port
// as given. A relative file or program keeps its relative folder ("" for a
// bare name, see SplitDeviceFileName); only a new printer, with no file
// name, starts in strCurrentDir.
void ParsePrinterArguments(const CString& strFirst, const CString& strOther, const CString& strCurrentDir,
                           SPrinterFields& fields);

inline bool IsPipeName(const CString& strName) { return strName.Left(1) == "|"; }

// The device's file name: "address:port" for a socket printer; for a pipe
// "|" and the folder and program (quoted when needed), a blank and the
// arguments; else the folder and file. Trimmed.
CString PrinterFileName(const SPrinterFields& fields, const CString& strIPAddress);
// The argument text: "sockdev", "crlf", then "cctape=" (a 1403) or "fcb="
// with the settings when there are any, then the other words a file or
// socket printer carried (strExtraWords); trimmed.
CString PrinterArgumentText(const SPrinterFields& fields, bool bIs1403, const CString& strExtraWords);
// "attach <number> <type> <file> <arguments>" (adding) or "devinit <number>
// <file> <arguments>", the file one word in double quotes (single ones when
// it holds a double quote); trailing blanks trimmed.
CString PrinterCommand(bool bAdd, const CString& strDevnum, const CString& strType, const CString& strFile,
                       const CString& strArgs);
