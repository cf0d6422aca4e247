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

TEST(ConsoleClassifier, PrefixFieldsInTheirOrder)
{
    const KindCase cases[] = {
        {"0x0000ABCD 10:11:12.345 ZQC00101I thread before time", kMsgPlain},
        {"10:11:12.345 2026/01/02 ZQC00101I time before date", kMsgPlain},
        {"2026/01/02 10:11:12.345 0x0000abcd 12345678901234567 ZQC00101I all four", kMsgInfo},
        {"10:11:12.345 10:11:12.346 0x00000000 0x00000001 ZQC00101D repeated", kMsgDebug},
        {"10:11:12.345 0x0000ABCD 12345678901234567 12345678901234567 ZQC00101W", kMsgWarning},
        {"10:11:12.34 ZQC00101I short milliseconds", kMsgPlain},
        {"12345678901234567 0x0000ABCD ZQC00101I seventeen before thread", kMsgPlain},
        {"1234567890123456\r ZQC00101I carriage return", kMsgPlain},
        {"ZQC\r\n101I line ends inside", kMsgPlain},
        {"ZQC00101W first warning then 0x00000000 ZQC00101I", kMsgWarning},
        // 18 characters may be a date and seven more, or one 17-character field.
        {"2026/01/02 abcdef ZQC00101S", kMsgError},
    };
    for (const KindCase& c : cases)
        EXPECT_EQ(ClassifyMessage(CString(c.pszLine)), c.nKind) << c.pszLine;
}

TEST(ConsoleClassifier, IdentifiersUpToTheirLastColumn)
{
    CString strPrefix;
    for (int i = 0; i < kMaxMsgIdColumn / 18; ++i)
        strPrefix += "12345678901234567 ";
    // 504 characters of prefix: the identifier starts at column 504.
    EXPECT_EQ(ClassifyMessage(strPrefix + "ZQC00101E"), kMsgError);
    CString strBeyond = strPrefix + "12345678901234567 ZQC00101E";
    EXPECT_EQ(ClassifyMessage(strBeyond), kMsgPlain);
}

TEST(ConsoleClassifier, TheMillisecondPointIsAPoint)
{
    // Found by fuzzing: the time's '.' was taken as any character.
    EXPECT_EQ(ClassifyMessage("2026/12/07 10:11:12\x98" "346 ZQC00801D Debug"), kMsgPlain);
    EXPECT_EQ(ClassifyMessage("10:11:12x346 ZQC00801D Debug"), kMsgPlain);
    EXPECT_EQ(ClassifyMessage("10:11:12.346 ZQC00801D Debug"), kMsgDebug);
}
