// MyCommandLineInfoTest.cpp: every form of VornGUI's command line and every
// message it gives.
#include <gtest/gtest.h>

#include <initializer_list>

#include "mainwindow/MyCommandLineInfo.h"

namespace {

// Parses the parameters as the program would get them after its own name.
CMyCommandLineInfo Parse(std::initializer_list<const char*> params)
{
    std::vector<const char*> argv{"VornGUI.exe"};
    argv.insert(argv.end(), params.begin(), params.end());
    CMyCommandLineInfo info;
    info.ParseArgs((int)argv.size(), argv.data());
    return info;
}

std::vector<CString> Msgs(std::initializer_list<const char*> texts)
{
    std::vector<CString> v;
    for (const char* p : texts)
        v.emplace_back(p);
    return v;
}

TEST(MyCommandLineInfo, NoParametersIsNoError)
{
    CMyCommandLineInfo info = Parse({});
    EXPECT_FALSE(info.m_bError);
    EXPECT_TRUE(info.m_messages.empty());
    EXPECT_FALSE(info.m_bUseIniFile);
}

TEST(MyCommandLineInfo, SeparateArgumentKeepsItsCase)
{
    CMyCommandLineInfo info = Parse({"-f", "X.CNF"});
    EXPECT_FALSE(info.m_bError);
    EXPECT_STREQ(info.m_strConfigFile, "X.CNF");
}

TEST(MyCommandLineInfo, GluedArgumentIsLowerCased)
{
    CMyCommandLineInfo info = Parse({"-fX.CNF"});
    EXPECT_FALSE(info.m_bError);
    EXPECT_STREQ(info.m_strConfigFile, "x.cnf");
    // Both forms set the same file.
    EXPECT_STREQ(Parse({"-fx.cnf"}).m_strConfigFile, Parse({"-f", "x.cnf"}).m_strConfigFile);
}

TEST(MyCommandLineInfo, EveryFlagStoresItsArgument)
{
    CMyCommandLineInfo info =
        Parse({"-e", "Emu.exe", "/F", "C:\\a b\\x.cnf", "-r", "Run.rc", "-B", "logo.txt", "-n", "Site2"});
    EXPECT_FALSE(info.m_bError) << (info.m_messages.empty() ? "" : (const char*)info.m_messages[0]);
    EXPECT_STREQ(info.m_strEmulatorExeName, "Emu.exe");
    EXPECT_STREQ(info.m_strConfigFile, "C:\\a b\\x.cnf");
    EXPECT_STREQ(info.m_strRCFile, "Run.rc");
    EXPECT_STREQ(info.m_strLogoFile, "logo.txt");
    EXPECT_STREQ(info.m_strRegistryAppName, "Site2");
    EXPECT_FALSE(info.m_bUseIniFile);
}

TEST(MyCommandLineInfo, ArgumentsAreTrimmed)
{
    CMyCommandLineInfo info = Parse({"-e", "  Emu.exe  ", "-f  x.cnf "});
    EXPECT_STREQ(info.m_strEmulatorExeName, "Emu.exe");
    EXPECT_STREQ(info.m_strConfigFile, "x.cnf");
}

TEST(MyCommandLineInfo, MissingArgumentBeforeNextFlag)
{
    CMyCommandLineInfo info = Parse({"-e", "-f", "x"});
    EXPECT_TRUE(info.m_bError);
    EXPECT_EQ(info.m_messages, Msgs({"Missing '-e' argument."}));
    EXPECT_STREQ(info.m_strConfigFile, "x");
}

TEST(MyCommandLineInfo, EachFlagNeedingAnArgumentIsReportedAsLast)
{
    for (const char* flag : {"-e", "-f", "-r", "-b", "-n", "-E"}) {
        CMyCommandLineInfo info = Parse({flag});
        CString expected;
        expected.Format("Missing '-%c' argument.", flag[1] | 0x20);
        EXPECT_TRUE(info.m_bError) << flag;
        EXPECT_EQ(info.m_messages, std::vector<CString>{expected}) << flag;
    }
}

TEST(MyCommandLineInfo, IniFlagWithoutArgument)
{
    // -i last is accepted; -i followed by a flag uses the default name.
    CMyCommandLineInfo last = Parse({"-i"});
    EXPECT_FALSE(last.m_bError);
    EXPECT_TRUE(last.m_bUseIniFile);
    EXPECT_TRUE(last.m_strIniFile.IsEmpty());

    CMyCommandLineInfo before = Parse({"-i", "-f", "x"});
    EXPECT_FALSE(before.m_bError);
    EXPECT_TRUE(before.m_bUseIniFile);
    EXPECT_TRUE(before.m_strIniFile.IsEmpty());
    EXPECT_STREQ(before.m_strConfigFile, "x");
}

TEST(MyCommandLineInfo, IniFlagWithArgument)
{
    CMyCommandLineInfo sep = Parse({"-i", "My.INI"});
    EXPECT_TRUE(sep.m_bUseIniFile);
    EXPECT_STREQ(sep.m_strIniFile, "My.INI");
    CMyCommandLineInfo glued = Parse({"-iMy.INI"});
    EXPECT_TRUE(glued.m_bUseIniFile);
    EXPECT_STREQ(glued.m_strIniFile, "my.ini");
}

TEST(MyCommandLineInfo, UnsupportedFlags)
{
    EXPECT_EQ(Parse({"-x"}).m_messages, Msgs({"Unsupported flag: '-x'"}));
    EXPECT_EQ(Parse({"-XYZ"}).m_messages, Msgs({"Unsupported flag: '-xyz'"}));
    EXPECT_TRUE(Parse({"-x"}).m_bError);
}

TEST(MyCommandLineInfo, UnexpectedWord)
{
    CMyCommandLineInfo info = Parse({"Config.cnf"});
    EXPECT_TRUE(info.m_bError);
    EXPECT_EQ(info.m_messages, Msgs({"Unexpected/unsupported parameter: \"Config.cnf\""}));
    EXPECT_TRUE(info.m_strConfigFile.IsEmpty());
}

TEST(MyCommandLineInfo, SecondWordAfterAFlagIsUnexpected)
{
    CMyCommandLineInfo info = Parse({"-f", "a.cnf", "b.cnf"});
    EXPECT_STREQ(info.m_strConfigFile, "a.cnf");
    EXPECT_EQ(info.m_messages, Msgs({"Unexpected/unsupported parameter: \"b.cnf\""}));
}

TEST(MyCommandLineInfo, WordAfterAnUnsupportedFlagIsUnexpected)
{
    CMyCommandLineInfo info = Parse({"-x", "y"});
    EXPECT_EQ(info.m_messages, Msgs({"Unsupported flag: '-x'", "Unexpected/unsupported parameter: \"y\""}));
}

TEST(MyCommandLineInfo, UsageFlag)
{
    CMyCommandLineInfo plain = Parse({"-?"});
    EXPECT_TRUE(plain.m_bError);
    EXPECT_TRUE(plain.m_messages.empty());  // only the usage shows

    CMyCommandLineInfo arg = Parse({"-?x"});
    EXPECT_TRUE(arg.m_bError);
    EXPECT_EQ(arg.m_messages, Msgs({"'-?' option does not take any arguments"}));
}

TEST(MyCommandLineInfo, EmptyAndBlankParametersAreIgnored)
{
    CMyCommandLineInfo info = Parse({"", "   ", "-", "-f", "x"});
    EXPECT_FALSE(info.m_bError);
    EXPECT_STREQ(info.m_strConfigFile, "x");
}

TEST(MyCommandLineInfo, VeryLongArgumentIsKeptWhole)
{
    std::string path(100000, 'p');
    CMyCommandLineInfo info = Parse({"-f", path.c_str()});
    EXPECT_EQ(info.m_strConfigFile.GetLength(), 100000);
}

TEST(MyCommandLineInfo, EachParserStartsWithoutAPendingFlag)
{
    // A flag left pending by one parse does not leak into the next.
    Parse({"-i"});
    CMyCommandLineInfo info = Parse({"word"});
    EXPECT_TRUE(info.m_bError);
    EXPECT_FALSE(info.m_bUseIniFile);
}

}  // namespace
