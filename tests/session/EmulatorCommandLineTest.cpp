// EmulatorCommandLineTest.cpp: the emulator's start command line: quoting of
// names with blanks, a run without configuration, the optional -r and -b
// files and the extra arguments.
#include <gtest/gtest.h>

#include "session/EmulatorCommandLine.h"

namespace {

SEmulatorStart Start(const char* pszDir, const char* pszConfig, const char* pszRC = "", const char* pszLogo = "",
                     const char* pszExtra = "EXTERNALGUI")
{
    SEmulatorStart s;
    s.strExecutablesDir = pszDir;
    s.strExeName = "Vornamic.exe";
    s.strConfigPath = pszConfig;
    s.strRCFile = pszRC;
    s.strLogoFile = pszLogo;
    s.strExtraArgs = pszExtra;
    return s;
}

}  // namespace

TEST(EmulatorCommandLine, Table)
{
    struct Case {
        SEmulatorStart start;
        const char* pszExpected;
    };
    const Case cases[] = {
        {Start("C:\\Vorn\\", "C:\\cfg\\sys.cnf"), "C:\\Vorn\\Vornamic.exe -f C:\\cfg\\sys.cnf EXTERNALGUI"},
        {Start("C:\\Program Files\\Vorn\\", "C:\\My Configs\\sys 1.cnf"),
         "\"C:\\Program Files\\Vorn\\Vornamic.exe\" -f \"C:\\My Configs\\sys 1.cnf\" EXTERNALGUI"},
        {Start("C:\\Vorn\\", ""), "C:\\Vorn\\Vornamic.exe -f none EXTERNALGUI"},
        {Start("C:\\Vorn\\", "a.cnf", "ipl.rc", "logo.txt"),
         "C:\\Vorn\\Vornamic.exe -f a.cnf -r ipl.rc -b logo.txt EXTERNALGUI"},
        {Start("C:\\Vorn\\", "a.cnf", "my run.rc", ""), "C:\\Vorn\\Vornamic.exe -f a.cnf -r \"my run.rc\" EXTERNALGUI"},
        {Start("C:\\Vorn\\", "a.cnf", "", "my logo.txt"),
         "C:\\Vorn\\Vornamic.exe -f a.cnf -b \"my logo.txt\" EXTERNALGUI"},
        {Start("C:\\Vorn\\", "a.cnf", "", "", "EXTERNALGUI -d"), "C:\\Vorn\\Vornamic.exe -f a.cnf EXTERNALGUI -d"},
        // An empty extra-arguments setting still leaves its blank.
        {Start("C:\\Vorn\\", "a.cnf", "", "", ""), "C:\\Vorn\\Vornamic.exe -f a.cnf "},
        // A name already quoted is not quoted twice.
        {Start("", "\"C:\\x y\\a.cnf\""), "Vornamic.exe -f \"C:\\x y\\a.cnf\" EXTERNALGUI"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BuildEmulatorCommandLine(c.start), c.pszExpected);
}

TEST(EmulatorCommandLine, LongNamesArePassedWhole)
{
    std::string strLong(100000, 'x');
    SEmulatorStart s = Start("C:\\Vorn\\", ("C:\\" + strLong + " y.cnf").c_str());
    CString strLine = BuildEmulatorCommandLine(s);
    EXPECT_EQ(strLine.GetLength(), (int)(std::string("C:\\Vorn\\Vornamic.exe -f \"C:\\").size() + strLong.size() +
                                         std::string(" y.cnf\" EXTERNALGUI").size()));
}
