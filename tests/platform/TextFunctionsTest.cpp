// TextFunctionsTest.cpp: tokenising, splitting, trimming, quoting and tabs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/TextFunctions.h"

namespace {

std::vector<std::string> Words(const char* stmt)
{
    CStringArray a;
    int n = ParseStmt(stmt, a);
    std::vector<std::string> v;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        v.push_back(a[i].str());
    EXPECT_EQ(n, (int)v.size());
    return v;
}

typedef std::vector<std::string> Strings;

}  // namespace

TEST(TextFunctions, ParseStmtTable)
{
    struct Case {
        const char* stmt;
        Strings words;
    };
    const Case cases[] = {
        {"", {}},
        {"   \t ", {}},
        {"MAXCPU 4", {"MAXCPU", "4"}},
        {"  0120\t3390   disk.img  ", {"0120", "3390", "disk.img"}},
        {"LDMOD \"my mod\" other", {"LDMOD", "my mod", "other"}},
        {"MODEL \"\" \"\" x", {"MODEL", "", "", "x"}},
        {"PANOPT \"TITLE=a b\"", {"PANOPT", "TITLE=a b"}},
        // A quote inside a word is an ordinary character; correct quoting is removed.
        {"PANOPT TITLE=\"a b\"", {"PANOPT", "TITLE=\"a", "b\""}},
        {"x 'single \"q\"' y", {"x", "single \"q\"", "y"}},
        {"\"abc\"def", {"abc", "def"}},
        // Unbalanced quotes: the quote stays, words split at blanks.
        {"x \"unbalanced word", {"x", "\"unbalanced", "word"}},
        {"'", {"'"}},
        {"CONKPALV (3, 1, 10)", {"CONKPALV", "(3,", "1,", "10)"}},
        {"0009 3215 # comment here", {"0009", "3215", "#", "comment", "here"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Words(c.stmt), c.words) << c.stmt;
    EXPECT_EQ(Words(nullptr), Strings{});
}

TEST(TextFunctions, ParseStmtIntoListReplacesContents)
{
    CStringList l;
    l.AddTail("old");
    EXPECT_EQ(ParseStmt("A B", l), 2);
    EXPECT_EQ(l.GetHead(), "A");
    EXPECT_EQ(l.GetTail(), "B");
}

TEST(TextFunctions, ParseStmtLongLine)
{
    std::string line = "KEY " + std::string(100000, 'x') + " \"" + std::string(1000, 'y');
    Strings w = Words(line.c_str());
    ASSERT_EQ(w.size(), 3u);
    EXPECT_EQ(w[1].size(), 100000u);
    EXPECT_EQ(w[2].size(), 1001u);
}

TEST(TextFunctions, QuoteIfNeededRoundTripsThroughParseStmt)
{
    struct Case {
        const char* text;
        char quote;
        const char* expect;
    };
    const Case cases[] = {
        {"plain", '"', "plain"},
        {"", '"', ""},
        {"C:\\My Disks\\a.img", '"', "\"C:\\My Disks\\a.img\""},
        {"tab\there", '"', "\"tab\there\""},
        {"\"already quoted\"", '"', "\"already quoted\""},
        {"say \"hi\" now", '"', "say \"hi\" now"},
        {"say \"hi\" now", '\'', "'say \"hi\" now'"},
        {"'lead", '"', "\"'lead\""},
        {"\"lead", '\'', "'\"lead'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QuoteIfNeeded(c.text, c.quote), c.expect) << c.text;
    const char* values[] = {"a b", "plain", "'lead", "x\ty", "it's here"};
    for (const char* v : values) {
        CString quoted = QuoteIfNeeded(v, '"');
        Strings w = Words(("K " + quoted.str() + " z").c_str());
        ASSERT_EQ(w.size(), 3u) << v;
        EXPECT_EQ(w[1], v);
    }
}

TEST(TextFunctions, TrimBlanksInPlaceKeepsLineFeeds)
{
    CString s(" \t value \t ");
    CString copy = TrimBlanks(s);
    EXPECT_EQ(s, "value");
    EXPECT_EQ(copy, "value");
    CString msg("\nMissing parameters ");
    TrimBlanks(msg);
    EXPECT_EQ(msg, "\nMissing parameters");
    CString empty("   ");
    EXPECT_EQ(TrimBlanks(empty), "");
    EXPECT_STREQ(g_strBlanks, " \t");
    EXPECT_STREQ(g_strHex, "0123456789ABCDEFabcdef");
}

TEST(TextFunctions, IsAbbrevNoCase)
{
    EXPECT_TRUE(IsAbbrevNoCase("name", "NAMEONLY", 4));
    EXPECT_TRUE(IsAbbrevNoCase("NameOnly", "NAMEONLY", 4));
    EXPECT_FALSE(IsAbbrevNoCase("nam", "NAMEONLY", 4));
    EXPECT_FALSE(IsAbbrevNoCase("NAMEONLYX", "NAMEONLY", 4));
    EXPECT_FALSE(IsAbbrevNoCase("namx", "NAMEONLY", 4));
    EXPECT_TRUE(IsAbbrevNoCase("n", "NAMEONLY"));
    EXPECT_FALSE(IsAbbrevNoCase("", "NAMEONLY", 0));
    EXPECT_FALSE(IsAbbrevNoCase(nullptr, "X"));
    EXPECT_TRUE(IsAbbrevNoCase("noch9", "NOCH9OFLOW", 5));
}

TEST(TextFunctions, SplitStringTable)
{
    struct Case {
        const char* text;
        const char* sep;
        Strings pieces;
    };
    const Case cases[] = {
        {"", "\n", {}},
        {"one", "\n", {"one"}},
        {"a\nb", "\n", {"a", "b"}},
        {"a\n\nb", "\n", {"a", "", "b"}},
        {"a\n", "\n", {"a"}},
        {"\n", "\n", {""}},
        {"a\r\nb\r\n", "\r\n", {"a", "b"}},
        {"a,b", "", {"a,b"}},
    };
    for (const Case& c : cases) {
        CStringArray a;
        a.Add("stale");
        EXPECT_EQ(SplitString(c.text, c.sep, a), (int)c.pieces.size()) << c.text;
        Strings got;
        for (INT_PTR i = 0; i < a.GetSize(); ++i)
            got.push_back(a[i].str());
        EXPECT_EQ(got, c.pieces) << c.text;
    }
    CStringList l;
    EXPECT_EQ(SplitString("x|y", "|", l), 2);
    EXPECT_EQ(l.GetTail(), "y");
}

TEST(TextFunctions, ExpandTabs)
{
    EXPECT_EQ(ExpandTabs("a\tb"), "a       b");
    EXPECT_EQ(ExpandTabs("\t"), "        ");
    EXPECT_EQ(ExpandTabs("12345678\tx"), "12345678        x");
    EXPECT_EQ(ExpandTabs("ab\ncd\te"), "ab\ncd      e");
    EXPECT_EQ(ExpandTabs("a\tb", 4), "a   b");
    EXPECT_EQ(ExpandTabs("a\tb", 0), "a       b");
    EXPECT_EQ(ExpandTabs(nullptr), "");
    std::string tabs(100000, '\t');
    EXPECT_EQ(ExpandTabs(tabs.c_str()).GetLength(), 800000);
}

// The Windows command-line rules: quotes group, backslashes escape quotes.
TEST(TextFunctions, StdMSWinCommandLineParseTable)
{
    struct Case {
        const char* cmd;
        bool ok;
        Strings words;
    };
    const Case cases[] = {
        {"", true, {}},
        {"   \t", true, {}},
        {"notepad", true, {"notepad"}},
        {"  notepad  -x  ", true, {"notepad", "-x"}},
        {"\"C:\\Program Files\\ed.exe\" -n 1", true, {"C:\\Program Files\\ed.exe", "-n", "1"}},
        {"C:\\Pro\"gram Fi\"les\\ed.exe", true, {"C:\\Program Files\\ed.exe"}},
        {"\"\"", true, {""}},
        {"\"\" x", true, {"", "x"}},
        {"a\\\\b c", true, {"a\\\\b", "c"}},
        {"a\\\"b", true, {"a\"b"}},              // 1 backslash + quote: a literal quote
        {"a\\\\\"b c\"", true, {"a\\b c"}},      // 2 backslashes + quote: one backslash, the quote opens
        {"\"a\"\"b\"", true, {"a\"b"}},          // "" inside quotes: a literal quote
        {"%EDDIR%\\ed.exe %1", true, {"%EDDIR%\\ed.exe", "%1"}},
        {"\"unclosed", false, {}},
        {"ed \"x y", false, {}},
    };
    for (const Case& c : cases) {
        CStringArray a;
        a.Add("stale");
        EXPECT_EQ(StdMSWinCommandLineParse(c.cmd, a), c.ok) << c.cmd;
        Strings v;
        for (INT_PTR i = 0; i < a.GetSize(); ++i)
            v.push_back(a[i].str());
        EXPECT_EQ(v, c.words) << c.cmd;
    }
}

// A box's text: short texts as they are; a run without blanks broken after
// a path separator, else at the limit; a line too long cut to its start,
// "..." and its end, the lines around it kept.
TEST(TextFunctions, BoundShownTextKeepsStartAndEndOnLinesThatFit)
{
    std::string strDir = "C:\\" + std::string(50, 'd') + "\\", strWords;
    for (int i = 0; i < 300; ++i)
        strWords += "ab ";
    const struct {
        std::string strIn, strOut;
    } rows[] = {
        {"The file:\n\n\"C:\\a b\\c.img\"\n", "The file:\n\n\"C:\\a b\\c.img\"\n"},
        {"x " + strDir + std::string(20, 'f') + " y", "x " + strDir + "\n" + std::string(20, 'f') + " y"},
        {std::string(130, 'x'), std::string(64, 'x') + "\n" + std::string(64, 'x') + "\nxx"},
        {"cmd:\n" + strWords + "\nrc=87", "cmd:\n" + strWords.substr(0, 254) + "..." + strWords.substr(645) + "\nrc=87"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.strOut, BoundShownText(row.strIn.c_str()).str()) << row.strIn;
}
