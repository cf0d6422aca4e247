// DevicesPageRulesTest.cpp: the Devices page's rules: the proposed device
// numbers, where lines go, the removal texts and order, when queued
// commands go out, the context menu's state and the answers to the device
// dialogs.
#include <gtest/gtest.h>

#include "config/CVornConfigFile.h"
#include "config/DevClass.h"
#include "sysconfig/DevicesPageRules.h"

namespace {

CVornConfigFile WithDevices(std::initializer_list<const char*> stmts)
{
    CVornConfigFile cfg;
    for (const char* psz : stmts) {
        CString strError;
        EXPECT_TRUE(cfg.AddDevice(psz, strError)) << psz << ": " << strError.GetString();
    }
    return cfg;
}

std::string Proposed(const CVornConfigFile& cfg, DWORD dwPrototype, WORD wClass, bool bEven)
{
    DWORD dwKey = 0;
    if (!NextFreeDevNum(cfg, dwPrototype, wClass, bEven, dwKey))
        return "none";
    char sz[16];
    snprintf(sz, sizeof sz, "%X", (unsigned)dwKey);
    return sz;
}

std::vector<DWORD> KeysInOrder(const CVornConfigFile& cfg)
{
    CArray<CVornDevice, const CVornDevice&> sorted;
    cfg.GetSortedDevices(sorted);
    std::vector<DWORD> keys;
    for (INT_PTR i = 0; i < sorted.GetSize(); ++i)
        keys.push_back(sorted[i].GetKey());
    return keys;
}

}  // namespace

TEST(DevicesPageRules, NextFreeDevNum)
{
    // The default reader is the prototype.
    CVornConfigFile cfg = WithDevices({"000B 3505 deck.txt", "0120 3390 disk.cckd"});
    EXPECT_EQ(Proposed(cfg, 0x000B, DEVCLASS_RDR, false), "C");
    // 000C taken and no reader above 000B: from 0001.
    cfg = WithDevices({"000B 3505 deck.txt", "000C 3525 punch.txt"});
    EXPECT_EQ(Proposed(cfg, 0x000B, DEVCLASS_RDR, false), "1");
    cfg = WithDevices({"000B 3505 deck.txt", "000C 3525 punch.txt", "0001 3505 a.txt", "0002 3505 b.txt"});
    EXPECT_EQ(Proposed(cfg, 0x000B, DEVCLASS_RDR, false), "3");
    // Adapters take even numbers.
    cfg = WithDevices({"0E20 OSA iface 192.168.0.2", "0E40 OSA iface 192.168.0.3"});
    EXPECT_EQ(Proposed(cfg, 0x0E20, DEVCLASS_COMM, true), "E22");
    cfg = WithDevices({"0E20 OSA iface 192.168.0.2", "0E22 3390 d.cckd", "0E40 OSA iface 192.168.0.3"});
    EXPECT_EQ(Proposed(cfg, 0x0E20, DEVCLASS_COMM, true), "E42");
    // Readers above the prototype: above the highest of them.
    cfg = WithDevices({"000B 3505 a.txt", "000C 3525 p.txt", "0012 3505 b.txt", "0013 1403 c.txt"});
    EXPECT_EQ(Proposed(cfg, 0x000B, DEVCLASS_RDR, false), "14");
    // No prototype: from 0001.
    cfg = WithDevices({"0001 3505 a.txt"});
    EXPECT_EQ(Proposed(cfg, 0, DEVCLASS_RDR, false), "2");
    // The last number of a channel subsystem does not run into the next one.
    cfg = WithDevices({"1:FFFF 3505 a.txt"});
    EXPECT_EQ(Proposed(cfg, 0x1FFFF, DEVCLASS_RDR, false), "1");
    cfg = WithDevices({"1:0190 3505 a.txt", "1:0191 3505 b.txt"});
    EXPECT_EQ(Proposed(cfg, 0x10190, DEVCLASS_RDR, false), "10192");
}

TEST(DevicesPageRules, NoFreeNumber)
{
    CVornConfigFile cfg;
    CVornDevice dev;
    CString strError;
    ASSERT_TRUE(CVornConfigFile::ParseDeviceStatement("0000 3505 a.txt", dev, strError));
    for (DWORD n = 0; n <= 0xFFFF; ++n) {
        dev.m_wDevnum = (WORD)n;
        cfg.m_devices.SetAt(n, dev);
    }
    EXPECT_EQ(Proposed(cfg, 0x000B, DEVCLASS_RDR, false), "none");
    cfg.m_devices.RemoveKey(0x0003);
    EXPECT_EQ(Proposed(cfg, 0x000B, DEVCLASS_RDR, false), "3");
    EXPECT_EQ(Proposed(cfg, 0x000B, DEVCLASS_RDR, true), "none");
}

