// TapeArguments.cpp: a tape drive's argument words.
#include "devices/TapeArguments.h"

#include <cstring>

#include "config/TapeImage.h"
#include "devices/DeviceCommandForms.h"
#include "platform/TextFunctions.h"

namespace {

// The digits after a "word=" prefix (any case) as a number; false when the
// word does not begin with the prefix or no decimal number follows it.
bool NumberAfter(const CString& strWord, const char* pszPrefix, UINT64& value)
{
    int nLen = (int)strlen(pszPrefix);
    if (strWord.GetLength() <= nLen || strWord.Left(nLen).CompareNoCase(pszPrefix) != 0)
        return false;
    const char* psz = (const char*)strWord + nLen;
    UINT64 n = 0;
    for (const char* p = psz; *p; ++p) {
        if (*p < '0' || *p > '9' || n > 0xFFFFFFFFull)
            return false;
        n = n * 10 + (UINT64)(*p - '0');
    }
    value = n;
    return true;
}

UINT Clamped32(UINT64 n)
{
    return n > 0xFFFFFFFFull ? 0xFFFFFFFFu : (UINT)n;
}

// One word; false when the word is not one of the drive's own.
bool TakeTapeWord(const CString& strWord, STapeOptions& opts)
{
    UINT64 n = 0;
    if (strWord.CompareNoCase("awstape") == 0)
        opts.bStrictAWS = true;
    else if (NumberAfter(strWord, "readonly=", n))
        opts.bReadOnly = n != 0;
    else if (strWord.CompareNoCase("ro") == 0 || strWord.CompareNoCase("noring") == 0)
        opts.bReadOnly = true;
    else if (strWord.CompareNoCase("rw") == 0 || strWord.CompareNoCase("ring") == 0)
        opts.bReadOnly = false;
    else if (NumberAfter(strWord, "chunksize=", n))
        opts.nChunkSize = Clamped32(n);
    else if (strWord.CompareNoCase("compress=0") == 0)
        opts.nCompressLevel = 0;
    else if (strWord.CompareNoCase("compress=1") == 0)
        ;  // compression follows from the file; its level from "level="
    else if (NumberAfter(strWord, "level=", n) && n <= 9)
        opts.nCompressLevel = (int)n;
    else if (NumberAfter(strWord, "method=", n) && (n == 1 || n == 2))
        opts.nCompressMethod = (int)n - 1;
    else if (NumberAfter(strWord, "maxsizem=", n))
        opts.nTapeSizeMB = Clamped32(n);
    else if (NumberAfter(strWord, "eotmargin=", n)) {
        opts.nEOTMarginBytes = n;
        opts.nEOTMarginKB = Clamped32(n >> 10);
    } else if (strWord.CompareNoCase("--blkid-32") == 0)
        opts.nBlockIdType = 0;
    else if (strWord.CompareNoCase("--blkid-22") == 0)
        opts.nBlockIdType = 1;
    else if (strWord.CompareNoCase("--no-erg") == 0)
        opts.bNoERG = true;
    else
        return false;
    return true;
}

void AppendFormatted(CString& str, const char* pszFormat, UINT64 n)
{
    CString strWord;
    strWord.Format(pszFormat, (unsigned long long)n);
    str += strWord;
}

}  // namespace

void ParseTapeArguments(const char* pszArgs, STapeOptions& opts)
{
    CStringArray words;
    ParseStmt(pszArgs, words);
    for (int i = 0; i < words.GetSize(); ++i)
        if (!TakeTapeWord(words[i], opts))
            opts.otherWords.Add(words[i]);
}

void DefaultTapeBlockIdType(STapeOptions& opts, WORD wDevType)
{
    if (opts.nBlockIdType < 0)
        opts.nBlockIdType = wDevType == kTapeType3590 ? 0 : 1;
}

CString BuildTapeArguments(const STapeOptions& opts, BYTE nFileType, WORD wDevType)
{
    CString str;
    if (nFileType == TAPE_SCSI) {
        // Only a choice other than the type's own default is written.
        if (opts.nBlockIdType == 0 && wDevType != kTapeType3590)
            str += " --blkid-32";
        if (opts.nBlockIdType == 1 && wDevType == kTapeType3590)
            str += " --blkid-22";
        if (opts.bNoERG)
            str += " --no-erg";
    } else {
        bool bReadOnlyKind = nFileType == TAPE_OMA;
        if (nFileType != TAPE_FAKETAPE && opts.bStrictAWS && nFileType != TAPE_VET) {
            if (!bReadOnlyKind)
                str += " awstape";
        } else if (nFileType != TAPE_FAKETAPE && !bReadOnlyKind) {
            if (opts.nChunkSize != kTapeChunkSizeMax)
                AppendFormatted(str, " chunksize=%llu", opts.nChunkSize);
            if (nFileType == TAPE_VET || nFileType == TAPE_AWS_OTHER) {
                if (opts.nCompressLevel == 0)
                    str += " compress=0";
                else {
                    CString strWord;
                    strWord.Format(" compress=1 method=%d level=%d", opts.nCompressMethod + 1, opts.nCompressLevel);
                    str += strWord;
                }
            }
        }
        if (!bReadOnlyKind) {
            if (opts.nTapeSizeMB != 0)
                AppendFormatted(str, " maxsizeM=%llu", opts.nTapeSizeMB);
            // An untouched margin keeps the bytes it was read in.
            UINT64 nBytes = (UINT64)opts.nEOTMarginKB * 1024;
            if (opts.nEOTMarginBytes != 0 && (opts.nEOTMarginBytes >> 10) == opts.nEOTMarginKB)
                nBytes = opts.nEOTMarginBytes;
            if (nBytes != 0)
                AppendFormatted(str, " eotmargin=%llu", nBytes);
        }
        if (opts.bReadOnly || bReadOnlyKind)
            str += " readonly=1";
    }
    for (int i = 0; i < opts.otherWords.GetSize(); ++i) {
        str += " ";
        str += QuoteIfNeeded(opts.otherWords[i]);
    }
    TrimBlanks(str);
    return str;
}

CString TapeCommand(bool bAdd, const CString& strDevnum, WORD wDevType, const CString& strFile,
                    const CString& strArgs)
{
    CString str;
    if (bAdd)
        str.Format("attach %s %4.4X %s %s", (const char*)strDevnum, (unsigned)wDevType,
                   (const char*)QuoteIfNeeded(strFile), (const char*)strArgs);
    else
        str.Format("devinit %s %s %s", (const char*)strDevnum, (const char*)QuoteIfNeeded(strFile),
                   (const char*)strArgs);
    str.TrimRight(' ');
    return str;
}
