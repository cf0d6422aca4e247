// Vmfplc2RulesTest.cpp: the VMFPLC2 control file's statements, both ways,
// its line kinds, the CMS names and the utility's option words.
#include <gtest/gtest.h>

#include "utilities/Vmfplc2Rules.h"

TEST(Vmfplc2Rules, FormatsTheStatementOfATextualFileWithTheDefaultCodePage)
{
    SVmfplc2Statement s;
    s.strFilename = "PROFILE";
    s.strFiletype = "EXEC";
    s.strFilemode = "A1";
    s.nRecfm = kRecfmFixed;
    s.nLrecl = 80;
    s.nFileType = kFileTextual;
    s.strHostFile = "C:\\cms\\profile.exec";
    EXPECT_STREQ("1252/037    PROFILE  EXEC     A1 Fixed 80   Textual    C:\\cms\\profile.exec",
                 FormatVmfplc2Statement(s, "1252 / 037"));
    // A binary file has no code page: the line begins with eleven blanks;
    // Variable keeps its blank; a host path with blanks is quoted.
    s.nFileType = kFileBinary;
    s.nRecfm = kRecfmVariable;
    s.strHostFile = "C:\\my files\\p.exec";
    EXPECT_STREQ("            PROFILE  EXEC     A1 Variable   Binary     \"C:\\my files\\p.exec\"",
                 FormatVmfplc2Statement(s, "1252 / 037"));
    // An override of the list's or not, written as it was read.
    s.nFileType = kFileTextual;
    s.bOverride = true;
    s.strOverrideCodePage = "1140 / 9999";
    EXPECT_EQ(0, FormatVmfplc2Statement(s, "1252 / 037").Find("1140/9999   PROFILE"));
}

TEST(Vmfplc2Rules, ParsesStatementsAndRoundTrips)
{
    const struct {
        const char* pszLine;
        bool bOverride;
        const char* pszCodePage;
        const char* pszName;
        const char* pszMode;
        int nRecfm, nLrecl, nType;
        const char* pszHost;
    } cases[] = {
        {"1252/037 PROFILE EXEC A1 F 80 T C:\\x", true, "1252 / 037", "PROFILE", "A1", kRecfmFixed, 80, kFileTextual,
         "C:\\x"},
        {"PROFILE EXEC A1 V B C:\\x", false, "", "PROFILE", "A1", kRecfmVariable, 0, kFileBinary, "C:\\x"},
        {"DATA FILE A F 70000 s C:\\x", false, "", "DATA", "A", kRecfmFixed, 65535, kFileStructured, "C:\\x"},
        {"DATA FILE A fix 0 TEXT C:\\x", false, "", "DATA", "A", kRecfmFixed, 1, kFileTextual, "C:\\x"},
        {"DATA FILE A F 80 T \"C:\\my files\\d.txt\"", false, "", "DATA", "A", kRecfmFixed, 80, kFileTextual,
         "C:\\my files\\d.txt"},
        // A code page on a binary file is dropped; missing words leave the defaults.
        {"819/1047 BIN FILE B1 F 100 BINARY C:\\b", false, "", "BIN", "B1", kRecfmFixed, 100, kFileBinary, "C:\\b"},
        {"ONLY NAME", false, "", "ONLY", "", kRecfmFixed, 0, kFileBinary, ""},
        {"   ", false, "", "", "", kRecfmFixed, 0, kFileBinary, ""},
    };
    for (const auto& c : cases) {
        SVmfplc2Statement s;
        ParseVmfplc2Statement(c.pszLine, s);
        EXPECT_EQ(c.bOverride, s.bOverride) << c.pszLine;
        EXPECT_STREQ(c.pszCodePage, s.strOverrideCodePage) << c.pszLine;
        EXPECT_STREQ(c.pszName, s.strFilename) << c.pszLine;
        EXPECT_STREQ(c.pszMode, s.strFilemode) << c.pszLine;
        EXPECT_EQ(c.nRecfm, s.nRecfm) << c.pszLine;
        EXPECT_EQ(c.nLrecl, s.nLrecl) << c.pszLine;
        EXPECT_EQ(c.nType, s.nFileType) << c.pszLine;
        EXPECT_STREQ(c.pszHost, s.strHostFile) << c.pszLine;
        // What is written reads back the same.
        SVmfplc2Statement again;
        ParseVmfplc2Statement(FormatVmfplc2Statement(s, "819 / 037"), again);
        if (s.strFilename.IsEmpty() || s.strFilemode.IsEmpty())
            continue;
        EXPECT_STREQ(s.strHostFile, again.strHostFile) << c.pszLine;
        EXPECT_EQ(s.nRecfm, again.nRecfm) << c.pszLine;
        EXPECT_EQ(s.nFileType, again.nFileType) << c.pszLine;
        EXPECT_STREQ(s.strFiletype, again.strFiletype) << c.pszLine;
    }
}

TEST(Vmfplc2Rules, LineKindsAndCmsNames)
{
    EXPECT_TRUE(IsVmfplc2TapeMark("@tm"));
    EXPECT_TRUE(IsVmfplc2TapeMark("@TM end of first tape file"));
    EXPECT_FALSE(IsVmfplc2TapeMark("@T"));
    EXPECT_TRUE(IsVmfplc2Comment("*x"));
    EXPECT_TRUE(IsVmfplc2Comment("# note"));
    EXPECT_TRUE(IsVmfplc2Comment(";"));
    EXPECT_FALSE(IsVmfplc2Comment(" *x"));
    EXPECT_FALSE(IsVmfplc2CommentOrTapeMark(" @TM"));
    for (const char* psz : {"A", "Z6", "B0"})
        EXPECT_TRUE(IsValidCmsFilemode(psz)) << psz;
    for (const char* psz : {"A7", "1A", "", "AB", "A11", "a"})
        EXPECT_FALSE(IsValidCmsFilemode(psz)) << psz;
    for (const char* psz : {"PROFILE", "A", "X$#@+-:_", "12345678"})
        EXPECT_TRUE(IsValidCmsName(psz)) << psz;
    for (const char* psz : {"", "TOOLONGNM", "LOWer", "A.B", "A B"})
        EXPECT_FALSE(IsValidCmsName(psz)) << psz;
}

TEST(Vmfplc2Rules, OptionWordsOfTheThreeFunctions)
{
    EXPECT_STREQ("-v -c 1252/037 -b -9", Vmfplc2OptionWords(kPlc2Dump, true, "1252 / 037", false, true, 1, 9));
    EXPECT_STREQ("-z -6", Vmfplc2OptionWords(kPlc2Dump, false, "", false, true, 0, 6));
    EXPECT_STREQ("-u", Vmfplc2OptionWords(kPlc2Dump, false, "", false, false, 0, 6));
    EXPECT_STREQ("", Vmfplc2OptionWords(kPlc2Load, false, "", false, true, 0, 6));
    EXPECT_STREQ("-c default -t", Vmfplc2OptionWords(kPlc2Scan, false, "default", true, true, 1, 6));
}
