// CVornConfigFile.h: one emulator configuration file in memory: the console's
// header values, one member for every system statement the console edits,
// the devices, the facility list, the statements kept without being
// understood, the raw lines and the problems found while reading. Every
// member is held by value: copies and comparisons are of whole configurations.
#pragma once

#include "config/CArchLvls.h"
#include "config/CCKDParms.h"
#include "config/CDevMap.h"
#include "platform/CArray.h"
#include "platform/CList.h"
#include "platform/CString.h"

class CVornConfigFile;

// Where a parse in parts stands: the next raw line, the statements met so
// far, and the error text of the line before (recorded as the next begins).
struct SConfigParse {
    INT_PTR nNextLine = 0;
    int nStatements = 0;
    CString strError;
};

// A system-statement handler: configuration, raw line, tokens (keyword at the
// head) and the statement's error text, to which it appends messages that
// each begin with a line feed. The result is not used.
typedef bool (*SysStmtHandler)(CVornConfigFile& cfg, const CString& strLine, CStringList& tokens,
                               CString& strError);

struct SysStmtRow {
    const char* pszKeyword; // null in the end row
    SysStmtHandler pfnHandler;
};

// The system-statement keywords, searched from the first row without regard
// to case; the first equal row wins.
extern const SysStmtRow g_SysStmtTable[];

enum { kMaxEngines = 64 };

class CVornConfigFile {
public:
    CVornConfigFile() { Reset(); }
    CVornConfigFile(const CString& strFolder, const CString& strFileName) { Load(strFolder, strFileName); }
    explicit CVornConfigFile(const CString& strFullPath) { Load(strFullPath); }

    // Every member to its default; devices, facilities and the lists emptied.
    void Reset();
    bool operator==(const CVornConfigFile& other) const;
    bool operator!=(const CVornConfigFile& other) const { return !(*this == other); }

    CString GetFullPath() const { return m_strFolder + m_strFileName; }
    bool HasPath() const { return !GetFullPath().IsEmpty(); }

    // A copy of every device, sorted by class, then by map key.
    void GetSortedDevices(CArray<CVornDevice, const CVornDevice&>& devices) const;
    // True when a device of any LCSS has this device number.
    bool IsDevNumDefined(WORD wDevnum) const;

    // Reading (ConfigFileReader.cpp). Load resets, sets the path and parses;
    // the result is true when the file was read and nothing went wrong.
    bool Load(const CString& strFolder, const CString& strFileName);
    bool Load(const CString& strFullPath);
    bool Parse();
    // The same parse in parts, so that a file of thousands of statements is
    // read over several steps of the window: BeginParse reads the lines
    // (false as Parse when the file cannot be read or is empty), then each
    // ContinueParse parses up to nLines more of them and is true once the
    // file is parsed and checked as a whole; the result is then
    // !m_bHasErrors, as Parse's.
    bool BeginParse(SConfigParse& parse);
    bool ContinueParse(SConfigParse& parse, size_t nLines);
    bool ReadLines();
    // Appends a numbered error, continuation lines indented under the first.
    void AddParseError(int nLine, const CString& strMessage);

    // Writing (ConfigFileWriter.cpp): 0 when the file was written, 13 when the
    // configuration may not be saved, else the system's error code. The old
    // file stays as it was unless the whole new one could be written.
    DWORD Save(bool bShowErrors);
    DWORD SaveAs(const CString& strFolder, const CString& strFileName);
    DWORD SaveAs(const CString& strFullPath);
    // One statement for devices that differ only by device number.
    static CString FormatDeviceGroup(const CArray<CVornDevice, const CVornDevice&>& group);

    // Device statements (ConfigDeviceStmt.cpp).
    static bool ParseDeviceStatement(const CString& strStmt, CVornDevice& dev, CString& strError);
    bool AddDevice(const CString& strStmt, CString& strError);
    bool AddDeviceList(const CString& strStmt, const CStringArray& tokens, CString& strError);
    bool AddDeviceListItem(const CString& strItem, int& nChannel, const CString& strRest,
                           CString& strError);
    bool AddDeviceRange(WORD wFirst, WORD wLast, BYTE bLcss, int& nChannel, const CString& strRest,
                        CString& strError);

    // System-statement handlers, one a keyword (rows of g_SysStmtTable).
    static bool KeepStatement(CVornConfigFile& cfg, const CString& strLine, CStringList& tokens, CString& strError);
    static bool ParseDefsymStmt(CVornConfigFile& cfg, const CString& strLine, CStringList& tokens, CString& strError);
    static bool ParseArchlvlStmt(CVornConfigFile& cfg, const CString& strLine, CStringList& tokens, CString& strError);
    static bool ParseFacilityStmt(CVornConfigFile& cfg, const CString& strLine, CStringList& tokens, CString& strError);
#define VORN_SYSSTMT_HANDLER(name) \
    static bool name(CVornConfigFile& cfg, const CString& strLine, CStringList& tokens, CString& strError);
#include "config/SysStmtHandlers.inc"
#undef VORN_SYSSTMT_HANDLER

