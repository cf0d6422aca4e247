// ConfigTestUtil.h: loading configuration texts written by a test.
#pragma once

#include <string>

#include "config/CVornConfigFile.h"
#include "tests/config/TempFile.h"

// Writes the text as a file of the temporary folder and loads it.
inline bool LoadText(CVornConfigFile& cfg, const TempDir& dir, const std::string& strText,
                     const char* pszName = "test.cnf")
{
    dir.Write(pszName, strText);
    return cfg.Load(dir.Folder().c_str(), pszName);
}

// The parse errors joined with "|" for compact expectations, without the
// one that pszSkip names.
inline std::string JoinedErrors(const CVornConfigFile& cfg, const char* pszSkip = nullptr)
{
    std::string s;
    for (const CString& str : cfg.m_parseErrors)
        if (!pszSkip || str != pszSkip)
            s += (s.empty() ? "" : "|") + str.str();
    return s;
}
