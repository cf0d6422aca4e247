// CVornDasdParms.cpp: disk option parsing and formatting.
#include "config/CVornDasdParms.h"

#include "config/CVornDevice.h"
#include "config/DasdImage.h"
#include "config/DasdModels.h"
#include "platform/CArray.h"
#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"

namespace {

void AddMessage(CString& strError, const char* pszFormat, const CString& strArg)
{
    CString strMsg;
    strMsg.Format(pszFormat, strArg.GetString());
    if (!strError.IsEmpty())
        strError += '\n';
    strError += strMsg;
}

bool IsOneOfNoCase(const CString& str, std::initializer_list<const char*> words)
{
    for (const char* psz : words)
        if (str.CompareNoCase(psz) == 0)
            return true;
    return false;
}

} // namespace

CVornDasdParms::CVornDasdParms(const CVornDevice* pOwner) : m_pOwner(pOwner)
{
    Reset(pOwner ? pOwner->m_wDevType : 0x3350);
}

CVornDasdParms& CVornDasdParms::operator=(const CVornDasdParms& o)
{
    if (this == &o)
        return *this;
    m_bImageType = o.m_bImageType;
    m_wDevType = o.m_wDevType;
    m_strSerial = o.m_strSerial;
    m_bCU3990_6 = o.m_bCU3990_6;
    m_bFakeWrite = o.m_bFakeWrite;
    m_bReadOnly = o.m_bReadOnly;
    m_bHasShadowFile = o.m_bHasShadowFile;
    m_strShadowFile = o.m_strShadowFile;
    m_dwTotalBlocks = o.m_dwTotalBlocks;
    m_dwOrigin = o.m_dwOrigin;
    m_dwBlockCount = o.m_dwBlockCount;
    m_bBlocksToEnd = o.m_bBlocksToEnd;
    m_strOtherOptions = o.m_strOtherOptions;
    return *this;
}

bool CVornDasdParms::operator==(const CVornDasdParms& o) const
{
    return m_strOtherOptions == o.m_strOtherOptions && m_strSerial == o.m_strSerial
        && m_strShadowFile == o.m_strShadowFile && m_wDevType == o.m_wDevType
        && m_bCU3990_6 == o.m_bCU3990_6 && m_bFakeWrite == o.m_bFakeWrite
        && m_bReadOnly == o.m_bReadOnly && m_bHasShadowFile == o.m_bHasShadowFile
        && m_bImageType == o.m_bImageType && m_dwTotalBlocks == o.m_dwTotalBlocks
        && m_dwOrigin == o.m_dwOrigin && m_dwBlockCount == o.m_dwBlockCount
        && m_bBlocksToEnd == o.m_bBlocksToEnd;
}

void CVornDasdParms::Reset(WORD wDevType)
{
    m_strSerial.Empty();
    m_strShadowFile.Empty();
    m_strOtherOptions.Empty();
    m_bCU3990_6 = m_bFakeWrite = m_bReadOnly = m_bHasShadowFile = false;
    m_dwTotalBlocks = m_dwOrigin = m_dwBlockCount = 0;
    m_bBlocksToEnd = false;
    m_wDevType = wDevType;
    RefreshImageInfo();
}

void CVornDasdParms::RefreshImageInfo()
{
    m_bImageType = DASD_IMAGE_UNKNOWN;
    UINT64 ullSize = 0;
    if (m_pOwner && !m_pOwner->m_strFirstArg.IsEmpty()) {
        DasdImageHeader hdr;
        if (ReadDasdImageHeader(m_pOwner->m_strFirstArg, hdr, true)) {
            m_bImageType = hdr.bImageType;
            ullSize = hdr.ullFileSize;
            // The header's serial fills an empty one; a serial given with
            // the options overrides the header's and is kept.
            if (!hdr.strSerial.IsEmpty() && m_strSerial.IsEmpty())
                m_strSerial = hdr.strSerial;
        }
    }
    if (m_bImageType == DASD_IMAGE_UNKNOWN && IsFbaDevType(m_wDevType))
        m_bImageType = DASD_FBA_P370;
    if (IsFbaImage()) {
        const UINT64 ullBlocks = ullSize / 512;
        m_dwTotalBlocks = ullSize ? (ullBlocks > 0xFFFFFFFFull ? 0xFFFFFFFFu : (DWORD)ullBlocks)
                                  : GetDevTypeCylinders(m_wDevType);
        if (m_bBlocksToEnd)
            m_dwBlockCount = BlocksToEnd();
    }
}

// "sf=" and "cu=" words, accepted in both image cases.
bool CVornDasdParms::TakeCUOrShadow(const CString& strToken)
{
    const CString strKey = strToken.Left(3);
    if (strKey.CompareNoCase("sf=") == 0) {
        CString strFile = strToken.Mid(3);
        if (strFile.GetLength() >= 2 && strFile[0] == '"' && strFile[strFile.GetLength() - 1] == '"')
            strFile = strFile.Mid(1, strFile.GetLength() - 2);
        TrimBlanks(strFile);
        m_strShadowFile = strFile;
        return true;
    }
    if (strKey.CompareNoCase("cu=") == 0) {
        m_bCU3990_6 = strToken.CompareNoCase("cu=3990-6") == 0;
        if (!m_bCU3990_6)
            m_strOtherOptions += " " + strToken;
        return true;
    }
    return false;
}

