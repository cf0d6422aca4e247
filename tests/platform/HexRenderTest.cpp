// HexRenderTest.cpp: hexadecimal and printable renderings.
#include <gtest/gtest.h>

#include "platform/HexRender.h"

TEST(HexRender, MakeHex)
{
    const BYTE bytes[] = {0xC1, 0x00, 0x0F, 0xFF, 0x7A};
    EXPECT_EQ(MakeHex(bytes, sizeof bytes), "C1000FFF7A");
    EXPECT_EQ(MakeHex(bytes, 0), "");
    EXPECT_EQ(MakeHex(nullptr, 4), "");
}

TEST(HexRender, MakePrt)
{
    const BYTE ascii[] = {'A', ' ', '~', 0x1F, 0x7F, 0x00, 0xE9};
    EXPECT_EQ(MakePrt(ascii, sizeof ascii), "A ~....");
    EXPECT_EQ(MakePrt(ascii, sizeof ascii, false, '?'), "A ~????");
    const BYTE ebcdic[] = {0xC9, 0xD7, 0xD3, 0x40, 0xF1, 0x00, 0xFF};
    EXPECT_EQ(MakePrt(ebcdic, sizeof ebcdic, true), "IPL 1..");
    EXPECT_EQ(MakePrt(nullptr, 3), "");
}
