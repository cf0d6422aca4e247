// DeviceStatementFormat.cpp: FormatDeviceStatement, the statement text of one
// device as the configuration writer and the device lists show it. The type
// always starts in column 9.
#include "config/CVornDevice.h"
#include "config/DevClass.h"
#include "config/DevNum.h"
#include "config/SockdevAddress.h"
#include "platform/TextFunctions.h"

namespace {

// A file name that holds a symbol reference is quoted so that the emulator
// substitutes it as one word.
CString QuoteSymbolReference(const CString& strArg)
{
    if (strArg.Left(1) == "\"" || strArg.Left(1) == "'" || strArg.Find("$(") < 0)
        return strArg;
    const char chQuote = strArg.Find('"') >= 0 ? '\'' : '"';
    return chQuote + strArg + chQuote;
}

// The first argument as one word. A word holding a double quote that needs
// quoting (a blank, a leading quote) gets single quotes, whatever the
// class: written bare, a leading '"' paired with a later one on reading and
// the statement changed on every save.
CString QuoteFileArg(const CString& strArg)
{
    CString strQuoted = strArg;
    if (!IsHostPortSpec(strArg)) {
        strQuoted = QuoteIfNeeded(strArg, '"');
        if (strQuoted == strArg)
            strQuoted = QuoteIfNeeded(strArg, '\'');
    }
    return QuoteSymbolReference(strQuoted);
}

} // namespace

CString QuoteDeviceFileArg(const CString& strArg)
{
    return QuoteFileArg(strArg);
}

CString FormatDeviceStatement(const CVornDevice& dev)
{
    const CString strNum = FormatDevnum(dev.GetKey());
    const char* pszGap = strNum.GetLength() > 1 && strNum[1] == ':' ? "  " : "    ";
    const unsigned nType = dev.m_wDevType;
    CString str;
    switch (dev.m_wClass) {
    case DEVCLASS_RDR:
    case DEVCLASS_DISK:
    case DEVCLASS_TAPE:
    case DEVCLASS_PCH:
    case DEVCLASS_PRT: {
        // An empty file name before further arguments is written as "": left
        // out, the next argument would read back as the file name. So is a
        // tape's: without any, a tape drive reads back as "*" (no tape).
        const bool bEmptyWord = dev.m_strFirstArg.IsEmpty()
                                && (!dev.m_strOtherArgs.IsEmpty() || dev.m_wClass == DEVCLASS_TAPE);
        const CString strArg = bEmptyWord ? CString("\"\"") : QuoteFileArg(dev.m_strFirstArg);
        str.Format("%s%s%04.4X    %s %s", strNum.GetString(), pszGap, nType, strArg.GetString(),
                   dev.m_strOtherArgs.GetString());
        break;
    }
    case DEVCLASS_LOG:
        if (!dev.m_strFirstArg.IsEmpty())
            str.Format("%s%s%s  %s", strNum.GetString(), pszGap, dev.m_strFirstArg.GetString(),
                       dev.m_strOtherArgs.GetString());
        else
            str.Format("%s%s%04.4X    %s", strNum.GetString(), pszGap, nType,
                       dev.m_strOtherArgs.GetString());
        break;
    case DEVCLASS_3270:
        if (dev.m_bSysg)
            str.Format("0000    SYSG    %s", dev.m_strOtherArgs.GetString());
        else
            str.Format("%s%s%04.4X    %s", strNum.GetString(), pszGap, nType,
                       dev.m_strOtherArgs.GetString());
        break;
    case DEVCLASS_COMM:
        // A protocol word the console does not know is written whole.
        str.Format(dev.m_nSubtype == COMM_SUBTYPE_UNKNOWN ? "%s%s%-4s    %s" : "%s%s%-4.4s    %s", strNum.GetString(), pszGap, dev.m_strFirstArg.GetString(),
                   dev.m_strOtherArgs.GetString());
        break;
    case DEVCLASS_UNKNOWN:
        str.Format("%s%s%-7s %s", strNum.GetString(), pszGap, dev.m_strTypeWord.GetString(),
                   dev.m_strOtherArgs.GetString());
        break;
    default:
        break;
    }
    // Only the padding: an argument may end with another white-space
    // character (a form feed is a word of its own to the reader).
    str.TrimRight(' ');
    return str;
}
