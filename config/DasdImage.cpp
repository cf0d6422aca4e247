// DasdImage.cpp: disk and tape image classification from file headers.
// Every header word that is used as a divisor or a size is checked first: a
// damaged or foreign file must classify as unknown, never stop the program.
#include "config/DasdImage.h"

#include <cstring>

#include "config/ConfigMessages.h"
#include "platform/CFile.h"
#include "platform/CFileException.h"

namespace {

const int kBlock = 512;

struct Signature {
    const char* psz;
    BYTE bType;
};

// In the order in which they are compared.
const Signature kSignatures[] = {
    {"CKD_P370", DASD_CKD_P370}, {"CKD_P064", DASD_CKD_P064}, {"CKD_C370", DASD_CKD_C370},
    {"CKD_C064", DASD_CKD_C064}, {"CKD_S370", DASD_CKD_S370}, {"CKD_S064", DASD_CKD_S064},
    {"FBA_C370", DASD_FBA_C370}, {"FBA_C064", DASD_FBA_C064}, {"FBA_S370", DASD_FBA_S370},
    {"FBA_S064", DASD_FBA_S064},
};

DWORD LittleEndian32(const unsigned char* p)
{
    return (DWORD)p[0] | ((DWORD)p[1] << 8) | ((DWORD)p[2] << 16) | ((DWORD)p[3] << 24);
}

BYTE ClassifySignature(const unsigned char* pBlockA)
{
    for (const Signature& sig : kSignatures)
        if (std::memcmp(pBlockA, sig.psz, 8) == 0)
            return sig.bType;
    static const unsigned char kZeros[8] = {};
    return std::memcmp(pBlockA, kZeros, 8) == 0 ? DASD_FBA_P370 : DASD_IMAGE_UNKNOWN;
}

bool IsPlainImage(BYTE bType)
{
    return bType == DASD_CKD_P370 || bType == DASD_FBA_P370 || bType == DASD_CKD_P064
        || bType == DASD_FBA_P064;
}

// Plain images: heads at offset 8, track size at offset 12. A CKD header with
// heads but no track size is not a CKD image; the words of a headerless FBA
// image are data, so there they only decide whether a geometry is given.
void ReadPlainGeometry(const unsigned char* pA, DasdImageHeader& hdr)
{
    const DWORD dwHeads = LittleEndian32(pA + 8);
    const DWORD dwTrackSize = LittleEndian32(pA + 12);
    hdr.dwHeads = dwHeads;
    if (dwHeads == 0)
        return;
    if (dwTrackSize == 0) {
        hdr.dwHeads = 0;
        if (hdr.bImageType == DASD_CKD_P370 || hdr.bImageType == DASD_CKD_P064)
            hdr.bImageType = DASD_IMAGE_UNKNOWN;
        return;
    }
    hdr.dwCyls = (DWORD)((hdr.ullFileSize - kBlock) / dwTrackSize / dwHeads);
}

void ReadGeometry(const unsigned char* pA, const unsigned char* pB, DasdImageHeader& hdr)
{
    const BYTE bType = hdr.bImageType;
    if (IsPlainImage(bType))
        ReadPlainGeometry(pA, hdr);
    else if (bType == DASD_CKD_C370 || bType == DASD_FBA_C370)
        hdr.dwCyls = LittleEndian32(pB + 40);
    else if (bType == DASD_CKD_C064 || bType == DASD_FBA_C064)
        hdr.dwCyls = LittleEndian32(pB + 12);
}

void ReportReadError(LPCSTR pszPath, bool bQuiet, const CFileException& error)
{
    if (bQuiet)
        return;
    CString strDetail;
    strDetail.Format("\"%s\"", pszPath);
    ShowConfigErrorMessage("Error reading dasd file.", strDetail, (DWORD)error.m_lOsError);
}

// The file is in use by another process: the framework's own message.
void ReportOpenError(bool bQuiet, const CFileException& error)
{
    if (bQuiet || error.m_cause != CFileException::sharingViolation)
        return;
    char szText[512];
    error.GetErrorMessage(szText, sizeof szText);
    ShowConfigErrorMessage(szText, "", (DWORD)error.m_lOsError);
}

} // namespace

bool ReadDasdImageHeader(LPCSTR pszPath, DasdImageHeader& hdr, bool bQuiet)
{
    hdr.dwCyls = hdr.dwHeads = 0;
    hdr.ullFileSize = 0;
    hdr.bImageType = DASD_IMAGE_UNKNOWN;

    CFile file;
    CFileException error;
    if (!pszPath || !file.Open(pszPath, CFile::modeRead | CFile::shareDenyWrite, &error)) {
        ReportOpenError(bQuiet, error);
        return false;
    }
    hdr.ullFileSize = file.GetLength();
    if (hdr.ullFileSize < 2 * kBlock)
        return true;

    unsigned char blockA[kBlock], blockB[kBlock];
    if (file.Read(blockA, kBlock, &error) != kBlock || file.Read(blockB, kBlock, &error) != kBlock) {
        ReportReadError(pszPath, bQuiet, error);
        return false;
    }
    hdr.bImageType = ClassifySignature(blockA);
    ReadGeometry(blockA, blockB, hdr);
    hdr.strSerial = CString((const char*)blockA + 20, (int)strnlen((const char*)blockA + 20, 12));
    return true;
}

BYTE GetDasdImageType(LPCSTR pszPath, bool bQuiet)
{
    DasdImageHeader hdr;
    return ReadDasdImageHeader(pszPath, hdr, bQuiet) ? hdr.bImageType : (BYTE)DASD_IMAGE_UNKNOWN;
}

bool IsDasdImageType64(BYTE bImageType)
{
    return bImageType >= DASD_CKD_P064 && bImageType <= DASD_FBA_S064;
}
