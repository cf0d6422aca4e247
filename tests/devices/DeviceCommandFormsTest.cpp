// DeviceCommandFormsTest.cpp: the card reader's arguments to the file list
// and options and back, the socket address, and the command forms of
// the reader, punch, statement editor and rename dialogs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/CVornConfigFile.h"
#include "config/DevClass.h"
#include "devices/DeviceCommandForms.h"

namespace {

std::vector<std::string> List(const CStringArray& a)
{
    std::vector<std::string> v;
    for (int i = 0; i < a.GetSize(); ++i)
        v.push_back((const char*)a[i]);
    return v;
}

CStringArray Array(std::initializer_list<const char*> items)
{
    CStringArray a;
    for (const char* p : items)
        a.Add(p);
    return a;
}

CVornDevice Parsed(const char* pszStmt)
{
    CVornDevice dev;
    CString strError;
    EXPECT_TRUE(CVornConfigFile::ParseDeviceStatement(pszStmt, dev, strError)) << pszStmt << ": " << strError;
    return dev;
}

}  // namespace

TEST(ReaderArguments, StatementWordsToFilesAndOptions)
{
    const struct {
        const char* pszFirst;
        const char* pszOther;
        std::vector<std::string> files;
        SReaderOptions opts;
    } rows[] = {
        {"deck1.txt", "deck2.txt ascii eof", {"deck1.txt", "deck2.txt"}, {false, true, false, false, true, false, false}},
        {"a.txt", "", {"a.txt"}, {}},
        {"a.txt", "EBCDIC AUTOPAD Intrq", {"a.txt"}, {false, false, true, false, false, true, false}},
        {"a.txt", "eof intrq", {"a.txt"}, {}},  // the last word counts
        {"a.txt", "\"my deck.txt\" trunc multifile", {"a.txt", "my deck.txt"},
         {false, false, false, true, false, false, true}},
        {"localhost:3505", "sockdev ascii trunc eof", {"localhost:3505"}, {true, true, false, true, true, false, false}},
        {"", "", {}, {}},
    };
    for (const auto& r : rows) {
        CStringArray files;
        SReaderOptions o;
        o.bAscii = o.bEof = true;  // every option starts off whatever was there
        ParseReaderArguments(r.pszFirst, r.pszOther, files, o);
        EXPECT_EQ(r.files, List(files)) << r.pszOther;
        EXPECT_EQ(r.opts.bSockdev, o.bSockdev) << r.pszOther;
        EXPECT_EQ(r.opts.bAscii, o.bAscii) << r.pszOther;
        EXPECT_EQ(r.opts.bEbcdic, o.bEbcdic) << r.pszOther;
        EXPECT_EQ(r.opts.bTrunc, o.bTrunc) << r.pszOther;
        EXPECT_EQ(r.opts.bEof, o.bEof) << r.pszOther;
        EXPECT_EQ(r.opts.bAutopad, o.bAutopad) << r.pszOther;
        EXPECT_EQ(r.opts.bMultifile, o.bMultifile) << r.pszOther;
    }
}

TEST(ReaderArguments, FilesAndOptionsToStatementWords)
{
    SReaderOptions all;
    all.bSockdev = all.bAscii = all.bEbcdic = all.bTrunc = all.bEof = all.bAutopad = all.bMultifile = true;
    SReaderOptions ebcdic;
    ebcdic.bEbcdic = true;
    ebcdic.bAutopad = true;
    const struct {
        CStringArray files;
        SReaderOptions opts;
        const char* pszFirst;
        const char* pszOther;
    } rows[] = {
        {Array({"deck1.txt", "deck2.txt"}), {false, true, false, false, true, false, false}, "deck1.txt",
         "deck2.txt ascii eof"},
        {Array({"a.txt"}), {}, "a.txt", "intrq"},
        {Array({"first deck.txt", "second deck.txt"}), {}, "first deck.txt", "\"second deck.txt\" intrq"},
        {Array({"a"}), all, "a", "sockdev ascii autopad trunc eof multifile"},  // ascii before ebcdic
        {Array({"a"}), ebcdic, "a", "ebcdic autopad intrq"},
        {Array({}), all, "", ""},
    };
    for (const auto& r : rows) {
        CString strFirst = "x", strOther = "y";
        BuildReaderArguments(r.files, r.opts, strFirst, strOther);
        EXPECT_STREQ(r.pszFirst, strFirst);
        EXPECT_STREQ(r.pszOther, strOther);
    }
}

TEST(ReaderArguments, RoundTripThroughTheStatementWords)
{
    CStringArray files = Array({"C:\\decks\\one deck.txt", "two.txt", "three four.txt"});
    SReaderOptions opts;
    opts.bEbcdic = opts.bTrunc = opts.bMultifile = opts.bEof = true;
    CString strFirst, strOther;
    BuildReaderArguments(files, opts, strFirst, strOther);
    CStringArray back;
    SReaderOptions o;
    ParseReaderArguments(strFirst, strOther, back, o);
    EXPECT_EQ(List(files), List(back));
    EXPECT_TRUE(o.bEbcdic && o.bTrunc && o.bMultifile && o.bEof);
    EXPECT_FALSE(o.bAscii || o.bAutopad || o.bSockdev);
}

