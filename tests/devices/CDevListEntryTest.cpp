// CDevListEntryTest.cpp: filling a device-list entry from status-line fields.
#include <gtest/gtest.h>

#include <string>

#include "devices/CDevListEntry.h"
#include "devices/CDevListMap.h"
#include "session/DeviceStatusLine.h"

namespace {

struct FieldsCase {
    char chLcss;
    const char* pszDevnum;
    const char* pszType;
    const char* pszClass;
    const char* pszStatus;
    const char* pszRest;
    char chAction;
    BYTE bLcss;
    WORD wDevnum;
    WORD wState;
    const char* pszWantType;
    const char* pszWantClass;
    const char* pszWantDesc;
};

const FieldsCase kFieldsCases[] = {
    {'0', "0120", "3390", "DASD", "0000", "disk.cckd", 0, 0, 0x120, 0, "3390", "DASD", "disk.cckd"},
    {'1', "0A80", "3420", "TAPE", "1000", "", 0, 1, 0xA80, 0x8, "3420", "TAPE", ""},
    {'0', "000c", "3505", "RDR", "0100", "cards.txt ascii", 'A', 0, 0xC, 0x8004, "3505", "RDR", "cards.txt ascii"},
    {'0', "0009", "3215", "CON", "0010", "", 'C', 0, 9, 0x2002, "3215", "CON", ""},
    {'0', "0009", "3215", "CON", "0001", "", 'C', 0, 9, 0x2001, "3215", "CON", ""},
    {'0', "0009", "3215", "CON", "1111", "", 0, 0, 9, 0xF, "3215", "CON", ""},
    // A deleted device keeps only its number, channel subsystem and the bit.
    {'2', "0123", "3390", "DASD", "1111", "x", 'D', 2, 0x123, 0x4000, "", "", ""},
    // The SYSG console is number 0, whatever the number text says.
    {'0', "SYSG", "SYSG", "CON", "0000", "", 0, 0, 0, 0, "SYSG", "CON", ""},
    {'3', "0999", "sysg", "CON", "0000", "", 0, 3, 0, 0, "SYSG", "CON", ""},
    {'0', "SYSG", "", "", "", "", 'D', 0, 0, 0x4000, "", "", ""},
    {'0', "sysg", "", "", "", "", 'D', 0, 0, 0x4000, "", "", ""},
    // A bad number, characters other than '1' and a short status text.
    {'0', "XYZ!", "3390", "DASD", "1x", "", 0, 0, 0, 0x8, "3390", "DASD", ""},
    {'x', "FFFF", "3390", "DASD", "0011", "", 0, 0, 0xFFFF, 0x3, "3390", "DASD", ""},
    {'0', nullptr, nullptr, nullptr, nullptr, nullptr, 'Q', 0, 0, 0, "", "", ""},
};

TEST(CDevListEntry, SetFromStatusFieldsTable)
{
    for (const FieldsCase& c : kFieldsCases) {
        CDevListEntry e;
        e.m_bCCWTrace = 1;
        e.m_strDesc = "old";
        e.SetFromStatusFields(c.chLcss, c.pszDevnum, c.pszType, c.pszClass, c.pszStatus, c.pszRest, c.chAction);
        SCOPED_TRACE(c.pszDevnum ? c.pszDevnum : "(null)");
        EXPECT_EQ(c.bLcss, e.m_bLcss);
        EXPECT_EQ(c.wDevnum, e.m_wDevnum);
        EXPECT_EQ(c.wState, e.m_wState);
        EXPECT_STREQ(c.pszWantType, e.m_strDevType);
        EXPECT_STREQ(c.pszWantClass, e.m_strClass);
        EXPECT_STREQ(c.pszWantDesc, e.m_strDesc);
        EXPECT_EQ(0, e.m_bCCWTrace);
        EXPECT_EQ(((int)c.bLcss << 16) + c.wDevnum, e.GetKey());
    }
}

TEST(CDevListEntry, LongDescriptionKeptWhole)
{
    std::string strRest(100000, 'r');
    CDevListEntry e;
    e.SetFromStatusFields('0', "0120", "3390", "DASD", "0000", strRest.c_str(), 0);
    EXPECT_EQ(100000, e.m_strDesc.GetLength());
}

// The parsed line of the session's parser gives the same entry as its texts.
TEST(CDevListEntry, SetFromStatusLineMatchesFields)
{
    const char* lines[] = {"DEV=1:0A80 3420 TAPE 1000 tape.aws", "DEVA=000C 3505 RDR  0100 cards.txt ascii",
                           "DEVD=0123", "DEV=SYSG SYSG CON  0000", "DEVC=0009 3215 CON  0010"};
    for (const char* psz : lines) {
        SDeviceStatusLine line = ParseDeviceStatusLine(psz, std::string(psz).size());
        ASSERT_EQ(kDevLineEntry, line.eKind) << psz;
        CDevListEntry e;
        e.SetFromStatusLine(line);
        EXPECT_EQ((int)DeviceKey(line), e.GetKey()) << psz;
        EXPECT_EQ(line.wState, e.m_wState) << psz;
        if (line.chAction != 'D') {
            EXPECT_STREQ(line.strType.c_str(), e.m_strDevType) << psz;
            EXPECT_STREQ(line.strRest.c_str(), e.m_strDesc) << psz;
        } else {
            EXPECT_TRUE(e.m_strDevType.IsEmpty());
        }
    }
}

TEST(CDevListEntry, DefaultAndCopy)
{
    CDevListEntry e;
    EXPECT_EQ(0, e.GetKey());
    EXPECT_EQ(0, e.m_wState);
    EXPECT_TRUE(e.m_strDevType.IsEmpty() && e.m_strClass.IsEmpty() && e.m_strDesc.IsEmpty());
    e.SetFromStatusFields('1', "0120", "3390", "DASD", "1010", "d", 'C');
    e.m_bCCWTrace = 1;
    CDevListEntry copy(e), assigned;
    assigned = e;
    EXPECT_EQ(e, copy);
    EXPECT_EQ(e, assigned);
    copy.m_bCCWTrace = 0;
    EXPECT_NE(e, copy);
}

TEST(CDevListMap, SetAtReplacesEveryField)
{
    CDevListMap map(1);
    EXPECT_EQ(1, map.bIncremental);
    CDevListEntry e;
    e.SetFromStatusFields('0', "0120", "3390", "DASD", "1000", "a", 'A');
    e.m_bCCWTrace = 1;
    map.SetAt(e.GetKey(), e);
    e.SetFromStatusFields('0', "0120", "3380", "DASD", "0000", "b", 'C');
    map.SetAt(e.GetKey(), e);
    CDevListEntry out;
    ASSERT_TRUE(map.Lookup(0x120, out));
    EXPECT_EQ(e, out);
    EXPECT_EQ(0, out.m_bCCWTrace);
    EXPECT_EQ(1, map.GetCount());
}

TEST(CDevListMapPtrList, DeleteAllEmptiesTheQueue)
{
    CDevListMapPtrList queue;
    queue.AddTail(new CDevListMap(0));
    queue.AddTail(new CDevListMap(1));
    EXPECT_EQ(2, queue.GetCount());
    queue.DeleteAll();  // the sanitizers report a leak otherwise
    EXPECT_TRUE(queue.IsEmpty());
}

}  // namespace
