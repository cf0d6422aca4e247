// TempFile.cpp: see TempFile.h.
#include "tests/config/TempFile.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

TempDir::TempDir()
{
    static std::atomic<int> s_nNext{0};
    const auto nTicks = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path dir = fs::temp_directory_path()
        / ("vorncfg_" + std::to_string(nTicks) + "_" + std::to_string(s_nNext++));
    fs::create_directories(dir);
    m_strFolder = dir.string() + (char)fs::path::preferred_separator;
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::remove_all(fs::path(m_strFolder), ec);
}

std::string TempDir::Write(const std::string& strName, const std::string& strBytes) const
{
    const std::string strPath = Path(strName);
    std::ofstream out(strPath, std::ios::binary);
    out.write(strBytes.data(), (std::streamsize)strBytes.size());
    return strPath;
}

std::string ReadBytes(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

#ifdef _WIN32
#include <windows.h>

// The host's calls of a 32-bit program: ugetrlimit, signal and setrlimit,
// for the size of files (1) and the signal past it (25), ignored (1).
bool FileSizeLimit::Set(unsigned long nBytes)
{
    auto call = [](long nCall, long a, long b) {
        __asm__ volatile("int $0x80" : "+a"(nCall) : "b"(a), "c"(b) : "memory");
        return nCall;
    };
    unsigned long limit[2];
    if (!::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") || call(191, 1, (long)limit) != 0)
        return false;
    limit[0] = nBytes < limit[1] ? nBytes : limit[1];
    call(48, 25, 1);
    return call(75, 1, (long)limit) == 0;
}
#else
#include <signal.h>
#include <sys/resource.h>

bool FileSizeLimit::Set(unsigned long nBytes)
{
    rlimit limit;
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = nBytes < limit.rlim_max ? nBytes : limit.rlim_max;
    ::signal(SIGXFSZ, SIG_IGN);
    return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}
#endif
