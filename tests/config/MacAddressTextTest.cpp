// MacAddressTextTest.cpp: the as-you-type rule of a MAC address field.
#include <gtest/gtest.h>

#include "config/MacAddressText.h"

TEST(MacAddressText, Table)
{
    const std::string strHuge(100000, '0');
    struct Row { const char* pszTyped; MacTextResult result; const char* pszText; };
    const Row rows[] = {
        {"", kMacTextAccepted, ""},
        {"   ", kMacTextAccepted, ""},
        {"0", kMacTextAccepted, "0"},
        {"00", kMacTextAccepted, "00"},
        {"00-", kMacTextAccepted, "00-"},
        {"00:", kMacTextAccepted, "00:"},
        {"001", kMacTextRewritten, "00-1"},
        {"00-1A", kMacTextAccepted, "00-1A"},
        {"00-1A2", kMacTextRewritten, "00-1A-2"},
        {"00:1A2", kMacTextRewritten, "00:1A:2"},
        {"00-1A:", kMacTextRejected, ""},
        {"00-1A-", kMacTextAccepted, "00-1A-"},
        {"00.", kMacTextRejected, ""},
        {"0G", kMacTextRejected, ""},
        {"ab-cd-ef-01-23-45", kMacTextAccepted, "ab-cd-ef-01-23-45"},
        {"ab-cd-ef-01-23-456", kMacTextRejected, ""},
        {"ab-cd-ef-01-23-45-", kMacTextRejected, ""},
        {"00--", kMacTextRejected, ""},
        {strHuge.c_str(), kMacTextRejected, ""},
    };
    for (const Row& r : rows) {
        CString s;
        MacTextResult result = FilterMACAddressText(r.pszTyped, s);
        EXPECT_EQ(result, r.result) << r.pszTyped;
        if (result != kMacTextRejected) {
            EXPECT_EQ(s, r.pszText) << r.pszTyped;
        }
    }
}
