// CpuTypesListTest.cpp: reading cpu-types.txt in both formats, the lines it
// skips, the second folder, and the entry the model list opens at.
#include <gtest/gtest.h>

#include "../config/TempFile.h"
#include "sysconfig/CpuTypesList.h"

namespace {

std::vector<std::string> Texts(const CCpuTypesList& list)
{
    std::vector<std::string> v;
    for (const CpuTypeEntry& e : list.Entries())
        v.push_back(std::string(e.strText.GetString()) + "|" + e.strModel.GetString() + "|" + e.strVersion.GetString());
    return v;
}

CCpuTypesList FromText(const std::string& text)
{
    TempDir dir;
    CCpuTypesList list;
    EXPECT_TRUE(list.Load(dir.Write("cpu-types.txt", text).c_str(), ""));
    return list;
}

}  // namespace

TEST(CpuTypesList, FormatOneShowsFieldsOneAndThree)
{
    // Field 2 is not shown and may be empty; text after field 5 is ignored.
    CCpuTypesList list = FromText("Vendor;x;Name;1234;56;rest\r\nZQC;;Q10;2094;FFFF\n");
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"Vendor Name|1234|56", "ZQC Q10|2094|FF"}));
}

TEST(CpuTypesList, FormatTwoJoinsFieldsTwoAndThree)
{
    CCpuTypesList list = FromText("$$FORMAT2\nVendor;Fam;ily;1234;56\nZQC;;Q10;2094;FF\nZQC;R;;2096;0A\nZQC;;;2097;0B\n");
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"Vendor Family|1234|56", "ZQC Q10|2094|FF", "ZQC R|2096|0A"}));
}

TEST(CpuTypesList, HeaderSwitchesOnlyAtTheStartOfALine)
{
    // Preceded by a blank, the header is an entry line of its own, dropped;
    // format 1 stays in force.
    CCpuTypesList list = FromText(" $$format2\nVendor;Fam;ily;1234;56\n");
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"Vendor ily|1234|56"}));
    CCpuTypesList later = FromText("A;b;C;1111;11\n$$format2 and more\nA;b;C;2222;22\n");
    EXPECT_EQ(Texts(later), (std::vector<std::string>{"A C|1111|11", "A bC|2222|22"}));
}

TEST(CpuTypesList, DroppedLines)
{
    const char* lines[] = {
        "",                       // blank
        "   \t",                  // blank after trimming
        "#A;b;C;1234;56",         // comment
        ";A;b;C;1234;56",         // starts with ';'
        "A;b;C;123;56",           // model of 3
        "A;b;C;12345;56",         // model of 5
        "A;b;C;1234;5",           // version of 1
        "A;b;;1234;56",           // format 1 without field 3
        ";b;C;1234;56",           // no field 1
        "A;b;C;1234",             // no fourth ';'
        "A b C 1234 56",          // no ';' at all
    };
    std::string text;
    for (const char* psz : lines)
        text += std::string(psz) + "\n";
    CCpuTypesList list = FromText(text);
    EXPECT_TRUE(list.IsEmpty());
    // A '#' after leading blanks is no comment: the line is read.
    CCpuTypesList blanks = FromText("  #A;b;C;1234;56\n");
    EXPECT_EQ(Texts(blanks), (std::vector<std::string>{"  #A C|1234|56"}));
}

TEST(CpuTypesList, SecondFolderWhenTheFirstHasNoFile)
{
    TempDir dir;
    CCpuTypesList list;
    std::string second = dir.Write("second.txt", "A;b;C;1234;56\n");
    EXPECT_TRUE(list.Load(dir.Path("missing.txt").c_str(), second.c_str()));
    EXPECT_EQ(list.Entries().size(), 1u);
    EXPECT_FALSE(list.Load(dir.Path("missing.txt").c_str(), dir.Path("gone.txt").c_str()));
    EXPECT_TRUE(list.IsEmpty());
}

TEST(CpuTypesList, FindStart)
{
    CCpuTypesList list = FromText("A;;One;1111;01\nB;;Two;2222;01\nC;;Three;2222;02\nD;;Four;3333;01\n");
    struct Row {
        const char *pszRemembered, *pszModel, *pszVersion;
        int nExpected;
    } rows[] = {
        {"C Three", "1111", "01", 2},  // the remembered entry wins
        {"X Gone", "1111", "01", -1},  // a remembered entry no longer listed
        {"", "2222", "", 1},           // no version: the first with the model
        {"", "2222", "02", 2},         // model and version
        {"", "2222", "09", 1},         // version unknown: the first with the model
        {"", "9999", "01", 0},         // model unknown: the first item
        {"", "    ", "", 0},           // blank model
        {"", "222", "01", 0},          // not 4 characters
        {"", "2222 ", "01", 0},
    };
    for (const Row& r : rows)
        EXPECT_EQ(list.FindStart(r.pszRemembered, r.pszModel, r.pszVersion), r.nExpected)
            << r.pszRemembered << "/" << r.pszModel << "/" << r.pszVersion;
    CCpuTypesList empty;
    EXPECT_EQ(empty.FindStart("", "1111", ""), -1);
}
