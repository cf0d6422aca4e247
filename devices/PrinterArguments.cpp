// PrinterArguments.cpp: a line printer's arguments and commands.
#include "devices/PrinterArguments.h"

#include "config/CVornDevice.h"
#include "config/SockdevAddress.h"
#include "devices/DeviceDialogRules.h"
#include "platform/TextFunctions.h"

namespace {

void AppendWord(CString& str, const CString& strWord)
{
    str += " " + strWord;
    TrimBlanks(str);
}

}  // namespace

void ParsePrinterArguments(const CString& strFirst, const CString& strOther, const CString& strCurrentDir,
                           SPrinterFields& fields)
{
    CStringArray words;
    ParseStmt(strOther, words);
    for (int i = 0; i < words.GetSize(); ++i) {
        const CString& w = words[i];
        if (w.CompareNoCase("sockdev") == 0)
            fields.bSockdev = true;
        else if (w.CompareNoCase("crlf") == 0)
            fields.bCrlf = true;
        else if (w.Left(4).CompareNoCase("fcb=") == 0)
            fields.strChannelSettings = w.Mid(4);
        else if (w.Left(7).CompareNoCase("cctape=") == 0)
            fields.strChannelSettings = w.Mid(7);
        else
            AppendWord(fields.strPipeArgs, w);
    }
    if (fields.bSockdev && strFirst.FindOneOf(" \t") >= 0)
        fields.bSockdev = false;
    if (fields.bSockdev) {
        DWORD dwAddress = 0;
        UINT nPort = 0;
        if (ParseSockdevAddress(strFirst, dwAddress, nullptr, nPort)) {
            fields.dwIPAddress = dwAddress;
            fields.nPort = nPort;
        }
        return;
    }
    if (IsPipeName(strFirst)) {
        CStringArray pipe;
        ParseStmt(strFirst.Mid(1), pipe);
        CString strProgram = pipe.GetSize() ? pipe[0] : CString();
        TrimBlanks(strProgram);
        for (int i = 1; i < pipe.GetSize(); ++i) {
            CString strArg = pipe[i];
            TrimBlanks(strArg);
            AppendWord(fields.strPipeArgs, QuoteIfNeeded(strArg, '"'));
        }
        CString strProgramFile;
        SplitDeviceFileName(strProgram, fields.strOutputDir, strProgramFile);
        fields.strFileName = "|" + strProgramFile;
    } else if (!strFirst.IsEmpty()) {
        SplitDeviceFileName(strFirst, fields.strOutputDir, fields.strFileName);
    }
    if (strFirst.IsEmpty())
        fields.strOutputDir = strCurrentDir;
}

CString PrinterFileName(const SPrinterFields& fields, const CString& strIPAddress)
{
    CString str;
    if (fields.bSockdev)
        str.Format("%s:%u", (const char*)strIPAddress, fields.nPort);
    else if (IsPipeName(fields.strFileName)) {
        CString strProgram = fields.strOutputDir + fields.strFileName.Mid(1);
        CString strArgs = fields.strPipeArgs;
        TrimBlanks(strArgs);
        str = strArgs.IsEmpty() ? "|" + strProgram : "|" + QuoteIfNeeded(strProgram, '"') + " " + strArgs;
    } else
        str = fields.strOutputDir + fields.strFileName;
    TrimBlanks(str);
    return str;
}

CString PrinterArgumentText(const SPrinterFields& fields, bool bIs1403, const CString& strExtraWords)
{
    CString str;
    if (fields.bSockdev)
        str += " sockdev";
    if (fields.bCrlf)
        str += " crlf";
    if (!fields.strChannelSettings.IsEmpty())
        str += (bIs1403 ? " cctape=" : " fcb=") + fields.strChannelSettings;
    str += " " + strExtraWords;
    TrimBlanks(str);
    return str;
}

CString PrinterCommand(bool bAdd, const CString& strDevnum, const CString& strType, const CString& strFile,
                       const CString& strArgs)
{
    CString strQuoted = QuoteDeviceFileArg(strFile);
    CString str = bAdd ? "attach " + strDevnum + " " + strType + " " + strQuoted + " " + strArgs
                       : "devinit " + strDevnum + " " + strQuoted + " " + strArgs;
    str.TrimRight(' ');
    return str;
}
