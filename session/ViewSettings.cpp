// ViewSettings.cpp: the console view's stored preferences.
#include "session/ViewSettings.h"

#include <cstdlib>

#include "config/DirectoryValidation.h"
#include "platform/PathFunctions.h"
#include "platform/ProfileStore.h"

int g_nPrevPrefPage = 0;
bool g_bAggregateStats = true;
// g_strEmulatorExeName ("-e") is one of the start-up objects (config/StartupObjects.cpp).

const char* const kDirListNames[kDirListCount] = {
    "ExecutablesFilesDirectories", "ConfigurationFilesDirectories", "LogFilesDirectories",
    "ReaderFilesDirectories", "PunchFilesDirectories", "PrinterFilesDirectories",
    "TapeFilesDirectories", "DiskFilesDirectories",
};

namespace {

const char kSettings[] = "Settings";
const char kOptions[] = "Options";
const char kFindRep[] = "Settings\\FindRep";

struct FilterEntry {
    const char* pszKey;
    const char* pszDefault;
};
const FilterEntry kFilters[kFilterCount] = {
    {"ConfigurationFilesFilter", "*.cnf;*.conf;*.txt"},
    {"LogFilesFilter", "*.log;*.txt"},
    {"ReaderFilesFilter", "*.jcl;*.job;*.rdr;*.txt"},
    {"PunchFilesFilter", "*.pch;*.txt"},
    {"PrinterFilesFilter", "*.prt;*.txt"},
    {"TapeFilesFilter", "*.aws;*.vet;*.tdf"},
    {"DiskFilesFilter", "*.*"},
};

// Colour, bold and italic keys of the five kinds (plain first).
struct StyleKeys {
    const char* pszColor;
    const char* pszBold;
    const char* pszItalic;
};
const StyleKeys kStyleKeys[5] = {
    {"FontColor", "FontBold", "FontItalic"},
    {"InfoMsgsColor", "BoldInfoMsgs", "ItalicInfoMsgs"},
    {"DebugMsgsColor", "BoldDebugMsgs", "ItalicDebugMsgs"},
    {"ErrorMsgsColor", "BoldErrorMsgs", "ItalicErrorMsgs"},
    {"WarningMsgsColor", "BoldWarningMsgs", "ItalicWarningMsgs"},
};

bool GetFlag(const char* pszSection, const char* pszKey, bool bDefault)
{
    return (int)ProfileGetInt(pszSection, pszKey, bDefault ? 1 : 0) != 0;
}

CString GetStr(const char* pszKey, const char* pszDefault = "")
{
    return ProfileGetString(kSettings, pszKey, pszDefault);
}

void PutInt(const char* pszSection, const char* pszKey, int n)
{
    ProfileWriteInt(pszSection, pszKey, n);
}

void PutStr(const char* pszKey, const CString& str)
{
    ProfileWriteString(kSettings, pszKey, str);
}

}  // namespace

CViewSettings::CViewSettings()
{
    for (int i = 0; i < kFilterCount; ++i)
        m_strFilters[i] = kFilters[i].pszDefault;
}

CString CViewSettings::GetFirstDir(EDirList nList) const
{
    return m_dirs[nList].IsEmpty() ? CString() : m_dirs[nList][0];
}

void ParseStatusLineParts(const char* pszSeq, const char* pszSee, BYTE order[5], bool visible[5])
{
    bool bSeqEnded = !pszSeq, bSeeEnded = !pszSee;
    for (int i = 0; i < 5; ++i) {
        bSeqEnded = bSeqEnded || pszSeq[i] == '\0';
        bSeeEnded = bSeeEnded || pszSee[i] == '\0';
        int n = (bSeqEnded ? '0' : (unsigned char)pszSeq[i]) - '0';
        order[i] = (BYTE)(n < 0 ? 0 : n >= 5 ? 4 : n);
        visible[i] = !bSeeEnded && pszSee[i] == '1';
    }
    if (!IsStatusLinePartOrder(order))
        for (int i = 0; i < 5; ++i)
            order[i] = (BYTE)i;
}


bool IsStatusLinePartOrder(const BYTE order[5])
{
    bool seen[5] = {};
    for (int i = 0; i < 5; ++i) {
        if (order[i] >= 5 || seen[order[i]])
            return false;
        seen[order[i]] = true;
    }
    return true;
}

void FormatStatusLineParts(const BYTE order[5], const bool visible[5], CString& strSeq, CString& strSee)
{
    strSeq.Empty();
    strSee.Empty();
    for (int i = 0; i < 5; ++i) {
        strSeq += (char)('0' + order[i]);
        strSee += visible[i] ? '1' : '0';
    }
}

