// PortSteppingTest.cpp: the port spins' steps (console and SYSG ports, the
// HTTP port) and the blank-free edits with their caret.
#include <gtest/gtest.h>

#include "sysconfig/PortStepping.h"

namespace {

struct StepRow {
    int nPort;
    int nDelta;
    int nExpected;  // -1: nothing happens
};

}  // namespace

TEST(PortStepping, ConsolePort)
{
    const StepRow rows[] = {
        {0, 1, 23},         {23, 1, 1024},     {1024, 1, 1025},   {1024, -1, 23},  {23, -1, 0},
        {65535, 1, -1},     {0, -1, -1},       {65530, 20, 65535}, {3, -5, 0},     {3, 1, 1024},
        {500, -1, 0},       {1025, -1, 1024},  {65535, -1, 65534}, {0, 2000, 2000}, {100, 0, 0},
        {70000, 1, -1},     {1024, -5000, 0},
    };
    for (const StepRow& r : rows) {
        int nNew = -7;
        bool bStepped = StepConsolePort(r.nPort, r.nDelta, nNew);
        EXPECT_EQ(bStepped, r.nExpected >= 0) << r.nPort << " " << r.nDelta;
        EXPECT_EQ(nNew, bStepped ? r.nExpected : -7) << r.nPort << " " << r.nDelta;
    }
}

TEST(PortStepping, HttpPort)
{
    const StepRow rows[] = {
        {1024, -1, 80}, {80, 1, 1024},      {3, -5, 80},     {80, -1, -1},   {65535, 1, -1},
        {1024, 1, 1025}, {65530, 20, 65535}, {500, 1, 1024}, {500, -1, 80},  {2000, -5000, 80},
        {0, 1, 1024},
    };
    for (const StepRow& r : rows) {
        int nNew = -7;
        bool bStepped = StepHttpPort(r.nPort, r.nDelta, nNew);
        EXPECT_EQ(bStepped, r.nExpected >= 0) << r.nPort << " " << r.nDelta;
        if (bStepped) {
            EXPECT_EQ(nNew, r.nExpected) << r.nPort << " " << r.nDelta;
        }
    }
}

TEST(PortStepping, BlanksRemovedWithTheCaretKept)
{
    const struct {
        const char* pszText;
        int nStart, nEnd;
        const char* pszExpected;
        int nNewStart, nNewEnd;
    } rows[] = {
        {"ab c", 3, 3, "abc", 2, 2},      // a blank typed after "ab"
        {"abc ", 4, 4, "abc", 3, 3},
        {" abc", 1, 1, "abc", 0, 0},
        {"a b c", 5, 5, "abc", 3, 3},
        {"a b c", 1, 4, "abc", 1, 2},     // a selection keeps what it covered
        {"abc", 2, 2, "abc", 2, 2},
        {"   ", 3, 3, "", 0, 0},
        {"", 0, 0, "", 0, 0},
        {"vorn  user", 6, 6, "vornuser", 4, 4},
    };
    for (const auto& r : rows) {
        int nStart = r.nStart, nEnd = r.nEnd;
        CString str = RemoveBlanksKeepSelection(r.pszText, nStart, nEnd);
        EXPECT_EQ(str, r.pszExpected) << r.pszText;
        EXPECT_EQ(nStart, r.nNewStart) << r.pszText;
        EXPECT_EQ(nEnd, r.nNewEnd) << r.pszText;
    }
}
