// ViewTitleTest.cpp: the main window's title for every combination of
// configuration and document names and modified marks.
#include <gtest/gtest.h>

#include "session/ViewTitle.h"

TEST(ViewTitle, Table)
{
    struct Case {
        const char* pszConfig;
        const char* pszDoc;
        bool bConfigModified;
        bool bDocModified;
        const char* pszExpected;
    };
    const Case cases[] = {
        // A new, unmodified configuration and no log file.
        {"", "", false, false, " VornGUI -  [  ]  "},
        {"C:\\cfg\\sys.cnf", "", false, false, " VornGUI -  [ sys.cnf ]  "},
        {"C:\\cfg\\sys.cnf", "", true, false, " *VornGUI -  [ sys.cnf ]  "},
        {"C:\\cfg\\sys.cnf", "C:\\logs\\console.log", false, false, " VornGUI -  [ sys.cnf  -->  console.log ]  "},
        {"C:\\cfg\\sys.cnf", "C:\\logs\\console.log", true, true, " *VornGUI -  [ sys.cnf  -->  console.log ]*  "},
        // No configuration name: no arrow before the document's name.
        {"", "C:\\logs\\console.001.log", false, true, " VornGUI -  [ console.001.log ]*  "},
        {"C:/a b/my sys.conf", nullptr, false, false, " VornGUI -  [ my sys.conf ]  "},
        {nullptr, nullptr, true, false, " *VornGUI -  [  ]  "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BuildViewTitle(c.pszConfig, c.pszDoc, c.bConfigModified, c.bDocModified, "VornGUI"), c.pszExpected)
            << (c.pszConfig ? c.pszConfig : "(null)");
}

TEST(ViewTitle, FileNameOfPaths)
{
    EXPECT_EQ(PathFileNameAndExt("C:\\a\\b.cnf"), "b.cnf");
    EXPECT_EQ(PathFileNameAndExt("C:/a/b"), "b");
    EXPECT_EQ(PathFileNameAndExt("b.cnf"), "b.cnf");
    EXPECT_EQ(PathFileNameAndExt("C:\\a\\"), "");
    EXPECT_EQ(PathFileNameAndExt(""), "");
    EXPECT_EQ(PathFileNameAndExt(nullptr), "");
}
