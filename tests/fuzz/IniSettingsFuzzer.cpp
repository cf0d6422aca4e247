// IniSettingsFuzzer.cpp: a settings file of any content (written by hand or
// damaged) read by the .INI settings store. Every entry that could be read
// must read the same after the store has written one value and a stored list
// into the file and the file has been read again: a write loses nothing
// else, and what was written comes back exactly. A remembered window
// position read from any section comes out ordered and fits the work area.
#include <memory>
#include <string>
#include <vector>

#include "framework/WindowPositionRecord.h"
#include "platform/CIniSettingsStore.h"
#include "platform/ProfileStore.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

struct Entry {
    std::string strSection, strKey;
    bool bFound = false;
    CString strValue;
};

std::string Trim(const std::string& s)
{
    const size_t first = s.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string> Lines(const uint8_t* data, size_t size)
{
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < size; i++) {
        if (data[i] == '\n')
            lines.emplace_back();
        else
            lines.back() += (char)data[i];
    }
    return lines;
}

// The text up to an embedded NUL, as the store's callers pass names.
std::string CText(const std::string& s)
{
    return std::string(s.c_str());
}

// Section and key names as a reader of the file would take them.
std::vector<Entry> Candidates(const std::vector<std::string>& lines)
{
    std::vector<Entry> entries;
    std::string strSection;
    for (const std::string& line : lines) {
        const std::string strTrimmed = Trim(line);
        const size_t nClose = strTrimmed.rfind(']');
        if (!strTrimmed.empty() && strTrimmed[0] == '[' && nClose != std::string::npos) {
            strSection = CText(Trim(strTrimmed.substr(1, nClose - 1)));
            continue;
        }
        const size_t nEq = line.find('=');
        if (nEq != std::string::npos && entries.size() < 32)
            entries.push_back(Entry{strSection, CText(Trim(line.substr(0, nEq)))});
    }
    return entries;
}

void Read(const CSettingsStore& store, Entry& e)
{
    e.bFound = store.GetString(e.strSection.c_str(), e.strKey.c_str(), e.strValue);
    int n = 0;
    store.GetInt(e.strSection.c_str(), e.strKey.c_str(), n);
}

bool SameNoCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && CString(a).CompareNoCase(b.c_str()) == 0;
}

void CheckWindowPosition(const std::string& strSection)
{
    const RECT rcDefault = {10, 20, 300, 200};
    const RECT rcArea = {0, 0, 1280, 1024};
    WindowPositionRecord rec = {};
    if (!ReadWindowPosition(strSection.c_str(), rcDefault, rec))
        return;
    FUZZ_CHECK(rec.rcNormal.left <= rec.rcNormal.right && rec.rcNormal.top <= rec.rcNormal.bottom);
    const RECT rc = FitRectIntoArea(rec.rcNormal, rcArea);
    FUZZ_CHECK(rc.left >= rcArea.left && rc.right <= rcArea.right && rc.left <= rc.right);
    FUZZ_CHECK(rc.top >= rcArea.top && rc.bottom <= rcArea.bottom && rc.top <= rc.bottom);
}

const char kListSection[] = "Fuzz Lists";
const char kListKey[] = "Recent";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string strPath = WriteFuzzTempFile("settings.ini", data, size);
    const std::vector<std::string> lines = Lines(data, size);
    std::vector<Entry> entries = Candidates(lines);

    SetSettingsStore(std::make_unique<CIniSettingsStore>(strPath.c_str()));
    CSettingsStore& store = *GetSettingsStore();
    for (Entry& e : entries)
        Read(store, e);
    CStringArray listBefore;
    WLGetProfileMultiString(kListSection, kListKey, listBefore);
    for (size_t i = 0; i < entries.size() && i < 4; i++)
        CheckWindowPosition(entries[i].strSection);

    // The first entry found gets the last line as its new value (a new entry
    // when none was found); the lines become a stored list.
    Entry target{"Fuzz", "Value", true, CString(lines.back().c_str())};
    for (const Entry& e : entries)
        if (e.bFound) {
            target.strSection = e.strSection;
            target.strKey = e.strKey;
            break;
        }
    const bool bWritten = store.WriteString(target.strSection.c_str(), target.strKey.c_str(), target.strValue);
    CStringArray list;
    for (size_t i = 0; i < lines.size() && i < 8; i++)
        list.Add(CString(lines[i].c_str()));
    FUZZ_CHECK(WLWriteProfileMultiString(kListSection, kListKey, list));

    SetSettingsStore(std::make_unique<CIniSettingsStore>(strPath.c_str()));
    const CSettingsStore& again = *GetSettingsStore();
    for (const Entry& e : entries) {
        if (SameNoCase(e.strSection, target.strSection) && SameNoCase(e.strKey, target.strKey))
            continue;
        if (SameNoCase(e.strSection, kListSection))
            continue;
        Entry now{e.strSection, e.strKey};
        Read(again, now);
        FUZZ_CHECK(now.bFound == e.bFound && now.strValue == e.strValue);
    }
    if (bWritten) {
        Entry now = target;
        Read(again, now);
        FUZZ_CHECK(now.bFound && now.strValue == target.strValue);
    }
    CStringArray listAfter;
    FUZZ_CHECK(WLGetProfileMultiString(kListSection, kListKey, listAfter) == list.GetSize());
    for (INT_PTR i = 0; i < list.GetSize(); i++)
        FUZZ_CHECK(listAfter[i] == list[i]);
    SetSettingsStore(nullptr);
    return 0;
}
