// FuzzTempFile.cpp: the scratch folder of a fuzz process.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/fuzz/FuzzSupport.h"

namespace {

std::string s_strFolder;

void RemoveFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(s_strFolder, ec);
}

} // namespace

const std::string& FuzzTempFolder()
{
    if (s_strFolder.empty()) {
        const char* pszTmp = std::getenv("TMPDIR");
        std::string strTemplate = std::string(pszTmp && *pszTmp ? pszTmp : "/tmp") + "/vornfuzz-XXXXXX";
        FUZZ_CHECK(mkdtemp(&strTemplate[0]) != nullptr);
        s_strFolder = strTemplate + "/";
        std::atexit(RemoveFolder);
    }
    return s_strFolder;
}

std::string WriteFuzzTempFile(const char* pszName, const uint8_t* data, size_t size)
{
    const std::string strPath = FuzzTempFolder() + pszName;
    std::ofstream file(strPath, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), (std::streamsize)size);
    FUZZ_CHECK(file.good());
    return strPath;
}
