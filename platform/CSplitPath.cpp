// CSplitPath.cpp: full paths split into their parts.
#include "platform/CSplitPath.h"

#include <string>
#include <vector>

#include "platform/PathFunctions.h"

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// Splits off the drive ("C:" or a network "\\server\share") and returns the
// rest of the path. "\:x" is a folder ":x" of the root, not a drive.
std::string TakeDrive(const std::string& path, std::string& drive)
{
    if (path.size() >= 2 && path[1] == ':' && !IsSeparator(path[0])) {
        drive = path.substr(0, 2);
        return path.substr(2);
    }
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        // The share is the next name after the server, past any doubled
        // separators; a server without one is a drive too. So the drive
        // never ends in a separator, and a re-split gives the same parts.
        const size_t npos = std::string::npos;
        size_t server = path.find_first_of("/\\", 2);
        size_t shareStart = server == npos ? npos : path.find_first_not_of("/\\", server);
        size_t share = shareStart == npos ? npos : path.find_first_of("/\\", shareStart);
        drive = "\\\\" + path.substr(2, server == npos ? npos : server - 2);
        if (shareStart != npos)
            drive += "\\" + path.substr(shareStart, share == npos ? npos : share - shareStart);
        return share == npos ? "\\" : path.substr(share);
    }
    drive.clear();
    return path;
}

// The parts of a path, resolving "." and "..".
std::vector<std::string> ResolveParts(const std::string& rest)
{
    std::vector<std::string> parts;
    size_t i = 0;
    while (i <= rest.size()) {
        size_t j = rest.find_first_of("/\\", i);
        if (j == std::string::npos)
            j = rest.size();
        std::string part = rest.substr(i, j - i);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        i = j + 1;
    }
    return parts;
}

}  // namespace

void CSplitPath::Split(const char* pszPath)
{
    m_strDrive.Empty();
    m_strDir.Empty();
    m_strName.Empty();
    m_strExt.Empty();
    std::string path(pszPath ? pszPath : "");
    if (path.empty())
        return;
    size_t lastSep = path.find_last_of("/\\");
    std::string last = path.substr(lastSep == std::string::npos ? 0 : lastSep + 1);
    bool bIsFolder = last.empty() || last == "." || last == ".." || last.back() == ':';
    std::string drive;
    std::string rest = TakeDrive(path, drive);
    if (rest.empty() || !IsSeparator(rest[0])) {
        // Relative: below the current directory (of that drive, when it is the current one).
        std::string cwdDrive;
        std::string cwdRest = TakeDrive(GetStdCurrentDirectory().str(), cwdDrive);
        if (drive.empty() || CString(drive).CompareNoCase(cwdDrive.c_str()) == 0)
            rest = cwdRest + "/" + rest;
        if (drive.empty())
            drive = cwdDrive;
    }
    std::vector<std::string> parts = ResolveParts(rest);
    if (!bIsFolder && !parts.empty()) {
        std::string file = parts.back();
        parts.pop_back();
        size_t dot = file.rfind('.');
        m_strName = CString(file.substr(0, dot));
        if (dot != std::string::npos)
            m_strExt = CString(file.substr(dot));
    }
    std::string dir = "\\";
    for (const std::string& part : parts)
        dir += part + "\\";
    m_strDrive = CString(drive);
    m_strDir = CString(dir);
}
