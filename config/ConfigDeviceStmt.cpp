// ConfigDeviceStmt.cpp: device statements: one device number, or a list of
// device numbers and ranges, a device type and the device's arguments.
#include <cstring>

#include "config/CVornConfigFile.h"
#include "config/DevClass.h"
#include "config/DevNum.h"
#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"

namespace {

// A message alone into an empty error text, else after a line feed.
void AppendMsg(CString& strError, const CString& strMsg)
{
    if (!strError.IsEmpty())
        strError += '\n';
    strError += strMsg;
}

// A word as it must be written to read back as this one word: in quotes
// when it holds a blank or begins with a quote ('\'' when it holds a '"').
CString RequoteWord(const CString& strWord)
{
    const CString strQuoted = QuoteIfNeeded(strWord, '"');
    return strQuoted == strWord ? QuoteIfNeeded(strWord, '\'') : strQuoted;
}

// The tokens from nFirst on, joined with blanks, each quoted again when its
// quotes made it one word. Empty words ("") are left out: joined, they gave
// only a blank that the next read would not see.
CString JoinTokens(const CStringArray& tokens, INT_PTR nFirst)
{
    CString str;
    for (INT_PTR i = nFirst; i < tokens.GetSize(); i++) {
        if (tokens[i].IsEmpty())
            continue;
        if (!str.IsEmpty())
            str += ' ';
        str += RequoteWord(tokens[i]);
    }
    return str;
}

// The statement's words up to a trailing "#" comment.
void TokenizeStatement(const CString& strStmt, CStringArray& tokens)
{
    CString strText = strStmt;
    TrimBlanks(strText);
    ParseStmt(strText, tokens);
    for (INT_PTR i = 0; i < tokens.GetSize(); i++) {
        if (tokens[i].Left(1) == "#") {
            tokens.RemoveAt(i, tokens.GetSize() - i);
            break;
        }
    }
}

bool IsCommTypeWord(const CString& strWord)
{
    for (const char* psz : {"OSA", "OSD", "QETH", "LCS", "CTCI", "CTCE"})
        if (strWord.CompareNoCase(psz) == 0)
            return true;
    return false;
}

struct DeviceFields {
    BYTE bLcss = 0;
    WORD wDevnum = 0;
    WORD wDevType = 0;
    WORD wClass = DEVCLASS_UNKNOWN;
    bool bSysg = false;
    int nSubtype = 0;
    CString strFirstArg;
    CString strOtherArgs;
};

// Class 7: the protocol word is the type word, or in the older form the
// token after the type number. A protocol word the console does not know is
// kept as written behind the type word, and reported.
bool ParseCommArgs(const CString& strTypeWord, const CStringArray& tokens, DeviceFields& f,
                   CString& strError)
{
    INT_PTR nNext = 2;
    CString strProtocol = strTypeWord;
    if (!IsCommTypeWord(strTypeWord)) {
        AppendMsg(strError, "WARNING: \"3088 format\" device statements are deprecated");
        if (tokens.GetSize() <= nNext) {
            AppendMsg(strError, "Missing COMM protocol parameter");
            return false;
        }
        strProtocol = tokens[nNext++];
        strProtocol.MakeUpper();
    }
    const CString strRest = JoinTokens(tokens, nNext);
    f.strFirstArg = strProtocol;
    f.strOtherArgs = strRest;
    if (strProtocol == "OSA" || strProtocol == "OSD" || strProtocol == "QETH") {
        f.nSubtype = COMM_SUBTYPE_QETH;
    } else if (strProtocol == "LCS") {
        f.nSubtype = COMM_SUBTYPE_LCS;
    } else if (strProtocol == "CTCI" || strProtocol == "CTCE") {
        f.nSubtype = strProtocol == "CTCI" ? COMM_SUBTYPE_CTCI : COMM_SUBTYPE_CTCE;
        if (strRest.IsEmpty())
            AppendMsg(strError, "Missing parameter(s)");
    } else {
        f.nSubtype = COMM_SUBTYPE_UNKNOWN;
        f.strFirstArg = strTypeWord;
        f.strOtherArgs = JoinTokens(tokens, 2);
        AppendMsg(strError, "Unrecognized or unsupported COMM device");
    }
    return true;
}

// Step 5: the first and other arguments by class.
bool ParseClassArgs(const CString& strTypeWord, const CStringArray& tokens, DeviceFields& f,
                    CString& strError)
{
    const INT_PTR nArgs = tokens.GetSize() - 2;
    const CString strFirst = nArgs > 0 ? tokens[2] : CString();
    switch (f.wClass) {
    case DEVCLASS_RDR:
    case DEVCLASS_DISK:
        f.strFirstArg = strFirst;
        f.strOtherArgs = JoinTokens(tokens, 3);
        break;
    case DEVCLASS_PCH:
    case DEVCLASS_PRT:
        // An empty file name ("") is a missing one: saved, it left the
        // statement without any.
        if (strFirst.IsEmpty())
            AppendMsg(strError, "Missing parameter(s)");
        f.strFirstArg = strFirst;
        f.strOtherArgs = JoinTokens(tokens, 3);
        break;
    case DEVCLASS_LOG: {
        const bool bConsoleForm = strTypeWord == "1052-C" || strTypeWord == "3215-C";
        f.strFirstArg = bConsoleForm ? strTypeWord : CString();
        f.strOtherArgs = JoinTokens(tokens, 2);
        if (nArgs > (bConsoleForm ? 4 : 6))
            AppendMsg(strError, "Extraneous parameters");
        break;
    }
    case DEVCLASS_3270:
        f.strOtherArgs = JoinTokens(tokens, 2);
        if (nArgs > 5)
            AppendMsg(strError, "Extraneous parameters");
        break;
    case DEVCLASS_TAPE:
        f.strFirstArg = nArgs > 0 ? strFirst : CString("*");
        f.strOtherArgs = JoinTokens(tokens, 3);
        break;
    case DEVCLASS_COMM:
        return ParseCommArgs(strTypeWord, tokens, f, strError);
    default:
        f.strOtherArgs = JoinTokens(tokens, 2);
        break;
    }
    return true;
}

// Step 4: device type and class from the type word.
bool ParseTypeWord(const CString& strTypeWord, DeviceFields& f, CString& strError)
{
    if (IsCommTypeWord(strTypeWord)) {
        f.wDevType = 0x3088;
        f.wClass = DEVCLASS_COMM;
    } else if (strTypeWord == "1052-C" || strTypeWord == "3215-C") {
        f.wDevType = strTypeWord == "1052-C" ? 0x1052 : 0x3215;
        f.wClass = DEVCLASS_LOG;
    } else if (strTypeWord == "SYSG") {
        f.wDevType = 0x3270;
        f.wClass = DEVCLASS_3270;
        f.bSysg = true;
    } else if (strTypeWord.GetLength() == 4 && (int)std::strlen(strTypeWord) == 4
               && IsHexString(strTypeWord)) {
        HexStringToWORD(strTypeWord, f.wDevType);
        f.wClass = DevClassFromType(f.wDevType);
    } else {
        AppendMsg(strError, "Invalid hex value or value out of range");
        return false;
    }
    return true;
}

} // namespace

