// CodePageTest.cpp: EBCDIC code page 37 translation.
#include <gtest/gtest.h>

#include "platform/CodePage.h"

TEST(CodePage, KnownCharacters)
{
    struct Case {
        char ascii;
        BYTE ebcdic;
    };
    const Case cases[] = {{'A', 0xC1}, {'J', 0xD1}, {'S', 0xE2}, {'a', 0x81}, {'z', 0xA9}, {'0', 0xF0},
                          {'9', 0xF9}, {' ', 0x40}, {'.', 0x4B}, {'$', 0x5B}, {'[', 0xBA}, {']', 0xBB},
                          {'|', 0x4F}, {'!', 0x5A}, {'\n', 0x25}, {'\0', 0x00}};
    for (const Case& c : cases) {
        EXPECT_EQ(AsciiToEbcdic((BYTE)c.ascii), c.ebcdic) << c.ascii;
        EXPECT_EQ(EbcdicToAscii(c.ebcdic), (BYTE)c.ascii) << c.ascii;
    }
}

TEST(CodePage, EveryByteRoundTrips)
{
    BYTE buf[256];
    for (int i = 0; i < 256; ++i)
        buf[i] = (BYTE)i;
    TranslateString(buf, sizeof buf, true);
    bool seen[256] = {};
    for (BYTE b : buf)
        seen[b] = true;
    for (bool s : seen)
        EXPECT_TRUE(s);
    TranslateString(buf, sizeof buf, false);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(buf[i], i);
    TranslateString(nullptr, 5, true);
}

TEST(CodePage, StringWithNulTranslatesWhole)
{
    CString s("IPL", 3);
    s += '\0';
    s += "x";
    CString e = TranslateString(s, true);
    ASSERT_EQ(e.GetLength(), 5);
    EXPECT_EQ((BYTE)e[0], 0xC9);
    EXPECT_EQ((BYTE)e[3], 0x00);
    EXPECT_EQ((BYTE)e[4], 0xA7);
    EXPECT_EQ(TranslateString(e, false).str(), s.str());
    EXPECT_EQ(TranslateString(CString(), true), "");
}
