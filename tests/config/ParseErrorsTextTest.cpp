// ParseErrorsTextTest.cpp: the text the parse-errors dialog shows.
#include <gtest/gtest.h>

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

// A binary file read as a configuration: thousands of messages and lines, one
// line longer than any screen. The errors come first within their share,
// the lines fill the rest, and each part says how much it leaves out.
TEST(ParseErrorsText, AHugeFileIsShownWithinTheBoundsAndSaysWhatItLeavesOut)
{
    CStringArray errors, lines;
    for (int i = 0; i < 5000; i++) {
        CString s;
        s.Format("*** Error: Line %d: Unrecognized statement", i + 1);
        errors.Add(s);
        lines.Add(i == 0 ? CString('\xE9', 100000) : CString("\x01garbage\x7F"));
    }
    CString strText = BuildParseErrorsText(errors, lines);
    EXPECT_LE(strText.GetLength(), kParseErrorsTextChars + 2 * kParseErrorsLineChars);
    int nErrorsShown = 0, nLinesShown = 0;
    for (int i = 0; (i = strText.Find("*** Error", i) + 1) > 0;)
        nErrorsShown++;
    for (int i = 0; (i = strText.Find("garbage", i) + 1) > 0;)
        nLinesShown++;
    ASSERT_GT(nErrorsShown, 100);
    CString strErrorsLeft, strLinesLeft;
    strErrorsLeft.Format("\r\n... %d more messages not shown.\r\n\r\n 1: %s...\r\n 2: \x01garbage\x7F\r\n",
                         5000 - nErrorsShown, CString('\xE9', kParseErrorsLineChars).GetString());
    strLinesLeft.Format("\r\n... %d more lines not shown: Edit opens the whole file.\r\n",
                        5000 - 1 - nLinesShown);
    EXPECT_NE(strText.Find(strErrorsLeft), -1);
    EXPECT_EQ(strText.Right(strLinesLeft.GetLength()), strLinesLeft);
}
