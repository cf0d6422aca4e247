// LogFileScan.cpp: the numbered log files present in a folder, read
// through the standard library's file system functions.
#include <filesystem>
#include <system_error>

#include "session/LogFileNumbering.h"

std::vector<CLogFileFound> FindNumberedLogFiles(const CString& strFolder, const CString& strBaseName)
{
    namespace fs = std::filesystem;
    std::vector<CLogFileFound> files;
    std::error_code ec;
    fs::path folder(strFolder.IsEmpty() ? std::string(".") : strFolder.str());
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec))
            continue;
        int nNumber = NumberOfLogName(CString(it->path().filename().string()), strBaseName);
        if (nNumber < 0)
            continue;
        auto t = it->last_write_time(ec);
        files.push_back({nNumber, ec ? 0 : (LONGLONG)t.time_since_epoch().count()});
    }
    return files;
}
