// TerminalArguments.cpp: console and display terminal arguments and commands.
#include "devices/TerminalArguments.h"

#include <cstring>

#include "devices/DeviceCommandForms.h"
#include "platform/CArray.h"
#include "platform/NetAddress.h"
#include "platform/TextFunctions.h"

namespace {

const char kNoprompt[] = "noprompt";

// The word when it is a dotted IPv4 address, else empty.
CString AddressWord(const CStringArray& words, int i)
{
    if (i >= words.GetSize())
        return CString();
    DWORD dwAddr = 0;
    return ParseIPAddress(words[i], dwAddr) ? words[i] : CString();
}

// Group, IP and mask from the words at nFirst on.
void ParseGroupAndAddresses(const CStringArray& words, int nFirst, STerminalFields& fields)
{
    if (nFirst < words.GetSize() && words[nFirst] != "*")
        fields.strGroup = words[nFirst];
    fields.strIP = AddressWord(words, nFirst + 1);
    fields.strMask = AddressWord(words, nFirst + 2);
}

// The group ("*" standing in for none when bStar), then the IP and, after
// an IP only, its mask.
void AppendGroupAndAddresses(CString& strArgs, const STerminalFields& fields, bool bStar)
{
    AppendCommandWord(strArgs, fields.strGroup.IsEmpty() && bStar ? CString("*") : fields.strGroup);
    if (fields.strIP.IsEmpty())
        return;
    AppendCommandWord(strArgs, fields.strIP);
    AppendCommandWord(strArgs, fields.strMask);
}

}  // namespace

bool IsIntegratedConsoleType(const char* pszTypeName)
{
    CString str = pszTypeName ? pszTypeName : "";
    return str.CompareNoCase("1052-C") == 0 || str.CompareNoCase("3215-C") == 0;
}

void ParseConsoleArguments(const char* pszTypeName, const char* pszArgs, STerminalFields& fields)
{
    fields = STerminalFields();
    CStringArray words;
    ParseStmt(pszArgs ? pszArgs : "", words);
    if (words.GetSize() == 0)
        return;
    int nNext = 0;
    if (IsIntegratedConsoleType(pszTypeName)) {
        // The console writes "noprompt" alone when it has no prefix.
        if (words[0].CompareNoCase(kNoprompt) != 0)
            fields.strGroup = words[nNext++];
        fields.bNoprompt = nNext < words.GetSize() && words[nNext].CompareNoCase(kNoprompt) == 0;
        return;
    }
    if (words[0].CompareNoCase(kNoprompt) == 0) {
        fields.bNoprompt = true;
        nNext = 1;
    }
    ParseGroupAndAddresses(words, nNext, fields);
}

void ParseDisplayArguments(const char* pszArgs, STerminalFields& fields)
{
    fields = STerminalFields();
    CStringArray words;
    ParseStmt(pszArgs ? pszArgs : "", words);
    ParseGroupAndAddresses(words, 0, fields);
}

CString BuildConsoleArguments(const char* pszTypeName, const STerminalFields& fields)
{
    CString strArgs;
    if (IsIntegratedConsoleType(pszTypeName)) {
        AppendCommandWord(strArgs, fields.strGroup);
        if (fields.bNoprompt)
            AppendCommandWord(strArgs, kNoprompt);
    } else {
        if (fields.bNoprompt)
            AppendCommandWord(strArgs, kNoprompt);
        AppendGroupAndAddresses(strArgs, fields, !fields.strIP.IsEmpty());
    }
    strArgs.TrimLeft(' ');
    return strArgs;
}

CString BuildDisplayArguments(const STerminalFields& fields)
{
    CString strArgs;
    AppendGroupAndAddresses(strArgs, fields, true);
    strArgs.TrimLeft(' ');
    return strArgs;
}

const char* CommandPrefixMessage(CString& strPrefix)
{
    TrimBlanks(strPrefix);
    if (strPrefix.IsEmpty())
        return nullptr;
    if (strPrefix.FindOneOf(g_strBlanks) >= 0)
        return "A command-prefix cannot contain any spaces";
    char ch0 = strPrefix[0];
    if (ch0 == ']')
        return "The command-prefix character ']' is reserved for use by VornGUI only. Please choose a different "
               "character.";
    if ((ch0 >= 'A' && ch0 <= 'Z') || (ch0 >= 'a' && ch0 <= 'z'))
        return "The command-prefix must not begin with an alphabetic character since that would make it "
               "impossible to enter any Vornamic command starting with the same character.";
    if (strPrefix.GetLength() > 1)
        return "Command-prefixes must only be one character.";
    // A device statement ends at a '#' word: the prefix would be lost.
    if (ch0 == '#')
        return "The command-prefix character '#' begins a comment in a device statement. Please choose a "
               "different character.";
    return nullptr;
}

CString ConsoleCommand(bool bAdd, const CString& strDevnum, const CString& strType, const CString& strArgs)
{
    CString strCommand;
    if (bAdd)
        strCommand.Format("attach %s %s%s%s", strDevnum.GetString(), strType.GetString(),
                          strArgs.IsEmpty() ? "" : " ", strArgs.GetString());
    else
        strCommand.Format("devinit %s%s%s", strDevnum.GetString(), strArgs.IsEmpty() ? "" : " ",
                          strArgs.GetString());
    return strCommand;
}

CString DisplayCommand(bool bAdd, const CString& strDevnum, const CString& strType, const CString& strArgs)
{
    const char* pszArgs = strArgs.IsEmpty() ? "*" : strArgs.GetString();
    CString strCommand;
    if (bAdd)
        strCommand.Format("attach %s %s %s", strDevnum.GetString(), strType.GetString(), pszArgs);
    else
        strCommand.Format("devinit %s %s", strDevnum.GetString(), pszArgs);
    return strCommand;
}
