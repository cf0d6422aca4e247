// FieldRulesTest.cpp: accept and refuse tables of the name rules.
#include <gtest/gtest.h>

#include "config/FieldRules.h"

TEST(FieldRules, Characters)
{
    EXPECT_TRUE(IsUpperAlphaChar('A') && IsUpperAlphaChar('Z'));
    EXPECT_FALSE(IsUpperAlphaChar('a') || IsUpperAlphaChar('@') || IsUpperAlphaChar('\0'));
    EXPECT_TRUE(IsDigitChar('0') && IsDigitChar('9'));
    EXPECT_FALSE(IsDigitChar('A'));
    EXPECT_TRUE(IsNationalChar('@') && IsNationalChar('$') && IsNationalChar('#'));
    EXPECT_FALSE(IsNationalChar('-'));
    EXPECT_TRUE(IsTapeDatasetChar('-') && IsTapeDatasetChar('#') && IsTapeDatasetChar('7'));
    EXPECT_FALSE(IsTapeDatasetChar('.') || IsTapeDatasetChar('a'));
    EXPECT_TRUE(IsAlphanumericString(""));
    EXPECT_TRUE(IsAlphanumericString("abcXYZ019"));
    EXPECT_FALSE(IsAlphanumericString("ab c"));
    EXPECT_FALSE(IsAlphanumericString("\xC4"));
}

TEST(FieldRules, Qualifiers)
{
    for (const char* p : {"A", "SYS1", "$#@-09AB", "Z9999999"})
        EXPECT_TRUE(IsValidQualifier(p)) << p;
    for (const char* p : {"", "1SYS", "-A", "SYS1X2345", "SY.S", "sys1", "A B", "AB_C"})
        EXPECT_FALSE(IsValidQualifier(p)) << p;
}

TEST(FieldRules, DatasetNames)
{
    for (const char* p : {"SYS1.PARMLIB", "A.B", "A", "  sys1.maclib  ", "$A.#B.@C"}) {
        CString s = p;
        EXPECT_TRUE(IsValidDatasetName(s)) << p;
    }
    CString strLower = " sys1.maclib ";
    IsValidDatasetName(strLower);
    EXPECT_EQ(strLower, "SYS1.MACLIB");
    CString str44 = "AAAAAAAA.BBBBBBBB.CCCCCCCC.DDDDDDDD.EEEEEEEE";   // 44
    EXPECT_EQ(str44.GetLength(), 44);
    EXPECT_TRUE(IsValidDatasetName(str44));
    for (const char* p : {"A..B", ".A", "A.", "", "   ", "AAAAAAAA.BBBBBBBB.CCCCCCCC.DDDDDDDD.EEEEEEEE.F",
                          "AAAAAAAAA.B", "1A.B", "A.B C"}) {
        CString s = p;
        EXPECT_FALSE(IsValidDatasetName(s)) << p;
    }
    CString strLong(std::string(100000, 'A').c_str());
    EXPECT_FALSE(IsValidDatasetName(strLong));
}

TEST(FieldRules, TapeDatasetNames)
{
    for (const char* p : {"A..B", "TAPE.FILE-1", "@A.#B", "ABCDEFGH.IJKLMNOP", ".A"})
        EXPECT_TRUE(IsValidTapeDatasetName(p)) << p;
    for (const char* p : {"", "ABCDEFGH.IJKLMNOPQ", "1A", "A.-B", "ABCDEFGHI", "a.b"})
        EXPECT_FALSE(IsValidTapeDatasetName(p)) << p;
    EXPECT_TRUE(IsValidTapeQualifier("A-1"));
    EXPECT_FALSE(IsValidTapeQualifier("-A1"));
}

TEST(FieldRules, Volsers)
{
    for (const char* p : {"A", "VOL001", "@$#123", "999999"})
        EXPECT_TRUE(IsValidVolser(p)) << p;
    for (const char* p : {"", "VOL0012", "vol001", "VOL-01", "VOL 1"})
        EXPECT_FALSE(IsValidVolser(p)) << p;
}

TEST(FieldRules, TerminalGroups)
{
    const char kMsg[] = "A terminal group must be 8 characters or less in length, must start with an alphabetic "
                        "character, contain only alphanumeric characters, and must not be a hexadecimal number.";
    struct Row { const char* pszIn; bool bOK; const char* pszAfter; };
    const Row rows[] = {
        {"GRP1", true, "GRP1"}, {"  grp1 ", true, "grp1"}, {"", true, ""}, {"   ", true, ""},
        {"G2345678", true, "G2345678"}, {"ABC", false, "ABC"}, {"FACE", false, "FACE"},
        {"G23456789", false, "G23456789"}, {"1GRP", false, "1GRP"}, {"GR-P", false, "GR-P"},
    };
    for (const Row& r : rows) {
        CString strGroup = r.pszIn, strMsg = "old";
        EXPECT_EQ(ValidateTerminalGroup(strGroup, strMsg), r.bOK) << r.pszIn;
        EXPECT_EQ(strGroup, r.pszAfter);
        EXPECT_EQ(strMsg, r.bOK ? "" : kMsg) << r.pszIn;
    }
}

TEST(FieldRules, HostPortSpecs)
{
    for (const char* p : {"ab:1", "host:3990", "10.0.0.1:3990:0120", "h1:1:2"})
        EXPECT_TRUE(IsHostPortSpec(p)) << p;
    for (const char* p : {"", "a:1", ":abc", "ab1", "ho st:1", "ho\tst:1", "host/x:1", "C:\\dir\\f", "abcd"})
        EXPECT_FALSE(IsHostPortSpec(p)) << p;
}
