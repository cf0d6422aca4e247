// UtilityCommandLineTest.cpp: the utility command line as started: program
// folder, quoting, empty words and the trailing EXTERNALGUI; every word
// reaches the child's argv unchanged.
#include "session/UtilityCommandLine.h"

#include <gtest/gtest.h>

#include "platform/TextFunctions.h"
#include "tests/session/CrtArgvModel.h"

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
    // A '"' inside a word was passed on bare: the runtime took it as an
    // opening quote and ran the rest, EXTERNALGUI included, into one word.
    { "volshow 'a\"b' c", "", "volshow \"a\\\"b\" c EXTERNALGUI" },
    { "volshow a\"b", "", "volshow \"a\\\"b\" EXTERNALGUI" },
    { "volshow 'say \"hi\"'", "", "volshow \"say \\\"hi\\\"\" EXTERNALGUI" },
    // Backslashes count only before a '"': doubled before the closing one.
    { "volshow 'C:\\my dir\\'", "", "volshow \"C:\\my dir\\\\\" EXTERNALGUI" },
    { "volshow C:\\dir\\", "", "volshow C:\\dir\\ EXTERNALGUI" },
    { "volshow 'a\\\"b'", "", "volshow \"a\\\\\\\"b\" EXTERNALGUI" },
    { "volshow '\tx'", "", "volshow \"\tx\" EXTERNALGUI" },
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

TEST(UtilityCommandLine, EveryWordReachesTheChildUnchanged)
{
    const char* const commands[] = {
        "volmake 'a\"b' c",       "volmake '\\\\\"' \"\" x",   "volmake 'C:\\a b\\\\' y",
        "volmake '\"' '\"\"' z",  "volmake \\\\server\\share 'q \\\" r'",
        "volmake 'a\\' '\\'",
    };
    for (const char* pszCommand : commands) {
        CStringArray words;
        ParseStmt(pszCommand, words);
        std::vector<std::string> expected;
        for (const CString& str : words)
            expected.push_back(str.str());
        expected[0] = "C:\\Program Files\\" + expected[0];
        expected.push_back("EXTERNALGUI");
        const CString strLine = BuildUtilityCommandLine(pszCommand, "C:\\Program Files\\");
        EXPECT_EQ(SplitCrtCommandLine(strLine.str()), expected) << pszCommand << " -> " << strLine.GetString();
    }
}

TEST(UtilityCommandLine, QuoteArgument)
{
    EXPECT_STREQ(QuoteArgument(""), "\"\"");
    EXPECT_STREQ(QuoteArgument("plain\\path\\"), "plain\\path\\");
    EXPECT_STREQ(QuoteArgument("\\\\\""), "\"\\\\\\\\\\\"\"");
    EXPECT_STREQ(QuoteArgument("'x"), "'x");
}

}  // namespace
