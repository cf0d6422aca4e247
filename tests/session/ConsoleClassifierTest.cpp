// ConsoleClassifierTest.cpp: message kinds of console lines.
#include <gtest/gtest.h>

#include "session/ConsoleClassifier.h"

namespace {

struct KindCase {
    const char* pszLine;
    int nKind;
};

const KindCase kCases[] = {
    {"ZQC01417I Vornamic version 4.2", kMsgInfo},
    {"ZQCAB123I any two characters", kMsgInfo},
    {"ZQC1234I only four between", kMsgPlain},
    {"ZQC00101D debug", kMsgDebug},
    {"ZQC00101E error", kMsgError},
    {"ZQC00101S severe", kMsgError},
    {"ZQC00101W warning", kMsgWarning},
    {"ZQC00101X unknown letter", kMsgPlain},
    {"2026/01/02 10:11:12.345 ZQC00101E dated and timed", kMsgError},
    {"10:11:12.345 ZQC00101W timed", kMsgWarning},
    {"0x0000ABCD ZQC00101I thread id", kMsgInfo},
    {"0x0000ABCDE ZQC00101I nine hex digits", kMsgPlain},
    {"12345678901234567 ZQC00101D seventeen", kMsgDebug},
    {"word ZQC00101E after a word", kMsgPlain},
    {"ZQC00101I", kMsgInfo},
    {"ZQC00101", kMsgPlain},
    {"", kMsgPlain},
    {"plain text", kMsgPlain},
    {"ZQC00101Itext\nsecond", kMsgPlain},
    {"2026/01/02 2026/01/03 ZQC00101W two dates", kMsgWarning},
    {"ZQC00101E then ZQC00101I later", kMsgError},
};

}  // namespace

TEST(ConsoleClassifier, Table)
{
    for (const KindCase& c : kCases)
        EXPECT_EQ(ClassifyMessage(CString(c.pszLine)), c.nKind) << c.pszLine;
}

TEST(ConsoleClassifier, EmbeddedNulIsNotAnIdentifierLetter)
{
    CString str("ZQC00101", 8);
    str += '\0';
    str += "I";
    EXPECT_EQ(ClassifyMessage(str), kMsgPlain);
}

TEST(ConsoleClassifier, LongLinesDoNotExhaustTheStack)
{
    CString strLong('x', 100000);
    EXPECT_EQ(ClassifyMessage(strLong), kMsgPlain);
    EXPECT_EQ(ClassifyMessage("ZQC00101E " + strLong), kMsgError);
    CString strDates;
    for (int i = 0; i < 9000; ++i)
        strDates += "2026/01/02 ";
    EXPECT_EQ(ClassifyMessage(strDates + "ZQC00101E deep"), kMsgPlain);
}
