// StandinOptions.cpp: command-line options of the stand-ins.
#include "tests/standins/StandinOptions.h"

#include <cerrno>
#include <cstdlib>

namespace {

bool ReadNumber(const std::string& s, unsigned long long nMax, unsigned long long& n)
{
    if (s.empty() || s[0] == '-')
        return false;
    char* pEnd = nullptr;
    errno = 0;
    n = std::strtoull(s.c_str(), &pEnd, 10);
    return errno == 0 && *pEnd == '\0' && n <= nMax;
}

}  // namespace

bool ParseStandinOptions(const std::vector<std::string>& args, SStandinOptions& options,
                         std::string& strError)
{
    static const char* const kWithValue[] = {
        "-f", "-r", "-b", "--script", "--do", "--record", "--rc", "--storage-kb", "--lifetime", "--kind" };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--no-devlist" || a == "--devlist-at-start") {
            options.bDevList = a == "--devlist-at-start";
            options.bDevReports = a == "--devlist-at-start";
            continue;
        }
        bool bTakesValue = false;
        for (const char* psz : kWithValue)
            bTakesValue = bTakesValue || a == psz;
        if (!bTakesValue) {
            options.operands.push_back(a);
            continue;
        }
        if (i + 1 >= args.size()) {
            strError = a + " needs a value";
            return false;
        }
        const std::string& v = args[++i];
        unsigned long long n = 0;
        if (a == "-f")
            options.strConfigFile = v;
        else if (a == "--script")
            options.strScriptFile = v;
        else if (a == "--do")
            options.doLines.push_back(v);
        else if (a == "--record")
            options.strRecordFile = v;
        else if (a == "--kind")
            options.strKind = v;
        else if (a == "--rc") {
            char* pEnd = nullptr;
            long rc = std::strtol(v.c_str(), &pEnd, 10);
            if (v.empty() || *pEnd != '\0') {
                strError = "bad --rc \"" + v + "\"";
                return false;
            }
            options.nReturnCode = (int)rc;
        } else if (a == "--storage-kb") {
            if (!ReadNumber(v, 1024 * 1024, n) || n == 0) {
                strError = "bad --storage-kb \"" + v + "\"";
                return false;
            }
            options.nStorageKB = n;
        } else if (a == "--lifetime") {
            if (!ReadNumber(v, 0xFFFFFFFEull, n)) {
                strError = "bad --lifetime \"" + v + "\"";
                return false;
            }
            options.nLifetimeMs = (DWORD)n;
        }
    }
    return true;
}
