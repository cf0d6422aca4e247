// Vmfplc2Rules.h: the VMFPLC2 utility's control file and command line,
// window-free. A control file holds one statement a line: comments (first
// character "*", "#" or ";"), tape marks ("@TM" in any case) and file
// statements of seven fields: code page, CMS filename, filetype and
// filemode, record format (with its length for Fixed), file type and the
// host file.
#pragma once

#include "platform/CString.h"

bool IsVmfplc2Comment(const char* pszLine);
bool IsVmfplc2TapeMark(const char* pszLine);
inline bool IsVmfplc2CommentOrTapeMark(const char* pszLine)
{
    return IsVmfplc2Comment(pszLine) || IsVmfplc2TapeMark(pszLine);
}

enum EVmfplc2Recfm { kRecfmFixed = 0, kRecfmVariable = 1 };
enum EVmfplc2FileType { kFileBinary = 0, kFileStructured = 1, kFileTextual = 2 };
const int kVmfplc2MaxLrecl = 65535;

// The fields of a file statement.
struct SVmfplc2Statement {
    bool bOverride = false;
    CString strOverrideCodePage;  // as shown: "1252 / 037"
    CString strFilename, strFiletype, strFilemode;
    int nRecfm = kRecfmFixed;
    int nLrecl = 0;
    int nFileType = kFileBinary;
    CString strHostFile;
};

// Reads a statement's words into the fields: an optional code page (a first
// word with "/"), the CMS file, the record format (an abbreviation of
// "Fixed" or "Variable"), for Fixed its length (kept within 1 .. 65535),
// the file type (an abbreviation of "Binary", "Structured" or "Textual")
// and the host file. Missing words leave their fields; a code page is kept
// only for a Textual file.
void ParseVmfplc2Statement(const char* pszLine, SVmfplc2Statement& s);

// The statement line: "%-11s %-8s %-8s %-2s %-10s %-10s %s" of the code
// page (the override's, else for a Textual file the default, blanks
// removed), the CMS file, "Fixed N" or "Variable ", the file type's word
// and the host file, quoted when it holds blanks.
CString FormatVmfplc2Statement(const SVmfplc2Statement& s, const char* pszDefaultCodePage);

// A CMS filename or filetype: 1 to 8 of A-Z, 0-9 and $ # @ + - : _.
bool IsValidCmsName(const char* psz);
// A CMS filemode: a letter A-Z and an optional digit 0 to 6.
bool IsValidCmsFilemode(const char* psz);

enum EVmfplc2Function { kPlc2Dump = 0, kPlc2Load = 1, kPlc2Scan = 2 };
// The option words, trimmed: " -v", " -c CP" (a code page given), " -t",
// and for DUMP " -z"/" -b" with " -N", or " -u".
CString Vmfplc2OptionWords(int nFunction, bool bVerbose, const char* pszCodePage, bool bTapeDump, bool bCompress,
                           int nAlgorithm, int nLevel);
