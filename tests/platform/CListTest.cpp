// CListTest.cpp: list iteration by POSITION and the list members in use.
#include <gtest/gtest.h>

#include "platform/CList.h"

namespace {

std::string Join(const CStringList& l)
{
    std::string s;
    for (POSITION pos = l.GetHeadPosition(); pos;)
        s += (s.empty() ? "" : ",") + l.GetNext(pos).str();
    return s;
}

std::string JoinBackward(const CStringList& l)
{
    std::string s;
    for (POSITION pos = l.GetTailPosition(); pos;)
        s += (s.empty() ? "" : ",") + l.GetPrev(pos).str();
    return s;
}

}  // namespace

TEST(CList, AddHeadTailAndIterate)
{
    CStringList l;
    EXPECT_TRUE(l.IsEmpty());
    EXPECT_EQ(l.GetHeadPosition(), nullptr);
    l.AddTail("b");
    l.AddTail("c");
    l.AddHead("a");
    EXPECT_EQ(Join(l), "a,b,c");
    EXPECT_EQ(JoinBackward(l), "c,b,a");
    EXPECT_EQ(l.GetCount(), 3);
    EXPECT_EQ(l.GetHead(), "a");
    EXPECT_EQ(l.GetTail(), "c");
}

TEST(CList, RemoveHeadPutBack)
{
    // The statement handlers take operands off the head and may put one back.
    CStringList l;
    l.AddTail("KEY");
    l.AddTail("op");
    EXPECT_EQ(l.RemoveHead(), "KEY");
    CString op = l.RemoveHead();
    EXPECT_TRUE(l.IsEmpty());
    l.AddHead(op);
    EXPECT_EQ(Join(l), "op");
    EXPECT_EQ(l.RemoveTail(), "op");
    EXPECT_EQ(l.GetCount(), 0);
}

TEST(CList, InsertFindRemoveAt)
{
    CStringList l;
    POSITION pb = l.AddTail("b");
    l.InsertBefore(pb, "a");
    POSITION pd = l.InsertAfter(pb, "d");
    l.InsertBefore(pd, "c");
    l.InsertAfter(l.GetTailPosition(), "e");
    EXPECT_EQ(Join(l), "a,b,c,d,e");
    EXPECT_EQ(l.Find("c"), l.FindIndex(2));
    EXPECT_EQ(l.Find("a", l.GetHeadPosition()), nullptr);
    EXPECT_EQ(l.FindIndex(5), nullptr);
    EXPECT_EQ(l.FindIndex(-1), nullptr);
    l.SetAt(pb, "B");
    l.RemoveAt(pd);
    l.RemoveAt(l.GetHeadPosition());
    l.RemoveAt(l.GetTailPosition());
    EXPECT_EQ(Join(l), "B,c");
    EXPECT_EQ(JoinBackward(l), "c,B");
}

TEST(CList, CopyAndAppendLists)
{
    CStringList a;
    a.AddTail("1");
    a.AddTail("2");
    CStringList b(a);
    b.AddTail(&a);
    b.AddTail(&b);
    EXPECT_EQ(Join(b), "1,2,1,2,1,2,1,2");
    a.AddHead(&a);
    EXPECT_EQ(Join(a), "1,2,1,2");
    CStringList c;
    c = a;
    a.RemoveAll();
    EXPECT_EQ(Join(c), "1,2,1,2");
    c = c;
    EXPECT_EQ(c.GetCount(), 4);
}

TEST(CList, HeadOfEmptyListStops)
{
    CStringList l;
    EXPECT_DEATH(l.RemoveHead(), "");
}
