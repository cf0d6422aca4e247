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
