// VolContentsRules.h: the window-free rules of the dialogs of the utilities
// that read what a disk image holds (VOLSHOW, VOLLIST, VOLEXTRACT,
// VOLUNLOAD): the names they accept, the words they put on the command line,
// and the stored form of a VOLLIST image list item.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

// The file name after the last '\' or '/' of a path.
CString FileNameOfPath(const char* pszPath);

// A data set or member name as VOLSHOW takes it: not empty, no blank and no
// character that a file name cannot hold (codes 1 to 31, < > : " / \ |).
bool IsPlainMemberText(const char* psz);

// What VOLSHOW shows: the members' list, or their contents.
enum EVolShowRun : int { kVolShowListMembers = 0, kVolShowContents = 1 };
enum EVolShowMembers : int { kVolShowAllMembers = 0, kVolShowOneMember = 1 };

// The member word of VOLSHOW: "DSN/?" for the list; else "DSN/*"
// or "DSN/MEMBER", then ":a" (ASCII), else ":c" (card images), else nothing.
CString VolShowMemberSpec(const char* pszDataset, int nRun, int nMembers, const char* pszMember, bool bAscii,
                          bool bCardImages);

// A shadow file's word on a command line: a blank, then "sf=" and the path
// as one word, in double quotes as a whole when the path has a blank, so
// that the utility runner, which splits the line at blanks outside words
// that begin with a quote, keeps it one word; empty for no shadow.
CString ShadowArgument(const char* pszShadow);

// The VOLLIST switches, in the order the utility documents them.
struct SVolListSwitches {
    bool bNoSort = false;
    bool bCCHH = false;
    bool bHeaders = false;
    bool bFormat1 = false;
    bool bCalDate = false;
    bool bRefDate = false;
    bool bExpDate = false;
    bool bDSNCols = false;
    UINT nColumns = 44;
    bool bYearOffset = false;
    int nYears = 0;
};
// " -nosort -cchh -hdr -info -caldt -refdt -expdt -dsnl=%u -yroffs=%d",
// each word only when its switch is on, each with its leading blank.
CString VolListSwitchWords(const SVolListSwitches& s);

const UINT kMinDsnColumns = 1, kMaxDsnColumns = 44;
const int kMaxYearOffset = 142;
inline bool IsValidDsnColumns(UINT n) { return n >= kMinDsnColumns && n <= kMaxDsnColumns; }
inline bool IsValidYearOffset(int n) { return n >= -kMaxYearOffset && n <= kMaxYearOffset; }

// One image of the VOLLIST list as stored: the image path always in double
// quotes, then " sf=" and the shadow path (quoted when it needs it) when
// there is a shadow.
CString ComposeVolListItem(const char* pszImage, const char* pszShadow);
// The image and shadow of a stored item. Never reads past the item: an item
// that does not begin with a double quote, or has no closing one, is all
// image path (its opening quote dropped); the shadow starts five characters
// after the closing quote (after " sf="), and a shorter rest means none; a
// quote that begins it is dropped with its partner.
void ParseVolListItem(const char* pszItem, CString& strImage, CString& strShadow);
// The item's words on the command line: a blank and the image path, quoted
// when needed, then the ShadowArgument.
CString VolListItemArguments(const char* pszItem);

// The VOLEXTRACT command line: "VOLEXTRACT [-ascii] [-record] image
// [sf=shadow] DSN", trailing blanks trimmed.
CString VolExtractCommandLine(bool bAscii, bool bRecord, const char* pszImage, const char* pszShadow,
                              const char* pszDataset);

// The folder without one trailing '\' or '/', except that a root ("C:\",
// "\", "/") keeps it: "C:" would name the drive's current folder.
CString FolderWithoutTrailingSeparator(const char* pszFolder);
// "VOLUNLOAD image [sf=shadow] PDS [ascii] [folder]".
CString VolUnloadCommandLine(const char* pszImage, const char* pszShadow, const char* pszPds, bool bAscii,
                             const char* pszFolder);
