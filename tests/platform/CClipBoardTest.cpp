// CClipBoardTest.cpp: clipboard text in and out under Wine: round trips of
// plain, empty, long and multi-line texts, and a clipboard without text.
#include <gtest/gtest.h>

#include <string>

#include "platform/CClipBoard.h"

TEST(CClipBoard, TextRoundTrips)
{
    const std::string texts[] = {"PSW 07060000 00000000", "", "line 1\r\nline 2\r\n",
                                 std::string(100000, 'x'), "\xC1\xE9 high bytes"};
    for (const std::string& text : texts) {
        ASSERT_TRUE(CClipBoard().SetText(text.c_str()));
        EXPECT_TRUE(CClipBoard::HasText());
        CString str("old");
        ASSERT_TRUE(CClipBoard().GetText(str));
        EXPECT_EQ(std::string((LPCSTR)str), text);
    }
}

TEST(CClipBoard, TextEndsAtAnEmbeddedNul)
{
    CString str("ab");
    str += CString("\0cd", 3);
    ASSERT_TRUE(CClipBoard().SetText(str));
    CString back;
    ASSERT_TRUE(CClipBoard().GetText(back));
    EXPECT_STREQ(back, "ab");
    ASSERT_TRUE(CClipBoard().SetText(nullptr));  // null is the empty text
    ASSERT_TRUE(CClipBoard().GetText(back));
    EXPECT_STREQ(back, "");
}

TEST(CClipBoard, NoTextGivesFalseAndAnEmptyString)
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
    EXPECT_FALSE(CClipBoard::HasText());
    CString str("left over");
    EXPECT_FALSE(CClipBoard().GetText(str));
    EXPECT_TRUE(str.IsEmpty());
}