    // Header values ("# Key: value" comments).
    CString m_strDescription;
    int m_nMaxShutdownSecs;
    CString m_strLoadUnit;
    CString m_strRCFile;
    CString m_strLogoFile;
    // Identification.
    CString m_strCPUSerial;
    CString m_strCPUModel;
    CString m_strCPUVersion;
    int m_nCPUModelLine;    // line of the CPUMODEL statement
    int m_nCurrentLine;     // line number during a parse
    // During a parse: a problem was left out under "# IgnoreParseErrors: 1".
    bool m_bErrorsHidden;
    DWORD m_dwEngineTypes[kMaxEngines];
    // Storage and processors.
    bool m_bSizesWithSuffix;
    UINT64 m_ullMainSize;
    UINT64 m_ullXpndSize;
    int m_nMaxCPUs;
    int m_nNumCPUs;
    int m_nNumVec;
    bool m_bMaxCPUGiven;
    bool m_bNumCPUGiven;
    CString m_strLoadParm;
    CString m_strLparNum;
    CString m_strCPUIdFmt;
    CString m_strLparName;
    CString m_strModel[4];
    CString m_strPlant;
    CString m_strManufacturer;
    UINT m_nShrdPort;
    // HTTP server.
    bool m_bHttpStart;
    int m_nHttpPort;
    CString m_strHttpUser;
    CString m_strHttpPassword;
    CString m_strHttpRoot;
    // Clock.
    int m_nSysEpoch;
    int m_nYrOffset;
    CString m_strTzOffset;
    // Panel and ports.
    int m_nPanRate;
    int m_nCnslPort;
    int m_nSysgPort;
    bool m_bSysgPortEnabled;
    int m_nKpAlvIdle;
    int m_nKpAlvIntv;
    int m_nKpAlvCount;
    int m_nTimerInt;
    double m_dTodDrag;
    int m_nIODelay;
    WORD m_wOsTailor;
    UINT64 m_ullPgmTraceExclude; // PGMTRACE codes written with "-"
    UINT64 m_ullPgmTraceInclude; // PGMTRACE codes written with "+"
    int m_nDevTMax;
    int m_nEcpsvmEnabled;
    int m_nEcpsvmLevel;
    bool m_bEcpsvmTrap;
    int m_nArchMode;             // 0 S/370, 1 ESA/390, 2 z/Arch
    CArchLvls m_archLvls;        // FACILITY and ARCHLVL statements in file order
    bool m_bArchLvlGiven;
    CString m_strCodePage;
    CString m_strTraceOpt;
    bool m_bNoCh9Oflow;
    bool m_bPanNamesOnly;
    bool m_bPanOptGiven;
    int m_nMsgColor;             // -1 none, 0 NO, 1 DARK, 2 LIGHT
    CString m_strPanTitle;
    int m_nDiag8CmdEnabled;
    int m_nDiag8CmdEcho;
    int m_nShCmdOpt;             // 0, 1 or 2
    bool m_bScsiMountKeyword;    // written as SCSIMOUNT, not AUTO_SCSI_MOUNT
    int m_nScsiMountEnabled;
    int m_nScsiMountSecs;
    bool m_bMountedTapeReinit;
    bool m_bAutoInit;
    bool m_bLegacySenseId;
    CString m_strLdMod;
    CString m_strModPath;
    CString m_strNetDev;
    bool m_bCCKDGiven;
    bool m_bCCKDFlag;
    CCKDParms m_cckd;
    bool m_bHasErrors;
    bool m_bIgnoreParseErrors;
    bool m_bPgmPrdOsLicensed;
    CDevMap m_devices;
    CString m_strFolder;         // with its trailing separator
    CString m_strFileName;
    CStringArray m_lines;        // raw lines, kept only after a parse with errors
    CStringArray m_defsyms;      // raw DEFSYM lines
    CStringArray m_keptStmts;    // unrecognised and verbatim statements
    CStringArray m_parseErrors;

private:
    void ParseHeaderComment(const CString& strLine);
    void ParseStatement(const CString& strLine, CString& strError);
    void DispatchStatement(const CString& strLine, CStringArray& tokens, CString& strError);
    void CheckTxfAtEnd();
};

// qsort order of devices: by class index, then by (LCSS << 16) + device number.
int CompareDevices(const void* p1, const void* p2);

// Destroys a configuration created with new.
void DeleteConfigFile(CVornConfigFile* pConfig);

// Same count and the same texts, case-sensitively, in the same order.
bool StringListsEqual(const CStringArray& a, const CStringArray& b);
