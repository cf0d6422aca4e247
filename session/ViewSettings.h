// ViewSettings.h: CViewSettings, the console view's stored preferences:
// read once at start-up from sections "Settings", "Settings\FindRep" and
// "Options" (missing entries take their defaults, values out of range are
// corrected) and written back when the view goes, in a fixed order. Also the
// eight folder lists, in the old per-list sections or the new stored lists.
#pragma once

#include "config/ConfigLimits.h"
#include "config/StartupObjects.h"
#include "platform/CArray.h"
#include "platform/CString.h"
#include "platform/Types.h"

// Process-wide values the view loads (the command line may set the
// emulator's name first).
extern int g_nPrevPrefPage;
extern bool g_bAggregateStats;
// g_strEmulatorExeName (config/StartupObjects.h): the command line's "-e".
// g_bPresumeTXF and g_bIgnoreConfigFileParseErrors (config/ConfigLimits.h):
// the live options the configuration model consults.

// One console text style: colour, bold, italic.
struct CConsoleTextStyle {
    DWORD crColor = 0;  // COLORREF
    bool bBold = false;
    bool bItalic = false;
};

// The folder lists, in their load and save order.
enum EDirList {
    kDirExecutables, kDirConfigFiles, kDirLogFiles, kDirReaderFiles,
    kDirPunchFiles, kDirPrinterFiles, kDirTapeFiles, kDirDiskFiles, kDirListCount
};
extern const char* const kDirListNames[kDirListCount];

// The file filters, in their load order.
enum EFileFilter {
    kFilterConfig, kFilterLog, kFilterReader, kFilterPunch, kFilterPrinter, kFilterTape,
    kFilterDisk, kFilterCount
};

class CViewSettings {
public:
    bool m_bSearchFwd = true;
    int m_nPowerOff = 0;  // 0 none, 1 exit, 2 ask
    CString m_strFilters[kFilterCount];
    CString m_strExtraCmdLineArgs = "EXTERNALGUI";
    bool m_bNoWarnExternalEdit = false;
    bool m_bNoWarnPowerOff = false;
    bool m_bBeepWhenUtilityIsDone = true;
    CString m_strPreferredEditor;
    bool m_bEnableSessDescDlg = false;
    CString m_strSessDesc;
    CString m_strPrevConfigDir, m_strPrevConfigFile;
    CString m_strPrevReaderFile, m_strPrevReaderParms;
    CString m_strPrevTapeFile, m_strPrevTapeParms;
    DWORD m_crBackground = 0xFFFFFF;
    CString m_strFontName = "Courier New";
    int m_nFontSize = 10;
    bool m_bErrorMsgBeep = false;
    bool m_bWarnMsgBeep = false;
    CConsoleTextStyle m_styles[5];  // by message kind
    CString m_strStatusFontName = "Courier New";
    int m_nStatusFontSize = 10;
    bool m_bStatusOnBar = true;
    BYTE m_nPartOrder[5] = {0, 1, 2, 3, 4};
    bool m_bPartVisible[5] = {true, true, false, true, true};
    CString m_strCmdTargetDir;  // "CmdTargetDir", or the older "SHCmdTargetDir"
    CStringArray m_dirs[kDirListCount];

    CViewSettings();

    // Reads every entry in the stored order (the folder lists first).
    void Load();
    // Writes the entries in the view's save order.
    void Save() const;

    // The first folder of a list, or an empty text.
    CString GetFirstDir(EDirList nList) const;
};

// The order and visibility of the five status-line parts from their texts:
// order[i] = character i - '0', below 0 read as 0, 5 and above as 4;
// visible[i] = character i is '1'; missing characters count as '0'. An order
// that is not a permutation of 0-4 (a repeated part, as a hand-edited
// "00000") becomes 0, 1, 2, 3, 4: every part keeps one position.
void ParseStatusLineParts(const char* pszSeq, const char* pszSee, BYTE order[5], bool visible[5]);
// True when the order holds each of the parts 0-4 exactly once.
bool IsStatusLinePartOrder(const BYTE order[5]);
// The stored texts of an order and visibility: "StatLinePartSeq" one digit
// per position, "StatLineSeePart" '1' for a shown part and '0' for a hidden one.
void FormatStatusLineParts(const BYTE order[5], const bool visible[5], CString& strSeq, CString& strSee);
// Writes both texts to "Settings" at once.
void SaveStatusLineParts(const BYTE order[5], const bool visible[5]);

// Reads one folder list: the new format ("Settings", a stored list) when
// "Settings"/"NewFmtPrefDirs" is set, else the old section named after the
// list ("NumEntries", "1" .. "n"); each folder in Windows form with a
// trailing backslash.
void LoadDirectoryList(CStringArray& list, const char* pszName);
// Every folder of a list in the one form the program keeps, shows and
// stores (Windows form, ending in a backslash), each folder once (the first of the spellings
// that differ only in letter case or separators), empty entries dropped but
// for an empty head with bKeepEmptyHead (a kind without a folder in force).
void StandardizeDirectoryList(CStringArray& list, bool bKeepEmptyHead);
// Writes a folder list in the new format, deletes its old section and marks
// the new format in use.
void SaveDirectoryList(const CStringArray& list, const char* pszName);

// The shell command's target folder at start-up: the stored one (the older
// entry when the new one is empty) when it is a valid folder, else the
// configuration folder when valid, else the program folder; in Windows form
// and written back under "Settings"/"CmdTargetDir".
CString ChooseShellTargetDir(const CString& strStored, const CString& strConfigDir, const CString& strProgramDir);

// The default configuration file name: the environment variable
// VORNAMIC_CNF, or "vornamic.cnf" when it is not set.
CString DefaultConfigFileName();
