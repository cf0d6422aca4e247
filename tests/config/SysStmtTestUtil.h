// SysStmtTestUtil.h: runs single system statements through the keyword table
// as the reader does, and a settings store in memory for the settings that
// statements consult.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "config/CVornConfigFile.h"
#include "config/ConfigLimits.h"
#include "platform/ProfileStore.h"
#include "platform/TextFunctions.h"

// Tokenises the line, finds its keyword's row and calls the handler; returns
// the statement's error text. An unknown keyword gives "<no row>".
inline CString RunStatement(CVornConfigFile& cfg, const char* pszLine)
{
    CStringList tokens;
    ParseStmt(pszLine, tokens);
    CString strError;
    for (const SysStmtRow* pRow = g_SysStmtTable; pRow->pszKeyword; ++pRow) {
        if (!tokens.IsEmpty() && tokens.GetHead().CompareNoCase(pRow->pszKeyword) == 0) {
            pRow->pfnHandler(cfg, pszLine, tokens, strError);
            return strError;
        }
    }
    return "<no row>";
}

// A statement with the error text it must give.
struct StmtCase {
    const char* pszLine;
    const char* pszError;
};

// One of the live options (g_bPresumeTXF, g_bIgnoreConfigFileParseErrors)
// set for the lifetime of the object.
class ScopedLiveOption {
public:
    ScopedLiveOption(bool& bOption, bool bValue) : m_bOption(bOption), m_bOld(bOption) { bOption = bValue; }
    ~ScopedLiveOption() { m_bOption = m_bOld; }
    ScopedLiveOption(const ScopedLiveOption&) = delete;
    ScopedLiveOption& operator=(const ScopedLiveOption&) = delete;

private:
    bool& m_bOption;
    bool m_bOld;
};

// Settings kept in memory, installed for the lifetime of the object.
class ScopedMemorySettings {
public:
    ScopedMemorySettings() { SetSettingsStore(std::make_unique<Store>()); }
    ~ScopedMemorySettings() { SetSettingsStore(nullptr); }
    ScopedMemorySettings(const ScopedMemorySettings&) = delete;
    ScopedMemorySettings& operator=(const ScopedMemorySettings&) = delete;

private:
    class Store : public CSettingsStore {
    public:
        bool GetInt(const char* s, const char* k, int& n) const override
        {
            auto it = m_ints.find(Key(s, k));
            if (it == m_ints.end())
                return false;
            n = it->second;
            return true;
        }
        bool GetString(const char* s, const char* k, CString& str) const override
        {
            auto it = m_strings.find(Key(s, k));
            if (it == m_strings.end())
                return false;
            str = it->second.c_str();
            return true;
        }
        bool WriteInt(const char* s, const char* k, int n) override { m_ints[Key(s, k)] = n; return true; }
        bool WriteString(const char* s, const char* k, const char* v) override
        {
            m_strings[Key(s, k)] = v ? v : "";
            return true;
        }
        bool DeleteEntry(const char* s, const char* k) override
        {
            m_ints.erase(Key(s, k));
            m_strings.erase(Key(s, k));
            return true;
        }
        bool DeleteSection(const char*) override { return true; }

    private:
        static std::string Key(const char* s, const char* k) { return std::string(s) + "|" + k; }
        std::map<std::string, int> m_ints;
        std::map<std::string, std::string> m_strings;
    };
};
