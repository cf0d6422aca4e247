// TapeArguments.h: a tape drive's argument words, window-free: reading the
// words of a drive being reinitialised back into its options, writing the
// options as the words of each tape file kind, and the tape commands.
//
// Words are compared without regard to case. What the reader does not know
// is kept verbatim and written back after the known words, so that
// reinitialising a drive never drops an option the dialog does not show. An
// EOT margin read in bytes is written back in those bytes while the margin
// shown in kilobytes is left as it was ("eotmargin=1000" shows 0 KB and
// stays "eotmargin=1000").
#pragma once

#include "platform/CArray.h"
#include "platform/CString.h"
#include "platform/Types.h"

struct STapeOptions {
    bool bStrictAWS = false;
    bool bReadOnly = false;
    UINT nChunkSize = 65535;
    UINT nTapeSizeMB = 0;
    UINT nEOTMarginKB = 0;
    UINT64 nEOTMarginBytes = 0;  // as read from the words; 0: none read
    int nCompressMethod = 0;     // 0 zlib, 1 bzip2
    int nCompressLevel = 6;      // 0 to 9
    int nBlockIdType = -1;       // 0 32-bit, 1 22-bit, -1 not decided
    bool bNoERG = false;
    CStringArray otherWords;     // words the reader did not know, in order
};

const UINT kTapeChunkSizeMin = 4096;
const UINT kTapeChunkSizeMax = 65535;
const UINT kTapeSizeMinMB = 4;
const WORD kTapeType3590 = 0x3590;

// The words of a drive's argument text into the options; the values the
// words do not set stay as they are.
void ParseTapeArguments(const char* pszArgs, STapeOptions& opts);
// An undecided block-id type takes the default of the device type: 32-bit
// for a 3590, 22-bit for every other type.
void DefaultTapeBlockIdType(STapeOptions& opts, WORD wDevType);
// The argument text for a tape file kind (TapeImage.h) and device type,
// trimmed, the unknown words last.
CString BuildTapeArguments(const STapeOptions& opts, BYTE nFileType, WORD wDevType);
// "attach <number> <type as %4.4X> <file> <args>" (adding) or "devinit
// <number> <file> <args>", the file quoted when needed, trailing blanks
// removed.
CString TapeCommand(bool bAdd, const CString& strDevnum, WORD wDevType, const CString& strFile,
                    const CString& strArgs);
