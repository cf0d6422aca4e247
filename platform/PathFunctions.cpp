// PathFunctions.cpp: standard and Windows forms of folder texts.
#include "platform/PathFunctions.h"

#include <string>

#include "platform/TextFunctions.h"

CString g_strWindowsizedDefaultInitialDir;

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool IsRoot(const std::string& s)
{
    return s.size() == 1 || (s.size() == 3 && s[1] == ':');
}

CString NormalizeDirectory(const char* pszDir, bool bTrailingSeparator, char chSep)
{
    CString trimmed(pszDir);
    TrimBlanks(trimmed);
    const std::string& in = trimmed.str();
    std::string out;
    for (size_t i = 0; i < in.size(); ++i) {
        bool bSep = IsSeparator(in[i]);
        if (bSep && i > 1 && IsSeparator(in[i - 1]))
            continue;  // doubled separator; the leading pair of a network path stays
        out += bSep ? chSep : in[i];
    }
    if (out.empty())
        return CString();
    bool bEndsInSep = IsSeparator(out.back());
    if (bTrailingSeparator && !bEndsInSep)
        out += chSep;
    else if (!bTrailingSeparator && bEndsInSep && !IsRoot(out) && out != std::string(2, chSep))
        out.pop_back();
    return CString(out);
}

}  // namespace

CString StandardizedDirectory(const char* pszDir, bool bTrailingSeparator)
{
    return NormalizeDirectory(pszDir, bTrailingSeparator, '/');
}

CString WindowsizedDirectory(const char* pszDir, bool bTrailingSeparator)
{
    return NormalizeDirectory(pszDir, bTrailingSeparator, '\\');
}
