// DevListBarSessionTest.cpp: the device-list bar with the view and the
// emulator stand-in under Wine: the first device list fills the tree and
// makes the emulator ready (the handshake and the queued commands follow in
// order); incremental add, change and delete, and a device replaced by
// another in its row within one step shown as the new one; the emulator's
// end empties the tree, a list after it is dropped and the next power-on
// still works;
// each context-menu command sends its exact text, and the keyboard's menu is
// of the selected item; a detached device leaves the view's configuration
// after the panel refresh rate; thousands of devices are shown in steps,
// in the order of inserting them one at a time, and leave it in steps at
// power-off, the tree never seen blank; reported changes repaint what they
// changed and no less.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "config/StartupObjects.h"
#include "devices/DevIntDlg.h"
#include "devices/DevListMerge.h"
#include "devices/DevListText.h"
#include "devices/DynDevListDlgBar.h"
#include "session/PrivateMessages.h"
#include "tests/platform/ModalDriver.h"
#include "tests/devices/DevListSessionFixture.h"
#include "tests/support/DcPixels.h"
#include "tests/support/ShownMenu.h"
#include "tests/support/StalePixels.h"
#include "tests/session/SessionViewFixture.h"

namespace {

using devtest::DevListSession;

TEST_F(DevListSession, FirstListFillsTheTreeThenHandshakeAndQueuedCommands)
{
    pView->SendCommand("first queued");
    pView->SendCommand("second queued");
    PowerOn();
    PumpFor(300);
    EXPECT_FALSE(pView->IsEmulatorReady());
    QueueStartList();
    ASSERT_TRUE(PumpUntilReady());
    EXPECT_TRUE(pView->IsEmulatorReady());
    EXPECT_EQ("0120  3390  disk.cckd", ItemText(0x120));
    EXPECT_EQ("Disk Drives", GroupOf(0x120));
    EXPECT_EQ("Card Readers", GroupOf(0xC));
    EXPECT_EQ("Tape Drives", GroupOf(0x580));
    EXPECT_EQ(11, ItemImage(0xC));   // opened: green
    EXPECT_EQ(12, ItemImage(0x120)); // available: gray
    std::vector<std::string> got = Received();
    ASSERT_GE(got.size(), 6u);
    // The opening asked for the list (3.10 knows the new form); the queue
    // waited for it.
    EXPECT_EQ("]VERS=1.21", got[0]);
    EXPECT_EQ("]MAINSTOR=", got[1]);
    EXPECT_EQ("]NEWDEVLIST=1", got[2]);
    EXPECT_EQ("first queued", got[3]);
    EXPECT_EQ("second queued", got[4]);
    EXPECT_EQ("]CPUPCT=1", got[5]);
    EXPECT_EQ("]AGGREGATE=1", got.back());
}

TEST_F(DevListSession, IncrementalAddChangeAndDelete)
{
    PowerOn();
    QueueStartList();
    ASSERT_TRUE(PumpUntilReady());
    pBar->m_bNewFormatDevList = true;
    Queue(1, {Entry("0581", "3420", "TAPE", "0000", "new.aws", 'A')});
    ASSERT_TRUE(Pump([&] { return pBar->FindDeviceItem(0x581) != nullptr; }, 5000));
    EXPECT_EQ("0581  3420  new.aws", ItemText(0x581));
    EXPECT_EQ("Tape Drives", GroupOf(0x581));
    // The group stays sorted by device number.
    HTREEITEM hFirst = pBar->Tree().GetChildItem(pBar->Tree().GetParentItem(pBar->FindDeviceItem(0x581)));
    EXPECT_EQ(0x580u, pBar->Tree().GetItemData(hFirst));

    Queue(1, {Entry("0120", "3390", "DASD", "0100", "disk.cckd", 'C')});
    ASSERT_TRUE(Pump([&] { return ItemImage(0x120) == 10; }, 5000));  // busy: yellow
    Queue(1, {Entry("0120", "", "", "", "", 'D')});
    ASSERT_TRUE(Pump([&] { return pBar->FindDeviceItem(0x120) == nullptr; }, 5000));
    EXPECT_FALSE(pBar->IsDevNumShown(0x120));
    // A full list while incremental lists are in use is dropped.
    Queue(0, {Entry("0999", "3390", "DASD", "0000", "")});
    PumpFor(200);
    EXPECT_EQ(nullptr, pBar->FindDeviceItem(0x999));
    EXPECT_NE(nullptr, pBar->FindDeviceItem(0x581));
}

// A device that goes and another that comes in its row in one step (the
// tree may give the new item the gone one's handle): the screen shows the
// new one, also where the gone one was selected.
TEST_F(DevListSession, ADeviceReplacedWithinAStepIsShownInItsRow)
{
    host->ShowWindow(SW_SHOW);
    PowerOn();
    QueueStartList();
    ASSERT_TRUE(PumpUntilReady());
    pBar->m_bNewFormatDevList = true;
    HWND hTree = pBar->Tree().m_hWnd;
    RECT rc;
    ::GetWindowRect(hTree, &rc);
    const struct {
        int nOld, nNew;
        CDevListEntry gone, added;
        bool bSelected;
    } kCases[] = {
        {0x120, 0x121, Entry("0120", "", "", "", "", 'D'), Entry("0121", "3390", "DASD", "0000", "other.cckd", 'A'), false},
        {0xC, 0xD, Entry("000C", "", "", "", "", 'D'), Entry("000D", "3505", "RDR", "1000", "more.txt", 'A'), true},
    };
    for (const auto& c : kCases) {
        if (c.bSelected)
            pBar->Tree().SelectItem(pBar->FindDeviceItem(c.nOld));
        EXPECT_EQ("", vorntest::StalePixelsIn(hTree, rc));
        Queue(1, {c.gone, c.added});
        ASSERT_TRUE(Pump([&] { return pBar->FindDeviceItem(c.nNew) && !pBar->IsShowingLists(); }, 5000));
        EXPECT_EQ(nullptr, pBar->FindDeviceItem(c.nOld));
        EXPECT_EQ("", vorntest::StalePixelsIn(hTree, rc)) << std::hex << c.nNew;
    }
}

TEST_F(DevListSession, ListAfterPowerOffIsDroppedAndTheNextPowerOnWorks)
{
    PowerOn();
    QueueStartList();
    ASSERT_TRUE(PumpUntilReady());
    pBar->m_bNewFormatDevList = true;
    // The view tells the bar that the emulator ended: its devices go.
    EndEmulator();
    ASSERT_TRUE(Pump([&] { return pBar->FindDeviceItem(0x120) == nullptr; }, 5000));
    EXPECT_FALSE(pBar->IsDevNumShown(0xC));
    EXPECT_FALSE(pBar->m_bNewFormatDevList);
    EXPECT_EQ(9u, pBar->Tree().GetCount());
    QueueStartList();
    PumpFor(300);
    EXPECT_EQ(nullptr, pBar->FindDeviceItem(0x120));
    EXPECT_FALSE(pView->IsEmulatorReady());

    ::DeleteFileA(strRecord.c_str());
    pView->SendCommand("after restart");
    PowerOn();
    ASSERT_TRUE(WaitFor("]NEWDEVLIST=1"));   // the list comes once asked for
    QueueStartList();
    ASSERT_TRUE(PumpUntilReady());
    EXPECT_NE(nullptr, pBar->FindDeviceItem(0x120));
    // The first command after the opening's three lines.
    ASSERT_GE(Received().size(), 4u);
    EXPECT_EQ("after restart", Received()[3]);
}

TEST_F(DevListSession, ContextMenuCommandsSendTheirExactTexts)
{
    PowerOn();
    QueueStartList();
    ASSERT_TRUE(PumpUntilReady());
    ASSERT_EQ(1, ClickOn(pBar->FindDeviceItem(0x580)));
    EXPECT_EQ(0x580, pBar->GetClickedKey());
    EXPECT_EQ(DEVCLASS_TAPE, pBar->GetClickedClass());
    EXPECT_EQ(0x581, pBar->GetNextFreeKey());
    const struct { UINT nID; const char* pszText; } cases[] = {
        {ID_DEVLIST_START, "vorn start 0580"},
        {ID_DEVLIST_STOP, "vorn stop 0580"},
        {ID_DEVLIST_UNLOAD_TAPE, "vorn devinit 0580 *"},
        {ID_DEVLIST_SUBCHANNEL_STATUS, "vorn ds 0580"},
        {ID_DEVLIST_ATTENTION, "vorn i 0580"},
        {ID_DEVLIST_TRACE_CCWS, "vorn t+0580"},
        {ID_DEVLIST_TRACE_CCWS, "vorn t-0580"},
        {ID_DEVLIST_DETACH, "vorn detach 0580"},
    };
    for (const auto& c : cases) {
        pBar->SendMessage(WM_COMMAND, c.nID);
        EXPECT_TRUE(WaitFor(c.pszText)) << c.pszText;
    }
    std::vector<std::string> got = Received();
    auto it = std::find(got.begin(), got.end(), "vorn start 0580");
    ASSERT_NE(got.end(), it);
    std::vector<std::string> tail(it, got.end());
    ASSERT_EQ(8u, tail.size());
    for (size_t i = 0; i < tail.size(); ++i)
        EXPECT_EQ(cases[i].pszText, tail[i]);
    // Detach leaves the tree to the emulator's own reports.
    PumpFor(400);
    EXPECT_NE(nullptr, pBar->FindDeviceItem(0x580));
}

// Detach takes the device out of the view's configuration, not at once but
// after the configuration's panel refresh rate and 125 ms; the
// configuration is modified then. Other devices stay.
TEST_F(DevListSession, DetachLeavesTheConfigurationAfterThePanelRate)
{
    CVornConfigFile cfg;
    CString strError;
    ASSERT_TRUE(cfg.AddDevice("0120 3390 disk.cckd", strError)) << strError.GetString();
    ASSERT_TRUE(cfg.AddDevice("0580 3420 tape.aws", strError)) << strError.GetString();
    cfg.m_nPanRate = 400;
    std::string strPath = dir.Path("detach.cnf");
    ASSERT_EQ(0u, cfg.SaveAs(strPath.c_str()));
    // Opened as at start-up: no system configuration dialog follows.
    g_strStartupConfigFile = strPath.c_str();
    ASSERT_TRUE(pView->OpenConfiguration(strPath.c_str()));
    ASSERT_FALSE(pView->IsConfigModified());
    PowerOn();
    QueueStartList();
    ASSERT_TRUE(PumpUntilReady());
    ASSERT_EQ(1, ClickOn(pBar->FindDeviceItem(0x120)));
    pBar->SendMessage(WM_COMMAND, ID_DEVLIST_DETACH);
    EXPECT_TRUE(WaitFor("vorn detach 0120"));
    CVornDevice dev;
    PumpFor(150);
    EXPECT_TRUE(pView->GetConfig().m_devices.Lookup(0x120, dev));
    EXPECT_FALSE(pView->IsConfigModified());
    ASSERT_TRUE(Pump([&] { return !pView->GetConfig().m_devices.Lookup(0x120, dev); }, 5000));
    EXPECT_TRUE(pView->IsConfigModified());
    EXPECT_TRUE(pView->GetConfig().m_devices.Lookup(0x580, dev));
}

// Trace CCWs changes only the flag of the device as it is shown when the
// command runs: a device removed since the right-click stays removed.
TEST_F(DevListSession, TraceCCWsLooksTheDeviceUpWhenItRuns)
{
    PowerOn();
    QueueStartList();
    ASSERT_TRUE(PumpUntilReady());
    pBar->m_bNewFormatDevList = true;
    ASSERT_EQ(1, ClickOn(pBar->FindDeviceItem(0x120)));
    Queue(1, {Entry("0120", "3390", "DASD", "0010", "other.cckd", 'C')});
    ASSERT_TRUE(Pump([&] { return ItemImage(0x120) == 9; }, 5000));
    pBar->SendMessage(WM_COMMAND, ID_DEVLIST_TRACE_CCWS);
    ASSERT_TRUE(WaitFor("vorn t+0120"));
    Queue(1, {Entry("0120", "3390", "DASD", "0000", "other.cckd", 'C')});
    ASSERT_TRUE(Pump([&] { return ItemImage(0x120) == 12; }, 5000));
    EXPECT_EQ("0120  3390  other.cckd", ItemText(0x120));

    Queue(1, {Entry("0120", "", "", "", "", 'D')});
    ASSERT_TRUE(Pump([&] { return pBar->FindDeviceItem(0x120) == nullptr; }, 5000));
    pBar->SendMessage(WM_COMMAND, ID_DEVLIST_TRACE_CCWS);
    PumpFor(200);
    EXPECT_FALSE(pBar->IsDevNumShown(0x120));
    EXPECT_FALSE(HasReceived("vorn t-0120"));
}

TEST_F(DevListSession, DeviceMenuFitsTheClickedDevice)
{
    PowerOn();
    QueueStartList();
    ASSERT_TRUE(PumpUntilReady());
    struct { int nKey; std::vector<UINT> present; std::vector<UINT> absent; } cases[] = {
        {0xC, {ID_DEVLIST_LOAD_CARDS}, {ID_DEVLIST_START, ID_DEVLIST_STOP, ID_DEVLIST_LOAD_TAPE}},
        {0xE, {ID_DEVLIST_START, ID_DEVLIST_STOP}, {ID_DEVLIST_LOAD_CARDS, ID_DEVLIST_UNLOAD_TAPE}},
        {0x580, {ID_DEVLIST_LOAD_TAPE, ID_DEVLIST_UNLOAD_TAPE}, {ID_DEVLIST_LOAD_CARDS, ID_DEVLIST_START}},
    };
    for (const auto& c : cases) {
        BCMenu menu;
        pBar->LoadContextMenu(ClickOn(pBar->FindDeviceItem(c.nKey)), menu);
        HMENU hPopup = ::GetSubMenu(menu.GetSafeHmenu(), 0);
        pBar->SendMessage(WM_INITMENUPOPUP, (WPARAM)hPopup, 0);
        for (UINT nID : c.present)
            EXPECT_NE(-1, (int)::GetMenuState(hPopup, nID, MF_BYCOMMAND)) << c.nKey << " " << nID;
        for (UINT nID : c.absent)
            EXPECT_EQ(-1, (int)::GetMenuState(hPopup, nID, MF_BYCOMMAND)) << c.nKey << " " << nID;
    }
    // A group gives the class menu, empty space the bar menu.
    BCMenu classMenu, barMenu;
    pBar->LoadContextMenu(ClickOn(pBar->Tree().GetRootItem()), classMenu);
    EXPECT_NE(-1, (int)::GetMenuState(::GetSubMenu(classMenu.GetSafeHmenu(), 0), ID_DEVLIST_ADD, MF_BYCOMMAND));
    EXPECT_EQ(0, pBar->GetClickedKey());
    EXPECT_EQ(0xD, pBar->GetNextFreeKey());   // one above the group's last reader, 000C
    pBar->LoadContextMenu(-1, barMenu);
    EXPECT_EQ(2, ::GetMenuItemCount(::GetSubMenu(barMenu.GetSafeHmenu(), 0)));
}

// Shift+F10 and the menu key open the menu of the selected item, beside it,
// acting on it: a device's menu for a device, the class menu for a group.
TEST_F(DevListSession, KeyboardMenuIsOfTheSelectedItemBesideIt)
{
    PowerOn();
    QueueStartList();
    ASSERT_TRUE(PumpUntilReady());
    host->ShowWindow(SW_SHOW);
    HWND hTree = pBar->Tree().m_hWnd;
    struct Case {
        const char* name;
        bool bShiftF10;
        HTREEITEM hItem;
        UINT nItemOffered;
        int nKey;
    };
    const Case cases[] = {
        {"Shift+F10 on the tape drive", true, pBar->FindDeviceItem(0x580), ID_DEVLIST_LOAD_TAPE, 0x580},
        {"menu key on the tape drive", false, pBar->FindDeviceItem(0x580), ID_DEVLIST_LOAD_TAPE, 0x580},
        {"Shift+F10 on the printer", true, pBar->FindDeviceItem(0xE), ID_DEVLIST_STOP, 0xE},
        {"menu key on the card readers", false, Group(DEVCLASS_RDR), ID_DEVLIST_ADD, 0},
    };
    for (const Case& c : cases) {
        pBar->Tree().SelectItem(c.hItem);
        ::SetFocus(hTree);
        vorntest::SShownMenu menu =
            vorntest::ReadShownMenu([&] { vorntest::PressContextMenuKey(hTree, c.bShiftF10); });
        ASSERT_TRUE(menu.bShown) << c.name;
        EXPECT_TRUE(menu.IsEnabled(c.nItemOffered)) << c.name;
        EXPECT_EQ(c.nKey, pBar->GetClickedKey()) << c.name;
        RECT rcItem = {};
        ASSERT_TRUE(pBar->Tree().GetItemRect(c.hItem, &rcItem, TRUE));
        ::MapWindowPoints(hTree, nullptr, (POINT*)&rcItem, 2);
        EXPECT_NEAR(menu.rc.top, rcItem.bottom, 2) << c.name;  // right under the item
        EXPECT_GE(menu.rc.left, rcItem.left) << c.name;
        EXPECT_LT(menu.rc.left, rcItem.right) << c.name;
    }
}

// The IPL dialog takes a device the running emulator reports, and pads the
// load parameter.
TEST_F(DevListSession, IplDialogAcceptsAShownDevice)
{
    PowerOn();
    QueueStartList();
    ASSERT_TRUE(PumpUntilReady());
    CDevIntDlg dlg;
    dlg.m_strPurpose = "IPL";
    dlg.m_pDevListBar = pBar;
    dlg.m_strLoadParm = "CMS";
    INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
        ::SetDlgItemTextA(h, IDC_DEVINT_DEVNUM, "0120");
        ::SendMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    EXPECT_EQ(IDOK, r);
    EXPECT_STREQ("0120", dlg.m_strDevNum);
    EXPECT_STREQ("CMS.....", dlg.m_strLoadParm);
}

// Every LED and several classes, as tools/screenshot shows them
// (VORN_KEEP_OPEN set: the bar stays until Escape):
//   VORN_KEEP_OPEN=1 tools/screenshot -t "Device List" -o bar.png
//       build/win32/bin/devices_tests.exe --gtest_filter=DevListSession.Picture
TEST_F(DevListSession, Picture)
{
    PowerOn();
    Queue(0, {Entry("0009", "3215", "CON", "1000", ""), Entry("000C", "3505", "RDR", "0000", "cards.txt ascii"),
              Entry("000D", "3525", "PCH", "1000", "punch.txt ascii"), Entry("000E", "1403", "PRT", "1100", "print.txt"),
              Entry("0120", "3390", "DASD", "1000", "sysres.cckd"), Entry("0121", "3390", "DASD", "0010", "work.cckd"),
              Entry("0580", "3420", "TAPE", "0000", "*"), Entry("0E20", "LCS", "CTCA", "1000", "-n tap0"),
              Entry("0700", "9999", "XXXX", "0000", "")});
    ASSERT_TRUE(PumpUntilReady());
    EXPECT_EQ(11, ItemImage(0x120));
    EXPECT_EQ(10, ItemImage(0xE));
    EXPECT_EQ(9, ItemImage(0x121));
    EXPECT_EQ(12, ItemImage(0x580));
    EXPECT_EQ("(unknown device types)", GroupOf(0x700));
    EXPECT_EQ("Communication Devices", GroupOf(0xE20));
    host->SetWindowText("Device List");
    host->ShowWindow(SW_SHOW);
    if (!vorntest::KeepOpenForScreenshot())
        return;
    DWORD dwStart = ::GetTickCount();
    Pump([&] { return ::GetAsyncKeyState(VK_ESCAPE) != 0 || ::GetTickCount() - dwStart > 60000; }, 61000);
}

// The stand-in's own reports: its start-up list fills the tree and makes it
// ready; with incremental lists subscribed, a device attached or detached by
// command comes and goes with the emulator's reports, Delete device included.
TEST_F(DevListSession, StandinReportsDriveTheTree)
{
    StartEmulator("--do \"device 0120 3390 disk.cckd\" --do \"device 000C 3505 cards.txt\"");
    ASSERT_TRUE(PumpUntilReady());
    ASSERT_TRUE(Pump([&] { return pBar->FindDeviceItem(0x120) != nullptr; }, 5000));
    EXPECT_EQ("0120  3390  disk.cckd", ItemText(0x120));
    EXPECT_EQ("Card Readers", GroupOf(0xC));

    pBar->m_bNewFormatDevList = true;
    pView->SendCommand("]NEWDEVLIST=1");
    pView->SendCommand("attach 0130 3420 tape.aws");
    ASSERT_TRUE(Pump([&] { return pBar->FindDeviceItem(0x130) != nullptr; }, 5000));
    EXPECT_EQ("Tape Drives", GroupOf(0x130));

    ASSERT_EQ(1, ClickOn(pBar->FindDeviceItem(0x120)));
    pBar->SendMessage(WM_COMMAND, ID_DEVLIST_DETACH);
    ASSERT_TRUE(WaitFor("detach 0120"));   // version 4.7: without "vorn "
    ASSERT_TRUE(Pump([&] { return pBar->FindDeviceItem(0x120) == nullptr; }, 5000));
    EXPECT_NE(nullptr, pBar->FindDeviceItem(0xC));
}

// The stand-in as the emulator: it reports its devices only once asked,
// with its own class words; every device lands in its group. Picture:
//   VORN_KEEP_OPEN=1 tools/screenshot -t "Device List" -o bar.png
//       build/win32/bin/devices_tests.exe --gtest_filter=DevListSession.AskedForListPutsEachDeviceInItsGroup
TEST_F(DevListSession, AskedForListPutsEachDeviceInItsGroup)
{
    std::string strConfig = dir.Path("groups.cnf");
    HANDLE h = ::CreateFileA(strConfig.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const char kConfig[] = "NUMCPU 1\n0009 3215-C / noprompt\n000C 3505 cards.txt ascii\n000E 1403 print.txt\n"
                           "0120 3390 sysres.cckd\n0121 3390 work.cckd\n0580 3420 *\n"
                           "0A00.2 CTCI 192.168.200.1 192.168.200.2\n";
    DWORD n = 0;
    ::WriteFile(h, kConfig, sizeof(kConfig) - 1, &n, nullptr);
    ::CloseHandle(h);
    StartEmulator("-f \"" + strConfig + "\"");
    ASSERT_TRUE(PumpUntilReady());
    ASSERT_TRUE(Pump([&] { return pBar->FindDeviceItem(0xA01) != nullptr; }, 5000));
    EXPECT_TRUE(HasReceived("]NEWDEVLIST=1"));
    EXPECT_TRUE(HasReceived("]LCSSNUM=1"));
    const struct { int nKey; const char* pszGroup; } devices[] = {
        {0x009, "Console Printers"}, {0x00C, "Card Readers"}, {0x00E, "Line Printers"},
        {0x120, "Disk Drives"}, {0x121, "Disk Drives"}, {0x580, "Tape Drives"},
        {0xA00, "Communication Devices"}, {0xA01, "Communication Devices"},
    };
    for (const auto& d : devices)
        EXPECT_EQ(d.pszGroup, GroupOf(d.nKey)) << std::hex << d.nKey;
    EXPECT_EQ("0120  3390  sysres.cckd", ItemText(0x120));
    host->SetWindowText("Device List");
    host->ShowWindow(SW_SHOW);
    if (!vorntest::KeepOpenForScreenshot())
        return;
    DWORD dwStart = ::GetTickCount();
    Pump([&] { return ::GetAsyncKeyState(VK_ESCAPE) != 0 || ::GetTickCount() - dwStart > 60000; }, 61000);
}

// The router answers the device dialogs from the devices shown.
TEST_F(DevListSession, RouterSeesShownDevicesAndTheSysgConsole)
{
    PowerOn();
    CDevListEntry sysg;
    sysg.SetFromStatusFields('2', "SYSG", "SYSG", "CON", "0000", "", 0);
    Queue(0, {Entry("0120", "3390", "DASD", "0000", "disk"), sysg});
    ASSERT_TRUE(PumpUntilReady());
    CIsDevNumDefinedFuncRouterObject* pRouter = &pBar->m_Router;
    EXPECT_TRUE(pRouter->IsDevNumDefined(0x120));
    EXPECT_FALSE(pRouter->IsDevNumDefined(0x121));
    DWORD dwKey = 0;
    EXPECT_TRUE(pRouter->IsSysgDefined(&dwKey));
    EXPECT_EQ(0x20000u, dwKey);
    EXPECT_TRUE(pRouter->IsSysgDefined(nullptr));
    EXPECT_FALSE(pRouter->IsFileInUse("disk"));
}

std::string Row(WORD wClass, const char* pszText, int nImage, LPARAM nKey)
{
    return std::to_string(wClass) + ": " + pszText + " / " + std::to_string(nImage) + " / " + std::to_string(nKey);
}

// Every device item of the tree in order: its group, text, image and key.
std::vector<std::string> TreeRows(CTreeCtrl& tree)
{
    std::vector<std::string> rows;
    WORD wClass = 0;
    for (HTREEITEM hGroup = tree.GetRootItem(); hGroup; hGroup = tree.GetNextSiblingItem(hGroup), ++wClass)
        for (HTREEITEM h = tree.GetChildItem(hGroup); h; h = tree.GetNextSiblingItem(h)) {
            TVITEMA item = {TVIF_HANDLE | TVIF_IMAGE, h};
            tree.SendMessage(TVM_GETITEMA, 0, (LPARAM)&item);
            rows.push_back(Row(wClass, tree.GetItemText(h), item.iImage, tree.GetItemData(h)));
        }
    return rows;
}

// The rows once every change of the lists is shown as the bar showed them
// one at a time, sorting a group after each insertion: every group in key
// order (the shown map iterates in key order).
std::vector<std::string> RowsOfSingleInsertions(const CDevListEntryMap& shown)
{
    std::vector<std::string> rows[DEVCLASS_COUNT], all;
    for (POSITION pos = shown.GetStartPosition(); pos;) {
        int nKey;
        CDevListEntry e;
        shown.GetNextAssoc(pos, nKey, e);
        WORD wClass = std::min<WORD>(DevClassFromName(e.m_strClass), DEVCLASS_UNKNOWN);
        rows[wClass].push_back(Row(wClass, DevListItemText(nKey, e), DevListItemImage(e.m_wState), nKey));
    }
    for (const std::vector<std::string>& group : rows)
        all.insert(all.end(), group.begin(), group.end());
    return all;
}

// nCount devices of every class (by key: a key keeps its type) and every
// LED from key nFirst on, every nStride keys.
CDevListMap ManyDevices(int nFirst, int nStride, int nCount, const char* pszRest)
{
    static const char* const kTypes[][2] = {{"3505", "RDR"}, {"3525", "PCH"}, {"1403", "PRT"},
                                            {"3215", "CON"}, {"3270", "DSP"}, {"3390", "DASD"},
                                            {"3420", "TAPE"}, {"CTCI", "CTCA"}, {"9999", "LINE"}};
    static const char* const kStates[] = {"0000", "1000", "0100", "0010"};
    CDevListMap list(0);
    for (int i = 0; i < nCount; ++i) {
        char szDevnum[8];
        std::snprintf(szDevnum, sizeof szDevnum, "%04X", nFirst + i * nStride);
        int nType = (nFirst + i * nStride) / 4 % 9;
        CDevListEntry e = DevListSession::Entry(szDevnum, kTypes[nType][0], kTypes[nType][1], kStates[i % 4], pszRest);
        list.SetAt(e.GetKey(), e);
    }
    return list;
}

// Ends the menu being tracked once the bar has shown every list (or after
// 20 s), and says whether the menu was still shown then.
CDynDevListDlgBar* g_pFillingBar = nullptr;
DWORD g_dwMenuOpened = 0;
bool g_bFilledWhileMenuShown = false;
void CALLBACK EndMenuOnceFilled(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    bool bFilled = !g_pFillingBar->IsShowingLists();
    if (!bFilled && ::GetTickCount() - g_dwMenuOpened < 20000)
        return;
    g_bFilledWhileMenuShown = bFilled && ::FindWindowA("#32768", nullptr);
    ::KillTimer(nullptr, nTimer);
    ::EndMenu();
}

// Thousands of devices are shown in steps, one message each. Lists that
// come between steps, a selected item, a context menu open, the bar hidden:
// the tree ends as it would with every change shown at once, each device
// inserted and its group sorted in turn. A power-off between steps leaves
// no device behind.
TEST_F(DevListSession, LongListsAreShownInStepsInTheOrderOfSingleInsertions)
{
    host->ShowWindow(SW_SHOW);
    // An emulator that reports full lists all along, also once it is ready.
    StartEmulator("--no-devlist --do \"set version 3.00\"");
    CDevListEntryMap shown;
    auto queue = [&](const CDevListMap& list) {
        MergeDevList(shown, list);
        pBar->QueueFinishedList(std::make_unique<CDevListMap>(list));
    };
    auto dispatchOnly = [&](UINT nMsg) {
        MSG msg;
        ASSERT_TRUE(::PeekMessageA(&msg, pBar->m_hWnd, nMsg, nMsg, PM_REMOVE));
        app->DispatchOne(msg);
    };
    auto showAll = [&] { return Pump([&] { return !pBar->IsShowingLists(); }); };

    queue(ManyDevices(0x1000, 4, 2000, "file.img"));
    dispatchOnly(WM_DEVLIST_COMPLETE);
    UINT nShown = pBar->Tree().GetCount() - 9;
    EXPECT_GT(nShown, 0u);
    EXPECT_LT(nShown, 2000u);
    ASSERT_TRUE(pBar->IsShowingLists());
    // A step on a loaded machine may show only the first few devices.
    HTREEITEM hSelected = nullptr;
    for (WORD wClass = 0; wClass < DEVCLASS_COUNT && !hSelected; ++wClass)
        hSelected = pBar->Tree().GetChildItem(Group(wClass));
    ASSERT_NE(nullptr, hSelected);
    pBar->Tree().SelectItem(hSelected);
    CDevListMap changes(1);
    for (const CDevListEntry& e : {Entry("0FFF", "3505", "RDR", "0000", "below.txt", 'A'),
                                   Entry("1002", "CTCI", "CTCA", "1000", "between.img", 'A'),
                                   Entry("100C", "3525", "PCH", "0100", "file.img", 'C'),
                                   Entry("2F3C", "", "", "", "", 'D')})
        changes.SetAt(e.GetKey(), e);
    queue(changes);
    ASSERT_TRUE(showAll());
    EXPECT_EQ(RowsOfSingleInsertions(shown), TreeRows(pBar->Tree()));
    EXPECT_EQ(hSelected, pBar->Tree().GetSelectedItem());
    ASSERT_TRUE(PumpUntilReady());

    // Ready: a full list drops 1,000 devices, adds 1,000 in between and
    // changes the rest, while the device menu is open.
    queue(ManyDevices(0x1000, 2, 2000, "other.img"));
    dispatchOnly(WM_DEVLIST_COMPLETE);
    ASSERT_TRUE(pBar->IsShowingLists());
    g_pFillingBar = pBar;
    g_dwMenuOpened = ::GetTickCount();
    UINT_PTR nTimer = ::SetTimer(nullptr, 0, 20, EndMenuOnceFilled);
    RECT rc = {};
    HTREEITEM hDevice = pBar->Tree().GetChildItem(Group(DEVCLASS_DISK));
    ASSERT_TRUE(pBar->Tree().GetItemRect(hDevice, &rc, TRUE));
    ::MapWindowPoints(pBar->Tree().m_hWnd, nullptr, (POINT*)&rc, 2);
    pBar->SendMessage(WM_CONTEXTMENU, (WPARAM)pBar->Tree().m_hWnd, MAKELPARAM(rc.left + 2, rc.top + 2));
    ::KillTimer(nullptr, nTimer);
    EXPECT_TRUE(g_bFilledWhileMenuShown);
    ASSERT_TRUE(showAll());
    EXPECT_EQ(RowsOfSingleInsertions(shown), TreeRows(pBar->Tree()));

    // Hidden, the bar goes on. A power-off between steps takes every device
    // off at once for the router and off the tree in steps, before the
    // next session's list.
    // Half of a list of 6,000 shown, so that no step can take them all off
    // (a fast machine took off a few hundred in one).
    host->ShowWindow(SW_HIDE);
    queue(ManyDevices(0x3000, 1, 6000, "third.img"));
    dispatchOnly(WM_DEVLIST_COMPLETE);
    ASSERT_TRUE(PumpEach([&] { return pBar->Tree().GetCount() >= 3000 || !pBar->IsShowingLists(); }));
    ASSERT_TRUE(pBar->IsShowingLists());
    pBar->SendMessage(WM_EMULATOR_ACTIVE, 0);
    EXPECT_FALSE(pBar->IsDevNumShown(0x3000));
    shown.RemoveAll();
    queue(ManyDevices(0x5000, 3, 20, "next.img"));
    std::set<UINT> counts;
    ASSERT_TRUE(PumpEach([&] { return counts.insert(pBar->Tree().GetCount()), !pBar->IsShowingLists(); }));
    EXPECT_GT(counts.size(), 3u) << "the devices left the tree in one message";
    EXPECT_EQ(RowsOfSingleInsertions(shown), TreeRows(pBar->Tree()));
}

// A configuration of 2,000 devices of every class, the terminals in ranges
// of 250, as devlist_bench.exe runs the stand-in with.
std::string WriteThousandsConfig(const TempDir& dir)
{
    std::string strConfig = dir.Path("thousands.cnf");
    const char kConfig[] = "0010.50 3505 cards.txt ascii\n0050.50 3525 punch.txt ascii\n0090.50 1403 print.txt\n"
                           "00D0.40 3215\n0100.250 3390 disk.cckd\n0200.250 3390 disk.cckd\n0300.200 3420 *\n"
                           "0400.100 CTCI 192.168.200.1 192.168.200.2\n0A00.250 3270\n0B00.250 3270\n"
                           "0C00.250 3270\n0D00.250 3270\n0E00.10 3287\n";
    HANDLE h = ::CreateFileA(strConfig.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n = 0;
    ::WriteFile(h, kConfig, sizeof(kConfig) - 1, &n, nullptr);
    ::CloseHandle(h);
    return strConfig;
}

// Looks at the device tree through a fill and an emptying, after every
// message it is sent (its items' messages aside) and every message of its
// own or of the bar taken from the queue (a step, a paint): as its window
// shows it, it must never be blank, one colour all over (the bar's
// background, or the white of a frame painted over it).
HWND g_hWatchedTree = nullptr;
int g_nTreeLooks = 0, g_nBlankTrees = 0;
std::string g_strFirstBlank;
void LookForBlankTree(UINT nMsg)
{
    HWND hTop = ::GetAncestor(g_hWatchedTree, GA_ROOT);
    RECT rcTop, rc;
    ::GetWindowRect(hTop, &rcTop);
    ::GetClientRect(g_hWatchedTree, &rc);
    ::MapWindowPoints(g_hWatchedTree, nullptr, (POINT*)&rc, 2);
    HDC hdc = ::GetWindowDC(hTop);
    std::vector<DWORD> shown =
        vorntest::DcPixels(hdc, rc.left - rcTop.left, rc.top - rcTop.top, rc.right - rc.left, rc.bottom - rc.top);
    ::ReleaseDC(hTop, hdc);
    // The colour of most pixels, if one has most of them (a majority vote).
    DWORD dwColour = 0;
    size_t nVotes = 0;
    for (DWORD px : shown) {
        if (!nVotes)
            dwColour = px;
        nVotes += px == dwColour ? 1 : (size_t)-1;
    }
    ++g_nTreeLooks;
    if ((size_t)std::count(shown.begin(), shown.end(), dwColour) * 100 > shown.size() * 98 && !g_nBlankTrees++)
        g_strFirstBlank = "after message " + std::to_string(nMsg) + ", tree items " +
                          std::to_string(::SendMessageA(g_hWatchedTree, TVM_GETCOUNT, 0, 0));
}
LRESULT CALLBACK LookAtSentToTree(int nCode, WPARAM wp, LPARAM lp)
{
    const CWPRETSTRUCT* pMsg = reinterpret_cast<const CWPRETSTRUCT*>(lp);
    if (nCode == HC_ACTION && pMsg->hwnd == g_hWatchedTree && pMsg->message < WM_USER)
        LookForBlankTree(pMsg->message);
    return ::CallNextHookEx(nullptr, nCode, wp, lp);
}
void LookAtTakenForTree(const MSG& msg)
{
    if (msg.hwnd == g_hWatchedTree || msg.hwnd == ::GetParent(g_hWatchedTree))
        LookForBlankTree(msg.message);
}

// The stand-in as the emulator with 2,000 devices, as devlist_bench.exe
// runs it: its report after the subscription fills the tree in steps, every
// group in device-number order; its end empties it; the tree is never seen
// blank.
TEST_F(DevListSession, ThousandsOfDevicesComeWithTheEmulatorAndGoWithIt)
{
    std::string strConfig = WriteThousandsConfig(dir);
    host->ShowWindow(SW_SHOW);
    PumpFor(100);
    g_hWatchedTree = pBar->Tree().m_hWnd;
    g_nTreeLooks = g_nBlankTrees = 0;
    std::unique_ptr<std::remove_pointer<HHOOK>::type, BOOL (WINAPI*)(HHOOK)> hook(
        ::SetWindowsHookExA(WH_CALLWNDPROCRET, LookAtSentToTree, nullptr, ::GetCurrentThreadId()),
        ::UnhookWindowsHookEx);
    StartEmulator("-f \"" + strConfig + "\"");
    std::set<UINT> counts;
    ASSERT_TRUE(PumpEach([&] { return *counts.insert(pBar->Tree().GetCount()).first == 2009; }, LookAtTakenForTree));
    ASSERT_TRUE(PumpEach([&] { return !pBar->IsShowingLists() && !::GetUpdateRect(g_hWatchedTree, nullptr, FALSE); },
                         LookAtTakenForTree));
    EXPECT_GT(counts.size(), 3u) << "the tree went from empty to full in one message";
    RECT rc;
    ::GetWindowRect(g_hWatchedTree, &rc);
    EXPECT_EQ("", vorntest::StalePixelsIn(g_hWatchedTree, rc));
    const UINT kInGroup[] = {50, 50, 50, 40, 1010, 500, 200, 100, 0};
    for (WORD wClass = 0; wClass < DEVCLASS_COUNT; ++wClass) {
        std::vector<DWORD_PTR> keys;
        for (HTREEITEM hItem = pBar->Tree().GetChildItem(Group(wClass)); hItem;
             hItem = pBar->Tree().GetNextSiblingItem(hItem))
            keys.push_back(pBar->Tree().GetItemData(hItem));
        EXPECT_EQ(kInGroup[wClass], keys.size()) << wClass;
        EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end())) << wClass;
    }
    EXPECT_EQ("0AF9  3270  ", ItemText(0xAF9));
    EXPECT_EQ("01F9  3390  disk.cckd", ItemText(0x1F9));
    EXPECT_EQ("Display Terminals", GroupOf(0xE09));
    EndEmulator();
    ASSERT_TRUE(PumpEach(
        [&] {
            return pBar->Tree().GetCount() == 9 && !pBar->IsShowingLists() &&
                   !::GetUpdateRect(g_hWatchedTree, nullptr, FALSE);
        },
        LookAtTakenForTree));
    hook.reset();
    EXPECT_EQ(0, g_nBlankTrees) << g_strFirstBlank << " (" << g_nTreeLooks << " looks)";
    EXPECT_EQ("", vorntest::StalePixelsIn(g_hWatchedTree, rc));
}

// The stand-in's reports of changes at 2,000 devices, as it makes them on
// request: LEDs alone (their rows repainted and nothing else), then a new
// file, a detach and an attach in one report. The screen shows what a fresh
// repaint draws, and Add device proposes the number after the group's last.
TEST_F(DevListSession, ReportedChangesReachTheirRowsAndTheNextFreeNumber)
{
    std::string strScript = dir.Path("changes.txt");
    std::ofstream(strScript) << "wait-stdin leds\ndevflags 0010 1000\ndevflags 0011 0100\ndevflags 0012 0010\n"
                                "devflags 0A00 1000\nwait-stdin more\ndevice 0011 3505 other.txt\ndetach 0E09\n"
                                "sleep 20\ndevice 0E0A 3287\n";
    host->ShowWindow(SW_SHOW);
    StartEmulator("-f \"" + WriteThousandsConfig(dir) + "\" --script \"" + strScript + "\"");
    HWND hTree = pBar->Tree().m_hWnd;
    auto shown = [&] { return !pBar->IsShowingLists() && !::GetUpdateRect(hTree, nullptr, FALSE); };
    RECT rc;
    ::GetWindowRect(hTree, &rc);
    ASSERT_TRUE(Pump([&] { return pBar->Tree().GetCount() == 2009 && shown(); }));
    ASSERT_EQ(1, pBar->TakeMenuItem(pBar->FindDeviceItem(0xA00)));
    EXPECT_EQ(0xE0A, pBar->GetNextFreeKey());

    pView->SendCommand("leds");
    ASSERT_TRUE(Pump([&] { return ItemImage(0xA00) == 11 && shown(); }));
    EXPECT_EQ((std::vector<int>{11, 10, 9, 12}), (std::vector<int>{ItemImage(0x10), ItemImage(0x11), ItemImage(0x12),
                                                                  ItemImage(0x13)}));
    EXPECT_EQ("", vorntest::StalePixelsIn(hTree, rc));

    pView->SendCommand("more");
    ASSERT_TRUE(Pump([&] { return pBar->FindDeviceItem(0xE0A) && shown(); }));
    EXPECT_EQ("0011  3505  other.txt", ItemText(0x11));
    EXPECT_EQ(12, ItemImage(0x11));
    EXPECT_EQ(nullptr, pBar->FindDeviceItem(0xE09));
    EXPECT_EQ("", vorntest::StalePixelsIn(hTree, rc));
    ASSERT_EQ(1, pBar->TakeMenuItem(pBar->FindDeviceItem(0xA00)));
    EXPECT_EQ(0xE0B, pBar->GetNextFreeKey());
}

}  // namespace
