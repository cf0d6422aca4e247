// CVornDasdParms.h: the disk options of one disk device, parsed from the
// arguments after the image file name: read-only, fake write, control unit,
// shadow file, serial number, and the origin and size of a fixed-block
// minidisk. The image type and total blocks follow the image file as it is
// whenever the options are reset or formatted; the header's serial fills an
// empty serial, never one given with the options.
#pragma once

#include "platform/CString.h"

class CVornDevice;

class CVornDasdParms {
public:
    // Owner not owned; without an owner the device type is 0x3350.
    explicit CVornDasdParms(const CVornDevice* pOwner = nullptr);
    // A copy of src for another owner, without reading the image again.
    CVornDasdParms(const CVornDevice* pOwner, const CVornDasdParms& src) : m_pOwner(pOwner) { *this = src; }
    // A copy for the same owner.
    CVornDasdParms(const CVornDasdParms& src) : CVornDasdParms(src.m_pOwner, src) {}

    // Copies every field but the owner.
    CVornDasdParms& operator=(const CVornDasdParms& other);
    // Every field but the owner; texts case-sensitively.
    bool operator==(const CVornDasdParms& other) const;
    bool operator!=(const CVornDasdParms& other) const { return !(*this == other); }

    // Defaults for a device type, then the image information.
    void Reset(WORD wDevType);
    // Image type and total blocks from the owner's image file; its header's
    // serial when none is set.
    void RefreshImageInfo();
    // Parses the option words; every fault is listed, one a line. True when
    // there was none.
    bool Parse(const CString& strArgs, CString& strError, WORD wDevType);
    // The options as statement text, trimmed, after RefreshImageInfo.
    CString Format();
    // The options as they stand, without reading the image again.
    CString FormatOptions() const;

    // Plain fixed-block images (types 4 and 10) take the minidisk operands.
    bool IsFbaImage() const { return m_bImageType == 4 || m_bImageType == 10; }

    const CVornDevice* m_pOwner;
    BYTE m_bImageType = 0;
    WORD m_wDevType = 0x3350;
    CString m_strSerial;
    bool m_bCU3990_6 = false;
    bool m_bFakeWrite = false;
    bool m_bReadOnly = false;
    bool m_bHasShadowFile = false;
    CString m_strShadowFile;
    DWORD m_dwTotalBlocks = 0;
    DWORD m_dwOrigin = 0;
    DWORD m_dwBlockCount = 0;
    // The block count was given as "*": it runs to the end of the image,
    // whatever the image's size (0 when it is missing) turns out to be.
    bool m_bBlocksToEnd = false;
    CString m_strOtherOptions; // unrecognised words, each with a leading blank

private:
    bool TakeCUOrShadow(const CString& strToken);
    void ParseFbaToken(const CString& strToken, int& nPosition, CString& strError);
    void ParseCkdToken(const CString& strToken, CString& strError);
    void Unrecognized(const CString& strToken, CString& strError);
    DWORD BlocksToEnd() const { return m_dwTotalBlocks > m_dwOrigin ? m_dwTotalBlocks - m_dwOrigin : 0; }
};