void SaveStatusLineParts(const BYTE order[5], const bool visible[5])
{
    CString strSeq, strSee;
    FormatStatusLineParts(order, visible, strSeq, strSee);
    PutStr("StatLinePartSeq", strSeq);
    PutStr("StatLineSeePart", strSee);
}

void LoadDirectoryList(CStringArray& list, const char* pszName)
{
    list.RemoveAll();
    if (ProfileGetInt(kSettings, "NewFmtPrefDirs", 0) != 0) {
        ProfileWriteString(pszName, "NumEntries", nullptr);
        WLGetProfileMultiString(kSettings, pszName, list);
    } else {
        int n = (int)ProfileGetInt(pszName, "NumEntries", 0);
        if (n > kMaxProfileListItems)
            n = kMaxProfileListItems;
        for (int i = n; i >= 1; --i) {
            CString strKey;
            strKey.Format("%d", i);
            list.InsertAt(0, ProfileGetString(pszName, strKey, ""));
        }
    }
    // Entries missing from a damaged list go.
    StandardizeDirectoryList(list, false);
}

void StandardizeDirectoryList(CStringArray& list, bool bKeepEmptyHead)
{
    CStringArray out;
    for (INT_PTR i = 0; i < list.GetSize(); ++i) {
        CString strDir = WindowsizedDirectory(list[i], true);
        bool bKeep = strDir.IsEmpty() ? bKeepEmptyHead && i == 0 : true;
        for (INT_PTR j = 0; bKeep && j < out.GetSize(); ++j)
            if (!strDir.IsEmpty() && out[j].CompareNoCase(strDir) == 0)
                bKeep = false;
        if (bKeep)
            out.Add(strDir);
    }
    list.Copy(out);
}

void SaveDirectoryList(const CStringArray& list, const char* pszName)
{
    WLWriteProfileMultiString(kSettings, pszName, list);
    ProfileWriteString(pszName, nullptr, nullptr);
    ProfileWriteInt(kSettings, "NewFmtPrefDirs", 1);
}

void CViewSettings::Load()
{
    for (int i = 0; i < kDirListCount; ++i)
        LoadDirectoryList(m_dirs[i], kDirListNames[i]);
    g_nPrevPrefPage = (int)ProfileGetInt(kSettings, "PrevPrefPage", 0);
    m_bSearchFwd = GetFlag(kFindRep, "SearchFwd", true);
    m_nPowerOff = (int)ProfileGetInt(kOptions, "PowerOff", 0);
    if (m_nPowerOff < 0 || m_nPowerOff > 2)
        m_nPowerOff = 0;
    g_bIgnoreConfigFileParseErrors = GetFlag(kOptions, "IgnoreConfigFileParseErrors", false);
    g_bAggregateStats = GetFlag(kOptions, "AggregateStats", true);
    CString strExe = GetStr("Emulator.exe", "Vornamic.exe");
    g_strProfileEmulatorExeName = strExe;
    if (g_strEmulatorExeName.IsEmpty())
        g_strEmulatorExeName = strExe;
    for (int i = 0; i < kFilterCount; ++i)
        m_strFilters[i] = GetStr(kFilters[i].pszKey, kFilters[i].pszDefault);
    m_strExtraCmdLineArgs = GetStr("ExtraCmdLineArgs", "EXTERNALGUI");
    m_bNoWarnExternalEdit = GetFlag(kSettings, "NoWarnExternalEdit", false);
    m_bNoWarnPowerOff = GetFlag(kSettings, "NoWarnPowerOff", false);
    m_bBeepWhenUtilityIsDone = GetFlag(kSettings, "BeepWhenUtilityIsDone", true);
    m_strPreferredEditor = GetStr("PreferredEditor");
    g_bPresumeTXF = GetFlag(kSettings, "PresumeTXF", false);
    m_bEnableSessDescDlg = GetFlag(kSettings, "EnableSessDescDlg", false);
    m_strSessDesc = GetStr("SessDesc");
    // An older release kept this folder with '/' separators.
    m_strPrevConfigDir = WindowsizedDirectory(GetStr("PrevConfigDir"), true);
    m_strPrevConfigFile = GetStr("PrevConfigFile");
    m_strPrevReaderFile = GetStr("PrevReaderFile");
    m_strPrevReaderParms = GetStr("PrevReaderParms");
    m_strPrevTapeFile = GetStr("PrevTapeFile");
    m_strPrevTapeParms = GetStr("PrevTapeParms");
    m_crBackground = ProfileGetInt(kSettings, "BGColor", 0xFFFFFF);
    m_strFontName = GetStr("FontName", "Courier New");
    m_nFontSize = (int)ProfileGetInt(kSettings, "FontSize", 10);
    m_bErrorMsgBeep = GetFlag(kSettings, "ErrorMsgBeep", false);
    m_bWarnMsgBeep = GetFlag(kSettings, "WarnMsgBeep", false);
    m_styles[0].crColor = ProfileGetInt(kSettings, kStyleKeys[0].pszColor, 0);
    for (int k = 1; k < 5; ++k)
        m_styles[k].crColor = ProfileGetInt(kSettings, kStyleKeys[k].pszColor, (int)m_styles[0].crColor);
    for (int k = 0; k < 5; ++k) {
        m_styles[k].bBold = GetFlag(kSettings, kStyleKeys[k].pszBold, false);
        m_styles[k].bItalic = GetFlag(kSettings, kStyleKeys[k].pszItalic, false);
    }
    m_strStatusFontName = GetStr("StatusFontName", "Courier New");
    m_nStatusFontSize = (int)ProfileGetInt(kSettings, "StatusFontSize", 10);
    m_bStatusOnBar = GetFlag(kSettings, "StatusOnBar", true);
    ParseStatusLineParts(GetStr("StatLinePartSeq", "01234"), GetStr("StatLineSeePart", "11011"),
                         m_nPartOrder, m_bPartVisible);
    m_strCmdTargetDir = GetStr("CmdTargetDir");
    if (m_strCmdTargetDir.IsEmpty())
        m_strCmdTargetDir = GetStr("SHCmdTargetDir");
}

