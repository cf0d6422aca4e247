// DeviceCommandForms.h: the device dialogs' argument layouts and the
// emulator commands they build, window-free: the card reader's file list
// and options, the socket address "host:port", the card punch's output file, the
// statement editor's texts and commands, and the rename command. A command
// carries no "vorn " prefix: the view gives it by the emulator's version.
#pragma once

#include "config/CVornDevice.h"
#include "platform/CArray.h"
#include "platform/CString.h"

// Appends a blank and the word when the word is not empty.
void AppendCommandWord(CString& strCommand, const CString& strWord);

// ---- the card reader ----
struct SReaderOptions {
    bool bSockdev = false;
    bool bAscii = false;
    bool bEbcdic = false;
    bool bTrunc = false;
    bool bEof = false;  // off: "intrq"
    bool bAutopad = false;
    bool bMultifile = false;
};
// The device's file name (the first input file, or the socket's
// "host:port") and argument text (further files, then option words) into
// the ordered file list and the options. Option words count in any case;
// every other word is a further file. Every option starts off.
void ParseReaderArguments(const CString& strFirst, const CString& strOther, CStringArray& files,
                          SReaderOptions& opts);
// The reverse: the first file is the file name; the argument text holds
// the further files, quoted when needed, then " sockdev", " ascii" (or
// " ebcdic" without ascii), " autopad", " trunc", " eof" or " intrq",
// " multifile", without its leading blank. An empty list gives two empty
// texts.
void BuildReaderArguments(const CStringArray& files, const SReaderOptions& opts, CString& strFirst,
                          CString& strOther);
// "attach <number> <type>" (adding) or "devinit <number>", then the first
// file quoted when needed and the argument text, each when not empty.
CString ReaderCommand(bool bAdd, const CString& strDevnum, const CString& strType, const CString& strFirst,
                      const CString& strOther);

// ---- the socket address "host:port" ----
struct SSocketSpec {
    CString strHost;   // a host name; empty when the address holds it
    DWORD dwAddress = 0;  // host order; 0: none
    UINT nPort = 3505;
};
// "host:port" with a dotted host gives the address, another host the name;
// a text without that form is a host name as a whole (the port stays).
void ParseSocketSpec(const CString& strSpec, SSocketSpec& spec);
// "%s:%d" of the host and port.
CString FormatSocketSpec(const CString& strHost, UINT nPort);

// ---- the card punch ----
// "attach <number> <type> <file> <options>" (adding) or "devinit <number>
// <file> <options>", the file quoted when needed, trimmed.
CString PunchCommand(bool bAdd, const CString& strDevnum, const CString& strType, const CString& strFile,
                     const CString& strOptions);

// ---- the statement editor ----
// The type and parameters texts a device shows: a communication adapter
// its protocol word and arguments; a console its file-name field (else its
// type); another type its type name; every other class its type; then the
// quoted file name and the arguments, trimmed.
void StatementEditorTexts(const CVornDevice& dev, CString& strType, CString& strParms);
// The command of a parsed device (the six forms), trimmed.
CString StatementEditorCommand(bool bAdd, const CVornDevice& dev);

// ---- the rename dialog ----
CString RenameCommand(const CString& strOld, const CString& strNew);
