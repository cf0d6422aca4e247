// DevClassTest.cpp: the device type and class word tables.
#include <gtest/gtest.h>

#include "config/DevClass.h"

TEST(DevClass, TypesByClass)
{
    const struct { WORD wType; WORD wClass; } rows[] = {
        {0x1442, 0}, {0x3505, 0}, {0x3525, 1}, {0x1403, 2}, {0x3211, 2}, {0x1052, 3},
        {0x3215, 3}, {0x3270, 4}, {0x3287, 4}, {0x3390, 5}, {0x0671, 5}, {0x9345, 5},
        {0x3310, 5}, {0x3420, 6}, {0x3590, 6}, {0x9348, 6}, {0x3088, 7}, {0x8232, 7},
        {0x2703, 8}, {0x0000, 8}, {0x3391, 8}, {0xFFFF, 8},
    };
    for (const auto& r : rows)
        EXPECT_EQ(DevClassFromType(r.wType), r.wClass) << std::hex << r.wType;
}

TEST(DevClass, ClassWords)
{
    EXPECT_EQ(DevClassFromName("  DASD "), 5);
    EXPECT_EQ(DevClassFromName("dasd"), 8);
    EXPECT_EQ(DevClassFromName("OSA"), 7);
    EXPECT_EQ(DevClassFromName("CHAN"), 8);
    EXPECT_EQ(DevClassFromName(""), 8);
    const struct { const char* pszWord; const char* pszDisplay; } rows[] = {
        {"RDR", "RDR"}, {"PCH", "PCH"}, {"PRT", "PRT"}, {"CON", "LOG"}, {"DSP", "3270"},
        {"DASD", "DISK"}, {"TAPE", "TAPE"}, {"CTCA", "COMM"}, {"OSA", "COMM"},
        {"FCP", "????"}, {"XYZ", "????"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(DevClassDisplayName(r.pszWord), r.pszDisplay) << r.pszWord;
}

TEST(DevClass, GroupHeadings)
{
    const char* headings[] = {"Card Readers", "Card Punches", "Line Printers",
                              "Console Printers", "Display Terminals", "Disk Drives",
                              "Tape Drives", "Communication Devices",
                              "(unknown device types)"};
    for (int i = 0; i < DEVCLASS_COUNT; i++)
        EXPECT_STREQ(g_DevClassGroups[i].pszHeading, headings[i]);
}
