// DeviceStmtTest.cpp: device statements by class, lists and ranges.
#include <gtest/gtest.h>

#include "config/DevClass.h"
#include "config/DevNum.h"
#include "tests/config/ConfigTestUtil.h"

namespace {

struct Expected {
    const char* pszStmt;
    bool bOk;
    WORD wDevnum;
    WORD wType;
    WORD wClass;
    const char* pszFirst;
    const char* pszOther;
    const char* pszError;
};

} // namespace

TEST(ParseDeviceStatement, ByClass)
{
    const Expected rows[] = {
        {"000C 3505", true, 0x0C, 0x3505, 0, "", "", ""},
        {"000C 3505 cards.txt ascii eof", true, 0x0C, 0x3505, 0, "cards.txt", "ascii eof", ""},
        {"000D 3525", true, 0x0D, 0x3525, 1, "", "", "Missing parameter(s)"},
        // Found by fuzzing: an empty file name was taken, and the saved
        // statement then had none.
        {"0010 3211 \"\"", true, 0x10, 0x3211, 2, "", "", "Missing parameter(s)"},
        {"000D 3525 '' ascii", true, 0x0D, 0x3525, 1, "", "ascii", "Missing parameter(s)"},
        {"000E 1403 \"my print.txt\" crlf", true, 0x0E, 0x1403, 2, "my print.txt", "crlf", ""},
        {"001F 3215-c noprompt", true, 0x1F, 0x3215, 3, "3215-C", "noprompt", ""},
        {"001F 1052-C a b c d e", true, 0x1F, 0x1052, 3, "1052-C", "a b c d e", "Extraneous parameters"},
        {"001F 3215 a b c d e f", true, 0x1F, 0x3215, 3, "", "a b c d e f", ""},
        {"001F 3215 a b c d e f g", true, 0x1F, 0x3215, 3, "", "a b c d e f g", "Extraneous parameters"},
        {"0020 3270 grp", true, 0x20, 0x3270, 4, "", "grp", ""},
        {"0020 3270 a b c d e f", true, 0x20, 0x3270, 4, "", "a b c d e f", "Extraneous parameters"},
        {"0009 SYSG", true, 0x00, 0x3270, 4, "", "", "WARNING: device address ignored for SYSG device"},
        {"0120 3390 d.img ro", true, 0x120, 0x3390, 5, "d.img", "ro", ""},
        {"0180 3420", true, 0x180, 0x3420, 6, "*", "", ""},
        {"0180 3420 t.aws ro", true, 0x180, 0x3420, 6, "t.aws", "ro", ""},
        {"0400 osa iface x", true, 0x400, 0x3088, 7, "OSA", "iface x", ""},
        {"0400 LCS", true, 0x400, 0x3088, 7, "LCS", "", ""},
        {"0400 CTCI", true, 0x400, 0x3088, 7, "CTCI", "", "Missing parameter(s)"},
        {"0400 3088 ctce 30880 host", true, 0x400, 0x3088, 7, "CTCE", "30880 host",
         "WARNING: \"3088 format\" device statements are deprecated"},
        {"0400 3088", false, 0, 0, 0, "", "", "WARNING: \"3088 format\" device statements are deprecated\nMissing COMM protocol parameter"},
        {"04FF 2703 lport=3780", true, 0x4FF, 0x2703, 8, "", "lport=3780", ""},
        {"0500 ABCD x", true, 0x500, 0xABCD, 8, "", "x", ""},
        {"0120", false, 0, 0, 0, "", "", "Missing device type"},
        {"0120 339 d.img", false, 0, 0, 0, "", "", "Invalid hex value or value out of range"},
        {"012 3390 d.img", true, 0x12, 0x3390, 5, "d.img", "", ""},
        {"12345 3390 d.img", false, 0, 0, 0, "", "", "Invalid devnum syntax: must be \"HHHH\" or \"L:HHHH\"."},
    };
    for (const Expected& r : rows) {
        CVornDevice dev;
        CString strError;
        EXPECT_EQ(CVornConfigFile::ParseDeviceStatement(r.pszStmt, dev, strError), r.bOk) << r.pszStmt;
        EXPECT_EQ(strError, r.pszError) << r.pszStmt;
        if (!r.bOk)
            continue;
        EXPECT_EQ(dev.m_wDevnum, r.wDevnum) << r.pszStmt;
        EXPECT_EQ(dev.m_wDevType, r.wType) << r.pszStmt;
        EXPECT_EQ(dev.m_wClass, r.wClass) << r.pszStmt;
        EXPECT_EQ(dev.m_strFirstArg, r.pszFirst) << r.pszStmt;
        EXPECT_EQ(dev.m_strOtherArgs, r.pszOther) << r.pszStmt;
    }
}

