// TapeImage.h: what a tape name stands for: a SCSI tape drive, or a tape
// image file of one of the known forms.
#pragma once

#include "platform/CString.h"

// Tape name type codes (one byte).
enum TapeFileType : BYTE {
    TAPE_UNKNOWN = 0,
    TAPE_SCSI = 1,
    TAPE_FAKETAPE = 2,
    TAPE_AWS = 3,
    TAPE_VET = 4,       // compressed AWS
    TAPE_AWS_OTHER = 5, // AWS-form header, neither plain nor compressed
    TAPE_OMA = 6,
};

// SCSI device names by their prefix, else the first six bytes of the file,
// else the extension.
BYTE GetTapeFileType(const CString& strName);
