// PrefsRulesTest.cpp: the preferences pages' window-free rules: folder
// histories, the order and texts of the directory checks, the log base name,
// the numbering text, the process-id choice and the aggregate label.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/Limits.h"
#include "config/StartupObjects.h"
#include "preferences/PrefsRules.h"
#include "tests/config/TempFile.h"

namespace {

typedef std::vector<std::string> Strings;

CStringArray MakeList(const Strings& v)
{
    CStringArray a;
    for (const std::string& s : v)
        a.Add(CString(s.c_str()));
    return a;
}

Strings ToStrings(const CStringArray& a)
{
    Strings v;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        v.push_back(a[i].str());
    return v;
}

// Eight folders with the emulator's program in the first; every check passes.
struct Folders {
    TempDir tmp;
    CString dirs[kDirListCount];
    Folders()
    {
        g_strEmulatorExeName = "Vornamic.exe";
        tmp.Write("Vornamic.exe", "MZ");
        for (CString& d : dirs)
            d = tmp.Folder().c_str();
    }
};

}  // namespace

TEST(PrefsRules, AddToHistoryListTable)
{
    struct Case {
        Strings before;
        const char* text;
        Strings after;
    };
    const Case cases[] = {
        {{}, "C:\\vorn\\", {"C:\\vorn\\"}},
        {{"A\\", "B\\"}, "C\\", {"C\\", "A\\", "B\\"}},
        // An entry equal without regard to case leaves; the new spelling leads.
        {{"A\\", "c:\\Vorn\\", "B\\"}, "C:\\VORN\\", {"C:\\VORN\\", "A\\", "B\\"}},
        {{"A\\", "B\\"}, "A\\", {"A\\", "B\\"}},
        // Only the first equal entry goes.
        {{"x", "X", "y"}, "x", {"x", "X", "y"}},
        {{"A\\", "B\\"}, "B\\", {"B\\", "A\\"}},
        // Empty is inserted as given, and found again as an entry.
        {{"A\\"}, "", {"", "A\\"}},
        {{"", "A\\"}, "", {"", "A\\"}},
        {{"A\\", ""}, "A\\", {"A\\", ""}},
    };
    for (const Case& c : cases) {
        CStringArray list = MakeList(c.before);
        AddToHistoryList(list, c.text);
        EXPECT_EQ(ToStrings(list), c.after) << c.text;
    }
}

TEST(PrefsRules, HistoryListHasNoLengthLimit)
{
    CStringArray list;
    for (int i = 0; i < 300; ++i) {
        CString s;
        s.Format("D%03d\\", i);
        AddToHistoryList(list, s);
    }
    ASSERT_EQ(list.GetSize(), 300);
    EXPECT_EQ(list[0], "D299\\");
    EXPECT_EQ(list[299], "D000\\");
}