TEST(ParseDeviceStatement, TypeWordAndSubtypeReachTheDevice)
{
    CVornDevice dev;
    CString strError;
    ASSERT_TRUE(CVornConfigFile::ParseDeviceStatement("04ff 2703 lport=3780", dev, strError));
    EXPECT_EQ(dev.m_strTypeWord, "2703");
    EXPECT_EQ(FormatDeviceStatement(dev), "04FF    2703    lport=3780");
    ASSERT_TRUE(CVornConfigFile::ParseDeviceStatement("0400 ctce 1 2", dev, strError));
    EXPECT_EQ(dev.m_nSubtype, COMM_SUBTYPE_CTCE);
    EXPECT_TRUE(dev.m_bSysg == false);
    ASSERT_TRUE(CVornConfigFile::ParseDeviceStatement("0009 sysg", dev, strError));
    EXPECT_TRUE(dev.m_bSysg);
}

// An unknown protocol word of the older form stays as written and is reported.
TEST(ParseDeviceStatement, QuotedArgumentsStayOneWord)
{
    // The quotes that made a word of blanks are written again, so that the
    // saved statement gives the emulator (and the next read) the same words.
    const struct {
        const char* pszStmt;
        const char* pszOther;
    } rows[] = {
        {"0120 3390 a.img \"sf=C:\\My Disks\\s_*.img\" ro", "\"sf=C:\\My Disks\\s_*.img\" ro"},
        {"0500 ABCD ' sf=' x", "\" sf=\" x"},
        {"0500 ABCD 'say \"hi\" there'", "'say \"hi\" there'"},
        {"0500 ABCD '\"x'", "'\"x'"},
        {"0020 3270 \"grp one\"", "\"grp one\""},
        {"0010 3210 \"\"x", "x"},
    };
    for (const auto& r : rows) {
        CVornDevice dev, again;
        CString strError;
        ASSERT_TRUE(CVornConfigFile::ParseDeviceStatement(r.pszStmt, dev, strError)) << r.pszStmt;
        EXPECT_EQ(dev.m_strOtherArgs, r.pszOther) << r.pszStmt;
        ASSERT_TRUE(CVornConfigFile::ParseDeviceStatement(FormatDeviceStatement(dev), again, strError));
        EXPECT_EQ(again.m_strOtherArgs, dev.m_strOtherArgs) << r.pszStmt;
    }
}

TEST(ParseDeviceStatement, FirstArgumentWithADoubleQuoteReadsBack)
{
    // Found by fuzzing: a disk's first argument '"' was written bare, and on
    // reading it paired with the quote of the next word.
    for (const char* pszStmt : {"0120 3390 \" '", "0120 3390 '\"a b' x", "0180 3420 '\"' \"c d\""}) {
        CVornDevice dev, again;
        CString strError;
        CVornConfigFile::ParseDeviceStatement(pszStmt, dev, strError);
        const CString strSaved = FormatDeviceStatement(dev);
        CVornConfigFile::ParseDeviceStatement(strSaved, again, strError);
        EXPECT_EQ(again.m_strFirstArg, dev.m_strFirstArg) << strSaved.GetString();
        EXPECT_EQ(again.m_strOtherArgs, dev.m_strOtherArgs) << strSaved.GetString();
        EXPECT_EQ(FormatDeviceStatement(again), strSaved);
    }
}

TEST(ParseDeviceStatement, UnknownCommProtocolKeptAndReported)
{
    TempDir dir;
    CVornConfigFile cfg;
    EXPECT_FALSE(LoadText(cfg, dir, "0400 3088 FOOBAR a b\n"));
    EXPECT_EQ(JoinedErrors(cfg), "*** Error: Line 1: Unrecognized or unsupported COMM device");
    CVornDevice dev;
    ASSERT_TRUE(cfg.m_devices.Lookup(0x400, dev));
    EXPECT_EQ(dev.m_nSubtype, COMM_SUBTYPE_UNKNOWN);
    EXPECT_EQ(FormatDeviceStatement(dev), "0400    3088    FOOBAR a b");
}

