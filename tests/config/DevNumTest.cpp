// DevNumTest.cpp: device numbers both ways.
#include <gtest/gtest.h>

#include "config/DevNum.h"

TEST(FormatDevnum, FourDigitsOrLcssPrefix)
{
    const struct { DWORD dw; const char* psz; } rows[] = {
        {0x000C, "000C"}, {0x1000C, "1:000C"}, {0xFFFF, "FFFF"}, {0x90190, "9:0190"},
        {0xFF0001, "255:0001"}, {0xAB00120, "176:0120"}, // only bits 16-23 are the LCSS
    };
    for (const auto& r : rows)
        EXPECT_EQ(FormatDevnum(r.dw), r.psz) << std::hex << r.dw;
}

TEST(ParseDevnum, AcceptedForms)
{
    const struct { const char* psz; WORD wDev; BYTE bLcss; } rows[] = {
        {"00C", 0x000C, 0}, {"0190", 0x0190, 0}, {"ffff", 0xFFFF, 0}, {"1:0190", 0x0190, 1},
        {"9:abc", 0x0ABC, 9}, {"0:0001", 0x0001, 0},
    };
    for (const auto& r : rows) {
        WORD w = 1;
        BYTE b = 1;
        CString strMsg = "untouched";
        ASSERT_TRUE(ParseDevnum(r.psz, w, b, &strMsg)) << r.psz;
        EXPECT_EQ(w, r.wDev) << r.psz;
        EXPECT_EQ(b, r.bLcss) << r.psz;
        EXPECT_EQ(strMsg, "untouched");
    }
}

TEST(ParseDevnum, RejectedFormsSetSentinelsAndMessage)
{
    const char* rows[] = {"C", "0C", "0000C", "A:0190", "12:0190", " 0190", "0190 ", "",
                          "1:", "1:0C", "01G0", "1:01900", ":0190", "1-0190"};
    for (const char* psz : rows) {
        WORD w = 0;
        BYTE b = 0;
        CString strMsg;
        EXPECT_FALSE(ParseDevnum(psz, w, b, &strMsg)) << psz;
        EXPECT_EQ(w, 0xFFFF) << psz;
        EXPECT_EQ(b, 255) << psz;
        EXPECT_EQ(strMsg, "Invalid devnum syntax: must be \"HHHH\" or \"L:HHHH\".") << psz;
    }
    WORD w;
    BYTE b;
    EXPECT_FALSE(ParseDevnum(CString("01\0" "0", 4), w, b)); // embedded NUL, no message wanted
}

TEST(ParseDevnum, RoundTripsEveryLcssDigit)
{
    for (DWORD dwLcss = 0; dwLcss <= 9; dwLcss++) {
        for (DWORD dwDev : {0x0000u, 0x0001u, 0x0FFFu, 0xFFFFu, 0x1234u}) {
            const DWORD dw = (dwLcss << 16) | dwDev;
            DWORD dwBack = 0xDEAD;
            ASSERT_TRUE(ParseDevnumLcss(FormatDevnum(dw), &dwBack));
            EXPECT_EQ(dwBack, dw);
        }
    }
    DWORD dwKeep = 7;
    EXPECT_FALSE(ParseDevnumLcss("255:0001", &dwKeep)); // FormatDevnum's wide form
    EXPECT_EQ(dwKeep, 7u);
    EXPECT_TRUE(ParseDevnumLcss("0190", nullptr));
}
