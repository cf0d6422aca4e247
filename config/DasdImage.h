// DasdImage.h: what kind of disk image a file holds, decided from the
// signature in its first eight bytes, with the geometry read from its header.
#pragma once

#include "platform/CString.h"

// Disk image type codes (one byte).
enum DasdImageType : BYTE {
    DASD_IMAGE_UNKNOWN = 0,
    DASD_CKD_P370 = 1,
    DASD_CKD_C370 = 2,
    DASD_CKD_S370 = 3,
    DASD_FBA_P370 = 4, // plain FBA: no header, the first eight bytes are zero
    DASD_FBA_C370 = 5,
    DASD_FBA_S370 = 6,
    DASD_CKD_P064 = 7,
    DASD_CKD_C064 = 8,
    DASD_CKD_S064 = 9,
    DASD_FBA_P064 = 10, // never produced by the classification
    DASD_FBA_C064 = 11,
    DASD_FBA_S064 = 12,
};

struct DasdImageHeader {
    DWORD dwCyls = 0;
    DWORD dwHeads = 0;
    UINT64 ullFileSize = 0;
    CString strSerial;  // the 12 header bytes at offset 20, up to the first zero
    BYTE bImageType = DASD_IMAGE_UNKNOWN;
};

// Classifies a disk image. False when the file cannot be opened or read; a
// file shorter than 1024 bytes, or one whose header holds impossible values,
// is type 0 with a true result. Unless quiet, a read failure is shown to the
// user.
bool ReadDasdImageHeader(LPCSTR pszPath, DasdImageHeader& hdr, bool bQuiet);

// ReadDasdImageHeader's type code alone; 0 when the file cannot be read.
BYTE GetDasdImageType(LPCSTR pszPath, bool bQuiet);

// True for the 64-bit forms, codes 7 to 12.
bool IsDasdImageType64(BYTE bImageType);
