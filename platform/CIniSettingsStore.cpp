// CIniSettingsStore.cpp: the settings store in an .INI file.
#include "platform/CIniSettingsStore.h"

#include <atomic>
#include <cstring>

#include "platform/CStdioFile.h"
#include "platform/NumberParse.h"
#include "platform/SafeFileReplace.h"
#include "platform/Trace.h"

namespace {

const char kBlanks[] = " \t";

std::atomic<CIniSettingsStore::SaveFailedHook> g_pfnSaveFailed{nullptr};

std::string Trim(const std::string& s)
{
    size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string::npos)
        return std::string();
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

bool EqualNoCase(const std::string& a, const char* b)
{
    return CString(a).CompareNoCase(b) == 0 && std::strlen(b) == a.size();
}

bool HasControl(const std::string& s)
{
    for (unsigned char c : s)
        if (c < 0x20 || c == 0x7F)
            return true;
    return false;
}

// Section names and keys must survive the file form unchanged.
bool IsValidSection(const char* psz)
{
    if (!psz || !*psz)
        return false;
    std::string s(psz);
    return Trim(s) == s && s.find(']') == std::string::npos && !HasControl(s);
}

bool IsValidKey(const char* psz)
{
    if (!psz || !*psz || *psz == '[' || *psz == ';')
        return false;
    std::string s(psz);
    return Trim(s) == s && s.find('=') == std::string::npos && !HasControl(s);
}

// A 32-bit integer: optional sign and decimal digits; unsigned values up to
// 4294967295 are taken as their 32-bit pattern.
bool ParseInt(const std::string& s, int& nValue)
{
    size_t i = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
    if (i == s.size() || s.size() - i > 10)
        return false;
    long long v = 0;
    for (size_t j = i; j < s.size(); ++j) {
        if (s[j] < '0' || s[j] > '9')
            return false;
        v = v * 10 + (s[j] - '0');
    }
    if (s[0] == '-')
        v = -v;
    if (v < -2147483648LL || v > 4294967295LL)
        return false;
    nValue = (int)(unsigned int)(long long)v;
    return true;
}

}  // namespace

std::string CIniSettingsStore::EncodeValue(const std::string& value)
{
    bool bQuote = !value.empty() && (Trim(value) != value || value[0] == '"' || HasControl(value));
    if (!bQuote)
        return value;
    std::string out = "\"";
    for (unsigned char c : value) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20 || c == 0x7F) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", c);
                out += hex;
            } else {
                out += (char)c;
            }
        }
    }
    return out + "\"";
}

std::string CIniSettingsStore::DecodeValue(const std::string& text)
{
    std::string s = Trim(text);
    if (s.size() < 2 || s.front() != '"' || s.back() != '"')
        return s;
    std::string out;
    for (size_t i = 1; i + 1 < s.size(); ++i) {
        char c = s[i];
        if (c != '\\' || i + 2 >= s.size()) {
            out += c;
            continue;
        }
        char e = s[++i];
        int hi = e == 'x' && i + 3 < s.size() ? HexDigitValue(s[i + 1]) : -1;
        int lo = hi >= 0 ? HexDigitValue(s[i + 2]) : -1;
        if (e == 'n') out += '\n';
        else if (e == 'r') out += '\r';
        else if (e == 't') out += '\t';
        else if (e == '\\' || e == '"') out += e;
        else if (lo >= 0) { out += (char)(hi * 16 + lo); i += 2; }
        else { out += '\\'; out += e; }  // not an escape: kept as written
    }
    return out;
}

CIniSettingsStore::CIniSettingsStore(const char* pszPath) : m_strPath(pszPath)
{
    Load();
}

CIniSettingsStore::~CIniSettingsStore()
{
    // A last try for what a failed save left only here (the file may have
    // been made writable meanwhile); nobody is told any more.
    if (m_bUnsaved)
        Save();
}

