// ViewSubscribeTest.cpp: the view's handlers of the bars' subscriptions
// against the emulator stand-in: the line each register and CPU-percent
// subscription sends, the device-list subscription by emulator version,
// the storage subscription passed on to its bar, and what happens without
// an emulator.
#include <gtest/gtest.h>

#include <algorithm>

#include "devices/DynDevListDlgBar.h"
#include "session/PrivateMessages.h"
#include "tests/session/SessionViewFixture.h"

namespace {

struct SSubscriptionCase {
    UINT msg;
    int nFlag;
    const char* pszOn;
    const char* pszOff;
};

const SSubscriptionCase kCases[] = {
    {WM_SUBSCRIBE_CPUPCTALL, CVornGUIView::kSubCpuPctAll, "]CPUPCTALL=1", "]CPUPCTALL=0"},
    {WM_SUBSCRIBE_GREGS, CVornGUIView::kSubGRegs, "]GREGS=1", "]GREGS=0"},
    {WM_SUBSCRIBE_CREGS, CVornGUIView::kSubCRegs, "]CREGS=1", "]CREGS=0"},
    {WM_SUBSCRIBE_AREGS, CVornGUIView::kSubARegs, "]AREGS=1", "]AREGS=0"},
    {WM_SUBSCRIBE_FREGS, CVornGUIView::kSubFRegs, "]FREGS=1", "]FREGS=0"},
    {WM_SUBSCRIBE_GREGS64, CVornGUIView::kSubGRegs64, "]GREGS64=1", "]GREGS64=0"},
    {WM_SUBSCRIBE_CREGS64, CVornGUIView::kSubCRegs64, "]CREGS64=1", "]CREGS64=0"},
    {WM_SUBSCRIBE_FREGS64, CVornGUIView::kSubFRegs64, "]FREGS64=1", "]FREGS64=0"},
    {WM_SUBSCRIBE_VREGS, CVornGUIView::kSubVRegs, "]VREGS=1", "]VREGS=0"},
};

struct SubscribeFixture : SessionFixture {
    // Posts a subscription message, then a marker command, and pumps until
    // the marker arrived: whatever the subscription sent came before it.
    std::vector<std::string> PostAndCollect(UINT msg, WPARAM wp, const char* pszMarker)
    {
        size_t nBefore = Received().size();
        pView->PostMessage(msg, wp, 0);
        pView->PostMessage(WM_NULL, 0, 0);
        PumpFor(50);
        pView->SendCommand(pszMarker);
        EXPECT_TRUE(Pump([&] { return HasReceived(pszMarker); }));
        std::vector<std::string> lines = Received();
        lines.erase(lines.begin(), lines.begin() + (long)std::min(nBefore, lines.size()));
        if (!lines.empty() && lines.back() == pszMarker)
            lines.pop_back();
        return lines;
    }
};

TEST_F(SubscribeFixture, EachRegisterAndPercentBarSwitchesItsReport)
{
    StartEmulator("");
    ASSERT_TRUE(PumpUntilReady());
    int n = 0;
    for (const SSubscriptionCase& c : kCases) {
        std::string strOn = "marker on " + std::to_string(n), strOff = "marker off " + std::to_string(n++);
        EXPECT_EQ(std::vector<std::string>{c.pszOn}, PostAndCollect(c.msg, 1, strOn.c_str())) << c.pszOn;
        EXPECT_EQ(1, pView->GetSubscription(c.nFlag));
        EXPECT_EQ(std::vector<std::string>{c.pszOff}, PostAndCollect(c.msg, 0, strOff.c_str())) << c.pszOff;
        EXPECT_EQ(0, pView->GetSubscription(c.nFlag));
    }
}

TEST_F(SubscribeFixture, WithoutEmulatorTheFlagIsKeptAndNothingQueued)
{
    for (const SSubscriptionCase& c : kCases) {
        pView->SendMessage(c.msg, 1, 0);
        EXPECT_EQ(1, pView->GetSubscription(c.nFlag)) << c.pszOn;
    }
    // The device list's flag is kept only while an emulator runs.
    pView->SendMessage(WM_SUBSCRIBE_DEVLIST, 1, 0);
    EXPECT_EQ(0, pView->GetSubscription(CVornGUIView::kSubDevList));
    EXPECT_EQ(0, pView->GetQueuedCommandCount());
}

struct SDevListCase {
    const char* pszVersion;
    std::vector<std::string> expected;
    bool bNewFormat;
};

TEST_F(SubscribeFixture, DeviceListByEmulatorVersion)
{
    const SDevListCase cases[] = {
        {"3.02", {"]DEVLIST=1"}, false},
        {"3.03", {"]NEWDEVLIST=1"}, true},
        {"4.69", {"]NEWDEVLIST=1"}, true},
        {"4.7", {"]NEWDEVLIST=1", "]LCSSNUM=1"}, true},
        {"5.1", {"]NEWDEVLIST=1", "]LCSSNUM=1"}, true},
    };
    for (const SDevListCase& c : cases) {
        ::DeleteFileA(strRecord.c_str());
        StartEmulator(std::string("--do \"set version ") + c.pszVersion + "\"");
        ASSERT_TRUE(PumpUntilReady()) << c.pszVersion;
        EXPECT_EQ(c.expected, PostAndCollect(WM_SUBSCRIBE_DEVLIST, 1, "marker shown")) << c.pszVersion;
        EXPECT_EQ(c.bNewFormat, pDevListBar->m_bNewFormatDevList) << c.pszVersion;
        EXPECT_EQ(1, pView->GetSubscription(CVornGUIView::kSubDevList));
        // Hiding the bar sends nothing.
        EXPECT_EQ(std::vector<std::string>{}, PostAndCollect(WM_SUBSCRIBE_DEVLIST, 0, "marker hidden"))
            << c.pszVersion;
        EXPECT_EQ(0, pView->GetSubscription(CVornGUIView::kSubDevList));
        EndEmulator();
    }
}

TEST_F(SubscribeFixture, DeviceListWaitsForMainStorage)
{
    // Running, but no storage answer: not ready, main storage unknown.
    StartEmulator("--no-devlist --do \"set mainstor none\"");
    PumpFor(300);
    ASSERT_FALSE(pView->IsMainStorageKnown());
    pView->SendMessage(WM_SUBSCRIBE_DEVLIST, 1, 0);
    EXPECT_EQ(1, pView->GetSubscription(CVornGUIView::kSubDevList));
    EXPECT_EQ(0, pView->GetQueuedCommandCount());
    PumpFor(200);
    EXPECT_EQ((std::vector<std::string>{"]VERS=1.21", "]MAINSTOR="}), Received());
}

TEST_F(SubscribeFixture, StorageIsPassedOnToItsBar)
{
    pView->SendMessage(WM_SUBSCRIBE_STORAGE, 1, 77);
    pView->SendMessage(WM_SUBSCRIBE_STORAGE, 0, 0);
    PumpFor(100);
    auto got = bars->Of(WM_SUBSCRIBE_STORAGE);
    ASSERT_EQ(2u, got.size());
    EXPECT_EQ(1u, got[0].wp);
    EXPECT_EQ(77, (int)got[0].lp);
    EXPECT_EQ(0u, got[1].wp);
    EXPECT_EQ(0, pView->GetSubscription(CVornGUIView::kSubStorage));
}

}  // namespace
