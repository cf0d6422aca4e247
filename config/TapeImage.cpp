// TapeImage.cpp: tape name classification.
#include "config/TapeImage.h"

#include <algorithm>
#include <cstring>

#include "platform/CFile.h"

namespace {

struct Extension {
    const char* psz;
    BYTE bType;
};

const Extension kExtensions[] = {
    {".aws", TAPE_AWS}, {".fkt", TAPE_FAKETAPE}, {".vet", TAPE_VET},
    {".oma", TAPE_OMA}, {".tdf", TAPE_OMA},
};

bool IsScsiTapeName(const CString& strName)
{
    return strName.Left(4).CompareNoCase("\\\\.\\") == 0
        || strName.Left(8).CompareNoCase("/dev/nst") == 0
        || strName.Left(7).CompareNoCase("/dev/st") == 0;
}

// An AWS block header: previous-block length (bytes 2-3), flags (bytes 4-5).
BYTE ClassifyHeader(const unsigned char* p)
{
    if (std::memcmp(p, "@TDF", 4) == 0)
        return TAPE_OMA;
    if (std::memcmp(p, "0000", 4) == 0)
        return TAPE_FAKETAPE;
    if (p[2] != 0 || p[3] != 0 || (p[4] & 0x40) != 0)
        return TAPE_UNKNOWN;
    if ((p[4] & 0x10) == 0 && p[5] < 64)
        return (p[4] & 0x03) ? TAPE_VET : TAPE_AWS;
    return TAPE_AWS_OTHER;
}

BYTE ClassifyExtension(const CString& strName)
{
    const int nDot = strName.ReverseFind('.');
    const int nSep = std::max(strName.ReverseFind('\\'), strName.ReverseFind('/'));
    if (nDot < 0 || nDot < nSep)
        return TAPE_UNKNOWN;
    const CString strExt = strName.Mid(nDot);
    for (const Extension& ext : kExtensions)
        if (strExt.CompareNoCase(ext.psz) == 0)
            return ext.bType;
    return TAPE_UNKNOWN;
}

} // namespace

BYTE GetTapeFileType(const CString& strName)
{
    if (IsScsiTapeName(strName))
        return TAPE_SCSI;
    CFile file;
    unsigned char header[6];
    if (file.Open(strName, CFile::modeRead | CFile::shareDenyWrite)
        && file.Read(header, sizeof header) == sizeof header) {
        const BYTE bType = ClassifyHeader(header);
        if (bType != TAPE_UNKNOWN)
            return bType;
    }
    return ClassifyExtension(strName);
}
