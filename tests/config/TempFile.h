// TempFile.h: files that a test writes into its own temporary folder, removed
// when the test object goes.
#pragma once

#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Folder with its trailing separator.
    const std::string& Folder() const { return m_strFolder; }
    // Writes the bytes to a file of that name in the folder; returns its path.
    std::string Write(const std::string& strName, const std::string& strBytes) const;
    std::string Path(const std::string& strName) const { return m_strFolder + strName; }

private:
    std::string m_strFolder;
};

// The whole file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::string& strPath);

// A full disk for a test: no file that the process (or a child it starts)
// writes grows past the limit set, the system taking a write that crosses
// it in part and refusing the next, as on a full disk. The host's own
// limit: natively, and under Wine, which runs a program as a host process.
class FileSizeLimit {
public:
    FileSizeLimit() = default;
    ~FileSizeLimit() { Lift(); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    static bool Available();  // false on Windows itself
    void Set(unsigned long nBytes);
    void Lift() { Set(~0UL); }
};