bool CVornConfigFile::ParseDeviceStatement(const CString& strStmt, CVornDevice& dev, CString& strError)
{
    CStringArray tokens;
    TokenizeStatement(strStmt, tokens);
    if (tokens.GetSize() < 2) {
        AppendMsg(strError, "Missing device type");
        return false;
    }
    CString strDevnum = tokens[0];
    CString strTypeWord = tokens[1];
    strDevnum.MakeUpper();
    strTypeWord.MakeUpper();

    DeviceFields f;
    if (!ParseTypeWord(strTypeWord, f, strError))
        return false;
    CString strMsg;
    if (!ParseDevnum(strDevnum, f.wDevnum, f.bLcss, &strMsg)) {
        AppendMsg(strError, strMsg);
        return false;
    }
    if (f.bSysg) {
        if (strDevnum != "0000")
            AppendMsg(strError, "WARNING: device address ignored for SYSG device");
        f.wDevnum = 0;
        f.bLcss = 0;
    }
    if (!ParseClassArgs(strTypeWord, tokens, f, strError))
        return false;
    return dev.Set(f.bLcss, f.wDevnum, f.wClass, f.wDevType, tokens[1], f.strFirstArg,
                   f.strOtherArgs, &strError, f.nSubtype, f.bSysg);
}
