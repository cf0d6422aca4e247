// CSplitPath.h: a path made full and split into drive, directory, file name
// and extension (Windows form, backslashes). A relative path is taken
// relative to the current directory; "." and ".." parts are resolved, and
// ".." never climbs above the root. An empty path gives empty parts.
#pragma once

#include "platform/CString.h"

class CSplitPath {
public:
    CSplitPath() = default;
    explicit CSplitPath(const char* pszPath) { Split(pszPath); }

    void Split(const char* pszPath);

    const CString& GetDrive() const { return m_strDrive; }      // "C:", or "\\server\share"
    const CString& GetDirectory() const { return m_strDir; }    // "\dir\sub\"
    const CString& GetFileName() const { return m_strName; }    // "file"
    const CString& GetExtension() const { return m_strExt; }    // ".ext" (from the last dot)
    CString GetFullPathOnly() const { return m_strDrive + m_strDir; }
    CString GetFileNameAndExt() const { return m_strName + m_strExt; }
    CString GetFullPath() const { return GetFullPathOnly() + GetFileNameAndExt(); }

private:
    CString m_strDrive;
    CString m_strDir;
    CString m_strName;
    CString m_strExt;
};