TEST(DevicesPageRules, LinesByClassThenKey)
{
    CVornConfigFile cfg = WithDevices({"000C 3525 p.txt", "000B 3505 a.txt", "0120 3390 d.cckd", "0E20 OSA"});
    std::vector<DWORD> lines = KeysInOrder(cfg);
    ASSERT_EQ(lines, (std::vector<DWORD>{0x000B, 0x000C, 0x0120, 0x0E20}));
    const struct {
        const char* pszStmt;
        int nIndex;
    } rows[] = {
        {"0001 3505 x.txt", 0},      // reader below the reader
        {"0010 3505 x.txt", 1},      // reader above it
        {"0001 3525 y.txt", 1},      // the first punch
        {"0000 3390 e.cckd", 2},     // the first disk
        {"0FFF 3390 e.cckd", 3},     // the last disk
        {"0100 OSA", 3},             // the first adapter
        {"0001 2703 lport=1", 4},    // other types last
        {"1:0000 3505 x.txt", 1},    // a higher channel subsystem sorts higher
    };
    for (const auto& r : rows) {
        CVornDevice dev;
        CString strError;
        ASSERT_TRUE(CVornConfigFile::ParseDeviceStatement(r.pszStmt, dev, strError)) << r.pszStmt;
        EXPECT_EQ(DeviceLineInsertIndex(lines, cfg.m_devices, dev), r.nIndex) << r.pszStmt;
    }
    EXPECT_EQ(DeviceLineIndexOfKey(lines, 0x0120), 2);
    EXPECT_EQ(DeviceLineIndexOfKey(lines, 0x0121), -1);
}

TEST(DevicesPageRules, RemovalTextsAndSelection)
{
    EXPECT_EQ(DetachCommand(0x10190), "detach 1:0190");
    EXPECT_EQ(DetachCommand(0x000B), "detach 000B");
    EXPECT_EQ(LoadUnitOfKey(0x10190), "0190");
    EXPECT_EQ(LoadUnitOfKey(0x01A0), "01A0");
    EXPECT_EQ(SelectionAfterRemoval(2, 5), 2);
    EXPECT_EQ(SelectionAfterRemoval(5, 5), 4);
    EXPECT_EQ(SelectionAfterRemoval(3, 0), -1);
}

TEST(DevicesPageRules, QueuedCommandsGoOutOnlyWhileRunning)
{
    CPendingDeviceCommands pending;
    pending.Append("attach 000C 3505 deck.txt");
    pending.Append("detach 0120");
    pending.Append("");
    std::vector<std::string> sent;
    auto send = [&](const CString& str) { sent.push_back(str.GetString()); };
    pending.Flush(false, send);
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(pending.Commands().size(), 3u);
    pending.Flush(true, send);
    EXPECT_EQ(sent, (std::vector<std::string>{"attach 000C 3505 deck.txt", "detach 0120"}));
    EXPECT_TRUE(pending.Commands().empty());
    pending.Flush(true, send);
    EXPECT_EQ(sent.size(), 2u);
}

TEST(DevicesPageRules, ContextMenuState)
{
    const WORD w0000 = 0x0000, w0120 = 0x0120;
    const struct {
        bool bLine;
        DWORD dwKey;
        const WORD* pwLoadUnit;
        bool bEdit, bLoadEnabled, bLoadChecked;
    } rows[] = {
        {false, 0, &w0000, false, false, false},
        {true, 0x0120, &w0000, true, true, false},
        {true, 0x0120, &w0120, true, false, true},
        {true, 0x10120, &w0120, true, false, true},  // any channel subsystem
        {false, 0x0120, &w0120, false, false, false},
        {true, 0x0000, nullptr, true, true, false},  // no load unit set
    };
    for (const auto& r : rows) {
        DevicesMenuState s = DevicesContextMenuState(r.bLine, r.dwKey, r.pwLoadUnit);
        EXPECT_EQ(s.bEditEnabled, r.bEdit) << r.dwKey;
        EXPECT_EQ(s.bLoadUnitEnabled, r.bLoadEnabled) << r.dwKey;
        EXPECT_EQ(s.bLoadUnitChecked, r.bLoadChecked) << r.dwKey;
    }
}

TEST(DevicesPageRules, RouterAnswersOverTheMap)
{
    CVornConfigFile cfg = WithDevices({"000B 3505 C:/Vorn/Decks/a.txt", "0120 3390 d.cckd"});
    CDevMapRouter router(cfg.m_devices);
    EXPECT_TRUE(router.IsDevNumDefined(0x0120));
    EXPECT_FALSE(router.IsDevNumDefined(0x10120));
    DWORD dwKey = 7;
    EXPECT_FALSE(router.IsSysgDefined(&dwKey));
    EXPECT_EQ(dwKey, 7u);
    EXPECT_TRUE(router.IsFileInUse("c:\\vorn\\decks\\A.TXT"));
    EXPECT_FALSE(router.IsFileInUse("c:\\vorn\\decks\\b.txt"));
    EXPECT_FALSE(router.IsFileInUse(""));
    // The map is read when asked.
    CString strError;
    ASSERT_TRUE(cfg.AddDevice("0000 SYSG", strError)) << strError.GetString();
    EXPECT_TRUE(router.IsSysgDefined(&dwKey));
    EXPECT_EQ(dwKey, 0x0000u);
    EXPECT_TRUE(router.IsSysgDefined(nullptr));
}
