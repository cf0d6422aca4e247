// FindRepSettings.h: the window-free half of the find/replace dialog: the
// checks of the search and replacement texts with the messages their error
// balloons show, and the options and the two search histories kept in the
// settings store (section "Settings\FindRep" unless the owner names another).
#pragma once

#include <vector>

#include "platform/CString.h"
#include "platform/Types.h"

// The settings section used when the owner names none.
extern const char* const kFindRepSection;
// Texts searched as plain text are at most this long; hex literals at most
// this many digits.
constexpr int kFindRepMaxText = 127;
constexpr int kFindRepMaxHexDigits = 254;

// True when a ParseNumberHexOrDec classification is a valid hex literal:
// "0x.." or "x'..'" form with nothing wrong in its body.
bool IsValidHexLiteral(WORD wClass);

// A failed check: which combo box the balloon points at and what it says.
struct FindRepCheckFailure {
    bool bReplaceCombo = false;
    CString strTitle;
    CString strText;
};

// The find text's check, for hex search on or off. False with the failure.
bool CheckFindText(const char* pszFind, bool bHexSearch, FindRepCheckFailure& failure);
// The replacement text's check: a hex literal must be valid whatever the
// hex-search option, a plain text fit kFindRepMaxText.
bool CheckReplaceText(const char* pszReplace, FindRepCheckFailure& failure);

// The options and histories the dialog keeps between runs.
struct FindRepSettings {
    bool bAutoHide = false;     // stored as "AutoHide"
    BOOL bMatchWord = FALSE;
    BOOL bMatchCase = FALSE;
    BOOL bHexSearch = FALSE;
    BOOL bRegEx = FALSE;
    BOOL bWrapAround = FALSE;
    int nMaxHistory = 16;       // "MaxMRULen": read, never written
    std::vector<CString> findHistory;       // most recent first
    std::vector<CString> replaceHistory;

    // Reads the section; missing entries keep the current values. The
    // replace history is left alone in find-only mode. The first history
    // entry (if any) becomes *pFind / *pReplace.
    void Load(const char* pszSection, bool bFindOnly, CString* pFind, CString* pReplace);
    // Writes the options and each history with its current text first (see
    // MergeHistory); the replace history not in find-only mode.
    void Save(const char* pszSection, bool bFindOnly, const char* pszFind, const std::vector<CString>& findItems,
              const char* pszReplace, const std::vector<CString>& replaceItems);
    // Writes one history (the find history, or the replace history) with its
    // current text first.
    void SaveOneHistory(const char* pszSection, bool bReplace, const char* pszCurrent,
                        const std::vector<CString>& items);
};

// A history to store: the current text first, then the items in order
// without those equal to it (case-sensitive), cut to nMax entries. Empty
// texts are left out.
std::vector<CString> MergeHistory(const char* pszCurrent, const std::vector<CString>& items, int nMax);
