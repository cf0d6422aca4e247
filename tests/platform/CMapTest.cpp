// CMapTest.cpp: the map members in use, with int and string keys.
#include <gtest/gtest.h>

#include "platform/CMap.h"
#include "platform/CString.h"

TEST(CMap, SetLookupRemove)
{
    CMap<int, int, CString, const CString&> m(10);
    m.InitHashTable(17);
    CString v("unchanged");
    EXPECT_FALSE(m.Lookup(5, v));
    EXPECT_EQ(v, "unchanged");
    m.SetAt(0x10120, "disk");
    m[0x0009] = "console";
    m.SetAt(0x10120, "tape");
    EXPECT_EQ(m.GetCount(), 2);
    EXPECT_TRUE(m.Lookup(0x10120, v));
    EXPECT_EQ(v, "tape");
    EXPECT_TRUE(m.RemoveKey(9));
    EXPECT_FALSE(m.RemoveKey(9));
    m.RemoveAll();
    EXPECT_TRUE(m.IsEmpty());
}

TEST(CMap, IterateAllPairsOnce)
{
    CMap<CString, const char*, int, int> m;
    EXPECT_EQ(m.GetStartPosition(), nullptr);
    m["DISK"] = 5;
    m["TAPE"] = 6;
    m["RDR"] = 0;
    int sum = 0, n = 0;
    for (POSITION pos = m.GetStartPosition(); pos; ++n) {
        CString key;
        int value;
        m.GetNextAssoc(pos, key, value);
        int expect = -1;
        EXPECT_TRUE(m.Lookup(key, expect));
        EXPECT_EQ(value, expect);
        sum += value;
    }
    EXPECT_EQ(n, 3);
    EXPECT_EQ(sum, 11);
}
