// ConfigFileReader.cpp: reading a configuration file: the lines, the
// console's header comments, and the dispatch of every statement to the
// system-statement table or the device-statement parser. Every problem is
// collected with its line number; none stops the parse.
#include <cstdint>
#include <cstring>

#include "config/CVornConfigFile.h"
#include "config/ConfigMessages.h"
#include "config/ConfigTxf.h"
#include "config/DevNum.h"
#include "config/OperandValues.h"
#include "config/ValueConversions.h"
#include "platform/CFileException.h"
#include "platform/CSplitPath.h"
#include "platform/CStdioFile.h"
#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"

bool CVornConfigFile::Load(const CString& strFolder, const CString& strFileName)
{
    Reset();
    m_strFolder = strFolder;
    m_strFileName = strFileName;
    return Parse();
}

bool CVornConfigFile::Load(const CString& strFullPath)
{
    const CSplitPath path(strFullPath);
    return Load(path.GetFullPathOnly(), path.GetFileNameAndExt());
}

bool CVornConfigFile::ReadLines()
{
    m_lines.RemoveAll();
    m_devices.RemoveAll();
    m_keptStmts.RemoveAll();
    m_defsyms.RemoveAll();
    m_parseErrors.RemoveAll();
    m_bHasErrors = false;

    const CString strPath = GetFullPath();
    CStdioFile file;
    CFileException error;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite, &error)) {
        ShowConfigErrorMessage("The configuration file could not be opened.",
                               "\"" + strPath + "\"", (DWORD)error.m_lOsError);
        m_bHasErrors = true;
        return false;
    }
    CString strLine;
    while (file.ReadString(strLine))
        m_lines.Add(strLine);
    if (m_lines.IsEmpty()) {
        m_parseErrors.Add("*** Error: File is empty!");
        m_bHasErrors = true;
        return false;
    }
    return true;
}

namespace {

struct HeaderKey {
    const char* pszKey;
    int nId;
};

enum { kDescription, kMaxShutdownSecs, kLoadUnit, kRCFile, kLogoFile, kIgnoreParseErrors };

const HeaderKey kHeaderKeys[] = {
    {"# Description: ", kDescription},   {"# MaxShutdownSecs: ", kMaxShutdownSecs},
    {"# LoadUnit: ", kLoadUnit},         {"# RCFile: ", kRCFile},
    {"# LogoFile: ", kLogoFile},         {"# IgnoreParseErrors: ", kIgnoreParseErrors},
};

} // namespace

// "# Key: value" comments of the console's own header; others are ignored.
void CVornConfigFile::ParseHeaderComment(const CString& strLine)
{
    for (const HeaderKey& key : kHeaderKeys) {
        const int nKeyLen = (int)std::strlen(key.pszKey);
        if (strLine.GetLength() <= nKeyLen || strLine.Left(nKeyLen).CompareNoCase(key.pszKey) != 0)
            continue;
        // Up to an embedded NUL: the writer can put back no more, and a load
        // unit padded with the NUL inside would change on every save.
        CString strValue = strLine.Mid(nKeyLen).GetString();
        TrimBlanks(strValue);
        UINT nValue = 0;
        switch (key.nId) {
        case kDescription: m_strDescription = strValue; break;
        case kMaxShutdownSecs:
            if (StringToUINT(strValue, nValue))
                m_nMaxShutdownSecs = (int)nValue;
            break;
        case kLoadUnit: {
            CString strUnit = strValue.Left(4);
            TrimBlanks(strUnit);
            m_strLoadUnit = (CString("0000") + strUnit).Right(4);
            break;
        }
        case kRCFile: m_strRCFile = strValue; break;
        case kLogoFile: m_strLogoFile = strValue; break;
        case kIgnoreParseErrors:
            m_bIgnoreParseErrors = StringToUINT(strValue, nValue) && nValue != 0;
            break;
        }
        return;
    }
}

bool CVornConfigFile::Parse()
{
    SConfigParse parse;
    if (!BeginParse(parse))
        return false;
    ContinueParse(parse, SIZE_MAX);
    return !m_bHasErrors;
}

bool CVornConfigFile::BeginParse(SConfigParse& parse)
{
    parse = SConfigParse();
    m_nCurrentLine = 0;
    m_bErrorsHidden = false;
    return ReadLines();
}

