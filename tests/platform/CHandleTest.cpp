// CHandleTest.cpp: CHandle closes what it owns exactly once: at its end, on
// Close, when a new handle is received or attached, and after a move only in
// the object that holds it.
#include <gtest/gtest.h>

#include <utility>

#include "platform/CHandle.h"

namespace {

bool IsOpen(HANDLE h)
{
    DWORD dwFlags = 0;
    return ::GetHandleInformation(h, &dwFlags) != FALSE;
}

HANDLE NewEvent()
{
    return ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
}

}  // namespace

TEST(CHandle, ClosesAtItsEnd)
{
    HANDLE h = NewEvent();
    {
        CHandle owner(h);
        EXPECT_EQ((HANDLE)owner, h);
        EXPECT_TRUE(IsOpen(h));
    }
    EXPECT_FALSE(IsOpen(h));
}

TEST(CHandle, MoveLeavesOneOwner)
{
    HANDLE h = NewEvent();
    CHandle a(h);
    CHandle b(std::move(a));
    EXPECT_EQ((HANDLE)a, nullptr);
    EXPECT_EQ((HANDLE)b, h);
    CHandle c;
    c = std::move(b);
    EXPECT_EQ((HANDLE)b, nullptr);
    EXPECT_TRUE(IsOpen(h));
    c.Close();
    EXPECT_FALSE(IsOpen(h));
    EXPECT_EQ((HANDLE)c, nullptr);
    c.Close();  // a second Close does nothing
}

TEST(CHandle, ReceiveAndAttachCloseTheOldHandleDetachKeepsIt)
{
    HANDLE hFirst = NewEvent();
    CHandle owner(hFirst);
    HANDLE* p = owner.Receive();
    EXPECT_FALSE(IsOpen(hFirst));
    *p = NewEvent();
    HANDLE hSecond = owner;
    EXPECT_TRUE(IsOpen(hSecond));
    HANDLE hThird = NewEvent();
    owner.Attach(hThird);
    EXPECT_FALSE(IsOpen(hSecond));
    EXPECT_EQ(owner.Detach(), hThird);
    EXPECT_EQ((HANDLE)owner, nullptr);
    EXPECT_TRUE(IsOpen(hThird));
    ::CloseHandle(hThird);
}
