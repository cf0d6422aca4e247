// MyCommandLineInfo.h: CMyCommandLineInfo, what VornGUI takes from its
// command line:
//   -e [emulator-exename]  -f config-pathname  -i [.INI-pathname]
//   -n [registry-appname]  -?  (and -r run-command file, -b logo file of a
//   new configuration, which the usage text does not list)
// Flag letters in any case; an argument may be glued to its flag (then it is
// lower-cased with the flag) or follow it as the next parameter (case kept).
// No parameter is taken as a document name. Window-free: the application
// shows the collected messages and then the usage.
#pragma once

#include <vector>

#include "platform/CCommandLineInfo.h"

class CMyCommandLineInfo : public CCommandLineInfo {
public:
    void ParseParam(const char* pszParam, bool bFlag, bool bLast) override;

    bool m_bError = false;  // a parameter was wrong, or "-?" was given
    std::vector<CString> m_messages;  // error texts, in the order they arose

    CString m_strEmulatorExeName;   // -e
    CString m_strConfigFile;        // -f
    CString m_strRCFile;            // -r
    CString m_strLogoFile;          // -b
    bool m_bUseIniFile = false;     // -i given
    CString m_strIniFile;           // -i argument (empty: the default name)
    CString m_strRegistryAppName;   // -n

private:
    void ParseFlag(CString strParam, bool bLast);
    void ParseWord(const CString& strParam);
    void StoreArgument(char chFlag, const CString& strArg);
    void Error(const CString& strMessage);
    void ReportMissing(char chFlag);

    // The flag whose argument may come as the next parameter (empty: none).
    CString m_strPending;
};
