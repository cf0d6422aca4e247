// WideTextTest.cpp: ANSI text to UTF-16 through the system's code page.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/WideText.h"

TEST(WideFromAnsi, NullAndEmptyGiveEmpty)
{
    EXPECT_EQ(WideFromAnsi(nullptr), L"");
    EXPECT_EQ(WideFromAnsi(""), L"");
}

TEST(WideFromAnsi, TextWithoutTheTerminator)
{
    std::wstring w = WideFromAnsi("Confirm Overwrite");
    EXPECT_EQ(w, L"Confirm Overwrite");
    EXPECT_EQ(w.size(), 17u);
    EXPECT_EQ(WideFromAnsi("a"), L"a");
}

TEST(WideFromAnsi, EndsAtAnEmbeddedNul)
{
    const char text[] = "ab\0cd";
    EXPECT_EQ(WideFromAnsi(text), L"ab");
}

TEST(WideFromAnsi, HighCharactersThroughTheCodePage)
{
    if (::GetACP() != 1252)
        GTEST_SKIP() << "the ANSI code page is " << ::GetACP();
    EXPECT_EQ(WideFromAnsi("caf\xE9 \x80"), L"caf\u00E9 \u20AC");
}

TEST(WideFromAnsi, LongLineKeepsEveryCharacter)
{
    std::string s(100000, 'x');
    s[99999] = 'y';
    std::wstring w = WideFromAnsi(s.c_str());
    ASSERT_EQ(w.size(), 100000u);
    EXPECT_EQ(w[0], L'x');
    EXPECT_EQ(w[99999], L'y');
}