TEST(AddDeviceList, RangesAndLists)
{
    const struct { const char* pszText; const char* pszKeys; const char* pszErrors; } rows[] = {
        {"0120.3 3390 d.img\n", "0120 0121 0122", ""},
        {"0120.1 3390 d.img\n", "", "*** Error: Line 1: Invalid devnum range"},
        {"0120.A 3390 d\n", "", "*** Error: Line 1: Invalid device number \".nnn\" repeat value."},
        {"0120.1000 3390 d\n", "", "*** Error: Line 1: Invalid device number \".nnn\" repeat value."},
        {"0120-0122 3390 d\n", "0120 0121 0122", ""},
        {"0122-0120 3390 d\n", "", "*** Error: Line 1: Invalid devnum range"},
        {"0120-0120 3390 d\n", "", "*** Error: Line 1: Invalid devnum range"},
        {"01F0-0210 3390 d\n", "", "*** Error: Line 1: Some devnums not on channel 0x01"},
        {"0120,0130 3420\n", "0120 0130", ""},
        {",0120 3420\n", "", "*** Error: Line 1: Syntax error"},
        {"0120, 3420\n", "", "*** Error: Line 1: Syntax error"},
        {"0120- 3420\n", "", "*** Error: Line 1: Syntax error"},
        {"1:0120-1:0122 3390 d\n", "1:0120 1:0121 1:0122", ""},
        {"1:0120-2:0122 3390 d\n", "", "*** Error: Line 1: Device range must be for same LCSS."},
        {"1:0120-0122 3390 d\n", "1:0120 1:0121 1:0122", ""},
        {"0120,0120 3390 d\n", "0120", "*** Error: Line 1: Device already defined"},
        {"0120-0121,0130-0131 3390 d\n", "0120 0121 0130 0131", ""},
        {"0120-0121,0230 3390 d\n", "0120 0121 0230", ""},
        {"0120-0121,0230-0231 3390 d\n", "0120 0121", "*** Error: Line 1: Some devnums not on channel 0x01"},
        {"0120,0121 3390 \"a b.img\" ro\n", "0120 0121", ""},
    };
    TempDir dir;
    for (const auto& r : rows) {
        CVornConfigFile cfg;
        LoadText(cfg, dir, r.pszText, "l.cnf");
        std::string strKeys;
        CArray<CVornDevice, const CVornDevice&> devices;
        cfg.GetSortedDevices(devices);
        for (const CVornDevice& dev : devices)
            strKeys += (strKeys.empty() ? "" : " ") + FormatDevnum(dev.GetKey()).str();
        EXPECT_EQ(strKeys, r.pszKeys) << r.pszText;
        EXPECT_EQ(JoinedErrors(cfg, "*** Error: File contains no device entries"), r.pszErrors)
            << r.pszText;
    }
}

TEST(AddDeviceList, DuplicateReportedUnderEarlierMessagesAndFirstKept)
{
    TempDir dir;
    CVornConfigFile cfg;
    LoadText(cfg, dir, "0120 3390 first.img\n0121,0120 3525\n");
    EXPECT_EQ(JoinedErrors(cfg), "*** Error: Line 2: Missing parameter(s)|"
                                 "                   Missing parameter(s)|"
                                 "                   Device already defined");
    CVornDevice dev;
    ASSERT_TRUE(cfg.m_devices.Lookup(0x120, dev));
    EXPECT_EQ(dev.m_strFirstArg, "first.img");
}

// A statement that defined no device is kept as written, also when its
// message is not listed, so that saving does not lose the line.
TEST(AddDevice, FailedStatementKeptVerbatim)
{
    TempDir dir;
    CVornConfigFile cfg;
    LoadText(cfg, dir, "0120 3390 a.img\n0130 339 b.img\n0120 3390 again.img\n");
    EXPECT_EQ(JoinedErrors(cfg), "*** Error: Line 2: Invalid hex value or value out of range|"
                                 "*** Error: Line 3: Device already defined");
    ASSERT_EQ(cfg.m_keptStmts.GetSize(), 2);
    EXPECT_EQ(cfg.m_keptStmts[0], "0130 339 b.img");
    EXPECT_EQ(cfg.m_keptStmts[1], "0120 3390 again.img");

    EXPECT_TRUE(LoadText(cfg, dir, "# IgnoreParseErrors: 1\n0120 3390 a.img\n0130 339 b.img\n"));
    ASSERT_EQ(cfg.m_keptStmts.GetSize(), 1);
    EXPECT_EQ(cfg.m_keptStmts[0], "0130 339 b.img");
}