void CIniSettingsStore::Load()
{
    m_sections.assign(1, Section{std::string(), false, {}});
    CStdioFile file;
    if (!file.Open(m_strPath, CFile::modeRead | CFile::shareDenyWrite))
        return;  // no file yet: an empty store
    CString raw;
    while (file.ReadString(raw)) {
        const std::string& text = raw.str();
        std::string trimmed = Trim(text);
        size_t close = trimmed.rfind(']');
        if (!trimmed.empty() && trimmed[0] == '[' && close != std::string::npos) {
            m_sections.push_back(Section{Trim(trimmed.substr(1, close - 1)), true, {}});
            continue;
        }
        size_t eq = text.find('=');
        std::string key = eq == std::string::npos ? std::string() : Trim(text.substr(0, eq));
        if (!key.empty() && key[0] == ';')
            key.clear();
        m_sections.back().lines.push_back(Line{text, key});
    }
}

CIniSettingsStore::SaveFailedHook CIniSettingsStore::SetSaveFailedHook(SaveFailedHook pfnHook)
{
    return g_pfnSaveFailed.exchange(pfnHook);
}

bool CIniSettingsStore::Save()
{
    // Written as bytes, not through WriteString: a kept line may hold a NUL.
    std::string out;
    for (const Section& section : m_sections) {
        if (section.bHeader)
            out += "[" + section.name + "]\r\n";
        for (const Line& line : section.lines)
            out += line.text + "\r\n";
    }
    SafeReplaceResult r = SafeReplaceFile(m_strPath, CString(out));
    m_bUnsaved = r.eStage != kReplaceOk;
    if (r.eStage == kReplaceOk) {
        m_bFailureReported = false;
        return true;
    }
    m_bLastFailureInWrite = r.eStage == kReplaceWriteFailed;
    m_dwLastFailureError = r.dwError;
    WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "settings file \"%s\" not saved (%s failed, error %u); the old file stays\n",
                      m_strPath.GetString(), r.eStage == kReplaceWriteFailed ? "writing" : "opening",
                      (unsigned)r.dwError);
    if (!m_bFailureReported) {
        m_bFailureReported = true;
        m_bFailurePending = true;
        m_bFailureInWrite = r.eStage == kReplaceWriteFailed;
        m_dwFailureError = r.dwError;
    }
    return false;
}

void CIniSettingsStore::ReportSaveFailure()
{
    bool bWriteFailed;
    DWORD dwError;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (!m_bFailurePending)
            return;
        m_bFailurePending = false;
        bWriteFailed = m_bFailureInWrite;
        dwError = m_dwFailureError;
    }
    if (SaveFailedHook pfn = g_pfnSaveFailed.load())
        pfn(m_strPath, bWriteFailed, dwError);
}

bool CIniSettingsStore::SaveUnsaved(bool& bWriteFailed, DWORD& dwError)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_bFailurePending = false;  // told by the caller instead
    if (!m_bUnsaved && !m_bDirty)
        return true;
    m_bDirty = false;
    if (Save())
        return true;
    m_bFailurePending = false;
    bWriteFailed = m_bLastFailureInWrite;
    dwError = m_dwLastFailureError;
    return false;
}

bool CIniSettingsStore::Commit()
{
    if (m_nUpdateDepth > 0) {
        m_bDirty = true;
        return true;
    }
    return Save();
}

void CIniSettingsStore::BeginUpdate()
{
    std::lock_guard<std::mutex> lock(m_lock);
    ++m_nUpdateDepth;
}

bool CIniSettingsStore::EndUpdate()
{
    bool bSaved = true;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (m_nUpdateDepth > 0 && --m_nUpdateDepth == 0 && m_bDirty) {
            m_bDirty = false;
            bSaved = Save();
        }
    }
    ReportSaveFailure();
    return bSaved;
}

CIniSettingsStore::Section* CIniSettingsStore::FindSection(const char* pszSection)
{
    for (Section& section : m_sections)
        if (section.bHeader && EqualNoCase(section.name, pszSection))
            return &section;
    return nullptr;
}