TEST(PrefsRules, SelectionAfterHistoryDeleteTable)
{
    struct Case {
        int index, remaining, expected;
    };
    const Case cases[] = {
        {0, 2, 0},   // the first of three: the next one moves up
        {1, 2, 1},
        {2, 2, 1},   // the last: the one before it
        {0, 0, -1},  // the only one: none
        {3, 3, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SelectionAfterHistoryDelete(c.index, c.remaining), c.expected) << c.index << "/" << c.remaining;
}

TEST(PrefsRules, DirectoryCheckOrderAndTexts)
{
    Folders f;
    std::string missing = f.tmp.Folder() + "nowhere\\";
    struct Case {
        int kind;             // folder changed
        std::string value;    // its value
        int failed;           // the kind that fails, -1 none
        const char* message;
    };
    const Case cases[] = {
        {kDirExecutables, "", kDirExecutables, "The executable files directory is a required directory."},
        {kDirExecutables, "   ", kDirExecutables, "The executable files directory is a required directory."},
        {kDirExecutables, missing, kDirExecutables, "Directory does not exist or is invalid."},
        {kDirConfigFiles, "", kDirConfigFiles, "The configuration files directory is a required directory."},
        {kDirConfigFiles, missing, kDirConfigFiles, "Directory does not exist or is invalid."},
        {kDirLogFiles, "", kDirLogFiles, "The log files directory is a required directory."},
        {kDirLogFiles, missing, kDirLogFiles, "Directory does not exist or is invalid."},
        {kDirReaderFiles, "", -1, ""},
        {kDirDiskFiles, "", -1, ""},
        {kDirTapeFiles, missing, kDirTapeFiles, "Invalid output directory: The specified directory was not found."},
        {kDirPunchFiles, missing, kDirPunchFiles, "Invalid output directory: The specified directory was not found."},
        {kDirDiskFiles, "  " + f.tmp.Folder() + "  ", -1, ""},
    };
    for (const Case& c : cases) {
        Folders g;
        g.dirs[c.kind] = c.value.c_str();
        int nKind = 99;
        CString strMsg = "stale";
        EXPECT_EQ(CheckPreferredDirectories(g.dirs, nKind, strMsg), c.failed < 0) << c.kind << " " << c.value;
        EXPECT_EQ(nKind, c.failed) << c.kind << " " << c.value;
        EXPECT_EQ(strMsg, c.message) << c.kind << " " << c.value;
    }
}

TEST(PrefsRules, DirectoryChecksStopAtTheFirstFailureInTableOrder)
{
    Folders f;
    std::string missing = f.tmp.Folder() + "nowhere\\";
    f.dirs[kDirDiskFiles] = missing.c_str();
    f.dirs[kDirLogFiles] = "";
    f.dirs[kDirConfigFiles] = missing.c_str();
    int nKind = -1;
    CString strMsg;
    EXPECT_FALSE(CheckPreferredDirectories(f.dirs, nKind, strMsg));
    EXPECT_EQ(nKind, kDirConfigFiles);
    // An executables folder without the emulator fails before all of them.
    TempDir empty;
    f.dirs[kDirExecutables] = empty.Folder().c_str();
    EXPECT_FALSE(CheckPreferredDirectories(f.dirs, nKind, strMsg));
    EXPECT_EQ(nKind, kDirExecutables);
    EXPECT_EQ(std::string(PreferredDirTitle(kDirExecutables)), "Executable Files");
    EXPECT_EQ(std::string(PreferredDirTitle(kDirDiskFiles)), "Disk Files");
}

// The refusal of an executables folder names the program it looked for, and
// says when "-e" named it rather than the settings.
TEST(PrefsRules, MissingEmulatorIsNamed)
{
    struct Row {
        const char* pszSettings;
        const char* pszProgram;
        const char* pszMsg;
    };
    const Row rows[] = {
        {"Vornamic.exe", "NoSuch.exe", "The Vornamic executable \"NoSuch.exe\" (named with -e) was not found in this directory."},
        {"Emu.exe", "Emu.exe", "The Vornamic executable \"Emu.exe\" was not found in this directory."},
    };
    Folders f;
    TempDir empty;
    for (const Row& r : rows) {
        g_strProfileEmulatorExeName = r.pszSettings;
        g_strEmulatorExeName = r.pszProgram;
        f.dirs[kDirExecutables] = empty.Folder().c_str();
        int nKind = -1;
        CString strMsg;
        EXPECT_FALSE(CheckPreferredDirectories(f.dirs, nKind, strMsg));
        EXPECT_EQ(nKind, kDirExecutables);
        EXPECT_EQ(strMsg, r.pszMsg);
    }
    g_strProfileEmulatorExeName.Empty();
    g_strEmulatorExeName = "Vornamic.exe";
}

TEST(PrefsRules, DirectoryChecksTrimEveryFolderInPlace)
{
    Folders f;
    CString strDir = f.dirs[0];
    for (CString& d : f.dirs)
        d = "  " + strDir + "\t";
    f.dirs[kDirPrinterFiles] = "   ";
    int nKind = 0;
    CString strMsg;
    EXPECT_TRUE(CheckPreferredDirectories(f.dirs, nKind, strMsg));
    EXPECT_EQ(f.dirs[kDirExecutables], strDir);
    EXPECT_EQ(f.dirs[kDirDiskFiles], strDir);
    EXPECT_EQ(f.dirs[kDirPrinterFiles], "");
}

TEST(PrefsRules, LogBaseNameIsCheckedWithoutAskingAboutExistingFiles)
{
    TempDir tmp;
    tmp.Write("Vornamic Logfile.txt", "old");
    std::string missing = tmp.Folder() + "nowhere\\";
    struct Case {
        std::string dir;
        const char* name;
        bool ok;
        const char* message;
    };
    const Case cases[] = {
        {tmp.Folder(), "Vornamic Logfile.txt", true, ""},  // exists: no question, accepted
        {tmp.Folder(), "new.log", true, ""},
        {tmp.Folder(), "", false, "You must specify an output file."},
        {tmp.Folder(), "  ", false, "You must specify an output file."},
        {tmp.Folder(), "a|b.log", false, "The specified filename contains one or more invalid characters."},
        {tmp.Folder(), "sub\\x.log", false, "The specified filename contains one or more invalid characters."},
        // A bad folder, whatever is wrong with it, is named before the name.
        {missing, "x.log", false, "The specified directory name is not valid."},
        {"", "x.log", false, "The specified directory name is not valid."},
        {"  ", "", false, "The specified directory name is not valid."},
        {tmp.Folder() + "a|b\\", "x.log", false, "The specified directory name is not valid."},
    };
    for (const Case& c : cases) {
        CString strMsg;
        EXPECT_EQ(CheckLogBaseName(c.dir.c_str(), c.name, strMsg), c.ok) << c.dir << "|" << c.name;
        EXPECT_EQ(strMsg, c.ok ? "" : c.message) << c.dir << "|" << c.name;
    }
}

TEST(PrefsRules, MaxLogFilesIsTheHighestNumberPlusOne)
{
    UINT nSaved = g_nMaxAutologFilenum;
    g_nMaxAutologFilenum = 999;
    EXPECT_EQ(MaxLogFilesLimit(), 1000u);
    g_nMaxAutologFilenum = 9;
    EXPECT_EQ(MaxLogFilesLimit(), 10u);
    g_nMaxAutologFilenum = nSaved;
}

TEST(PrefsRules, NumberingText)
{
    EXPECT_EQ(LogNumberingInstructions(true, 7),
              "Automatic logfile numbering is currently enabled, and the current automatically assigned logfile "
              "number is 7.\n\nThis value will be incremented whenever VornGUI exits so that the next logfile is "
              "automatically assigned a new number.\n\nIf you wish to set a new \"current logfile number\" so that "
              "it is automatically incremented to the desired value upon exit, enter the new value below:");
    CString strOff = LogNumberingInstructions(false, 0);
    EXPECT_EQ(strOff.Left(64), "Automatic logfile numbering is currently disabled, and the curre");
    EXPECT_NE(strOff.Find("logfile number is 0."), -1);
}

TEST(PrefsRules, ProcessIdRuleTable)
{
    struct Case {
        bool always, ifNeeded;
        bool outAlways, outIfNeeded, alwaysEnabled, ifNeededEnabled;
    };
    const Case cases[] = {
        {true, false, true, false, true, false},   // the defaults: "if needed" greyed
        {true, true, true, false, true, false},    // "always" wins and clears the other
        {false, true, false, true, false, true},   // "if needed" greys "always"
        {false, false, false, false, true, true},  // neither: both editable
    };
    for (const Case& c : cases) {
        SPidChoice choice = {c.always, c.ifNeeded, false, false};
        ApplyPidRule(choice);
        EXPECT_EQ(choice.bAlways, c.outAlways);
        EXPECT_EQ(choice.bIfNeeded, c.outIfNeeded);
        EXPECT_EQ(choice.bAlwaysEnabled, c.alwaysEnabled);
        EXPECT_EQ(choice.bIfNeededEnabled, c.ifNeededEnabled);
    }
}

TEST(PrefsRules, AggregateLabelFollowsTheState)
{
    EXPECT_STREQ(AggregateStatsLabel(true), " Display as totals for the entire system");
    EXPECT_STREQ(AggregateStatsLabel(false), " Display as totals for the currently selected Status Bar CPU only");
}
