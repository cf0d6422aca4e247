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

// A full disk for a test while it lives: the host keeps each file the process
// (or a child it starts) writes within the size set, natively and under Wine,
// as a full disk does; Set is false where it cannot (Windows itself).
struct FileSizeLimit {
    ~FileSizeLimit() { Lift(); }
    bool Set(unsigned long nBytes);
    void Lift() { Set(~0UL); }
};