const CIniSettingsStore::Section* CIniSettingsStore::FindSection(const char* pszSection) const
{
    return const_cast<CIniSettingsStore*>(this)->FindSection(pszSection);
}

CIniSettingsStore::Line* CIniSettingsStore::FindLine(Section& section, const char* pszKey)
{
    for (Line& line : section.lines)
        if (!line.key.empty() && EqualNoCase(line.key, pszKey))
            return &line;
    return nullptr;
}

bool CIniSettingsStore::GetString(const char* pszSection, const char* pszKey, CString& strValue) const
{
    if (!pszSection || !pszKey)
        return false;
    std::lock_guard<std::mutex> lock(m_lock);
    const Section* section = FindSection(pszSection);
    const Line* line = section ? FindLine(const_cast<Section&>(*section), pszKey) : nullptr;
    if (!line)
        return false;
    strValue = CString(DecodeValue(line->text.substr(line->text.find('=') + 1)));
    return true;
}

bool CIniSettingsStore::GetInt(const char* pszSection, const char* pszKey, int& nValue) const
{
    CString text;
    return GetString(pszSection, pszKey, text) && ParseInt(text.str(), nValue);
}

bool CIniSettingsStore::Put(const char* pszSection, const char* pszKey, const std::string& value)
{
    if (!IsValidSection(pszSection) || !IsValidKey(pszKey))
        return false;
    std::lock_guard<std::mutex> lock(m_lock);
    Section* section = FindSection(pszSection);
    if (!section) {
        m_sections.push_back(Section{pszSection, true, {}});
        section = &m_sections.back();
    }
    std::string text = std::string(pszKey) + "=" + EncodeValue(value);
    if (Line* line = FindLine(*section, pszKey)) {
        // The same value again changes nothing on the disk: no rewrite,
        // unless the last save failed and this write is to try again.
        if (line->text == text && !m_bUnsaved)
            return true;
        line->text = text;
    } else {
        // After the section's last line that is not blank, so that a blank
        // line before the next section stays there.
        auto it = section->lines.end();
        while (it != section->lines.begin() && Trim((it - 1)->text).empty())
            --it;
        section->lines.insert(it, Line{text, pszKey});
    }
    return Commit();
}

bool CIniSettingsStore::WriteString(const char* pszSection, const char* pszKey, const char* pszValue)
{
    if (!pszValue)
        return DeleteEntry(pszSection, pszKey);
    bool bSaved = Put(pszSection, pszKey, pszValue);
    ReportSaveFailure();
    return bSaved;
}

bool CIniSettingsStore::WriteInt(const char* pszSection, const char* pszKey, int nValue)
{
    bool bSaved = Put(pszSection, pszKey, std::to_string(nValue));
    ReportSaveFailure();
    return bSaved;
}

bool CIniSettingsStore::DeleteEntry(const char* pszSection, const char* pszKey)
{
    if (!pszSection || !pszKey)
        return false;
    bool bSaved = true;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        Section* section = FindSection(pszSection);
        Line* line = section ? FindLine(*section, pszKey) : nullptr;
        if (line) {
            section->lines.erase(section->lines.begin() + (line - section->lines.data()));
            bSaved = Commit();
        }
    }
    ReportSaveFailure();
    return bSaved;
}

bool CIniSettingsStore::DeleteSection(const char* pszSection)
{
    if (!pszSection)
        return false;
    bool bSaved = true;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        size_t before = m_sections.size();
        for (size_t i = m_sections.size(); i-- > 1;)
            if (m_sections[i].bHeader && EqualNoCase(m_sections[i].name, pszSection))
                m_sections.erase(m_sections.begin() + (std::ptrdiff_t)i);
        if (m_sections.size() != before)
            bSaved = Commit();
    }
    ReportSaveFailure();
    return bSaved;
}
