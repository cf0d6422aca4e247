// UtilityCommandLineTest.cpp: the utility command line as started: program
// folder, quoting, empty words and the trailing EXTERNALGUI.
#include "session/UtilityCommandLine.h"

#include <gtest/gtest.h>

namespace {

struct SCase {
    const char* pszCommand;
    const char* pszExeDir;
    const char* pszExpected;
};

const SCase kCases[] = {
    { "volmake -v disk.img 3390", "C:\\vorn\\", "C:\\vorn\\volmake -v disk.img 3390 EXTERNALGUI" },
    { "volmake disk.img", "C:\\Program Files\\Vorn\\",
      "\"C:\\Program Files\\Vorn\\volmake\" disk.img EXTERNALGUI" },
    { "packcheck \"my disk.img\"", "", "packcheck \"my disk.img\" EXTERNALGUI" },
    { "reelbuild  a   b", "", "reelbuild a b EXTERNALGUI" },
    { "reelbuild \"\" b", "", "reelbuild \"\" b EXTERNALGUI" },
    { "volshow 'x y'", "", "volshow \"x y\" EXTERNALGUI" },
    { "", "C:\\vorn\\", "" },
    { "   ", "C:\\vorn\\", "" },
};

TEST(UtilityCommandLine, Table)
{
    for (const SCase& c : kCases)
        EXPECT_STREQ(BuildUtilityCommandLine(c.pszCommand, c.pszExeDir), c.pszExpected) << c.pszCommand;
}

TEST(UtilityCommandLine, ExternalGuiIsAlwaysLast)
{
    CString str = BuildUtilityCommandLine("volmake EXTERNALGUI x", "");
    EXPECT_STREQ(str, "volmake EXTERNALGUI x EXTERNALGUI");
}

}  // namespace
