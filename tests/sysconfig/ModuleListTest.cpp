// ModuleListTest.cpp: LDMOD and MODPATH to the module browser's selection
// and back from what was chosen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sysconfig/ModuleList.h"

namespace {

std::vector<std::string> Items(const CStringArray& list)
{
    std::vector<std::string> v;
    for (int i = 0; i < (int)list.GetSize(); ++i)
        v.push_back(list[i].GetString());
    return v;
}

CStringArray Chosen(std::initializer_list<const char*> names)
{
    CStringArray list;
    for (const char* psz : names)
        list.Add(psz);
    return list;
}

}  // namespace

TEST(ModuleList, LdModToSelection)
{
    const struct {
        const char* pszLdMod;
        const char* pszModPath;
        std::vector<std::string> expected;
        const char* pszInitial;
        const char* pszModPathAfter;
    } rows[] = {
        {"a.dll \"b c.dll\"", "D:\\m", {"D:\\m\\a.dll", "D:\\m\\b c.dll"}, "D:\\m\\a.dll \"D:\\m\\b c.dll\"", "D:\\m"},
        {"a.dll", "D:\\m\\", {"D:\\m\\a.dll"}, "D:\\m\\a.dll", "D:\\m\\"},
        {"C:\\x\\a.dll b.dll", "", {"C:\\x\\a.dll", "C:\\x\\b.dll"}, "C:\\x\\a.dll C:\\x\\b.dll", "C:\\x"},
        {"C:\\x\\a.dll", "D:\\m", {"C:\\x\\a.dll"}, "C:\\x\\a.dll", "D:\\m"},
        {"a.dll", "", {"a.dll"}, "a.dll", ""},
        {"   ", "D:\\m", {}, "", "D:\\m"},
        {"", "", {}, "", ""},
    };
    for (const auto& r : rows) {
        CString strModPath = r.pszModPath;
        CStringArray list;
        CString strInitial = "old";
        LdModToSelection(r.pszLdMod, strModPath, list, strInitial);
        EXPECT_EQ(Items(list), r.expected) << r.pszLdMod;
        EXPECT_EQ(strInitial, r.pszInitial) << r.pszLdMod;
        EXPECT_EQ(strModPath, r.pszModPathAfter) << r.pszLdMod;
    }
}

TEST(ModuleList, LdModFromChoice)
{
    CString strModPath = "D:\\m", strLdMod = "old.dll";
    EXPECT_TRUE(LdModFromChoice(Chosen({"C:\\x\\a.dll", "C:\\x\\b c.dll"}), strModPath, strLdMod));
    EXPECT_EQ(strModPath, "C:\\x");
    EXPECT_EQ(strLdMod, "a.dll \"b c.dll\"");

    // Two folders: refused, nothing changes.
    EXPECT_FALSE(LdModFromChoice(Chosen({"C:\\x\\a.dll", "C:\\y\\b.dll"}), strModPath, strLdMod));
    EXPECT_EQ(strModPath, "C:\\x");
    EXPECT_EQ(strLdMod, "a.dll \"b c.dll\"");

    // The same folder written in another case is one folder.
    EXPECT_TRUE(LdModFromChoice(Chosen({"C:\\X\\a.dll", "c:\\x\\b.dll"}), strModPath, strLdMod));
    EXPECT_EQ(strModPath, "C:\\X");
    EXPECT_EQ(strLdMod, "a.dll b.dll");

    // Nothing chosen: LDMOD empty, MODPATH kept.
    EXPECT_TRUE(LdModFromChoice(Chosen({}), strModPath, strLdMod));
    EXPECT_EQ(strModPath, "C:\\X");
    EXPECT_EQ(strLdMod, "");
}

TEST(ModuleList, TheRuleIsNamed)
{
    EXPECT_STREQ(g_strModulesOneFolder, "All additional modules must be chosen from one folder: only their names and "
                                        "one module folder (MODPATH) are stored.");
}