bool CVornConfigFile::ContinueParse(SConfigParse& parse, size_t nLines)
{
    for (; nLines && parse.nNextLine < m_lines.GetSize(); --nLines) {
        AddParseError(m_nCurrentLine, parse.strError);
        parse.strError.Empty();
        const CString strLine = m_lines[parse.nNextLine++];
        m_nCurrentLine++;
        CString strTrimmed = strLine;
        TrimBlanks(strTrimmed);
        if (strTrimmed.IsEmpty() || strLine[0] == '*')
            continue;
        if (strLine[0] == '#') {
            ParseHeaderComment(strLine);
            continue;
        }
        parse.nStatements++;
        ParseStatement(strLine, parse.strError);
    }
    if (parse.nNextLine < m_lines.GetSize())
        return false;
    AddParseError(m_nCurrentLine, parse.strError);
    parse.strError.Empty();

    // The file-level errors are listed whatever IgnoreParseErrors says.
    if (parse.nStatements == 0)
        m_parseErrors.Add("*** Error: File contains no content");
    if (m_devices.IsEmpty())
        m_parseErrors.Add("*** Error: File contains no device entries");
    CheckTxfAtEnd();
    // The header applies from its line onward, but the writer puts it once
    // at the top: a file that hid problems under it and switched it off
    // further down is taken as hiding them, so that a saved copy does not
    // show problems this read left out.
    if (m_bErrorsHidden)
        m_bIgnoreParseErrors = true;
    if (!m_parseErrors.IsEmpty())
        m_bHasErrors = true;
    if (!m_bHasErrors)
        m_lines.RemoveAll();
    return true;
}

// The ARCHLVL statement makes this check itself when there is one.
void CVornConfigFile::CheckTxfAtEnd()
{
    if (!m_bArchLvlGiven && m_nArchMode == kArchZArch && IsTXFEnabled(*this)
        && !m_strCPUModel.IsEmpty() && !IsZSeriesModel(m_strCPUModel))
        AddParseError(m_nCPUModelLine, "\nSpecified CPU Model does not support TXF");
}

void CVornConfigFile::AddParseError(int nLine, const CString& strMessage)
{
    CString strTrimmed = strMessage;
    TrimBlanks(strTrimmed);
    if (strTrimmed.IsEmpty())
        return;
    if (m_bIgnoreParseErrors) {
        m_bErrorsHidden = true;
        return;
    }
    CString strPrefix;
    strPrefix.Format("*** Error: Line %d: ", nLine);
    CString strMsg = strMessage;
    int nLF = strMsg.Find('\n');
    if (nLF > 0) {
        // Continuation lines are indented to the width of the prefix.
        m_parseErrors.Add(strPrefix + strMsg.Left(nLF));
        strMsg = strMsg.Mid(nLF + 1);
        strPrefix = CString(' ', strPrefix.GetLength());
        while ((nLF = strMsg.Find('\n')) >= 0) {
            m_parseErrors.Add(strPrefix + strMsg.Left(nLF));
            strMsg = strMsg.Mid(nLF + 1);
        }
    }
    m_parseErrors.Add(strPrefix + strMsg);
}

static const SysStmtRow* FindSysStmt(const CString& strKeyword)
{
    for (const SysStmtRow* pRow = g_SysStmtTable; pRow->pszKeyword; pRow++)
        if (strKeyword.CompareNoCase(pRow->pszKeyword) == 0)
            return pRow;
    return nullptr;
}

void CVornConfigFile::ParseStatement(const CString& strLine, CString& strError)
{
    CStringArray tokens;
    ParseStmt(strLine, tokens);
    for (INT_PTR i = 0; i < tokens.GetSize(); i++) {
        if (tokens[i].Left(1) == "#") {
            tokens.RemoveAt(i, tokens.GetSize() - i);
            break;
        }
    }
    if (!tokens.IsEmpty())
        DispatchStatement(strLine, tokens, strError);
}

void CVornConfigFile::DispatchStatement(const CString& strLine, CStringArray& tokens,
                                        CString& strError)
{
    const CString strKeyword = tokens[0];
    if (const SysStmtRow* pRow = FindSysStmt(strKeyword)) {
        CStringList list;
        for (const CString& strToken : tokens)
            list.AddTail(strToken);
        pRow->pfnHandler(*this, strLine, list, strError);
        return;
    }
    const INT_PTR nDevicesBefore = m_devices.GetCount();
    if ((strKeyword.GetLength() <= 4 && IsHexString(strKeyword)) || ParseDevnumLcss(strKeyword, nullptr)) {
        AddDevice(strLine, strError);
    } else if (IsDeviceStatementWord(strKeyword)) {
        AddDeviceList(strLine, tokens, strError);
    } else {
        m_bErrorsHidden = m_bErrorsHidden || m_bIgnoreParseErrors;
        if (!m_bIgnoreParseErrors) {
            CString strWarning;
            strWarning.Format("*** Warning: Line %d: Unrecognized statement", m_nCurrentLine);
            m_parseErrors.Add(strWarning);
        }
        m_keptStmts.Add(strLine);
        return;
    }
    // A device statement that defined nothing is kept as written, so that
    // saving the configuration does not lose the line.
    if (m_devices.GetCount() == nDevicesBefore)
        m_keptStmts.Add(strLine);
}
