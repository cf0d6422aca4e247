// CpuTypesList.h: the CPU model list "cpu-types.txt", window-free: entries
// of a text to show, a 4-character model number and a 2-character version
// code, read from the file in one of its two formats, and the entry the
// model list opens at.
//
// Lines are split at ';': field 1 before the first ';' (none when the line
// starts with ';'), fields 2 to 4 between the following ones, field 5 the
// two characters after the fourth. Format 1 shows fields 1 and 3, format 2
// field 1 and fields 2 and 3 joined; a line beginning "$$format2" (in any
// case) switches to format 2 for the rest of the file. Blank lines, lines
// beginning with '#' and lines that do not fit are skipped silently.
#pragma once

#include <vector>

#include "platform/CString.h"

struct CpuTypeEntry {
    CString strText;
    CString strModel;
    CString strVersion;
};

class CCpuTypesList {
public:
    // Reads the first of the two files that opens (read-only, others may
    // not write meanwhile); false, the list empty, when neither does.
    bool Load(const CString& strFirstPath, const CString& strSecondPath);
    bool LoadFile(const CString& strPath);
    // Reads one line in the format in force (the header line switches it).
    void AddLine(const CString& strLine);
    void Clear();

    const std::vector<CpuTypeEntry>& Entries() const { return m_entries; }
    bool IsEmpty() const { return m_entries.empty(); }

    // The item the list opens at: the remembered entry's text when given
    // (-1 when it is gone); else by model and version: with a blank or not
    // 4-character model the first item; the first entry with the model and
    // the version (any version when strVersion is empty), else the first with
    // the model, else the first item. -1 only for an empty list or a lost
    // remembered entry.
    int FindStart(const CString& strRemembered, const CString& strModel, const CString& strVersion) const;

private:
    std::vector<CpuTypeEntry> m_entries;
    bool m_bFormat2 = false;
};
