// StatusFieldStoreTest.cpp: at most one message pending per field, and the
// handler always sees the newest text.
#include "session/StatusFieldStore.h"

#include <gtest/gtest.h>

namespace {

TEST(StatusFieldStore, RegisterBurstPostsOnceAndKeepsTheNewest)
{
    CStatusFieldStore store;
    EXPECT_TRUE(store.SetRegister(3, "GRC-F=1"));
    EXPECT_FALSE(store.SetRegister(3, "GRC-F=2"));
    EXPECT_FALSE(store.SetRegister(3, "GRC-F=3"));
    EXPECT_TRUE(store.RegisterPending(3));
    EXPECT_FALSE(store.RegisterPending(2));
    EXPECT_EQ("GRC-F=3", store.TakeRegister(3));
    EXPECT_FALSE(store.RegisterPending(3));
    EXPECT_TRUE(store.SetRegister(3, "GRC-F=3"));   // same text posts again
}

TEST(StatusFieldStore, FailedPostLetsTheNextReportPost)
{
    CStatusFieldStore store;
    EXPECT_TRUE(store.SetRegister(0, "GR0-3=1"));
    store.PostFailedRegister(0);
    EXPECT_TRUE(store.SetRegister(0, "GR0-3=2"));
    EXPECT_TRUE(store.SetPart(4, "SIOS=1"));
    store.PostFailedPart(4);
    EXPECT_TRUE(store.SetPart(4, "SIOS=2"));
}

TEST(StatusFieldStore, PartsPostOnlyChanges)
{
    CStatusFieldStore store;
    EXPECT_TRUE(store.SetPart(3, "MIPS=1"));
    EXPECT_FALSE(store.SetPart(3, "MIPS=2"));       // pending: text only
    EXPECT_EQ("MIPS=2", store.TakePart(3));
    EXPECT_FALSE(store.SetPart(3, "MIPS=2"));       // unchanged: no post
    EXPECT_TRUE(store.SetPart(3, "MIPS=3"));
}

TEST(StatusFieldStore, TextsAreCutAtTheBufferSize)
{
    CStatusFieldStore store;
    store.SetRegister(0, std::string(100000, 'x'));
    EXPECT_EQ(47u, store.TakeRegister(0).size());
    store.SetRegister(kRegisterFieldCount - 1, std::string(100000, 'x'));
    EXPECT_EQ(143u, store.TakeRegister(kRegisterFieldCount - 1).size());
    store.SetPart(1, std::string(100000, 'x'));
    EXPECT_EQ(15u, store.TakePart(1).size());
    store.SetPart(0, std::string(63, 'y'));
    EXPECT_EQ(63u, store.TakePart(0).size());
}

}  // namespace
