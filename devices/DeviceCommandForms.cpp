// DeviceCommandForms.cpp: argument layouts and command texts of the
// device dialogs.
#include "devices/DeviceCommandForms.h"

#include <cstdlib>

#include "config/DevClass.h"
#include "config/DevNum.h"
#include "config/NetworkValues.h"
#include "config/SockdevAddress.h"
#include "devices/DeviceDialogRules.h"
#include "platform/TextFunctions.h"

void AppendCommandWord(CString& strCommand, const CString& strWord)
{
    if (!strWord.IsEmpty())
        strCommand += " " + strWord;
}

void ParseReaderArguments(const CString& strFirst, const CString& strOther, CStringArray& files,
                          SReaderOptions& opts)
{
    files.RemoveAll();
    opts = SReaderOptions();
    if (!strFirst.IsEmpty())
        files.Add(strFirst);
    CStringArray words;
    ParseStmt(strOther, words);
    for (int i = 0; i < words.GetSize(); ++i) {
        const CString& w = words[i];
        if (w.CompareNoCase("sockdev") == 0)
            opts.bSockdev = true;
        else if (w.CompareNoCase("ebcdic") == 0)
            opts.bEbcdic = true;
        else if (w.CompareNoCase("ascii") == 0)
            opts.bAscii = true;
        else if (w.CompareNoCase("trunc") == 0)
            opts.bTrunc = true;
        else if (w.CompareNoCase("eof") == 0)
            opts.bEof = true;
        else if (w.CompareNoCase("intrq") == 0)
            opts.bEof = false;
        else if (w.CompareNoCase("autopad") == 0)
            opts.bAutopad = true;
        else if (w.CompareNoCase("multifile") == 0)
            opts.bMultifile = true;
        else
            files.Add(w);
    }
}

void BuildReaderArguments(const CStringArray& files, const SReaderOptions& opts, CString& strFirst,
                          CString& strOther)
{
    strFirst.Empty();
    strOther.Empty();
    if (files.GetSize() == 0)
        return;
    strFirst = files[0];
    for (int i = 1; i < files.GetSize(); ++i)
        strOther += " " + QuoteIfNeeded(files[i], '"');
    if (opts.bSockdev)
        strOther += " sockdev";
    if (opts.bAscii)
        strOther += " ascii";
    else if (opts.bEbcdic)
        strOther += " ebcdic";
    if (opts.bAutopad)
        strOther += " autopad";
    if (opts.bTrunc)
        strOther += " trunc";
    strOther += opts.bEof ? " eof" : " intrq";
    if (opts.bMultifile)
        strOther += " multifile";
    strOther.TrimLeft(' ');
}

CString ReaderCommand(bool bAdd, const CString& strDevnum, const CString& strType, const CString& strFirst,
                      const CString& strOther)
{
    CString strCommand = bAdd ? "attach " + strDevnum + " " + strType : "devinit " + strDevnum;
    AppendCommandWord(strCommand, QuoteIfNeeded(strFirst, '"'));
    AppendCommandWord(strCommand, strOther);
    return strCommand;
}

void ParseSocketSpec(const CString& strSpec, SSocketSpec& spec)
{
    if (!IsHostPortSpec(strSpec)) {
        spec.strHost = strSpec;
        spec.dwAddress = 0;
        return;
    }
    int nColon = strSpec.Find(':');
    CString strHost = strSpec.Left(nColon);
    spec.nPort = (UINT)std::strtoul(strSpec.Mid(nColon + 1), nullptr, 10);
    DWORD dwAddress = 0;
    if (ParseIPv4Address(strHost, dwAddress)) {
        spec.dwAddress = dwAddress;
        spec.strHost.Empty();
    } else {
        spec.dwAddress = 0;
        spec.strHost = strHost;
    }
}

CString FormatSocketSpec(const CString& strHost, UINT nPort)
{
    CString str;
    str.Format("%s:%d", (const char*)strHost, (int)nPort);
    return str;
}

// The trailing blanks of empty parts go; leading ones cannot occur.
static CString Trimmed(CString str)
{
    TrimBlanks(str);
    return str;
}

CString PunchCommand(bool bAdd, const CString& strDevnum, const CString& strType, const CString& strFile,
                     const CString& strOptions)
{
    CString strQuoted = QuoteIfNeeded(strFile, '"');
    if (bAdd)
        return Trimmed("attach " + strDevnum + " " + strType + " " + strQuoted + " " + strOptions);
    return Trimmed("devinit " + strDevnum + " " + strQuoted + " " + strOptions);
}

void StatementEditorTexts(const CVornDevice& dev, CString& strType, CString& strParms)
{
    if (dev.m_wClass == DEVCLASS_COMM) {
        strType = dev.m_strFirstArg;
        strParms = dev.m_strOtherArgs;
    } else if (dev.m_wClass == DEVCLASS_LOG) {
        strType = dev.m_strFirstArg.IsEmpty() ? DeviceTypeName(dev.m_wDevType) : dev.m_strFirstArg;
        strParms = dev.m_strOtherArgs;
    } else {
        strType = dev.m_wClass == DEVCLASS_UNKNOWN ? dev.m_strTypeWord : DeviceTypeName(dev.m_wDevType);
        strParms = QuoteIfNeeded(dev.m_strFirstArg, '"') + " " + dev.m_strOtherArgs;
    }
    TrimBlanks(strParms);
}

CString StatementEditorCommand(bool bAdd, const CVornDevice& dev)
{
    CString strDevnum = FormatDevnum(dev.GetKey());
    CString strVerb = bAdd ? "attach " : "devinit ";
    CString strCommand;
    if (dev.m_wClass == DEVCLASS_COMM)
        strCommand = bAdd ? strVerb + strDevnum + " " + dev.m_strFirstArg + " " + dev.m_strOtherArgs
                          : strVerb + strDevnum + " " + dev.m_strOtherArgs;
    else {
        strCommand = strVerb + strDevnum;
        if (bAdd)
            strCommand += " " + dev.m_strTypeWord;
        if (!dev.m_strFirstArg.IsEmpty())
            strCommand += " " + QuoteIfNeeded(dev.m_strFirstArg, '"');
        strCommand += " " + dev.m_strOtherArgs;
    }
    return Trimmed(strCommand);
}

CString RenameCommand(const CString& strOld, const CString& strNew)
{
    return "define " + strOld + " " + strNew;
}