void CViewSettings::Save() const
{
    PutInt(kSettings, "PrevPrefPage", g_nPrevPrefPage);
    PutInt(kFindRep, "SearchFwd", m_bSearchFwd);
    PutInt(kOptions, "PowerOff", m_nPowerOff);
    PutInt(kOptions, "IgnoreConfigFileParseErrors", g_bIgnoreConfigFileParseErrors);
    PutInt(kOptions, "AggregateStats", g_bAggregateStats);
    for (int i = 0; i < kDirListCount; ++i)
        SaveDirectoryList(m_dirs[i], kDirListNames[i]);
    PutInt(kSettings, "BGColor", (int)m_crBackground);
    PutStr("FontName", m_strFontName);
    PutInt(kSettings, "FontSize", m_nFontSize);
    for (int k = 0; k < 5; ++k) {
        PutInt(kSettings, kStyleKeys[k].pszColor, (int)m_styles[k].crColor);
        PutInt(kSettings, kStyleKeys[k].pszBold, m_styles[k].bBold);
        PutInt(kSettings, kStyleKeys[k].pszItalic, m_styles[k].bItalic);
    }
    PutInt(kSettings, "ErrorMsgBeep", m_bErrorMsgBeep);
    PutInt(kSettings, "WarnMsgBeep", m_bWarnMsgBeep);
    PutStr("StatusFontName", m_strStatusFontName);
    PutInt(kSettings, "StatusFontSize", m_nStatusFontSize);
    PutInt(kSettings, "StatusOnBar", m_bStatusOnBar);
    PutStr("PrevReaderFile", m_strPrevReaderFile);
    PutStr("PrevReaderParms", m_strPrevReaderParms);
    PutStr("PrevTapeFile", m_strPrevTapeFile);
    PutStr("PrevTapeParms", m_strPrevTapeParms);
    PutStr("PrevConfigDir", m_strPrevConfigDir);
    PutStr("PrevConfigFile", m_strPrevConfigFile);
    for (int i = 0; i < kFilterCount; ++i)
        PutStr(kFilters[i].pszKey, m_strFilters[i]);
    PutStr("ExtraCmdLineArgs", m_strExtraCmdLineArgs);
    PutInt(kSettings, "NoWarnExternalEdit", m_bNoWarnExternalEdit);
    PutInt(kSettings, "NoWarnPowerOff", m_bNoWarnPowerOff);
    PutInt(kSettings, "BeepWhenUtilityIsDone", m_bBeepWhenUtilityIsDone);
    PutStr("PreferredEditor", m_strPreferredEditor);
    PutInt(kSettings, "PresumeTXF", g_bPresumeTXF);
    PutInt(kSettings, "EnableSessDescDlg", m_bEnableSessDescDlg);
    PutStr("SessDesc", m_strSessDesc);
}

CString DefaultConfigFileName()
{
    const char* psz = std::getenv("VORNAMIC_CNF");
    return psz ? CString(psz) : CString("vornamic.cnf");
}

CString ChooseShellTargetDir(const CString& strStored, const CString& strConfigDir, const CString& strProgramDir)
{
    CString strDir = strStored;
    if (strDir.IsEmpty() || !IsValidDirectory(strDir))
        strDir = strConfigDir;
    if (strDir.IsEmpty() || !IsValidDirectory(strDir))
        strDir = strProgramDir;
    strDir.Replace('/', '\\');  // an older release may have kept it with '/'
    ProfileWriteString(kSettings, "CmdTargetDir", strDir);
    return strDir;
}
