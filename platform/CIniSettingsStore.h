// CIniSettingsStore.h: the settings store in an .INI file of our own
// reading and writing (not the system's profile functions), so that it
// behaves the same on every system and round-trips every value.
//
// File form: "[section]" lines and "key=value" lines; blanks around section
// names, keys and values are not part of them; lines that are neither
// (comments, blank lines, garbage) are kept as they are. A value that
// begins or ends with a blank, begins with a double quote or holds a control
// character is written in double quotes with \\ \" \n \r \t and \xHH escapes.
// The file is read once when the store is made; every write that changes
// an entry rewrites it (CR-LF lines), keeping the other sections and lines
// in their order; writing the value an entry already has leaves the file
// alone (the program writes whole groups of settings at once). The
// new text goes to a temporary file that takes the old one's place only
// once it is whole on the disk (SafeReplaceFile): a save that fails (a
// read-only file, a full disk) leaves the old file as it was, the store
// keeps every value, and the next write tries the whole file again. The
// first failure after a good save is reported through the save-failure hook.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "platform/CSettingsStore.h"

class CIniSettingsStore : public CSettingsStore {
public:
    explicit CIniSettingsStore(const char* pszPath);
    ~CIniSettingsStore() override;

    bool GetInt(const char* pszSection, const char* pszKey, int& nValue) const override;
    bool GetString(const char* pszSection, const char* pszKey, CString& strValue) const override;
    bool WriteInt(const char* pszSection, const char* pszKey, int nValue) override;
    bool WriteString(const char* pszSection, const char* pszKey, const char* pszValue) override;
    bool DeleteEntry(const char* pszSection, const char* pszKey) override;
    bool DeleteSection(const char* pszSection) override;
    // Inside BeginUpdate/EndUpdate the file is rewritten once, at the end.
    void BeginUpdate() override;
    bool EndUpdate() override;

    const CString& GetPath() const { return m_strPath; }

    // The last try before the program ends for what failed saves left only
    // here (the failure was reported once already, or not at all inside an
    // update): true when nothing is left unsaved; else false with the stage
    // and the system's error code of this failed save. The save-failure hook
    // is not called.
    bool SaveUnsaved(bool& bWriteFailed, DWORD& dwError);

    // Told the file, the stage and the system's error code of a failed save;
    // called once until a save succeeds again, with no lock held, on the
    // thread that wrote. Returns the previous hook.
    typedef void (*SaveFailedHook)(const char* pszPath, bool bWriteFailed, DWORD dwError);
    static SaveFailedHook SetSaveFailedHook(SaveFailedHook pfnHook);

    // The text form of a value in the file, and back (exposed for tests).
    static std::string EncodeValue(const std::string& value);
    static std::string DecodeValue(const std::string& text);

private:
    struct Line {
        std::string text;  // the whole line as in the file
        std::string key;   // empty for a line that is not an entry
    };
    struct Section {
        std::string name;  // empty for the lines before the first section
        bool bHeader;
        std::vector<Line> lines;
    };

    void Load();
    bool Save();
    bool Commit();  // Save, or remember to when inside an update
    void ReportSaveFailure();  // outside the lock
    Section* FindSection(const char* pszSection);
    const Section* FindSection(const char* pszSection) const;
    static Line* FindLine(Section& section, const char* pszKey);
    bool Put(const char* pszSection, const char* pszKey, const std::string& value);

    CString m_strPath;
    std::vector<Section> m_sections;
    int m_nUpdateDepth = 0;
    bool m_bDirty = false;
    bool m_bUnsaved = false;          // the last save failed
    bool m_bFailureReported = false;  // since the last good save
    bool m_bFailurePending = false;
    bool m_bFailureInWrite = false;
    DWORD m_dwFailureError = 0;
    bool m_bLastFailureInWrite = false;  // the last failed save's
    DWORD m_dwLastFailureError = 0;
    mutable std::mutex m_lock;
};
