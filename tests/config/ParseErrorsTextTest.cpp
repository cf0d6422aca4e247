// ParseErrorsTextTest.cpp: the text the parse-errors dialog shows.
#include <gtest/gtest.h>

#include <string>

#include "config/ParseErrorsText.h"

TEST(ParseErrorsText, ErrorsBlankLineThenNumberedLines)
{
    CStringArray errors, lines;
    errors.Add("*** Error: Line 2: bad");
    errors.Add("*** Error: Line 5: worse");
    for (const char* p : {"CPUSERIAL 000611", "MAINSIZE x", "", "# comment", "0120 3390 disk.img"})
        lines.Add(p);
    EXPECT_EQ(BuildParseErrorsText(errors, lines),
              "*** Error: Line 2: bad\r\n*** Error: Line 5: worse\r\n\r\n"
              " 1: CPUSERIAL 000611\r\n 2: MAINSIZE x\r\n 3: \r\n 4: # comment\r\n 5: 0120 3390 disk.img\r\n");
}

TEST(ParseErrorsText, ManyLinesWidenTheNumber)
{
    CStringArray errors, lines;
    for (int i = 0; i < 100; i++)
        lines.Add("x");
    CString strText = BuildParseErrorsText(errors, lines);
    EXPECT_EQ(strText.Left(10), "\r\n 1: x\r\n ");
    EXPECT_NE(strText.Find("\r\n99: x\r\n100: x\r\n"), -1);
}

// A binary file read as a configuration: thousands of messages and lines,
// one longer than any screen. Each part stops within its share and says
// how much it leaves out; a long line is cut.
TEST(ParseErrorsText, AHugeFileIsShownWithinTheBoundsAndSaysWhatItLeavesOut)
{
    CStringArray errors, lines;
    for (int i = 0; i < 5000; i++) {
        errors.Add("*** Error: Line 1: Unrecognized statement");
        lines.Add(i == 0 ? CString('\xE9', 100000) : CString("\x01garbage\x7F"));
    }
    std::string strText = BuildParseErrorsText(errors, lines).GetString();
    EXPECT_LE(strText.size(), (size_t)(kParseErrorsTextChars + 2 * kParseErrorsLineChars));
    size_t nErrorsShown = (kParseErrorsErrorChars + 43) / 43;  // the whole lines that fit the share, the last over it
    EXPECT_NE(strText.find("\r\n... " + std::to_string(5000 - nErrorsShown) + " more messages not shown.\r\n\r\n 1: " +
                           std::string(kParseErrorsLineChars, '\xE9') + "...\r\n 2: \x01garbage\x7F\r\n"),
              std::string::npos);
    std::string strEnd = " more lines not shown: Edit opens the whole file.\r\n";
    EXPECT_EQ(strEnd, strText.substr(strText.size() - strEnd.size()));
}
