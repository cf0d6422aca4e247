// WinOSFlavorTest.cpp: Windows versions to version families.
#include <gtest/gtest.h>

#include "platform/WinOSFlavor.h"

TEST(WinOSFlavor, VersionTable)
{
    struct Case {
        DWORD major, minor, build;
        bool server;
        EWinOSFlavor flavor;
    };
    const Case cases[] = {
        {5, 0, 2195, false, WINOS_WIN2000}, {5, 1, 2600, false, WINOS_WINXP},  {5, 2, 3790, true, WINOS_SERVER2003},
        {6, 0, 6002, false, WINOS_VISTA},   {6, 1, 7601, false, WINOS_WIN7},   {6, 2, 9200, false, WINOS_WIN8},
        {6, 3, 9600, false, WINOS_WIN81},   {10, 0, 19045, false, WINOS_WIN10}, {10, 0, 22000, false, WINOS_WIN11},
        {10, 0, 26100, false, WINOS_WIN11}, {10, 0, 20348, true, WINOS_SERVER2016}, {4, 0, 1381, false, WINOS_NT4},
        {0, 0, 0, false, WINOS_UNKNOWN},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WinOSFlavorFromVersion(c.major, c.minor, c.build, c.server), c.flavor) << c.major << "." << c.minor;
}