void CVornDasdParms::Unrecognized(const CString& strToken, CString& strError)
{
    AddMessage(strError, "\"%s\": Unrecognized DASD parameter", strToken);
    m_strOtherOptions += " " + strToken;
}

// Minidisk operands: position 0 the origin, 1 the block count, then none.
void CVornDasdParms::ParseFbaToken(const CString& strToken, int& nPosition, CString& strError)
{
    if (TakeCUOrShadow(strToken))
        return;
    UINT nValue = 0;
    if (nPosition == 0) {
        nPosition = 1;
        if (IsNumericString(strToken) && StringToUINT(strToken, nValue)) {
            m_dwOrigin = nValue;
            return;
        }
        m_dwOrigin = m_dwBlockCount = 0;
        nPosition = 2;
        Unrecognized(strToken, strError);
    } else if (nPosition == 1) {
        nPosition = 2;
        if (strToken == "*") {
            m_bBlocksToEnd = true;
            m_dwBlockCount = BlocksToEnd();
        } else if (IsNumericString(strToken) && StringToUINT(strToken, nValue)) {
            m_dwBlockCount = nValue;
        } else {
            m_dwOrigin = m_dwBlockCount = 0;
            m_strOtherOptions += " " + strToken;
            AddMessage(strError, "\"%s\": Invalid FBA minidisk number-of-blocks value", strToken);
        }
    } else {
        Unrecognized(strToken, strError);
    }
}

void CVornDasdParms::ParseCkdToken(const CString& strToken, CString& strError)
{
    if (IsOneOfNoCase(strToken, {"readonly", "rdonly", "ro"}))
        m_bReadOnly = true;
    else if (IsOneOfNoCase(strToken, {"fakewrite", "fakewrt", "fw"}))
        m_bFakeWrite = true;
    else if (!TakeCUOrShadow(strToken))
        Unrecognized(strToken, strError);
}

bool CVornDasdParms::Parse(const CString& strArgs, CString& strError, WORD wDevType)
{
    strError.Empty();
    Reset(wDevType);
    CString strText = strArgs;
    TrimBlanks(strText);
    CStringArray tokens;
    ParseStmt(strText, tokens);
    int nFbaPosition = 0;
    for (const CString& strToken : tokens) {
        if (strToken.Left(1) == "#")
            break;
        if (strToken.Left(4).CompareNoCase("ser=") == 0) {
            const CString strSerial = strToken.Mid(4);
            if (strSerial.GetLength() == 12 && IsNumericString(strSerial))
                m_strSerial = strSerial;
            else
                AddMessage(strError, "\"%s\": Invalid serial number", strSerial);
        } else if (IsFbaImage()) {
            ParseFbaToken(strToken, nFbaPosition, strError);
        } else {
            ParseCkdToken(strToken, strError);
        }
    }
    m_strOtherOptions.TrimRight(" \t");
    m_bHasShadowFile = !m_strShadowFile.IsEmpty();
    return strError.IsEmpty();
}

CString CVornDasdParms::Format()
{
    RefreshImageInfo();
    return FormatOptions();
}

CString CVornDasdParms::FormatOptions() const
{
    CString str, strPiece;
    if (IsFbaImage()) {
        // Origin 0 to the end is the whole image: nothing to write.
        if (m_dwOrigin != 0
            || (!m_bBlocksToEnd && m_dwBlockCount != 0 && m_dwBlockCount != m_dwTotalBlocks)) {
            strPiece.Format(" %u", (unsigned)m_dwOrigin);
            str += strPiece;
            if (m_bBlocksToEnd || (m_dwTotalBlocks >= m_dwOrigin && m_dwBlockCount == BlocksToEnd())) {
                str += " *";
            } else {
                strPiece.Format(" %u", (unsigned)m_dwBlockCount);
                str += strPiece;
            }
        }
    } else if (!IsFbaDevType(m_wDevType)) {
        if (m_bReadOnly)
            str += " readonly";
        if (m_bFakeWrite)
            str += " fakewrite";
        if (m_bCU3990_6)
            str += " cu=3990-6";
        // The whole word is quoted: the statement reader (and the emulator's)
        // takes quotes only around a word, so sf="a b" would be two words.
        if (m_bHasShadowFile)
            str += " " + QuoteIfNeeded("sf=" + m_strShadowFile, '"');
    }
    if (!m_strSerial.IsEmpty())
        str += " ser=" + m_strSerial;
    CString strOther = m_strOtherOptions;
    str += " " + strOther.TrimLeft(" \t");
    str.Trim(" \t");
    return str;
}