TEST(ReaderCommand, FirstFileQuotedOnlyInTheCommand)
{
    EXPECT_STREQ("attach 000C 3505 C:\\decks\\a.txt intrq", ReaderCommand(true, "000C", "3505", "C:\\decks\\a.txt", "intrq"));
    EXPECT_STREQ("devinit 000C deck1.txt deck2.txt ascii eof",
                 ReaderCommand(false, "000C", "3505", "deck1.txt", "deck2.txt ascii eof"));
    EXPECT_STREQ("devinit 1:000C \"my deck.txt\" intrq", ReaderCommand(false, "1:000C", "", "my deck.txt", "intrq"));
    EXPECT_STREQ("attach 000C 2501", ReaderCommand(true, "000C", "2501", "", ""));
    EXPECT_STREQ("devinit 000C", ReaderCommand(false, "000C", "2501", "", ""));
}

TEST(SocketSpec, AddressOrNameAndPort)
{
    const struct { const char* pszSpec; const char* pszHost; DWORD dwAddress; UINT nPort; } rows[] = {
        {"10.0.0.5:3505", "", 0x0A000005, 3505},
        {"vornhost:3506", "vornhost", 0, 3506},
        {"localhost:1024", "localhost", 0, 1024},
        {"vornhost", "vornhost", 0, 3505},       // no port: a host name as a whole
        {"a:1", "a:1", 0, 3505},                 // the colon too early
        {"my host:3505", "my host:3505", 0, 3505},  // a blank: not the remote form
        {"300.1.1.1:3505", "300.1.1.1", 0, 3505},
    };
    for (const auto& r : rows) {
        SSocketSpec spec;
        ParseSocketSpec(r.pszSpec, spec);
        EXPECT_STREQ(r.pszHost, spec.strHost) << r.pszSpec;
        EXPECT_EQ(r.dwAddress, spec.dwAddress) << r.pszSpec;
        EXPECT_EQ(r.nPort, spec.nPort) << r.pszSpec;
    }
    EXPECT_STREQ("vornhost:3505", FormatSocketSpec("vornhost", 3505));
    EXPECT_STREQ("10.0.0.5:65535", FormatSocketSpec("10.0.0.5", 65535));
}

TEST(PunchCommand, FormsAndQuoting)
{
    EXPECT_STREQ("attach 000D 3525 C:\\out\\pch.txt ascii crlf",
                 PunchCommand(true, "000D", "3525", "C:\\out\\pch.txt", "ascii crlf"));
    EXPECT_STREQ("attach 000D 3525 \"C:\\my out\\pch.txt\"", PunchCommand(true, "000D", "3525", "C:\\my out\\pch.txt", ""));
    EXPECT_STREQ("devinit 000D pch.txt ascii", PunchCommand(false, "000D", "3525", "pch.txt", "ascii"));
    EXPECT_STREQ("devinit 000D", PunchCommand(false, "000D", "3525", "", ""));
    EXPECT_STREQ("attach 000D 3525", PunchCommand(true, "000D", "3525", "", ""));
}

TEST(StatementEditor, TextsByClass)
{
    const struct { const char* pszStmt; const char* pszType; const char* pszParms; } rows[] = {
        {"0E40 OSA eth0 ipaddr 10.1.1.1", "OSA", ""},
        {"0009 3215-C / noprompt", "3215-C", "/ noprompt"},
        {"0120 3390 \"C:\\my disks\\d.cckd\" ro", "3390", "\"C:\\my disks\\d.cckd\" ro"},
        {"000C 3505 a.txt ascii", "3505", "a.txt ascii"},
        {"0A00 2703 lport=3780 dial=in", "2703", "lport=3780 dial=in"},
    };
    for (const auto& r : rows) {
        CVornDevice dev = Parsed(r.pszStmt);
        CString strType, strParms;
        StatementEditorTexts(dev, strType, strParms);
        if (dev.m_wClass == DEVCLASS_COMM) {
            EXPECT_STREQ(dev.m_strFirstArg, strType);
            EXPECT_STREQ(dev.m_strOtherArgs, strParms);
            continue;
        }
        EXPECT_STREQ(r.pszType, strType) << r.pszStmt;
        EXPECT_STREQ(r.pszParms, strParms) << r.pszStmt;
    }
    CVornDevice console;
    console.m_wClass = DEVCLASS_LOG;
    console.m_wDevType = 0x3215;
    CString strType, strParms;
    StatementEditorTexts(console, strType, strParms);
    EXPECT_STREQ("3215", strType);
}

TEST(StatementEditor, TheSixCommandForms)
{
    CVornDevice comm = Parsed("0E40 CTCI 192.168.1.1 192.168.1.2");
    ASSERT_EQ(DEVCLASS_COMM, comm.m_wClass);
    CString strCommArgs = comm.m_strOtherArgs;
    EXPECT_STREQ("attach 0E40 " + comm.m_strFirstArg + " " + strCommArgs, StatementEditorCommand(true, comm));
    EXPECT_STREQ("devinit 0E40 " + strCommArgs, StatementEditorCommand(false, comm));
    CVornDevice disk = Parsed("0120 3390 \"C:\\my disks\\d.cckd\" ro");
    EXPECT_STREQ("attach 0120 3390 \"C:\\my disks\\d.cckd\" ro", StatementEditorCommand(true, disk));
    EXPECT_STREQ("devinit 0120 \"C:\\my disks\\d.cckd\" ro", StatementEditorCommand(false, disk));
    CVornDevice bare = Parsed("0A00 2703");
    ASSERT_EQ(DEVCLASS_UNKNOWN, bare.m_wClass);
    EXPECT_STREQ("attach 0A00 2703", StatementEditorCommand(true, bare));
    EXPECT_STREQ("devinit 0A00", StatementEditorCommand(false, bare));  // the trailing blank trimmed
}

TEST(RenameCommand, AsTyped)
{
    EXPECT_STREQ("define 0120 01a0", RenameCommand("0120", "01a0"));
    EXPECT_STREQ("define 1:0120 0121", RenameCommand("1:0120", "0121"));
}
