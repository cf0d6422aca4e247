// PrinterArgumentsTest.cpp: a line printer's arguments read from a device
// and written back for file, pipe and socket outputs, and its commands.
#include <gtest/gtest.h>

#include <string>

#include "devices/PrinterArguments.h"

namespace {

SPrinterFields Parsed(const char* pszFirst, const char* pszOther)
{
    SPrinterFields fields;
    fields.nPort = 1403;
    ParsePrinterArguments(pszFirst, pszOther, "C:\\cur\\", fields);
    return fields;
}

}  // namespace

TEST(PrinterArguments, WordsInAnyCase)
{
    SPrinterFields f = Parsed("C:\\prt\\out.txt", "CRLF fcb=legacy lp");
    EXPECT_TRUE(f.bCrlf);
    EXPECT_FALSE(f.bSockdev);
    EXPECT_STREQ("legacy", f.strChannelSettings);
    EXPECT_STREQ("lp", f.strPipeArgs);
    EXPECT_STREQ("C:\\prt\\", f.strOutputDir);
    EXPECT_STREQ("out.txt", f.strFileName);
    f = Parsed("out.txt", "CCTAPE=(1=1) x y");
    EXPECT_STREQ("(1=1)", f.strChannelSettings);
    EXPECT_STREQ("x y", f.strPipeArgs);
    f = Parsed("", "");
    EXPECT_STREQ("C:\\cur\\", f.strOutputDir) << "a new printer writes into the current folder";
    EXPECT_TRUE(f.strFileName.IsEmpty());
}

TEST(PrinterArguments, APipeSplitsOffItsFolderAndArguments)
{
    SPrinterFields f = Parsed("|\"C:\\Program Files\\spool\\lpr.exe\" -x \"a b\"", "crlf");
    EXPECT_STREQ("C:\\Program Files\\spool\\", f.strOutputDir);
    EXPECT_STREQ("|lpr.exe", f.strFileName);
    EXPECT_STREQ("-x \"a b\"", f.strPipeArgs);
    EXPECT_STREQ("|\"C:\\Program Files\\spool\\lpr.exe\" -x \"a b\"", PrinterFileName(f, ""));
    f.strPipeArgs.Empty();
    EXPECT_STREQ("|C:\\Program Files\\spool\\lpr.exe", PrinterFileName(f, ""));
}

TEST(PrinterArguments, ASocketPrinter)
{
    SPrinterFields f = Parsed("192.168.1.5:1500", "sockdev");
    EXPECT_TRUE(f.bSockdev);
    EXPECT_EQ(0xC0A80105u, f.dwIPAddress);
    EXPECT_EQ(1500u, f.nPort);
    EXPECT_TRUE(f.strOutputDir.IsEmpty()) << "a socket has no folder";
    // A name with a blank is never a socket.
    f = Parsed("C:\\my prt\\x:1", "sockdev");
    EXPECT_FALSE(f.bSockdev);
    EXPECT_STREQ("x:1", f.strFileName);
    f.bSockdev = true;
    f.nPort = 1403;
    EXPECT_STREQ("192.168.1.5:1403", PrinterFileName(f, "192.168.1.5"));
}

TEST(PrinterArguments, ArgumentTextForEachOutput)
{
    SPrinterFields f;
    f.strChannelSettings = "legacy";
    EXPECT_STREQ("fcb=legacy", PrinterArgumentText(f, false, ""));
    EXPECT_STREQ("cctape=legacy", PrinterArgumentText(f, true, ""));
    f.bCrlf = true;
    EXPECT_STREQ("crlf fcb=legacy lp extra", PrinterArgumentText(f, false, "lp extra"));
    f.bSockdev = true;
    f.bCrlf = false;
    f.strChannelSettings.Empty();
    EXPECT_STREQ("sockdev", PrinterArgumentText(f, false, ""));
}

TEST(PrinterArguments, Commands)
{
    struct Case {
        bool bAdd;
        const char* pszFile;
        const char* pszArgs;
        const char* pszCommand;
    } cases[] = {
        {true, "C:\\prt\\out.txt", "fcb=legacy", "attach 000E 3211 C:\\prt\\out.txt fcb=legacy"},
        {false, "C:\\my prt\\out.txt", "crlf", "devinit 000E \"C:\\my prt\\out.txt\" crlf"},
        {true, "|\"C:\\Program Files\\spool\\lpr.exe\" -x", "fcb=legacy",
         "attach 000E 3211 '|\"C:\\Program Files\\spool\\lpr.exe\" -x' fcb=legacy"},
        {true, "|C:\\Program Files\\spool\\lpr.exe", "", "attach 000E 3211 \"|C:\\Program Files\\spool\\lpr.exe\""},
        {false, "192.168.1.5:1403", "sockdev fcb=legacy", "devinit 000E 192.168.1.5:1403 sockdev fcb=legacy"},
        {false, "out.txt", "", "devinit 000E out.txt"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.pszCommand, PrinterCommand(c.bAdd, "000E", "3211", c.pszFile, c.pszArgs)) << c.pszFile;
}
