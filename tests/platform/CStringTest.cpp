// CStringTest.cpp: CString members against their documented results.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>

#include "platform/CString.h"

TEST(CString, FormatMatchesSnprintf)
{
    char expect[128];
    CString s;

    s.Format("%04X", 0xA80u);
    EXPECT_EQ(s, "0A80");
    s.Format("%1d:%04X", 1, 0x1F);
    EXPECT_EQ(s, "1:001F");
    s.Format("%s%s%s ended; rc=%d", "VolMake", ": ", "x", -3);
    EXPECT_EQ(s, "VolMake: x ended; rc=-3");
    // The trace format of failed system calls writes "0x%08.8X".
    const char* fmt = "%-8s|%5.2f|%c|%%|%08.8X";
    s.Format(fmt, "ab", 3.14159, 'z', 0xBEEFu);
    std::snprintf(expect, sizeof expect, fmt, "ab", 3.14159, 'z', 0xBEEFu);
    EXPECT_EQ(s, expect);
}

TEST(CString, FormatI64TakesSixtyFourBitValues)
{
    CString s;
    s.Format("%I64d %I64u %I64X %016I64X", (long long)-5, 18446744073709551615ull,
             0x123456789ABull, 0xFFull);
    EXPECT_EQ(s, "-5 18446744073709551615 123456789AB 00000000000000FF");
    EXPECT_EQ(TranslateFormatI64("%%I64d %I64d %5I64u"), "%%I64d %lld %5llu");
}

TEST(CString, FormatLongResult)
{
    std::string big(100000, 'x');
    CString s;
    s.Format("<%s>", big.c_str());
    EXPECT_EQ(s.GetLength(), 100002);
}

TEST(CString, Comparisons)
{
    CString a("Tape");
    EXPECT_EQ(a.Compare("Tape"), 0);
    EXPECT_LT(a.Compare("Tapf"), 0);
    EXPECT_EQ(a.CompareNoCase("tAPE"), 0);
    EXPECT_GT(a.CompareNoCase("TAP"), 0);
    EXPECT_TRUE(a == "Tape");
    EXPECT_TRUE(a != "tape");
    EXPECT_TRUE(CString("a") < CString("b"));
}

TEST(CString, SliceClampsOutOfRange)
{
    CString s("ABCDEF");
    EXPECT_EQ(s.Mid(2), "CDEF");
    EXPECT_EQ(s.Mid(2, 2), "CD");
    EXPECT_EQ(s.Mid(10), "");
    EXPECT_EQ(s.Mid(-3, 2), "AB");
    EXPECT_EQ(s.Mid(4, 100), "EF");
    EXPECT_EQ(s.Left(3), "ABC");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Right(2), "EF");
    EXPECT_EQ(s.Right(99), "ABCDEF");
    EXPECT_EQ(s.GetAt(99), '\0');
    EXPECT_EQ(s.SpanIncluding("ABC"), "ABC");
    EXPECT_EQ(s.SpanExcluding("D"), "ABC");
}

TEST(CString, SearchAndReplace)
{
    CString s("attach 0A80 3390 disk.cckd");
    EXPECT_EQ(s.Find(' '), 6);
    EXPECT_EQ(s.Find(' ', 7), 11);
    EXPECT_EQ(s.Find("3390"), 12);
    EXPECT_EQ(s.Find("3390", 99), -1);
    EXPECT_EQ(s.ReverseFind('.'), 21);
    EXPECT_EQ(s.FindOneOf("0123456789"), 7);
    EXPECT_EQ(s.Replace("0A80", "0A81"), 1);
    EXPECT_EQ(s, "attach 0A81 3390 disk.cckd");
    EXPECT_EQ(s.Replace("", "x"), 0);
    EXPECT_EQ(s.Replace(' ', '_'), 3);
    EXPECT_EQ(s.Remove('_'), 3);
    EXPECT_EQ(s, "attach0A813390disk.cckd");
}

TEST(CString, TrimCaseInsertDelete)
{
    CString s("  \t vorn ipl 0A80 \r\n");
    s.Trim();
    EXPECT_EQ(s, "vorn ipl 0A80");
    CString q("\"x\"");
    EXPECT_EQ(q.Trim('"'), "x");
    CString u("MixEd");
    EXPECT_EQ(u.MakeUpper(), "MIXED");
    EXPECT_EQ(u.MakeLower(), "mixed");
    EXPECT_EQ(u.MakeReverse(), "dexim");
    CString d("abcdef");
    d.Delete(1, 2);
    EXPECT_EQ(d, "adef");
    d.Delete(3, 100);
    EXPECT_EQ(d, "ade");
    d.Insert(1, "XY");
    d.Insert(100, 'Z');
    EXPECT_EQ(d, "aXYdeZ");
}

TEST(CString, TokenizeSkipsEmptyTokens)
{
    CString s(",,a,b;;c,");
    int pos = 0;
    EXPECT_EQ(s.Tokenize(",;", pos), "a");
    EXPECT_EQ(s.Tokenize(",;", pos), "b");
    EXPECT_EQ(s.Tokenize(",;", pos), "c");
    EXPECT_EQ(s.Tokenize(",;", pos), "");
    EXPECT_EQ(pos, -1);
}

TEST(CString, BufferAccessAndEmbeddedNul)
{
    CString s;
    char* p = s.GetBuffer(10);
    std::snprintf(p, 11, "%s", "0123");
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), 4);
    CString z("ab\0cd", 5);
    EXPECT_EQ(z.GetLength(), 5);
    EXPECT_EQ(z.Find('c'), 3);
}
