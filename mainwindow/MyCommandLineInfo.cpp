// MyCommandLineInfo.cpp: parsing VornGUI's command-line parameters.
#include "mainwindow/MyCommandLineInfo.h"

#include <string.h>

namespace {

// Flags that must have an argument, and those that may have one.
const char kNeedsArgument[] = "efrbn";
const char kTakesArgument[] = "efrbin";

bool IsOneOf(const CString& strFlag, const char* pszLetters)
{
    return strFlag.GetLength() == 1 && strchr(pszLetters, strFlag[0]) != nullptr;
}

}  // namespace

void CMyCommandLineInfo::Error(const CString& strMessage)
{
    m_messages.push_back(strMessage);
    m_bError = true;
}

void CMyCommandLineInfo::ReportMissing(char chFlag)
{
    CString s;
    s.Format("Missing '-%c' argument.", chFlag);
    Error(s);
}

void CMyCommandLineInfo::ParseParam(const char* pszParam, bool bFlag, bool bLast)
{
    CString strParam(pszParam ? pszParam : "");
    strParam.Trim();
    if (strParam.IsEmpty())
        return;
    if (bFlag)
        ParseFlag(strParam, bLast);
    else
        ParseWord(strParam);
}

void CMyCommandLineInfo::ParseFlag(CString strParam, bool bLast)
{
    // A flag that needs an argument got none before this new flag. A
    // pending -i is not reported: its argument is optional.
    if (IsOneOf(m_strPending, kNeedsArgument))
        ReportMissing(m_strPending[0]);
    strParam.MakeLower();
    m_strPending = strParam;
    char chFlag = strParam[0];
    CString strArg;
    if (strParam.GetLength() > 1) {
        strArg = strParam.Mid(1);
        strArg.Trim();
        m_strPending.Empty();
    }
    if (strchr(kNeedsArgument, chFlag) && bLast && strArg.IsEmpty()) {
        ReportMissing(chFlag);
        return;
    }
    if (chFlag == '?') {
        if (!strArg.IsEmpty())
            Error("'-?' option does not take any arguments");
        m_bError = true;
        return;
    }
    if (chFlag == 'i')
        m_bUseIniFile = true;
    if (strchr(kTakesArgument, chFlag)) {
        if (!strArg.IsEmpty())
            StoreArgument(chFlag, strArg);
        return;
    }
    // Without an argument the parameter is the letter alone.
    CString s;
    s.Format("Unsupported flag: '-%s'", (const char*)strParam);
    Error(s);
}

void CMyCommandLineInfo::ParseWord(const CString& strParam)
{
    if (IsOneOf(m_strPending, kTakesArgument)) {
        StoreArgument(m_strPending[0], strParam);
    } else {
        CString s;
        s.Format("Unexpected/unsupported parameter: \"%s\"", (const char*)strParam);
        Error(s);
    }
    m_strPending.Empty();
}

void CMyCommandLineInfo::StoreArgument(char chFlag, const CString& strArg)
{
    switch (chFlag) {
    case 'e': m_strEmulatorExeName = strArg; break;
    case 'f': m_strConfigFile = strArg; break;
    case 'r': m_strRCFile = strArg; break;
    case 'b': m_strLogoFile = strArg; break;
    case 'i': m_strIniFile = strArg; break;
    case 'n': m_strRegistryAppName = strArg; break;
    default: break;
    }
}
