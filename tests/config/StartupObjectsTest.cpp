// StartupObjectsTest.cpp: the process-wide objects have their start-up
// values before any test code runs.
#include <gtest/gtest.h>

#include "config/StartupObjects.h"
#include "config/ValueConversions.h"

TEST(StartupObjects, CharacterSetsAndEngineTypes)
{
    EXPECT_EQ(g_nEngineTypeCP, 0);
    EXPECT_EQ(g_nEngineTypeIL, 1);
    EXPECT_EQ(g_nEngineTypeAP, 2);
    EXPECT_EQ(g_nEngineTypeIP, 3);
    EXPECT_EQ(g_strUpperLetters, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(g_strDigits0To6, "0123456");
    EXPECT_EQ(g_strUpperLettersDigits0To6, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789$#@+-:_");
    EXPECT_EQ(g_strNameFirstChars, "ABCDEFGHIJKLMNOPQRSTUVWXYZ$#@");
    EXPECT_EQ(g_strNameChars, "ABCDEFGHIJKLMNOPQRSTUVWXYZ$#@-0123456789");
}

TEST(StartupObjects, StartupValues)
{
    EXPECT_EQ(g_nRemotePort, 3990);
    EXPECT_EQ(g_strRemoteHost, "");
    EXPECT_EQ(g_strStartupConfigFile, "");
    EXPECT_EQ(g_strEmulatorExeName, "");
    EXPECT_EQ(g_strStartupRunCommandFile, "");
    EXPECT_EQ(g_strStartupLogoFile, "");
    // Filled at start-up: asking again gives the same text.
    CString strAtStartup = g_strTzOffset;
    GetTimeZoneOffsetString();
    EXPECT_EQ(g_strTzOffset, strAtStartup);
}
