// ConfigFileWriter.cpp: CVornConfigFile::Save and SaveAs, and the device
// part of the file: devices sorted by class, each class under its heading,
// devices that differ only by device number folded into one statement.
#include "config/CVornConfigFile.h"

#include "config/ConfigLimits.h"
#include "config/ConfigMessages.h"
#include "config/ConfigSystemWriter.h"
#include "config/DevClass.h"
#include "config/DevNum.h"
#include "platform/SafeFileReplace.h"
#include "platform/CSplitPath.h"
#include "platform/TextFunctions.h"

namespace {

typedef CArray<CVornDevice, const CVornDevice&> CDeviceArray;

// Windows' ERROR_INVALID_DATA: the configuration may not be saved.
const DWORD kSaveRefused = 13;

// The device numbers of a group folded into runs: "0120.3,0124".
CString FormatDevnumRuns(const CDeviceArray& group)
{
    CString strList;
    for (INT_PTR i = 0; i < group.GetSize();) {
        INT_PTR nEnd = i + 1;
        while (nEnd < group.GetSize() && group[nEnd].m_bLcss == group[i].m_bLcss &&
               group[nEnd].m_wDevnum == group[nEnd - 1].m_wDevnum + 1)
            ++nEnd;
        if (!strList.IsEmpty())
            strList += ',';
        strList += FormatDevnum(group[i].GetKey());
        if (nEnd - i > 1)
            strList.AppendFormat(".%d", (int)(nEnd - i));
        i = nEnd;
    }
    return strList;
}

// Devices fold into one statement when the statement written for each is the
// same but for the number. The models may differ where the file does not:
// "0500 3088 CTCE" and "0508 CTCE" are both written as CTCE, and folding
// them only after the next read made every second save differ.
bool WrittenAlike(const CVornDevice& a, const CVornDevice& b)
{
    if ((a.m_wDevnum >> 8) != (b.m_wDevnum >> 8))
        return false;
    CVornDevice moved(a);
    moved.m_bLcss = b.m_bLcss;
    moved.m_wDevnum = b.m_wDevnum;
    return FormatDeviceStatement(moved) == FormatDeviceStatement(b);
}

// The devices, each class under its heading, then the kept device statements.
CString FormatDevices(const CVornConfigFile& cfg)
{
    CDeviceArray devices, group;
    cfg.GetSortedDevices(devices);
    CString out;
    int nHeadedClass = -1;
    for (INT_PTR i = 0; i < devices.GetSize(); ++i) {
        group.Add(devices[i]);
        if (i + 1 < devices.GetSize() && WrittenAlike(devices[i + 1], group[0]))
            continue;
        if (group[0].m_wClass != nHeadedClass && group[0].m_wClass < DEVCLASS_COUNT) {
            nHeadedClass = group[0].m_wClass;
            out.AppendFormat("\n#  %s\n\n", g_DevClassGroups[nHeadedClass].pszHeading);
        }
        out += CVornConfigFile::FormatDeviceGroup(group) + '\n';
        group.RemoveAll();
    }
    CString strKept;
    for (const CString& strLine : cfg.m_keptStmts)
        if (IsKeptDeviceStatement(strLine))
            strKept += strLine + '\n';
    if (!strKept.IsEmpty())
        out += '\n' + strKept;
    return out;
}

// The file's bytes: text mode on Windows ends every line with CR-LF.
CString ToCrLf(const CString& strText)
{
    CString s(strText);
    s.Replace("\n", "\r\n");
    return s;
}

}  // namespace

CString CVornConfigFile::FormatDeviceGroup(const CDeviceArray& group)
{
    if (group.GetSize() == 1)
        return FormatDeviceStatement(group[0]);
    CString strFirst = FormatDeviceStatement(group[0]);
    int nBlank = strFirst.Find(' ');
    CString strOperands = nBlank < 0 ? CString() : strFirst.Mid(nBlank);
    strOperands.TrimLeft(' ');
    CString strList = FormatDevnumRuns(group);
    strList += strList.GetLength() < 8 ? CString(' ', 8 - strList.GetLength()) : CString("  ");
    return strList + strOperands;
}

DWORD CVornConfigFile::Save(bool bShowErrors)
{
    const CString strPath = GetFullPath();
    const CString strQuotedPath = "\"" + strPath + "\"";
    if (m_strFolder.IsEmpty() || m_strFileName.IsEmpty() || m_devices.IsEmpty() ||
        (m_bHasErrors && !OptionIgnoreConfigFileParseErrors())) {
        if (bShowErrors)
            ShowConfigMessageBox("Cannot save configuration:",
                                 strQuotedPath + "\n\nNo path, no devices or invalid data.", "Save Error", 0x30);
        return kSaveRefused;
    }
    CString strText = FormatConfigHeader(*this) + FormatSystemStatements(*this) + FormatDevices(*this);
    SafeReplaceResult r = SafeReplaceFile(strPath, ToCrLf(strText));
    if (r.eStage != kReplaceOk && bShowErrors)
        ShowConfigErrorMessage(r.eStage == kReplaceOpenFailed ? "The configuration file could not be opened."
                                                              : "Error writing to configuration file.",
                               strQuotedPath, r.dwError);
    return r.dwError;
}

DWORD CVornConfigFile::SaveAs(const CString& strFolder, const CString& strFileName)
{
    m_strFolder = strFolder;
    m_strFileName = strFileName;
    return Save(true);
}

DWORD CVornConfigFile::SaveAs(const CString& strFullPath)
{
    const CSplitPath path(strFullPath);
    return SaveAs(path.GetFullPathOnly(), path.GetFileNameAndExt());
}
