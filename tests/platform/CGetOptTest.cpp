// CGetOptTest.cpp: the option walker over word lists: values attached and
// in the next word, grouped letters, unknown letters, missing values and
// where the walk stops.
#include <gtest/gtest.h>

#include <string>

#include "platform/CGetOpt.h"
#include "platform/TextFunctions.h"

namespace {

// The walk as text: each option as "-x" or "-x=value", a faulty one as
// "?x" (unknown) or ":x" (value missing), then "|" and the index of the
// first operand.
std::string Walk(const char* pszWords, const char* pszOptions)
{
    CStringArray words;
    ParseStmt(pszWords, words);
    words.InsertAt(0, CString("prog"));
    CGetOpt opt(words, pszOptions);
    std::string out;
    for (int ch; (ch = opt.GetOpt()) != -1;) {
        if (ch == '?')
            out += std::string(opt.MissingArg() ? ":" : "?") + (char)opt.OptOpt();
        else {
            out += std::string("-") + (char)ch;
            if (!opt.OptArg().IsEmpty())
                out += "=" + opt.OptArg().str();
        }
        out += " ";
    }
    return out + "|" + std::to_string(opt.OptInd());
}

}  // namespace

TEST(CGetOpt, WalksTheOptionsAndStopsAtTheFirstOperand)
{
    struct {
        const char* words;
        const char* expected;
    } cases[] = {
        {"", "|1"},
        {"10.0.0.1", "|1"},
        {"-n 192.168.1.10 -k 1024 192.168.1.80", "-n=192.168.1.10 -k=1024 |5"},
        {"-k1024 -i64 a b", "-k=1024 -i=64 |3"},                  // values attached
        {"-dk 2048 x", "-d -k=2048 |3"},                          // grouped, value in the next word
        {"-dk2048", "-d -k=2048 |2"},
        {"-x -d a", "?x -d |3"},                                  // unknown letter, walk goes on
        {"-d -k", "-d :k |3"},                                    // last word lacks its value
        {"-n -k 5", "-n=-k |3"},                                  // the next word is the value, as getopt
        {"-- -d", "|2"},                                          // "--" ends the options, skipped
        {"- -d", "|1"},                                           // a lone "-" is an operand
        {"-d a -k 5", "-d |2"},                                   // no options after an operand
        {"-:", "?: |2"},                                          // ':' is never an option letter
        {"\"-o\" \"C:\\my dir\\a.oat\"", "-o=C:\\my dir\\a.oat |3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Walk(c.words, "n:o:m:k:i:d"), c.expected) << c.words;
}

TEST(CGetOpt, ALetterAfterWhichTheStringEndsTakesNoValue)
{
    EXPECT_EQ(Walk("-d x", "n:d"), "-d |2");
    EXPECT_EQ(Walk("-n", "n:d"), ":n |2");
    EXPECT_EQ(Walk("-n", "d"), "?n |2");
}

TEST(CGetOpt, TheFirstWordIsNeverAnOption)
{
    CStringArray words;
    ParseStmt("-d -k 5", words);
    CGetOpt opt(words, "k:d");
    EXPECT_EQ(opt.GetOpt(), 'k');
    EXPECT_EQ(opt.OptArg(), "5");
    EXPECT_EQ(opt.GetOpt(), -1);
    EXPECT_EQ(opt.GetOpt(), -1);  // stays at the end
    EXPECT_EQ(opt.OptInd(), 3);
}
