// EditorCommandTest.cpp: the editor command line.
#include <gtest/gtest.h>

#include "config/EditorCommand.h"

TEST(EditorCommand, Table)
{
    struct Row { const char* pszEditor; const char* pszPath; const char* pszExpected; };
    const Row rows[] = {
        {"", "C:/vorn/cfg.cnf", "notepad C:\\vorn\\cfg.cnf"},
        {nullptr, "cfg.cnf", "notepad cfg.cnf"},
        {"C:\\Program Files\\Ed\\ed.exe", "C:/My Configs/a.cnf",
         "\"C:\\Program Files\\Ed\\ed.exe\" \"C:\\My Configs\\a.cnf\""},
        {"\"C:\\Tools\\ed.exe\"", "a.cnf", "\"C:\\Tools\\ed.exe\" a.cnf"},
        {"vi", "//server/share/x y.cnf", "vi \"\\\\server\\share\\x y.cnf\""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(BuildEditorCommandLine(r.pszEditor, r.pszPath), r.pszExpected) << r.pszPath;
}
