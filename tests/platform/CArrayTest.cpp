// CArrayTest.cpp: the array members the application code relies on.
#include <gtest/gtest.h>

#include "platform/CArray.h"

namespace {

std::string Join(const CStringArray& a)
{
    std::string s;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        s += (i ? "," : "") + a[i].str();
    return s;
}

}  // namespace

TEST(CArray, AddInsertRemove)
{
    CStringArray a;
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(a.Add("b"), 0);
    EXPECT_EQ(a.Add(CString("d")), 1);
    a.InsertAt(0, "a");
    a.InsertAt(2, "c", 2);
    EXPECT_EQ(Join(a), "a,b,c,c,d");
    a.RemoveAt(2);
    a.RemoveAt(3, 100);  // a count past the end removes to the end
    EXPECT_EQ(Join(a), "a,b,c");
    a.RemoveAt(-1);
    a.RemoveAt(3);
    a.InsertAt(99, "z");  // clamped to the end
    EXPECT_EQ(Join(a), "a,b,c,z");
    EXPECT_EQ(a.GetUpperBound(), 3);
}

TEST(CArray, InsertAtOwnElement)
{
    CStringArray a;
    a.Add("x");
    a.InsertAt(0, a[0], 3);
    EXPECT_EQ(Join(a), "x,x,x,x");
}

TEST(CArray, SetSizeSetAtGrowCopyAppend)
{
    CWordArray w;
    w.SetSize(3);
    EXPECT_EQ(w.GetCount(), 3);
    EXPECT_EQ(w[2], 0);
    w.SetAt(1, 0x3390);
    w.ElementAt(2) = 7;
    w.SetAtGrow(5, 9);
    ASSERT_EQ(w.GetSize(), 6);
    EXPECT_EQ(w.GetAt(1), 0x3390);
    EXPECT_EQ(w[5], 9);
    w.SetSize(-4);
    EXPECT_EQ(w.GetSize(), 0);

    CDWordArray a, b;
    a.Add(1);
    b.Add(2);
    b.Add(3);
    EXPECT_EQ(a.Append(b), 1);
    EXPECT_EQ(a.Append(a), 3);
    ASSERT_EQ(a.GetSize(), 6);
    EXPECT_EQ(a[5], 3u);
    b.Copy(a);
    EXPECT_EQ(b.GetSize(), 6);
    b.RemoveAll();
    EXPECT_TRUE(b.IsEmpty());
}

TEST(CArray, ElementAccessOutOfRangeStops)
{
    CUIntArray a;
    EXPECT_DEATH(a.GetAt(0), "");
}
