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
