// CpuTypesList.cpp: reading the CPU model list and finding its start entry.
#include "sysconfig/CpuTypesList.h"

#include "platform/CStdioFile.h"
#include "platform/TextFunctions.h"

namespace {

const int kFields = 5;

// The five fields of a line, split as the list's format says.
void SplitFields(const CString& strLine, CString fields[kFields])
{
    int nStart = 0;
    for (int i = 0; i < kFields - 1; ++i) {
        int nSemi = strLine.Find(';', nStart);
        if (nSemi < 0 || (i == 0 && nSemi == 0))
            return;
        fields[i] = strLine.Mid(nStart, nSemi - nStart);
        nStart = nSemi + 1;
    }
    fields[kFields - 1] = strLine.Mid(nStart, 2);
}

}  // namespace

void CCpuTypesList::Clear()
{
    m_entries.clear();
    m_bFormat2 = false;
}

bool CCpuTypesList::Load(const CString& strFirstPath, const CString& strSecondPath)
{
    Clear();
    return LoadFile(strFirstPath) || LoadFile(strSecondPath);
}

bool CCpuTypesList::LoadFile(const CString& strPath)
{
    CStdioFile file;
    if (strPath.IsEmpty() || !file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite | CFile::typeText))
        return false;
    m_bFormat2 = false;
    CString strLine;
    while (file.ReadString(strLine))
        AddLine(strLine);
    return true;
}

void CCpuTypesList::AddLine(const CString& strLine)
{
    CString strTrimmed = strLine;
    if (TrimBlanks(strTrimmed).IsEmpty() || strLine[0] == '#')
        return;
    if (strLine.GetLength() >= 9 && strLine.Left(9).CompareNoCase("$$format2") == 0) {
        m_bFormat2 = true;
        return;
    }
    CString f[kFields];
    SplitFields(strLine, f);
    bool bCodes = f[3].GetLength() == 4 && f[4].GetLength() == 2;
    CpuTypeEntry entry;
    if (!m_bFormat2 && bCodes && !f[0].IsEmpty() && !f[2].IsEmpty())
        entry.strText = f[0] + " " + f[2];
    else if (m_bFormat2 && bCodes && !f[0].IsEmpty() && (!f[1].IsEmpty() || !f[2].IsEmpty()))
        entry.strText = f[0] + " " + f[1] + f[2];
    else
        return;
    entry.strModel = f[3];
    entry.strVersion = f[4];
    m_entries.push_back(entry);
}

int CCpuTypesList::FindStart(const CString& strRemembered, const CString& strModel, const CString& strVersion) const
{
    if (m_entries.empty())
        return -1;
    if (!strRemembered.IsEmpty()) {
        for (size_t i = 0; i < m_entries.size(); ++i)
            if (m_entries[i].strText == strRemembered)
                return (int)i;
        return -1;
    }
    CString strBlankTest = strModel;
    if (TrimBlanks(strBlankTest).IsEmpty() || strModel.GetLength() != 4)
        return 0;
    int nModelOnly = -1;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].strModel != strModel)
            continue;
        if (strVersion.IsEmpty() || m_entries[i].strVersion == strVersion)
            return (int)i;
        if (nModelOnly < 0)
            nModelOnly = (int)i;
    }
    return nModelOnly < 0 ? 0 : nModelOnly;
}
